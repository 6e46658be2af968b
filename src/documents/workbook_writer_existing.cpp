// Writing the lists into a workbook that exists: its sheet XML is edited in a
// copy of the package, since the library that makes new workbooks cannot open
// one.
#include "core/list_sheets.h"
#include "core/result_numbers.h"
#include "documents/workbook_writer.h"
#include "documents/workbook_writer_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QMap>
#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn {

Q_LOGGING_CATEGORY(lcWorkbookInto, "zn.documents.workbook.into", QtWarningMsg)

namespace {

constexpr const char* kSheetNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kWorksheetType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
// The block of an opened workbook starts in its second row.
constexpr int kFirstBlockRow = 2;

constexpr unsigned kParse = pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_declaration;

QByteArray Serialise(const pugi::xml_document& doc) {
    return XmlBytes(doc, pugi::format_raw | pugi::format_no_declaration);
}

bool Load(pugi::xml_document& doc, const QByteArray& bytes) {
    return doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), kParse);
}

// The prefix the root binds to a namespace ("" for the default one).
std::string PrefixOf(pugi::xml_node root, const char* ns, const std::string& fallback) {
    for (pugi::xml_attribute a : root.attributes()) {
        if (std::string(a.value()) != ns) continue;
        const std::string name = a.name();
        if (name == "xmlns") return {};
        if (name.rfind("xmlns:", 0) == 0) return name.substr(6);
    }
    return fallback;
}

std::string Qualified(const std::string& prefix, const char* local) {
    return prefix.empty() ? std::string(local) : prefix + ':' + local;
}

// "AB12" -> column 27 (from 1); 0 when there is no column.
int ColumnOfRef(const char* ref) {
    int col = 0;
    for (; *ref >= 'A' && *ref <= 'Z'; ++ref)
        col = col * 26 + (*ref - 'A' + 1);
    return col;
}

std::string ColumnName(int col) {
    std::string name;
    for (; col > 0; col = (col - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (col - 1) % 26));
    return name;
}

// A part's name resolved against the folder of the part that points at it.
QString ResolvePart(const QString& fromFolder, const QString& target) {
    if (target.startsWith(u'/')) return QDir::cleanPath(target.mid(1));
    return QDir::cleanPath(fromFolder.isEmpty() ? target : fromFolder + u'/' + target);
}

QString RelsOf(const QString& part) {
    const QFileInfo info(part);
    const QString folder = info.path() == QStringLiteral(".") ? QString() : info.path() + u'/';
    return folder + QStringLiteral("_rels/") + info.fileName() + QStringLiteral(".rels");
}

QString FolderOf(const QString& part) {
    const QString folder = QFileInfo(part).path();
    return folder == QStringLiteral(".") ? QString() : folder;
}

// Time cells shown in the general format ("21,5") get the format "0.00"
// ("21,50"), as in a new workbook; a format the organiser chose stays. The
// styles part lists the cell formats (cellXfs); a time cell's format is copied
// once with the number format 2, the built-in "0.00".
class TimeStyles {
public:
    // False when the workbook has no styles part this can read: the cells then
    // keep their formats.
    bool Load(const QByteArray& bytes) {
        if (!doc_.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), kParse)) return false;
        const pugi::xml_node root = doc_.document_element();
        const std::string prefix = PrefixOf(root, kSheetNs, "");
        xfs_ = root.child(Qualified(prefix, "cellXfs").c_str());
        const std::string xf = Qualified(prefix, "xf");
        for (pugi::xml_node x : xfs_.children(xf.c_str()))
            xfList_.push_back(x);
        return !xfList_.empty();
    }

    // The format index a time cell of format `style` is written with.
    unsigned For(unsigned style) {
        if (style >= xfList_.size() || xfList_[style].attribute("numFmtId").as_uint() != kGeneral)
            return style;
        if (const auto done = copies_.find(style); done != copies_.end()) return done->second;
        pugi::xml_node copy = xfs_.append_copy(xfList_[style]);
        SetAttribute(copy, "numFmtId", "2");
        SetAttribute(copy, "applyNumberFormat", "1");
        const auto index = static_cast<unsigned>(xfList_.size() + copies_.size());
        copies_[style] = index;
        SetAttribute(xfs_, "count", std::to_string(index + 1).c_str());
        return index;
    }

    bool Changed() const { return !copies_.empty(); }
    QByteArray Bytes() const { return Serialise(doc_); }

