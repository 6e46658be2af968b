#include "app/file_filters.h"
#include "controls/bit_btn_with_color.h"
#include "controls/label_3d.h"
#include "controls/sort_grid.h"
#include "core/stages.h"
#include "core/system_errors.h"
#include "test_platform.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <cerrno>
#include <gtest/gtest.h>
#include <utility>

using namespace zn;
using namespace zn::test;

namespace {

class ResultFiles : public ShownForm {
protected:
    void ShowProtocol(const QList<QStringList>& teams) {
        QList<QStringList> rows{ProtocolHeaderRow()};
        rows += teams;
        FillList(form->SortGrid2, rows);
        form->SelectDatenbank(form->DatenbanknachVorlauf2);
        form->RebuildLaneLists();
        form->UpdateCommandStates();
    }

    // A folder that does not exist: nothing can be written into it.
    QString Nowhere() const { return wb.Path("fehlt"); }

    // START, then lane 1 stops after `ms1` and lane 2 after `ms2` (by their
    // buttons, which act when pressed).
    void Run(int ms1, int ms2) {
        ASSERT_TRUE(form->bSTART->isEnabled());
        QTest::mouseClick(form->bSTART, Qt::LeftButton);
        wb.clock.now += static_cast<uint32_t>(ms1);
        Press(form->bSTOP1);
        wb.clock.now += static_cast<uint32_t>(ms2 - ms1);
        Press(form->bSTOP2);
        ASSERT_TRUE(form->bRESET->isEnabled());
    }
    void Reset() { Press(form->bRESET); }
    static void Press(QWidget* button) {
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
    }
    void ClickCell(TSortGrid* grid, int col, int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(col, row).center());
    }
    QByteArray ProtocolFileBytes() const { return wb.Read(form->ProtocolFile); }
};

} // namespace

TEST_F(ResultFiles, TextFileHoldsTheShownListByteForByte) {
    FillList(form->SortGrid3, {ResultHeaderRow(),
                               {"1", "Ost", "", "21,50", "0", "21,50"},
                               {"", "ohne Platz", "", "30,00", "0", "30,00"},
                               {" ", "Gast"}});
    form->StageEntry(13)->trigger();
    const QString file = wb.Path("liste.txt");
    ASSERT_TRUE(form->SaveListAsText(file));
    // One byte for "Ü" (Windows-1252); every field ends with a tab; a row
    // without a place is a row of the list like one holding a blank.
    EXPECT_EQ(wb.Read(file), QByteArray("Platz\tMannschaft\tKlasse\t\xDC"
                                        "bungszeit\tFehler\tGesamtzeit\t\r\n"
                                        "1\tOst\t \t21,50\t0\t21,50\t\r\n"
                                        " \tohne Platz\t \t30,00\t0\t30,00\t\r\n"
                                        " \tGast\t \t \t \t \t\r\n"));
}

TEST_F(ResultFiles, ProtocolWithoutHeaderHasNoHeaderLine) {
    form->SelectDatenbank(form->DatenbanknachVorlauf2);
    form->SortGrid2->SetCell(pc::Nr, 1, "7");
    form->SortGrid2->SetCell(pc::Name, 1, "Ost");
    const QString file = wb.Path("protokoll.txt");
    ASSERT_TRUE(form->SaveListAsText(file));
    EXPECT_EQ(wb.Read(file), QByteArray("7\tOst\t \t \t \t \t \t \t \t \t \t\r\n"));
}

TEST_F(ResultFiles, AutoSaveFailureStaysShownUntilASaveSucceeds) {
    ShowProtocol({{"7", "Ost"}, {"12", "West"}});
    form->UseResultFolder(OutputLocation{Nowhere(), false});
    Run(21000, 22000);
    QLabel* notice = form->StatusPanelSaveError;
    EXPECT_FALSE(notice->isHidden());
    EXPECT_TRUE(
        notice->text().contains("Der Schreibfehler der Datei: " + QDir::toNativeSeparators(Nowhere())));
    EXPECT_TRUE(notice->text().endsWith("(" + SystemErrorText(ENOENT) + ")")) << notice->text().toStdString();
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << "no box after a run";

    // The next START rewrites the status text, not the notice.
    Reset();
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    EXPECT_FALSE(notice->isHidden());
    ASSERT_TRUE(QDir().mkpath(Nowhere()));
    Press(form->bSTOP1);
    Press(form->bSTOP2);
    EXPECT_TRUE(notice->isHidden());
    EXPECT_TRUE(ProtocolFileBytes().contains("12\tWest\t"));
}

