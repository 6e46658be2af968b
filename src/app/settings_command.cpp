// "Einstellungen" (F2, Alt+E): the titles, the lanes' ports, pin pairs and
// contact modes, and the certificate layout, edited in TCfgDialog and applied
// here on OK.
#include "app/main_window.h"

#include "comms/com_port.h"
#include "comms/linux_serial_device.h"
#include "comms/serial_devices.h"
#include "controls/label_3d.h"
#include "core/contact_input.h"
#include "core/port_choice.h"
#include "core/port_presence.h"
#include "settings/cfg_dialog.h"
#include "settings/port_devices_dialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace zn {

void TFormMain::SetSettingsDialog(TCfgDialog* dialog) {
    CfgDialog = dialog;
    if (!CfgDialog) return;
    CfgDialog->ExecDialog = [this](QDialog& d) { return platform_.modal->Exec(d); };
    CfgDialog->ListTitle = [this] { return Model.ListTitle(); };
    CfgDialog->PortDeviceHint = [this](int port) { return PortDeviceHint(port); };
    if (serialDevices_) CfgDialog->AssignDevices = [this] { return AssignPortDevices(); };
}

QString TFormMain::PortDeviceHint(int port) const {
    const QString device = Settings.portDevices.Device(port);
    // A port missing from the last probe is asked again, to tell an absent
    // device from one without modem lines.
    PortPresence presence = PortPresence::Present;
    if (!(AvailablePorts & (1u << (port - 1))))
        presence = serialDevices_ ? ProbeComPortPresence(*serialDevices_, port) : PortPresence::Absent;
    return PortDeviceHintText(device, presence);
}

std::optional<uint32_t> TFormMain::AssignPortDevices() {
    if (!serialDevices_ || !platform_.serial) return std::nullopt;
    ISerialDeviceFactory& factory = *platform_.serial;
    const auto presence = [&factory](const QString& device) {
        const std::unique_ptr<ISerialDevice> probed = factory.Create(device);
        const PortPresence found = ProbeDevice(probed.get());
        if (found != PortPresence::Absent) return found;
        // One that does not open (a lane or another program holds it) is there all the same.
        const bool there = SerialPortMap::IsSimulated(device) ? probed != nullptr : QFileInfo::exists(device);
        return there ? PortPresence::Present : PortPresence::Absent;
    };
    PortDevicesDialog dialog(Settings.portDevices, SerialDeviceCandidates(), presence, CfgDialog);
    if (platform_.modal->Exec(dialog) != QDialog::Accepted) return std::nullopt;
    Settings.portDevices = dialog.Map();
    // Probed again with the new devices; a port held open by a lane cannot be
    // probed (it is opened exclusively) and is there.
    uint32_t heldOpen = 0;
    for (const TComPort* port : {ComPort1, ComPort2})
        if (port->Connected() && port->Port >= 1) heldOpen |= 1u << (port->Port - 1);
    AvailablePorts = ProbeComPorts(*serialDevices_, heldOpen);
    return AvailablePorts;
}

void TFormMain::bCFGClick() {
    // Never while a lane runs: OK closes and reopens the timing ports.
    if (!CfgDialog || RefuseDuringRun(tr("Einstellungen"))) return;
    TCfgDialog& d = *CfgDialog;
    // Both lists start from the whole template again: an earlier opening
    // may have taken out an entry the lanes now hold.
    d.SetAvailablePorts(AvailablePorts);
    for (int lane = 0; lane < 2; ++lane) {
        const LaneSettings& s = Settings.lanes[lane];
        QComboBox* list = lane == 0 ? d.cbPort1 : d.cbPort2;
        QComboBox* mode = lane == 0 ? d.cbAlg1 : d.cbAlg2;
        const int index = s.port != 0 ? list->findText(PortEntry({s.port, s.contactLine})) : 0;
        list->setCurrentIndex(std::max(index, 0));
        mode->setEnabled(list->currentIndex() > 0);
        mode->setCurrentIndex(s.contactMode);
    }
    const CertificateLayout snapshot = CertificateLines;
    d.Title1->setText(Title1->Caption());
    d.Title2->setText(Title2->Caption());
    d.FormShow();
    if (platform_.modal->Exec(d) == QDialog::Accepted) {
        Title1->SetCaption(d.Title1->text());
        Title2->SetCaption(d.Title2->text());
        ApplyPortChoice(d.LaneEntry(1), d.cbAlg1->currentIndex(), d.LaneEntry(2), d.cbAlg2->currentIndex());
        Model.SettingsChanged(QStringLiteral("Bahn 1: %1, Bahn 2: %2").arg(d.LaneEntry(1), d.LaneEntry(2)));
    } else {
        CertificateLines = snapshot;
    }
    PanelLeft->setFocus();
}

void TFormMain::ApplyPortChoice(const QString& entry1, int mode1, const QString& entry2, int mode2) {
    for (TComPort* port : {ComPort1, ComPort2}) {
        port->Close();
        port->Port = 0;
    }
    // Whatever failed before is chosen anew.
    failedPorts_.clear();
    portProblems_.clear();
    TimerPortCheck->stop();
    LaneSettings& lane1 = Settings.lanes[0];
    LaneSettings& lane2 = Settings.lanes[1];
    lane1.port = 0;
    lane2.port = 0;
    // A lane left at "Kein" keeps its pin pair and mode for later.
    if (const std::optional<PortChoice> c = ParsePortEntry(entry1)) {
        lane1 = {static_cast<uint8_t>(c->port), c->contactLine, mode1};
        ComPort1->Port = c->port;
    }
    if (const std::optional<PortChoice> c = ParsePortEntry(entry2)) {
        lane2 = {static_cast<uint8_t>(c->port), c->contactLine, mode2};
        // One port carries both lanes when they share it.
        if (c->port != lane1.port) ComPort2->Port = c->port;
    }
    QStringList failures;
    for (TComPort* port : {ComPort1, ComPort2}) {
        // OpenComPort has put it into the red notice; the choice stays, and
        // the port opens when its device comes back.
        if (port->Port == 0 || OpenComPort(port)) continue;
        const SerialError error = port->LastError();
        //: %2 the device, %3 the reason, %4 the lanes (Bahn) without contacts
        failures << tr("COM%1 (%2) lässt sich nicht öffnen: %3. Bahn %4 bekommt keine Kontakte.")
                        .arg(port->Port)
                        .arg(port->DeviceName(), PortFailureReason(error.code, error.text),
                             LanesOfPort(port->Port));
    }
    ShowPortNotice();
    if (!failures.isEmpty())
        TellOperator(failures.join(QLatin1Char('\n')) +
                         //: „Geräte …“ is the settings dialog's button that picks a port's device
                         tr("\nDie Auswahl bleibt gespeichert; unter „Geräte …“ lässt sich das Gerät "
                            "der Schnittstelle ändern."),
                     true);
}

} // namespace zn
