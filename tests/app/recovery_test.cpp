// A competition opened from the command line (as a double click in the file
// manager does), cut off by a crash in the middle of a run and started again
// with the same command: "Ja" brings back what was recorded, and the workbook
// on disk is not loaded over it.
#include "controls/bit_btn_with_color.h"
#include "core/journal_lines.h"
#include "documents/workbook_reader.h"
#include "journal/journal.h"
#include "test_platform.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>

using namespace zn;
using namespace zn::test;

namespace {

class Recovery : public ::testing::Test {
protected:
    Workbench wb;
    Workbench again;
    std::unique_ptr<ConsoleProbe> form;
    std::unique_ptr<ConsoleProbe> restarted;
    QString book;

    void SetUp() override {
        book = wb.Path("Vorlauf Kreisausscheid.xlsx");
        ASSERT_TRUE(QFile::copy(QDir(ZN_EXAMPLES_DIR).filePath("Vorlauf.xlsx"), book));
    }
    void TearDown() override {
        restarted.reset();
        form.reset();
    }

    static void Start(Workbench& bench, std::unique_ptr<ConsoleProbe>& console) {
        bench.dataFolder = bench.Path("daten");
        console = bench.MakeForm();
        ASSERT_TRUE(Workbench::ShowActive(*console));
        console->StartJournal();
    }
    QStringList Arguments() const { return {"zeitnahme", book}; }

    // The console dies and starts again; "Ja" restores its journal.
    void RestartWithJa() {
        again.TakeRunningJournal(form->Journal()->Path());
        form.reset();
        again.modal.answer = TFDlgYesNo::mrYes;
        Start(again, restarted);
    }

    // START, lane 1 after `ms`; lane 2 a second later and RESET unless cut short.
    void Run(int ms, bool whole = true) {
        QTest::mouseClick(form->bSTART, Qt::LeftButton);
        wb.clock.now += static_cast<uint32_t>(ms);
        QTest::keyClick(form.get(), Qt::Key_1);
        if (!whole) return;
        wb.clock.now += 1000;
        QTest::keyClick(form.get(), Qt::Key_2);
        QTest::keyClick(form.get(), Qt::Key_0);
    }

    // Two pairs, then lane 1 of the third stops and the console dies; its
    // journal is what the next start finds.
    void CrashInTheThirdPair() {
        Start(wb, form);
        ASSERT_TRUE(form->OpenStartupWorkbook(Arguments()));
        Run(23456);
        Run(31000);
        Run(27890, false);
        again.TakeRunningJournal(form->Journal()->Path());
    }
};

} // namespace

TEST_F(Recovery, JaBringsBackTheRunTheListAndTheSaveTargetsAndTheWorkbookIsNotLoaded) {
    CrashInTheThirdPair();
    const ListRows protocol = RowsOf(form->SortGrid2->Store());
    const QString lane1 = form->cbBuhn1->currentText();
    const QString lane2 = form->cbBuhn2->currentText();
    const QString title = form->windowTitle();
    ASSERT_EQ(form->SortGrid2->GetCell(pc::Zeit1, 5), "27,89");
    const std::vector<JournalEntry> recorded =
        EventJournal::ReadFile(again.Path("daten/") + QFileInfo(form->Journal()->Path()).fileName());
    form.reset();

    again.modal.answer = TFDlgYesNo::mrYes;
    Start(again, restarted);
    ASSERT_EQ(again.modal.asked.size(), 1);
    static const QRegularExpression question(
        R"(^Die letzte Sitzung \((\d\d\.\d\d\.\d{4}), \d\d:\d\d Uhr, (\d+) Ereignisse\) wurde nicht )"
        R"(ordnungsgemäß beendet\. Daten wiederherstellen\?$)");
    const QRegularExpressionMatch asked = question.match(again.modal.asked[0]);
    ASSERT_TRUE(asked.hasMatch()) << again.modal.asked[0].toStdString();
    EXPECT_EQ(asked.captured(1), QDate::currentDate().toString("dd.MM.yyyy"));
    EXPECT_EQ(asked.captured(2).toULongLong(), recorded.size());

    EXPECT_FALSE(restarted->OpenStartupWorkbook(Arguments()));
    EXPECT_TRUE(
        restarted->StatusPanel1->text().contains("„Vorlauf Kreisausscheid.xlsx“ wurde nicht neu geladen"))
        << restarted->StatusPanel1->text().toStdString();
    EXPECT_EQ(RowsOf(restarted->SortGrid2->Store()), protocol);
    EXPECT_EQ(restarted->cbBuhn1->currentText(), lane1);
    EXPECT_EQ(restarted->cbBuhn2->currentText(), lane2);
    EXPECT_TRUE(restarted->bSTART->isEnabled());
    EXPECT_EQ(restarted->CurrentList, restarted->SortGrid2);
    EXPECT_EQ(restarted->windowTitle(), title);
    EXPECT_TRUE(restarted->Startliste[1]->isEnabled());
    EXPECT_EQ(restarted->Model.WorkbookTarget(), book);
    EXPECT_EQ(restarted->Model.SaveFileName(), book);
    EXPECT_EQ(restarted->sbSaveX->toolTip(),
              "Aktuelle Liste speichern unter " + QDir::toNativeSeparators(book));

    // The restored lists go into the workbook that was loaded.
    QTest::mouseClick(restarted->sbSaveX, Qt::LeftButton);
    EXPECT_TRUE(again.modal.messages.isEmpty()) << again.modal.messages.join('\n').toStdString();
    const WorkbookSheets written = ReadWorkbook(book, QLocale());
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.sheets[1].Cell(6, pc::Zeit1), "27,89");

    // The journal goes on after the events read back; the change log tells
    // the rebuilt state from a load, and nothing was loaded after it.
    const std::vector<JournalEntry> now = restarted->Journal()->ReadAll();
    ASSERT_GT(now.size(), recorded.size());
    const JournalEntry& first = now[recorded.size()];
    EXPECT_EQ(JournalLine(first.at, first.event).value(1), "Wiederhergestellt");
    EXPECT_EQ(JournalLine(now[0].at, now[0].event).value(1), "Listen geladen");
    for (size_t i = recorded.size(); i < now.size(); ++i)
        EXPECT_NE(now[i].event.kind, CompetitionEventKind::ListsLoaded) << i;
}

