#include "core/contact_input.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

constexpr uint32_t kDsr = 0x20;
constexpr uint32_t kCts = 0x10;

// Lane 1 on COM1 DSR, lane 2 on COM2 CTS.
std::array<LaneSettings, 2> Lanes(int mode1, int mode2 = 0) {
    return {LaneSettings{1, 0, mode1}, LaneSettings{2, 1, mode2}};
}

TEST(ContactMemory, LanesAreFoundByPortAndLineWhateverTheLineState) {
    ContactMemory m;
    EXPECT_EQ(m.Decide(1, 0, 0, Lanes(0)).lane, 0);
    EXPECT_EQ(m.Decide(2, 1, kCts, Lanes(0)).lane, 1);
    EXPECT_EQ(m.Decide(2, 0, kDsr, Lanes(0)).lane, -1); // COM2's DSR is nobody's
    // Both lanes on the same port and line: lane 1 takes every event.
    const std::array<LaneSettings, 2> same{LaneSettings{1, 0, 0}, LaneSettings{1, 0, 0}};
    EXPECT_EQ(m.Decide(1, 0, kDsr, same).lane, 0);
}

TEST(ContactMemory, EinTakesTheClosingContactOnce) {
    ContactMemory m;
    EXPECT_TRUE(m.Decide(1, 0, kDsr, Lanes(0)).trigger);
    EXPECT_FALSE(m.Decide(1, 0, kDsr, Lanes(0)).trigger); // the same report again
    EXPECT_FALSE(m.Decide(1, 0, kDsr, Lanes(0)).changed);
    const ContactDecision opening = m.Decide(1, 0, 0, Lanes(0));
    EXPECT_FALSE(opening.trigger);
    EXPECT_TRUE(opening.changed); // a change of the line all the same
    EXPECT_TRUE(m.Decide(1, 0, kDsr, Lanes(0)).trigger);
    m.Clear(); // a port opened: the next report counts as a change
    EXPECT_TRUE(m.Decide(1, 0, kDsr, Lanes(0)).trigger);
}

TEST(ContactMemory, AusAndWechselnAndUnknownModes) {
    ContactMemory aus;
    EXPECT_FALSE(aus.Decide(1, 0, kDsr, Lanes(1)).trigger);
    EXPECT_TRUE(aus.Decide(1, 0, 0, Lanes(1)).trigger);
    ContactMemory change;
    EXPECT_TRUE(change.Decide(1, 0, kDsr, Lanes(2)).trigger);
    EXPECT_TRUE(change.Decide(1, 0, 0, Lanes(2)).trigger);
    EXPECT_FALSE(change.Decide(1, 0, 0, Lanes(2)).trigger);
    ContactMemory none;
    EXPECT_FALSE(none.Decide(1, 0, kDsr, Lanes(3)).trigger);
    EXPECT_FALSE(none.Decide(1, 0, 0, Lanes(3)).trigger);
}

TEST(ContactMemory, TheMemoryIsComparedWithTheWholeStatusWord) {
    ContactMemory m;
    // With CTS also on, a repeated DSR report differs from the masked memory.
    EXPECT_TRUE(m.Decide(1, 0, kDsr | kCts, Lanes(0)).trigger);
    EXPECT_TRUE(m.Decide(1, 0, kDsr | kCts, Lanes(0)).trigger);
    EXPECT_EQ(m.Word(0), kDsr);
}

TEST(ContactMemory, AnEventOfNoLaneClearsEveryWordAndNeverTriggers) {
    ContactMemory m;
    m.Decide(1, 0, kDsr, Lanes(2));
    m.Decide(2, 1, kCts, Lanes(2));
    const ContactDecision d = m.Decide(3, 0, kDsr, Lanes(2));
    EXPECT_FALSE(d.trigger);
    EXPECT_EQ(m.Word(0), ContactMemory::kCleared);
    EXPECT_EQ(m.Word(1), ContactMemory::kCleared);
}

} // namespace
