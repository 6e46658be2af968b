#include "core/stages.h"
#include "documents/workbook_import.h"
#include "documents/workbook_packages.h"
#include "documents/workbook_reader.h"
#include "documents/workbook_writer.h"
#include "documents/workbook_writer_files.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <xlsxwriter.h>

using namespace zn;

namespace {

pugi::xml_document Part(const QString& file, const QString& part) {
    pugi::xml_document doc;
    QString reason;
    const std::optional<QByteArray> bytes = ReadPackagePart(file, part, &reason);
    EXPECT_TRUE(bytes) << part.toStdString() << ": " << reason.toStdString();
    if (bytes) {
        EXPECT_TRUE(doc.load_buffer(bytes->constData(), static_cast<size_t>(bytes->size())));
    }
    return doc;
}

QString Text(const pugi::xml_node& n) {
    return QString::fromUtf8(n.text().get());
}

// The cells of one sheet as a spreadsheet program sees them: text, number
// format and whether the font is bold, by "A1" reference.
struct CellBack {
    QString text;
    bool isText = false;
    bool isNumber = false; // a value without a text type: no t="s", "inlineStr" or "str"
    double number = 0;
    QString numberFormat;
    bool bold = false;
    QString border; // style of the left border line
};

struct SheetBack {
    QMap<QString, CellBack> cells;
    QMap<int, double> widths; // by column from 1
};

class WorkbookBack {
public:
    explicit WorkbookBack(const QString& file) : file_(file) {
        const pugi::xml_document workbook = Part(file, "xl/workbook.xml");
        for (pugi::xml_node s : workbook.child("workbook").child("sheets").children("sheet"))
            names << QString::fromUtf8(s.attribute("name").value());
        const pugi::xml_document shared = Part(file, "xl/sharedStrings.xml");
        for (pugi::xml_node si : shared.child("sst").children("si"))
            strings_ << Text(si.child("t"));
        const pugi::xml_document styles = Part(file, "xl/styles.xml");
        const pugi::xml_node ss = styles.child("styleSheet");
        QMap<int, QString> formats{{0, "General"}, {2, "0.00"}};
        for (pugi::xml_node f : ss.child("numFmts").children("numFmt"))
            formats[f.attribute("numFmtId").as_int()] = QString::fromUtf8(f.attribute("formatCode").value());
        QList<bool> fontBold;
        for (pugi::xml_node f : ss.child("fonts").children("font"))
            fontBold << !f.child("b").empty();
        QStringList borders;
        for (pugi::xml_node b : ss.child("borders").children("border"))
            borders << QString::fromUtf8(b.child("left").attribute("style").value());
        for (pugi::xml_node xf : ss.child("cellXfs").children("xf"))
            xfs_.append({QString(), false, false, 0, formats.value(xf.attribute("numFmtId").as_int()),
                         fontBold.value(xf.attribute("fontId").as_int()),
                         borders.value(xf.attribute("borderId").as_int())});
    }

    SheetBack Sheet(int i) const {
        SheetBack back;
        const pugi::xml_document doc = Part(file_, QStringLiteral("xl/worksheets/sheet%1.xml").arg(i));
        const pugi::xml_node ws = doc.child("worksheet");
        for (pugi::xml_node col : ws.child("cols").children("col"))
            for (int c = col.attribute("min").as_int(); c <= col.attribute("max").as_int(); ++c)
                back.widths[c] = col.attribute("width").as_double();
        for (pugi::xml_node row : ws.child("sheetData").children("row"))
            for (pugi::xml_node c : row.children("c")) {
                CellBack cell = xfs_.value(c.attribute("s").as_int());
                const QString type = QString::fromUtf8(c.attribute("t").value());
                cell.isText = type == "s" || type == "inlineStr";
                cell.isNumber = (type.isEmpty() || type == "n") && c.child("v");
                cell.number = c.child("v").text().as_double();
                if (type == "s") cell.text = strings_.value(c.child("v").text().as_int());
                if (type == "inlineStr") cell.text = Text(c.child("is").child("t"));
                back.cells[QString::fromUtf8(c.attribute("r").value())] = cell;
            }
        return back;
    }

