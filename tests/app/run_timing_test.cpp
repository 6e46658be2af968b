#include "controls/bit_btn_with_color.h"
#include "controls/digit.h"
#include "controls/led.h"
#include "controls/sort_grid.h"
#include "test_platform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

namespace {

class RunTiming : public ActiveForm {
protected:
    void SetUp() override {
        ActiveForm::SetUp();
        if (HasFatalFailure()) return;
        // Two teams in the time protocol and on the lane lists.
        TSortGrid* protocol = form->SortGrid2;
        protocol->SetRowCount(3);
        protocol->SetCell(0, 1, "7");
        protocol->SetCell(1, 1, "Ost");
        protocol->SetCell(0, 2, "12");
        protocol->SetCell(1, 2, "West");
        form->RebuildLaneLists();
        form->cbBuhn1->setCurrentIndex(0);
        form->cbBuhn2->setCurrentIndex(1);
        form->UpdateCommandStates();
    }

    QString Shown(int lane) const {
        QString s;
        for (TDigit* d : form->Digits[lane])
            s += QString::number(d->Value());
        return s.left(3) + "," + s.mid(3);
    }

    void Start() {
        ASSERT_TRUE(form->bSTART->isEnabled());
        QTest::mouseClick(form->bSTART, Qt::LeftButton);
    }
};

} // namespace

TEST_F(RunTiming, ReadyStateAfterStartUp) {
    EXPECT_TRUE(form->bSTART->isEnabled());
    EXPECT_EQ(form->bSTART->Color(), 0x00A000u);
    EXPECT_FALSE(form->bSTOP1->isEnabled());
    EXPECT_FALSE(form->bRESET->isEnabled());
    EXPECT_TRUE(form->bFSTART->isHidden());
    EXPECT_FALSE(form->Clock->isActive());
    // The run keys are off until a run starts.
    EXPECT_TRUE(form->mStart->shortcut().isEmpty());
    EXPECT_TRUE(form->mSTOP1->shortcut().isEmpty());
}

TEST_F(RunTiming, StartTakesTheOriginAfterTheCueAndTheDelay) {
    wb.Touch("START.wav");
    wb.Touch("FERTIG.wav");
    form = wb.MakeForm(); // the start cue is looked for at start-up
    SetUp();
    const uint32_t before = wb.clock.now;
    Start();
    EXPECT_EQ(wb.sound.played, (QStringList{"sync:FERTIG.wav", "async:START.wav"}));
    EXPECT_EQ(wb.clock.slept, 200);
    EXPECT_EQ(form->StartTick, before + 200);

    EXPECT_TRUE(form->Clock->isActive());
    EXPECT_FALSE(form->bSTART->isEnabled());
    EXPECT_FALSE(form->mStart->isEnabled());
    EXPECT_TRUE(form->bSTOP1->isEnabled());
    EXPECT_EQ(form->bSTOP1->Color(), 0x808080u);
    EXPECT_TRUE(form->bSTOP2->isEnabled());
    EXPECT_FALSE(form->bFSTART->isHidden());
    EXPECT_TRUE(form->bFSTART->hasFocus());
    EXPECT_FALSE(form->cbBuhn1->isEnabled());
    EXPECT_FALSE(form->cbBuhn2->isEnabled());
    EXPECT_FALSE(form->bCFG->isEnabled());
    EXPECT_FALSE(form->sbLoad->isEnabled());
    EXPECT_EQ(form->CurrentList, form->SortGrid2);
    EXPECT_EQ(form->mSTOP1->shortcut(), QKeySequence(Qt::Key_1));
}

TEST_F(RunTiming, FertigIsSkippedWithoutTheStartCue) {
    wb.Touch("FERTIG.wav"); // START.wav missing at start-up
    form = wb.MakeForm();
    SetUp();
    Start();
    EXPECT_EQ(wb.sound.played, (QStringList{"async:START.wav"}));
}

