#include "core/protocol_row.h"
#include "documents/workbook_import.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

// Column 1 of one sheet; further columns only where a test needs them.
SheetCells Column(const QStringList& texts) {
    SheetCells s;
    for (int r = 0; r < texts.size(); ++r)
        s.Set(r, 0, texts[r]);
    return s;
}

WorkbookSheets Book(std::vector<SheetCells> sheets) {
    WorkbookSheets b;
    b.sheetCount = static_cast<int>(sheets.size());
    b.sheets = std::move(sheets);
    return b;
}

QStringList FirstColumn(const ListRows& rows) {
    QStringList out;
    for (const QStringList& r : rows)
        out << r.value(0);
    return out;
}

const std::array<int, 4> kCols{2, 2, 2, 2};

} // namespace

// One empty cell is a gap in the list, the second in a row ends it; a cell of
// blanks is not empty, but loads empty. Lists 1 and 2 drop sheet row 1, lists
// 3 and 4 row 2.
TEST(WorkbookImport, EndRuleAndDroppedRow) {
    const SheetCells sheet = Column({"Titel", "Kopf", "a", "", "b", " ", "c", "", "", "Notiz"});
    const ImportedLists got = ImportLists(Book({sheet, sheet, sheet, sheet}), kCols, "x.xlsx");
    ASSERT_TRUE(got.ok());
    ASSERT_EQ(got.lists.size(), 4u);
    EXPECT_EQ(FirstColumn(got.lists[0]), QStringList({"Kopf", "a", "", "b", "", "c"}));
    EXPECT_EQ(FirstColumn(got.lists[1]), FirstColumn(got.lists[0]));
    EXPECT_EQ(FirstColumn(got.lists[2]), QStringList({"Titel", "a", "", "b", "", "c"}));
    EXPECT_EQ(FirstColumn(got.lists[3]), FirstColumn(got.lists[2]));
}

// A result without a place (first cell empty) is a row of the list; two rows
// with nothing in the list's columns still end it, whatever stands beside.
TEST(WorkbookImport, RowsWithAnEmptyFirstCellBelongToTheList) {
    SheetCells results = Column({"Platz", "Titel", "1", "", "", "", "", "", "Notiz"});
    for (int r : {3, 4, 5})
        results.Set(r, 1, QStringLiteral("ohne Platz %1").arg(r));
    results.Set(6, 2, "neben der Liste");
    const ImportedLists got = ImportLists(Book({results, results, results}), kCols, "x.xlsx");
    ASSERT_TRUE(got.ok());
    ASSERT_EQ(got.lists[2].size(), 5); // header, place 1 and three rows without a place
    EXPECT_EQ(got.lists[2][4], QStringList({"", "ohne Platz 5"}));
}

// Every row gets the list's own column count; cells further right stay out.
TEST(WorkbookImport, ColumnsFollowTheList) {
    SheetCells sheet = Column({"T", "H", "1"});
    sheet.Set(2, 1, "Nord");
    sheet.Set(2, 2, "außerhalb");
    const ImportedLists got = ImportLists(Book({sheet}), {2, 11, 6, 6}, "x.xlsx");
    ASSERT_EQ(got.lists.size(), 1u); // a workbook of one sheet fills list 1 only
    EXPECT_EQ(got.lists[0], ListRows({{"H", ""}, {"1", "Nord"}}));
}

// A header alone (or nothing) still makes two rows, and the grid's deletion
// only empties row 1 of a two-row list.
TEST(WorkbookImport, HeaderOnlyAndEmptySheets) {
    SheetCells header = Column({"Nr."});
    header.Set(0, 1, "Mannschaft");
    SheetCells titleAndHeader = Column({"Titel", "Nr."});
    const ImportedLists got =
        ImportLists(Book({header, titleAndHeader, SheetCells{}, header}), kCols, "x.xlsx");
    ASSERT_TRUE(got.ok());
    EXPECT_EQ(got.lists[0], ListRows({{"Nr.", "Mannschaft"}, {"", ""}}));
    EXPECT_EQ(got.lists[1], ListRows({{"Titel", ""}, {"", ""}}));
    EXPECT_EQ(got.lists[2], ListRows({{"", ""}, {"", ""}}));
    EXPECT_EQ(got.lists[3], ListRows({{"Nr.", "Mannschaft"}, {"", ""}}));
}

