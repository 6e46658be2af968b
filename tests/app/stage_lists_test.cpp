#include "controls/sort_grid.h"
#include "core/stages.h"
#include "core/tag.h"
#include "test_platform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

namespace {

const QString kTitle = ConsoleProbe::kAppTitle;

class StageLists : public ShownForm {
protected:
    void SetUp() override {
        ShownForm::SetUp();
        FillList(form->SortGrid3, {ResultHeaderRow()});
        FillList(form->SortGrid4, {ResultHeaderRow()});
    }

    QStringList Captions(int stage) const {
        QStringList captions;
        for (QAction* a : form->Startliste[stage]->actions())
            captions << (a->isSeparator() ? "-" : a->text());
        return captions;
    }

    QStringList Column(TSortGrid* grid, int col) const { return grid->ColumnStrings(col).ToStringList(); }
};

} // namespace

TEST_F(StageLists, MenuHasAStageEachWithItsListsAndTags) {
    const QList<QAction*> stages = form->PopupMenuQ4->actions();
    ASSERT_EQ(stages.size(), 5);
    for (int s = 1; s <= 5; ++s) {
        EXPECT_EQ(stages[s - 1]->text(), StageNames[s - 1]);
        EXPECT_EQ(TagOf(stages[s - 1]), s);
        EXPECT_EQ(form->Startliste[s]->isEnabled(), s == 1) << s;
    }
    EXPECT_EQ(Captions(1), (QStringList{"Mannschafts-Datenbank", "Zeitenprotokoll", "Ergebnislisten erzeugen",
                                        "Qualifikations-Ergebnis", "Gesamt-Ergebnis", "Nächste Runde …"}));
    EXPECT_EQ(Captions(5), (QStringList{"Mannschafts-Datenbank", "Zeitenprotokoll", "Ergebnislisten erzeugen",
                                        "-", "Ergebnis"}));
    for (int tag : {11, 12, 19, 13, 14, 21, 29, 51, 52, 59, 53})
        EXPECT_NE(form->StageEntry(tag), nullptr) << tag;
    EXPECT_EQ(form->StageEntry(54), nullptr);
    EXPECT_TRUE(form->StageEntry(11)->isChecked());
    EXPECT_EQ(form->DatenbanknachVorlauf2, form->StageEntry(12));
}

TEST_F(StageLists, ChoosingAnEntryShowsItsList) {
    FillList(form->SortGrid3, {ResultHeaderRow(), {"1", "Ost"}, {"2", "West"}});
    form->StageEntry(13)->trigger();
    EXPECT_EQ(form->CurrentList, form->SortGrid3);
    EXPECT_TRUE(form->SortGrid3->isVisible());
    for (TSortGrid* other : {form->SortGrid1, form->SortGrid2, form->SortGrid4})
        EXPECT_FALSE(other->isVisible());
    EXPECT_FALSE(form->SortGridTop->isVisible());
    EXPECT_TRUE(form->StageEntry(13)->isChecked());
    EXPECT_FALSE(form->StageEntry(11)->isChecked());
    EXPECT_EQ(form->windowTitle(), "Vorlauf: " + kTitle);
    EXPECT_EQ(form->LabelErgebnis->text(), "Qualifikations-Ergebnis");
    EXPECT_EQ(form->StatusPanel1->text(), " Qualifikations-Ergebnis");
    EXPECT_EQ(form->StatusPanel0->text(), "2");
    EXPECT_TRUE(form->sbGramoty->isEnabled());
    EXPECT_FALSE(form->sb1->isEnabled());

    form->StageEntry(12)->trigger();
    EXPECT_EQ(form->CurrentList, form->SortGrid2);
    EXPECT_TRUE(form->SortGridTop->isVisible());
    EXPECT_FALSE(form->SortGrid3->isVisible());
}

TEST_F(StageLists, ListButtonOpensTheMenu) {
    FillList(form->SortGrid1, {ProtocolHeaderRow(), {"1", "Ost"}});
    form->UpdateCommandStates();
    ASSERT_TRUE(form->bQ->isEnabled());
    QTest::mouseClick(form->bQ, Qt::LeftButton);
    EXPECT_TRUE(form->PopupMenuQ4->isVisible());
    form->PopupMenuQ4->close();
}

