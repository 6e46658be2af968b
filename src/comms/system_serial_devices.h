#pragma once

#include "comms/serial_devices.h"

#include <QStringList>
#include <memory>

namespace zn {

class ContactControlServer;
class SimulatedSerialHub;

// The program's devices: Linux serial devices by path (never the machine's
// console line) and simulated ones ("sim:NAME"). The first simulated device
// starts the control socket that `zeitnahme-kontakt` drives.
class SystemSerialDeviceFactory final : public ISerialDeviceFactory {
public:
    SystemSerialDeviceFactory();
    ~SystemSerialDeviceFactory() override;
    std::unique_ptr<ISerialDevice> Create(const QString& device) override;

private:
    QStringList consoles_;
    std::shared_ptr<SimulatedSerialHub> hub_;
    std::unique_ptr<ContactControlServer> server_;
};

} // namespace zn
