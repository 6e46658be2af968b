#pragma once

#include "core/protocol_row.h"

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace zn {

// Why a stopped time looks wrong. The console never changes the time; it
// marks it until the operator has looked at it.
enum class WarningReason {
    BelowMinimum,   // under the discipline's minimum time ("Mindestzeit")
    LanesTogether,  // both lanes stopped within kLanesTogetherMs: one line for both?
    SoonAfterStart, // the stop came within kSoonAfterStartMs of the start
    NoTeam,         // a contact stopped a lane that has no team
    UnderHalfBest,  // less than half the stage's best time so far
};

// Two stops this close (either order, limit included) look like one line
// wired to both lanes, or a short between them.
inline constexpr int32_t kLanesTogetherMs = 10;
// A stop this soon after the start (limit included) is a contact that fired
// by itself, or a barrier crossed at the start.
inline constexpr int32_t kSoonAfterStartMs = 1000;

// What the console knows of a lane's stop.
struct StopFacts {
    int lane = 0;
    int32_t timeMs = 0;
    uint32_t stopTick = 0;
    // The other lane's stop instant in this run, when both lanes were
    // stopped by their contacts (two keys never share a line).
    std::optional<uint32_t> otherStopTick;
    bool byContact = false;
    bool hasTeam = true;
    // 0: no minimum set.
    int32_t minimumMs = 0;
    // The stage's best run time before this one; none while there is none.
    std::optional<int32_t> bestMs;
};

struct LaneWarning {
    int lane = 0;
    WarningReason reason = WarningReason::BelowMinimum;

    bool operator==(const LaneWarning&) const = default;
};

// The warnings a stop brings: for its own lane, and for both lanes when the
// two stops came together.
std::vector<LaneWarning> WarningsForStop(const StopFacts& stop);

// The reason in German, as the journal keeps it.
QString WarningReasonText(WarningReason reason);

// The best run time in the time protocol, both lanes, leaving out one cell
// (the time just written, by row and column); times that do not count are
// no best time.
std::optional<int32_t> BestRunMs(const ListRows& protocol, QChar separator, int skipRow = -1,
                                 int skipColumn = -1);

// The German reasons of one lane's warnings joined into one text, and that
// text in the operator's language.
QString JoinedReasons(const std::vector<WarningReason>& reasons);
QString ShownReasons(const QString& joined);

} // namespace zn
