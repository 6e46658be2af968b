// .xlsx read straight from the package: office suites and scripting libraries
// write it differently (shared or inline strings, relative or absolute part
// names, with or without namespace prefixes), and all of them must give the
// same cells.
#include "documents/workbook_formats.h"
#include "documents/xml_local_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>

#include <pugixml.hpp>
#include <string_view>
#include <vector>

namespace zn::workbook {

namespace {

// A time that shows seconds or counts elapsed time is a run time (a lane's
// "0:00:21,50", a column formatted "mm:ss,00" or "[h]:mm"); a time without
// them ("hh:mm") is a clock time.
enum class DateKind { None, Date, ClockTime, RunTime, DateTime };

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Excel writes characters XML cannot carry as "_xHHHH_" ("FF Nord_x000D_"
// for a line break typed into the cell; "_x005F_" for an underscore that would
// start such an escape). Decoded, and every control character (escaped or
// not) becomes a blank: a list cell is one line.
QString Unescaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_') {
            bool ok = false;
            const uint code = text.mid(i + 2, 4).toUInt(&ok, 16);
            if (ok) {
                out += code < 0x20 ? QChar(u' ') : QChar(static_cast<char16_t>(code));
                i += 6;
                continue;
            }
        }
        out += text[i].unicode() < 0x20 ? QChar(u' ') : text[i];
    }
    return out;
}

// The text of a string item: its <t> and the <t> of its runs, not the
// phonetic reading (<rPh>) of East Asian texts. Runs do not nest.
QString ItemText(pugi::xml_node item) {
    QString text;
    for (pugi::xml_node c = item.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element) continue;
        const std::string_view name = Local(c.name());
        if (name == "t") {
            text += Text(c.child_value());
        } else if (name == "r") {
            EachChild(c, "t", [&](pugi::xml_node t) { text += Text(t.child_value()); });
        }
    }
    return Unescaped(text);
}

class Package {
public:
    explicit Package(ZipPackage& zip) : zip_(zip) {}

    QString Parse(const QString& part, pugi::xml_document& doc) {
        QByteArray bytes;
        if (QString reason = zip_.Read(part, bytes); !reason.isEmpty()) return reason;
        buffers_.push_back(std::move(bytes));
        const pugi::xml_parse_result parsed =
            doc.load_buffer_inplace(buffers_.back().data(), static_cast<size_t>(buffers_.back().size()),
                                    pugi::parse_default | pugi::parse_ws_pcdata_single);
        if (!parsed)
            return QCoreApplication::translate("WorkbookReader", "Der Teil „%1“ ist kein gültiges XML (%2).")
                .arg(part, QString::fromLatin1(parsed.description()));
        return {};
    }

    // Target -> type of the relationships of `part` ("xl/workbook.xml" has
    // them in "xl/_rels/workbook.xml.rels"); targets are resolved to part
    // names, whether written relative to the part's folder or absolute.
    struct Relation {
        QString type;
        QString target;
    };
    QHash<QString, Relation> Relations(const QString& part) {
        QHash<QString, Relation> out;
        const int slash = part.lastIndexOf(u'/');
        const QString folder = slash < 0 ? QString() : part.left(slash + 1);
        const QString relsPart =
            folder + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
        if (!zip_.Has(relsPart)) return out;
        pugi::xml_document doc;
        if (!Parse(relsPart, doc).isEmpty()) return out;
        EachChild(doc.document_element(), "Relationship", [&](pugi::xml_node rel) {
            if (Text(Attr(rel, "TargetMode").value()) == QStringLiteral("External")) return;
            QString target = Text(Attr(rel, "Target").value()).replace(u'\\', u'/');
            target = target.startsWith(u'/') ? target.mid(1) : folder + target;
            out.insert(Text(Attr(rel, "Id").value()),
                       {Text(Attr(rel, "Type").value()), QDir::cleanPath(target)});
        });
        return out;
    }

private:
    ZipPackage& zip_;
    std::vector<QByteArray> buffers_; // the documents point into these
};

