#include "core/protocol_row.h"
#include "documents/workbook_import.h"
#include "documents/workbook_reader.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

using namespace zn;

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

// A package of the given parts, for workbooks the fixtures do not cover.
void WriteZip(const QString& path, const std::vector<std::pair<const char*, QByteArray>>& parts) {
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, bytes] : parts) {
        void* copy = malloc(static_cast<size_t>(bytes.size()));
        memcpy(copy, bytes.constData(), static_cast<size_t>(bytes.size()));
        zip_source_t* source = zip_source_buffer(zip, copy, static_cast<zip_uint64_t>(bytes.size()), 1);
        ASSERT_GE(zip_file_add(zip, name, source, ZIP_FL_ENC_UTF_8), 0);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

// The smallest .xlsx: one sheet whose <sheetData> is `rows`.
void WriteSheetXlsx(const QString& path, const QByteArray& rows) {
    const QByteArray main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    WriteZip(path, {{"[Content_Types].xml",
                     "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
                    {"_rels/.rels", "<Relationships><Relationship Id=\"r1\" Type=\"" + rel +
                                        "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
                    {"xl/workbook.xml",
                     "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel +
                         "\"><sheets><sheet name=\"A\" sheetId=\"1\" r:id=\"s1\"/></sheets></workbook>"},
                    {"xl/_rels/workbook.xml.rels",
                     "<Relationships><Relationship Id=\"s1\" Type=\"" + rel +
                         "/worksheet\" Target=\"worksheets/a.xml\"/></Relationships>"},
                    {"xl/worksheets/a.xml",
                     "<worksheet xmlns=\"" + main + "\"><sheetData>" + rows + "</sheetData></worksheet>"}});
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
