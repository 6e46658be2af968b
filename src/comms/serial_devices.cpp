#include "comms/serial_devices.h"

#include <cerrno>

namespace zn {

std::unique_ptr<ISerialDevice> MappedSerialDevices::Device(int port) {
    const QString device = map_.Device(port);
    if (device.isEmpty()) return nullptr;
    return factory_.Create(device);
}

PortPresence ProbeDevice(ISerialDevice* device) {
    if (!device || !device->Open()) return PortPresence::Absent;
    uint32_t status = 0;
    const bool answers = device->ModemStatus(status);
    const int code = device->LastError().code;
    device->Close();
    if (answers) return PortPresence::Present;
    return code == ENOTTY || code == EINVAL ? PortPresence::Unsuitable : PortPresence::Absent;
}

PortPresence ProbeComPortPresence(ISerialDevices& devices, int port) {
    return ProbeDevice(devices.Device(port).get());
}

bool ProbeComPort(ISerialDevices& devices, int port) {
    return ProbeComPortPresence(devices, port) == PortPresence::Present;
}

uint32_t ProbeComPorts(ISerialDevices& devices, uint32_t heldOpen) {
    uint32_t present = 0;
    for (int port = 1; port <= SerialPortMap::kPortCount; ++port) {
        if (!(heldOpen & (1u << (port - 1))) && !ProbeComPort(devices, port)) continue;
        present |= 1u << (port - 1);
        present = (present & 0xFFFF) | (static_cast<uint32_t>(port) << 16);
    }
    return present;
}

} // namespace zn
