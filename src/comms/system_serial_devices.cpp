#include "comms/system_serial_devices.h"

#include "comms/linux_serial_device.h"
#include "comms/simulated/contact_control.h"
#include "comms/simulated/simulated_serial.h"

#include <QLoggingCategory>

namespace zn {

Q_DECLARE_LOGGING_CATEGORY(lcComPort)

SystemSerialDeviceFactory::SystemSerialDeviceFactory()
    : consoles_(ReadSystemConsoleDevices()), hub_(std::make_shared<SimulatedSerialHub>()) {}

SystemSerialDeviceFactory::~SystemSerialDeviceFactory() = default;

std::unique_ptr<ISerialDevice> SystemSerialDeviceFactory::Create(const QString& device) {
    if (!SerialPortMap::IsSimulated(device)) return std::make_unique<LinuxSerialDevice>(device, consoles_);
    if (!server_) {
        server_ = std::make_unique<ContactControlServer>(hub_);
        if (!server_->Start()) qCWarning(lcComPort) << "contact control socket:" << server_->ErrorText();
    }
    return std::make_unique<SimulatedSerialDevice>(
        hub_->Line(device.mid(SerialPortMap::kSimulatedPrefix.size())));
}

} // namespace zn