TEST_F(ResultFiles, AnEmptyShownListNeverReplacesTheAutoSaveAndTheProtocolHasItsOwnFile) {
    ShowProtocol({{"1", "Eins"}, {"2", "Zwei"}, {"3", "Drei"}, {"4", "Vier"}});
    EXPECT_EQ(form->ProtocolFile, wb.Path("app_tests-Zeitenprotokoll.txt"));
    Run(21000, 22000);
    const QByteArray firstRun = wb.Read(form->AutoSaveFile);
    EXPECT_TRUE(firstRun.contains("\r\n1\tEins\t \t \t21,00\t0\t21,00\t \t \t \t21,00\t\r\n"));
    EXPECT_EQ(ProtocolFileBytes(), firstRun);

    // During the second run the operator looks at the overall result, which
    // has not been generated yet.
    Reset();
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    form->StageEntry(StageTag(1, lkGesamt))->trigger();
    ASSERT_EQ(form->CurrentList, form->SortGrid4);
    wb.clock.now += 23000;
    Press(form->bSTOP1);
    Press(form->bSTOP2);
    EXPECT_EQ(wb.Read(form->AutoSaveFile), firstRun);
    EXPECT_TRUE(ProtocolFileBytes().contains("\r\n3\tDrei\t \t \t23,00\t0\t23,00\t"));
    EXPECT_TRUE(ProtocolFileBytes().contains("\r\n1\tEins\t \t \t21,00\t"));
}

// Penalties typed after the last run: at once on Enter, and the one still
// being typed when the console is closed.
TEST_F(ResultFiles, CorrectionsAfterTheLastRunReachTheDisk) {
    ShowProtocol({{"1", "Eins"}, {"2", "Zwei"}});
    ASSERT_TRUE(Workbench::ShowActive(*form));
    Run(21000, 22000);
    Reset();
    TSortGrid* protocol = form->SortGrid2;
    ClickCell(protocol, pc::Fehler1, 1);
    QTest::keyClicks(protocol, "3");
    QTest::keyClick(protocol, Qt::Key_Return);
    EXPECT_TRUE(ProtocolFileBytes().contains("\r\n1\tEins\t \t \t21,00\t3\t24,00\t \t \t \t24,00\t\r\n"));

    ClickCell(protocol, pc::Fehler2, 2);
    QTest::keyClicks(protocol, "2");
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(wb.modal.asked.isEmpty());
    EXPECT_TRUE(ProtocolFileBytes().contains("\r\n2\tZwei\t \t \t \t \t \t22,00\t2\t24,00\t24,00\t\r\n"));
}

TEST_F(ResultFiles, ClosingAsksWhenTheProtocolCannotBeWritten) {
    ShowProtocol({{"1", "Eins"}, {"2", "Zwei"}});
    form->UseResultFolder(OutputLocation{Nowhere(), false});
    Run(21000, 22000);
    Reset();
    EXPECT_FALSE(form->close()); // answered "no"
    EXPECT_EQ(wb.modal.asked, QStringList{"Beenden?"});
    EXPECT_TRUE(form->isVisible());
    wb.modal.answer = TFDlgYesNo::mrYes;
    EXPECT_TRUE(form->close());
}

