#include "core/competition/competition_model.h"
#include "core/result_numbers.h"

#include "list_rows_util.h"
#include <QLocale>

#include <gtest/gtest.h>

using namespace zn;
using zn::test::TeamRow;
using Kind = CompetitionEventKind;

namespace {

class Recorder : public ICompetitionObserver {
public:
    std::vector<CompetitionEvent> events;
    void CompetitionChanged(const CompetitionEvent& event) override { events.push_back(event); }
    const CompetitionEvent& Last() const { return events.back(); }
    std::vector<int> ListsOfLast() const {
        std::vector<int> lists;
        for (const ListContent& l : Last().lists)
            lists.push_back(l.list);
        return lists;
    }
};

// Four teams in the database and the time protocol; the lanes offer them in
// number order ("  3 Nord", "  7 Ost", " 12 West", " 20 Süd").
class Model : public ::testing::Test {
protected:
    QLocale was;
    CompetitionModel model;
    Recorder seen;

    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        model.Events().Subscribe(&seen);
        const QStringList header(ProtocolHeaders.begin(), ProtocolHeaders.end());
        const ListRows teams{header, TeamRow("7", "Ost"), TeamRow("12", "West"), TeamRow("3", "Nord"),
                             TeamRow("20", "Süd")};
        const QStringList result(ResultHeaders.begin(), ResultHeaders.end());
        model.Load("/daten/Vorlauf Kreis.xlsx", {teams, teams, ListRows{result}, ListRows{result}});
    }
    void TearDown() override { QLocale::setDefault(was); }

    QString Cell(int list, int col, int row) const { return model.List(list).Cell(col, row); }
    // START, lane 1 after `ms1`, lane 2 after `ms2`, RESET.
    void Run(int32_t ms1, int32_t ms2) {
        model.StartRun(1000);
        model.StopLane(0, ms1, FormatSeconds(ms1 / 1000.0, u','), 1000 + ms1, true);
        model.StopLane(1, ms2, FormatSeconds(ms2 / 1000.0, u','), 1000 + ms2, false);
        model.NextPair();
    }
};

} // namespace