    QStringList names;

private:
    QString file_;
    QStringList strings_;
    QList<CellBack> xfs_;
};

QStringList ProtocolHeader() {
    return QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end());
}
QStringList ResultHeader() {
    return QStringList(ResultHeaders.begin(), ResultHeaders.end());
}

WorkbookExport Lists(bool finalEnabled) {
    const ListRows teams{ProtocolHeader(),
                         {"7", "Löschzug Süd & Ost", "A", "Q", "21,50", "0", "21,50", "", "", "", "21,50"},
                         {"12", "FF \"Nord\"", "B"}};
    const ListRows results{ResultHeader(), {"1", "Löschzug Süd & Ost", "A", "21,50", "0", "21,50"}};
    return ListsWorkbook({teams, teams, results, results}, {pc::Count, pc::Count, rc::Count, rc::Count},
                         finalEnabled, "Vorlauf Kreis", "Zeitnahme");
}

class WorkbookWriter : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }

    // "Vorlauf.xlsx" holding "alt".
    QString OldFile() {
        const QString file = Path("Vorlauf.xlsx");
        QFile old(file);
        EXPECT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("alt");
        return file;
    }
    // The old file is there as it was, and no temporary file is left behind.
    bool OldKept() const {
        QFile old(Path("Vorlauf.xlsx"));
        return old.open(QIODevice::ReadOnly) && old.readAll() == "alt" &&
               QDir(dir.path()).entryList(QDir::Files | QDir::Hidden) == QStringList{"Vorlauf.xlsx"};
    }
};

} // namespace

TEST_F(WorkbookWriter, SheetsHoldATitleLineAndTheListsFromRowTwoNumbersAsNumbers) {
    const QString file = Path("Vorlauf.xlsx");
    WorkbookExport lists = Lists(false);
    lists.sheets[1].rows.append({"007", "Gast", "1", "", "n.a.", "", "", "30.5", "2", "32.5", "30.5"});
    const WriteResult result = WriteNewWorkbook(file, lists);
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    const WorkbookBack book(file);
    EXPECT_EQ(book.names, QStringList(ListNames.begin(), ListNames.end()));

    const SheetBack protocol = book.Sheet(2);
    EXPECT_EQ(protocol.cells.value("A1").text, "Vorlauf Kreis – Zeitenprotokoll");
    EXPECT_FALSE(protocol.cells.contains("B1"));
    EXPECT_EQ(protocol.cells.value("A2").text, "Nr.");
    EXPECT_EQ(protocol.cells.value("B3").text, "Löschzug Süd & Ost");
    EXPECT_EQ(protocol.cells.value("B4").text, "FF \"Nord\"");
    // Numbers are numbers, whichever separator the list was written with, so
    // that a spreadsheet computes with them; texts stay texts.
    const auto number = [&](const QString& ref) {
        const CellBack cell = protocol.cells.value(ref);
        return cell.isNumber ? QString::number(cell.number) : QStringLiteral("text ") + cell.text;
    };
    EXPECT_EQ(number("A3"), "7");
    EXPECT_EQ(number("E3"), "21.5");
    EXPECT_EQ(number("F3"), "0");
    EXPECT_EQ(number("K3"), "21.5");
    EXPECT_EQ(number("D3"), "text Q");
    EXPECT_EQ(number("A5"), "text 007") << "a number with a leading zero would lose it";
    EXPECT_EQ(number("C5"), "text 1") << "a class is a name";
    EXPECT_EQ(number("E5"), "text n.a.");
    EXPECT_EQ(number("H5"), "30.5");
    EXPECT_EQ(number("I5"), "2");
    EXPECT_EQ(number("J5"), "32.5");
    EXPECT_EQ(number("A2"), "text Nr.");
    // The short row is padded: its empty cells carry the border of the block.
    ASSERT_TRUE(protocol.cells.contains("K4"));
    EXPECT_EQ(protocol.cells.value("K4").border, "thin");
    EXPECT_FALSE(protocol.cells.contains("L2")) << "no cell beyond the list's columns";
    EXPECT_FALSE(protocol.cells.contains("A6")) << "no row beyond the list's rows";

    // A result sheet: header in row 1, the title line in row 2 (which loading
    // drops there), the places from row 3.
    const SheetBack overall = book.Sheet(4);
    EXPECT_EQ(overall.cells.value("F1").text, ResultHeaders[rc::Gesamtzeit]);
    EXPECT_EQ(overall.cells.value("A2").text, "Vorlauf Kreis – Gesamt-Ergebnis");
    EXPECT_EQ(overall.cells.value("B3").text, "Löschzug Süd & Ost");
    EXPECT_TRUE(overall.cells.value("A3").isNumber);
    EXPECT_TRUE(overall.cells.value("E3").isNumber);
    EXPECT_EQ(overall.cells.value("F3").number, 21.5);
    EXPECT_EQ(overall.cells.value("F3").numberFormat, "0.00");
}