DateKind KindOfCode(const QString& code) {
    // Quoted texts, [colour] and [$-407] sections and escaped characters say
    // nothing about dates; [h], [mm] and [ss] are elapsed hours, minutes and
    // seconds ("[mm]:ss.00", "[h]:mm").
    QString plain;
    bool elapsed = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == u'"') {
            const qsizetype end = code.indexOf(u'"', i + 1);
            i = end < 0 ? code.size() : end;
        } else if (c == u'[') {
            const qsizetype end = code.indexOf(u']', i + 1);
            const QString inside = code.mid(i + 1, end < 0 ? -1 : end - i - 1).toLower();
            if (!inside.isEmpty() &&
                inside.count(u'h') + inside.count(u'm') + inside.count(u's') == inside.size()) {
                plain += inside;
                elapsed = true;
            }
            i = end < 0 ? code.size() : end;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else {
            plain += c.toLower();
        }
    }
    if (plain.contains(QStringLiteral("general"))) return DateKind::None;
    const bool date = plain.contains(u'y') || plain.contains(u'd');
    const bool seconds = plain.contains(u's');
    const bool time = elapsed || seconds || plain.contains(u'h');
    // "m" alone is a month ("mm.yyyy"); beside hours or seconds a minute.
    const bool month = plain.contains(u'm') && !time;
    if ((date || month) && time) return DateKind::DateTime;
    if (date || month) return DateKind::Date;
    if (!time) return DateKind::None;
    // "[h]:mm" counts on past a day: a duration, no time of day.
    return seconds || elapsed ? DateKind::RunTime : DateKind::ClockTime;
}

DateKind KindOfBuiltIn(int id) {
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        return DateKind::Date;
    // "h:mm AM/PM", "h:mm" and its East Asian form.
    if (id == 18 || id == 20 || id == 32) return DateKind::ClockTime;
    // With seconds: "h:mm:ss AM/PM", "h:mm:ss", "mm:ss", "[h]:mm:ss", "mmss.0".
    if (id == 19 || id == 21 || id == 33 || (id >= 45 && id <= 47)) return DateKind::RunTime;
    if (id == 22) return DateKind::DateTime;
    return DateKind::None;
}

// The date kind of every cell format (the "s" attribute of a cell).
std::vector<DateKind> CellFormatKinds(Package& package, const QString& stylesPart) {
    std::vector<DateKind> kinds;
    pugi::xml_document doc;
    if (stylesPart.isEmpty() || !package.Parse(stylesPart, doc).isEmpty()) return kinds;
    const pugi::xml_node root = doc.document_element();
    QHash<int, DateKind> custom;
    EachChild(Child(root, "numFmts"), "numFmt", [&](pugi::xml_node f) {
        custom.insert(Attr(f, "numFmtId").as_int(), KindOfCode(Text(Attr(f, "formatCode").value())));
    });
    EachChild(Child(root, "cellXfs"), "xf", [&](pugi::xml_node xf) {
        const int id = Attr(xf, "numFmtId").as_int();
        kinds.push_back(custom.contains(id) ? custom.value(id) : KindOfBuiltIn(id));
    });
    return kinds;
}

// "BC12" -> row 11, column 54; false for anything else.
bool ParseRef(const char* ref, int& row, int& col) {
    int c = 0;
    int r = 0;
    const char* p = ref;
    for (; *p >= 'A' && *p <= 'Z'; ++p) {
        c = c * 26 + (*p - 'A' + 1);
        if (c > 16384) return false;
    }
    if (p == ref) return false;
    for (const char* d = p; *d; ++d) {
        if (*d < '0' || *d > '9') return false;
        r = r * 10 + (*d - '0');
        if (r > 1048576) return false;
    }
    if (r == 0) return false;
    row = r - 1;
    col = c - 1;
    return true;
}

struct SheetContext {
    const std::vector<QString>& strings;
    const std::vector<DateKind>& formats;
    bool from1904 = false;
    const QLocale& locale;
};

// The cell's value as the sheet shows it; `hasValue` tells an empty string
// apart from no value at all.
QString CellText(pugi::xml_node c, const SheetContext& cx, bool& hasValue) {
    const std::string_view type = Attr(c, "t").value();
    if (type == "inlineStr") {
        const pugi::xml_node is = Child(c, "is");
        hasValue = bool(is);
        return ItemText(is);
    }
    const pugi::xml_node v = Child(c, "v");
    hasValue = bool(v);
    if (!v) return {};
    const char* raw = v.child_value();
    if (type == "s") {
        const long index = std::strtol(raw, nullptr, 10);
        return index >= 0 && static_cast<size_t>(index) < cx.strings.size()
                   ? cx.strings[static_cast<size_t>(index)]
                   : QString();
    }
    if (type == "str") return Unescaped(Text(raw));
    if (type == "e") return Text(raw);
    if (type == "b") {
        return BoolText(std::string_view(raw) == "1" || std::string_view(raw) == "true", cx.locale);
    }
    if (type == "d") {
        const QDateTime at = QDateTime::fromString(Text(raw), Qt::ISODate);
        return at.isValid() ? cx.locale.toString(at.date(), QLocale::ShortFormat) : Text(raw);
    }
    bool ok = false;
    const double value = Text(raw).trimmed().toDouble(&ok);
    if (!ok) return Text(raw);
    const size_t style = Attr(c, "s").as_uint();
    const DateKind kind = style < cx.formats.size() ? cx.formats[style] : DateKind::None;
    switch (kind) {
    case DateKind::None:
        return NumberText(value, cx.locale);
    case DateKind::RunTime:
        return SecondsText(value * 86400.0, cx.locale);
    case DateKind::ClockTime:
        return SerialDateText(value, cx.from1904, false, true, cx.locale);
    case DateKind::Date:
    case DateKind::DateTime:
        break;
    }
    return SerialDateText(value, cx.from1904, true, kind == DateKind::DateTime, cx.locale);
}

