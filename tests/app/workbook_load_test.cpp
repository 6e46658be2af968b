#include "controls/bit_btn_with_color.h"
#include "controls/sort_grid.h"
#include "documents/workbook_packages.h"
#include "journal/journal.h"
#include "test_platform.h"

#include <QComboBox>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

namespace {

class WorkbookLoad : public ShownForm {
protected:
    // A copy in the test's folder under the name the stages are read from.
    QString Fixture(const char* fixture, const QString& name) {
        const QString path = wb.Path(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(QStringLiteral(ZN_TEST_DATA_DIR "/workbooks/") + fixture, path));
        return path;
    }
    void Load(const QString& path) {
        wb.files.chosen = path;
        QTest::mouseClick(form->sbLoad, Qt::LeftButton);
    }
    static QStringList TeamRow(TSortGrid* grid, const QString& nr) {
        for (int r = 1; r < grid->RowCount(); ++r)
            if (grid->GetCell(0, r) == nr) return RowOf(grid, r);
        return {};
    }
    std::array<ListRows, 4> AllLists() const {
        return {RowsOf(form->SortGrid1->Store()), RowsOf(form->SortGrid2->Store()),
                RowsOf(form->SortGrid3->Store()), RowsOf(form->SortGrid4->Store())};
    }
    void SaveWorkbook(const QString& path) {
        wb.files.chosen = path;
        wb.files.chosenIndex = 1;
        QTest::mouseClick(form->sbSave, Qt::LeftButton);
    }
};

// The console with another locale until the end of the scope, then the
// German one the tests run with.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};

// The lists with every decimal point of a time ("21.50") a comma.
std::array<ListRows, 4> WithDecimalComma(std::array<ListRows, 4> lists) {
    static const QRegularExpression time(QStringLiteral("^\\d+\\.\\d\\d$"));
    for (ListRows& list : lists)
        for (QStringList& row : list)
            for (QString& cell : row)
                if (time.match(cell).hasMatch()) cell.replace(u'.', u',');
    return lists;
}

} // namespace

TEST_F(WorkbookLoad, TeamsReachTheLanesAndTheStageOpens) {
    const QString path = Fixture("Vorlauf_office.xlsx", "Vorlauf Kreis.xlsx");
    Load(path);
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join(" ").toStdString();
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(form->Startliste[s]->isEnabled(), s == 1) << s;
    EXPECT_EQ(form->CurrentList, form->SortGrid1);
    EXPECT_EQ(form->windowTitle(), "Vorlauf Kreis: " + ConsoleProbe::kAppTitle);
    // The lanes offer the time protocol's three teams (the team list has five).
    EXPECT_EQ(form->cbBuhn1->count(), 3);
    EXPECT_EQ(form->cbBuhn1->currentText(), QString::fromUtf8("  1 Löschzug Nord"));
    EXPECT_EQ(form->cbBuhn2->currentText(), QString::fromUtf8("  2 Wehr Mühlbach & Tal"));
    EXPECT_TRUE(form->bSTART->isEnabled());
    EXPECT_EQ(form->Model.SaveFileName(), path);

    // The protocol's times come with two decimals, its penalties as they were.
    EXPECT_EQ(TeamRow(form->SortGrid2, "1"),
              QStringList({"1", QString::fromUtf8("Löschzug Nord"), "A", "", "21,50", "0", "21,50", "22,25",
                           "5", "27,25", "21,50"}));
    EXPECT_EQ(TeamRow(form->SortGrid3, "2").value(1), QString::fromUtf8("Löschzug Nord"));
    EXPECT_EQ(RowOf(form->SortGrid1, 0), ProtocolHeaderRow());
}

// The console's export, opened and saved again by LibreOffice: its number
// formats once crashed the console on loading.
TEST_F(WorkbookLoad, ExportSavedByLibreOfficeFillsTheLists) {
    Load(Fixture("Vorlauf_export.ods", "Vorlauf.ods"));
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join(" ").toStdString();
    EXPECT_TRUE(form->Startliste[1]->isEnabled());
    EXPECT_EQ(form->cbBuhn1->currentText(), QString::fromUtf8("  1 FF Mühlbach"));
    EXPECT_EQ(TeamRow(form->SortGrid2, "1"),
              QStringList({"1", QString::fromUtf8("FF Mühlbach"), QString::fromUtf8("Männer"), "v", "21,50",
                           "0", "21,50", "22,25", "5", "27,25", "21,50"}));
    EXPECT_EQ(RowOf(form->SortGrid1, 0), ProtocolHeaderRow());
}

