#include "controls/bit_btn_with_color.h"
#include "controls/sort_grid.h"
#include "core/stages.h"
#include "test_platform.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

namespace {

// Time protocol rows 1-3: teams 7, 12 and 3. The lane lists come out in
// number order: "  3 Nord" on lane 1, "  7 Ost" on lane 2.
class ResultsTable : public ::testing::Test {
protected:
    Workbench wb;
    std::unique_ptr<ConsoleProbe> form;
    TSortGrid* protocol = nullptr;

    void SetUp() override { MakeForm(); }

    void MakeForm() {
        form = wb.MakeForm();
        ASSERT_TRUE(Workbench::ShowActive(*form));
        protocol = form->SortGrid2;
        FillList(protocol, {ProtocolHeaderRow(), {"7", "Ost"}, {"12", "West"}, {"3", "Nord"}});
        form->SelectDatenbank(form->DatenbanknachVorlauf2);
        form->RebuildLaneLists();
        form->UpdateCommandStates();
    }

    void TearDown() override { form.reset(); }

    void ClickCell(TSortGrid* grid, int col, int row) {
        const QRect cell = grid->CellRect(col, row);
        ASSERT_FALSE(cell.isEmpty()) << col << "," << row;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void Start() {
        ASSERT_TRUE(form->bSTART->isEnabled());
        QTest::mouseClick(form->bSTART, Qt::LeftButton);
    }

    void SetRow(int row, const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c)
            protocol->SetCell(c, row, cells[c]);
    }
};

} // namespace

TEST_F(ResultsTable, LaneListsOfferTheTeamsInNumberOrder) {
    ASSERT_EQ(form->cbBuhn1->count(), 3);
    EXPECT_EQ(form->cbBuhn1->itemText(0), "  3 Nord");
    EXPECT_EQ(form->cbBuhn1->itemText(2), " 12 West");
    EXPECT_EQ(form->cbBuhn1->currentIndex(), 0);
    EXPECT_EQ(form->cbBuhn2->currentIndex(), 1);
    EXPECT_TRUE(form->cbBuhn1->isEnabled());
    EXPECT_TRUE(form->cbBuhn2->isEnabled());
}

TEST_F(ResultsTable, LaneTwoFirstThenLaneOneInALaterRun) {
    Start();
    wb.clock.now += 25000;
    form->mStop2Click(); // team 7, no lane 1 time yet
    EXPECT_EQ(RowOf(protocol, 1).mid(4), (QStringList{"", "", "", "25,00", "0", "25,00", "25,00"}));
    wb.clock.now += 1300;
    form->mSTOP1Click(); // team 3
    EXPECT_EQ(protocol->GetCell(pc::Zeit1, 3), "26,30");
    EXPECT_EQ(protocol->GetCell(pc::Bestzeit, 3), "26,30");
    form->mResetClick(form->bRESET);

    // Team 7 onto lane 1 by its row and the lane button.
    form->cbBuhn2->setCurrentIndex(0);
    ClickCell(protocol, pc::Name, 1);
    QTest::mouseClick(form->sb1, Qt::LeftButton);
    ASSERT_EQ(form->cbBuhn1->currentText(), "  7 Ost");
    Start();
    wb.clock.now += 24100;
    form->mSTOP1Click();
    EXPECT_EQ(RowOf(protocol, 1).mid(4),
              (QStringList{"24,10", "0", "24,10", "25,00", "0", "25,00", "24,10"}));
}

TEST_F(ResultsTable, UnknownTeamIsToldInABoxOnlyAfterTheRun) {
    // A lane left on a team that has gone from the protocol since.
    SetRow(4, {"99", "Gast"});
    protocol->SetRowCount(5);
    form->RebuildLaneLists();
    form->cbBuhn1->setCurrentIndex(3);
    protocol->SetRowCount(4);
    Start();
    wb.clock.now += 21500;
    form->mSTOP1Click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << "no box while lane 2 still runs";
    EXPECT_TRUE(form->StatusPanel1->text().contains("„99 Gast“"));
    EXPECT_TRUE(form->bSTOP2->isEnabled());

    form->mStop2Click();
    QCoreApplication::processEvents();
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages[0].contains("Bahn 1"));
    EXPECT_TRUE(wb.modal.messages[0].contains("21,50"));
    EXPECT_EQ(protocol->GetCell(pc::Zeit2, 1), "21,50"); // lane 2 recorded as usual
}