// A formula a script wrote without its result: no <v>, or an empty one where
// the result is no text (openpyxl writes <f>A1+B1</f><v/>).
bool Unevaluated(pugi::xml_node c) {
    if (!Child(c, "f")) return false;
    const std::string_view type = Attr(c, "t").value();
    if (type == "inlineStr") return !Child(c, "is");
    const pugi::xml_node v = Child(c, "v");
    return !v || (*v.child_value() == '\0' && type != "str");
}

// Rows and cells may leave out their position; they then follow the one before.
void ReadSheet(const pugi::xml_document& doc, const SheetContext& cx, SheetCells& cells, int& valueCells) {
    const pugi::xml_node data = Child(doc.document_element(), "sheetData");
    int row = -1;
    EachChild(data, "row", [&](pugi::xml_node r) {
        const int given = Attr(r, "r").as_int(0);
        row = given > 0 ? given - 1 : row + 1;
        int col = -1;
        EachChild(r, "c", [&](pugi::xml_node c) {
            int cellRow = row;
            int cellCol = col + 1;
            if (const char* ref = Attr(c, "r").value(); *ref) ParseRef(ref, cellRow, cellCol);
            col = cellCol;
            if (Unevaluated(c)) {
                cells.SetUnevaluated(cellRow, cellCol);
                return;
            }
            bool hasValue = false;
            const QString text = CellText(c, cx, hasValue);
            if (hasValue) ++valueCells;
            cells.Set(cellRow, cellCol, text);
        });
    });
}

} // namespace

QString ReadXlsx(const QString& path, const QLocale& locale, WorkbookSheets& out) {
    ZipPackage zip;
    if (QString reason = zip.Open(path); !reason.isEmpty()) return reason;
    Package package(zip);

    QString workbookPart;
    for (const auto& rel : package.Relations(QString()))
        if (rel.type.endsWith(QStringLiteral("/officeDocument"))) workbookPart = rel.target;
    if (workbookPart.isEmpty()) workbookPart = QStringLiteral("xl/workbook.xml");
    pugi::xml_document workbook;
    if (QString reason = package.Parse(workbookPart, workbook); !reason.isEmpty()) return reason;

    const QHash<QString, Package::Relation> relations = package.Relations(workbookPart);
    QString stringsPart;
    QString stylesPart;
    for (const auto& rel : relations) {
        if (rel.type.endsWith(QStringLiteral("/sharedStrings"))) stringsPart = rel.target;
        if (rel.type.endsWith(QStringLiteral("/styles"))) stylesPart = rel.target;
    }

    std::vector<QString> strings;
    if (!stringsPart.isEmpty()) {
        pugi::xml_document doc;
        if (QString reason = package.Parse(stringsPart, doc); !reason.isEmpty()) return reason;
        EachChild(doc.document_element(), "si", [&](pugi::xml_node si) { strings.push_back(ItemText(si)); });
    }
    const std::vector<DateKind> formats = CellFormatKinds(package, stylesPart);

    const pugi::xml_node root = workbook.document_element();
    const std::string_view date1904 = Attr(Child(root, "workbookPr"), "date1904").value();
    const SheetContext cx{strings, formats, date1904 == "1" || date1904 == "true", locale};

    std::vector<QString> sheetParts;
    std::vector<WorkbookTab> tabs;
    EachChild(Child(root, "sheets"), "sheet", [&](pugi::xml_node s) {
        sheetParts.push_back(relations.value(Text(Attr(s, "id").value())).target);
        const std::string_view state = Attr(s, "state").value();
        tabs.push_back({Text(Attr(s, "name").value()), state == "hidden" || state == "veryHidden"});
    });
    const ListSheetChoice choice = StartListSheets(tabs, out);
    int valueCells = 0;
    for (size_t i = 0; i < out.sheets.size(); ++i) {
        const int at = choice.sheet[i];
        if (at < 0) continue;
        const QString part = sheetParts[static_cast<size_t>(at)];
        if (part.isEmpty())
            return QCoreApplication::translate("WorkbookReader",
                                               "Die Tabelle %1 ist im Paket nicht zu finden.")
                .arg(at + 1);
        pugi::xml_document doc;
        if (QString reason = package.Parse(part, doc); !reason.isEmpty()) return reason;
        ReadSheet(doc, cx, out.sheets[i], valueCells);
    }
    return LoadedOrReason(out, valueCells);
}

} // namespace zn::workbook
