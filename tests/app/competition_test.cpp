// A whole preliminary round as a newcomer runs it: the example competition,
// two pairs timed by keys, a penalty, the result lists, the workbook written
// and loaded back.
#include "controls/bit_btn_with_color.h"
#include "controls/sort_grid.h"
#include "documents/workbook_writer_files.h"
#include "test_platform.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

namespace {

class Competition : public ::testing::Test {
protected:
    Workbench wb;
    std::unique_ptr<ConsoleProbe> form;

    void TearDown() override { form.reset(); }

    void Load(const QString& path) {
        wb.files.chosen = path;
        wb.files.chosenIndex = 0;
        QTest::mouseClick(form->sbLoad, Qt::LeftButton);
    }

    // One pair: START, lane `first` stops after `firstMs`, the other lane
    // `secondMs` later, then RESET brings the next pair; all but START by key.
    void Run(int first, int firstMs, int secondMs) {
        ASSERT_TRUE(form->bSTART->isEnabled());
        QTest::mouseClick(form->bSTART, Qt::LeftButton);
        wb.clock.now += static_cast<uint32_t>(firstMs);
        QTest::keyClick(form.get(), first == 1 ? Qt::Key_1 : Qt::Key_2);
        wb.clock.now += static_cast<uint32_t>(secondMs);
        QTest::keyClick(form.get(), first == 1 ? Qt::Key_2 : Qt::Key_1);
        ASSERT_TRUE(form->bRESET->isEnabled());
        QTest::keyClick(form.get(), Qt::Key_0);
    }

    // Every list's header and its rows with a number or a place: a team of
    // the qualification without a time has no place, and two such rows end a
    // list when a workbook is read.
    std::array<ListRows, 4> PlacedRows() const {
        std::array<ListRows, 4> lists;
        for (size_t i = 0; i < 4; ++i) {
            const ListRows rows = RowsOf(form->Lists[i + 1]->Store());
            for (qsizetype r = 0; r < rows.size(); ++r)
                if (r == 0 || !rows[r].value(0).isEmpty()) lists[i] << rows[r];
        }
        return lists;
    }

    // Readable in a failure message: one line per row, cells between bars.
    static std::string Text(const ListRows& rows) {
        QStringList lines;
        for (const QStringList& row : rows)
            lines << row.join(u'|');
        return lines.join(u'\n').toStdString();
    }

    static int RowOfTeam(TSortGrid* grid, const QString& nr) {
        for (int r = 1; r < grid->RowCount(); ++r)
            if (grid->GetCell(0, r) == nr) return r;
        return -1;
    }

    void TypePenalty(int col, const QString& nr, const QString& seconds) {
        TSortGrid* protocol = form->SortGrid2;
        const int row = RowOfTeam(protocol, nr);
        ASSERT_GT(row, 0);
        QTest::mouseClick(protocol->viewport(), Qt::LeftButton, {}, protocol->CellRect(col, row).center());
        QTest::keyClicks(protocol, seconds);
        QTest::keyClick(protocol, Qt::Key_Return);
    }
};

} // namespace

