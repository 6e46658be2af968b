#include "core/competition_events.h"
#include "core/journal_lines.h"

#include <gtest/gtest.h>

using namespace zn;
using Kind = CompetitionEventKind;

namespace {

ListRows Protocol(const QString& penalty2) {
    return {{"Nr", "Mannschaft", "Klasse", "Q", "Zeit1", "Fehler1", "Gesamt1", "Zeit2", "Fehler2", "Gesamt2",
             "Best"},
            {"1", "Süd", "", "", "20,00", "0", "20,00", "", "", "", "20,00"},
            {"2", "Nord", "", "", "21,00", "0", "21,00", "22,00", penalty2, "", "21,00"}};
}

} // namespace

TEST(CompetitionEvents, TheFoldKeepsTheLatestOfEachListStageAndPair) {
    CompetitionState state;
    CompetitionEvent loaded;
    loaded.kind = Kind::ListsLoaded;
    loaded.fileName = "/x/Vorlauf.xlsx";
    loaded.listTitle = "Vorlauf";
    loaded.team = "  1 Süd";
    loaded.team2 = "  2 Nord";
    loaded.stageTag = 11;
    loaded.lists = {{1, {{"a"}}}, {2, Protocol("0")}};
    ApplyEvent(state, loaded);
    CompetitionEvent reset;
    reset.kind = Kind::Reset;
    reset.team = "  3 Ost";
    reset.team2 = "  4 West";
    ApplyEvent(state, reset); // no stage tag: the stage stays
    CompetitionEvent stop;
    stop.kind = Kind::LaneStopped;
    stop.stageTag = 12;
    stop.lists = {{2, Protocol("5")}};
    ApplyEvent(state, stop);

    EXPECT_EQ(state.events, 3);
    EXPECT_EQ(state.stageTag, 12);
    EXPECT_EQ(state.lane1Team, "  3 Ost");
    EXPECT_EQ(state.lane2Team, "  4 West");
    EXPECT_EQ(state.fileName, "/x/Vorlauf.xlsx");
    ASSERT_TRUE(state.List(1) && state.List(2));
    EXPECT_EQ(state.List(1)->rows, (ListRows{{"a"}}));
    EXPECT_EQ(state.List(2)->rows, Protocol("5"));
    EXPECT_EQ(state.List(3), nullptr);
}

TEST(JournalLines, ChangedCellsMatchTeamsAndSkipComputedColumns) {
    ListRows after = Protocol("5");
    after[2][pc::Gesamt2] = "27,00"; // follows the penalty
    std::swap(after[1], after[2]);   // and the list was sorted
    const std::vector<CellChange> changes = ChangedCells(2, Protocol(""), after);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], (CellChange{1, pc::Fehler2, "2 Nord", "", "5"}));

    // Result lists: teams by name; places and totals are computed.
    const ListRows before{{"Platz", "Mannschaft", "Klasse", "Zeit", "Fehler", "Gesamt"},
                          {"1", "Süd", "", "20,00", "0", "20,00"},
                          {"2", "Nord", "", "21,00", "0", "21,00"}};
    const ListRows ranked{
        before[0], {"1", "Nord", "", "21,00", "0", "16,00"}, {"2", "Süd", "", "20,00", "0", "20,00"}};
    EXPECT_TRUE(ChangedCells(3, before, ranked).empty());
    ListRows typed = before;
    typed[2][rc::Fehler] = "3";
    typed.append({"3", "Neu", "", "", "", ""}); // a new row is no cell change
    EXPECT_EQ(ChangedCells(4, before, typed), (std::vector<CellChange>{{2, rc::Fehler, "Nord", "0", "3"}}));
}

TEST(JournalLines, LinesSayWhatChangedAndFilterByTeam) {
    CompetitionEvent edit;
    edit.kind = Kind::CellEdited;
    edit.team = "  2 Nord";
    edit.text = "Fehler2";
    edit.oldText = "0";
    edit.newText = "5";
    const QDateTime at(QDate(2026, 12, 7), QTime(14, 3, 9));
    EXPECT_EQ(JournalLine(at, edit), (QStringList{"14:03:09", "Korrektur", "", "2 Nord", "Fehler2: 0 → 5"}));
    CompetitionEvent stop;
    stop.kind = Kind::LaneStopped;
    stop.lane = 1;
    stop.team = "  2 Nord";
    stop.newText = "22,00";
    stop.byContact = true;
    EXPECT_EQ(JournalLine(at, stop).mid(1), (QStringList{"Zeit", "2", "2 Nord", "22,00 (Kontakt)"}));
    EXPECT_TRUE(IsCorrection(edit));
    EXPECT_FALSE(IsCorrection(stop));
    EXPECT_TRUE(ConcernsTeam(stop.team, stop.team2, "nord"));
    EXPECT_FALSE(ConcernsTeam(stop.team, stop.team2, "Süd"));
    EXPECT_TRUE(ConcernsTeam(stop.team, stop.team2, " "));
}
