#pragma once

#include "core/console_settings.h"

#include <QString>
#include <array>
#include <cstdint>

namespace zn {

// Status bit of each contact line: 0 = DSR (pins 4/6), 1 = CTS (pins 7/8).
// Another line number has no bit.
uint32_t ContactLineMask(int contactLine);

// A lane takes no contact for 2000 ms after one stopped it (or after the
// run it started began): a bouncing relay or the other lane's barrier at the
// start cannot stop a lane twice or at once.
constexpr int32_t kLockOutMs = 2000;

// Whether a contact at `instant` falls into the lock-out that began at
// `begin` (both ticks of the console's clock; an instant before the begin
// falls into it too).
inline bool WithinLockOut(uint32_t begin, uint32_t instant) {
    return static_cast<int32_t>(instant - begin) < kLockOutMs;
}

// Why a timing port did not open or failed, in the operator's words: the
// system's error number `code` with its text `systemText` (code 0: `systemText`
// is our own German reason already, e.g. a refused system console).
QString PortFailureReason(int code, const QString& systemText);

// Which lane a contact belongs to and whether it starts or stops something.
struct ContactDecision {
    int lane = -1; // 0 lane 1, 1 lane 2, -1 none
    bool trigger = false;
    // The lane's line changed (not the same report again), a contact or not.
    bool changed = false;
};

// The last masked status seen per lane (and for events of no lane), so that a
// report that changes nothing is not taken for a new contact.
class ContactMemory {
public:
    // No masked status has this value: the next event of a lane after a clear
    // always counts as a change.
    static constexpr uint32_t kCleared = 0x55555555;

    void Clear() { words_.fill(kCleared); }
    uint32_t Word(int lane) const { return words_[Slot(lane)]; }

    // One event of the contact line `handlerLine` from port number `port`
    // with the status word `status`. The lane is the first whose port and
    // line match, whatever the line's state, so "Ein", "Aus" and "Wechseln"
    // each work as named. An event of no lane clears every word and never
    // starts a run.
    ContactDecision Decide(int port, int handlerLine, uint32_t status,
                           const std::array<LaneSettings, 2>& lanes);

private:
    static int Slot(int lane) { return lane == 0 || lane == 1 ? lane : 2; }
    std::array<uint32_t, 3> words_{kCleared, kCleared, kCleared};
};

} // namespace zn
