#pragma once

#include "core/competition_events.h"

#include <QByteArray>
#include <array>
#include <functional>

namespace zn {

// One lane as the spectators see it.
struct BoardLane {
    QString team; // the team key without its padding ("7 FF Mühlbach")
    bool running = false;
    int32_t timeMs = -1; // the stopped time of this run; -1 while none
    QString time;        // as written in the protocol ("23,45")
    QString penalty;
    QString total;

    bool operator==(const BoardLane&) const = default;
};

// What the spectator board and the live page show, folded from the
// competition's events.
struct BoardState {
    enum Phase { Idle, Running, Finished, FalseStart };
    Phase phase = Idle;
    uint32_t startTick = 0;
    std::array<BoardLane, 2> lanes;
    // The last run's lanes, kept after RESET beside the next pair's names
    // until the next start, so spectators have time to read them.
    std::array<BoardLane, 2> lastRun;
    bool showLastRun = false;
    QString bestTime;
    QString bestTeam;
    QString listTitle;
    // The shown result list's title row and first rows (at most kBoardTopRows).
    QList<QStringList> top;
    // Counts the events, so a poller sees that something changed.
    int revision = 0;

    // The latest content of each list (1-4), for penalties, best time and ranking.
    std::array<QList<QStringList>, 5> lists;
    int stageTag = 0;
};

constexpr int kBoardTopRows = 5;

void ApplyBoardEvent(BoardState& state, const CompetitionEvent& event);

// The result list the spectators see (3 qualification, 4 overall): the one
// shown in the console, else the overall result once it has rows, else the
// qualification.
int ShownResultList(const BoardState& state);

// A running lane's elapsed time at `nowTick`; its stopped time otherwise
// (0 before the first stop).
int32_t BoardLaneMs(const BoardState& state, int lane, uint32_t nowTick);

// The state as JSON for the live page: phase, both lanes (with elapsedMs at
// `nowTick` for a running clock), the last run, best time and the top rows.
QByteArray BoardJson(const BoardState& state, uint32_t nowTick);

} // namespace zn

namespace zn {

// Keeps a BoardState following the competition and says when it changed.
class BoardFollower : public ICompetitionObserver {
public:
    BoardState state;
    std::function<void(const BoardState&)> changed;
    void CompetitionChanged(const CompetitionEvent& event) override {
        ApplyBoardEvent(state, event);
        if (changed) changed(state);
    }
};

} // namespace zn
