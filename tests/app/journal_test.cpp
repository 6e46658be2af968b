#include "app/journal_window.h"
#include "controls/bit_btn_with_color.h"
#include "journal/journal.h"
#include "test_platform.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using namespace zn;
using namespace zn::test;

namespace {

bool IsRecoveryQuestion(const QStringList& asked) {
    return asked.size() == 1 && asked[0].startsWith("Die letzte Sitzung (") &&
           asked[0].endsWith(") wurde nicht ordnungsgemäß beendet. Daten wiederherstellen?");
}

class JournalConsole : public ::testing::Test {
protected:
    Workbench wb;
    std::unique_ptr<ConsoleProbe> form;

    void TearDown() override { form.reset(); }

    static void Start(Workbench& bench, std::unique_ptr<ConsoleProbe>& console) {
        Workbench::StartJournaled(bench, console);
        ASSERT_TRUE(console->Journal());
    }
    void Start() { Start(wb, form); }

    void Load() {
        wb.LoadExample(*form);
        ASSERT_EQ(form->SortGrid2->RowCount(), 21);
    }

    // START, lane 1 after `ms`, lane 2 a second later; RESET when `reset`.
    void Run(int ms, bool reset = true) {
        QTest::mouseClick(form->bSTART, Qt::LeftButton);
        wb.clock.now += static_cast<uint32_t>(ms);
        QTest::keyClick(form.get(), Qt::Key_1);
        wb.clock.now += 1000;
        QTest::keyClick(form.get(), Qt::Key_2);
        if (reset) QTest::keyClick(form.get(), Qt::Key_0);
    }

    void TypePenalty(int col, int row, const QString& seconds) {
        TSortGrid* protocol = form->SortGrid2;
        QTest::mouseClick(protocol->viewport(), Qt::LeftButton, {}, protocol->CellRect(col, row).center());
        QTest::keyClicks(protocol, seconds);
        QTest::keyClick(protocol, Qt::Key_Return);
    }

    static void CopyJournal(const QString& journal, Workbench& to) { to.TakeRunningJournal(journal); }

    QString JournalPath() const { return EventJournal::FileFor(wb.Path("daten"), QDate::currentDate()); }
};

} // namespace

TEST_F(JournalConsole, CorrectionIsFoundHighlightedInTheChangeLog) {
    Start();
    Load();
    Run(23456);
    TypePenalty(pc::Fehler2, 2, "5");
    QTest::keyClick(form.get(), Qt::Key_J, Qt::ControlModifier);
    JournalWindow* log = form->ChangeLog();
    ASSERT_TRUE(log && log->isVisible());
    EXPECT_EQ(log->windowTitle(), "Änderungsprotokoll");

    const QList<QStringList> lines = log->ShownLines();
    int correction = -1;
    for (int i = 1; i < lines.size(); ++i)
        if (lines[i].value(1) == "Korrektur") correction = i;
    ASSERT_GT(correction, 0);
    EXPECT_EQ(lines[correction].mid(2), (QStringList{"2", "2 Löschzug Bärental & Au", "Fehler: 0 → 5"}));
    EXPECT_NE(log->Grid->item(correction - 1, 0)->background(), log->Grid->item(0, 0)->background());
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QStringList& l) {
        return l.mid(1) == QStringList{"Zeit", "1", "1 FF Mühlbach", "23,45 (Taste)"};
    }));

    log->eFilter->setText("mühlbach");
    for (const QStringList& line : log->ShownLines().mid(1))
        EXPECT_TRUE(line.value(3).contains("Mühlbach")) << line.join('|').toStdString();

    const QString text = wb.Path("log.txt");
    wb.files.chosen = text;
    log->eFilter->clear();
    log->bText->click();
    EXPECT_TRUE(QString::fromUtf8(wb.Read(text)).contains("Fehler: 0 → 5"));
    const QString pdf = wb.Path("log.pdf");
    wb.files.chosen = pdf;
    log->bPdf->click();
    EXPECT_TRUE(wb.Read(pdf).startsWith("%PDF"));
}

TEST_F(JournalConsole, ListsStageAndPairComeBackAfterASessionThatDidNotEnd) {
    Start();
    Load();
    Run(23456);
    TypePenalty(pc::Fehler2, 2, "5");
    Run(31000, false); // the second pair has stopped; RESET not yet
    const ListRows protocol = RowsOf(form->SortGrid2->Store());
    const QString lane1 = form->cbBuhn1->currentText();
    Workbench again;
    CopyJournal(JournalPath(), again);
    form.reset();

    again.modal.answer = TFDlgYesNo::mrYes;
    std::unique_ptr<ConsoleProbe> restarted;
    Start(again, restarted);
    EXPECT_TRUE(IsRecoveryQuestion(again.modal.asked)) << again.modal.asked.join('\n').toStdString();
    EXPECT_EQ(RowsOf(restarted->SortGrid2->Store()), protocol);
    EXPECT_EQ(restarted->cbBuhn1->currentText(), lane1);
    EXPECT_EQ(restarted->CurrentList, restarted->SortGrid2);
    EXPECT_EQ(restarted->Model.ListTitle(), "Vorlauf");
    restarted.reset(); // a clean end: no question next time

    Workbench third;
    CopyJournal(again.Path("daten/") + QFileInfo(JournalPath()).fileName(), third);
    std::unique_ptr<ConsoleProbe> clean;
    Start(third, clean);
    EXPECT_TRUE(third.modal.asked.isEmpty());
}

