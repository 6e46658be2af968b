#pragma once

#include "core/protocol_row.h"

#include <QString>
#include <QStringList>
#include <array>

namespace zn {

// The teams the two lane lists offer (the time protocol's teams in key order)
// and the team on each lane, -1 for none.
struct LanePair {
    QStringList teams;
    std::array<int, 2> index{-1, -1};
    // Whether a lane list offers a choice at all: the list has a team for it.
    std::array<bool, 2> open{false, false};

    QString Team(int lane) const;
    // The entry of a team key; -1 when the lists do not offer it.
    int IndexOf(const QString& team) const;

    bool operator==(const LanePair&) const = default;
};

// The lane lists from the time protocol. While a run is on (`running`) the
// lanes keep their teams where the lists still offer them; between runs each
// lane starts on its first entry (lane 1 the first, lane 2 the second), or
// with `keepPair` keeps its team where it is still there.
LanePair RebuiltLanes(const LanePair& was, const ListRows& protocol, bool running, bool keepPair);

// The next pair: each lane two entries on; after the end lane 1 goes to
// entry 1 and lane 2 to entry 0, so that every team runs on both lanes.
// An entry past the list leaves the lane without a team.
void AdvancePair(LanePair& pair);

} // namespace zn
