// The lanes' health: every contact the run cycle decided, counted per lane
// for the day and shown on the start LED's tooltip (and in "Kontakte").
#include "app/main_window.h"

#include "comms/com_port.h"
#include "controls/led.h"

#include <QTimer>

namespace zn {

QDateTime TFormMain::WallNow() const {
    return platform_.wallClock ? platform_.wallClock() : QDateTime::currentDateTime();
}

void TFormMain::CountContact(int lane, ContactOutcome outcome, uint32_t instant) {
    const uint32_t now = platform_.clock->TickCount();
    LaneContacts.Count(lane, outcome, instant, WallOfTick(WallNow(), now, instant));
    ShowLed1Tip();
}

// A change is counted while the lane rests: no run under way and the lane
// not locked out (a barrier's release right after its stop is no news).
void TFormMain::CountLineChange(int lane, uint32_t instant) {
    if (lane != 0 && lane != 1) return;
    if (Clock->isActive() || LockedOut(lane, instant)) return;
    const uint32_t now = platform_.clock->TickCount();
    LaneContacts.CountIdleChange(lane, WallOfTick(WallNow(), now, instant));
    ShowLed1Tip();
}

// What Led1 does, which priority each reader got, and each lane's contacts
// of the day once it had any.
void TFormMain::ShowLed1Tip() {
    QStringList tip{Led1->toolTip().section(u'\n', 0, 0)};
    for (const TComPort* port : {ComPort1, ComPort2})
        if (port->Connected() && !port->ReaderPriority().isEmpty())
            tip << QStringLiteral("COM%1: %2").arg(port->Port).arg(port->ReaderPriority());
    const QDate today = WallNow().date();
    for (int lane = 0; lane < 2; ++lane) {
        const QString line = LaneContactLine(lane, LaneContacts.Lane(lane, today));
        if (!line.isEmpty()) tip << line;
    }
    Led1->setToolTip(tip.join(u'\n'));
}

} // namespace zn
