#include "comms/serial_devices.h"

namespace zn {

std::unique_ptr<ISerialDevice> MappedSerialDevices::Device(int port) {
    const QString device = map_.Device(port);
    if (device.isEmpty()) return nullptr;
    return factory_.Create(device);
}

bool ProbeComPort(ISerialDevices& devices, int port) {
    std::unique_ptr<ISerialDevice> device = devices.Device(port);
    if (!device || !device->Open()) return false;
    uint32_t status = 0;
    const bool answers = device->ModemStatus(status);
    device->Close();
    return answers;
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
