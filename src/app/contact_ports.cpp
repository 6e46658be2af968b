// The timing hardware: contacts on the modem lines of one or two serial ports
// start the run and stop the lanes. Each change arrives from the port's reader
// thread on the main thread, with the instant the reader saw it.
#include "app/main_window.h"

#include "comms/com_port.h"
#include "comms/linux_serial_device.h"
#include "comms/serial_devices.h"
#include "controls/bit_btn_with_color.h"
#include "controls/led.h"
#include "core/contact_input.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cerrno>

namespace zn {

void TFormMain::BuildComPorts() {
    for (int tag : {1, 2}) {
        auto* port = new TComPort(this);
        port->setObjectName(QStringLiteral("ComPort%1").arg(tag));
        port->Tag = tag;
        port->BaudRate = br9600;
        port->BaudRateUser = 28800;
        port->Port = 0;
        port->Parity = prNone;
        port->StopBits = sbOneStopBit;
        port->FlowControl = fcRtsCts; // holds RTS high: the supply of the 7/8 contact
        port->SetDataBits(5);
        port->Events = TEvents().set(evCTS).set(evDSR);
        port->EnableDTR = true; // the supply of the 4/6 contact
        port->WriteBufSize = 64;
        port->ReadBufSize = 64;
        port->OnDSR = [this](TComPort* sender) { ComPort146(sender); };
        port->OnCTS = [this](TComPort* sender) { ComPort178(sender); };
        port->OnOpen = [this](TComPort* sender) { ComPort1Open(sender); };
        port->OnClose = [this](TComPort* sender) { ComPort1Close(sender); };
        port->OnFail = [this](TComPort* sender, const SerialError& error) { ComPortFail(sender, error); };
        (tag == 1 ? ComPort1 : ComPort2) = port;
    }
    StatusPanelPorts = AddLastingNotice(QStringLiteral("StatusPanelPorts"));
}

void TFormMain::EnumerateComPorts() {
    if (!serialDevices_) return;
    AvailablePorts = ProbeComPorts(*serialDevices_);
}

void TFormMain::OpenComPorts() {
    const auto& lanes = Settings.lanes;
    ComPort1->Port = lanes[0].port;
    // One port serves both lanes when they share it: DSR for one, CTS for the other.
    ComPort2->Port = lanes[1].port != lanes[0].port ? lanes[1].port : 0;
    for (TComPort* port : {ComPort1, ComPort2})
        if (port->Port != 0) OpenComPort(port);
}

bool TFormMain::OpenComPort(TComPort* port) {
    if (!serialDevices_) return false;
    try {
        port->Open();
    } catch (const EComHandle&) {
    } catch (const EComState&) {
    }
    portProblems_.remove(port->Port);
    if (!port->Connected()) {
        // Said at once: the lanes of this port get no contacts, and the
        // operator learns it before the first run, not at its end.
        const SerialError error = port->LastError();
        const QString lanes = LanesOfPort(port->Port);
        const QString device = port->DeviceName().isEmpty() ? tr("kein Gerät") : port->DeviceName();
        if (error.code == EACCES) {
            QString group = DeviceGroup(port->DeviceName());
            if (group.isEmpty()) group = QStringLiteral("dialout");
            portProblems_.insert(
                port->Port,
                //: status bar: a serial port may not be opened; %2 the system group that may
                {tr("COM%1: keine Berechtigung (Gruppe „%2“)").arg(port->Port).arg(group),
                 //: %2 the device, %3 the system group, %4 the lanes (Bahn) that must be stopped by key
                 tr("COM%1 (%2): keine Berechtigung. Abhilfe: Benutzer in die Gruppe "
                    "„%3“ aufnehmen (sudo usermod -aG %3 $USER) und neu anmelden. Bis dahin "
                    "Bahn %4 mit der Taste stoppen.")
                     .arg(port->Port)
                     .arg(device, group, lanes)});
        } else {
            portProblems_.insert(
                port->Port,
                //: status bar: %2 the lanes (Bahn) that must be stopped by key
                {tr("COM%1 nicht geöffnet: Bahn %2 mit der Taste stoppen").arg(port->Port).arg(lanes),
                 //: %2 the device, %3 the reason, %4 the lanes (Bahn) without contacts
                 tr("COM%1 (%2) nicht geöffnet: %3. Bahn %4 bekommt keine Kontakte; mit der "
                    "Taste stoppen.")
                     .arg(port->Port)
                     .arg(device, PortFailureReason(error.code, error.text), lanes)});
        }
        // Offered again once its device answers (an adapter plugged in late).
        if (!failedPorts_.contains(port->Port)) failedPorts_ << port->Port;
        TimerPortCheck->start();
    }
    ShowPortNotice();
    return port->Connected();
}

QString TFormMain::LanesOfPort(int number) const {
    QStringList lanes;
    for (int lane = 0; lane < 2; ++lane)
        if (Settings.lanes[lane].port == number) lanes << QString::number(lane + 1);
    //: joins two lane numbers: "1 und 2"
    return lanes.join(tr(" und "));
}

void TFormMain::ShowPortNotice() {
    QStringList briefs;
    QStringList full;
    for (const PortProblem& problem : std::as_const(portProblems_)) {
        briefs << problem.brief;
        full << problem.full;
    }
    StatusPanelPorts->setText(briefs.join(QStringLiteral("  ")));
    StatusPanelPorts->setToolTip(full.join(u'\n'));
    StatusPanelPorts->setVisible(!briefs.isEmpty());
}

void TFormMain::ComPort146(TComPort* Sender) {
    ContactChanged(Sender, 0);
}

void TFormMain::ComPort178(TComPort* Sender) {
    ContactChanged(Sender, 1);
}

void TFormMain::ContactChanged(TComPort* sender, int contactLine) {
    // The status at the change, not at the time the main thread got to it: a
    // light barrier's short interruption has ended by then.
    const ContactDecision d =
        Contacts.Decide(sender->Port, contactLine, sender->EventStatus(), Settings.lanes);
    if (d.changed && !d.trigger) CountLineChange(d.lane, sender->EventTick());
    if (!d.trigger) return;
    contactTick_ = sender->EventTick();
    TriggerLane(d.lane);
    contactTick_.reset();
}

void TFormMain::TriggerLane(int lane) {
    if (lane != 0 && lane != 1) return; // a contact of no lane never starts a run
    const uint32_t instant = contactTick_.value_or(platform_.clock->TickCount());
    if (bSTART->isEnabled()) {
        if (Led1->Kind() != lkGreen) {
            IgnoreStartContact(lane, instant); // the hardware start is blocked
            return;
        }
        Click(mStart);
        CountContact(lane, ContactOutcome::Started, instant);
        // The start contact may bounce, or be the other lane's barrier: both
        // lanes are locked out for 2 s from the contact's instant.
        BeginLockOut(0, instant);
        BeginLockOut(1, instant);
        return;
    }
    if (LockedOut(lane, instant)) {
        CountContact(lane, ContactOutcome::Bounced, instant);
        //: %1 the lane; the lock-out time after a contact, in which contacts do not count
        ShowBriefNote(tr(" Bahn %1: Kontakt innerhalb der Sperrzeit ignoriert").arg(lane + 1));
        return;
    }
    // A contact seen before the run's time origin (while the start was being
    // announced) cannot end the run.
    const bool beforeStart = contactTick_ && static_cast<int32_t>(*contactTick_ - StartTick) < 0;
    const bool stops = (lane == 0 ? bSTOP1 : bSTOP2)->isEnabled() && !beforeStart;
    if (stops) Click(lane == 0 ? mSTOP1 : mStop2);
    // Counted after the stop has landed: the tally never delays a time.
    CountContact(lane, stops ? ContactOutcome::Stopped : ContactOutcome::OutsideRun, instant);
    BeginLockOut(lane, instant);
}

void TFormMain::IgnoreStartContact(int lane, uint32_t instant) {
    //: the start contact came while the start was blocked; Alt+S releases it
    ShowBriefNote(tr(" Startkontakt ignoriert: Start nicht freigegeben (Alt+S)"));
    // Into the journal once per lock-out: a chattering line must not queue
    // an entry (and a wait for its commit) for every change.
    CountContact(lane, LockedOut(lane, instant) ? ContactOutcome::Bounced : ContactOutcome::OutsideRun,
                 instant);
    if (LockedOut(lane, instant)) return;
    BeginLockOut(lane, instant);
    Model.IgnoreStartContact(lane, instant, QStringLiteral("Start nicht freigegeben (Alt+S)"));
}

// The timer ends a lock-out no contact came into; a contact handled while it
// runs is judged by its own instant, since the main thread may get to it (or
// to the timer) late.
bool TFormMain::LockedOut(int lane, uint32_t instant) const {
    const QTimer* timer = lane == 0 ? TimerGesperrt1 : TimerGesperrt2;
    return timer->isActive() && WithinLockOut(lockOutBegin_[static_cast<size_t>(lane)], instant);
}

// The timer runs for what is left of the lock-out when the main thread gets
// to the contact (after a start: the announcement and the 200 ms delay).
void TFormMain::BeginLockOut(int lane, uint32_t begin) {
    lockOutBegin_[static_cast<size_t>(lane)] = begin;
    const int32_t passed = static_cast<int32_t>(platform_.clock->TickCount() - begin);
    (lane == 0 ? TimerGesperrt1 : TimerGesperrt2)->start(std::clamp(kLockOutMs - passed, 0, kLockOutMs));
}

void TFormMain::ComPort1Open(TComPort* Sender) {
    Contacts.Clear();
    Led1->show();
    // The reader says which priority it got once it has asked (within 0.5 s).
    Sender->OnPriority = [this](TComPort*) { ShowLed1Tip(); };
}

void TFormMain::ComPort1Close(TComPort*) {
    Led1->hide();
}

void TFormMain::Led1Click() {
    Led1->SetKind(Led1->Kind() == lkRed ? lkGreen : lkRed);
}

void TFormMain::ComPortFail(TComPort* Sender, const SerialError& error) {
    const int number = Sender->Port;
    const QString device = Sender->DeviceName();
    Sender->Close();                               // the reader has ended; Led1 goes dark
    const QString lanesText = LanesOfPort(number); // a shared port carries both lanes
    portProblems_.insert(number,
                         //: status bar: a serial port failed; %2 the lanes (Bahn) that must be stopped by key
                         {tr("COM%1 ausgefallen: Bahn %2 mit der Taste stoppen").arg(number).arg(lanesText),
                          //: %2 the device, %3 the reason, %4 the lanes (Bahn)
                          tr("COM%1 (%2) ausgefallen: %3. Bahn %4 mit der Taste stoppen.")
                              .arg(number)
                              .arg(device, PortFailureReason(error.code, error.text), lanesText)});
    ShowPortNotice();
    if (!failedPorts_.contains(number)) failedPorts_ << number;
    TimerPortCheck->start();
}

void TFormMain::TimerPortCheckTimer() {
    // Never a question while a lane runs; the check comes again after the run.
    if (!bCFG->isEnabled() || !serialDevices_) return;
    const QList<int> ports = failedPorts_;
    for (int number : ports) {
        if (!ProbeComPort(*serialDevices_, number)) continue;
        failedPorts_.removeAll(number);
        TComPort* port = ComPort1->Port == number ? ComPort1 : ComPort2;
        const bool reopen =
            !FDlgYesNo ||
            AskYesNo(tr("COM%1 (%2) ist wieder da. Neu öffnen?").arg(number).arg(port->DeviceName()));
        if (reopen) OpenComPort(port);
    }
    if (failedPorts_.isEmpty()) TimerPortCheck->stop();
}

} // namespace zn