TEST_F(ResultsTable, PenaltyTypedWithTheKeyFilterAndCommittedByEnter) {
    SetRow(1, {"7", "Ost", "", "", "21,50", "0", "21,50", "23,10", "0", "23,10", "21,50"});
    ClickCell(protocol, pc::Fehler1, 1);
    EXPECT_EQ(form->EditColumn, pc::Fehler1);
    EXPECT_TRUE(protocol->Options().testFlag(goEditing));
    EXPECT_FALSE(protocol->Options().testFlag(goRowSelect));

    QTest::keyClicks(protocol, "3x-"); // letters and the minus sign do nothing
    EXPECT_EQ(protocol->GetCell(pc::Fehler1, 1), "3");
    QTest::keyClick(protocol, Qt::Key_Return);

    EXPECT_EQ(protocol->GetCell(pc::Gesamt1, 1), "24,50");
    EXPECT_EQ(protocol->GetCell(pc::Bestzeit, 1), "23,10");
    EXPECT_EQ(form->EditColumn, -1);
    EXPECT_TRUE(protocol->Options().testFlag(goRowSelect));
    EXPECT_FALSE(protocol->Options().testFlag(goEditing));
    EXPECT_EQ(protocol->SelectionRect(), (TGridRect{0, 1, 10, 1}));
}

TEST_F(ResultsTable, KeysAreFilteredOnlyWhileAPenaltyIsOpen) {
    QChar key = u'x';
    form->SortGrid1KeyPress(protocol, key);
    EXPECT_EQ(key, u'x');
    ClickCell(protocol, pc::Zeit2, 2);
    EXPECT_EQ(form->EditColumn, pc::Fehler2);
    for (QChar swallowed : {u'x', u'-', u'.', u' '}) {
        key = swallowed;
        form->SortGrid1KeyPress(protocol, key);
        EXPECT_TRUE(key.isNull()) << QString(swallowed).toStdString();
    }
    for (QChar passed : {QChar(u'0'), QChar(u'9'), QChar(u','), QChar(8)}) {
        key = passed;
        form->SortGrid1KeyPress(protocol, key);
        EXPECT_EQ(key, passed);
    }
}

TEST_F(ResultsTable, SelectingAnotherCellCommitsTheEdit) {
    SetRow(2, {"12", "West", "", "", "", "", "", "30,00", "0", "30,00", "30,00"});
    ClickCell(protocol, pc::Fehler2, 2);
    QTest::keyClicks(protocol, "2");
    ClickCell(protocol, pc::Name, 3);
    EXPECT_EQ(protocol->GetCell(pc::Gesamt2, 2), "32,00");
    EXPECT_EQ(protocol->GetCell(pc::Bestzeit, 2), "32,00");
    EXPECT_EQ(form->EditColumn, -1);
    EXPECT_EQ(protocol->CurrentRow(), 3);
    EXPECT_TRUE(protocol->Options().testFlag(goRowSelect));
}

TEST_F(ResultsTable, MovingToAnotherPenaltyCellCommitsTheFirst) {
    SetRow(1, {"7", "Ost", "", "", "21,50", "0", "21,50", "", "", "", "21,50"});
    ClickCell(protocol, pc::Fehler1, 1);
    QTest::keyClicks(protocol, "2");
    ClickCell(protocol, pc::Fehler2, 2);
    EXPECT_EQ(protocol->GetCell(pc::Gesamt1, 1), "23,50");
    EXPECT_EQ(protocol->GetCell(pc::Bestzeit, 1), "23,50");
    EXPECT_EQ(form->EditColumn, pc::Fehler2);
    EXPECT_TRUE(protocol->Options().testFlag(goEditing));
    EXPECT_TRUE(form->mStart->shortcut().isEmpty());
}

