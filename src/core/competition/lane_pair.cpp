#include "core/competition/lane_pair.h"

#include "core/stages.h"

namespace zn {

QString LanePair::Team(int lane) const {
    if (lane != 0 && lane != 1) return QString();
    return teams.value(index[static_cast<size_t>(lane)]);
}

int LanePair::IndexOf(const QString& team) const {
    return static_cast<int>(teams.indexOf(team));
}

LanePair RebuiltLanes(const LanePair& was, const ListRows& protocol, bool running, bool keepPair) {
    const LaneListContents lists = LaneListItems(protocol);
    LanePair pair = was;
    pair.teams = lists.items;
    for (size_t lane = 0; lane < 2; ++lane) {
        const int kept = pair.IndexOf(was.Team(static_cast<int>(lane)));
        if (running) {
            pair.index[lane] = kept;
            continue;
        }
        const int first = lane == 0 ? lists.lane1Index : lists.lane2Index;
        pair.open[lane] = first >= 0;
        pair.index[lane] = keepPair && kept >= 0 ? kept : first;
    }
    return pair;
}

void AdvancePair(LanePair& pair) {
    const int count = static_cast<int>(pair.teams.size());
    const auto entry = [count](int index) { return index >= 0 && index < count ? index : -1; };
    int& lane1 = pair.index[0];
    int& lane2 = pair.index[1];
    lane1 = lane1 + 2 < count ? lane1 + 2 : entry(1);
    lane2 = lane2 + 2 < count ? lane2 + 2 : entry(0);
}

} // namespace zn