// A workbook that cannot be read leaves every list, the caption and the
// target of "save the current list" as the last good load left them.
TEST_F(WorkbookLoad, BrokenFileChangesNothing) {
    const QString good = Fixture("Vorlauf_script.xlsx", "Vorlauf.xlsx");
    Load(good);
    ASSERT_TRUE(wb.modal.messages.isEmpty());
    const auto before = AllLists();
    const QString caption = form->windowTitle();

    const QString broken = wb.Path("Finale.xlsx");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wb.Read(good).left(700)); // cut off mid-package
    file.close();
    Load(broken);
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages.front().contains("Finale.xlsx"));
    EXPECT_TRUE(AllLists() == before);
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_FALSE(form->Startliste[5]->isEnabled());
    EXPECT_EQ(form->Model.SaveFileName(), good);
}

// Sheets named like the lists in another order load by their names, and the
// status bar says that names and order disagree. A workbook whose lists hold
// formulas without stored results is refused and changes nothing.
TEST_F(WorkbookLoad, ListsComeByTheirSheetNamesAndFormulasWithoutValuesAreRefused) {
    const auto team = [](const char* nr, const char* name) {
        return QByteArray("<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>Nr.</t></is></c></row>"
                          "<row r=\"3\"><c r=\"A3\"><v>") +
               nr + "</v></c><c r=\"B3\" t=\"inlineStr\"><is><t>" + name + "</t></is></c></row>";
    };
    const QString swapped = wb.Path("Vorlauf.xlsx");
    WriteXlsx(swapped,
              {{"Zeitenprotokoll", team("7", "FF Süd")}, {"Mannschafts-Datenbank", team("1", "FF Nord")}});
    Load(swapped);
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join(" ").toStdString();
    EXPECT_EQ(TeamRow(form->SortGrid1, "1").value(pc::Name), "FF Nord");
    EXPECT_EQ(TeamRow(form->SortGrid2, "7").value(pc::Name), QString::fromUtf8("FF Süd"));
    EXPECT_TRUE(form->StatusPanel1->text().endsWith(
        "; Tabellen nach ihren Namen geladen, nicht nach ihrer Reihenfolge: Mannschafts-Datenbank aus "
        "Tabelle 2, Zeitenprotokoll aus Tabelle 1"))
        << form->StatusPanel1->text().toStdString();

    const auto before = AllLists();
    const QString script = wb.Path("Finale.xlsx");
    WriteXlsx(script, {{"Mannschafts-Datenbank",
                        team("1", "FF Nord") + "<row r=\"4\"><c r=\"A4\"><f>A3+1</f></c></row>"}});
    Load(script);
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages.front().endsWith(
        "Formeln ohne gespeicherte Werte – bitte in der Tabellenkalkulation öffnen und speichern"))
        << wb.modal.messages.front().toStdString();
    EXPECT_TRUE(AllLists() == before);
    EXPECT_EQ(form->Model.SaveFileName(), swapped);
}

