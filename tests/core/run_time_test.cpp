#include "core/run_time.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(RunTime, FormatCutsHundredthsAndPadsThem) {
    EXPECT_EQ(FormatRunTime(23456, u','), "23,45");
    EXPECT_EQ(FormatRunTime(5070, u','), "5,07");
    EXPECT_EQ(FormatRunTime(90, u','), "0,09");
    EXPECT_EQ(FormatRunTime(59, u','), "0,05");
    EXPECT_EQ(FormatRunTime(0, u'.'), "0.00");
    EXPECT_EQ(FormatRunTime(1000999, u','), "1000,99");
}

TEST(RunTime, ElapsedSurvivesCounterWrap) {
    EXPECT_EQ(ElapsedMs(0xFFFFFFF0u, 0x00000010u), 32);
    EXPECT_EQ(ElapsedMs(100, 159), 59);
}

TEST(RunTime, DigitsDimLeadingZerosAndBrightenWithTheTime) {
    auto d = SplitLaneTime(59);
    EXPECT_EQ(d.values, (std::array<int, 5>{0, 0, 0, 0, 5}));
    EXPECT_FALSE(d.firstBright);
    EXPECT_FALSE(d.secondBright);

    d = SplitLaneTime(9990); // 9,99 s: still one significant seconds digit
    EXPECT_FALSE(d.secondBright);
    d = SplitLaneTime(10000);
    EXPECT_TRUE(d.secondBright);
    EXPECT_FALSE(d.firstBright);

    d = SplitLaneTime(100010); // 100,01 s lights the first digit
    EXPECT_EQ(d.values, (std::array<int, 5>{1, 0, 0, 0, 1}));
    EXPECT_TRUE(d.firstBright);
}

TEST(RunTime, FirstDigitOverflowsPast999Seconds) {
    const auto d = SplitLaneTime(1234560); // 1234,56 s
    EXPECT_EQ(d.values[0], 12);            // out of the digit's range: the digit shows 0
    EXPECT_EQ(d.values[1], 3);
    EXPECT_EQ(d.values[2], 4);
    EXPECT_EQ(d.values[3], 5);
    EXPECT_EQ(d.values[4], 6);
}
