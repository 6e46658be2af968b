// .ods read straight from content.xml with pugixml, as the .xlsx reader
// reads its parts. The OpenDocument import of liborcus 0.17 crashed on every
// file LibreOffice saves with a number, date or time format, and even with
// its styles interface served it drops time, percentage and currency cells
// and the text results of formulas: a team list would lose cells without a
// word. Here every value type comes through.
#include "documents/ods_styles.h"
#include "documents/workbook_formats.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace zn::workbook {

namespace {

constexpr const char* kOfficeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr const char* kTableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr const char* kTextNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr const char* kCalcExtNs = "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";

// Element and attribute names with the prefixes this document declares for
// the OpenDocument namespaces ("table:table-row" is "t:table-row" where the
// root says xmlns:t="...:table:1.0"), made once: they are compared at every
// cell.
struct Names {
    explicit Names(pugi::xml_node root) {
        std::string office = "office:";
        std::string table = "table:";
        std::string text = "text:";
        std::string calcext = "calcext:";
        for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute()) {
            const std::string_view name = a.name();
            if (name.substr(0, 6) != "xmlns:") continue;
            const std::string prefix = std::string(name.substr(6)) + ':';
            const std::string_view uri = a.value();
            if (uri == kOfficeNs) office = prefix;
            if (uri == kTableNs) table = prefix;
            if (uri == kTextNs) text = prefix;
            if (uri == kCalcExtNs) calcext = prefix;
        }
        body = office + "body";
        spreadsheet = office + "spreadsheet";
        annotation = office + "annotation";
        valueType = office + "value-type";
        value = office + "value";
        dateValue = office + "date-value";
        timeValue = office + "time-value";
        booleanValue = office + "boolean-value";
        stringValue = office + "string-value";
        sheet = table + "table";
        row = table + "table-row";
        headerRows = table + "table-header-rows";
        rowGroup = table + "table-row-group";
        rows = table + "table-rows";
        cell = table + "table-cell";
        coveredCell = table + "covered-table-cell";
        rowsRepeated = table + "number-rows-repeated";
        columnsRepeated = table + "number-columns-repeated";
        paragraph = text + "p";
        spaces = text + "s";
        spaceCount = text + "c";
        tab = text + "tab";
        lineBreak = text + "line-break";
        note = text + "note";
        extValueType = calcext + "value-type";
        tableName = table + "name";
        styleName = table + "style-name";
        formula = table + "formula";
        column = table + "table-column";
        columns = table + "table-columns";
        columnGroup = table + "table-column-group";
        headerColumns = table + "table-header-columns";
        defaultCellStyle = table + "default-cell-style-name";
    }
    std::string body, spreadsheet, annotation, valueType, value, dateValue, timeValue, booleanValue,
        stringValue;
    std::string sheet, row, headerRows, rowGroup, rows, cell, coveredCell, rowsRepeated, columnsRepeated;
    std::string paragraph, spaces, spaceCount, tab, lineBreak, note, extValueType;
    std::string tableName, styleName, formula, column, columns, columnGroup, headerColumns, defaultCellStyle;
};

QString Utf8(const char* s) {
    return QString::fromUtf8(s);
}

// The repeat count of a row or cell: 1 when missing or nonsense, at most the
// 1,048,576 rows a sheet has, so that positions summed over a 64 MB part
// stay far inside 64 bits.
qint64 Repeat(pugi::xml_node node, const std::string& attribute) {
    const long long n = node.attribute(attribute.c_str()).as_llong(1);
    return std::clamp<long long>(n, 1, 1048576);
}

// The text of a paragraph as shown: runs of spaces (<text:s text:c="3"/>),
// tabs and line breaks written out, spans and links followed, notes left out.
void AppendParagraph(pugi::xml_node node, const Names& n, QString& out) {
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) {
            // Line ends in the file are white space; a shown line break is <text:line-break/>.
            out += Utf8(c.value()).replace(u'\n', u' ').replace(u'\r', u' ');
            continue;
        }
        if (c.type() != pugi::node_element) continue;
        const std::string_view name = c.name();
        if (name == n.spaces) {
            const int count = c.attribute(n.spaceCount.c_str()).as_int(1);
            out += QString(std::clamp(count, 1, 1000), u' ');
        } else if (name == n.tab) {
            out += u'\t';
        } else if (name == n.lineBreak) {
            out += u'\n';
        } else if (name != n.annotation && name != n.note) {
            AppendParagraph(c, n, out);
        }
    }
}

