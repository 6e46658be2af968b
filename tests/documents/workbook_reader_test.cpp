#include "core/protocol_row.h"
#include "documents/workbook_import.h"
#include "documents/workbook_packages.h"
#include "documents/workbook_reader.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

// Failures show the texts, not their bytes.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const std::array<int, 4> kColCounts{pc::Count, pc::Count, rc::Count, rc::Count};

QString Fixture(const char* name) {
    return QStringLiteral(ZN_TEST_DATA_DIR "/workbooks/") + QString::fromUtf8(name);
}

QStringList Row(QStringList cells, int count) {
    EnsureColumns(cells, count);
    return cells;
}

// What every producer's "Vorlauf" workbook holds once imported.
std::vector<ListRows> ExpectedVorlauf() {
    const QStringList protocolHeader(ProtocolHeaders.begin(), ProtocolHeaders.end());
    const QStringList resultHeader(ResultHeaders.begin(), ResultHeaders.end());
    const int p = pc::Count;
    const int r = rc::Count;
    return {
        {protocolHeader, Row({"1", "Löschzug Nord", "A"}, p), Row({"2", "Wehr Mühlbach & Tal", "A"}, p),
         Row({"3", "Jugendwehr \"Die Füchse\"", "B"}, p), Row({}, p), Row({"4", "Äußere Öde", "B"}, p),
         Row({"5", "Straßberg-Übigau", "A"}, p)},
        {protocolHeader,
         Row({"1", "Löschzug Nord", "A", "", "21,5", "0", "21,5", "22,25", "5", "27,25", "21,5"}, p),
         Row({"2", "Wehr Mühlbach & Tal", "A", "", "19,8", "0", "19,8"}, p),
         Row({"3", "Jugendwehr \"Die Füchse\"", "B"}, p)},
        {resultHeader, Row({"1", "Wehr Mühlbach & Tal", "A", "19,8", "0", "19,8"}, r),
         Row({"2", "Löschzug Nord", "A", "21,5", "0", "21,5"}, r)},
        {resultHeader, Row({"1", "Wehr Mühlbach & Tal", "A", "19,8", "0", "19,8"}, r)},
    };
}

class WorkbookFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Write(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The read fails with a message that names the file.
    static void ExpectRefused(const QString& path) {
        const WorkbookSheets read = ReadWorkbook(path, kGerman);
        EXPECT_FALSE(read.ok()) << path.toStdString();
        EXPECT_TRUE(read.error.contains(QFileInfo(path).fileName())) << read.error.toStdString();
        EXPECT_TRUE(read.sheets.empty());
    }
};

} // namespace