TEST_F(RunTiming, FullRunRecordsRanksAndSaves) {
    Start();
    wb.clock.now += 23456;
    form->ClockTimer();
    EXPECT_EQ(Shown(0), "023,45");
    EXPECT_EQ(Shown(1), "023,45");

    QTest::keyClick(form.get(), Qt::Key_1); // lane 1 by key
    EXPECT_FALSE(form->bSTOP1->isEnabled());
    EXPECT_TRUE(form->bSTOP2->isEnabled());
    EXPECT_TRUE(form->bSTOP2->hasFocus());
    EXPECT_TRUE(form->bFSTART->isHidden());
    EXPECT_FALSE(form->bRESET->isEnabled());
    EXPECT_TRUE(form->Clock->isActive());
    EXPECT_EQ(form->SortGrid2->GetCell(4, 1), "23,45");

    // Lane 1 no longer follows the clock; lane 2 does.
    wb.clock.now += 1000;
    form->ClockTimer();
    EXPECT_EQ(Shown(0), "023,45");
    EXPECT_EQ(Shown(1), "024,45");

    QTest::mousePress(form->bSTOP2, Qt::LeftButton); // acts on the press
    EXPECT_EQ(form->SortGrid2->GetCell(7, 2), "24,45");
    EXPECT_FALSE(form->Clock->isActive());
    EXPECT_TRUE(form->bRESET->isEnabled());
    EXPECT_TRUE(form->bRESET->hasFocus());
    EXPECT_EQ(form->bRESET->Color(), 0x0000FFu);
    EXPECT_EQ(form->LastStoppedLane, 1);
    EXPECT_TRUE(QFileInfo::exists(form->AutoSaveFile));
    QTest::mouseRelease(form->bSTOP2, Qt::LeftButton);
    EXPECT_EQ(wb.sound.played.count("async:STOPP.wav"), 2);

    QTest::keyClick(form.get(), Qt::Key_0);
    EXPECT_FALSE(form->bRESET->isEnabled());
    EXPECT_EQ(form->bRESET->Color(), clBtnFace);
    EXPECT_EQ(Shown(0), "000,00");
    EXPECT_EQ(form->Digits[0][0]->ColorOn(), 0x404040u);
    EXPECT_TRUE(form->cbBuhn1->isEnabled());
    EXPECT_TRUE(form->bCFG->isEnabled());
    EXPECT_TRUE(form->mStart->shortcut().isEmpty());
    EXPECT_EQ(form->Led1->Kind(), lkRed);
}

TEST_F(RunTiming, StopAfter59MillisecondsShowsFiveHundredths) {
    Start();
    wb.clock.now += 59;
    form->mSTOP1Click();
    EXPECT_EQ(form->SortGrid2->GetCell(4, 1), "0,05");
    EXPECT_EQ(Shown(0), "000,05");
    EXPECT_EQ(form->Digits[0][0]->ColorOn(), 0x404040u);
    EXPECT_EQ(form->Digits[0][1]->ColorOn(), 0x404040u);
    EXPECT_EQ(form->Digits[0][2]->ColorOn(), clYellow);
}

TEST_F(RunTiming, LongRunsBrightenAndOverflowTheFirstDigit) {
    Start();
    wb.clock.now += 100000; // 100,00 s
    form->ClockTimer();
    EXPECT_EQ(Shown(0), "100,00");
    EXPECT_EQ(form->Digits[0][0]->ColorOn(), clYellow);
    EXPECT_EQ(form->Digits[0][1]->ColorOn(), clYellow);

    wb.clock.now += 934560; // 1034,56 s: the first digit cannot hold 10
    form->mStop2Click();
    EXPECT_EQ(Shown(1), "034,56");
    EXPECT_EQ(form->SortGrid2->GetCell(7, 2), "1034,56");
}

TEST_F(RunTiming, BothLanesInTheSameTenMilliseconds) {
    Start();
    wb.clock.now += 30001;
    form->mSTOP1Click();
    wb.clock.now += 4;
    form->mStop2Click();
    EXPECT_EQ(form->StopTick[0] + 4, form->StopTick[1]);
    EXPECT_EQ(form->SortGrid2->GetCell(4, 1), "30,00");
    EXPECT_EQ(form->SortGrid2->GetCell(7, 2), "30,00");
    EXPECT_TRUE(form->bRESET->isEnabled());
    EXPECT_FALSE(form->Clock->isActive());
}

TEST_F(RunTiming, ClockSurvivesTheTickCounterWrapping) {
    wb.clock.now = 0xFFFFFF00u;
    Start();
    wb.clock.now += 1000; // wraps past zero
    form->mSTOP1Click();
    EXPECT_EQ(form->SortGrid2->GetCell(4, 1), "1,00");
}

