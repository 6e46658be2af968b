#include "documents/docx_writer.h"

#include "documents/word_table_widths.h"
#include "documents/workbook_writer_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <pugixml.hpp>

namespace zn {

Q_LOGGING_CATEGORY(lcDocxWriter, "zn.documents.docx", QtWarningMsg)

namespace {

constexpr const char* kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* kDocumentPart = "word/document.xml";

// A4 with 2 cm margins, in twentieths of a point: 17 cm of text across in
// portrait, 25.7 cm in landscape, which the 11 columns of a protocol need.
constexpr int kA4Short = 11906;
constexpr int kA4Long = 16838;
constexpr int kMargin = 1134;
constexpr int kPortraitColumns = 6;
// A time protocol: Nr., Name, Klasse, Q., three of each lane, Bestzeit.
constexpr int kProtocolColumns = 11;

// XML 1.0 cannot carry control characters other than tab, line feed and
// carriage return; a cell pasted from elsewhere may hold one.
QByteArray XmlText(const QString& text) {
    QString safe = text;
    for (QChar& c : safe)
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') c = u' ';
    return safe.toUtf8();
}

// Builds WordprocessingML with the prefix the document binds to its namespace
// ("w" in every document Word writes) and puts the nodes before the body's
// closing section properties, which must stay its last child.
class BodyWriter {
public:
    BodyWriter(pugi::xml_node body, std::string prefix) : body_(body), prefix_(std::move(prefix)) {
        // An indented body ends in a line break and blanks after the section.
        anchor_ = body_.last_child();
        while (anchor_ && anchor_.type() != pugi::node_element)
            anchor_ = anchor_.previous_sibling();
        if (std::string(anchor_.name()) != Name("sectPr")) anchor_ = pugi::xml_node();
    }

    void Paragraph(const QString& text) { Text(Block("p"), text, false); }

    void Table(const ListRows& rows, int colCount, bool laneBlocks) {
        pugi::xml_node tbl = Block("tbl");
        pugi::xml_node props = Child(tbl, "tblPr");
        Set(Child(props, "tblW"), {{"w", "0"}, {"type", "auto"}});
        pugi::xml_node borders = Child(props, "tblBorders");
        for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
            Set(Child(borders, side), {{"val", "single"}, {"sz", "4"}, {"space", "0"}, {"color", "auto"}});
        Set(Child(props, "tblLayout"), {{"type", "autofit"}});
        const QList<int> widths = WordColumnWidths(rows, colCount, textWidth_);
        pugi::xml_node grid = Child(tbl, "tblGrid");
        for (int w : widths)
            Set(Child(grid, "gridCol"), {{"w", std::to_string(w)}});
        if (laneBlocks && colCount == kProtocolColumns) LaneBlocks(tbl, widths);
        for (int r = 0; r < rows.size(); ++r) {
            pugi::xml_node tr = Child(tbl, "tr");
            // The header row comes again at the top of every page.
            if (r == 0) Child(Child(tr, "trPr"), "tblHeader");
            for (int c = 0; c < colCount; ++c) {
                pugi::xml_node tc = Child(tr, "tc");
                Set(Child(Child(tc, "tcPr"), "tcW"), {{"w", std::to_string(widths[c])}, {"type", "dxa"}});
                pugi::xml_node p = Child(tc, "p");
                // No space around the lines of a cell, whatever the template's
                // paragraphs carry: a list of 100 teams stays a few pages.
                Set(Child(Child(p, "pPr"), "spacing"), {{"before", "0"}, {"after", "0"}});
                Text(p, WordField(CellOf(rows[r], c)), r == 0);
            }
        }
        // The body must not end in a table: Word would add the paragraph itself.
        Block("p");
    }