// Office suite, scripting library, OpenDocument and legacy Excel: the same teams.
TEST(WorkbookReader, EveryProducerGivesTheSameLists) {
    for (const char* name : {"Vorlauf_office.xlsx", "Vorlauf_script.xlsx", "Vorlauf.ods", "Vorlauf.xls"}) {
        SCOPED_TRACE(name);
        const WorkbookSheets read = ReadWorkbook(Fixture(name), kGerman);
        ASSERT_TRUE(read.ok()) << read.error.toStdString();
        EXPECT_EQ(read.sheetCount, 5);
        EXPECT_EQ(read.sheets.size(), 4u); // the fifth sheet is not read
        const ImportedLists lists = ImportLists(read, kColCounts, Fixture(name));
        ASSERT_TRUE(lists.ok());
        const std::vector<ListRows> expected = ExpectedVorlauf();
        ASSERT_EQ(lists.lists.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(lists.lists[i], expected[i]) << "list " << i + 1;
    }
}

TEST(WorkbookReader, DatesComeAsTheLocalesShortDate) {
    const QString date = kGerman.toString(QDate(2026, 6, 13), QLocale::ShortFormat);
    for (const char* name : {"Vorlauf_office.xlsx", "Vorlauf.ods", "Vorlauf.xls"}) {
        const WorkbookSheets read = ReadWorkbook(Fixture(name), kGerman);
        ASSERT_TRUE(read.ok()) << name;
        EXPECT_EQ(read.sheets[0].Cell(0, 1), date) << name;
    }
}

// Saved by LibreOffice, whose number, date and time formats once crashed the
// console on loading: every kind of value comes as the sheet shows it.
TEST(WorkbookReader, LibreOfficeValuesComeAsShown) {
    const WorkbookSheets read = ReadWorkbook(Fixture("Formate.ods"), kGerman);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const SheetCells& s = read.sheets.at(0);
    std::map<QString, QStringList> shown; // label in column A -> the cells beside it
    for (const auto& [row, cols] : s.rows)
        for (const auto& [col, text] : cols)
            if (col > 0) shown[s.Cell(row, 0)] << text;
    const QString date = kGerman.toString(QDate(2026, 6, 13), QLocale::ShortFormat);
    const std::map<QString, QStringList> expected{
        {"Zahl 0.00", {"21,5"}},
        {"Prozent", {"0,125"}},
        {QString::fromUtf8("Währung"), {"12,5"}},
        {"Datum", {date}},
        {"Datum mit Uhrzeit", {date + " 09:30"}},
        // Time formats that show seconds are run times, in seconds.
        {"Uhrzeit", {"34200,00"}},
        {"Uhrzeit mit Sekunden", {"83,00"}},
        {"Dauer", {"91800,00"}},
        {"Laufzeit", {"21,50"}},
        {"Formel", {"43"}},
        {"Textformel", {"Bahn 1"}},
        {"Klasse", {"A", "A", "A"}}, // one cell repeated over three columns
        {QString::fromUtf8("Zwei Absätze"), {QString::fromUtf8("Löschzug\nNord")}},
        {"Leerzeichen", {"a  b"}},
        {"Art", {"Wert"}},
    };
    EXPECT_EQ(shown, expected);
}

// The console's own export, opened and saved again by LibreOffice, loads as
// the lists it was made from, with the protocol's times.
TEST(WorkbookReader, ExportSavedByLibreOfficeGivesTheListsBack) {
    const WorkbookSheets saved = ReadWorkbook(Fixture("Vorlauf_export.ods"), kGerman);
    ASSERT_TRUE(saved.ok()) << saved.error.toStdString();
    const ImportedLists lists = ImportLists(saved, kColCounts, Fixture("Vorlauf_export.ods"));
    const WorkbookSheets example = ReadWorkbook(QStringLiteral(ZN_EXAMPLES_DIR "/Vorlauf.xlsx"), kGerman);
    const ImportedLists original = ImportLists(example, kColCounts, QStringLiteral("Vorlauf.xlsx"));
    ASSERT_TRUE(lists.ok() && original.ok());
    ASSERT_EQ(lists.lists.size(), 4u);
    EXPECT_EQ(lists.lists[0], original.lists[0]);
    ListRows protocol = original.lists[1];
    protocol[1] = protocol[1].mid(0, 4) + QStringList{"21,50", "0", "21,50", "22,25", "5", "27,25", "21,50"};
    protocol[2] = protocol[2].mid(0, 4) + QStringList{"19,80", "0", "19,80", "", "", "", "19,80"};
    EXPECT_EQ(lists.lists[1], protocol);
}

TEST(WorkbookReader, NumbersAsTheLocaleWritesThem) {
    EXPECT_EQ(NumberText(21.5, kGerman), "21,5");
    EXPECT_EQ(NumberText(1234567, kGerman), "1234567"); // no thousands dot
    EXPECT_EQ(NumberText(0.1 + 0.2, kGerman), "0,3");
    EXPECT_EQ(NumberText(21.5, QLocale::c()), "21.5");
}

TEST_F(WorkbookFiles, XlsxCellKindsAndPositions) {
    const QString path = dir.filePath("kinds.xlsx");
    // Cells without a position follow the one before; rows too.
    WriteSheetXlsx(path,
                   "<row r=\"1\"><c r=\"A1\" t=\"b\"><v>1</v></c><c t=\"b\"><v>0</v></c>"
                   "<c t=\"e\"><v>#DIV/0!</v></c><c t=\"inlineStr\"><is><r><t>Lösch</t></r><r><t>zug</t></r>"
                   "</is></c></row><row><c><v>-3</v></c>"
                   "<c t=\"inlineStr\"><is><t>FF Nord_x000D_\n_x005F_x0041_ _x00C4_</t></is></c></row>");
    const WorkbookSheets read = ReadWorkbook(path, kGerman);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const SheetCells& s = read.sheets[0];
    EXPECT_EQ(s.Cell(0, 0), "WAHR");
    EXPECT_EQ(s.Cell(0, 1), "FALSCH");
    EXPECT_EQ(s.Cell(0, 2), "#DIV/0!");
    EXPECT_EQ(s.Cell(0, 3), "Löschzug");
    EXPECT_EQ(s.Cell(1, 0), "-3");
    // Excel's escapes decoded; the line break typed into the cell is a blank.
    EXPECT_EQ(s.Cell(1, 1), "FF Nord  _x0041_ Ä");
}

// Broken files give the message and no lists; the sanitizers watch for the rest.
TEST_F(WorkbookFiles, BrokenFilesAreRefusedWithTheirName) {
    const QByteArray office = Bytes(Fixture("Vorlauf_office.xlsx"));
    ASSERT_FALSE(office.isEmpty());
    QByteArray noise(4096, '\0');
    QRandomGenerator random(8);
    for (char& b : noise)
        b = static_cast<char>(random.bounded(256));

    ExpectRefused(Write("leer.xlsx", QByteArray()));
    ExpectRefused(Write("abgeschnitten.xlsx", office.left(office.size() / 2)));
    ExpectRefused(Write("zufall.xls", noise));
    ExpectRefused(Write("notiz.xlsx", "Mannschaften: siehe Aushang\n"));
    ExpectRefused(Write("kopf.ods", "PK\x03\x04 kein Paket"));
    ExpectRefused(Write("alt.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + noise));
    ExpectRefused(dir.filePath("fehlt.xlsx"));

    // A zip package without a workbook in it.
    const QString other = dir.filePath("archiv.xlsx");
    WriteZip(other, {{"liesmich.txt", "Hallo"}});
    ExpectRefused(other);
}

// An .xlsx saved with a password is a compound file holding the encrypted package.
TEST_F(WorkbookFiles, PasswordProtectedWorkbookSaysSo) {
    const QByteArray header("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const QByteArray name("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32);
    const QString path =
        Write("geschuetzt.xlsx", header + QByteArray(1000, '\0') + name + QByteArray(1000, '\0'));
    ExpectRefused(path);
    EXPECT_TRUE(ReadWorkbook(path, kGerman).error.contains("Kennwort"));
}

TEST_F(WorkbookFiles, FiftyMegabytesOfJunkAreRefusedAtOnce) {
    QByteArray junk(50 * 1024 * 1024, 'x');
    junk.replace(0, 4, "PK\x05\x06"); // looks like a zip from the front
    ExpectRefused(Write("gross.xlsx", junk));
}

// A sheet whose cells all point at texts that are missing loaded nothing: that
// is a damaged file, not a workbook with empty lists.
TEST_F(WorkbookFiles, CellsThatLoadAsNothingAreAnError) {
    const QString path = dir.filePath("verweise.xlsx");
    WriteSheetXlsx(path,
                   "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>7</v></c></row>");
    ExpectRefused(path);
}

TEST_F(WorkbookFiles, HundredThousandRowsAreRefused) {
    QByteArray rows;
    rows.reserve(100000 * 40);
    for (int r = 1; r <= 100000; ++r)
        rows += "<row r=\"" + QByteArray::number(r) + "\"><c><v>" + QByteArray::number(r) + "</v></c></row>";
    const QString path = dir.filePath("lang.xlsx");
    WriteSheetXlsx(path, rows);
    const WorkbookSheets read = ReadWorkbook(path, kGerman);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const ImportedLists lists = ImportLists(read, kColCounts, path);
    EXPECT_FALSE(lists.ok());
    EXPECT_TRUE(lists.error.contains("lang.xlsx"));
    EXPECT_TRUE(lists.lists.empty());
}

// Sheets with nothing in them would empty every list mid-competition.
TEST_F(WorkbookFiles, AWorkbookOfEmptySheetsIsRefused) {
    const QString path = dir.filePath("leer.xlsx");
    WriteSheetXlsx(path, "<row r=\"1\"/><row r=\"2\"/>");
    ExpectRefused(path);
    const QString error = ReadWorkbook(path, kGerman).error;
    EXPECT_TRUE(error.contains("Die ersten Tabellen der Arbeitsmappe sind leer.")) << error.toStdString();
}

// Repeat counts stand for the cells they repeat, but never walk a sheet past
// its limits: a filled row repeated 20,000 times goes beyond the row limit,
// and a cell repeated a billion times across fills the kept columns only.
TEST_F(WorkbookFiles, OdsRepeatsStopAtTheLimits) {
    const QString path = dir.filePath("lang.ods");
    WriteZip(path,
             {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
              {"content.xml",
               "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
               "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
               "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
               "<office:spreadsheet><table:table><table:table-row table:number-rows-repeated=\"2\">"
               "<table:covered-table-cell/><table:table-cell table:number-columns-repeated=\"1000000000\" "
               "office:value-type=\"float\" office:value=\"7\"><text:p>7</text:p></table:table-cell>"
               "</table:table-row><table:table-row table:number-rows-repeated=\"20000\"><table:table-cell "
               "office:value-type=\"string\"><text:p>A</text:p></table:table-cell></table:table-row>"
               "</table:table></office:spreadsheet></office:body></office:document-content>"}});
    const WorkbookSheets read = ReadWorkbook(path, kGerman);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const SheetCells& s = read.sheets.at(0);
    EXPECT_TRUE(s.beyondRowLimit);
    ASSERT_EQ(s.rows.size(), size_t(kMaxWorkbookRows));
    for (int r : {0, 1})
        EXPECT_EQ(s.rows.at(r).size(), size_t(kMaxWorkbookCols - 1)) << r; // column A is covered
    EXPECT_EQ(s.Cell(1, kMaxWorkbookCols - 1), "7");
    EXPECT_EQ(s.Cell(2, 0), "A");
    EXPECT_EQ(s.Cell(kMaxWorkbookRows - 1, 0), "A");
}

// The lists are taken by their sheet names wherever the sheets stand: a hidden
// helper sheet in front and a reordered workbook give the right lists, and the
// operator is told that names and order disagree. Without the names a hidden
// sheet is passed over.
TEST_F(WorkbookFiles, ListSheetsAreTakenByTheirNames) {
    const QString named = dir.filePath("namen.xlsx");
    WriteXlsx(named, {{"Hilfe", "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Hilfe</t></is></c></row>",
                       "hidden"},
                      {"Zeitenprotokoll", "<row r=\"3\"><c r=\"A3\"><v>7</v></c></row>"},
                      {"Mannschafts-Datenbank", "<row r=\"3\"><c r=\"A3\"><v>1</v></c></row>"}});
    const WorkbookSheets read = ReadWorkbook(named, kGerman);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.sheetCount, 3);
    ASSERT_EQ(read.sheets.size(), 2u);
    EXPECT_EQ(read.sheets[0].Cell(2, 0), "1");
    EXPECT_EQ(read.sheets[1].Cell(2, 0), "7");
    EXPECT_EQ(read.note, " Tabellen nach ihren Namen geladen, nicht nach ihrer Reihenfolge: "
                         "Mannschafts-Datenbank aus Tabelle 3, Zeitenprotokoll aus Tabelle 2");

    // An .ods hides a sheet by its table style.
    const QString unnamed = dir.filePath("versteckt.ods");
    const auto table = [](const char* name, const char* style, const char* text) {
        return QByteArray("<table:table table:name=\"") + name + "\" table:style-name=\"" + style +
               "\"><table:table-row><table:table-cell office:value-type=\"string\"><text:p>" + text +
               "</text:p></table:table-cell></table:table-row></table:table>";
    };
    WriteOds(unnamed,
             "<style:style style:name=\"ta1\" style:family=\"table\"><style:table-properties "
             "table:display=\"true\"/>"
             "</style:style><style:style style:name=\"ta2\" style:family=\"table\"><style:table-properties "
             "table:display=\"false\"/></style:style>",
             table("Hilfe", "ta2", "Hilfe") + table("Tabelle1", "ta1", "Nr.") +
                 table("Tabelle2", "ta1", "Platz"));
    const WorkbookSheets ods = ReadWorkbook(unnamed, kGerman);
    ASSERT_TRUE(ods.ok()) << ods.error.toStdString();
    ASSERT_EQ(ods.sheets.size(), 2u);
    EXPECT_EQ(ods.sheets[0].Cell(0, 0), "Nr.");
    EXPECT_EQ(ods.sheets[1].Cell(0, 0), "Platz");
    EXPECT_EQ(ods.note, QString());
}

// A run time kept as a fraction of a day comes as seconds with hundredths
// whenever its format shows seconds or counts elapsed time; a clock time
// without seconds stays one.
TEST_F(WorkbookFiles, TimeFormattedCellsComeAsSecondsWithHundredths) {
    const QString xlsx = dir.filePath("zeiten.xlsx");
    const QByteArray fraction = "0.000755208333333333"; // 1:05,25
    WriteXlsx(
        xlsx,
        {{"Zeiten", "<row r=\"1\"><c s=\"1\"><v>" + fraction +
                        "</v></c><c s=\"2\"><v>0.000248842592592593</v></c>"
                        "<c s=\"3\"><v>0.395833333333333</v></c><c s=\"4\"><v>" +
                        fraction +
                        "</v></c>"
                        "<c s=\"5\"><v>1.0625</v></c><c s=\"6\"><v>0.5</v></c></row>"}},
        "<numFmts><numFmt numFmtId=\"165\" formatCode=\"[mm]:ss.00\"/><numFmt numFmtId=\"166\" "
        "formatCode=\"h:mm:ss.00\"/><numFmt numFmtId=\"167\" formatCode=\"hh:mm\"/><numFmt numFmtId=\"168\" "
        "formatCode=\"[h]:mm\"/></numFmts><cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"165\"/>"
        "<xf numFmtId=\"166\"/><xf numFmtId=\"167\"/><xf numFmtId=\"21\"/><xf numFmtId=\"168\"/>"
        "<xf numFmtId=\"20\"/></cellXfs>");
    const WorkbookSheets read = ReadWorkbook(xlsx, kGerman);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const std::map<int, QString> xlsxRow{{0, "65,25"}, {1, "21,50"},    {2, "09:30"},
                                         {3, "65,25"}, {4, "91800,00"}, {5, "12:00"}};
    EXPECT_EQ(read.sheets.at(0).rows.at(0), xlsxRow);

    // In an .ods a time cell takes its format from its style or its column's;
    // a number with a time format is a fraction of a day as in .xlsx.
    const QString ods = dir.filePath("zeiten.ods");
    WriteOds(
        ods,
        "<number:time-style style:name=\"N1\"><number:minutes/><number:text>:</number:text><number:seconds "
        "number:decimal-places=\"2\"/></number:time-style><number:time-style "
        "style:name=\"N2\"><number:hours/>"
        "<number:text>:</number:text><number:minutes/></number:time-style><style:style style:name=\"ce1\" "
        "style:family=\"table-cell\" style:data-style-name=\"N1\"/><style:style style:name=\"ce2\" "
        "style:family=\"table-cell\" style:data-style-name=\"N2\"/>",
        "<table:table table:name=\"Zeiten\"><table:table-column table:default-cell-style-name=\"ce1\"/>"
        "<table:table-column table:number-columns-repeated=\"3\"/><table:table-row><table:table-cell "
        "office:value-type=\"time\" office:time-value=\"PT00H01M05.25S\"/><table:table-cell "
        "table:style-name=\"ce2\" office:value-type=\"time\" office:time-value=\"PT09H30M00S\"/>"
        "<table:table-cell table:style-name=\"ce1\" office:value-type=\"float\" office:value=\"" +
            fraction +
            "\"/><table:table-cell office:value-type=\"time\" office:time-value=\"PT00H00M21.5S\"/>"
            "</table:table-row></table:table>");
    const WorkbookSheets fromOds = ReadWorkbook(ods, kGerman);
    ASSERT_TRUE(fromOds.ok()) << fromOds.error.toStdString();
    const std::map<int, QString> odsRow{{0, "65,25"}, {1, "09:30"}, {2, "65,25"}, {3, "21,50"}};
    EXPECT_EQ(fromOds.sheets.at(0).rows.at(0), odsRow);

    // The .xls library gives time cells in whole seconds only: the note says so.
    const WorkbookSheets xls = ReadWorkbook(Fixture("Zeiten.xls"), kGerman);
    ASSERT_TRUE(xls.ok()) << xls.error.toStdString();
    EXPECT_EQ(xls.sheets.at(0).Cell(0, 0), "65,00");
    EXPECT_EQ(xls.sheets.at(0).Cell(0, 3), "20,005");
    EXPECT_TRUE(xls.note.contains("ganze Sekunden")) << xls.note.toStdString();
}

// A workbook written by a script and never opened in a spreadsheet program
// keeps formulas without results. Where a list takes such a cell, the load is
// refused with the reason; elsewhere the formula does not matter.
TEST_F(WorkbookFiles, FormulasWithoutStoredValuesAreRefusedWhereAListTakesThem) {
    const auto load = [&](const char* name, const QByteArray& rows) {
        const QString path = dir.filePath(name);
        WriteSheetXlsx(path, "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>Nr.</t></is></c></row>"
                             "<row r=\"3\"><c r=\"A3\"><v>1</v></c><c r=\"E3\"><v>21.5</v></c></row>" +
                                 rows);
        const WorkbookSheets read = ReadWorkbook(path, kGerman);
        return read.ok() ? CompetitionOfWorkbook(read, kColCounts, path, u',')
                         : LoadedCompetition{read.error, {}, {}};
    };
    const QString reason = UnevaluatedFormulasReason();
    EXPECT_EQ(reason,
              "Formeln ohne gespeicherte Werte – bitte in der Tabellenkalkulation öffnen und speichern");
    const LoadedCompetition noValue = load("ohne.xlsx", "<row r=\"4\"><c r=\"A4\"><f>A3+1</f></c></row>");
    EXPECT_TRUE(noValue.error.contains(reason)) << noValue.error.toStdString();
    EXPECT_TRUE(noValue.error.contains("ohne.xlsx"));
    // openpyxl writes an empty <v/> beside the formula.
    EXPECT_FALSE(load("leer.xlsx", "<row r=\"3\"><c r=\"G3\"><f>E3+F3</f><v/></c></row>").ok());
    // An empty text result is a result; a formula right of the list's 11
    // columns or below its end is not taken.
    EXPECT_TRUE(load("text.xlsx", "<row r=\"3\"><c r=\"B3\" t=\"str\"><f>\"\"</f><v></v></c></row>").ok());
    EXPECT_TRUE(load("rechts.xlsx", "<row r=\"3\"><c r=\"L3\"><f>E3*2</f></c></row>").ok());
    EXPECT_TRUE(load("unten.xlsx", "<row r=\"7\"><c r=\"B7\"><f>SUM(E3:E5)</f></c></row>").ok());

    const QString ods = dir.filePath("formel.ods");
    WriteOds(ods, {},
             "<table:table table:name=\"Mannschafts-Datenbank\"><table:table-row/><table:table-row>"
             "<table:table-cell office:value-type=\"string\"><text:p>Nr.</text:p></table:table-cell>"
             "</table:table-row><table:table-row><table:table-cell table:formula=\"of:=ROW()-2\"/>"
             "</table:table-row></table:table>");
    const WorkbookSheets read = ReadWorkbook(ods, kGerman);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_TRUE(CompetitionOfWorkbook(read, kColCounts, ods, u',').error.contains(reason));
}

// Saved with a password by LibreOffice: the .ods and the .xls say so, as the
// .xlsx does, in German and without a library's code.
TEST(WorkbookReader, PasswordProtectedOdsAndXlsSaySo) {
    for (const char* name : {"Kennwort.ods", "Kennwort.xls"}) {
        const WorkbookSheets read = ReadWorkbook(Fixture(name), kGerman);
        EXPECT_TRUE(read.error.endsWith("Die Arbeitsmappe ist mit einem Kennwort geschützt."))
            << name << ": " << read.error.toStdString();
    }
}