TEST_F(StageLists, GeneratingBuildsBothResultsFromTheProtocol) {
    // Nr, Name, Klasse, Q., Zeit, Fehler, Gesamt, Zeit, Fehler, Gesamt, Bestzeit
    FillList(form->SortGrid2,
             {ProtocolHeaderRow(),
              {"4", "Vier", "A", "v", "30,00", "0", "30,00", "28,00", "0", "28,00", "28,00"},
              {"1", "Eins", "B", "", "20,00", "0", "20,00", "", "", "", "20,00"},
              {"3", "Drei", "A", "v", "9,80", "1", "10,80", "10,20", "0", "10,20", "10,20"},
              {"2", "Zwei", "B", "v", "", "", "", "", "", "", ""},
              {"5", "Fuenf", "B", "", "25,00", "0", "25,00", "25,00", "0", "25,00", "25,00"}});
    form->SortGrid2->SortByColumn(pc::Name); // generation must not depend on the shown order
    form->StageEntry(19)->trigger();

    TSortGrid* quali = form->SortGrid3;
    EXPECT_EQ(quali->RowCount(), 4);
    EXPECT_EQ(Column(quali, rc::Mannschaft), (QStringList{"Mannschaft", "Drei", "Vier", "Zwei"}));
    // A marked team without a time is listed, but takes no place.
    EXPECT_EQ(Column(quali, rc::Platz), (QStringList{"Platz", "1", "2", ""}));
    EXPECT_EQ(RowOf(quali, 1), (QStringList{"1", "Drei", "A", "10,20", "0", "10,20"}));
    EXPECT_EQ(RowOf(quali, 3), (QStringList{"", "Zwei", "B", "", "", ""}));

    TSortGrid* overall = form->SortGrid4;
    EXPECT_EQ(Column(overall, rc::Mannschaft), (QStringList{"Mannschaft", "Drei", "Vier", "Eins", "Fuenf"}));
    EXPECT_EQ(Column(overall, rc::Platz), (QStringList{"Platz", "1", "2", "3", "4"}));
    // Equal totals on both lanes: lane 1's run counts.
    EXPECT_EQ(RowOf(overall, 4), (QStringList{"4", "Fuenf", "B", "25,00", "0", "25,00"}));

    EXPECT_EQ(Column(form->SortGrid2, pc::Nr), (QStringList{"Nr.", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(form->SortGrid2->SortOptions.SortCol, 0);
    EXPECT_EQ(quali->SortOptions.SortCol, 5);
    EXPECT_EQ(form->CurrentList, quali);
    EXPECT_TRUE(form->StageEntry(13)->isChecked());
    EXPECT_EQ(form->LabelErgebnis->text(), "Qualifikations-Ergebnis");
}

TEST_F(StageLists, GeneratingAgainReplacesTheOldResults) {
    FillList(form->SortGrid2, {ProtocolHeaderRow(),
                               {"1", "Eins", "", "v", "20,00", "0", "20,00", "", "", "", "20,00"},
                               {"2", "Zwei", "", "v", "21,00", "0", "21,00", "", "", "", "21,00"}});
    form->StageEntry(19)->trigger();
    ASSERT_EQ(form->SortGrid3->RowCount(), 3);

    // Without marks the qualification keeps only its header, without a warning.
    form->SortGrid2->SetCell(pc::Qualified, 1, "");
    form->SortGrid2->SetCell(pc::Qualified, 2, "");
    const auto warnings = form->SortGrid3->findChildren<QMessageBox*>().size();
    form->StageEntry(19)->trigger();
    EXPECT_EQ(form->SortGrid3->RowCount(), 1);
    EXPECT_EQ(form->SortGrid3->GetCell(rc::Platz, 0), "Platz");
    EXPECT_EQ(form->SortGrid3->GetCell(rc::Mannschaft, 1), "") << "no stale row behind the count";
    EXPECT_EQ(form->SortGrid3->findChildren<QMessageBox*>().size(), warnings);
    EXPECT_EQ(Column(form->SortGrid4, rc::Mannschaft), (QStringList{"Mannschaft", "Eins", "Zwei"}));
    EXPECT_FALSE(form->sbSave->isEnabled()) << "nothing to save in an empty list";

    // The list menu still leads on to the other lists.
    ASSERT_TRUE(form->bQ->isEnabled());
    QTest::mouseClick(form->bQ, Qt::LeftButton);
    EXPECT_TRUE(form->PopupMenuQ4->isVisible());
    form->PopupMenuQ4->close();
}

// A header clicked to sort descending changes how a list is shown, never who
// is first: places follow the totals, and the place stays with its team.
TEST_F(StageLists, PlacesDoNotFollowTheDirectionAListIsShownIn) {
    FillList(form->SortGrid2, {ProtocolHeaderRow(),
                               {"1", "Eins", "", "v", "20,00", "0", "20,00", "", "", "", "20,00"},
                               {"2", "Zwei", "", "v", "25,00", "0", "25,00", "", "", "", "25,00"},
                               {"3", "Drei", "", "", "30,00", "0", "30,00", "", "", "", "30,00"}});
    form->StageEntry(19)->trigger();
    TSortGrid* quali = form->SortGrid3;
    ASSERT_EQ(form->CurrentList, quali);
    QTest::mouseClick(quali->viewport(), Qt::LeftButton, {}, quali->CellRect(rc::Gesamtzeit, 0).center());
    ASSERT_EQ(quali->SortOptions.SortDirection, sdDescending);
    form->SortGrid2->SortOptions.SortDirection = sdDescending; // the protocol shown by number, downwards

    form->StageEntry(19)->trigger();
    EXPECT_EQ(Column(quali, rc::Mannschaft), (QStringList{"Mannschaft", "Zwei", "Eins"}));
    EXPECT_EQ(Column(quali, rc::Platz), (QStringList{"Platz", "2", "1"}));
    EXPECT_EQ(Column(form->SortGrid4, rc::Mannschaft), (QStringList{"Mannschaft", "Eins", "Zwei", "Drei"}));
    EXPECT_EQ(Column(form->SortGrid4, rc::Platz), (QStringList{"Platz", "1", "2", "3"}));
    EXPECT_EQ(Column(form->SortGrid2, pc::Nr), (QStringList{"Nr.", "3", "2", "1"}));
}

TEST_F(StageLists, GeneratingInTheFinalShowsItsResult) {
    FillList(form->SortGrid2,
             {ProtocolHeaderRow(), {"1", "Eins", "", "v", "20,00", "0", "20,00", "", "", "", "20,00"}});
    form->Startliste[5]->setEnabled(true);
    form->StageEntry(59)->trigger();
    EXPECT_EQ(form->CurrentList, form->SortGrid3);
    EXPECT_TRUE(form->StageEntry(53)->isChecked());
    EXPECT_EQ(form->LabelErgebnis->text(), "Ergebnis");
    EXPECT_EQ(form->windowTitle(), "Finale: " + kTitle);
}

TEST_F(StageLists, SwitchingListsClosesAnOpenPenaltyEdit) {
    FillList(form->SortGrid2, {ProtocolHeaderRow(), {"1", "Eins", "", "", "20,00", "0", "20,00"}});
    form->StageEntry(12)->trigger();
    TSortGrid* protocol = form->SortGrid2;
    QTest::mouseClick(protocol->viewport(), Qt::LeftButton, {}, protocol->CellRect(pc::Fehler1, 1).center());
    QTest::keyClicks(protocol, "5");
    ASSERT_EQ(form->EditColumn, pc::Fehler1);
    form->StageEntry(14)->trigger();
    EXPECT_EQ(form->EditColumn, -1);
    EXPECT_EQ(protocol->GetCell(pc::Gesamt1, 1), "25,00");
    EXPECT_TRUE(protocol->Options().testFlag(goRowSelect));
}

// "Ergebnislisten erzeugen" chosen while a penalty is still being typed: the
// penalty is part of the results it builds.
TEST_F(StageLists, GeneratingTakesAPenaltyStillBeingTyped) {
    FillList(form->SortGrid2, {ProtocolHeaderRow(),
                               {"1", "Eins", "", "v", "20,00", "0", "20,00", "", "", "", "20,00"},
                               {"2", "Zwei", "", "v", "22,00", "0", "22,00", "", "", "", "22,00"}});
    form->StageEntry(12)->trigger();
    TSortGrid* protocol = form->SortGrid2;
    QTest::mouseClick(protocol->viewport(), Qt::LeftButton, {}, protocol->CellRect(pc::Fehler1, 1).center());
    QTest::keyClicks(protocol, "5");
    ASSERT_EQ(form->EditColumn, pc::Fehler1);
    form->StageEntry(19)->trigger();
    EXPECT_EQ(Column(form->SortGrid3, rc::Mannschaft), (QStringList{"Mannschaft", "Zwei", "Eins"}));
    EXPECT_EQ(RowOf(form->SortGrid3, 2), (QStringList{"2", "Eins", "", "20,00", "5", "25,00"}));
    EXPECT_EQ(RowOf(form->SortGrid4, 2), (QStringList{"2", "Eins", "", "20,00", "5", "25,00"}));
}