TEST_F(Model, ALoadEmitsAllFourListsAndThePairAndOpensTheStagesOfTheName) {
    ASSERT_EQ(seen.events.size(), 1u);
    EXPECT_EQ(seen.Last().kind, Kind::ListsLoaded);
    EXPECT_EQ(seen.ListsOfLast(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(seen.Last().team, "  3 Nord");
    EXPECT_EQ(seen.Last().team2, "  7 Ost");
    EXPECT_EQ(seen.Last().listTitle, "Vorlauf Kreis");
    EXPECT_EQ(model.ShownTag(), StageTag(1, lkDatenbank));
    EXPECT_TRUE(model.StageEnabled(1));
    EXPECT_FALSE(model.StageEnabled(5));
}

// Each stop goes into its own lane's columns of its own team's row, whatever
// list is shown, and the event carries the protocol and the shown list.
TEST_F(Model, AStopWritesItsLanesTeamAndEmitsTheProtocolAndTheShownList) {
    model.ShowList(StageTag(1, lkGesamt));
    model.StartRun(1000);
    EXPECT_EQ(seen.Last().kind, Kind::RunStarted);
    EXPECT_EQ(seen.Last().team2, "  7 Ost");
    const RecordOutcome second = model.StopLane(1, 25000, "25,00", 26000, true);
    EXPECT_EQ(second.status, RecordStatus::Recorded);
    EXPECT_EQ(Cell(lkProtokoll, pc::Zeit2, 1), "25,00"); // team 7, row 1
    EXPECT_TRUE(Cell(lkProtokoll, pc::Zeit1, 1).isEmpty());
    EXPECT_TRUE(Cell(lkDatenbank, pc::Zeit2, 1).isEmpty());
    EXPECT_EQ(seen.Last().kind, Kind::LaneStopped);
    EXPECT_EQ(seen.Last().lane, 1);
    EXPECT_EQ(seen.Last().team, "  7 Ost");
    EXPECT_TRUE(seen.Last().byContact);
    EXPECT_EQ(seen.ListsOfLast(), (std::vector<int>{2, 4}));
    model.StopLane(0, 26300, "26,30", 27300, false);
    EXPECT_EQ(Cell(lkProtokoll, pc::Zeit1, 3), "26,30"); // team 3, row 3
    EXPECT_EQ(Cell(lkProtokoll, pc::Bestzeit, 3), "26,30");
}

TEST_F(Model, NextPairWalksThroughThePairsThenSwapsSides) {
    const std::pair<QString, QString> expected[] = {
        {" 12 West", " 20 Süd"}, {"  7 Ost", "  3 Nord"}, {" 20 Süd", " 12 West"}, {"  7 Ost", "  3 Nord"}};
    for (const auto& [one, two] : expected) {
        model.NextPair();
        EXPECT_EQ(seen.Last().kind, Kind::Reset);
        EXPECT_EQ(seen.Last().team, one);
        EXPECT_EQ(seen.Last().team2, two);
    }
}

// Only the typed cell is an edit: the total and the best time follow it.
TEST_F(Model, ACommittedPenaltyIsOneEditWithItsOldAndNewText) {
    Run(23450, 24000);
    const size_t before = seen.events.size();
    // Team 3 ran lane 1; its row is 3. The view wrote the typed "5".
    model.List(lkProtokoll).SetCell(pc::Fehler1, 3, "5");
    model.NoteCellEdit(lkProtokoll, 3, pc::Fehler1, "0");
    const EditCommit commit = model.CommitCellEdit(lkProtokoll, 3, pc::Fehler1);
    EXPECT_FALSE(commit.penaltyRejected);
    EXPECT_EQ(Cell(lkProtokoll, pc::Gesamt1, 3), "28,45");
    ASSERT_EQ(seen.events.size(), before + 1);
    const CompetitionEvent& edit = seen.Last();
    EXPECT_EQ(edit.kind, Kind::CellEdited);
    EXPECT_EQ(edit.list, lkProtokoll);
    EXPECT_EQ(edit.lane, 0);
    EXPECT_EQ(edit.team, "3 Nord");
    EXPECT_EQ(edit.oldText, "0");
    EXPECT_EQ(edit.newText, "5");
    // Nothing typed since: a second commit emits nothing; the next typed
    // cell is an edit of its own.
    model.CommitEdits();
    EXPECT_EQ(seen.events.size(), before + 1);
    model.List(lkProtokoll).SetCell(pc::Fehler1, 3, "10");
    model.NoteCellEdit(lkProtokoll, 3, pc::Fehler1, "5");
    model.CommitCellEdit(lkProtokoll, 3, pc::Fehler1);
    ASSERT_EQ(seen.events.size(), before + 2);
    EXPECT_EQ(seen.Last().oldText, "5");
    EXPECT_EQ(seen.Last().newText, "10");
}

TEST_F(Model, ARunningTeamsProtocolRowStaysAndAnotherRowGoes) {
    EXPECT_FALSE(model.RowOnRunningLane(lkProtokoll, 3)); // between runs
    model.StartRun(1000);
    EXPECT_TRUE(model.RowOnRunningLane(lkProtokoll, 3)); // "  3 Nord" on lane 1
    EXPECT_FALSE(model.RemoveRow(lkProtokoll, 3));
    EXPECT_FALSE(model.RowOnRunningLane(lkDatenbank, 3));
    ASSERT_TRUE(model.RemoveRow(lkProtokoll, 2));
    EXPECT_EQ(seen.Last().kind, Kind::RowsRemoved);
    EXPECT_EQ(seen.Last().team, " 12 West");
    EXPECT_EQ(seen.ListsOfLast(), (std::vector<int>{2}));
    EXPECT_EQ(model.List(lkProtokoll).RowCount(), 4);
    EXPECT_EQ(model.Lanes().teams, (QStringList{"  3 Nord", "  7 Ost", " 20 Süd"}));
    EXPECT_EQ(model.LaneTeam(0), "  3 Nord");
    EXPECT_EQ(model.LaneTeam(1), "  7 Ost");
}

TEST_F(Model, GenerateFillsBothResultsShowsTheStagesResultAndEmitsThreeLists) {
    Run(23450, 24000);
    model.Generate(1, "Ergebnislisten erzeugen");
    EXPECT_EQ(seen.Last().kind, Kind::ResultsGenerated);
    EXPECT_EQ(seen.ListsOfLast(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(model.ShownTag(), ResultEntryTag(1));
    EXPECT_EQ(seen.Last().stageTag, ResultEntryTag(1));
    EXPECT_EQ(model.List(lkGesamt).RowCount(), 3);
    EXPECT_EQ(Cell(lkGesamt, rc::Platz, 1), "1");
    EXPECT_EQ(Cell(lkGesamt, rc::Mannschaft, 1), "Nord");
}

// A restart folds the journal's events and hands the state to the model:
// whatever the model held comes back.
TEST_F(Model, ARecoveryByFoldingGivesTheModelsStateBack) {
    Run(23450, 24000);
    Run(25000, 26000);
    model.List(lkProtokoll).SetCell(pc::Fehler2, 1, "5");
    model.NoteCellEdit(lkProtokoll, 1, pc::Fehler2, "0");
    model.CommitCellEdit(lkProtokoll, 1, pc::Fehler2);
    model.RemoveRow(lkDatenbank, 4);
    model.Generate(1, "Ergebnislisten erzeugen");
    model.ChooseList(StageTag(1, lkQualifikation), "Qualifikations-Ergebnis");
    model.FileSaved("/daten/Ergebnis.xlsx", "MS Excel");
    model.FileSaved("/daten/Aushang.txt", "Textdatei");
    model.StartRun(90000);

    CompetitionState state;
    for (const CompetitionEvent& event : seen.events)
        ApplyEvent(state, event);
    CompetitionModel again;
    Recorder told;
    again.Events().Subscribe(&told);
    again.Restore(state);
    for (int list = 1; list <= 4; ++list)
        EXPECT_EQ(again.Rows(list), model.Rows(list)) << list;
    EXPECT_EQ(again.ShownTag(), model.ShownTag());
    EXPECT_EQ(again.Lanes(), model.Lanes());
    EXPECT_EQ(again.ListTitle(), model.ListTitle());
    EXPECT_EQ(again.FileName(), model.FileName());
    EXPECT_EQ(again.WorkbookTarget(), "/daten/Ergebnis.xlsx");
    EXPECT_EQ(again.SaveFileName(), "/daten/Aushang.txt");
    for (int stage = 1; stage <= kStageCount; ++stage)
        EXPECT_EQ(again.StageEnabled(stage), model.StageEnabled(stage)) << stage;
    ASSERT_EQ(told.events.size(), 1u);
    EXPECT_EQ(told.Last().kind, Kind::Restored);
    EXPECT_EQ(told.ListsOfLast(), (std::vector<int>{1, 2, 3, 4}));
}
