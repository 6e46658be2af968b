#include "core/board_state.h"
#include "core/protocol_row.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace zn;
using Kind = CompetitionEventKind;

namespace {

QList<QStringList> Protocol(const QString& penalty1) {
    QList<QStringList> rows{QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end())};
    rows << QStringList{"1",
                        "Süd",
                        "",
                        "",
                        "23,45",
                        penalty1,
                        penalty1 == "5" ? "28,45" : "23,45",
                        "",
                        "",
                        "",
                        penalty1 == "5" ? "28,45" : "23,45"};
    rows << QStringList{
        "2", "Nord \"<script>alert(1)</script>\"", "", "", "", "", "", "24,00", "0", "24,00", "24,00"};
    rows << QStringList{"3", "Žďár", "", "", "", "", "", "", "", "", ""};
    return rows;
}

CompetitionEvent Event(Kind kind, std::vector<ListContent> lists = {}) {
    CompetitionEvent e;
    e.kind = kind;
    e.lists = std::move(lists);
    return e;
}

} // namespace

TEST(BoardState, FollowsTheRunAndKeepsTheLastRunAfterReset) {
    BoardState s;
    CompetitionEvent loaded = Event(Kind::ListsLoaded, {{2, Protocol("")}});
    loaded.team = "  1 Süd";
    loaded.team2 = "  2 Nord \"<script>alert(1)</script>\"";
    ApplyBoardEvent(s, loaded);
    CompetitionEvent start = Event(Kind::RunStarted);
    start.team = loaded.team;
    start.team2 = loaded.team2;
    start.tick = 1000;
    ApplyBoardEvent(s, start);
    EXPECT_EQ(s.phase, BoardState::Running);
    EXPECT_EQ(BoardLaneMs(s, 1, 3500), 2500);

    CompetitionEvent stop = Event(Kind::LaneStopped, {{2, Protocol("0")}});
    stop.lane = 0;
    stop.timeMs = 23450;
    stop.newText = "23,45";
    ApplyBoardEvent(s, stop);
    EXPECT_EQ(s.phase, BoardState::Running); // lane 2 still runs
    EXPECT_EQ(BoardLaneMs(s, 0, 99999), 23450);
    EXPECT_TRUE(s.lanes[1].running);
    stop.lane = 1;
    stop.timeMs = 24000;
    stop.newText = "24,00";
    ApplyBoardEvent(s, stop);
    EXPECT_EQ(s.phase, BoardState::Finished);
    ApplyBoardEvent(s, Event(Kind::CellEdited, {{2, Protocol("5")}}));
    EXPECT_EQ(s.lanes[0].penalty, "5");
    EXPECT_EQ(s.lanes[0].total, "28,45");
    EXPECT_EQ(s.bestTime, "24,00");
    EXPECT_EQ(s.bestTeam, "2 Nord \"<script>alert(1)</script>\"");

    CompetitionEvent next = Event(Kind::Reset);
    next.team = "  3 Žďár";
    ApplyBoardEvent(s, next);
    EXPECT_EQ(s.phase, BoardState::Idle);
    EXPECT_TRUE(s.showLastRun);
    EXPECT_EQ(s.lanes[0].team, "3 Žďár");
    EXPECT_EQ(s.lanes[0].time, "");
    EXPECT_EQ(s.lastRun[0].team, "1 Süd");
    EXPECT_EQ(s.lastRun[0].total, "28,45");
    EXPECT_EQ(s.lastRun[1].time, "24,00");
    // A false start of the next pair: the last run stays until a start counts.
    next.tick = 5000;
    ApplyBoardEvent(s, Event(Kind::FalseStart));
    EXPECT_EQ(s.phase, BoardState::FalseStart);
    EXPECT_TRUE(s.showLastRun);
    ApplyBoardEvent(s, start);
    EXPECT_FALSE(s.showLastRun);
}

