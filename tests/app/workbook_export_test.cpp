#include "core/stages.h"
#include "documents/docx_writer.h"
#include "documents/workbook_reader.h"
#include "documents/workbook_writer_files.h"
#include "test_platform.h"

#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <pugixml.hpp>

using namespace zn;
using namespace zn::test;

namespace {

const QString kTemplate = QStringLiteral(ZN_TEST_DATA_DIR "/docx/Protokollvorlage.docx");

pugi::xml_document Xml(const QString& file, const QString& part) {
    pugi::xml_document doc;
    const QByteArray bytes = ReadPackagePart(file, part).value_or(QByteArray());
    doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()));
    return doc;
}

QStringList SheetNames(const QString& file) {
    QStringList names;
    const pugi::xml_document doc = Xml(file, "xl/workbook.xml");
    for (pugi::xml_node s : doc.child("workbook").child("sheets").children("sheet"))
        names << QString::fromUtf8(s.attribute("name").value());
    return names;
}

QStringList SharedStrings(const QString& file) {
    QStringList texts;
    const pugi::xml_document doc = Xml(file, "xl/sharedStrings.xml");
    for (pugi::xml_node si : doc.child("sst").children("si"))
        texts << QString::fromUtf8(si.child("t").text().get());
    return texts;
}

// The texts of the document's table, row by row.
QStringList TableRows(const QString& file) {
    QStringList rows;
    const pugi::xml_document doc = Xml(file, "word/document.xml");
    for (pugi::xpath_node tr : doc.select_nodes("//w:tbl/w:tr")) {
        QStringList cells;
        for (pugi::xml_node tc : tr.node().children("w:tc"))
            cells << QString::fromUtf8(tc.select_node(".//w:t").node().text().get());
        rows << cells.join('|');
    }
    return rows;
}

QStringList AllSheets() {
    return QStringList(ListNames.begin(), ListNames.end());
}

class ListExport : public ShownForm {
protected:
    void SetUp() override {
        ShownForm::SetUp();
        form->SaveFolder = wb.dir.path();
        form->WordTemplatePath = wb.Path("Protokollvorlage.doc");
        const QList<QStringList> teams{ProtocolHeaderRow(),
                                       {"7", "Löschzug Süd & Ost", "A", "", "21,50", "0", "21,50"},
                                       {"12", "FF \"Nord\"", "B"}};
        FillList(form->SortGrid1, teams);
        FillList(form->SortGrid2, teams);
        FillList(form->SortGrid3,
                 {ResultHeaderRow(), {"1", "Löschzug Süd & Ost", "A", "21,50", "0", "21,50"}});
        FillList(form->SortGrid4,
                 {ResultHeaderRow(), {"1", "Löschzug Süd & Ost", "A", "21,50", "0", "21,50"}});
        form->ApplyLoadedLists(wb.Path("Vorlauf Kreis.xlsx"));
    }

    void SaveAs(const QString& name, int type) {
        wb.files.chosen = name;
        wb.files.chosenIndex = type;
        QTest::mouseClick(form->sbSave, Qt::LeftButton);
    }
    QByteArray Old(const QString& path) {
        EXPECT_TRUE(WriteFileAtomically(path, "alt").ok);
        return "alt";
    }
};

} // namespace

TEST_F(ListExport, WorkbookFromTheSaveDialogHoldsTheListsAndTheFinalHasThreeSheets) {
    SaveAs(wb.Path("Kreis"), 1);
    const QString file = wb.Path("Kreis.xlsx");
    EXPECT_EQ(form->StatusPanel1->text(), " Gespeichert: " + QDir::toNativeSeparators(file));
    EXPECT_EQ(SheetNames(file), AllSheets());
    EXPECT_TRUE(SharedStrings(file).contains("Löschzug Süd & Ost"));
    EXPECT_TRUE(SharedStrings(file).contains("FF \"Nord\""));
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join('\n').toStdString();

    form->ApplyLoadedLists(wb.Path("Finale Kreis.xlsx"));
    ASSERT_TRUE(form->Startliste[kFinalStage]->isEnabled());
    SaveAs(wb.Path("Finale"), 1);
    EXPECT_EQ(SheetNames(wb.Path("Finale.xlsx")), AllSheets().mid(0, 3));
}

TEST_F(ListExport, SavingTheCurrentListWritesIntoTheWorkbookFromRowTwo) {
    SaveAs(wb.Path("Kreis.xlsx"), 1);
    form->SortGrid1->SetCell(1, 2, "Wehr Ost");
    QTest::mouseClick(form->sbSaveX, Qt::LeftButton);
    const WorkbookSheets read = ReadWorkbook(wb.Path("Kreis.xlsx"), QLocale());
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    // The title line of the first save, the lists below it as before.
    EXPECT_EQ(read.sheets[0].Cell(0, 0), "Vorlauf Kreis – Mannschafts-Datenbank");
    EXPECT_EQ(read.sheets[0].Cell(1, 0), "Nr.");
    EXPECT_EQ(read.sheets[0].Cell(2, 1), "Löschzug Süd & Ost");
    EXPECT_EQ(read.sheets[0].Cell(3, 1), "Wehr Ost");
    EXPECT_EQ(read.sheetCount, 4);
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join('\n').toStdString();
}

