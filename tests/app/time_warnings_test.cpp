#include "app/demo_console.h"
#include "comms/com_port.h"
#include "controls/sort_grid.h"
#include "core/time_warnings.h"
#include "journal/journal.h"
#include "test_platform.h"

#include <QAction>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <thread>

using namespace zn;
using namespace zn::test;

namespace {

// Lane 1 on COM1 pins 4/6 (DSR), lane 2 on pins 7/8 (CTS) of the simulated
// line "COM1": one cable for both lanes, as a shorted pair would show.
class TimeWarningsWindow : public ::testing::Test {
protected:
    Workbench wb;
    std::shared_ptr<SimulatedSerialLine> line = wb.serial.Line(QStringLiteral("COM1"));
    std::unique_ptr<ConsoleProbe> form;

    void SetUp() override {
        wb.WireLanesToSimulatedCom1();
        Workbench::StartJournaled(wb, form);
        if (HasFatalFailure()) return;
        PutDemoTeams(*form, {"  1 Nord", "  2 Süd"});
        ASSERT_TRUE(line->WaitForWaitersForTest(1, std::chrono::seconds(10)));
    }
    void TearDown() override { form.reset(); }

    // Changes a line and lets the window handle it, at the clock's instant.
    void Contact(uint32_t bit, bool on) {
        const int reads = wb.clock.reads;
        line->Set(bit, on);
        QElapsedTimer t;
        t.start();
        while (wb.clock.reads == reads && t.elapsed() < 10000)
            std::this_thread::yield();
        while (line->WaitersForTest() == 0 && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
    }
    // The background the protocol gives a lane's time cell of a row.
    TColor MarkOf(int lane, int row) {
        TFormatOptions fo;
        bool check = false, combo = false, ellipsis = false;
        form->SortGrid1GetCellFormat(form->SortGrid2, lane == 0 ? pc::Zeit1 : pc::Zeit2, row, {}, fo, check,
                                     combo, ellipsis);
        return fo.Mark;
    }
    int Journaled(CompetitionEventKind kind) {
        int n = 0;
        for (const JournalEntry& e : form->Journal()->ReadAll())
            n += e.event.kind == kind;
        return n;
    }
};

} // namespace

TEST_F(TimeWarningsWindow, ContactsFiveMsApartMarkBothLanesUntilTheOperatorConfirms) {
    form->bSTARTMouseDown(); // origin 1200
    wb.clock.now = 26200;
    Contact(kModemDsrOn, true);
    wb.clock.now += 5;
    Contact(kModemCtsOn, true);
    EXPECT_FALSE(form->Clock->isActive());
    // The times stand as the contacts gave them, each marked.
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit1, 1), "25,00");
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit2, 2), "25,00");
    EXPECT_EQ(MarkOf(0, 1), clAmber);
    EXPECT_EQ(MarkOf(1, 2), clAmber);
    EXPECT_EQ(MarkOf(1, 1), 0u);
    EXPECT_EQ(Journaled(CompetitionEventKind::TimeWarned), 2);
    ASSERT_TRUE(form->StatusPanelWarnings->isVisible());
    EXPECT_TRUE(form->StatusPanelWarnings->text().contains("Bahn 2 25,00: beide Bahnen"))
        << form->StatusPanelWarnings->text().toStdString();
    EXPECT_TRUE(form->StatusPanelWarnings->text().contains("1 weitere"));
    EXPECT_TRUE(form->StatusPanelWarnings->toolTip().contains("Bahn 1 1 Nord 25,00"));

    // The context menu on Süd's row confirms Süd's time only.
    form->SelectDatenbank(form->DatenbanknachVorlauf2);
    QAction* confirm = form->PopupMenuProtocol->findChild<QAction*>("ConfirmTime1");
    ASSERT_TRUE(confirm);
    const QPoint sued = form->SortGrid2->CellRect(pc::Name, 2).center();
    QTest::mouseClick(form->SortGrid2->viewport(), Qt::RightButton, Qt::NoModifier, sued);
    ASSERT_TRUE(form->PopupMenuProtocol->isVisible());
    EXPECT_TRUE(confirm->isEnabled());
    confirm->trigger();
    form->PopupMenuProtocol->hide();
    EXPECT_EQ(MarkOf(1, 2), 0u);
    EXPECT_EQ(MarkOf(0, 1), clAmber);
    EXPECT_FALSE(form->StatusPanelWarnings->text().contains("weitere"));

    // Strg+B on a row without a mark confirms the one left.
    form->SortGrid2->SetCurrentRow(2);
    QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(MarkOf(0, 1), 0u);
    EXPECT_FALSE(form->StatusPanelWarnings->isVisible());
    EXPECT_EQ(Journaled(CompetitionEventKind::TimeConfirmed), 2);
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit1, 1), "25,00");
}

TEST_F(TimeWarningsWindow, TheMinimumTimeIsSetFromTheProtocolsMenuKeptAndJournaled) {
    wb.modal.handle = [](QDialog& d) -> std::optional<int> {
        auto* input = qobject_cast<QInputDialog*>(&d);
        if (!input) return std::nullopt;
        input->setDoubleValue(15.5);
        return QDialog::Accepted;
    };
    form->PopupMenuProtocol->findChild<QAction*>("MinimumTime1")->trigger();
    EXPECT_EQ(form->Model.MinimumTimeMs(), 15500);
    EXPECT_EQ(QSettings(wb.SettingsPath(), QSettings::IniFormat).value("Zeitwarnungen/Mindestzeit").toInt(),
              15500);
    bool journaled = false;
    for (const JournalEntry& e : form->Journal()->ReadAll())
        journaled |=
            e.event.kind == CompetitionEventKind::SettingsChanged && e.event.text == "Mindestzeit 15,50 s";
    EXPECT_TRUE(journaled);

    // A key stop under it is marked too.
    form->bSTARTMouseDown();
    wb.clock.now = 1200 + 14000;
    form->mSTOP1Click();
    EXPECT_EQ(MarkOf(0, 1), clAmber);
    EXPECT_TRUE(form->StatusPanelWarnings->text().contains(WarningReasonText(WarningReason::BelowMinimum)));
}
