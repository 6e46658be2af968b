#include "core/serial_port_map.h"

namespace zn {

QString SerialPortMap::DefaultDevice(int port) {
    if (port >= 1 && port <= 4) return QStringLiteral("/dev/ttyS%1").arg(port - 1);
    if (port >= 5 && port <= 12) return QStringLiteral("/dev/ttyUSB%1").arg(port - 5);
    if (port >= 13 && port <= kPortCount) return QStringLiteral("/dev/ttyACM%1").arg(port - 13);
    return {};
}

QString SerialPortMap::Device(int port) const {
    return overrides_.value(port, DefaultDevice(port));
}

void SerialPortMap::SetDevice(int port, const QString& device) {
    if (port < 1 || port > kPortCount) return;
    const QString d = device.trimmed();
    if (d.isEmpty() || d == DefaultDevice(port))
        overrides_.remove(port);
    else
        overrides_.insert(port, d);
}

} // namespace zn