TEST_F(RunTiming, FalseStartKeepsTheTeamsAndRecordsNothing) {
    Start();
    wb.clock.now += 1500;
    form->ClockTimer();
    QTest::keyClick(form.get(), Qt::Key_F);
    EXPECT_FALSE(form->Clock->isActive());
    EXPECT_EQ(wb.sound.played.last(), "async:Fehlstart.wav");
    EXPECT_EQ(Shown(0), "000,00");
    EXPECT_EQ(Shown(1), "000,00");
    EXPECT_EQ(form->cbBuhn1->currentIndex(), 0);
    EXPECT_EQ(form->cbBuhn2->currentIndex(), 1);
    EXPECT_FALSE(form->bRESET->isEnabled());
    EXPECT_FALSE(form->bSTOP1->isEnabled());
    EXPECT_TRUE(form->bSTART->isEnabled());
    EXPECT_TRUE(form->SortGrid2->GetCell(4, 1).isEmpty());
    EXPECT_EQ(form->StatusPanel1->text(), " Fehlstart – nächster Start mit START");
    // The keys are off again.
    QTest::keyClick(form.get(), Qt::Key_1);
    EXPECT_TRUE(form->SortGrid2->GetCell(4, 1).isEmpty());
}

// The second click of a double click on START lands on Fehlstart, shown over
// START by then; neither it nor an early F may abort the run.
TEST_F(RunTiming, DoubleClickOnStartIsNoFalseStart) {
    Start();
    QTest::mouseClick(form->bFSTART, Qt::LeftButton);
    wb.clock.now += 299;
    QTest::keyClick(form.get(), Qt::Key_F);
    EXPECT_TRUE(form->Clock->isActive());
    EXPECT_TRUE(form->bSTOP1->isEnabled());
    wb.clock.now += 1;
    QTest::mouseClick(form->bFSTART, Qt::LeftButton);
    EXPECT_FALSE(form->Clock->isActive());
}

namespace {
// Counts the widgets that get a paint event while it lives.
class PaintLog : public QObject {
public:
    PaintLog() { qApp->installEventFilter(this); }
    ~PaintLog() override { qApp->removeEventFilter(this); }
    QSet<QObject*> painted;
    int paints = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            painted.insert(o);
            ++paints;
        }
        return false;
    }
};
} // namespace

// The run clock fires every 10 ms for minutes: from 1,01 to 1,02 s only the
// hundredths digit of each lane may be painted, once, and nothing else.
TEST_F(RunTiming, ClockTickPaintsOnlyTheDigitsThatChanged) {
    Start();
    wb.clock.now += 1010;
    form->ClockTimer();
    QCoreApplication::processEvents();
    wb.clock.now += 10;
    form->ClockTimer();
    QCoreApplication::processEvents();
    PaintLog log;
    wb.clock.now += 10;
    form->ClockTimer();
    EXPECT_EQ(log.paints, 0); // painted together after the tick, not one by one inside it
    QCoreApplication::processEvents();
    EXPECT_EQ(log.painted, (QSet<QObject*>{form->Digits[0][4], form->Digits[1][4]}));
    EXPECT_EQ(log.paints, 2);
    EXPECT_EQ(Shown(0), "001,03");
}

TEST_F(RunTiming, FalseStartIsGoneOnceALaneStopped) {
    Start();
    form->mSTOP1Click();
    EXPECT_FALSE(form->mFStart->isEnabled());
    QTest::keyClick(form.get(), Qt::Key_F);
    EXPECT_TRUE(form->bSTOP2->isEnabled());
}

TEST_F(RunTiming, ResetWithTwoEntriesSwapsTheLanesOnce) {
    for (int run = 0; run < 3; ++run) {
        Start();
        form->mSTOP1Click();
        form->mStop2Click();
        form->mResetClick(form->bRESET);
        EXPECT_EQ(form->cbBuhn1->currentIndex(), 1) << "after run " << run;
        EXPECT_EQ(form->cbBuhn2->currentIndex(), 0) << "after run " << run;
    }
}

TEST_F(RunTiming, ResetWalksThroughPairsThenSwapsSides) {
    TSortGrid* protocol = form->SortGrid2;
    protocol->SetRowCount(5);
    protocol->SetCell(0, 3, "20");
    protocol->SetCell(1, 3, "Nord");
    protocol->SetCell(0, 4, "21");
    protocol->SetCell(1, 4, "Sued");
    form->RebuildLaneLists();
    const std::pair<int, int> expected[] = {{2, 3}, {1, 0}, {3, 2}, {1, 0}};
    for (const auto& [one, two] : expected) {
        form->mResetClick(form->bRESET);
        EXPECT_EQ(form->cbBuhn1->currentIndex(), one);
        EXPECT_EQ(form->cbBuhn2->currentIndex(), two);
    }
}