// Marks, classes, generation, clearing and removing rows change the protocol
// between runs: each is on disk at once.
TEST_F(ResultFiles, EveryChangeOfTheProtocolIsWrittenAtOnce) {
    form->ClassList = QStringList{"Frauen", "Jugend"};
    ShowProtocol({{"2", "Zwei"}, {"1", "Eins"}, {"3", "Drei"}});
    ASSERT_TRUE(Workbench::ShowActive(*form));
    TSortGrid* protocol = form->SortGrid2;
    // A mark set during a run is written with the run's times, not while a
    // lane still runs.
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    ClickCell(protocol, pc::Qualified, 3);
    EXPECT_FALSE(QFileInfo::exists(form->ProtocolFile));
    wb.clock.now += 21000;
    Press(form->bSTOP1);
    Press(form->bSTOP2);
    EXPECT_TRUE(ProtocolFileBytes().contains("\r\n3\tDrei\t \tv\t"));
    Reset();

    ClickCell(protocol, pc::Qualified, 1);
    EXPECT_TRUE(ProtocolFileBytes().contains("\r\n2\tZwei\t \tv\t"));

    ClickCell(protocol, pc::Klasse, 2);
    ASSERT_TRUE(protocol->ComboList()->isVisible());
    QTest::keyClick(protocol->ComboList(), Qt::Key_Return);
    EXPECT_TRUE(ProtocolFileBytes().contains("\r\n1\tEins\tFrauen\t"));

    // Generation leaves the protocol in number order.
    form->StageEntry(StageTag(1, lkGenerate))->trigger();
    EXPECT_TRUE(ProtocolFileBytes().contains("Bestzeit\t\r\n1\tEins\t"));

    form->SelectDatenbank(form->DatenbanknachVorlauf2);
    wb.modal.answer = TFDlgYesNo::mrYes;
    QTest::mouseClick(form->sbClsAll, Qt::LeftButton);
    EXPECT_FALSE(ProtocolFileBytes().contains("21,00"));

    ClickCell(protocol, pc::Name, 3);
    QTest::mouseClick(form->sbCLS, Qt::LeftButton);
    EXPECT_FALSE(ProtocolFileBytes().contains("Drei"));
    EXPECT_TRUE(ProtocolFileBytes().contains("\r\n2\tZwei\t"));
}

TEST_F(ResultFiles, ReadOnlyProgramFolderSendsFilesToTheDataFolder) {
    const QString data = wb.Path("daten");
    form->UseResultFolder(ChooseOutputLocation(Nowhere(), data));
    EXPECT_TRUE(form->AutoSaveFile.startsWith(data + "/"));
    EXPECT_TRUE(form->AutoSaveFile.endsWith(".txt"));
    EXPECT_FALSE(form->StatusPanelFiles->isHidden());
    EXPECT_TRUE(form->StatusPanelFiles->text().contains("daten"));

    form->UseResultFolder(OutputLocation{wb.dir.path(), true});
    EXPECT_TRUE(form->StatusPanelFiles->isHidden());
}

TEST_F(ResultFiles, SaveDialogOffersTheWrittenTypesAndDispatchesByType) {
    ShowProtocol({{"7", "Ost", "", "", "21,50", "0", "21,50"}});
    wb.files.accept = false;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    wb.files.accept = true;
    EXPECT_EQ(FilterEntries(wb.files.shownFilter), (QStringList{"MS Excel (*.xlsx)", "MS Word (*.docx)",
                                                                "Webseite (*.html)", "Textdatei (*.txt)"}));
    EXPECT_EQ(wb.files.shownIndex, 2);
    EXPECT_FALSE(wb.files.shownName.contains('.')) << "the chosen type brings the extension";

    // Text: the extension follows the type.
    wb.files.chosen = wb.Path("liste");
    wb.files.chosenIndex = 4;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    EXPECT_TRUE(wb.Read(wb.Path("liste.txt")).startsWith("Nr.\tName\t"));
    EXPECT_EQ(form->SaveFilterIndex, 4);
    EXPECT_EQ(form->Model.SaveFileName(), wb.Path("liste.txt"));

    // Web page.
    wb.files.chosen = wb.Path("seite.html");
    wb.files.chosenIndex = 3;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    const QByteArray page = wb.Read(wb.Path("seite.html"));
    EXPECT_TRUE(page.startsWith("<HTML>\r\n"));
    EXPECT_TRUE(page.contains("<td>21.50"));
    EXPECT_TRUE(wb.modal.messages.isEmpty());

    // Workbook and Word document, each with its type's extension.
    for (int type : {1, 2}) {
        wb.files.chosen = wb.Path(QStringLiteral("export%1").arg(type));
        wb.files.chosenIndex = type;
        QTest::mouseClick(form->sbSave, Qt::LeftButton);
    }
    EXPECT_TRUE(wb.Read(wb.Path("export1.xlsx")).startsWith("PK"));
    EXPECT_TRUE(wb.Read(wb.Path("export2.docx")).startsWith("PK"));
    EXPECT_TRUE(wb.modal.messages.isEmpty());
}