private:
    static constexpr unsigned kGeneral = 0;
    static void SetAttribute(pugi::xml_node node, const char* name, const char* value) {
        pugi::xml_attribute a = node.attribute(name);
        if (!a) a = node.append_attribute(name);
        a.set_value(value);
    }

    pugi::xml_document doc_;
    pugi::xml_node xfs_;
    std::vector<pugi::xml_node> xfList_;
    std::map<unsigned, unsigned> copies_; // format -> its copy with "0.00"
};

// The qualified names of the worksheet elements, with the document's prefix.
struct SheetNames {
    explicit SheetNames(const std::string& p)
        : sheetData(Qualified(p, "sheetData")), dimension(Qualified(p, "dimension")),
          row(Qualified(p, "row")), c(Qualified(p, "c")), v(Qualified(p, "v")), f(Qualified(p, "f")),
          is(Qualified(p, "is")), t(Qualified(p, "t")) {}
    std::string sheetData, dimension, row, c, v, f, is, t;
};

// The rows and cells of one worksheet, edited in place.
class SheetEditor {
public:
    // `timeStyles`: where time cells get their "0.00"; none keeps every format.
    SheetEditor(pugi::xml_document& doc, TimeStyles* timeStyles)
        : root_(doc.document_element()), n_(PrefixOf(root_, kSheetNs, "")), timeStyles_(timeStyles) {
        data_ = root_.child(n_.sheetData.c_str());
        if (!data_) data_ = root_.append_child(n_.sheetData.c_str());
        // Rows and cells may leave their numbers implicit; write them out.
        int rowNumber = 0;
        for (pugi::xml_node row : data_.children(n_.row.c_str())) {
            rowNumber = row.attribute("r") ? row.attribute("r").as_int() : rowNumber + 1;
            if (!row.attribute("r")) row.append_attribute("r").set_value(rowNumber);
            rows_[rowNumber] = row;
            int col = 0;
            for (pugi::xml_node c : row.children(n_.c.c_str())) {
                col = c.attribute("r") ? ColumnOfRef(c.attribute("r").value()) : col + 1;
                if (!c.attribute("r")) c.append_attribute("r").set_value(Ref(col, rowNumber).c_str());
            }
        }
    }

    // `resultSheet`: sheets 3 and 4. A result sheet this program wrote has its
    // header in row 1 and the title line alone in row 2 (loading drops the
    // second row of a result sheet); its header stays in row 1, or it would
    // stand twice and the title line would be gone. The rows go below either way.
    void WriteBlock(const WorkbookSheet& sheet, bool resultSheet) {
        const bool ownLayout =
            resultSheet && HasValue(1, 1) && HasValue(1, 2) && HasValue(2, 1) && !HasValue(2, 2);
        const int rows = static_cast<int>(sheet.rows.size());
        for (int r = 0; r < rows; ++r) {
            const int sheetRow = ownLayout && r == 0 ? 1 : kFirstBlockRow + r;
            for (int c = 0; c < sheet.colCount; ++c) {
                const QString text = CellOf(sheet.rows[r], c);
                std::optional<double> number = r == 0 ? std::nullopt : CellNumber(sheet, c, text);
                if (!number && r > 0 && IsNumberCell(sheetRow, c + 1) && IsPlainNumber(text))
                    number = ParseSeconds(text, u'.');
                SetValue(sheetRow, c + 1, text, number, r > 0 && sheet.timeColumns.contains(c));
            }
        }
        ClearOlderRows(kFirstBlockRow + rows, sheet.colCount);
        DropBrokenSharedFormulas();
        UpdateDimension(kFirstBlockRow + std::max(rows, 1) - 1, sheet.colCount);
    }

private:
    static std::string Ref(int col, int row) { return ColumnName(col) + std::to_string(row); }

    pugi::xml_node Row(int number, bool create) {
        const auto at = rows_.lower_bound(number);
        if (at != rows_.end() && at->first == number) return at->second;
        if (!create) return {};
        pugi::xml_node row = at != rows_.end() ? data_.insert_child_before(n_.row.c_str(), at->second)
                                               : data_.append_child(n_.row.c_str());
        row.append_attribute("r").set_value(number);
        rows_[number] = row;
        return row;
    }