TEST_F(WorkbookWriter, TimeColumnsHaveTwoDecimalsHeaderIsBoldWithHeavierBorder) {
    const QString file = Path("Vorlauf.xlsx");
    ASSERT_TRUE(WriteNewWorkbook(file, Lists(false)).ok);
    const WorkbookBack book(file);
    const auto formatted = [](const SheetBack& sheet, int row) {
        QString cols;
        for (char c = 'A'; c <= 'K'; ++c)
            if (sheet.cells.value(QStringLiteral("%1%2").arg(QChar(c)).arg(row)).numberFormat == "0.00")
                cols += c;
        return cols;
    };
    for (int s : {1, 2}) {
        EXPECT_EQ(formatted(book.Sheet(s), 2), "EGHJK") << s;
        EXPECT_EQ(formatted(book.Sheet(s), 3), "EGHJK") << s;
    }
    for (int s : {3, 4})
        EXPECT_EQ(formatted(book.Sheet(s), 3), "DF") << s;

    const SheetBack db = book.Sheet(1);
    EXPECT_TRUE(db.cells.value("B2").bold);
    EXPECT_EQ(db.cells.value("B2").border, "medium");
    EXPECT_FALSE(db.cells.value("B3").bold);
    EXPECT_EQ(db.cells.value("B3").border, "thin");
}

TEST_F(WorkbookWriter, ColumnsAreAsWideAsTheirLongestText) {
    const QString file = Path("breit.xlsx");
    WorkbookExport book = Lists(false);
    book.sheets[0].rows.append(QStringList{"3", "Freiwillige Feuerwehr Großmöllenbeck-Wilhelmshöhe"});
    ASSERT_TRUE(WriteNewWorkbook(file, book).ok);
    const WorkbookBack back(file);
    const SheetBack db = back.Sheet(1);
    const SheetBack protocol = back.Sheet(2);
    // Name column (B) follows its longest name, "Nr." (A) stays narrow.
    EXPECT_GT(db.widths.value(2), protocol.widths.value(2) + 15);
    EXPECT_LT(db.widths.value(1), 6);
    EXPECT_GT(db.widths.value(2), 40);
    EXPECT_LT(db.widths.value(2), 60);
}

TEST_F(WorkbookWriter, FinalWorkbookHasThreeSheetsAndItsProperties) {
    const QString file = Path("Finale.xlsx");
    ASSERT_TRUE(WriteNewWorkbook(file, Lists(true)).ok);
    EXPECT_EQ(WorkbookBack(file).names, QStringList(ListNames.begin(), ListNames.begin() + 3));

    const pugi::xml_document core = Part(file, "docProps/core.xml");
    const pugi::xml_node props = core.first_child();
    EXPECT_EQ(Text(props.child("dc:creator")), "Kronvik Software");
    EXPECT_EQ(Text(props.child("dc:title")), "Vorlauf Kreis");
    EXPECT_EQ(Text(props.child("dc:subject")), "Zeitnahme");
    EXPECT_TRUE(Text(props.child("dc:description")).contains("Kronvik"));
}

