#include "documents/workbook_writer.h"

#include "core/result_numbers.h"
#include "core/stages.h"
#include "documents/workbook_writer_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>

namespace zn {

Q_LOGGING_CATEGORY(lcWorkbookWriter, "zn.documents.workbook", QtWarningMsg)

namespace {

// Pixel widths of Calibri 11 at 96 dpi, the font a new workbook shows its
// cells in; characters of one width share a class. The digits are 7 px wide,
// which is also the unit of a column width ("characters").
int CalibriPixels(char16_t c) {
    struct WidthClass {
        const char16_t* chars;
        int px;
    };
    static constexpr WidthClass kClasses[] = {
        {u"W@", 13},
        {u"mM", 12},
        {u"w%", 11},
        {u"NOQ&", 10},
        {u"ADGHUV", 9},
        {u"bdehnopquBCKPRX", 8},
        {u"0123456789agkvxyEFSTYZ#$*+<=>?^_|~", 7},
        {u"cszL\"/\\", 6},
        {u"frtJ!()-[]{}", 5},
        {u"ijlI,.:;`", 4},
        {u"' ", 3},
    };
    for (const WidthClass& wc : kClasses)
        for (const char16_t* p = wc.chars; *p; ++p)
            if (*p == c) return wc.px;
    return 8;
}

double TextPixels(const QString& text, bool bold) {
    double px = 0;
    for (const QChar ch : text) {
        // "Ä" is as wide as "A": measure a letter with its accent by its base.
        const QString base = ch.decomposition();
        px += CalibriPixels(base.isEmpty() ? ch.unicode() : base.at(0).unicode());
    }
    // Bold Calibri runs about a tenth wider.
    return bold ? px * 1.1 : px;
}

// A column as wide as its longest text plus the 7 px Excel leaves around a
// fitted text; an empty column keeps the default width.
uint32_t FittedPixels(const WorkbookSheet& sheet, int col) {
    double px = 0;
    for (int r = 0; r < sheet.rows.size(); ++r)
        px = std::max(px, TextPixels(CellOf(sheet.rows[r], col), r == 0));
    if (px <= 0) return LXW_DEF_COL_WIDTH_PIXELS;
    return static_cast<uint32_t>(std::ceil(px)) + 7;
}

QString LibraryReason(lxw_error error) {
    switch (error) {
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
        return QCoreApplication::translate("WorkbookWriter", "Die Datei kann nicht angelegt werden");
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QCoreApplication::translate("WorkbookWriter", "Nicht genug Arbeitsspeicher");
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return QCoreApplication::translate("WorkbookWriter", "Ein Zelltext ist länger als 32.767 Zeichen");
    case LXW_ERROR_SHEETNAME_LENGTH_EXCEEDED:
    case LXW_ERROR_INVALID_SHEETNAME_CHARACTER:
    case LXW_ERROR_SHEETNAME_ALREADY_USED:
        return QCoreApplication::translate("WorkbookWriter", "Ungültiger Name eines Tabellenblatts");
    default:
        return QCoreApplication::translate("WorkbookWriter", "Fehler beim Schreiben der Arbeitsmappe (%1)")
            .arg(QString::fromUtf8(lxw_strerror(error)));
    }
}

// The four cell formats of a block: header or data row, time column or not.
struct BlockFormats {
    lxw_format* cell = nullptr;
    lxw_format* timeCell = nullptr;
    lxw_format* header = nullptr;
    lxw_format* timeHeader = nullptr;
    lxw_format* timeColumn = nullptr; // the rest of a time column below and beside the block
    lxw_format* title = nullptr;      // the title line above the block

