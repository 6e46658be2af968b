#pragma once

#include <QMap>
#include <QString>

namespace zn {

// What the port numbers 1 to 16 stand for on this machine. By default COM1-COM4
// are the built-in ports /dev/ttyS0-3, COM5-COM12 USB adapters /dev/ttyUSB0-7
// and COM13-COM16 modem-class USB devices /dev/ttyACM0-3; any number can be
// pointed at another device: a /dev/serial/by-id path (which stays right when
// adapters are replugged in another order) or a simulated device "sim:NAME".
class SerialPortMap {
public:
    static constexpr int kPortCount = 16;
    static inline const QString kSimulatedPrefix = QStringLiteral("sim:");

    static QString DefaultDevice(int port);

    // The device of `port`; empty outside 1..16.
    QString Device(int port) const;
    // An empty device (or the default one) restores the default.
    void SetDevice(int port, const QString& device);
    // The numbers pointed elsewhere, with their devices.
    const QMap<int, QString>& Overrides() const { return overrides_; }

    static bool IsSimulated(const QString& device) { return device.startsWith(kSimulatedPrefix); }

private:
    QMap<int, QString> overrides_;
};

} // namespace zn
