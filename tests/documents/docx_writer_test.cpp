#include "documents/docx_writer.h"
#include "documents/workbook_writer_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pugixml.hpp>

using namespace zn;

namespace {

const QString kTemplate = QStringLiteral(ZN_TEST_DATA_DIR "/docx/Protokollvorlage.docx");

QByteArray PartBytes(const QString& file, const QString& part) {
    return ReadPackagePart(file, part).value_or(QByteArray());
}

// Every part of the package is well-formed XML; gives the main document.
void ParseAll(const QString& file, pugi::xml_document& document) {
    const QStringList parts = PackagePartNames(file);
    ASSERT_TRUE(parts.contains("word/document.xml")) << parts.join(' ').toStdString();
    for (const QString& part : parts) {
        const QByteArray bytes = PartBytes(file, part);
        pugi::xml_document doc;
        const pugi::xml_parse_result parsed =
            doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()),
                            pugi::parse_default | pugi::parse_ws_pcdata);
        EXPECT_TRUE(parsed) << part.toStdString() << ": " << parsed.description();
        if (part == "word/document.xml") document.reset(doc);
    }
}

QString TextOf(pugi::xml_node node) {
    QString text;
    for (pugi::xpath_node t : node.select_nodes(".//w:t"))
        text += QString::fromUtf8(t.node().text().get());
    return text;
}

struct Body {
    QStringList paragraphsBefore; // the paragraphs before the table
    QList<QStringList> table;     // cell texts by row
    int headerRows = 0;           // rows repeated on every page
    bool endsWithSection = false;
};

Body ReadBody(const pugi::xml_document& doc) {
    Body body;
    const pugi::xml_node b = doc.child("w:document").child("w:body");
    for (pugi::xml_node n : b.children()) {
        if (std::string(n.name()) == "w:p" && body.table.isEmpty()) body.paragraphsBefore << TextOf(n);
        if (std::string(n.name()) != "w:tbl") continue;
        for (pugi::xml_node tr : n.children("w:tr")) {
            QStringList cells;
            for (pugi::xml_node tc : tr.children("w:tc"))
                cells << TextOf(tc);
            body.table << cells;
            if (!tr.child("w:trPr").child("w:tblHeader").empty()) ++body.headerRows;
        }
    }
    pugi::xml_node last = b.last_child();
    while (last && last.type() != pugi::node_element)
        last = last.previous_sibling();
    body.endsWithSection = std::string(last.name()) == "w:sectPr";
    return body;
}

WordDocumentInput Input() {
    WordDocumentInput in;
    in.title1 = "Kreisausscheid";
    in.title2 = "FF Musterstadt";
    in.listTitle = "Vorlauf Kreis";
    in.listCaption = "Zeitenprotokoll";
    in.rows = {{"Nr.", "Name", "Zeit"}, {"7", "Löschzug Süd & Ost", "21,50"}, {"12", "FF \"Nord\""}, {}};
    in.colCount = 3;
    return in;
}

class DocxWriter : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
};

} // namespace

// A table cell holds the plain text, never a CSV-quoted field.
TEST(WordField, IsThePlainTextWithControlCharactersAsBlanks) {
    EXPECT_EQ(WordField(""), "");
    EXPECT_EQ(WordField("Süd&Ost"), "Süd&Ost");
    EXPECT_EQ(WordField("FF Höchstädt \"Ost\""), "FF Höchstädt \"Ost\"");
    EXPECT_EQ(WordField("a\tb"), "a b");
    EXPECT_EQ(WordField(QString("a") + QChar(1)), "a ");
}

TEST_F(DocxWriter, NewDocumentHoldsTheTextBlockAndTheRowsAsATable) {
    const QString file = Path("Vorlauf Kreis.docx");
    const WriteResult result = WriteWordDocument(file, Input());
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    pugi::xml_document doc;
    ParseAll(file, doc);
    const Body body = ReadBody(doc);
    EXPECT_EQ(body.paragraphsBefore,
              (QStringList{"Kreisausscheid | FF Musterstadt", "Vorlauf Kreis", "Zeitenprotokoll", ""}));
    ASSERT_EQ(body.table.size(), 4) << "every row, the empty last one too";
    EXPECT_EQ(body.table[0], (QStringList{"Nr.", "Name", "Zeit"}));
    EXPECT_EQ(body.table[1], (QStringList{"7", "Löschzug Süd & Ost", "21,50"}));
    EXPECT_EQ(body.table[2], (QStringList{"12", "FF \"Nord\"", ""}));
    EXPECT_EQ(body.table[3], (QStringList{"", "", ""}));
    EXPECT_EQ(body.headerRows, 1);
    EXPECT_TRUE(body.endsWithSection);
}

TEST_F(DocxWriter, TemplateKeepsItsPartsAndTakesTheTableAtTheEnd) {
    const QString file = Path("mit Vorlage.docx");
    const WriteResult result = WriteWordDocument(file, Input(), kTemplate);
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    for (const char* part :
         {"word/header1.xml", "word/footer1.xml", "word/styles.xml", "word/_rels/document.xml.rels"})
        EXPECT_EQ(PartBytes(file, part), PartBytes(kTemplate, part)) << part;
    pugi::xml_document doc;
    ParseAll(file, doc);
    const Body body = ReadBody(doc);
    // The template's own text comes first, its lone blank kept.
    ASSERT_FALSE(body.paragraphsBefore.isEmpty());
    EXPECT_EQ(body.paragraphsBefore[0], "Wettkampf Protokoll");
    EXPECT_EQ(body.paragraphsBefore.mid(1, 3),
              (QStringList{"Kreisausscheid | FF Musterstadt", "Vorlauf Kreis", "Zeitenprotokoll"}));
    ASSERT_EQ(body.table.size(), 4);
    EXPECT_EQ(body.table[1][1], "Löschzug Süd & Ost");
    // The header and footer stay attached to the section, which stays last.
    EXPECT_TRUE(body.endsWithSection);
    const pugi::xml_node section = doc.child("w:document").child("w:body").child("w:sectPr");
    EXPECT_STREQ(section.child("w:headerReference").attribute("r:id").value(), "rId2");
}

TEST_F(DocxWriter, TemplateIsRecognisedByItsContentNotItsName) {
    const QString doc = Path("Protokollvorlage.doc");
    ASSERT_TRUE(QFile::copy(kTemplate, doc));
    EXPECT_TRUE(IsWordPackage(doc));
    QFile junk(Path("alt.doc"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\xd0'));
    junk.close();
    EXPECT_FALSE(IsWordPackage(junk.fileName()));
    EXPECT_FALSE(IsWordPackage(Path("fehlt.doc")));
}

TEST_F(DocxWriter, UnusableTemplateFailsAndLeavesTheOldDocument) {
    const QString file = Path("Vorlauf.docx");
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alt");
    old.close();
    const QString broken = Path("kaputt.docx");
    QFile junk(broken);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(PartBytes(kTemplate, "word/document.xml").left(300)); // not even a zip
    junk.close();

    const WriteResult result = WriteWordDocument(file, Input(), broken);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorText, "Der Schreibfehler der Datei: " + QDir::toNativeSeparators(file));
    EXPECT_TRUE(result.reason.contains(QDir::toNativeSeparators(broken))) << result.reason.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "alt");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file left";
}