// `zeitnahme "Vorlauf Kreis.xlsx"` from the file manager: a name relative to
// the working folder loads as the open dialog would; a missing one says so
// and the console starts empty.
TEST_F(WorkbookLoad, WorkbookNamedOnTheCommandLine) {
    const auto empty = AllLists();
    EXPECT_FALSE(form->OpenStartupWorkbook({"zeitnahme"}));
    EXPECT_FALSE(form->OpenStartupWorkbook({"zeitnahme", "fehlt.xlsx"}));
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages.front().contains("fehlt.xlsx"));
    EXPECT_TRUE(AllLists() == empty);

    const QString path = Fixture("Vorlauf.ods", "Vorlauf Kreis.ods");
    ASSERT_TRUE(form->OpenStartupWorkbook({"zeitnahme", "-nograb", "Vorlauf Kreis.ods"}));
    EXPECT_EQ(wb.modal.messages.size(), 1);
    EXPECT_EQ(form->Model.SaveFileName(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(form->cbBuhn1->count(), 3);
    EXPECT_TRUE(form->Startliste[1]->isEnabled());
}

// A team list of one sheet after a whole competition: no old team stays in any
// list, a run is timed into the new team's protocol row, and the status bar
// says which lists were built.
TEST_F(WorkbookLoad, OneSheetTeamListReplacesTheWholeCompetition) {
    Load(Fixture("Vorlauf_office.xlsx", "Vorlauf.xlsx"));
    QSet<QString> oldNames;
    for (const ListRows& list : AllLists())
        for (const QStringList& row : list.mid(1))
            if (!row.value(1).isEmpty()) oldNames << row.value(1);
    ASSERT_GE(oldNames.size(), 3);

    Load(Fixture("Mannschaften_libreoffice.xlsx", "Vorlauf Gruppe B.xlsx"));
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join(" ").toStdString();
    EXPECT_EQ(
        form->StatusPanel1->text(),
        " Geladen: Mannschafts-Datenbank aus der Datei; Zeitenprotokoll (aus der Mannschafts-Datenbank), "
        "Qualifikations-Ergebnis und Gesamt-Ergebnis neu angelegt");
    const auto lists = AllLists();
    for (size_t i = 0; i < lists.size(); ++i)
        for (const QStringList& row : lists[i])
            EXPECT_FALSE(oldNames.contains(row.value(1)))
                << "list " << i + 1 << ": " << row.join('|').toStdString();
    EXPECT_EQ(lists[1].size(), 13);
    EXPECT_EQ(lists[2], ListRows({ResultHeaderRow(), QStringList(rc::Count, QString())}));
    EXPECT_EQ(lists[3], lists[2]);

    ASSERT_EQ(form->cbBuhn1->currentText(), "  1 FF Neustadt");
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    wb.clock.now += 23456;
    QTest::mouseClick(form->bSTOP1, Qt::LeftButton);
    wb.clock.now += 1000;
    QTest::mouseClick(form->bSTOP2, Qt::LeftButton);
    QCoreApplication::processEvents(); // a time not recorded is told once the run is over
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join(" ").toStdString();
    EXPECT_EQ(TeamRow(form->SortGrid2, "1").mid(pc::Name, 4),
              QStringList({"FF Neustadt", "Männer", "", "23,45"}));
    EXPECT_EQ(TeamRow(form->SortGrid2, "2").value(pc::Zeit2), "24,45");
}

// The load goes into the journal as one event holding the lists as they are
// shown, its times already with two decimals; cell by cell, 2,000 teams made
// 2,000 events, each with a copy of the lists.
TEST_F(WorkbookLoad, LoadIsOneJournalEvent) {
    wb.dataFolder = wb.Path("daten");
    form = wb.MakeForm();
    form->show();
    form->StartJournal();
    ASSERT_TRUE(form->Journal());
    const size_t before = form->Journal()->ReadAll().size();

    Load(Fixture("Vorlauf_office.xlsx", "Vorlauf.xlsx"));
    ASSERT_EQ(TeamRow(form->SortGrid2, "1").value(pc::Zeit1), "21,50");
    // Events are committed in order: once this one is, every one before it is.
    CompetitionEvent marker;
    marker.text = "Ende des Tests";
    ASSERT_TRUE(form->Journal()->WaitCommitted(form->Journal()->Record(marker), 10000));
    const std::vector<JournalEntry> entries = form->Journal()->ReadAll();
    ASSERT_EQ(entries.size(), before + 2);
    const CompetitionEvent& loaded = entries[before].event;
    EXPECT_EQ(loaded.kind, CompetitionEventKind::ListsLoaded);
    ASSERT_EQ(loaded.lists.size(), 4u);
    for (const ListContent& list : loaded.lists)
        EXPECT_EQ(list.rows, AllLists()[static_cast<size_t>(list.list - 1)]) << list.list;
}

// A workbook written by a console with a decimal point ("1.21") and loaded by
// a German one, and back: every time stays a time, and "Ergebnislisten
// erzeugen" gives the same results on either side.
TEST_F(WorkbookLoad, WrittenUnderOneLocaleLoadedUnderTheOtherGivesTheSameResults) {
    std::array<ListRows, 4> pointed;
    {
        const LocaleScope c(QLocale::c());
        const QList<QStringList> protocol{
            ProtocolHeaderRow(),
            {"1", "Eins", "A", "v", "21.50", "0", "21.50", "20.75", "5", "25.75", "21.50"},
            {"2", "Zwei", "B", "", "1.21", "0", "1.21", "", "", "", "1.21"},
            {"3", "Drei", "A", "v"}};
        FillList(form->SortGrid1, protocol);
        FillList(form->SortGrid2, protocol);
        FillList(form->SortGrid3, {ResultHeaderRow()});
        FillList(form->SortGrid4, {ResultHeaderRow()});
        form->StageEntry(19)->trigger();
        pointed = AllLists();
        ASSERT_EQ(pointed[3].size(), 3) << "both timed teams are in the overall result";
        SaveWorkbook(wb.Path("Vorlauf.xlsx"));
    }
    const std::array<ListRows, 4> german = WithDecimalComma(pointed);
    Load(wb.Path("Vorlauf.xlsx"));
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join(" ").toStdString();
    EXPECT_TRUE(AllLists() == german);
    form->StageEntry(19)->trigger();
    EXPECT_TRUE(AllLists() == german);

    SaveWorkbook(wb.Path("Zurück.xlsx"));
    const LocaleScope c(QLocale::c());
    Load(wb.Path("Zurück.xlsx"));
    form->StageEntry(19)->trigger();
    EXPECT_TRUE(AllLists() == pointed);
}
