#pragma once

#include "core/competition_events.h"
#include "core/protocol_row.h"
#include "core/result_numbers.h"

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

// What the spectator board and the live page show: the competition's state
// (ApplyEvent: the lists, the shown list, the pair on the lanes, the title)
// and what the board derives from it.
struct BoardState : CompetitionState {
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
    // The shown result list's title row and first rows (at most kBoardTopRows).
    QList<QStringList> top;
    // The program's decimal separator, taken where the board is made (on the
    // main thread), so that the live page's thread has it as data.
    QChar separator = DecimalSeparator();

    // The rows of list 1-4 as last seen; none before the list was.
    const ListRows& Rows(int list) const;
};

constexpr int kBoardTopRows = 5;

// ApplyEvent, then what the board adds. The state's event count is the
// board's revision: a poller sees that something changed.
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