// "Aktuelle Liste speichern unter" writes where its tooltip says: into the
// last workbook saved to (a result sheet of the console's own layout keeps
// its header and title line), never into a name made from a document's.
TEST_F(ListExport, SaveXWritesIntoTheLastWorkbookSavedToAndNeverADocument) {
    wb.files.accept = false;
    QTest::mouseClick(form->sbSaveX, Qt::LeftButton);
    EXPECT_EQ(wb.files.calls, 1);
    EXPECT_EQ(wb.files.shownIndex, 1);
    wb.files.accept = true;

    const QString book = wb.Path("Ergebnis.xlsx");
    SaveAs(book, 1);
    const QString tip = "Aktuelle Liste speichern unter " + QDir::toNativeSeparators(book);
    EXPECT_EQ(form->sbSaveX->toolTip(), tip);
    SaveAs(wb.Path("Protokoll"), 2);
    EXPECT_EQ(form->sbSaveX->toolTip(), tip);
    form->SortGrid3->SetCell(1, 1, "FF Süd");
    QTest::mouseClick(form->sbSaveX, Qt::LeftButton);
    EXPECT_FALSE(QFileInfo::exists(wb.Path("Protokoll.xlsx")));
    const WorkbookSheets read = ReadWorkbook(book, QLocale());
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    for (int sheet : {2, 3}) {
        EXPECT_EQ(read.sheets[sheet].Cell(0, 0), "Platz") << sheet;
        EXPECT_TRUE(read.sheets[sheet].Cell(1, 0).startsWith("Vorlauf Kreis – ")) << sheet;
        EXPECT_EQ(read.sheets[sheet].Cell(2, 0), "1") << sheet;
    }
    EXPECT_EQ(read.sheets[2].Cell(2, 1), "FF Süd");
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join('\n').toStdString();
}

TEST_F(ListExport, LoadedOdsIsSavedAsXlsxBesideItAndTheOperatorToldSo) {
    const QString ods = wb.Path("Vorlauf.ods");
    const QByteArray before = Old(ods);
    form->SetWorkbookTarget(ods);
    EXPECT_EQ(form->sbSaveX->toolTip(),
              "Aktuelle Liste speichern unter " + QDir::toNativeSeparators(wb.Path("Vorlauf.xlsx")));
    QTest::mouseClick(form->sbSaveX, Qt::LeftButton);
    EXPECT_EQ(wb.Read(ods), before);
    EXPECT_EQ(SheetNames(wb.Path("Vorlauf.xlsx")), AllSheets());
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages[0].contains(QDir::toNativeSeparators(wb.Path("Vorlauf.xlsx"))));
}

TEST_F(ListExport, FailedExportKeepsTheOldFileAndSaysSo) {
    const QString file = wb.Path("Vorlauf.xlsx");
    const QByteArray before = Old(file);
    // More than a spreadsheet cell holds: the workbook cannot be completed.
    form->SortGrid4->SetCell(1, 1, QString(40000, u'x'));
    SaveAs(file, 1);
    EXPECT_EQ(wb.Read(file), before);
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(
        wb.modal.messages[0].startsWith("Der Schreibfehler der Datei: " + QDir::toNativeSeparators(file)));
    EXPECT_EQ(QDir(wb.dir.path()).entryList({"Vorlauf*"}, QDir::Files | QDir::Hidden).size(), 1);

    SaveAs(wb.Path("fehlt/Vorlauf.docx"), 2);
    ASSERT_EQ(wb.modal.messages.size(), 2);
    EXPECT_TRUE(wb.modal.messages[1].contains("nicht vorhanden")) << wb.modal.messages[1].toStdString();
}

TEST_F(ListExport, ExcelButtonOpensAFreshWorkbookAndSavesNothing) {
    QTest::mouseClick(form->sbExcel, Qt::LeftButton);
    ASSERT_EQ(wb.shell.opened.size(), 1);
    const QString shown = wb.shell.opened[0];
    EXPECT_TRUE(shown.endsWith(".xlsx"));
    EXPECT_EQ(SheetNames(shown), AllSheets());
    EXPECT_NE(QFileInfo(shown).absolutePath(), QFileInfo(form->Model.SaveFileName()).absolutePath());
    QFile::remove(shown);
    EXPECT_TRUE(wb.modal.messages.isEmpty());
}

TEST_F(ListExport, WordButtonOpensTheListOnTheTemplateAndTheDialogSavesIt) {
    ASSERT_TRUE(QFile::copy(kTemplate, wb.Path("Protokollvorlage.docx")));
    ASSERT_TRUE(form->sbWord->isVisible());
    ASSERT_TRUE(form->sbWord->isEnabled());
    QTest::mouseClick(form->sbWord, Qt::LeftButton);
    const QString opened = wb.Path("Vorlauf Kreis.docx");
    EXPECT_EQ(wb.shell.opened, QStringList{opened});
    EXPECT_EQ(ReadPackagePart(opened, "word/header1.xml"), ReadPackagePart(kTemplate, "word/header1.xml"));
    // The shown list (the team database after the load), every row, under
    // the lane blocks' labels.
    QStringList header;
    for (const QString& h : ProtocolHeaderRow())
        header << h;
    EXPECT_EQ(TableRows(opened).join('\n').toStdString(),
              QStringList({"Mannschaft|Bahn 1|Bahn 2|", header.join('|'),
                           "7|Löschzug Süd & Ost|A||21,50|0|21,50||||", "12|FF \"Nord\"|B||||||||"})
                  .join('\n')
                  .toStdString());

    // Saved from the dialog: not opened. An old binary .doc is no template.
    QFile::remove(wb.Path("Protokollvorlage.docx"));
    Old(form->WordTemplatePath);
    SaveAs(wb.Path("Protokoll"), 2);
    const QString saved = wb.Path("Protokoll.docx");
    EXPECT_EQ(form->StatusPanel1->text(), " Gespeichert: " + QDir::toNativeSeparators(saved));
    EXPECT_EQ(wb.shell.opened.size(), 1);
    EXPECT_EQ(TableRows(saved).size(), 4);
    EXPECT_FALSE(PackagePartNames(saved).contains("word/header1.xml"));
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join('\n').toStdString();
}