TEST_F(ResultsTable, CommitWithoutTimeOrWithAnUnreadablePenalty) {
    // No time on the lane: only the edit closes.
    ClickCell(protocol, pc::Fehler1, 3);
    QTest::keyClicks(protocol, "4");
    QTest::keyClick(protocol, Qt::Key_Return);
    EXPECT_EQ(protocol->GetCell(pc::Gesamt1, 3), "");
    EXPECT_EQ(protocol->GetCell(pc::Bestzeit, 3), "");
    EXPECT_EQ(form->EditColumn, -1);

    // Two separators make no number: the penalty becomes 0.
    SetRow(1, {"7", "Ost", "", "", "21,50", "0", "21,50"});
    ClickCell(protocol, pc::Fehler1, 1);
    QTest::keyClicks(protocol, "1,2,3");
    QTest::keyClick(protocol, Qt::Key_Return);
    EXPECT_EQ(protocol->GetCell(pc::Fehler1, 1), "0");
    EXPECT_EQ(protocol->GetCell(pc::Gesamt1, 1), "21,50");
    EXPECT_EQ(protocol->GetCell(pc::Bestzeit, 1), "21,50");
}

TEST_F(ResultsTable, AClearedOrZeroTimeNoLongerCounts) {
    SetRow(1, {"7", "Ost", "", "", "21,50", "0", "21,50", "23,10", "0", "23,10", "21,50"});
    ClickCell(protocol, pc::Zeit1, 1);
    QTest::keyClicks(protocol, "9"); // replaces the time, as typing in any cell does
    QTest::keyClick(protocol->InplaceEditor(), Qt::Key_Backspace);
    QTest::keyClick(protocol->InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(RowOf(protocol, 1).mid(pc::Zeit1), (QStringList{"", "0", "", "23,10", "0", "23,10", "23,10"}));

    ClickCell(protocol, pc::Zeit2, 1);
    QTest::keyClicks(protocol, "0");
    QTest::keyClick(protocol->InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(RowOf(protocol, 1).mid(pc::Zeit2), (QStringList{"0", "0", "", ""}));
    EXPECT_TRUE(form->StatusPanel1->text().contains(QString::fromUtf8("Zeit „0“")))
        << form->StatusPanel1->text().toStdString();
}

// Ctrl+V passes the key filter: the committed text is what is checked.
TEST_F(ResultsTable, APastedPenaltyMustBeWholeSecondsFromZeroOn) {
    SetRow(1, {"7", "Ost", "", "", "21,50", "0", "21,50", "", "", "", "21,50"});
    QGuiApplication::clipboard()->setText("-15");
    ClickCell(protocol, pc::Fehler1, 1);
    QTest::keyClicks(protocol, "1");
    QTest::keyClick(protocol->InplaceEditor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(protocol->InplaceEditor(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(protocol->GetCell(pc::Fehler1, 1), "-15");
    QTest::keyClick(protocol->InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(RowOf(protocol, 1).mid(pc::Zeit1, 3), (QStringList{"21,50", "0", "21,50"}));
    EXPECT_EQ(protocol->GetCell(pc::Bestzeit, 1), "21,50");
    EXPECT_TRUE(form->StatusPanel1->text().contains(QString::fromUtf8("Fehler „-15“")))
        << form->StatusPanel1->text().toStdString();
}

// While lane 2 runs, a click on a time cell must not open an editor that would
// take the "2" as a digit; an edit open at START is taken in first.
TEST_F(ResultsTable, RunKeysWinOverTheTimeCellsWhileTheClockRuns) {
    SetRow(2, {"12", "West", "", "", "30,00", "0", "30,00", "", "", "", "30,00"});
    ClickCell(protocol, pc::Fehler1, 2);
    QTest::keyClicks(protocol, "3");
    Start();
    EXPECT_EQ(form->EditColumn, -1);
    EXPECT_EQ(RowOf(protocol, 2).mid(pc::Fehler1), (QStringList{"3", "33,00", "", "", "", "33,00"}));

    wb.clock.now += 21500;
    QTest::keyClick(form.get(), Qt::Key_1); // lane 1: team 3 in row 3
    ClickCell(protocol, pc::Zeit1, 1);
    EXPECT_EQ(form->EditColumn, -1);
    EXPECT_FALSE(protocol->Options().testFlag(goEditing));
    EXPECT_EQ(protocol->SelectionRect(), (TGridRect{0, 1, 10, 1}));
    wb.clock.now += 1000;
    QTest::keyClick(protocol, Qt::Key_2);
    EXPECT_FALSE(form->bSTOP2->isEnabled());
    EXPECT_EQ(protocol->GetCell(pc::Zeit1, 1), "");
    EXPECT_EQ(protocol->GetCell(pc::Zeit2, 1), "22,50"); // team 7 on lane 2
    EXPECT_EQ(protocol->GetCell(pc::Zeit1, 3), "21,50");
}

// Team 1000's key is "1000 Tausend": its first three characters read 100.
TEST_F(ResultsTable, AStopGoesToTheTeamOfTheWholeNumberOrToNobody) {
    protocol->SetRowCount(6);
    SetRow(4, {"100", "Hundert"});
    SetRow(5, {"1000", "Tausend"});
    form->RebuildLaneLists();
    form->cbBuhn1->setCurrentIndex(form->cbBuhn1->findText("1000 Tausend"));
    form->UpdateCommandStates();
    Start();
    wb.clock.now += 20000;
    form->mSTOP1Click();
    EXPECT_EQ(protocol->GetCell(pc::Zeit1, 5), "20,00");
    EXPECT_EQ(protocol->GetCell(pc::Zeit1, 4), "");

    // Team 7 twice under one name (lane 2): neither row is written, the
    // operator is told.
    protocol->SetRowCount(7);
    SetRow(6, {"7", "Ost"});
    wb.clock.now += 1000;
    form->mStop2Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(protocol->GetCell(pc::Zeit2, 1), "");
    EXPECT_EQ(protocol->GetCell(pc::Zeit2, 6), "");
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages[0].contains("„7 Ost“ steht mehrfach im Zeitenprotokoll"));
    EXPECT_TRUE(wb.modal.messages[0].contains("21,00"));
}

TEST_F(ResultsTable, RunKeysPauseDuringAnEditAndComeBackOnlyWithinARun) {
    Start();
    form->mSTOP1Click();
    form->mStop2Click(); // finished, RESET waits
    ClickCell(protocol, pc::Fehler1, 1);
    EXPECT_TRUE(form->mReset->shortcut().isEmpty());
    QTest::keyClicks(protocol, "0"); // a digit of the penalty, not RESET
    EXPECT_TRUE(form->bRESET->isEnabled());
    QTest::keyClick(protocol, Qt::Key_Return);
    EXPECT_EQ(form->mReset->shortcut(), QKeySequence(Qt::Key_0));

    form->mResetClick(form->bRESET);
    ClickCell(protocol, pc::Fehler1, 2);
    QTest::keyClick(protocol, Qt::Key_Return);
    // Between runs a typed "S" must not start one.
    EXPECT_TRUE(form->mStart->shortcut().isEmpty());
    QTest::keyClick(form.get(), Qt::Key_S);
    EXPECT_FALSE(form->Clock->isActive());
}

TEST_F(ResultsTable, ResultListRanksByTotalWithBlankTotalsLast) {
    TSortGrid* overall = form->SortGrid4;
    FillList(overall, {ResultHeaderRow(),
                       {"", "A", "", "10,20", "0", "10,20"},
                       {"", "Leer", "", "", "", ""},
                       {"", "B", "", "9,80", "0", "9,80"},
                       {"", "D", "", "11,00", "0", "11,00"}});
    form->SelectDatenbank(form->StageEntry(StageTag(1, lkGesamt)));
    ASSERT_EQ(form->CurrentList, overall);
    form->RerankResultList();
    EXPECT_EQ(overall->ColumnStrings(rc::Mannschaft).ToStringList(),
              (QStringList{"Mannschaft", "B", "A", "D", "Leer"}));
    EXPECT_EQ(overall->ColumnStrings(rc::Platz).ToStringList(), (QStringList{"Platz", "1", "2", "3", ""}));
}

// Places come from the list's data: sorting the overall result by
// "Mannschaft" and removing a row closes the gap in the earlier place order
// (qualified teams stay ahead), and the rows stay in name order.
TEST_F(ResultsTable, PlacesStayWithTheTotalsWhateverColumnIsSorted) {
    TSortGrid* overall = form->SortGrid4;
    FillList(overall, {ResultHeaderRow(),
                       {"1", "Zulu", "", "30,00", "0", "30,00"}, // qualified, so ahead of faster teams
                       {"4", "Alpha", "", "25,00", "0", "25,00"},
                       {"2", "Mike", "", "20,00", "0", "20,00"},
                       {"3", "Bravo", "", "27,00", "0", "27,00"}});
    form->SelectDatenbank(form->StageEntry(StageTag(1, lkGesamt)));
    ClickCell(overall, rc::Mannschaft, 0);
    ASSERT_EQ(overall->ColumnStrings(rc::Mannschaft).ToStringList(),
              (QStringList{"Mannschaft", "Alpha", "Bravo", "Mike", "Zulu"}));
    ClickCell(overall, rc::Mannschaft, 2);
    wb.modal.answer = TFDlgYesNo::mrYes;
    QTest::mouseClick(form->sbCLS, Qt::LeftButton);
    EXPECT_EQ(overall->ColumnStrings(rc::Mannschaft).ToStringList(),
              (QStringList{"Mannschaft", "Alpha", "Mike", "Zulu"}));
    EXPECT_EQ(overall->ColumnStrings(rc::Platz).ToStringList(), (QStringList{"Platz", "3", "2", "1"}));
}

TEST_F(ResultsTable, TheProtocolIsNeverReranked) {
    SetRow(1, {"7", "Ost", "", "", "30,00", "0", "30,00", "", "", "", "30,00"});
    SetRow(2, {"12", "West", "", "", "20,00", "0", "20,00", "", "", "", "20,00"});
    form->RerankResultList();
    EXPECT_EQ(protocol->GetCell(pc::Nr, 1), "7");

    // Ticking "Q." writes the mark and keeps the order and the row.
    ClickCell(protocol, pc::Qualified, 2);
    EXPECT_EQ(protocol->GetCell(pc::Qualified, 2), "v");
    EXPECT_EQ(protocol->GetCell(pc::Nr, 2), "12");
    EXPECT_EQ(protocol->CurrentRow(), 2);
    ClickCell(protocol, pc::Qualified, 2);
    EXPECT_EQ(protocol->GetCell(pc::Qualified, 2), "");
}

TEST_F(ResultsTable, ProtocolSortPutsMarkedTeamsFirstThenByBestTime) {
    SetRow(1, {"7", "Ost", "", "", "", "", "", "", "", "", "30,00"});
    SetRow(2, {"12", "West", "", "v", "", "", "", "", "", "", "40,00"});
    SetRow(3, {"3", "Nord", "", "", "", "", "", "", "", "", "9,50"});
    protocol->SortByColumn(pc::Qualified);
    EXPECT_EQ(protocol->ColumnStrings(pc::Nr).ToStringList(), (QStringList{"Nr.", "12", "3", "7"}));
}

TEST_F(ResultsTable, LaneTeamsAreRedAndHeadersSmall) {
    protocol->SetRowCount(5);
    SetRow(4, {"3", "Nord"}); // the same team twice: both rows stand out
    const auto format = [&](int col, int row) {
        TFormatOptions fo;
        bool check = false, combo = false, ellipsis = false;
        form->SortGrid1GetCellFormat(protocol, col, row, {}, fo, check, combo, ellipsis);
        return std::make_tuple(fo, check, combo);
    };
    EXPECT_EQ(std::get<0>(format(pc::Nr, 3)).Font.Color, clRed); // lane 1: "  3 Nord"
    EXPECT_EQ(std::get<0>(format(pc::Nr, 4)).Font.Color, clRed);
    EXPECT_EQ(std::get<0>(format(pc::Bestzeit, 1)).Font.Color, clRed); // lane 2: "  7 Ost"
    EXPECT_NE(std::get<0>(format(pc::Nr, 2)).Font.Color, clRed);
    EXPECT_EQ(std::get<0>(format(pc::Nr, 0)).Font.pointSize(), 10);
    EXPECT_TRUE(std::get<1>(format(pc::Qualified, 1)));
    EXPECT_TRUE(std::get<2>(format(pc::Klasse, 1)));
    EXPECT_FALSE(std::get<2>(format(pc::Klasse, 0)));
    EXPECT_EQ(std::get<0>(format(pc::Name, 1)).AlignmentHorz, taLeftJustify);
}

TEST_F(ResultsTable, ClassCellOffersTheClassList) {
    EXPECT_FALSE(protocol->ShowComboBox(pc::Klasse, 1)) << "no Klasse.txt, no list";

    QFile classes(wb.Path("Klasse.txt"));
    ASSERT_TRUE(classes.open(QIODevice::WriteOnly));
    classes.write("Frauen\nMaenner\nJugend\n");
    classes.close();
    MakeForm(); // the class list is read at start-up
    ASSERT_TRUE(protocol->ShowComboBox(pc::Klasse, 1));
    EXPECT_EQ(protocol->ComboList()->count(), 3);
}

TEST_F(ResultsTable, LaneButtonsPutTheCurrentRowsTeamOnALane) {
    ClickCell(protocol, pc::Name, 2);
    QTest::mouseClick(form->sb2, Qt::LeftButton);
    EXPECT_EQ(form->cbBuhn2->currentText(), " 12 West");
    QTest::mouseClick(form->sb1, Qt::LeftButton);
    EXPECT_EQ(form->cbBuhn1->currentText(), " 12 West");
    EXPECT_FALSE(form->bSTART->isEnabled()) << "one team on both lanes";

    // A row whose team is not in the lane lists leaves the lane empty.
    protocol->SetRowCount(5);
    SetRow(4, {"40", "Gast"});
    ClickCell(protocol, pc::Name, 4);
    QTest::mouseClick(form->sb1, Qt::LeftButton);
    EXPECT_EQ(form->cbBuhn1->currentIndex(), -1);
}

TEST_F(ResultsTable, RemovingARowAsksFirst) {
    ClickCell(protocol, pc::Name, 2);
    wb.modal.answer = TFDlgYesNo::mrCancel;
    QTest::mouseClick(form->sbCLS, Qt::LeftButton);
    EXPECT_EQ(wb.modal.asked, QStringList{"Zeile entfernen?"});
    EXPECT_EQ(protocol->RowCount(), 4);

    wb.modal.answer = TFDlgYesNo::mrYes;
    QTest::mouseClick(form->sbCLS, Qt::LeftButton);
    EXPECT_EQ(protocol->ColumnStrings(pc::Nr).ToStringList(), (QStringList{"Nr.", "7", "3"}));
    EXPECT_EQ(protocol->CurrentRow(), 2);
    EXPECT_EQ(form->cbBuhn1->count(), 2);
    EXPECT_EQ(form->cbBuhn1->findText(" 12 West"), -1);
    EXPECT_EQ(form->cbBuhn2->currentIndex(), 1);

    // The last row: the new last row becomes current.
    QTest::mouseClick(form->sbCLS, Qt::LeftButton);
    EXPECT_EQ(protocol->ColumnStrings(pc::Nr).ToStringList(), (QStringList{"Nr.", "7"}));
    EXPECT_EQ(protocol->CurrentRow(), 1);
    EXPECT_FALSE(form->cbBuhn2->isEnabled()) << "one team left";
}

TEST_F(ResultsTable, RemovingARowDuringARunKeepsTheRunningTeams) {
    Start();
    ClickCell(protocol, pc::Name, 2); // " 12 West", not running
    wb.modal.answer = TFDlgYesNo::mrYes;
    QTest::mouseClick(form->sbCLS, Qt::LeftButton);
    EXPECT_EQ(form->cbBuhn1->currentText(), "  3 Nord");
    EXPECT_EQ(form->cbBuhn2->currentText(), "  7 Ost");
    EXPECT_FALSE(form->cbBuhn1->isEnabled());
    wb.clock.now += 31000;
    form->mSTOP1Click();
    EXPECT_EQ(protocol->GetCell(pc::Zeit1, 2), "31,00"); // team 3, now in row 2
}

TEST_F(ResultsTable, ClearingResultsKeepsNumberNameAndClass) {
    SetRow(1, {"7", "Ost", "Frauen", "v", "21,50", "0", "21,50", "", "", "", "21,50"});
    wb.modal.answer = TFDlgYesNo::mrCancel;
    QTest::mouseClick(form->sbClsAll, Qt::LeftButton);
    EXPECT_EQ(wb.modal.asked, QStringList{QString::fromUtf8("Ergebnisse löschen?")});
    EXPECT_EQ(protocol->GetCell(pc::Zeit1, 1), "21,50");

    wb.modal.answer = TFDlgYesNo::mrYes;
    QTest::mouseClick(form->sbClsAll, Qt::LeftButton);
    EXPECT_EQ(RowOf(protocol, 1), (QStringList{"7", "Ost", "Frauen", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(protocol->GetCell(pc::Name, 0), "Name");
}