// A save target chosen after the load comes back too; a document never
// becomes the workbook target.
TEST_F(Recovery, TheLastWorkbookSavedToIsTheTargetAfterARestart) {
    Start(wb, form);
    ASSERT_TRUE(form->OpenStartupWorkbook(Arguments()));
    wb.files.chosen = wb.Path("Ergebnis.xlsx");
    wb.files.chosenIndex = 1;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    wb.files.chosen = wb.Path("Aushang.txt");
    wb.files.chosenIndex = 4;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    again.TakeRunningJournal(form->Journal()->Path());
    form.reset();

    again.modal.answer = TFDlgYesNo::mrYes;
    Start(again, restarted);
    EXPECT_EQ(restarted->Model.WorkbookTarget(), wb.Path("Ergebnis.xlsx"));
    EXPECT_EQ(restarted->Model.SaveFileName(), wb.Path("Aushang.txt"));
    EXPECT_EQ(restarted->SaveFilterIndex, 4);
}

// What the operator chose without a run or a save comes back as well.
TEST_F(Recovery, ATeamPutOnALaneByHandComesBack) {
    Start(wb, form);
    ASSERT_TRUE(form->OpenStartupWorkbook(Arguments()));
    form->cbBuhn2->setCurrentIndex(3);
    const QString lane2 = form->cbBuhn2->currentText();
    RestartWithJa();
    EXPECT_EQ(restarted->cbBuhn2->currentText(), lane2);
}

TEST_F(Recovery, ANameChosenInTheSaveDialogComesBackThoughTheSaveFailed) {
    Start(wb, form);
    ASSERT_TRUE(form->OpenStartupWorkbook(Arguments()));
    wb.files.chosen = wb.Path("fehlt/Aushang.txt");
    wb.files.chosenIndex = 4;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    ASSERT_EQ(wb.modal.messages.size(), 1) << "no such folder";
    RestartWithJa();
    EXPECT_EQ(restarted->Model.SaveFileName(), wb.Path("fehlt/Aushang.txt"));
}

TEST_F(Recovery, NeinLoadsTheWorkbookAndNamesTheSessionKeptAside) {
    CrashInTheThirdPair();
    form.reset();
    Start(again, restarted); // answered "Nein"
    ASSERT_EQ(again.modal.asked.size(), 1);
    EXPECT_TRUE(restarted->OpenStartupWorkbook(Arguments()));
    EXPECT_EQ(restarted->SortGrid2->GetCell(pc::Zeit1, 5), "");
    EXPECT_EQ(restarted->Model.WorkbookTarget(), book);
    const QStringList kept = QDir(again.Path("daten")).entryList({"*verworfen*"});
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_TRUE(restarted->StatusPanel1->text().contains("aufbewahrt in"))
        << restarted->StatusPanel1->text().toStdString();
    EXPECT_TRUE(restarted->StatusPanel1->text().contains(kept.first()))
        << restarted->StatusPanel1->text().toStdString();
}