TEST_F(WorkbookWriter, FailedWriteLeavesTheOldFileAndSaysWhy) {
    const QString file = OldFile();
    // A cell longer than a spreadsheet cell can hold fails half-way through.
    WorkbookExport tooLong = Lists(false);
    tooLong.sheets[3].rows[1][1] = QString(40000, u'x');
    const WriteResult result = WriteNewWorkbook(file, tooLong);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorText, "Der Schreibfehler der Datei: " + QDir::toNativeSeparators(file));
    EXPECT_TRUE(result.reason.contains("32.767")) << result.reason.toStdString();
    EXPECT_TRUE(OldKept());

    const WriteResult missing = WriteNewWorkbook(Path("fehlt/Vorlauf.xlsx"), Lists(false));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.reason.contains("nicht vorhanden"));
}

TEST_F(WorkbookWriter, ReadOnlyFolderKeepsTheOldFile) {
    const QString file = OldFile();
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const bool rootWritesAnyway = QFileInfo(dir.path()).isWritable();
    const WriteResult denied = WriteNewWorkbook(file, Lists(false));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (rootWritesAnyway) GTEST_SKIP() << "running as root: every folder is writable";
    EXPECT_FALSE(denied.ok);
    EXPECT_TRUE(denied.reason.contains("Schreibrechte")) << denied.reason.toStdString();
    EXPECT_TRUE(OldKept());
}

namespace {

// The organiser's workbook: one sheet with a bold title line, a wide first
// column, a note beside the list, a longer list of last year and a signature
// line below a gap.
QString OrganisersWorkbook(const QString& file) {
    lxw_workbook* wb = workbook_new(QFile::encodeName(file).constData());
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Meldungen");
    lxw_format* bold = workbook_add_format(wb);
    format_set_bold(bold);
    worksheet_set_column(ws, 0, 0, 30, nullptr);
    worksheet_write_string(ws, 0, 0, "Kreisausscheid 2026", bold);
    const char* old[] = {"Nr.", "1", "2", "3", "4", "5"};
    for (int r = 0; r < 6; ++r) {
        worksheet_write_string(ws, static_cast<lxw_row_t>(r + 1), 0, old[r], nullptr);
        worksheet_write_string(ws, static_cast<lxw_row_t>(r + 1), 1, "Altmannschaft", nullptr);
    }
    worksheet_write_string(ws, 4, 12, "Notiz", nullptr);
    worksheet_write_string(ws, 29, 0, "Unterschrift", nullptr);
    EXPECT_EQ(workbook_close(wb), LXW_NO_ERROR);
    return file;
}

} // namespace

TEST_F(WorkbookWriter, IntoAnExistingWorkbookFromRowTwoKeepingEverythingAround) {
    const QString file = OrganisersWorkbook(Path("Vorlauf.xlsx"));
    ASSERT_TRUE(IsXlsxWorkbook(file));
    const WriteResult result = WriteIntoWorkbook(file, Lists(false));
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    const WorkbookBack book(file);
    // The first sheet keeps its name; the missing ones are added.
    EXPECT_EQ(book.names, (QStringList{"Meldungen", ListNames[1], ListNames[2], ListNames[3]}));
    for (const QString& part : PackagePartNames(file)) {
        pugi::xml_document doc;
        const QByteArray bytes = ReadPackagePart(file, part).value_or(QByteArray());
        EXPECT_TRUE(doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size())))
            << part.toStdString();
    }

    const SheetBack teams = book.Sheet(1);
    EXPECT_EQ(teams.cells.value("A1").text, "Kreisausscheid 2026");
    EXPECT_TRUE(teams.cells.value("A1").bold);
    EXPECT_NEAR(teams.widths.value(1), 30, 1);
    EXPECT_EQ(teams.cells.value("A2").text, "Nr.");
    EXPECT_EQ(teams.cells.value("B3").text, "Löschzug Süd & Ost");
    EXPECT_EQ(teams.cells.value("B4").text, "FF \"Nord\"");
    // Last year's longer list is gone below the block; the note beside it and
    // the signature after the gap stay.
    EXPECT_EQ(teams.cells.value("A5").text, "");
    EXPECT_EQ(teams.cells.value("B7").text, "");
    EXPECT_EQ(teams.cells.value("M5").text, "Notiz");
    EXPECT_EQ(teams.cells.value("A30").text, "Unterschrift");

    // What the console reads back: the title line first, then the block.
    const WorkbookSheets read = ReadWorkbook(file, QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.sheets.size(), 4u);
    EXPECT_EQ(read.sheets[0].Cell(1, 1), "Name");
    EXPECT_EQ(read.sheets[1].Cell(2, 10), "21,5") << "a number, shown in the reader's locale";
    EXPECT_EQ(read.sheets[3].Cell(2, 1), "Löschzug Süd & Ost");

    const pugi::xml_document core = Part(file, "docProps/core.xml");
    EXPECT_EQ(Text(core.first_child().child("dc:title")), "Vorlauf Kreis");
    EXPECT_EQ(Text(core.first_child().child("dc:creator")), "Kronvik Software");

    // Written again: the same cells, nothing added twice.
    ASSERT_TRUE(WriteIntoWorkbook(file, Lists(false)).ok);
    EXPECT_EQ(WorkbookBack(file).names.size(), 4);
}