// A list that runs on to the row limit is refused as a whole; one that ends
// before it loads, whatever lies further down.
TEST(WorkbookImport, RowLimit) {
    SheetCells full;
    for (int r = 0; r < kMaxWorkbookRows + 5; ++r)
        full.Set(r, 0, QString::number(r));
    EXPECT_TRUE(full.beyondRowLimit);
    const ImportedLists refused = ImportLists(Book({Column({"T", "H", "1"}), full}), kCols, "/d/lang.xlsx");
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.lists.empty());

    SheetCells farBelow = Column({"T", "H", "1"});
    farBelow.Set(kMaxWorkbookRows + 3, 0, "Notiz");
    const ImportedLists loaded = ImportLists(Book({farBelow}), kCols, "x.xlsx");
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(FirstColumn(loaded.lists[0]), QStringList({"H", "1"}));

    // Filled right up to the last row that is kept: the list is that long.
    SheetCells toTheEdge;
    for (int r = 0; r < kMaxWorkbookRows; ++r)
        toTheEdge.Set(r, 0, QStringLiteral("x"));
    const ImportedLists edge = ImportLists(Book({toTheEdge}), kCols, "x.xlsx");
    ASSERT_TRUE(edge.ok());
    EXPECT_EQ(edge.lists[0].size(), kMaxWorkbookRows - 1);
}

// " Männer " is the class "Männer": blanks around a cell's text are dropped,
// those inside it kept, in every list.
TEST(WorkbookImport, CellTextsLoseTheBlanksAroundThem) {
    SheetCells sheet = Column({"Titel", "Nr.", " 1 "});
    sheet.Set(2, 1, QString::fromUtf8(" FF  Nord\u00A0"));
    sheet.Set(2, 2, QString::fromUtf8(" Männer "));
    const ImportedLists got = ImportLists(Book({sheet, sheet, sheet, sheet}), {3, 3, 3, 3}, "x.xlsx");
    ASSERT_TRUE(got.ok());
    for (const ListRows& list : got.lists)
        EXPECT_EQ(list.back(), QStringList({"1", "FF  Nord", QString::fromUtf8("Männer")}));
}

TEST(WorkbookImport, BlankHeadersComeFromTheProtocol) {
    ListRows rows{{"Nr.", " ", "Gruppe"}, {"1", "Nord"}};
    FillBlankProtocolHeaders(rows);
    EXPECT_EQ(rows[0][1], ProtocolHeaders[1]);
    EXPECT_EQ(rows[0][2], "Gruppe");
    EXPECT_EQ(rows[0][10], ProtocolHeaders[10]);
    EXPECT_EQ(rows[1], QStringList({"1", "Nord"}));
}

// Times, totals and best time get two decimals; a cell that is no number ends
// its column there, blanks are passed over, the penalties stay as they are.
TEST(WorkbookImport, ProtocolTimesGetTwoDecimalsUpToTheFirstUnreadable) {
    const auto row = [](QString zeit1, QString fehler1, QString zeit2) {
        QStringList r{"1", "N", "A", "", zeit1, fehler1, zeit1, zeit2, "0", zeit2, zeit1};
        return r;
    };
    ListRows rows{QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end()), row("21,5", "3", "20"),
                  row(" ", "0", "n.a."), row("19,126", "1,5", "18,4")};
    rows[1][pc::Bestzeit] = "20";
    ReformatProtocolTimes(rows, u',');
    EXPECT_EQ(rows[0][pc::Zeit1], ProtocolHeaders[pc::Zeit1]);
    EXPECT_EQ(rows[1][pc::Zeit1], "21,50");
    EXPECT_EQ(rows[1][pc::Fehler1], "3");
    EXPECT_EQ(rows[1][pc::Zeit2], "20,00");
    EXPECT_EQ(rows[1][pc::Gesamt2], "20,00");
    EXPECT_EQ(rows[1][pc::Bestzeit], "20,00");
    EXPECT_EQ(rows[2][pc::Zeit1], " ");
    EXPECT_EQ(rows[3][pc::Zeit1], "19,13"); // the blank above did not stop the column
    EXPECT_EQ(rows[3][pc::Fehler1], "1,5");
    EXPECT_EQ(rows[2][pc::Zeit2], "n.a.");
    EXPECT_EQ(rows[3][pc::Zeit2], "18,4"); // below the unreadable cell: as it was
    EXPECT_EQ(rows[3][pc::Gesamt2], "18,4");
    EXPECT_EQ(rows[3][pc::Gesamt1], "19,13");

    // Halves round away from zero on the decimal value, as the spreadsheet
    // shows them: 20.005 is 20.00499999... as a double.
    ListRows halves{rows[0], row("20,005", "0", "1,005"), row("0,125", "0", "19,994")};
    ReformatProtocolTimes(halves, u',');
    EXPECT_EQ(halves[1].mid(pc::Zeit1, 7),
              QStringList({"20,01", "0", "20,01", "1,01", "0", "1,01", "20,01"}));
    EXPECT_EQ(halves[2][pc::Zeit1], "0,13");
    EXPECT_EQ(halves[2][pc::Zeit2], "19,99");
}