TEST_F(Competition, ExampleRoundRunsAndItsWorkbookComesBackAsItWasWritten) {
    // The example as the source tree holds it: the build copies it beside
    // the program only once, and a copy there may hold an operator's results.
    const QDir examples(QStringLiteral(ZN_EXAMPLES_DIR));
    for (const char* name : {"Klasse.txt", "Protokollvorlage.docx", "Vorlauf.xlsx"})
        ASSERT_TRUE(QFile::copy(examples.filePath(name), wb.Path(name))) << name;
    form = wb.MakeForm(); // the classes are read from the working folder
    form->WordTemplatePath = wb.Path("Protokollvorlage.doc");
    ASSERT_TRUE(Workbench::ShowActive(*form));
    const QStringList classes = form->ClassList.value_or(QStringList());
    EXPECT_EQ(classes, (QStringList{"Männer", "Frauen", "Jugend", "Alters"}));

    // The first open dialog shows the program's folder, where the build put
    // the example.
    wb.files.accept = false;
    QTest::mouseClick(form->sbLoad, Qt::LeftButton);
    const QDir program(QCoreApplication::applicationDirPath());
    ASSERT_EQ(QDir(wb.files.shownFolder), program);
    for (const char* name : {"Klasse.txt", "Protokollvorlage.docx", "Vorlauf.xlsx"})
        EXPECT_TRUE(program.exists(name)) << name;
    const QString example = wb.Path("Vorlauf.xlsx");
    wb.files.accept = true;
    Load(example);
    ASSERT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join('\n').toStdString();

    // Twenty teams under the proper header in both lists, every class one of
    // the class list, names with "&" and quotes as written; the lanes offer
    // the first pair.
    for (TSortGrid* list : {form->SortGrid1, form->SortGrid2}) {
        ASSERT_EQ(list->RowCount(), 21);
        EXPECT_EQ(RowOf(list, 0), ProtocolHeaderRow());
        EXPECT_EQ(list->ColumnStrings(pc::Nr).ToStringList().mid(1).join(' '),
                  "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20");
        for (int r = 1; r < list->RowCount(); ++r)
            EXPECT_TRUE(classes.contains(list->GetCell(pc::Klasse, r))) << r;
    }
    EXPECT_EQ(RowOf(form->SortGrid2, 2).mid(0, 4),
              (QStringList{"2", "Löschzug Bärental & Au", "Männer", "v"}));
    // The example's marks are the console's own: their boxes show ticked.
    EXPECT_TRUE(form->SortGrid2->IsCellChecked(pc::Qualified, 2));
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Name, 3), "Jugendfeuerwehr \"Die Löschfüchse\"");
    EXPECT_EQ(RowOf(form->SortGrid2, 20).mid(pc::Zeit1), QStringList(7, QString()));
    EXPECT_EQ(form->SortGrid3->RowCount(), 2);
    EXPECT_EQ(RowOf(form->SortGrid3, 0), ResultHeaderRow());
    EXPECT_EQ(form->cbBuhn1->count(), 20);
    EXPECT_EQ(form->cbBuhn1->currentText(), "  1 FF Mühlbach");
    EXPECT_EQ(form->cbBuhn2->currentText(), "  2 Löschzug Bärental & Au");

    // Teams 1 and 2, lane 1 first; teams 3 and 4, lane 2 first.
    Run(1, 23456, 1000);
    ASSERT_EQ(form->cbBuhn1->currentText(), "  3 Jugendfeuerwehr \"Die Löschfüchse\"");
    Run(2, 31000, 2500);
    ASSERT_EQ(form->CurrentList, form->SortGrid2);

    // Five seconds for team 2 on lane 2.
    TypePenalty(pc::Fehler2, "2", "5");
    TSortGrid* protocol = form->SortGrid2;
    EXPECT_EQ(RowOf(protocol, RowOfTeam(protocol, "1")).mid(pc::Zeit1),
              (QStringList{"23,45", "0", "23,45", "", "", "", "23,45"}));
    EXPECT_EQ(RowOf(protocol, RowOfTeam(protocol, "2")).mid(pc::Zeit1),
              (QStringList{"", "", "", "24,45", "5", "29,45", "29,45"}));
    EXPECT_EQ(RowOf(protocol, RowOfTeam(protocol, "3")).mid(pc::Zeit1),
              (QStringList{"33,50", "0", "33,50", "", "", "", "33,50"}));
    EXPECT_EQ(RowOf(protocol, RowOfTeam(protocol, "4")).mid(pc::Zeit1),
              (QStringList{"", "", "", "31,00", "0", "31,00", "31,00"}));

    // "Ergebnislisten erzeugen" of Vorlauf: the marked teams 1, 2 and 4 with a
    // time lead the qualification; the overall result puts them before team 3.
    QAction* generate = form->StageEntry(19);
    ASSERT_TRUE(generate->isEnabled());
    generate->trigger();
    ASSERT_EQ(form->CurrentList, form->SortGrid3);
    ASSERT_GE(form->SortGrid3->RowCount(), 4);
    EXPECT_EQ(RowOf(form->SortGrid3, 1), (QStringList{"1", "FF Mühlbach", "Männer", "23,45", "0", "23,45"}));
    EXPECT_EQ(RowOf(form->SortGrid3, 2),
              (QStringList{"2", "Löschzug Bärental & Au", "Männer", "24,45", "5", "29,45"}));
    EXPECT_EQ(RowOf(form->SortGrid3, 3),
              (QStringList{"3", "FF Großenhain", "Männer", "31,00", "0", "31,00"}));
    ASSERT_EQ(form->SortGrid4->RowCount(), 5);
    EXPECT_EQ(RowOf(form->SortGrid4, 4),
              (QStringList{"4", "Jugendfeuerwehr \"Die Löschfüchse\"", "Jugend", "33,50", "0", "33,50"}));

    // The shown result on the example's letterhead.
    QTest::mouseClick(form->sbWord, Qt::LeftButton);
    ASSERT_EQ(wb.shell.opened.size(), 1);
    EXPECT_EQ(ReadPackagePart(wb.shell.opened[0], "word/header1.xml"),
              ReadPackagePart(wb.Path("Protokollvorlage.docx"), "word/header1.xml"));
    EXPECT_TRUE(ReadPackagePart(wb.shell.opened[0], "word/document.xml")
                    .value_or(QByteArray())
                    .contains("Löschzug Bärental &amp; Au"));

    // Saved into the loaded workbook (sbSaveX), then into a new one from the
    // save dialog (type 1); each loads back as it was written.
    const std::array<ListRows, 4> before = PlacedRows();
    QTest::mouseClick(form->sbSaveX, Qt::LeftButton);
    const QString written = wb.Path("Vorlauf Ergebnis.xlsx");
    wb.files.chosen = written;
    wb.files.chosenIndex = 1;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    ASSERT_TRUE(QFileInfo::exists(written));

    Load(written);
    ASSERT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join('\n').toStdString();
    std::array<ListRows, 4> after = PlacedRows();
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(Text(after[i]), Text(before[i])) << "new workbook, list " << i + 1;

    // The example's result sheets have their header in row 1, which writing
    // from row 2 keeps: every list comes back whole.
    Load(example);
    ASSERT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join('\n').toStdString();
    after = PlacedRows();
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(Text(after[i]), Text(before[i])) << "example workbook, list " << i + 1;
}