    lxw_format* of(int row, bool time) const {
        if (row == 0) return time ? timeHeader : header;
        return time ? timeCell : cell;
    }
};

// Excel keeps number formats in its file in the notation of the English
// program; "0.00" is what a German one shows as "0,00".
constexpr const char* kTimeFormat = "0.00";

BlockFormats AddFormats(lxw_workbook* wb) {
    BlockFormats f;
    const auto make = [wb](bool header, bool time) {
        lxw_format* fmt = workbook_add_format(wb);
        format_set_border(fmt, header ? LXW_BORDER_MEDIUM : LXW_BORDER_THIN);
        if (header) format_set_bold(fmt);
        if (time) format_set_num_format(fmt, kTimeFormat);
        return fmt;
    };
    f.cell = make(false, false);
    f.timeCell = make(false, true);
    f.header = make(true, false);
    f.timeHeader = make(true, true);
    f.title = workbook_add_format(wb);
    format_set_bold(f.title);
    format_set_font_size(f.title, 14);
    f.timeColumn = workbook_add_format(wb);
    format_set_num_format(f.timeColumn, kTimeFormat);
    return f;
}

// Where list row r goes, so that loading gives the list back. Loading drops
// the first sheet row of the database and the protocol, and the second sheet
// row of the two results. So the first two sheets have a title line in row 1
// and the list from row 2, as in the organiser's workbooks; the results have
// their header in row 1, the title line in row 2 and the rows from row 3.
// With the header and the teams straight below it, loading would lose the
// first team or the first place.
struct SheetRows {
    bool result = false; // sheets 3 and 4
    lxw_row_t title() const { return result ? 1 : 0; }
    lxw_row_t of(int r) const { return static_cast<lxw_row_t>(result && r == 0 ? 0 : r + 1); }
};

lxw_error WriteSheet(lxw_workbook* wb, const WorkbookSheet& sheet, const QString& title,
                     const BlockFormats& formats, SheetRows rows) {
    const QByteArray name = sheet.name.toUtf8();
    lxw_worksheet* ws = workbook_add_worksheet(wb, name.constData());
    if (!ws) return LXW_ERROR_INVALID_SHEETNAME_CHARACTER;
    for (int c = 0; c < sheet.colCount; ++c) {
        const bool time = sheet.timeColumns.contains(c);
        const auto col = static_cast<lxw_col_t>(c);
        const lxw_error e = worksheet_set_column_pixels(ws, col, col, FittedPixels(sheet, c),
                                                        time ? formats.timeColumn : nullptr);
        if (e != LXW_NO_ERROR) return e;
    }
    const QByteArray titleLine =
        (title.isEmpty() ? sheet.name : title + QStringLiteral(" – ") + sheet.name).toUtf8();
    if (const lxw_error e = worksheet_write_string(ws, rows.title(), 0, titleLine.constData(), formats.title);
        e != LXW_NO_ERROR)
        return e;
    for (int r = 0; r < sheet.rows.size(); ++r) {
        for (int c = 0; c < sheet.colCount; ++c) {
            const QString text = CellOf(sheet.rows[r], c);
            const auto col = static_cast<lxw_col_t>(c);
            lxw_format* format = formats.of(r, sheet.timeColumns.contains(c));
            // A number cell holds no decimal separator: "21,50" written here is
            // 21.5 to a spreadsheet and to this console under any locale.
            const std::optional<double> number = r == 0 ? std::nullopt : CellNumber(sheet, c, text);
            const QByteArray utf8 = text.toUtf8();
            const lxw_error e = number
                                    ? worksheet_write_number(ws, rows.of(r), col, *number, format)
                                    : worksheet_write_string(ws, rows.of(r), col, utf8.constData(), format);
            if (e != LXW_NO_ERROR) return e;
        }
    }
    return LXW_NO_ERROR;
}

lxw_error WriteBook(const QString& path, const WorkbookExport& book) {
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook* wb = workbook_new(file.constData());
    if (!wb) return LXW_ERROR_MEMORY_MALLOC_FAILED;
    const BlockFormats formats = AddFormats(wb);
    lxw_error error = LXW_NO_ERROR;
    for (qsizetype i = 0; i < book.sheets.size(); ++i) {
        const WorkbookSheet& sheet = book.sheets[i];
        error = WriteSheet(wb, sheet, book.title, formats, SheetRows{i >= 2});
        if (error != LXW_NO_ERROR) break;
    }
    QByteArray title = book.title.toUtf8();
    QByteArray subject = book.subject.toUtf8();
    QByteArray author = kWorkbookAuthor.toUtf8();
    QByteArray comments = kWorkbookComments.toUtf8();
    lxw_doc_properties properties{};
    properties.title = title.data();
    properties.subject = subject.data();
    properties.author = author.data();
    properties.comments = comments.data();
    if (error == LXW_NO_ERROR) error = workbook_set_properties(wb, &properties);
    // Closing also frees the workbook, so it happens after a failure too.
    const lxw_error closed = workbook_close(wb);
    return error != LXW_NO_ERROR ? error : closed;
}

} // namespace

QList<int> WorkbookTimeColumns(int sheet) {
    if (sheet <= 1) return {pc::Zeit1, pc::Gesamt1, pc::Zeit2, pc::Gesamt2, pc::Bestzeit};
    return {rc::Uebungszeit, rc::Gesamtzeit};
}

QList<int> WorkbookNumberColumns(int sheet) {
    if (sheet <= 1) return {pc::Nr, pc::Fehler1, pc::Fehler2};
    return {rc::Platz, rc::Fehler};
}

bool IsPlainNumber(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9]\\d*)([.,]\\d+)?$"));
    // Longer digit strings are no count or time and lose digits as a number.
    return text.size() <= 15 && plain.match(text).hasMatch();
}

std::optional<double> CellNumber(const WorkbookSheet& sheet, int col, const QString& text) {
    if (sheet.timeColumns.contains(col)) return ParseSeconds(text, u'.');
    if (sheet.numberColumns.contains(col) && IsPlainNumber(text)) return ParseSeconds(text, u'.');
    return std::nullopt;
}

WorkbookExport ListsWorkbook(const std::array<ListRows, 4>& lists, const std::array<int, 4>& colCounts,
                             bool finalEnabled, const QString& title, const QString& subject) {
    WorkbookExport book;
    book.title = title;
    book.subject = subject;
    const int sheets = finalEnabled ? 3 : 4;
    for (int i = 0; i < sheets; ++i) {
        const auto at = static_cast<std::size_t>(i);
        book.sheets.append(
            {ListNames[at], lists[at], colCounts[at], WorkbookTimeColumns(i), WorkbookNumberColumns(i)});
    }
    return book;
}

WriteResult WriteNewWorkbook(const QString& fileName, const WorkbookExport& book) {
    if (const QString problem = TargetFolderProblem(fileName); !problem.isEmpty())
        return {false, WriteErrorText(fileName), problem};
    // The library writes to a file name only; the finished workbook then
    // replaces the target in one step.
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return {false, WriteErrorText(fileName),
                QCoreApplication::translate("WorkbookWriter", "Kein Platz für eine temporäre Datei")};
    const QString built = scratch.filePath(QStringLiteral("book.xlsx"));
    if (const lxw_error error = WriteBook(built, book); error != LXW_NO_ERROR) {
        qCInfo(lcWorkbookWriter) << "building" << fileName << "failed:" << lxw_strerror(error);
        return {false, WriteErrorText(fileName), LibraryReason(error)};
    }
    QString reason;
    const QByteArray bytes = ReadWholeFile(built, &reason);
    if (bytes.isEmpty()) return {false, WriteErrorText(fileName), reason};
    return PlaceDocument(fileName, bytes);
}

} // namespace zn
