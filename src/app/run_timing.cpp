// The two-lane run cycle: start, the 10 ms clock, the stop of each lane,
// reset to the next pair and the false start. The run state is read from the
// controls (clock on, stop buttons enabled, RESET enabled), never stored apart.
#include "app/main_window.h"

#include "comms/com_port.h"
#include "controls/bit_btn_with_color.h"
#include "controls/digit.h"
#include "controls/led.h"
#include "controls/sort_grid.h"
#include "core/result_numbers.h"
#include "core/run_time.h"
#include "core/tag.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <vector>

namespace zn {

namespace {
constexpr TColor kStartColor = 0x00A000;
constexpr TColor kRunningStopColor = 0x808080;
constexpr TColor kFinishedResetColor = 0x0000FF;
// The time origin lies this long after the start cue was set playing.
constexpr int kStartDelayMs = 200;
// A double click on START lands its second click on Fehlstart, which lies
// over START: a false start this soon after the origin is taken for that
// second click and ignored. No real false start is called within 0.3 s.
constexpr int32_t kFalseStartGuardMs = 300;
// Contacts wait while the start is under way (the announcement plays in a
// local event loop): each is handled afterwards, with its own instant.
class ContactsHeld {
public:
    explicit ContactsHeld(std::initializer_list<TComPort*> ports) : ports_(ports) {
        for (TComPort* p : ports_)
            p->HoldEvents();
    }
    ~ContactsHeld() {
        for (TComPort* p : ports_)
            p->ReleaseEvents();
    }
    ContactsHeld(const ContactsHeld&) = delete;
    ContactsHeld& operator=(const ContactsHeld&) = delete;

private:
    std::vector<TComPort*> ports_;
};

} // namespace

void TFormMain::mStartClick(QObject*) {
    const ContactsHeld held{ComPort1, ComPort2};
    // A start by contact counts from the contact's instant: the time the main
    // thread took to get to it is no part of the run.
    const uint32_t begin = platform_.clock->TickCount();
    const int32_t handOverDelay =
        contactTick_ ? std::max<int32_t>(0, static_cast<int32_t>(begin - *contactTick_)) : 0;
    // A time or penalty still being typed is taken in now: once the clock
    // runs, "1" and "2" stop the lanes instead of typing into the cell.
    CommitCellEdit(CurrentList);
    bSTART->setEnabled(false);
    bSTART->SetColor(clBtnFace);
    mStart->setEnabled(bSTART->isEnabled());

    const QString announcement = DataFile(QStringLiteral("FERTIG.wav"));
    if (StartSoundPresent && !announcement.isEmpty()) {
        // Paint the disabled START before the announcement blocks the thread.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        platform_.sound->PlaySync(announcement);
    }
    bFSTART->setEnabled(true);
    mFStart->setEnabled(true);
    bFSTART->show();

    platform_.sound->PlayAsync(CueFile(QStringLiteral("START.wav")));
    platform_.clock->Sleep(kStartDelayMs);

    StartTick = platform_.clock->TickCount() - static_cast<uint32_t>(handOverDelay);
    StopTick = {0, 0};
    LastStoppedLane = -1;
    Clock->start();

    for (QWidget* w : std::initializer_list<QWidget*>{cbBuhn1, cbBuhn2, bCFG, sbLoad, bRESET, sb1, sb2})
        w->setEnabled(false);
    mReset->setEnabled(false);

    for (TBitBtnWithColor* stop : {bSTOP1, bSTOP2}) {
        stop->setEnabled(true);
        stop->SetColor(kRunningStopColor);
    }
    mSTOP1->setEnabled(true);
    mStop2->setEnabled(true);

    SelectDatenbank(DatenbanknachVorlauf2);
    SetRunShortcuts(true);
    bFSTART->setFocus();
    UpdateCommandStates();
    Model.StartRun(StartTick);
}

void TFormMain::ClockTimer() {
    const uint32_t now = platform_.clock->TickCount();
    if (bSTOP1->isEnabled()) ShowLaneTime(TagOf(PanelT1), ElapsedMs(StartTick, now));
    if (bSTOP2->isEnabled()) ShowLaneTime(TagOf(PanelT2), ElapsedMs(StartTick, now));
}

void TFormMain::mSTOPClick(QObject* sender) {
    const int lane = TagOf(sender);
    if (lane != 0 && lane != 1) return;
    LastStoppedLane = lane;
    // A contact's stop takes the instant the reader thread saw it; a key's
    // the moment its handler runs.
    StopTick[lane] = contactTick_.value_or(platform_.clock->TickCount());
    platform_.sound->PlayAsync(CueFile(QStringLiteral("STOPP.wav")));
    const int32_t elapsed = ElapsedMs(StartTick, StopTick[lane]);

    TBitBtnWithColor* stop = lane == 0 ? bSTOP1 : bSTOP2;
    stop->setEnabled(false);
    stop->SetColor(clBtnFace);
    (lane == 0 ? mSTOP1 : mStop2)->setEnabled(false);

    bFSTART->hide();
    bFSTART->setEnabled(false);
    mFStart->setEnabled(false);

    ShowLaneTime(lane, elapsed);
    const QString time = FormatRunTime(elapsed);
    // Committed to the journal before the window repaints with the time.
    const RecordOutcome outcome =
        Model.StopLane(lane, elapsed, time, StopTick[lane], contactTick_.has_value());
    ShowRecordOutcome(outcome, lane + 1, time);
    FinishStop();
}

void TFormMain::mSTOP1Click() {
    mSTOPClick(mSTOP1);
}
void TFormMain::mStop2Click() {
    mSTOPClick(mStop2);
}

void TFormMain::FinishStop() {
    const bool finished = !mSTOP1->isEnabled() && !mStop2->isEnabled();
    bRESET->setEnabled(finished);
    mReset->setEnabled(finished);
    if (bSTOP1->isEnabled()) {
        bSTOP1->setFocus();
    } else if (bSTOP2->isEnabled()) {
        bSTOP2->setFocus();
    } else if (bRESET->isEnabled()) {
        Clock->stop();
        bRESET->setFocus();
        bRESET->SetColor(kFinishedResetColor);
        AutoSaveAfterRun();
    }
}

void TFormMain::mResetClick(QObject* sender) {
    TimerGesperrt1->stop();
    TimerGesperrt2->stop();
    SetRunShortcuts(false);
    ShowLaneTime(0, 0);
    ShowLaneTime(1, 0);
    bCFG->setEnabled(true);
    sbLoad->setEnabled(true);
    bSTART->setEnabled(true);
    bSTART->SetColor(kStartColor);
    mStart->setEnabled(true);
    bRESET->setEnabled(false);
    mReset->setEnabled(false);
    bRESET->SetColor(clBtnFace);
    bFSTART->hide();
    bFSTART->setEnabled(false);
    mFStart->setEnabled(false);
    sb1->setEnabled(true);
    sb2->setEnabled(sb1->isEnabled());

    // RESET brings the next pair; after a false start the pair runs again.
    if (sender) {
        Model.NextPair();
        ShowLanes(false, false);
    }
    cbBuhn1->setEnabled(true);
    cbBuhn2->setEnabled(true);
    CurrentList->Repaint();
    bSTART->setFocus();
    Led1->SetKind(lkRed);
    UpdateCommandStates();
}

void TFormMain::mFStartClick() {
    if (ElapsedMs(StartTick, platform_.clock->TickCount()) < kFalseStartGuardMs) return;
    Clock->stop();
    platform_.sound->PlayAsync(CueFile(QStringLiteral("Fehlstart.wav")));
    for (TBitBtnWithColor* stop : {bSTOP1, bSTOP2}) {
        stop->setEnabled(false);
        stop->SetColor(clBtnFace);
    }
    mSTOP1->setEnabled(false);
    mStop2->setEnabled(false);
    Model.FalseStart();
    mResetClick(nullptr);
    // The board shows it large; the operator at the console is told here.
    //: false start; START is the main button that starts the next run
    ShowBriefNote(tr(" Fehlstart – nächster Start mit START"));
}

void TFormMain::TimerGesperrt1Timer(QObject* sender) {
    if (auto* timer = qobject_cast<QTimer*>(sender)) timer->stop();
}

void TFormMain::cbBuhnChange() {
    Model.ChooseLaneTeam(0, cbBuhn1->currentIndex());
    Model.ChooseLaneTeam(1, cbBuhn2->currentIndex());
    UpdateCommandStates();
    CurrentList->Repaint();
}

void TFormMain::bSTARTMouseDown() {
    Click(mStart);
}
void TFormMain::bSTOP1MouseDown() {
    Click(mSTOP1);
}
void TFormMain::bSTOP2MouseDown() {
    Click(mStop2);
}
void TFormMain::bRESETMouseDown() {
    Click(mReset);
}

void TFormMain::ShowLaneTime(int lane, int32_t ms) {
    if (lane != 0 && lane != 1) return;
    const LaneDigits d = SplitLaneTime(ms);
    auto& digits = Digits[lane];
    digits[0]->SetColorOn(LaneDigitColors[d.firstBright ? 1 : 0]);
    digits[1]->SetColorOn(LaneDigitColors[d.secondBright ? 1 : 0]);
    for (int i = 0; i < 5; ++i)
        digits[i]->SetValue(d.values[i]);
}

QString TFormMain::FormatRunTime(int32_t ms) const {
    return zn::FormatRunTime(ms, DecimalSeparator());
}

void TFormMain::SetRunShortcuts(bool on) {
    mStart->setShortcut(on ? QKeySequence(Qt::Key_S) : QKeySequence());
    mFStart->setShortcut(on ? QKeySequence(Qt::Key_F) : QKeySequence());
    mSTOP1->setShortcut(on ? QKeySequence(Qt::Key_1) : QKeySequence());
    mStop2->setShortcut(on ? QKeySequence(Qt::Key_2) : QKeySequence());
    mReset->setShortcut(on ? QKeySequence(Qt::Key_0) : QKeySequence());
}

void TFormMain::UpdateCommandStates() {
    const bool canStart = cbBuhn1->count() > 0 && cbBuhn2->count() > 0 && !Clock->isActive() &&
                          cbBuhn1->currentIndex() != cbBuhn2->currentIndex();
    bSTART->setEnabled(canStart);
    bSTART->SetColor(canStart ? kStartColor : clBtnFace);

    // Any data row with a cell filled: a qualification whose teams have no
    // time yet has rows without a place, and those are saved and printed too.
    bool dataPresent = false;
    for (int r = 1; r < CurrentList->RowCount() && !dataPresent; ++r)
        dataPresent = !CurrentList->Store().IsRowEmpty(r, CurrentList->ColCount());
    for (QToolButton* b : {sbSave, sbExcel, sbSaveX, sbHTML, sbWord, sbPrint, sbCLS, sbClsAll})
        b->setEnabled(dataPresent);
    // The list menu is the only way from an empty list (a qualification
    // without marked teams) to the others: it never goes dark.
    bQ->setEnabled(true);

    const bool resultList = CurrentList == SortGrid3 || CurrentList == SortGrid4;
    sb1->setEnabled(bCFG->isEnabled() && !resultList);
    sb2->setEnabled(sb1->isEnabled());
    sbGramoty->setEnabled(bCFG->isEnabled() && resultList);
}

} // namespace zn