    pugi::xml_node Cell(pugi::xml_node row, int col, bool create) {
        pugi::xml_node before;
        for (pugi::xml_node c : row.children(n_.c.c_str())) {
            const int at = ColumnOfRef(c.attribute("r").value());
            if (at == col) return c;
            if (at > col) {
                before = c;
                break;
            }
        }
        if (!create) return {};
        pugi::xml_node c =
            before ? row.insert_child_before(n_.c.c_str(), before) : row.append_child(n_.c.c_str());
        c.append_attribute("r").set_value(Ref(col, row.attribute("r").as_int()).c_str());
        return c;
    }

    // The rest of an older, longer list below the block, as far as loading
    // reads a list: to the second of two rows without a value in its columns.
    void ClearOlderRows(int from, int colCount) {
        const int last = rows_.empty() ? 0 : rows_.rbegin()->first;
        int empties = 0;
        for (int row = from; row <= last && empties < 2; ++row) {
            bool filled = false;
            for (int c = 1; c <= colCount && !filled; ++c)
                filled = HasValue(row, c);
            empties = filled ? 0 : empties + 1;
            for (int c = 1; filled && c <= colCount; ++c)
                SetValue(row, c, QString(), std::nullopt, false);
        }
    }

    // A number the organiser's workbook holds (a formula's number too).
    bool IsNumberCell(int rowNumber, int col) {
        const pugi::xml_node row = Row(rowNumber, false);
        const pugi::xml_node c = row ? Cell(row, col, false) : pugi::xml_node();
        const std::string type = c.attribute("t").value();
        return c.child(n_.v.c_str()) && (type.empty() || type == "n");
    }

    // What the loader reads as filled: a value of any kind.
    bool HasValue(int rowNumber, int col) {
        const pugi::xml_node row = Row(rowNumber, false);
        const pugi::xml_node c = row ? Cell(row, col, false) : pugi::xml_node();
        if (!c) return false;
        if (const pugi::xml_node v = c.child(n_.v.c_str())) return *v.text().get() != '\0';
        return *c.child(n_.is.c_str()).child(n_.t.c_str()).text().get() != '\0';
    }

    // The cell keeps its format ("s"), a time cell in the general format
    // takes "0.00"; its value, formula and type go. With a number it holds
    // that number, else the text.
    void SetValue(int rowNumber, int col, const QString& text, std::optional<double> number, bool time) {
        pugi::xml_node row = Row(rowNumber, !text.isEmpty());
        if (!row) return;
        pugi::xml_node c = Cell(row, col, !text.isEmpty());
        if (!c) return;
        while (pugi::xml_node child = c.first_child()) {
            if (n_.f == child.name() && std::string(child.attribute("t").value()) == "shared" &&
                child.attribute("ref"))
                brokenShared_.push_back(child.attribute("si").value());
            c.remove_child(child);
        }
        c.remove_attribute("t");
        if (text.isEmpty()) {
            if (!c.attribute("s")) row.remove_child(c);
            return;
        }
        if (number) {
            if (time && timeStyles_) {
                const unsigned style = timeStyles_->For(c.attribute("s").as_uint());
                if (style != 0 || c.attribute("s")) {
                    if (!c.attribute("s")) c.append_attribute("s");
                    c.attribute("s").set_value(style);
                }
            }
            // The shortest text that reads back as the same double: "21.5".
            const QByteArray value = QByteArray::number(*number, 'g', QLocale::FloatingPointShortest);
            c.append_child(n_.v.c_str()).text().set(value.constData());
            return;
        }
        c.append_attribute("t").set_value("inlineStr");
        pugi::xml_node t = c.append_child(n_.is.c_str()).append_child(n_.t.c_str());
        t.append_attribute("xml:space").set_value("preserve");
        QString safe = text;
        for (QChar& ch : safe)
            if (ch.unicode() < 0x20 && ch != u'\t' && ch != u'\n' && ch != u'\r') ch = u' ';
        t.text().set(safe.toUtf8().constData());
    }

    // A shared formula whose first cell was overwritten has lost its text:
    // the other cells keep the values they show and lose the formula.
    void DropBrokenSharedFormulas() {
        if (brokenShared_.empty()) return;
        for (const auto& [number, row] : rows_)
            for (pugi::xml_node c : row.children(n_.c.c_str())) {
                const pugi::xml_node f = c.child(n_.f.c_str());
                if (f && std::find(brokenShared_.begin(), brokenShared_.end(), f.attribute("si").value()) !=
                             brokenShared_.end())
                    c.remove_child(f);
            }
    }