    void SetTextWidth(int twips) { textWidth_ = twips; }

private:
    // The protocol's row above the header: 4 columns of the team, 3 of each
    // lane, and "Bestzeit" under an empty block.
    void LaneBlocks(pugi::xml_node tbl, const QList<int>& widths) {
        pugi::xml_node tr = Child(tbl, "tr");
        Child(Child(tr, "trPr"), "tblHeader");
        const std::pair<const char*, int> blocks[] = {
            {"Mannschaft", 4}, {"Bahn 1", 3}, {"Bahn 2", 3}, {"", 1}};
        int first = 0;
        for (const auto& [title, span] : blocks) {
            int width = 0;
            for (int c = first; c < first + span; ++c)
                width += widths[c];
            first += span;
            pugi::xml_node props = Child(Child(tr, "tc"), "tcPr");
            Set(Child(props, "tcW"), {{"w", std::to_string(width)}, {"type", "dxa"}});
            if (span > 1) Set(Child(props, "gridSpan"), {{"val", std::to_string(span)}});
            pugi::xml_node p = Child(props.parent(), "p");
            pugi::xml_node pPr = Child(p, "pPr");
            Set(Child(pPr, "spacing"), {{"before", "0"}, {"after", "0"}});
            Set(Child(pPr, "jc"), {{"val", "center"}});
            Text(p, QString::fromUtf8(title), true);
        }
    }

    std::string Name(const char* local) const { return prefix_.empty() ? local : prefix_ + ':' + local; }

    pugi::xml_node Block(const char* local) {
        return anchor_ ? body_.insert_child_before(Name(local).c_str(), anchor_)
                       : body_.append_child(Name(local).c_str());
    }
    pugi::xml_node Child(pugi::xml_node parent, const char* local) const {
        return parent.append_child(Name(local).c_str());
    }
    void Set(pugi::xml_node node, std::initializer_list<std::pair<const char*, std::string>> attrs) const {
        for (const auto& [key, value] : attrs)
            node.append_attribute(Name(key).c_str()).set_value(value.c_str());
    }
    void Text(pugi::xml_node p, const QString& text, bool bold) const {
        if (text.isEmpty()) return;
        pugi::xml_node run = Child(p, "r");
        if (bold) Child(Child(run, "rPr"), "b");
        pugi::xml_node t = Child(run, "t");
        t.append_attribute("xml:space").set_value("preserve");
        t.text().set(XmlText(text).constData());
    }