// A load replaces the whole competition: a list the workbook has no sheet for,
// or only a blank one, is built, never left to the last competition. The time
// protocol comes from the team list (no times), the results empty with their
// headers, and the note names what was built.
TEST(WorkbookImport, MissingListsAreBuiltFromWhatTheWorkbookHas) {
    SheetCells teams = Column({"Titel", "Nr.", "1", "2"});
    teams.Set(2, 1, "Nord");
    teams.Set(2, pc::Qualified, "v");
    teams.Set(2, pc::Zeit1, "21,5"); // a time typed into the team list does not become a run
    const std::array<int, 4> cols{pc::Count, pc::Count, rc::Count, rc::Count};
    const LoadedCompetition one = CompetitionOfWorkbook(Book({teams}), cols, "x.xlsx", u',');
    ASSERT_TRUE(one.ok());
    EXPECT_EQ(one.lists[0][1].mid(0, 5), QStringList({"1", "Nord", "", "v", "21,50"}));
    EXPECT_EQ(one.lists[0][0][pc::Name], ProtocolHeaders[pc::Name]);
    ListRows protocol = one.lists[0];
    protocol[1][pc::Zeit1].clear();
    EXPECT_EQ(one.lists[1], protocol);
    const QStringList resultHeader(ResultHeaders.begin(), ResultHeaders.end());
    EXPECT_EQ(one.lists[2], ListRows({resultHeader, QStringList(rc::Count, QString())}));
    EXPECT_EQ(one.lists[3], one.lists[2]);
    EXPECT_EQ(LoadedListsNote(one.origins),
              " Geladen: Mannschafts-Datenbank aus der Datei; Zeitenprotokoll (aus der "
              "Mannschafts-Datenbank), Qualifikations-Ergebnis und Gesamt-Ergebnis neu angelegt");

    // A blank team list is built from the protocol; the protocol's times get
    // two decimals; the sheets that are there stay as they are.
    SheetCells times = Column({"Titel", "Nr.", "7"});
    times.Set(2, pc::Zeit1, "19,5");
    const SheetCells results = Column({"Platz", "", "1"});
    const LoadedCompetition two =
        CompetitionOfWorkbook(Book({Column({" "}), times, results, results}), cols, "x.xlsx", u',');
    ASSERT_TRUE(two.ok());
    EXPECT_EQ(two.lists[1][1][pc::Zeit1], "19,50");
    EXPECT_EQ(two.lists[0][1], QStringList({"7", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(two.lists[2][1][rc::Platz], "1");
    EXPECT_EQ(LoadedListsNote(two.origins),
              " Geladen: Zeitenprotokoll, Qualifikations-Ergebnis und Gesamt-Ergebnis aus der Datei; "
              "Mannschafts-Datenbank (aus dem Zeitenprotokoll) neu angelegt");

    // Results alone: both protocol-layout lists empty with the protocol's header.
    const LoadedCompetition results3 = CompetitionOfWorkbook(Book({{}, {}, results}), cols, "x.xlsx", u',');
    ASSERT_TRUE(results3.ok());
    EXPECT_EQ(results3.lists[0][0], QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end()));
    EXPECT_EQ(results3.lists[1], results3.lists[0]);

    // No list at all is refused, naming the file; every list from the file
    // needs no note.
    const LoadedCompetition none =
        CompetitionOfWorkbook(Book({Column({"", "", "Notiz"})}), cols, "/d/leer.xlsx", u',');
    EXPECT_FALSE(none.ok());
    EXPECT_TRUE(none.error.contains("leer.xlsx"));
    const LoadedCompetition four =
        CompetitionOfWorkbook(Book({teams, times, results, results}), cols, "x.xlsx", u',');
    EXPECT_EQ(LoadedListsNote(four.origins), QString());
    // The team list's times get two decimals too: a workbook holds them as
    // numbers, which read "21,5".
    EXPECT_EQ(four.lists[0][1][pc::Zeit1], "21,50");
}
