#pragma once

#include <cstdint>
#include <vector>

namespace zn {

// Bits of the modem status word.
constexpr uint32_t kModemCtsOn = 0x10;
constexpr uint32_t kModemDsrOn = 0x20;
constexpr uint32_t kModemRingOn = 0x40;
constexpr uint32_t kModemRlsdOn = 0x80;

// Port event flags, as a completed wait reports them.
constexpr uint32_t kEventRxChar = 0x0001;
constexpr uint32_t kEventRxFlag = 0x0002;
constexpr uint32_t kEventTxEmpty = 0x0004;
constexpr uint32_t kEventCts = 0x0008;
constexpr uint32_t kEventDsr = 0x0010;
constexpr uint32_t kEventRlsd = 0x0020;
constexpr uint32_t kEventBreak = 0x0040;
constexpr uint32_t kEventError = 0x0080;
constexpr uint32_t kEventRing = 0x0100;

// The number of transitions a driver has counted on each modem line since the
// device was opened (wrapping).
struct ModemCounts {
    uint32_t cts = 0;
    uint32_t dsr = 0;
    uint32_t ring = 0;
    uint32_t rlsd = 0;
    bool operator==(const ModemCounts&) const = default;
};

// One change of the modem lines as the contact handlers see it: which line
// events it carries and the status word at that moment.
struct ModemEdge {
    uint32_t events = 0;
    uint32_t status = 0;
    bool operator==(const ModemEdge&) const = default;
};

// What happened on the watched lines (`eventMask`) between two readings, with
// the driver's transition counts: a line that ended in another state gives one
// edge in its new state; a line that went and came back (a pulse shorter than
// one wake-up) gives two, first its brief other state, then its state now, so
// a light barrier's short interruption is seen like a slow one. Edges of
// several lines are merged: at most two edges come back.
std::vector<ModemEdge> ModemEdgesFromCounts(uint32_t eventMask, uint32_t lastStatus,
                                            const ModemCounts& lastCounts, uint32_t status,
                                            const ModemCounts& counts);

// The same without counts (drivers that keep none): one edge when a watched
// line's state differs.
std::vector<ModemEdge> ModemEdgesFromStatus(uint32_t eventMask, uint32_t lastStatus, uint32_t status);

} // namespace zn
