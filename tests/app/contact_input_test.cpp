#include "app/contacts_window.h"
#include "app/demo_console.h"
#include "app/journal_window.h"
#include "comms/com_port.h"
#include "controls/bit_btn_with_color.h"
#include "controls/led.h"
#include "journal/journal.h"
#include "test_platform.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <thread>

using namespace zn;
using namespace zn::test;

namespace {

// Lane 1 on COM1 pins 4/6 (DSR), lane 2 on COM1 pins 7/8 (CTS), both "Ein";
// COM1 is the simulated line "COM1".
class ContactInput : public ::testing::Test {
protected:
    Workbench wb;
    std::shared_ptr<SimulatedSerialLine> line = wb.serial.Line(QStringLiteral("COM1"));
    std::unique_ptr<ConsoleProbe> form;

    void SetUp() override { wb.WireLanesToSimulatedCom1(); }
    void Create() {
        form = wb.MakeForm();
        ASSERT_TRUE(Workbench::ShowActive(*form));
        PutDemoTeams(*form, {"  1 Nord", "  2 Süd"});
        ASSERT_TRUE(line->WaitForWaitersForTest(1, std::chrono::seconds(10)));
    }
    void TearDown() override { form.reset(); }

    // Waits until the reader thread has read the clock for the change.
    void AwaitInstant(int readsBefore) {
        QElapsedTimer t;
        t.start();
        while (wb.clock.reads == readsBefore && t.elapsed() < 10000)
            std::this_thread::yield();
    }
    static void PumpUntil(const std::function<bool()>& done) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    // Changes a line and lets the window handle it.
    void Contact(uint32_t bit, bool on) {
        const int reads = wb.clock.reads;
        line->Set(bit, on);
        AwaitInstant(reads);
        PumpUntil([&] { return line->WaitersForTest() > 0; });
        QCoreApplication::processEvents();
    }
    QString LaneTime(int lane) const { return form->SortGrid2->GetCell(lane == 1 ? 4 : 7, lane); }
    bool Running() const { return form->Clock->isActive(); }
};

TEST_F(ContactInput, OnePortStopsBothLanesByItsTwoLines) {
    Create();
    EXPECT_TRUE(form->ComPort1->Connected());
    EXPECT_FALSE(form->ComPort2->Connected()); // the shared port opens once
    EXPECT_TRUE(form->Led1->isVisible());
    EXPECT_EQ(form->AvailablePorts, 1u | (1u << 16));

    form->bSTARTMouseDown(); // origin 1200
    wb.clock.now = 2434;
    Contact(kModemCtsOn, true);
    EXPECT_EQ(LaneTime(2), "1,23");
    EXPECT_TRUE(form->bSTOP1->isEnabled());
    wb.clock.now = 3434;
    Contact(kModemDsrOn, true);
    EXPECT_EQ(LaneTime(1), "2,23");
    EXPECT_FALSE(Running());
}

TEST_F(ContactInput, Led1ArmsTheStartAndTheLockOutsSwallowBounces) {
    Create();
    Contact(kModemDsrOn, true); // blocked: Led1 is red
    EXPECT_FALSE(Running());
    // The contact opens while the port is closed; after the port opens again
    // its next closing counts, though the last report seen was "closed" too.
    form->ComPort1->Close();
    line->Set(kModemDsrOn, false);
    form->ComPort1->Open();
    ASSERT_TRUE(line->WaitForWaitersForTest(1, std::chrono::seconds(10)));
    QTest::keyClick(form.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form->Led1->Kind(), lkGreen);

    wb.clock.now = 5000;
    const int reads = wb.clock.reads;
    line->Set(kModemDsrOn, true); // the start, seen at 5000
    AwaitInstant(reads);
    wb.clock.now += 50; // handled 50 ms late: the run still counts from 5000 + 200
    PumpUntil([&] { return Running(); });
    EXPECT_TRUE(Running());
    EXPECT_EQ(form->StartTick, 5200u);
    EXPECT_TRUE(form->TimerGesperrt1->isActive());
    EXPECT_TRUE(form->TimerGesperrt2->isActive());
    Contact(kModemCtsOn, true); // lane 2's barrier, within 2 s of the start
    EXPECT_TRUE(form->bSTOP2->isEnabled());

    form->TimerGesperrt1Timer(form->TimerGesperrt1); // 2 s later
    form->TimerGesperrt1Timer(form->TimerGesperrt2);
    Contact(kModemDsrOn, false);
    wb.clock.now += 3000;
    Contact(kModemDsrOn, true);
    const QString stopped = LaneTime(1);
    EXPECT_FALSE(stopped.isEmpty());
    wb.clock.now += 500;
    Contact(kModemDsrOn, false); // the relay bounces
    Contact(kModemDsrOn, true);
    EXPECT_EQ(LaneTime(1), stopped);
    EXPECT_TRUE(form->bSTOP2->isEnabled());

    Contact(kModemCtsOn, false);
    Contact(kModemCtsOn, true);
    ASSERT_FALSE(Running());
    form->bRESETMouseDown();
    EXPECT_EQ(form->Led1->Kind(), lkRed); // armed again for each run
    EXPECT_FALSE(form->TimerGesperrt1->isActive());
}

// A contact that started the run is not taken again on either lane for 2 s:
// lane 1's contact closing again 1.9 s later stops nothing, one after the
// lock-out has run out stops the lane.
TEST_F(ContactInput, TheLockOutLastsTwoSeconds) {
    Create();
    form->Led1Click(); // armed
    wb.clock.now = 5000;
    Contact(kModemDsrOn, true); // the start; the run counts from 5200
    ASSERT_TRUE(Running());
    for (QTimer* lockOut : {form->TimerGesperrt1, form->TimerGesperrt2}) {
        EXPECT_TRUE(lockOut->isActive());
        EXPECT_EQ(lockOut->interval(), 1800); // 2 s from the contact, 200 ms of which are gone
        EXPECT_EQ(lockOut->timerType(), Qt::PreciseTimer);
    }
    Contact(kModemDsrOn, false);
    wb.clock.now = 6900;
    Contact(kModemDsrOn, true);
    EXPECT_TRUE(LaneTime(1).isEmpty());
    EXPECT_TRUE(form->bSTOP1->isEnabled());

    form->TimerGesperrt1Timer(form->TimerGesperrt1); // 2 s after the start
    Contact(kModemDsrOn, false);
    wb.clock.now = 7100;
    Contact(kModemDsrOn, true);
    EXPECT_EQ(LaneTime(1), "1,90");
}

TEST_F(ContactInput, AStopTakesTheInstantOfTheContactNotOfABusyWindow) {
    Create();
    form->bSTARTMouseDown(); // origin 1200
    wb.clock.now = 5000;
    const int reads = wb.clock.reads;
    line->Set(kModemDsrOn, true);
    AwaitInstant(reads);
    wb.clock.now += 50; // the window is busy for 50 ms before it gets to it
    PumpUntil([&] { return !LaneTime(1).isEmpty(); });
    EXPECT_EQ(LaneTime(1), "3,80");
}

TEST_F(ContactInput, AContactDuringTheAnnouncementWaitsUntilTheStartIsDone) {
    wb.Touch("FERTIG.wav");
    wb.Touch("START.wav");
    Create();
    bool handledDuringAnnouncement = false;
    wb.sound.whilePlayingSync = [&] {
        const int reads = wb.clock.reads;
        line->Set(kModemDsrOn, true);
        AwaitInstant(reads);
        for (int i = 0; i < 50; ++i)
            QCoreApplication::processEvents(); // the announcement's own event loop
        handledDuringAnnouncement = form->TimerGesperrt1->isActive();
        wb.clock.now += 1500; // the announcement's length
    };
    form->bSTARTMouseDown();
    EXPECT_FALSE(handledDuringAnnouncement);
    PumpUntil([&] { return form->TimerGesperrt1->isActive(); });
    // Handled now, with its own instant: before the origin, so it stops nothing.
    EXPECT_TRUE(form->TimerGesperrt1->isActive());
    EXPECT_TRUE(form->bSTOP1->isEnabled());
}

TEST_F(ContactInput, AFailedAdapterIsReportedAndOfferedAgainWhenItIsBack) {
    Create();
    line->Unplug();
    PumpUntil([&] { return !form->ComPort1->Connected(); });
    EXPECT_FALSE(form->Led1->isVisible());
    EXPECT_TRUE(form->StatusPanelPorts->isVisible());
    EXPECT_TRUE(form->StatusPanelPorts->text().contains("COM1"));
    EXPECT_TRUE(form->StatusPanelPorts->text().contains("ausgefallen"));
    EXPECT_TRUE(form->StatusPanelPorts->text().contains("Bahn 1 und 2")); // a shared port carries both
    // Short enough for the status bar; the device and the reason in the tooltip.
    EXPECT_LE(form->StatusPanelPorts->text().size(), 60);
    EXPECT_TRUE(form->StatusPanelPorts->toolTip().contains(form->ComPort1->DeviceName()));

    form->TimerPortCheckTimer(); // still unplugged: no question
    EXPECT_TRUE(wb.modal.asked.isEmpty());
    line->Replug();
    wb.modal.answer = TFDlgYesNo::mrYes;
    form->TimerPortCheckTimer();
    ASSERT_EQ(wb.modal.asked.size(), 1);
    EXPECT_TRUE(wb.modal.asked[0].contains("COM1"));
    EXPECT_TRUE(form->ComPort1->Connected());
    EXPECT_TRUE(form->Led1->isVisible());
    EXPECT_FALSE(form->StatusPanelPorts->isVisible());
    EXPECT_FALSE(form->TimerPortCheck->isActive());
}

TEST_F(ContactInput, Led1SaysWhichPriorityEachReaderGot) {
    {
        QSettings store(wb.SettingsPath(), QSettings::IniFormat);
        store.setValue("Port2", 256 + 2); // lane 2 on a port of its own
        store.setValue("Schnittstellen/COM2", "sim:COM2");
    }
    wb.priority.fifoError = EPERM;
    wb.priority.limits[LimitKind::Nice] = {31, 31};
    Create();
    PumpUntil([&] { return form->Led1->toolTip().count(u'\n') == 2; });
    EXPECT_EQ(form->Led1->toolTip(), "START-LS blockieren (Alt+S)\nCOM1: erhöhte Priorität (nice -11)\n"
                                     "COM2: erhöhte Priorität (nice -11)");
}

TEST_F(ContactInput, AMissingPermissionNamesTheGroupToJoin) {
    wb.serial.refuse = EACCES;
    form = wb.MakeForm();
    form->show();
    EXPECT_FALSE(form->ComPort1->Connected());
    EXPECT_FALSE(form->Led1->isVisible());
    EXPECT_TRUE(form->StatusPanelPorts->text().contains("keine Berechtigung"));
    EXPECT_TRUE(form->StatusPanelPorts->text().contains("dialout"));
    EXPECT_TRUE(form->StatusPanelPorts->toolTip().contains("sudo usermod -aG dialout"));
}

// Both edges of the lock-out, on each lane, by the contacts' own instants:
// 1990 ms after the start contact is swallowed (and said), 2010 ms counts.
TEST_F(ContactInput, ALockOutLastsTwoSecondsOfTheContactsInstantsAndIsSaid) {
    Create();
    QTest::keyClick(form.get(), Qt::Key_S, Qt::AltModifier);
    wb.clock.now = 5000;
    Contact(kModemDsrOn, true); // the start: origin 5200, both lanes locked out
    ASSERT_TRUE(Running());
    wb.clock.now = 5000 + 1990;
    Contact(kModemCtsOn, true);
    EXPECT_TRUE(form->bSTOP2->isEnabled());
    EXPECT_EQ(form->StatusPanel1->text(), " Bahn 2: Kontakt innerhalb der Sperrzeit ignoriert");
    Contact(kModemDsrOn, false);
    Contact(kModemDsrOn, true);
    EXPECT_TRUE(form->bSTOP1->isEnabled());
    EXPECT_EQ(form->StatusPanel1->text(), " Bahn 1: Kontakt innerhalb der Sperrzeit ignoriert");
    Contact(kModemCtsOn, false);
    Contact(kModemDsrOn, false);
    wb.clock.now = 5000 + 2010; // the timers may still be running: the instant counts
    Contact(kModemCtsOn, true);
    EXPECT_EQ(LaneTime(2), "1,81");
    Contact(kModemDsrOn, true);
    EXPECT_EQ(LaneTime(1), "1,81");
    // The stop locks its lane out for 2 s from its own instant.
    EXPECT_EQ(form->TimerGesperrt1->interval(), 2000);
}

TEST_F(ContactInput, AStartContactNotArmedIsSaidAndJournaledOncePerLockOut) {
    wb.dataFolder = wb.Path("daten");
    Create();
    form->StartJournal();
    const auto ignored = [this] {
        int n = 0;
        for (const JournalEntry& e : form->Journal()->ReadAll())
            n += e.event.kind == CompetitionEventKind::StartContactIgnored;
        return n;
    };
    for (int change = 0; change < 5; ++change) // a chattering line, Led1 red
        Contact(kModemDsrOn, change % 2 == 0);
    EXPECT_FALSE(Running());
    EXPECT_EQ(form->StatusPanel1->text(), " Startkontakt ignoriert: Start nicht freigegeben (Alt+S)");
    EXPECT_EQ(ignored(), 1);
    Contact(kModemDsrOn, false);
    wb.clock.now += 2000;
    Contact(kModemDsrOn, true);
    EXPECT_EQ(ignored(), 2);

    QTest::keyClick(form.get(), Qt::Key_J, Qt::ControlModifier);
    ASSERT_TRUE(form->ChangeLog());
    EXPECT_EQ(
        form->ChangeLog()->ShownLines().last().mid(1),
        (QStringList{"Startkontakt ignoriert", "1", "1 Nord / 2 Süd", "Start nicht freigegeben (Alt+S)"}));
}

// Both lanes on one port; lane 2's contact comes 5 ms after lane 1's while
// the main thread is still inside lane 1's stop (as a slow journal commit
// holds it): each stop keeps the instant its contact was seen.
TEST_F(ContactInput, TwoCloseContactsOnOnePortKeepTheirInstantsWhileTheFirstStopIsBusy) {
    Create();
    form->bSTARTMouseDown(); // origin 1200
    bool busy = false;
    wb.sound.onPlayAsync = [&] {
        if (busy || !wb.sound.played.last().endsWith("STOPP.wav")) return;
        busy = true;
        wb.clock.now = 5005;
        const int reads = wb.clock.reads;
        line->Set(kModemCtsOn, true);
        AwaitInstant(reads);
        wb.clock.now = 5060; // the handler returns 55 ms after lane 1's contact
    };
    wb.clock.now = 5000;
    line->Set(kModemDsrOn, true);
    PumpUntil([&] { return !Running(); });
    ASSERT_TRUE(busy);
    EXPECT_EQ(form->StopTick[0], 5000u);
    EXPECT_EQ(form->StopTick[1], 5005u);
}

// A configured port that does not open at start-up is said at once, with the
// lanes that get no contacts and why, and is offered again once it is back.
TEST_F(ContactInput, APortThatDoesNotOpenAtStartUpIsSaidWithItsLanes) {
    line->Unplug();
    form = wb.MakeForm();
    ASSERT_TRUE(Workbench::ShowActive(*form));
    EXPECT_FALSE(form->ComPort1->Connected());
    EXPECT_TRUE(form->StatusPanelPorts->isVisible());
    EXPECT_EQ(form->StatusPanelPorts->text(), "COM1 nicht geöffnet: Bahn 1 und 2 mit der Taste stoppen");
    EXPECT_TRUE(form->StatusPanelPorts->toolTip().contains("sim:COM1"));
    EXPECT_TRUE(form->StatusPanelPorts->toolTip().contains("Gerät nicht vorhanden"));

    line->Replug();
    wb.modal.answer = TFDlgYesNo::mrYes;
    form->TimerPortCheckTimer();
    EXPECT_TRUE(form->ComPort1->Connected());
    EXPECT_FALSE(form->StatusPanelPorts->isVisible());
}

// A pseudo-terminal has no modem lines: lane 2's port is named unsuitable;
// lane 1 on its own port goes on.
TEST_F(ContactInput, APortWithoutModemLinesIsNamedUnsuitable) {
    const PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path.isEmpty());
    const QString pty = terminal.path;
    {
        QSettings store(wb.SettingsPath(), QSettings::IniFormat);
        store.setValue("Port2", 256 + 2);
        store.setValue("Schnittstellen/COM2", pty);
    }
    Create();
    EXPECT_TRUE(form->ComPort1->Connected());
    EXPECT_FALSE(form->ComPort2->Connected());
    EXPECT_EQ(form->StatusPanelPorts->text(), "COM2 nicht geöffnet: Bahn 2 mit der Taste stoppen");
    EXPECT_TRUE(form->StatusPanelPorts->toolTip().contains(pty));
    EXPECT_TRUE(form->StatusPanelPorts->toolTip().contains("meldet keine Modemleitungen"));
    form.reset();
}

} // namespace