TEST_F(ResultFiles, CancelledOrFailedSave) {
    ShowProtocol({{"7", "Ost"}});
    const QString before = form->Model.SaveFileName();
    wb.files.accept = false;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    EXPECT_EQ(form->Model.SaveFileName(), before);
    EXPECT_EQ(form->SaveFilterIndex, 2);

    wb.files.accept = true;
    wb.files.chosen = Nowhere() + "/liste.txt";
    wb.files.chosenIndex = 4;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_EQ(wb.modal.messages[0], "Der Schreibfehler der Datei: " + Nowhere() + "/liste.txt");
}

TEST_F(ResultFiles, ChosenTypeIsKeptForTheNextProgramRun) {
    ShowProtocol({{"7", "Ost"}});
    wb.files.chosen = wb.Path("liste.txt");
    wb.files.chosenIndex = 3;
    QTest::mouseClick(form->sbSave, Qt::LeftButton);
    form.reset();
    form = wb.MakeForm();
    EXPECT_EQ(form->SaveFilterIndex, 3);
}

TEST_F(ResultFiles, FailedLoadDoesNotBecomeTheWorkbookTarget) {
    ShowProtocol({{"7", "Ost"}});
    const QString hint = form->sbSaveX->toolTip();
    wb.files.accept = false;
    QTest::mouseClick(form->sbLoad, Qt::LeftButton);
    EXPECT_TRUE(wb.modal.messages.isEmpty());
    EXPECT_EQ(wb.files.shownFilter, "MS Excel (*.xlsx *.xlsm *.xls *.ods)");

    // A load that did not happen must not become the target of "save as workbook".
    wb.files.accept = true;
    wb.files.chosen = wb.Path("Vorlauf.xlsx");
    QTest::mouseClick(form->sbLoad, Qt::LeftButton);
    EXPECT_EQ(form->sbSaveX->toolTip(), hint);
    EXPECT_NE(form->Model.SaveFileName(), wb.files.chosen);
    EXPECT_EQ(wb.modal.messages.size(), 1);
}

TEST_F(ResultFiles, LoadedListsOpenTheStagesTheFileNames) {
    for (TSortGrid* list : {form->SortGrid1, form->SortGrid2})
        FillList(list, {ProtocolHeaderRow(), {"12", "West"}, {"3", "Nord"}, {"", ""}});
    form->ApplyLoadedLists("/daten/Halbfinale Kreis.xlsx");
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(form->Startliste[s]->isEnabled(), s == 4) << s;
    EXPECT_EQ(form->CurrentList, form->SortGrid1);
    EXPECT_TRUE(form->StageEntry(41)->isChecked());
    EXPECT_EQ(form->Model.ListTitle(), "Halbfinale Kreis");
    EXPECT_EQ(form->windowTitle(), "Halbfinale Kreis: " + ConsoleProbe::kAppTitle);
    EXPECT_EQ(form->StatusPanel0->text(), "3");
    EXPECT_EQ(form->cbBuhn1->count(), 2) << "blank keys are skipped";
    EXPECT_EQ(form->cbBuhn1->currentText(), "  3 Nord");
    EXPECT_EQ(form->cbBuhn2->currentText(), " 12 West");
    EXPECT_TRUE(form->cbBuhn2->isEnabled());
    EXPECT_TRUE(form->bSTART->isEnabled());

    form->ApplyLoadedLists("/daten/Kreis-Cup.xlsx");
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(form->Startliste[s]->isEnabled(), s == 1) << s;

    form->ApplyLoadedLists("/daten/Vorlauf und Finale.xlsx");
    EXPECT_TRUE(form->Startliste[1]->isEnabled());
    EXPECT_TRUE(form->Startliste[5]->isEnabled());
    EXPECT_TRUE(form->StageEntry(51)->isChecked()) << "the last stage named is shown";
}