TEST_F(WorkbookWriter, IntoSomethingThatIsNoWorkbookFailsAndLeavesIt) {
    const QString file = OldFile();
    EXPECT_FALSE(IsXlsxWorkbook(file));
    const WriteResult result = WriteIntoWorkbook(file, Lists(false));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_TRUE(OldKept());
}

namespace {

// The lists as a console of this separator shows them: times with its
// separator and two decimals.
ListRows Shown(ListRows rows, const WorkbookSheet& sheet, QChar separator) {
    for (int r = 1; r < rows.size(); ++r) {
        EnsureColumns(rows[r], sheet.colCount);
        for (int c : sheet.timeColumns)
            rows[r][c].replace(u',', separator);
    }
    EnsureColumns(rows[0], sheet.colCount);
    return rows;
}

} // namespace

// Written by a German console, loaded by a German one or one with a decimal
// point: every list comes back, its times as times of the loading console,
// and a qualified team without a time (no place) is a row like any other.
TEST_F(WorkbookWriter, NewWorkbookLoadsBackAsTheListsUnderEitherLocale) {
    const QString file = Path("Vorlauf Kreis.xlsx");
    WorkbookExport book = Lists(false);
    for (const char* name : {"Ohne Zeit 1", "Ohne Zeit 2", "Ohne Zeit 3"})
        book.sheets[2].rows.append({"", name, "A", "", "", ""});
    ASSERT_TRUE(WriteNewWorkbook(file, book).ok);
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        const QChar separator = locale.decimalPoint().front();
        const LoadedCompetition back = CompetitionOfWorkbook(
            ReadWorkbook(file, locale), {pc::Count, pc::Count, rc::Count, rc::Count}, file, separator);
        ASSERT_TRUE(back.ok()) << back.error.toStdString();
        for (int i = 0; i < 4; ++i) {
            const WorkbookSheet& sheet = book.sheets[i];
            EXPECT_EQ(back.lists[static_cast<std::size_t>(i)], Shown(sheet.rows, sheet, separator))
                << i << " " << locale.name().toStdString();
        }
    }
}

// A shorter list written into the workbook: the older rows below it go,
// also those without a place, so loading gives the list that was written.
TEST_F(WorkbookWriter, IntoTheWorkbookAShorterListLeavesNoOlderRowBehind) {
    const QString file = Path("Vorlauf.xlsx");
    WorkbookExport book = Lists(false);
    for (const char* name : {"Ohne Zeit 1", "Ohne Zeit 2", "Ohne Zeit 3"})
        book.sheets[2].rows.append({"", name, "A", "", "", ""});
    ASSERT_TRUE(WriteNewWorkbook(file, book).ok);
    book.sheets[2].rows.resize(2);
    ASSERT_TRUE(WriteIntoWorkbook(file, book).ok);
    const ImportedLists back =
        ImportLists(ReadWorkbook(file, QLocale::c()), {pc::Count, pc::Count, rc::Count, rc::Count}, file);
    ASSERT_TRUE(back.ok()) << back.error.toStdString();
    EXPECT_EQ(back.lists[2].size(), 2);
}

