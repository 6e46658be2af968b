#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace zn {

// What a contact of a lane did, as the run cycle decided it.
enum class ContactOutcome {
    Started,    // started the run
    Stopped,    // stopped the lane
    Bounced,    // came within the lane's lock-out and was swallowed
    OutsideRun, // came while the lane did not run (or the start was not armed)
};

// A lane's contacts of one day.
struct LaneContactCounts {
    int stopped = 0;
    int bounced = 0;
    int outsideRun = 0;
    // Changes of the line that are no contact in the lane's mode (e.g. the
    // opening of an "Ein" contact), seen while no run was under way and the
    // lane was not locked out.
    int idleChanges = 0;
    // The last contact: its wall-clock time (invalid: none yet) and its tick.
    QDateTime lastWall;
    uint32_t lastTick = 0;

    // A lane that bounces or fires outside runs wants a look before the final.
    bool Suspect() const { return bounced > 0 || outsideRun > 0; }
    bool Any() const { return lastWall.isValid() || idleChanges > 0; }
};

// The contacts of both lanes, counted for the day: the first event of
// another date starts the counts afresh. The date is the event's wall-clock
// date, never the system's, so the caller decides what "today" is.
class ContactCounts {
public:
    void Count(int lane, ContactOutcome outcome, uint32_t tick, const QDateTime& wall);
    void CountIdleChange(int lane, const QDateTime& wall);
    // The lane's counts of `today`; none when the last event was on another day.
    LaneContactCounts Lane(int lane, const QDate& today) const;

    // Told after every event counted.
    std::function<void()> OnChanged;

private:
    LaneContactCounts* Day(int lane, const QDate& date);
    QDate day_;
    std::array<LaneContactCounts, 2> lanes_{};
};

// The wall-clock time of the tick `tick`, from a reading of both clocks at
// one moment (`wallNow` at `tickNow`); a tick up to 24 days ahead of the
// reading (the 32-bit tick wrapped in between) is taken as later.
QDateTime WallOfTick(const QDateTime& wallNow, uint32_t tickNow, uint32_t tick);

// "14:02:11,345".
QString FormatContactInstant(const QDateTime& wall);

// One short line of a lane for the start LED's tooltip; empty while the
// lane had nothing today.
QString LaneContactLine(int lane, const LaneContactCounts& counts);

} // namespace zn