    void UpdateDimension(int lastRow, int colCount) {
        pugi::xml_node dim = root_.child(n_.dimension.c_str());
        if (!dim) return;
        int maxRow = lastRow;
        int maxCol = colCount;
        for (const auto& [number, row] : rows_) {
            if (!row.first_child()) continue;
            maxRow = std::max(maxRow, number);
            for (pugi::xml_node c : row.children(n_.c.c_str()))
                maxCol = std::max(maxCol, ColumnOfRef(c.attribute("r").value()));
        }
        dim.attribute("ref").set_value(("A1:" + Ref(maxCol, maxRow)).c_str());
    }

    pugi::xml_node root_;
    SheetNames n_;
    TimeStyles* timeStyles_ = nullptr;
    pugi::xml_node data_;
    std::map<int, pugi::xml_node> rows_; // by sheet row number
    std::vector<std::string> brokenShared_;
};

struct Package {
    QString file;
    QString workbookPart;
    PackageParts replaced;
    QStringList removed;
    QString reason;

    std::optional<QByteArray> Part(const QString& name) { return ReadPackagePart(file, name, &reason); }
};

QString MainPart(Package& pkg) {
    pugi::xml_document rels;
    const std::optional<QByteArray> bytes = pkg.Part(QStringLiteral("_rels/.rels"));
    if (!bytes || !Load(rels, *bytes)) return {};
    for (pugi::xml_node r : rels.document_element().children("Relationship"))
        if (QString::fromUtf8(r.attribute("Type").value()).endsWith(QStringLiteral("/officeDocument")))
            return ResolvePart(QString(), QString::fromUtf8(r.attribute("Target").value()));
    return {};
}

// Sheets of the workbook in their order: the part of each (empty for a
// chart sheet or a missing part).
struct SheetList {
    pugi::xml_document workbook;
    pugi::xml_document rels;
    QStringList parts;
    QStringList names;
    QString stylesPart; // empty when the workbook has none
    std::vector<WorkbookTab> tabs;
};

bool ReadSheets(Package& pkg, SheetList& list) {
    const std::optional<QByteArray> wb = pkg.Part(pkg.workbookPart);
    if (!wb || !Load(list.workbook, *wb)) return false;
    const std::optional<QByteArray> rels = pkg.Part(RelsOf(pkg.workbookPart));
    if (!rels || !Load(list.rels, *rels)) return false;
    QMap<QString, QString> targets;
    for (pugi::xml_node r : list.rels.document_element().children("Relationship")) {
        // Ends the same in the transitional and the strict form of the format.
        const QString type = QString::fromUtf8(r.attribute("Type").value());
        const QString target =
            ResolvePart(FolderOf(pkg.workbookPart), QString::fromUtf8(r.attribute("Target").value()));
        if (type.endsWith(QStringLiteral("/worksheet")))
            targets[QString::fromUtf8(r.attribute("Id").value())] = target;
        if (type.endsWith(QStringLiteral("/styles"))) list.stylesPart = target;
    }
    const pugi::xml_node root = list.workbook.document_element();
    const std::string p = PrefixOf(root, kSheetNs, "");
    const std::string rIdName = Qualified(PrefixOf(root, kRelNs, "r"), "id");
    const std::string sheetsName = Qualified(p, "sheets");
    const std::string sheetName = Qualified(p, "sheet");
    for (pugi::xml_node s : root.child(sheetsName.c_str()).children(sheetName.c_str())) {
        list.names << QString::fromUtf8(s.attribute("name").value());
        const std::string_view state = s.attribute("state").value();
        list.tabs.push_back({list.names.back(), state == "hidden" || state == "veryHidden"});
        list.parts << targets.value(QString::fromUtf8(s.attribute(rIdName.c_str()).value()));
    }
    return true;
}