TEST_F(JournalConsole, NeinStartsEmptyAndKeepsTheOldJournal) {
    Start();
    Load();
    Run(23456);
    Workbench again;
    CopyJournal(JournalPath(), again);
    form.reset();
    std::unique_ptr<ConsoleProbe> restarted;
    Start(again, restarted); // answered "Nein"
    EXPECT_TRUE(IsRecoveryQuestion(again.modal.asked)) << again.modal.asked.join('\n').toStdString();
    EXPECT_TRUE(restarted->SortGrid2->GetCell(pc::Name, 1).isEmpty());
    EXPECT_EQ(restarted->cbBuhn1->count(), 0);
    const QStringList kept = QDir(again.Path("daten")).entryList({"*verworfen*"});
    EXPECT_FALSE(kept.isEmpty());
}

TEST_F(JournalConsole, DamagedJournalIsSetAsideAndTheConsoleStarts) {
    QDir().mkpath(wb.Path("daten"));
    {
        QFile f(JournalPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, '\x5a'));
    }
    Start();
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_EQ(QDir(wb.Path("daten")).entryList({"*besch*"}).size(), 1);
    Load();
    EXPECT_FALSE(form->Journal()->ReadAll().empty());
}

// A journal cut short (a full disk, a copy broken off) still holds its first
// events: they are offered back like those of a session that did not end.
TEST_F(JournalConsole, ADamagedJournalOffersTheEventsStillReadable) {
    Start();
    Load();
    const ListRows teams = RowsOf(form->SortGrid1->Store());
    for (int pair = 0; pair < 8; ++pair)
        Run(23456 + pair * 100);
    form.reset(); // a clean end: every commit is in the file itself
    Workbench again;
    CopyJournal(JournalPath(), again);
    QFile copy(again.Path("daten/") + QFileInfo(JournalPath()).fileName());
    ASSERT_TRUE(copy.resize(copy.size() / 2));

    again.modal.answer = TFDlgYesNo::mrYes;
    std::unique_ptr<ConsoleProbe> restarted;
    Start(again, restarted);
    ASSERT_EQ(again.modal.messages.size(), 1);
    EXPECT_TRUE(again.modal.messages[0].contains("beschädigt"));
    EXPECT_TRUE(IsRecoveryQuestion(again.modal.asked)) << again.modal.asked.join('\n').toStdString();
    EXPECT_EQ(RowsOf(restarted->SortGrid1->Store()), teams);
}

TEST_F(JournalConsole, FailingJournalNeverStopsTheTimingAndSaysSo) {
    Start();
    Load();
    form->Journal()->SetRetryInterval(50);
    form->Journal()->InjectWriteFailure(true);
    Run(23456, false);
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit1, 1), "23,45");
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit2, 2), "24,45");
    QTRY_VERIFY_WITH_TIMEOUT(form->StatusPanelJournal()->text().contains("nicht geschrieben"), 5000);
    EXPECT_TRUE(form->StatusPanelJournal()->isVisibleTo(form.get()));
    form->Journal()->InjectWriteFailure(false);
    QTRY_VERIFY_WITH_TIMEOUT(!form->StatusPanelJournal()->isVisibleTo(form.get()), 10000);
    // The notice goes with the first write that succeeds; the rest of the
    // queue follows on the writer's thread.
    const auto stops = [&] {
        const auto entries = form->Journal()->ReadAll();
        return std::count_if(entries.begin(), entries.end(), [](const JournalEntry& e) {
            return e.event.kind == CompetitionEventKind::LaneStopped;
        });
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return stops() == 2; }, 10000));
    EXPECT_EQ(stops(), 2);
}

// The change log opened during a run takes the keyboard; the run keys still
// act on the run, and only between runs does a digit go into its filter.
TEST_F(JournalConsole, RunKeysReachTheRunFromTheChangeLog) {
    Start();
    Load();
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    wb.clock.now += 23456;
    QTest::keyClick(form.get(), Qt::Key_J, Qt::ControlModifier);
    JournalWindow* log = form->ChangeLog();
    ASSERT_TRUE(log);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == log, 5000);
    log->eFilter->setFocus();
    QTest::keyClick(log->eFilter, Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit2, 2), "23,45");
    EXPECT_TRUE(form->bSTOP1->isEnabled());
    EXPECT_TRUE(log->eFilter->text().isEmpty());
    QTest::keyClick(log->Grid, Qt::Key_1);
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit1, 1), "23,45");
    QTest::keyClick(log->eFilter, Qt::Key_0);
    EXPECT_TRUE(form->bSTART->isEnabled()); // the next pair
    EXPECT_TRUE(log->eFilter->text().isEmpty());

    QTest::keyClick(log->eFilter, Qt::Key_2);
    EXPECT_EQ(log->eFilter->text(), "2");
}