// Lane 1 fires before the start is armed and its line opens while nothing
// runs; lane 2's barrier is crossed 1999 ms after the start (swallowed) and
// 2000 ms after it (stops), its relay bounces and it fires after the run.
// The "Kontakte" window, open all along, and Led1's tooltip follow each
// contact; the next day starts afresh.
TEST_F(ContactInput, EachLanesContactsAreCountedForTheDay) {
    wb.clock.dayStart = QDateTime(QDate(2025, 6, 14), QTime(9, 0));
    Create();
    auto* button = form->findChild<QToolButton*>("bContacts");
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton);
    ContactsWindow* window = form->Features().contacts.Window();
    ASSERT_TRUE(window && window->isVisible());
    const auto row = [&](int lane) {
        QStringList cells;
        for (int c = 1; c < window->Grid->columnCount(); ++c)
            cells << window->Grid->item(lane, c)->text();
        return cells.join(u' ');
    };
    EXPECT_EQ(row(0), "0 0 0 0  ");
    EXPECT_EQ(window->LabelFindings->text(), "Keine Auffälligkeiten.");

    Contact(kModemDsrOn, true); // Led1 red: no start
    wb.clock.now = 3500;
    Contact(kModemDsrOn, false); // after the ignored contact's lock-out
    form->Led1Click();
    wb.clock.now = 5000;
    Contact(kModemDsrOn, true); // the start
    ASSERT_TRUE(Running());
    wb.clock.now = 6999;
    Contact(kModemCtsOn, true);
    Contact(kModemCtsOn, false); // while the run is under way: no news
    EXPECT_TRUE(form->bSTOP2->isEnabled());
    wb.clock.now = 7000;
    Contact(kModemCtsOn, true);
    EXPECT_EQ(LaneTime(2), "1,80");
    wb.clock.now = 7100;
    Contact(kModemCtsOn, false);
    Contact(kModemCtsOn, true); // bounces
    wb.clock.now = 9500;
    Contact(kModemCtsOn, false);
    Contact(kModemCtsOn, true); // lane 2 has stopped, lane 1 still runs
    wb.clock.now = 10000;
    Contact(kModemDsrOn, false);
    Contact(kModemDsrOn, true);
    ASSERT_FALSE(Running());
    wb.clock.now = 14000;
    Contact(kModemCtsOn, false);

    // stopped, bounced, outside a run, changes at rest, the last contact, its tick
    EXPECT_EQ(row(0), "1 0 1 1 09:00:10,000 10000");
    EXPECT_EQ(row(1), "1 2 1 1 09:00:09,500 9500");
    for (int lane : {0, 1}) // red
        EXPECT_NE(window->Grid->item(lane, 0)->background().style(), Qt::NoBrush);
    const QStringList findings = window->LabelFindings->text().split(u'\n');
    ASSERT_EQ(findings.size(), 3);
    EXPECT_TRUE(
        findings[0].startsWith("Bahn 1 löst außerhalb eines Laufs aus (Kontakte ohne laufende Zeit: 1)"));
    EXPECT_TRUE(findings[1].startsWith("Bahn 2 prellt (Kontakte in der Sperrzeit: 2)"));
    const QStringList tip = form->Led1->toolTip().split(u'\n');
    EXPECT_EQ(tip.first(), "START-LS blockieren (Alt+S)");
    EXPECT_EQ(tip.mid(tip.size() - 2),
              (QStringList{"Bahn 1: 1 gestoppt, 0 geprellt, 1 außerhalb, zuletzt 09:00:10,000",
                           "Bahn 2: 1 gestoppt, 2 geprellt, 1 außerhalb, zuletzt 09:00:09,500"}));

    wb.clock.dayStart = wb.clock.dayStart.addDays(1);
    Contact(kModemDsrOn, false);
    EXPECT_EQ(row(0), "0 0 0 1  ");
    EXPECT_EQ(row(1), "0 0 0 0  ");
    EXPECT_EQ(window->Grid->item(0, 0)->background().style(), Qt::NoBrush);
    EXPECT_EQ(window->LabelFindings->text(), "Keine Auffälligkeiten.");
    EXPECT_FALSE(form->Led1->toolTip().contains("Bahn 2"));
}