// The organiser's numbers stay numbers: "Nr." and a class typed as numbers,
// a time cell with the organiser's own format keeps it, one in the general
// format gets "0.00" without losing its font.
TEST_F(WorkbookWriter, IntoTheOrganisersWorkbookNumbersStayNumbers) {
    const QString file = Path("Vorlauf.xlsx");
    lxw_workbook* wb = workbook_new(QFile::encodeName(file).constData());
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Meldungen");
    lxw_format* bold = workbook_add_format(wb);
    format_set_bold(bold);
    lxw_format* thousandths = workbook_add_format(wb);
    format_set_num_format(thousandths, "0.000");
    worksheet_write_string(ws, 1, 0, "Nr.", nullptr);
    worksheet_write_number(ws, 2, 0, 3, nullptr);
    worksheet_write_string(ws, 2, 1, "Alt", nullptr);
    worksheet_write_number(ws, 2, 2, 1, nullptr);
    worksheet_write_number(ws, 2, 4, 20.5, thousandths);
    worksheet_write_number(ws, 2, 6, 20.5, bold);
    ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);

    WorkbookExport book = Lists(false);
    book.sheets[0].rows = {ProtocolHeader(),
                           {"7", "Nord", "1", "", "21,50", "0", "21,50", "", "", "", "21,50"}};
    ASSERT_TRUE(WriteIntoWorkbook(file, book).ok);
    const SheetBack teams = WorkbookBack(file).Sheet(1);
    for (const char* ref : {"A3", "C3", "E3", "G3", "K3"})
        EXPECT_TRUE(teams.cells.value(ref).isNumber) << ref;
    EXPECT_EQ(teams.cells.value("A3").number, 7);
    EXPECT_EQ(teams.cells.value("E3").number, 21.5);
    EXPECT_EQ(teams.cells.value("E3").numberFormat, "0.000");
    EXPECT_EQ(teams.cells.value("G3").numberFormat, "0.00");
    EXPECT_TRUE(teams.cells.value("G3").bold);
    EXPECT_EQ(teams.cells.value("K3").numberFormat, "0.00");
    EXPECT_TRUE(teams.cells.value("B3").isText);
    EXPECT_EQ(teams.cells.value("C3").numberFormat, "General");

    const WorkbookSheets read = ReadWorkbook(file, QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.sheets[0].Cell(2, 0), "7");
    EXPECT_EQ(read.sheets[0].Cell(2, 2), "1");
    EXPECT_EQ(read.sheets[0].Cell(2, 6), "21,5");
}

// The lists go back into the sheets they are loaded from: a hidden helper
// sheet in front keeps its cells, and lists missing are added after the last.
TEST_F(WorkbookWriter, IntoTheSheetsTheListsAreLoadedFrom) {
    const QString file = Path("Helfer.xlsx");
    test::WriteXlsx(file, {{"Hilfe", "<row r=\"1\"><c r=\"A1\"><v>42</v></c></row>", "hidden"},
                           {ListNames[0].toUtf8(), {}},
                           {ListNames[1].toUtf8(), {}}});
    const WriteResult result = WriteIntoWorkbook(file, Lists(false));
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    QStringList names;
    const pugi::xml_document workbook = Part(file, "xl/workbook.xml");
    for (pugi::xml_node sheet : workbook.child("workbook").child("sheets").children("sheet"))
        names << QString::fromUtf8(sheet.attribute("name").value());
    EXPECT_EQ(names, (QStringList{"Hilfe", ListNames[0], ListNames[1], ListNames[2], ListNames[3]}));
    EXPECT_FALSE(
        ReadPackagePart(file, "xl/worksheets/s1.xml").value_or(QByteArray()).contains("<row r=\"2\""));
    const WorkbookSheets read = ReadWorkbook(file, QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.sheets.size(), 4u);
    EXPECT_EQ(read.sheets[0].Cell(2, 1), "Löschzug Süd & Ost");
    EXPECT_EQ(read.sheets[3].Cell(2, 1), "Löschzug Süd & Ost");
}
