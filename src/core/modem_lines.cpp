#include "core/modem_lines.h"

namespace zn {

namespace {

struct WatchedLine {
    uint32_t event;
    uint32_t statusBit;
    uint32_t ModemCounts::*count;
};

constexpr WatchedLine kLines[] = {
    {kEventCts, kModemCtsOn, &ModemCounts::cts},
    {kEventDsr, kModemDsrOn, &ModemCounts::dsr},
    {kEventRing, kModemRingOn, &ModemCounts::ring},
    {kEventRlsd, kModemRlsdOn, &ModemCounts::rlsd},
};

} // namespace

std::vector<ModemEdge> ModemEdgesFromCounts(uint32_t eventMask, uint32_t lastStatus,
                                            const ModemCounts& lastCounts, uint32_t status,
                                            const ModemCounts& counts) {
    ModemEdge first{0, status};
    ModemEdge second{0, status};
    for (const WatchedLine& line : kLines) {
        if (!(eventMask & line.event)) continue;
        const uint32_t transitions = counts.*line.count - lastCounts.*line.count; // wraps
        const bool changed = ((status ^ lastStatus) & line.statusBit) != 0;
        if (changed) {
            first.events |= line.event;
        } else if (transitions != 0) {
            // Back in the state it had: it was briefly in the other one.
            first.events |= line.event;
            first.status ^= line.statusBit;
            second.events |= line.event;
        }
    }
    std::vector<ModemEdge> edges;
    if (first.events) edges.push_back(first);
    if (second.events) edges.push_back(second);
    return edges;
}

std::vector<ModemEdge> ModemEdgesFromStatus(uint32_t eventMask, uint32_t lastStatus, uint32_t status) {
    ModemEdge edge{0, status};
    for (const WatchedLine& line : kLines) {
        if ((eventMask & line.event) && ((status ^ lastStatus) & line.statusBit)) edge.events |= line.event;
    }
    if (!edge.events) return {};
    return {edge};
}

} // namespace zn