    pugi::xml_node body_;
    pugi::xml_node anchor_;
    std::string prefix_;
    int textWidth_ = kA4Short - 2 * kMargin;
};

// The prefix the root binds to the WordprocessingML namespace.
std::string WordPrefix(pugi::xml_node root) {
    for (pugi::xml_attribute a : root.attributes()) {
        const std::string name = a.name();
        if (std::string(a.value()) != kWordNs) continue;
        if (name == "xmlns") return {};
        if (name.rfind("xmlns:", 0) == 0) return name.substr(6);
    }
    return "w";
}

int TextWidthOf(pugi::xml_node sectPr, const std::string& prefix, int fallback) {
    const auto name = [&](const char* local) {
        return prefix.empty() ? std::string(local) : prefix + ':' + local;
    };
    const pugi::xml_node size = sectPr.child(name("pgSz").c_str());
    const pugi::xml_node margins = sectPr.child(name("pgMar").c_str());
    const int width = size.attribute(name("w").c_str()).as_int();
    const int left = margins.attribute(name("left").c_str()).as_int();
    const int right = margins.attribute(name("right").c_str()).as_int();
    return width - left - right > 1000 ? width - left - right : fallback;
}

void WriteContent(pugi::xml_document& doc, const WordDocumentInput& input) {
    const pugi::xml_node root = doc.document_element();
    const std::string prefix = WordPrefix(root);
    const auto name = [&](const char* local) {
        return prefix.empty() ? std::string(local) : prefix + ':' + local;
    };
    pugi::xml_node body = root.child(name("body").c_str());
    BodyWriter writer(body, prefix);
    writer.SetTextWidth(TextWidthOf(body.child(name("sectPr").c_str()), prefix, kA4Short - 2 * kMargin));
    writer.Paragraph(input.title1 + QStringLiteral(" | ") + input.title2);
    writer.Paragraph(input.listTitle);
    writer.Paragraph(input.listCaption);
    writer.Paragraph(QString());
    writer.Table(input.rows, input.colCount, input.protocolLayout);
}

QByteArray NewDocumentXml(int colCount) {
    const bool landscape = colCount > kPortraitColumns;
    const int width = landscape ? kA4Long : kA4Short;
    const int height = landscape ? kA4Short : kA4Long;
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
               "<w:document xmlns:w=\"%1\" "
               "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
               "<w:body><w:sectPr><w:pgSz w:w=\"%2\" w:h=\"%3\"%4/>"
               "<w:pgMar w:top=\"%5\" w:right=\"%5\" w:bottom=\"%5\" w:left=\"%5\" w:header=\"709\" "
               "w:footer=\"709\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>")
        .arg(QString::fromLatin1(kWordNs))
        .arg(width)
        .arg(height)
        .arg(landscape ? QStringLiteral(" w:orient=\"landscape\"") : QString())
        .arg(kMargin)
        .toUtf8();
}

QByteArray CorePropertiesXml(const QString& title) {
    pugi::xml_document doc;
    pugi::xml_node decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version").set_value("1.0");
    decl.append_attribute("encoding").set_value("UTF-8");
    decl.append_attribute("standalone").set_value("yes");
    pugi::xml_node props = doc.append_child("cp:coreProperties");
    props.append_attribute("xmlns:cp")
        .set_value("http://schemas.openxmlformats.org/package/2006/metadata/core-properties");
    props.append_attribute("xmlns:dc").set_value("http://purl.org/dc/elements/1.1/");
    props.append_child("dc:title").text().set(XmlText(title).constData());
    props.append_child("dc:creator").text().set("Kronvik Software");
    return XmlBytes(doc, pugi::format_raw);
}

// The parts of a new document besides its body: Arial 10 pt, German.
PackageParts NewDocumentParts(const QString& title) {
    const QByteArray types =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/word/document.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
        "<Override PartName=\"/word/styles.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
        "<Override PartName=\"/docProps/core.xml\" "
        "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
        "</Types>";
    const QByteArray rels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
        "Target=\"word/document.xml\"/>"
        "<Relationship Id=\"rId2\" "
        "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" "
        "Target=\"docProps/core.xml\"/>"
        "</Relationships>";
    const QByteArray documentRels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
        "Target=\"styles.xml\"/>"
        "</Relationships>";
    const QByteArray styles =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" w:cs=\"Arial\"/>"
        "<w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/><w:lang w:val=\"de-DE\"/></w:rPr></w:rPrDefault>"
        "<w:pPrDefault><w:pPr><w:spacing w:after=\"0\"/></w:pPr></w:pPrDefault></w:docDefaults>"
        "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Standard\"><w:name "
        "w:val=\"Normal\"/></w:style>"
        "</w:styles>";
    return {{QStringLiteral("[Content_Types].xml"), types},
            {QStringLiteral("_rels/.rels"), rels},
            {QStringLiteral("word/_rels/document.xml.rels"), documentRels},
            {QStringLiteral("word/styles.xml"), styles},
            {QStringLiteral("docProps/core.xml"), CorePropertiesXml(title)}};
}

// The main part of a package as its relationships name it ("/word/document.xml"
// or "word/document.xml"; Word always uses the latter).
QString MainPartOf(const QString& package) {
    const std::optional<QByteArray> rels = ReadPackagePart(package, QStringLiteral("_rels/.rels"));
    pugi::xml_document doc;
    if (rels && doc.load_buffer(rels->constData(), static_cast<size_t>(rels->size()))) {
        for (pugi::xml_node r : doc.document_element().children("Relationship")) {
            const QString type = QString::fromUtf8(r.attribute("Type").value());
            if (!type.endsWith(QStringLiteral("/officeDocument"))) continue;
            QString target = QString::fromUtf8(r.attribute("Target").value());
            while (target.startsWith(u'/'))
                target.remove(0, 1);
            if (!target.isEmpty()) return target;
        }
    }
    return QString::fromLatin1(kDocumentPart);
}

struct Built {
    std::optional<QByteArray> bytes;
    QString reason;
};

Built FromTemplate(const QString& templateFile, const WordDocumentInput& input) {
    const QString shown = QDir::toNativeSeparators(templateFile);
    const auto fail = [&](const QString& why) {
        return Built{
            std::nullopt,
            QCoreApplication::translate("WordExport", "Die Vorlage %1 ist unbrauchbar: %2").arg(shown, why)};
    };
    const QString mainPart = MainPartOf(templateFile);
    QString reason;
    const std::optional<QByteArray> xml = ReadPackagePart(templateFile, mainPart, &reason);
    if (!xml) return fail(reason);
    pugi::xml_document doc;
    // Blanks between words of their own (<w:t> </w:t>) are text: keep them.
    constexpr unsigned kParse = pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_declaration;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(xml->constData(), static_cast<size_t>(xml->size()), kParse);
    if (!parsed)
        return fail(QCoreApplication::translate("WordExport", "%1 ist kein gültiges XML (%2)")
                        .arg(mainPart, parsed.description()));
    const std::string prefix = WordPrefix(doc.document_element());
    if (doc.document_element()
            .child((prefix.empty() ? std::string("body") : prefix + ":body").c_str())
            .empty())
        return fail(QCoreApplication::translate("WordExport", "%1 hat keinen Textkörper").arg(mainPart));
    WriteContent(doc, input);
    PackageParts replaced{{mainPart, XmlBytes(doc, pugi::format_raw | pugi::format_no_declaration)}};
    // A Word template (.dotx) saved as a document must say it is one.
    if (const std::optional<QByteArray> types =
            ReadPackagePart(templateFile, QStringLiteral("[Content_Types].xml"));
        types && types->contains("wordprocessingml.template.main+xml")) {
        QByteArray fixed = *types;
        fixed.replace("wordprocessingml.template.main+xml", "wordprocessingml.document.main+xml");
        replaced.append({QStringLiteral("[Content_Types].xml"), fixed});
    }
    Built built;
    built.bytes = RebuildPackage(templateFile, replaced, {}, &built.reason);
    if (!built.bytes) return fail(built.reason);
    return built;
}

Built NewDocument(const WordDocumentInput& input) {
    pugi::xml_document doc;
    const QByteArray skeleton = NewDocumentXml(input.colCount);
    doc.load_buffer(skeleton.constData(), static_cast<size_t>(skeleton.size()),
                    pugi::parse_default | pugi::parse_declaration);
    WriteContent(doc, input);
    PackageParts parts = NewDocumentParts(input.listTitle);
    parts.insert(1, {QString::fromLatin1(kDocumentPart),
                     XmlBytes(doc, pugi::format_raw | pugi::format_no_declaration)});
    Built built;
    built.bytes = BuildPackage(parts, &built.reason);
    return built;
}

} // namespace

QString WordField(const QString& cell) {
    QString field = cell;
    for (QChar& c : field)
        if (c.unicode() < 0x20) c = u' ';
    return field;
}

bool IsWordPackage(const QString& file) {
    return ReadPackagePart(file, MainPartOf(file)).has_value();
}

WriteResult WriteWordDocument(const QString& fileName, const WordDocumentInput& input,
                              const QString& templateFile) {
    if (const QString problem = TargetFolderProblem(fileName); !problem.isEmpty())
        return {false, WriteErrorText(fileName), problem};
    const Built built = templateFile.isEmpty() ? NewDocument(input) : FromTemplate(templateFile, input);
    if (!built.bytes) {
        qCInfo(lcDocxWriter) << "building" << fileName << "failed:" << built.reason;
        return {false, WriteErrorText(fileName), built.reason};
    }
    return PlaceDocument(fileName, *built.bytes);
}

} // namespace zn