TEST_F(ResultFiles, WebPageIsWrittenBesideTheProgramAndOpened) {
    ShowProtocol({{"7", "A&B", "", "", "21,50", "0", "21,50"}});
    form->Title1->SetCaption("Kreispokal");
    QTest::mouseClick(form->sbHTML, Qt::LeftButton);
    const QString page = wb.Path("Zeitenprotokoll.html");
    ASSERT_EQ(wb.shell.opened, QStringList{page});
    const QByteArray html = wb.Read(page);
    EXPECT_TRUE(html.contains("<th colspan=4>Mannschaft\r\n"));
    EXPECT_TRUE(html.contains("Kreispokal"));
    EXPECT_TRUE(html.contains("<td>&nbsp;A&amp;B"));

    // Unwritable: the error is shown and no page is opened.
    wb.shell.opened.clear();
    form->UseResultFolder(OutputLocation{Nowhere(), false});
    QTest::mouseClick(form->sbHTML, Qt::LeftButton);
    EXPECT_TRUE(wb.shell.opened.isEmpty());
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages[0].startsWith("Der Schreibfehler der Datei: "));
}

// A qualification of two placed teams and six qualified ones without a time:
// text, web page and workbook carry all eight, and the workbook loads back as
// it was written.
TEST_F(ResultFiles, QualifiedTeamsWithoutATimeGoOutAndComeBackWithEveryRow) {
    QList<QStringList> teams{{"1", "Eins", "A", "v", "20,00", "0", "20,00", "", "", "", "20,00"},
                             {"2", "Zwei", "A", "v", "22,00", "0", "22,00", "", "", "", "22,00"}};
    for (int n = 3; n <= 8; ++n)
        teams.append({QString::number(n), QStringLiteral("Ohne Zeit %1").arg(n), "A", "v"});
    ShowProtocol(teams);
    FillList(form->SortGrid3, {ResultHeaderRow()});
    form->StageEntry(19)->trigger();
    form->StageEntry(13)->trigger();
    const ListRows shown = RowsOf(form->SortGrid3->Store());
    ASSERT_EQ(shown.size(), 9);
    ASSERT_EQ(shown[3].value(rc::Platz), "");

    const std::pair<const char*, int> saves[] = {{"liste.txt", 4}, {"seite.html", 3}, {"mappe.xlsx", 1}};
    for (const auto& [name, type] : saves) {
        wb.files.chosen = wb.Path(name);
        wb.files.chosenIndex = type;
        QTest::mouseClick(form->sbSave, Qt::LeftButton);
    }
    const QByteArray text = wb.Read(wb.Path("liste.txt"));
    EXPECT_EQ(text.count("\r\n"), 9);
    EXPECT_TRUE(text.endsWith(" \tOhne Zeit 8\tA\t \t \t \t\r\n"));
    const QByteArray page = wb.Read(wb.Path("seite.html"));
    for (int n = 3; n <= 8; ++n)
        EXPECT_TRUE(page.contains(QStringLiteral("Ohne Zeit %1").arg(n).toUtf8())) << n;

    FillList(form->SortGrid3, {ResultHeaderRow()});
    wb.files.chosen = wb.Path("mappe.xlsx");
    QTest::mouseClick(form->sbLoad, Qt::LeftButton);
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join(" ").toStdString();
    EXPECT_EQ(RowsOf(form->SortGrid3->Store()), shown);
}

// No qualified team has a time yet: row 1 has no place, and the list can
// still be saved, printed and cleaned up.
TEST_F(ResultFiles, AQualificationWithoutTimesCanStillBeSavedPrintedAndRemoved) {
    ShowProtocol({{"1", "Eins", "A", "v"}, {"2", "Zwei", "A", "v"}});
    FillList(form->SortGrid3, {ResultHeaderRow()});
    form->StageEntry(19)->trigger();
    form->StageEntry(13)->trigger();
    ASSERT_EQ(form->SortGrid3->RowCount(), 3);
    for (QToolButton* b : {form->sbSave, form->sbPrint, form->sbCLS, form->sbClsAll})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}