QString CellParagraphs(pugi::xml_node cell, const Names& n) {
    QString text;
    bool first = true;
    for (pugi::xml_node p = cell.child(n.paragraph.c_str()); p; p = p.next_sibling(n.paragraph.c_str())) {
        if (!first) text += u'\n';
        first = false;
        AppendParagraph(p, n, text);
    }
    return text;
}

// "PT25H30M00S", "-PT00H00M21.5S", "P1DT2H": seconds; empty for anything
// with years or months, which have no fixed length.
std::optional<double> DurationSeconds(std::string_view s) {
    bool negative = false;
    if (!s.empty() && s.front() == '-') {
        negative = true;
        s.remove_prefix(1);
    }
    if (s.empty() || s.front() != 'P') return {};
    s.remove_prefix(1);
    double ms = 0;
    bool inTime = false;
    bool any = false;
    while (!s.empty()) {
        if (s.front() == 'T') {
            inTime = true;
            s.remove_prefix(1);
            continue;
        }
        size_t used = 0;
        while (used < s.size() && (std::isdigit(static_cast<unsigned char>(s[used])) || s[used] == '.'))
            ++used;
        if (used == 0 || used == s.size()) return {};
        const double value = std::strtod(std::string(s.substr(0, used)).c_str(), nullptr);
        const char unit = s[used];
        s.remove_prefix(used + 1);
        if (!inTime && unit == 'D')
            ms += value * 86400000.0;
        else if (inTime && unit == 'H')
            ms += value * 3600000.0;
        else if (inTime && unit == 'M')
            ms += value * 60000.0;
        else if (inTime && unit == 'S')
            ms += value * 1000.0;
        else
            return {};
        any = true;
    }
    // A century of hours is no time a spreadsheet shows as one.
    if (!any || !std::isfinite(ms) || ms > 3.2e12) return {};
    return (negative ? -ms : ms) / 1000.0;
}

// "2026-06-13" or "2026-06-13T09:30:00.5": the date, and its time when it is
// not midnight; empty when it is no such date.
std::optional<QString> DateValueText(const QString& value, const QLocale& locale) {
    if (!value.contains(u'T')) {
        const QDate date = QDate::fromString(value, Qt::ISODate);
        if (!date.isValid()) return {};
        return locale.toString(date, QLocale::ShortFormat);
    }
    const QDateTime at = QDateTime::fromString(value, Qt::ISODateWithMs);
    if (!at.isValid()) return {};
    QString text = locale.toString(at.date(), QLocale::ShortFormat);
    if (at.time() != QTime(0, 0)) text += u' ' + TimeText(at.time().msecsSinceStartOfDay(), locale);
    return text;
}

struct CellValue {
    bool hasValue = false; // an empty text cell has a value, an unused cell none
    QString text;
    bool unevaluated = false; // a formula without its result
};

// A formula a script wrote without the result a spreadsheet program would
// have stored beside it: no value type, or none of the value its type needs.
bool Unevaluated(pugi::xml_node cell, const Names& n, std::string_view type) {
    if (!cell.attribute(n.formula.c_str())) return false;
    if (type == "float" || type == "percentage" || type == "currency")
        return !cell.attribute(n.value.c_str());
    if (type == "date") return !cell.attribute(n.dateValue.c_str());
    if (type == "time") return !cell.attribute(n.timeValue.c_str());
    if (type == "boolean") return !cell.attribute(n.booleanValue.c_str());
    if (type == "string") return !cell.attribute(n.stringValue.c_str()) && !cell.child(n.paragraph.c_str());
    return true;
}

// A time: as seconds with hundredths when its format shows seconds (or is
// unknown: a list holds run times, not clock times), else as a clock time.
QString TimeValueText(double seconds, OdsTimeStyle style, const QLocale& locale) {
    if (style == OdsTimeStyle::ClockTime) return TimeText(std::llround(seconds * 1000.0), locale);
    return SecondsText(seconds, locale);
}

