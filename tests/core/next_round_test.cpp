#include "core/competition/competition_model.h"
#include "core/next_round.h"
#include "core/stages.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

QStringList ResultRow(int place, const QString& name, const QString& klasse, const QString& total) {
    return {place ? QString::number(place) : QString(), name, klasse, total, "0", total};
}

QStringList TeamRow(const QString& nr, const QString& name, const QString& klasse) {
    QStringList row{nr, name, klasse};
    EnsureColumns(row, pc::Count);
    return row;
}

QStringList Names(const QList<NextRoundTeam>& teams) {
    QStringList names;
    for (const NextRoundTeam& t : teams)
        names << t.name;
    return names;
}

// Six teams by place; "Ost" and "West" share a total, "Süd" has no place.
const ListRows kQualification = {{"Platz", "Mannschaft", "Klasse", "Übungszeit", "Fehler", "Gesamtzeit"},
                                 ResultRow(2, "Nord", "A", "22,00"),
                                 ResultRow(1, "Mitte", "B", "21,00"),
                                 ResultRow(3, "Ost", "A", "23,00"),
                                 ResultRow(4, "West", "A", "23,00"),
                                 ResultRow(5, "Tal", "A", "24,00"),
                                 ResultRow(0, "Süd", "A", ""),
                                 ResultRow(6, "Berg", "A", "25,00")};

// Two teams are called "Nord": the one in the result's class takes its number.
const ListRows kTeams = {QStringList{"Nr."},         TeamRow("4", "Nord", "B"), TeamRow("9", "Nord", "A"),
                         TeamRow("1", "Mitte", "B"), TeamRow("5", "Ost", "A"),  TeamRow("6", "West", "A"),
                         TeamRow("7", "Tal", "A"),   TeamRow("8", "Berg", "A")};

} // namespace

TEST(NextRound, RankedTeamsInPlaceOrderWithTheirNumbers) {
    const QList<NextRoundTeam> ranked = RankedTeams(kQualification, kTeams, u',');
    EXPECT_EQ(Names(ranked), (QStringList{"Mitte", "Nord", "Ost", "West", "Tal", "Berg"}));
    EXPECT_EQ(ranked[1].nr, "9");
    EXPECT_EQ(ranked[0].nr, "1");
    EXPECT_EQ(ranked[0].klasse, "B");
}

TEST(NextRound, ATieAtTheCutIsReportedOnlyWhenItWouldBeSplit) {
    const QList<NextRoundTeam> ranked = RankedTeams(kQualification, kTeams, u',');
    const NextRoundCut split = CutAt(ranked, 3, u',');
    EXPECT_EQ(Names(split.sure), (QStringList{"Mitte", "Nord"}));
    EXPECT_EQ(Names(split.tied), (QStringList{"Ost", "West"}));
    EXPECT_EQ(split.openPlaces, 1);

    const NextRoundCut whole = CutAt(ranked, 4, u',');
    EXPECT_EQ(Names(whole.sure), (QStringList{"Mitte", "Nord", "Ost", "West"}));
    EXPECT_TRUE(whole.tied.isEmpty());
    EXPECT_EQ(CutAt(ranked, 2, u',').sure.size(), 2);
    EXPECT_TRUE(CutAt(ranked, 2, u',').tied.isEmpty());
    // More places than teams: every team goes on.
    EXPECT_EQ(CutAt(ranked, 16, u',').sure.size(), 6);
}

TEST(NextRound, RunningOrders) {
    QList<NextRoundTeam> five;
    for (const QString n : {"1", "2", "3", "4", "5"})
        five.append({n, n, "A", n.toInt(), "20,00"});
    EXPECT_EQ(Names(InRunningOrder(five, RunningOrder::PlaceOrder)), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Names(InRunningOrder(five, RunningOrder::BestLast)), (QStringList{"5", "4", "3", "2", "1"}));
    EXPECT_EQ(Names(InRunningOrder(five, RunningOrder::SeededPairs)), (QStringList{"1", "5", "2", "4", "3"}));
    EXPECT_EQ(Names(InRunningOrder(five.mid(0, 4), RunningOrder::SeededPairs)),
              (QStringList{"1", "4", "2", "3"}));
}

TEST(NextRound, ProposedCountsAndFileNames) {
    EXPECT_EQ(ProposedTeamCount(2), 16);
    EXPECT_EQ(ProposedTeamCount(3), 8);
    EXPECT_EQ(ProposedTeamCount(4), 4);
    EXPECT_EQ(ProposedTeamCount(5), 2);
    EXPECT_EQ(NextRoundFileName(3, "Kreisausscheid"), "Viertelfinale Kreisausscheid.xlsx");
    EXPECT_EQ(NextRoundFileName(4, " Cup 2024/25: Nord?  "), "Halbfinale Cup 2024-25- Nord-.xlsx");
    EXPECT_EQ(NextRoundFileName(5, "  "), "Finale.xlsx");
}

// The lists go into the model as the next stage, and what its event folds to
// brings the same stage back after a restart.
TEST(NextRound, TheBuiltStageComesBackFromItsEvent) {
    const QList<NextRoundTeam> running =
        InRunningOrder(RankedTeams(kQualification, kTeams, u',').mid(0, 4), RunningOrder::BestLast);
    std::array<QStringList, 4> headers{QStringList{"Nr."}, QStringList{"Nr."}, QStringList{"Platz"},
                                       QStringList{"Platz"}};
    const std::array<ListRows, 4> lists = NextStageLists(running, headers);
    ASSERT_EQ(lists[1].size(), 5);
    EXPECT_EQ(lists[1][1].mid(0, 4), (QStringList{"6", "West", "A", ""}));
    EXPECT_EQ(lists[2].size(), 2);

    CompetitionModel model;
    CompetitionState state;
    struct Fold : ICompetitionObserver {
        CompetitionState* into = nullptr;
        void CompetitionChanged(const CompetitionEvent& e) override { ApplyEvent(*into, e); }
    } fold;
    fold.into = &state;
    model.Events().Subscribe(&fold);
    model.TakeNextRound(3, "/tmp/Viertelfinale Finale-Cup.xlsx", lists, TeamKey("6", "West"),
                        TeamKey("5", "Ost"));
    EXPECT_EQ(model.ShownTag(), StageTag(3, lkDatenbank));
    EXPECT_TRUE(model.StageEnabled(3));
    EXPECT_FALSE(model.StageEnabled(1));
    EXPECT_EQ(model.LaneTeam(0), TeamKey("6", "West"));
    EXPECT_EQ(model.LaneTeam(1), TeamKey("5", "Ost"));
    EXPECT_EQ(model.WorkbookTarget(), "/tmp/Viertelfinale Finale-Cup.xlsx");

    CompetitionModel restarted;
    restarted.Restore(state);
    EXPECT_EQ(restarted.Rows(lkProtokoll), model.Rows(lkProtokoll));
    EXPECT_EQ(restarted.ShownTag(), StageTag(3, lkDatenbank));
    EXPECT_TRUE(restarted.StageEnabled(3));
    EXPECT_EQ(restarted.LaneTeam(0), TeamKey("6", "West"));
    EXPECT_EQ(restarted.LaneTeam(1), TeamKey("5", "Ost"));
    EXPECT_EQ(restarted.WorkbookTarget(), model.WorkbookTarget());
}