TEST_F(RunTiming, StartNeedsTwoDifferentTeams) {
    form->cbBuhn2->setCurrentIndex(0);
    EXPECT_FALSE(form->bSTART->isEnabled());
    EXPECT_EQ(form->bSTART->Color(), clBtnFace);
    form->cbBuhn2->setCurrentIndex(1);
    EXPECT_TRUE(form->bSTART->isEnabled());
}

TEST_F(RunTiming, UnknownTeamKeepsTheTimeAndTellsTheOperator) {
    // A lane left on a team that has gone from the protocol since.
    TSortGrid* protocol = form->SortGrid2;
    protocol->SetRowCount(4);
    protocol->SetCell(0, 3, "99");
    protocol->SetCell(1, 3, "Gast");
    form->RebuildLaneLists();
    form->cbBuhn1->setCurrentIndex(2);
    protocol->SetRowCount(3);
    Start();
    wb.clock.now += 21500;
    form->mSTOP1Click();
    EXPECT_TRUE(form->SortGrid2->GetCell(4, 1).isEmpty());
    EXPECT_EQ(Shown(0), "021,50");
    EXPECT_TRUE(form->StatusPanel1->text().contains("99"));
    EXPECT_TRUE(form->StatusPanel1->text().contains("21,50"));
}

TEST_F(RunTiming, LockOutTimersRunOnceAndResetStopsThem) {
    form->TimerGesperrt1->start();
    form->TimerGesperrt1Timer(form->TimerGesperrt1);
    EXPECT_FALSE(form->TimerGesperrt1->isActive());
    form->TimerGesperrt2->start();
    form->mResetClick(nullptr);
    EXPECT_FALSE(form->TimerGesperrt2->isActive());
}

TEST_F(RunTiming, ClosingAsksOnlyWhileTheClockRuns) {
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(wb.modal.asked.isEmpty());

    form->show();
    Start();
    wb.modal.answer = TFDlgYesNo::mrCancel;
    EXPECT_FALSE(form->close());
    EXPECT_EQ(wb.modal.asked, QStringList{"Beenden?"});
    EXPECT_TRUE(form->Clock->isActive()); // the run goes on untouched
    EXPECT_TRUE(form->bSTOP1->isEnabled());

    wb.modal.answer = TFDlgYesNo::mrYes;
    EXPECT_TRUE(form->close());
}

// Neither lane's team can be changed from START until RESET: a time must go
// to the team that ran.
TEST_F(RunTiming, BothLaneListsAreLockedUntilReset) {
    const auto locked = [&] { return !form->cbBuhn1->isEnabled() && !form->cbBuhn2->isEnabled(); };
    Start();
    EXPECT_TRUE(locked());
    form->mSTOP1Click();
    form->mStop2Click();
    EXPECT_TRUE(locked());
    form->mResetClick(form->bRESET);
    EXPECT_TRUE(form->cbBuhn1->isEnabled());
    EXPECT_TRUE(form->cbBuhn2->isEnabled());
}

// A modal window during a run would keep 1, 2 and F from the run: the
// printer set-up and the settings wait for RESET, and the status bar says so
// for a few seconds.
TEST_F(RunTiming, ModalCommandsWaitForTheEndOfTheRunAndSaySo) {
    QStringList dialogs;
    wb.modal.handle = [&dialogs](QDialog& d) -> std::optional<int> {
        dialogs << d.objectName();
        return QDialog::Rejected;
    };
    Start();
    const QString listName = form->StatusPanel1->text();
    QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_EQ(form->StatusPanel1->text(),
              " Während des Laufs gesperrt: Einstellungen (nach RESET wieder frei)");
    EXPECT_TRUE(form->TimerNote->isActive());
    form->TimerNoteTimer(); // 5 s later
    EXPECT_EQ(form->StatusPanel1->text(), listName);
    EXPECT_TRUE(form->Clock->isActive());

    QTest::keyClick(form.get(), Qt::Key_1);
    QTest::keyClick(form.get(), Qt::Key_2);
    QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(form->StatusPanel1->text().contains("Drucker")); // both lanes stopped, RESET not yet
    QTest::keyClick(form.get(), Qt::Key_0);
    QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(dialogs, QStringList{"PrinterSetupDialog1"});
}