// The cell's value as the sheet shows it in `locale`; the shown paragraphs
// when the value attribute cannot be read. `style` is the time format of the
// cell's style.
CellValue ReadCell(pugi::xml_node cell, const Names& n, const QLocale& locale, OdsTimeStyle style) {
    const std::string_view type = cell.attribute(n.valueType.c_str()).value();
    if (Unevaluated(cell, n, type)) return {false, {}, true};
    const pugi::xml_node p = cell.child(n.paragraph.c_str());
    if (type.empty()) return {bool(p), CellParagraphs(cell, n)};
    // A formula that failed keeps 0 as its value and shows "#DIV/0!" and the like.
    if (std::string_view(cell.attribute(n.extValueType.c_str()).value()) == "error")
        return {true, CellParagraphs(cell, n)};
    std::optional<QString> text;
    if (type == "float" || type == "percentage" || type == "currency") {
        const pugi::xml_attribute value = cell.attribute(n.value.c_str());
        bool ok = false;
        const double number = Utf8(value.value()).toDouble(&ok);
        // A number with a time format is a fraction of a day, as in .xlsx.
        if (ok && std::isfinite(number))
            text = type == "float" && style != OdsTimeStyle::None
                       ? TimeValueText(number * 86400.0, style, locale)
                       : NumberText(number, locale);
    } else if (type == "date") {
        text = DateValueText(Utf8(cell.attribute(n.dateValue.c_str()).value()), locale);
    } else if (type == "time") {
        if (const auto seconds = DurationSeconds(cell.attribute(n.timeValue.c_str()).value()))
            text = TimeValueText(*seconds, style, locale);
    } else if (type == "boolean") {
        const std::string_view value = cell.attribute(n.booleanValue.c_str()).value();
        if (value == "true" || value == "false") text = BoolText(value == "true", locale);
    } else if (type == "string") {
        // A formula's text result may stand in the attribute instead of the paragraphs.
        if (const pugi::xml_attribute value = cell.attribute(n.stringValue.c_str()))
            text = Utf8(value.value());
    }
    return {true, text ? *text : CellParagraphs(cell, n)};
}

class SheetReader {
public:
    SheetReader(const Names& names, const OdsStyles& styles, const QLocale& locale, SheetCells& cells,
                int& valueCells)
        : n_(names), styles_(styles), locale_(locale), cells_(cells), valueCells_(valueCells) {}

    // Rows may sit in header-row, row-group and rows containers, nested;
    // columns likewise.
    void Rows(pugi::xml_node parent) {
        for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
            const std::string_view name = c.name();
            if (name == n_.row)
                Row(c);
            else if (name == n_.headerRows || name == n_.rowGroup || name == n_.rows)
                Rows(c);
            else if (name == n_.column)
                Column(c);
            else if (name == n_.columns || name == n_.columnGroup || name == n_.headerColumns)
                Rows(c);
        }
    }