TEST(BoardState, JsonKeepsNamesIntactAndShowsTheResultTop) {
    BoardState s;
    QList<QStringList> result{QStringList(ResultHeaders.begin(), ResultHeaders.end())};
    for (int i = 1; i <= 7; ++i)
        result << QStringList{
            QString::number(i), i == 1 ? "Žďár \"<b>\"" : QStringLiteral("T%1").arg(i), "", "", "", ""};
    CompetitionEvent generated = Event(Kind::ResultsGenerated, {{2, Protocol("")}, {3, result}});
    generated.stageTag = 13;
    ApplyBoardEvent(s, generated);
    ASSERT_EQ(s.top.size(), 1 + kBoardTopRows);

    CompetitionEvent start = Event(Kind::RunStarted);
    start.team = "  2 Nord \"<script>alert(1)</script>\"";
    start.tick = 100;
    ApplyBoardEvent(s, start);
    const QJsonObject o = QJsonDocument::fromJson(BoardJson(s, 1100)).object();
    EXPECT_EQ(o["phase"].toString(), "running");
    EXPECT_EQ(o["revision"].toInt(), 2);
    const QJsonObject lane1 = o["lanes"].toArray()[0].toObject();
    EXPECT_EQ(lane1["team"].toString(), "2 Nord \"<script>alert(1)</script>\"");
    EXPECT_EQ(lane1["elapsedMs"].toInt(), 1000);
    EXPECT_EQ(o["top"].toArray()[1].toArray()[1].toString(), "Žďár \"<b>\"");
    EXPECT_TRUE(o["lastRun"].isNull());
}

// The board is the competition's fold plus what it derives: lists, shown
// list, title and pair are ApplyEvent's, whatever the stream.
TEST(BoardState, FoldsTheStreamAsTheCompetitionStateDoes) {
    CompetitionEvent loaded = Event(Kind::ListsLoaded, {{1, Protocol("")}, {2, Protocol("")}});
    loaded.team = "  1 Süd";
    loaded.team2 = "  2 Nord \"<script>alert(1)</script>\"";
    loaded.stageTag = 11;
    loaded.listTitle = "Vorlauf";
    CompetitionEvent shown = Event(Kind::StageSelected);
    shown.stageTag = 12;
    CompetitionEvent stop = Event(Kind::LaneStopped, {{2, Protocol("5")}});
    stop.lane = 0;
    stop.timeMs = 23450;
    CompetitionEvent next = Event(Kind::Reset);
    next.team = "  3 Žďár";
    next.team2 = loaded.team;
    CompetitionEvent chosen = Event(Kind::LaneTeamChosen);
    chosen.lane = 1;
    chosen.team = next.team;
    chosen.team2 = loaded.team2;

    CompetitionState state;
    BoardState board;
    for (const CompetitionEvent& e : {loaded, shown, stop, next, chosen}) {
        ApplyEvent(state, e);
        ApplyBoardEvent(board, e);
        EXPECT_EQ(board.lists, state.lists);
        EXPECT_EQ(board.stageTag, state.stageTag);
        EXPECT_EQ(board.listTitle, state.listTitle);
        EXPECT_EQ(board.lane1Team, state.lane1Team);
        EXPECT_EQ(board.lane2Team, state.lane2Team);
        EXPECT_EQ(board.lanes[0].team, state.lane1Team.trimmed());
        EXPECT_EQ(board.lanes[1].team, state.lane2Team.trimmed());
    }
    EXPECT_EQ(board.Rows(2), Protocol("5"));
    EXPECT_EQ(board.lanes[1].time, "") << "a team put on a lane has no time yet";
}

// Best times written on a desktop of either locale count alike.
TEST(BoardState, BestTimeReadsEitherSeparator) {
    QList<QStringList> rows = Protocol("");
    rows[1][pc::Bestzeit] = "21.50";
    rows[2][pc::Bestzeit] = "21,40";
    rows[3][pc::Bestzeit] = "0"; // no time
    BoardState s;
    ApplyBoardEvent(s, Event(Kind::CellEdited, {{2, rows}}));
    EXPECT_EQ(s.bestTime, "21,40");
    EXPECT_EQ(s.bestTeam, "2 Nord \"<script>alert(1)</script>\"");
    rows[1][pc::Bestzeit] = "20.90";
    ApplyBoardEvent(s, Event(Kind::CellEdited, {{2, rows}}));
    EXPECT_EQ(s.bestTime, "20.90");
    EXPECT_EQ(s.bestTeam, "1 Süd");
}
