#pragma once

#include "core/port_presence.h"
#include "core/serial_port_map.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QLabel;

namespace zn {

// "Schnittstellen zuordnen": which device each port number COM1-COM16 stands
// for on this machine. A /dev/serial/by-id path names an adapter by its serial
// number, so a lane keeps its adapter whatever order they are plugged in.
class PortDevicesDialog : public QDialog {
    Q_OBJECT
public:
    // `candidates`: the serial devices found on this machine, offered in every
    // row; `presence` tells whether a device is there now and fit for contacts.
    PortDevicesDialog(const SerialPortMap& map, const QStringList& candidates,
                      std::function<PortPresence(const QString& device)> presence, QWidget* parent = nullptr);

    // The numbers as edited; an empty row is the default device.
    SerialPortMap Map() const;

    std::array<QComboBox*, SerialPortMap::kPortCount> Devices{};
    std::array<QLabel*, SerialPortMap::kPortCount> States{};

private:
    void ShowState(int index);
    std::function<PortPresence(const QString&)> presence_;
};

} // namespace zn