private:
    // A cell without a style of its own takes its column's: LibreOffice
    // formats a whole time column this way.
    void Column(pugi::xml_node column) {
        const qint64 span = Repeat(column, n_.columnsRepeated);
        const char* style = column.attribute(n_.defaultCellStyle.c_str()).value();
        for (qint64 c = column_; c < column_ + span && c < kMaxWorkbookCols; ++c)
            columnStyles_[static_cast<size_t>(c)] = style;
        column_ += span;
    }

    OdsTimeStyle TimeStyle(pugi::xml_node cell, qint64 col) const {
        const pugi::xml_attribute own = cell.attribute(n_.styleName.c_str());
        if (own) return styles_.TimeStyleOfCell(own.value());
        const char* column = col < kMaxWorkbookCols ? columnStyles_[static_cast<size_t>(col)] : nullptr;
        return column ? styles_.TimeStyleOfCell(column) : OdsTimeStyle::None;
    }

    // An office suite closes a sheet with a million empty rows of a thousand
    // empty cells, written once with a repeat count: only filled cells are
    // walked, and a filled row repeated past the limit stops at it.
    void Row(pugi::xml_node row) {
        const qint64 repeat = Repeat(row, n_.rowsRepeated);
        qint64 col = 0;
        for (pugi::xml_node cell = row.first_child(); cell; cell = cell.next_sibling()) {
            const std::string_view name = cell.name();
            const bool covered = name == n_.coveredCell;
            if (name != n_.cell && !covered) continue;
            const qint64 span = Repeat(cell, n_.columnsRepeated);
            // The part of a merged cell hidden under its first cell shows nothing.
            const CellValue value = covered ? CellValue{} : ReadCell(cell, n_, locale_, TimeStyle(cell, col));
            if (value.hasValue || value.unevaluated) {
                for (qint64 r = row_; r < row_ + repeat && r <= kMaxWorkbookRows; ++r) {
                    for (qint64 c = col; c < col + span && c < kMaxWorkbookCols; ++c) {
                        if (value.unevaluated) {
                            cells_.SetUnevaluated(static_cast<int>(r), static_cast<int>(c));
                            continue;
                        }
                        ++valueCells_;
                        cells_.Set(static_cast<int>(r), static_cast<int>(c), value.text);
                    }
                }
            }
            col += span;
        }
        row_ += repeat;
    }

    const Names& n_;
    const OdsStyles& styles_;
    const QLocale& locale_;
    SheetCells& cells_;
    int& valueCells_;
    qint64 row_ = 0;
    qint64 column_ = 0;
    std::array<const char*, kMaxWorkbookCols> columnStyles_{};
};

bool Encrypted(const ZipPackage& zip) {
    QByteArray manifest;
    return zip.Has(QStringLiteral("META-INF/manifest.xml")) &&
           zip.Read(QStringLiteral("META-INF/manifest.xml"), manifest).isEmpty() &&
           manifest.contains("encryption-data");
}

} // namespace

QString ReadOds(const QString& path, const QLocale& locale, WorkbookSheets& out) {
    ZipPackage zip;
    if (QString reason = zip.Open(path); !reason.isEmpty()) return reason;
    if (Encrypted(zip))
        return QCoreApplication::translate("WorkbookReader",
                                           "Die Arbeitsmappe ist mit einem Kennwort geschützt.");
    QByteArray content;
    if (QString reason = zip.Read(QStringLiteral("content.xml"), content); !reason.isEmpty()) return reason;
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer_inplace(content.data(), static_cast<size_t>(content.size()),
                                pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!parsed)
        return QCoreApplication::translate("WorkbookReader",
                                           "Der Teil „content.xml“ ist kein gültiges XML (%1).")
            .arg(QString::fromLatin1(parsed.description()));

    const pugi::xml_node root = doc.document_element();
    const Names n(root);
    OdsStyles styles;
    styles.Add(root);
    // styles.xml holds the named cell styles and their formats; without it
    // (a script's package) the automatic styles are all there is.
    QByteArray stylesBytes;
    pugi::xml_document stylesDoc;
    if (zip.Has(QStringLiteral("styles.xml")) &&
        zip.Read(QStringLiteral("styles.xml"), stylesBytes).isEmpty() &&
        stylesDoc.load_buffer_inplace(stylesBytes.data(), static_cast<size_t>(stylesBytes.size())))
        styles.Add(stylesDoc.document_element());

    const pugi::xml_node spreadsheet = root.child(n.body.c_str()).child(n.spreadsheet.c_str());
    std::vector<pugi::xml_node> tables;
    std::vector<WorkbookTab> tabs;
    for (pugi::xml_node table = spreadsheet.child(n.sheet.c_str()); table;
         table = table.next_sibling(n.sheet.c_str())) {
        tables.push_back(table);
        tabs.push_back({Utf8(table.attribute(n.tableName.c_str()).value()),
                        styles.HiddenTable(table.attribute(n.styleName.c_str()).value())});
    }
    const ListSheetChoice choice = StartListSheets(tabs, out);
    int valueCells = 0;
    for (size_t i = 0; i < out.sheets.size(); ++i)
        if (const int at = choice.sheet[i]; at >= 0)
            SheetReader(n, styles, locale, out.sheets[i], valueCells).Rows(tables[static_cast<size_t>(at)]);
    return LoadedOrReason(out, valueCells);
}

} // namespace zn::workbook
