#pragma once

#include "comms/serial_device.h"
#include "core/port_presence.h"
#include "core/serial_port_map.h"

#include <cstdint>
#include <memory>

namespace zn {

// Makes the device for a device name ("/dev/ttyUSB0", "sim:COM1"); null when
// there is none by that name on this machine.
class ISerialDeviceFactory {
public:
    virtual ~ISerialDeviceFactory() = default;
    virtual std::unique_ptr<ISerialDevice> Create(const QString& device) = 0;
};

// The port numbers through a port map: the map is read at each call, so a
// changed mapping applies at the next Open.
class MappedSerialDevices final : public ISerialDevices {
public:
    MappedSerialDevices(const SerialPortMap& map, ISerialDeviceFactory& factory)
        : map_(map), factory_(factory) {}
    std::unique_ptr<ISerialDevice> Device(int port) override;
    QString DeviceName(int port) const override { return map_.Device(port); }

private:
    const SerialPortMap& map_;
    ISerialDeviceFactory& factory_;
};

// Opens and closes `device` (null: none): present when it opens and answers
// the modem-status query; unsuitable when it opens but the query is not
// supported (ENOTTY, EINVAL: a tty without modem lines); absent otherwise.
PortPresence ProbeDevice(ISerialDevice* device);

// Present means: the device opens and answers the modem-status query. Opens
// and closes each port 1 to 16 once; the result has bit n-1 set for each
// present COMn and the highest present number in the upper 16 bits.
// `heldOpen` (bit n-1 for COMn) are ports this program holds open: they
// cannot be opened a second time and count as present.
uint32_t ProbeComPorts(ISerialDevices& devices, uint32_t heldOpen = 0);
// What one port is, by the same test.
PortPresence ProbeComPortPresence(ISerialDevices& devices, int port);
// Whether one port is present.
bool ProbeComPort(ISerialDevices& devices, int port);

} // namespace zn