// A new, empty worksheet after the last one: its part, its relationship, its
// entry in the workbook and its content type.
QString AddSheet(Package& pkg, SheetList& list, const QString& name, pugi::xml_document& types) {
    const QString folder = FolderOf(pkg.workbookPart);
    int n = 1;
    const QStringList existing = PackagePartNames(pkg.file);
    QString part;
    do {
        part = ResolvePart(folder, QStringLiteral("worksheets/sheet%1.xml").arg(n++));
    } while (existing.contains(part) || list.parts.contains(part));
    QString id;
    int k = 1;
    pugi::xml_node relsRoot = list.rels.document_element();
    do {
        id = QStringLiteral("rIdZn%1").arg(k++);
    } while (relsRoot.find_child_by_attribute("Relationship", "Id", id.toUtf8().constData()));
    pugi::xml_node rel = relsRoot.append_child("Relationship");
    rel.append_attribute("Id").set_value(id.toUtf8().constData());
    rel.append_attribute("Type").set_value(kWorksheetType);
    rel.append_attribute("Target").set_value(
        QStringLiteral("worksheets/sheet%1.xml").arg(n - 1).toUtf8().constData());

    pugi::xml_node root = list.workbook.document_element();
    const std::string p = PrefixOf(root, kSheetNs, "");
    // Built in one go: assigning "r" to the string afterwards trips a false
    // -Wrestrict of GCC 12 at -O3.
    const std::string declaredR = PrefixOf(root, kRelNs, "");
    if (declaredR.empty()) root.append_attribute("xmlns:r").set_value(kRelNs);
    const std::string rPrefix = declaredR.empty() ? std::string(1, 'r') : declaredR;
    pugi::xml_node sheets = root.child(Qualified(p, "sheets").c_str());
    int maxId = 0;
    for (pugi::xml_node s : sheets.children())
        maxId = std::max(maxId, s.attribute("sheetId").as_int());
    pugi::xml_node sheet = sheets.append_child(Qualified(p, "sheet").c_str());
    sheet.append_attribute("name").set_value(name.toUtf8().constData());
    sheet.append_attribute("sheetId").set_value(maxId + 1);
    sheet.append_attribute(Qualified(rPrefix, "id").c_str()).set_value(id.toUtf8().constData());

    pugi::xml_node over = types.document_element().append_child("Override");
    over.append_attribute("PartName").set_value(("/" + part).toUtf8().constData());
    over.append_attribute("ContentType")
        .set_value("application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml");
    list.parts << part;
    list.names << name;
    return part;
}

// The calculation chain lists the formula cells; some of them are texts now.
// Spreadsheet programs build it again when it is missing.
void DropCalcChain(Package& pkg, SheetList& list, pugi::xml_document& types) {
    pugi::xml_node relsRoot = list.rels.document_element();
    for (pugi::xml_node r = relsRoot.first_child(); r;) {
        const pugi::xml_node next = r.next_sibling();
        if (QString::fromUtf8(r.attribute("Type").value()).endsWith(QStringLiteral("/calcChain"))) {
            pkg.removed << ResolvePart(FolderOf(pkg.workbookPart),
                                       QString::fromUtf8(r.attribute("Target").value()));
            relsRoot.remove_child(r);
        }
        r = next;
    }
    for (pugi::xml_node o = types.document_element().first_child(); o;) {
        const pugi::xml_node next = o.next_sibling();
        if (QString::fromUtf8(o.attribute("ContentType").value()).contains(QStringLiteral("calcChain")))
            types.document_element().remove_child(o);
        o = next;
    }
}

// Author, title, subject and comments, as a new workbook has them; a package
// without its core properties part stays without one.
void SetProperties(Package& pkg, const WorkbookExport& book) {
    const QString part = QStringLiteral("docProps/core.xml");
    pugi::xml_document core;
    const std::optional<QByteArray> bytes = ReadPackagePart(pkg.file, part);
    if (!bytes || !Load(core, *bytes)) return;
    pugi::xml_node root = core.document_element();
    std::string dc = PrefixOf(root, "http://purl.org/dc/elements/1.1/", "");
    if (dc.empty()) {
        dc = "dc";
        root.append_attribute("xmlns:dc").set_value("http://purl.org/dc/elements/1.1/");
    }
    const auto set = [&](const char* local, const QString& text) {
        const std::string name = Qualified(dc, local);
        pugi::xml_node node = root.child(name.c_str());
        if (!node) node = root.append_child(name.c_str());
        node.text().set(text.toUtf8().constData());
    };
    set("title", book.title);
    set("subject", book.subject);
    set("creator", kWorkbookAuthor);
    set("description", kWorkbookComments);
    pkg.replaced.append({part, Serialise(core)});
}