// The lane lists hold the time protocol's teams whatever list is shown or
// changed: after a row of the overall result is removed the lanes still offer
// "  3 …" (number and name), never a result list's "1 FF Mühlbach" (place and
// name), whose number belongs to another team in the protocol.
TEST_F(Competition, StopsFindTheirTeamsAfterARowOfAResultListIsRemoved) {
    form = wb.MakeForm();
    ASSERT_TRUE(Workbench::ShowActive(*form));
    wb.LoadExample(*form);
    Run(1, 23456, 1000);
    Run(2, 31000, 2500);
    const QStringList lanes{form->cbBuhn1->currentText(), form->cbBuhn2->currentText()};
    form->StageEntry(19)->trigger();
    form->SelectDatenbank(form->StageEntry(14));
    ASSERT_EQ(form->CurrentList, form->SortGrid4);
    form->SortGrid4->SetCurrentRow(2);
    wb.modal.answer = TFDlgYesNo::mrYes;
    QTest::mouseClick(form->sbCLS, Qt::LeftButton);
    ASSERT_EQ(wb.modal.asked, QStringList{"Zeile entfernen?"});
    EXPECT_EQ(form->cbBuhn1->count(), 20);
    EXPECT_EQ((QStringList{form->cbBuhn1->currentText(), form->cbBuhn2->currentText()}), lanes);

    TSortGrid* protocol = form->SortGrid2;
    const QStringList team2 = RowOf(protocol, RowOfTeam(protocol, "2"));
    Run(1, 20000, 500);
    EXPECT_EQ(protocol->GetCell(pc::Zeit1, RowOfTeam(protocol, "5")), "20,00");
    EXPECT_EQ(protocol->GetCell(pc::Zeit2, RowOfTeam(protocol, "6")), "20,50");
    EXPECT_EQ(RowOf(protocol, RowOfTeam(protocol, "2")), team2);

    // A lane entry whose name is not the protocol's for that number (the name
    // was changed in the protocol after the lane lists were made) writes
    // nothing and names lane, entry, time and reason.
    const int row8 = RowOfTeam(protocol, "8");
    const QString name8 = protocol->GetCell(pc::Name, row8);
    protocol->SetCell(pc::Name, row8, "FF Mühlbach");
    form->RebuildLaneLists(true);
    form->cbBuhn2->setCurrentIndex(form->cbBuhn2->findText("  8 FF Mühlbach"));
    protocol->SetCell(pc::Name, row8, name8);
    const QStringList team8 = RowOf(protocol, RowOfTeam(protocol, "8"));
    Run(1, 19000, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(RowOf(protocol, RowOfTeam(protocol, "8")), team8);
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(
        wb.modal.messages[0].startsWith("Bahn 2: Mannschaft „8 FF Mühlbach“ nicht im Zeitenprotokoll"))
        << wb.modal.messages[0].toStdString();
    EXPECT_TRUE(wb.modal.messages[0].contains("19,50"));
}

// While a run is on, the protocol row of a team on a lane cannot be removed:
// its stop must still find it.
TEST_F(Competition, ARunningTeamKeepsItsProtocolRow) {
    form = wb.MakeForm();
    ASSERT_TRUE(Workbench::ShowActive(*form));
    wb.LoadExample(*form);
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    TSortGrid* protocol = form->SortGrid2;
    ASSERT_EQ(form->CurrentList, protocol);
    protocol->SetCurrentRow(RowOfTeam(protocol, "2"));
    wb.modal.answer = TFDlgYesNo::mrYes;
    QTest::mouseClick(form->sbCLS, Qt::LeftButton);
    EXPECT_TRUE(wb.modal.asked.isEmpty());
    EXPECT_EQ(protocol->RowCount(), 21);
    EXPECT_TRUE(form->StatusPanel1->text().contains("läuft gerade"));

    protocol->SetCurrentRow(RowOfTeam(protocol, "9"));
    QTest::mouseClick(form->sbCLS, Qt::LeftButton);
    EXPECT_EQ(protocol->RowCount(), 20);
    wb.clock.now += 20000;
    QTest::keyClick(form.get(), Qt::Key_2);
    EXPECT_EQ(protocol->GetCell(pc::Zeit2, RowOfTeam(protocol, "2")), "20,00");
}
