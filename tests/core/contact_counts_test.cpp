#include "core/contact_counts.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {
const QDate kDay(2025, 6, 14);
QDateTime At(const QDate& day, int h, int m, int s, int ms = 0) {
    return QDateTime(day, QTime(h, m, s, ms));
}
} // namespace

TEST(ContactCounts, EachOutcomeHasItsCountAndTheLastContactItsInstant) {
    ContactCounts counts;
    int told = 0;
    counts.OnChanged = [&] { ++told; };
    counts.Count(0, ContactOutcome::Started, 100, At(kDay, 9, 0, 0));
    counts.Count(1, ContactOutcome::Stopped, 200, At(kDay, 9, 0, 1));
    counts.Count(1, ContactOutcome::Bounced, 300, At(kDay, 9, 0, 2));
    counts.Count(1, ContactOutcome::Bounced, 310, At(kDay, 9, 0, 3));
    counts.Count(1, ContactOutcome::OutsideRun, 400, At(kDay, 9, 0, 4, 5));
    counts.CountIdleChange(1, At(kDay, 9, 0, 5));
    counts.Count(2, ContactOutcome::Stopped, 500, At(kDay, 9, 0, 6)); // no lane
    EXPECT_EQ(told, 6);

    const LaneContactCounts one = counts.Lane(0, kDay);
    EXPECT_EQ(one.stopped + one.bounced + one.outsideRun + one.idleChanges, 0);
    EXPECT_EQ(one.lastTick, 100u);
    EXPECT_FALSE(one.Suspect());
    const LaneContactCounts two = counts.Lane(1, kDay);
    EXPECT_EQ(two.stopped, 1);
    EXPECT_EQ(two.bounced, 2);
    EXPECT_EQ(two.outsideRun, 1);
    EXPECT_EQ(two.idleChanges, 1);
    EXPECT_EQ(two.lastTick, 400u); // a change of the line is no contact
    EXPECT_EQ(FormatContactInstant(two.lastWall), "09:00:04,005");
    EXPECT_TRUE(two.Suspect());
    EXPECT_EQ(LaneContactLine(1, two), "Bahn 2: 1 gestoppt, 2 geprellt, 1 außerhalb, zuletzt 09:00:04,005");
    EXPECT_EQ(LaneContactLine(0, counts.Lane(0, kDay.addDays(1))), "");
}

TEST(ContactCounts, ABounceOrAContactOutsideARunAloneMakesALaneSuspect) {
    LaneContactCounts lane;
    lane.stopped = 5;
    lane.idleChanges = 3;
    EXPECT_FALSE(lane.Suspect());
    lane.bounced = 1;
    EXPECT_TRUE(lane.Suspect());
    lane.bounced = 0;
    lane.outsideRun = 1;
    EXPECT_TRUE(lane.Suspect());
}

// Counted for the day: shown as nothing on the next day until a contact of
// that day starts the counts of both lanes afresh.
TEST(ContactCounts, TheNextDayStartsAfresh) {
    ContactCounts counts;
    counts.Count(0, ContactOutcome::Bounced, 1, At(kDay, 23, 59, 59, 999));
    counts.Count(1, ContactOutcome::Stopped, 2, At(kDay, 23, 59, 59, 999));
    EXPECT_EQ(counts.Lane(0, kDay).bounced, 1);
    EXPECT_FALSE(counts.Lane(0, kDay.addDays(1)).Any());

    counts.Count(0, ContactOutcome::Stopped, 3, At(kDay.addDays(1), 0, 0, 0));
    const LaneContactCounts one = counts.Lane(0, kDay.addDays(1));
    EXPECT_EQ(one.bounced, 0);
    EXPECT_EQ(one.stopped, 1);
    EXPECT_FALSE(counts.Lane(1, kDay.addDays(1)).Any());
    EXPECT_FALSE(counts.Lane(0, kDay).Any());

    counts.CountIdleChange(1, At(kDay.addDays(2), 8, 0, 0));
    EXPECT_FALSE(counts.Lane(0, kDay.addDays(2)).Any());
    EXPECT_EQ(counts.Lane(1, kDay.addDays(2)).idleChanges, 1);
}

// The reader saw the contact a little before the window reads both clocks;
// across the wrap of the 32-bit tick too.
TEST(ContactCounts, AContactsWallTimeFollowsFromItsTick) {
    const QDateTime now = At(kDay, 10, 0, 0);
    EXPECT_EQ(WallOfTick(now, 5000, 4750), At(kDay, 9, 59, 59, 750));
    EXPECT_EQ(WallOfTick(now, 5000, 5020), At(kDay, 10, 0, 0, 20));
    EXPECT_EQ(WallOfTick(now, 10, 0xFFFFFFF6u), At(kDay, 9, 59, 59, 980));
}