bool Edit(Package& pkg, const WorkbookExport& book) {
    pkg.workbookPart = MainPart(pkg);
    SheetList list;
    pugi::xml_document types;
    const std::optional<QByteArray> typesBytes = pkg.Part(QStringLiteral("[Content_Types].xml"));
    if (pkg.workbookPart.isEmpty() || !typesBytes || !Load(types, *typesBytes) || !ReadSheets(pkg, list)) {
        if (pkg.reason.isEmpty())
            pkg.reason =
                QCoreApplication::translate("WorkbookWriter", "Die Datei ist keine lesbare Arbeitsmappe");
        return false;
    }
    TimeStyles styles;
    const std::optional<QByteArray> stylesBytes =
        list.stylesPart.isEmpty() ? std::nullopt : ReadPackagePart(pkg.file, list.stylesPart);
    const bool haveStyles = stylesBytes && styles.Load(*stylesBytes);
    // The lists go into the sheets the import takes them from, so a hidden
    // helper sheet or a reordered workbook keeps its other sheets.
    const ListSheetChoice choice = ChooseListSheets(list.tabs);
    for (int i = 0; i < book.sheets.size(); ++i) {
        const int at =
            static_cast<size_t>(i) < choice.sheet.size() ? choice.sheet[static_cast<size_t>(i)] : -1;
        const bool added = at < 0;
        const QString part = added ? AddSheet(pkg, list, book.sheets[i].name, types) : list.parts[at];
        if (part.isEmpty()) {
            pkg.reason =
                QCoreApplication::translate("WorkbookWriter", "Das Tabellenblatt %1 ist kein Arbeitsblatt")
                    .arg(list.names.value(at));
            return false;
        }
        pugi::xml_document sheet;
        const QByteArray empty = QByteArrayLiteral("<worksheet xmlns=\"") + kSheetNs +
                                 QByteArrayLiteral("\"><sheetData/></worksheet>");
        const std::optional<QByteArray> bytes = added ? std::optional<QByteArray>(empty) : pkg.Part(part);
        if (!bytes || !Load(sheet, *bytes)) {
            if (pkg.reason.isEmpty())
                pkg.reason =
                    QCoreApplication::translate("WorkbookWriter", "Das Tabellenblatt %1 ist beschädigt")
                        .arg(i + 1);
            return false;
        }
        SheetEditor editor(sheet, haveStyles ? &styles : nullptr);
        editor.WriteBlock(book.sheets[i], i >= 2);
        pkg.replaced.append(
            {part, (added ? QByteArray(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)")
                          : QByteArray()) +
                       Serialise(sheet)});
    }
    if (styles.Changed()) pkg.replaced.append({list.stylesPart, styles.Bytes()});
    DropCalcChain(pkg, list, types);
    SetProperties(pkg, book);
    pkg.replaced.append({pkg.workbookPart, Serialise(list.workbook)});
    pkg.replaced.append({RelsOf(pkg.workbookPart), Serialise(list.rels)});
    pkg.replaced.append({QStringLiteral("[Content_Types].xml"), Serialise(types)});
    return true;
}

} // namespace

bool IsXlsxWorkbook(const QString& file) {
    Package pkg{file, {}, {}, {}, {}};
    const QString main = MainPart(pkg);
    return !main.isEmpty() && ReadPackagePart(file, main).has_value() &&
           ReadPackagePart(file, QStringLiteral("[Content_Types].xml"))
               .value_or(QByteArray())
               .contains("spreadsheetml.sheet.main+xml");
}

WriteResult WriteIntoWorkbook(const QString& fileName, const WorkbookExport& book) {
    if (const QString problem = TargetFolderProblem(fileName); !problem.isEmpty())
        return {false, WriteErrorText(fileName), problem};
    Package pkg{fileName, {}, {}, {}, {}};
    if (!Edit(pkg, book)) {
        qCInfo(lcWorkbookInto) << "writing into" << fileName << "failed:" << pkg.reason;
        return {false, WriteErrorText(fileName), pkg.reason};
    }
    const std::optional<QByteArray> bytes = RebuildPackage(fileName, pkg.replaced, pkg.removed, &pkg.reason);
    if (!bytes) return {false, WriteErrorText(fileName), pkg.reason};
    return PlaceDocument(fileName, *bytes);
}

} // namespace zn
