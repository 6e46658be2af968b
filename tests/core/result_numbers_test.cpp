#include "core/result_numbers.h"

#include <gtest/gtest.h>

using namespace zn;

// A workbook or list written under another locale holds "1.21" where this
// console writes "1,21": both are the same time, whichever the console uses.
TEST(ResultNumbers, ParsesEitherDecimalSeparatorButOnlyOne) {
    EXPECT_EQ(ParseSeconds("21,50", u','), 21.5);
    EXPECT_EQ(ParseSeconds(" 3 ", u','), 3.0);
    EXPECT_EQ(ParseSeconds(",5", u','), 0.5);
    EXPECT_EQ(ParseSeconds("3,", u','), 3.0); // separator typed, decimals not yet
    EXPECT_EQ(ParseSeconds("21.50", u'.'), 21.5);
    EXPECT_EQ(ParseSeconds("-1,5", u','), -1.5);
    EXPECT_EQ(ParseSeconds("21.50", u','), 21.5);
    EXPECT_EQ(ParseSeconds("21,50", u'.'), 21.5);
    EXPECT_EQ(ParseSeconds(".5", u','), 0.5);
    EXPECT_EQ(ParseSeconds("1.234", u','), 1.234); // no thousands separator
    EXPECT_FALSE(ParseSeconds("1.234,5", u','));
    EXPECT_FALSE(ParseSeconds("1,5.", u'.'));
    EXPECT_FALSE(ParseSeconds("1,2.3", u','));
    EXPECT_FALSE(ParseSeconds("", u','));
    EXPECT_FALSE(ParseSeconds("   ", u','));
    EXPECT_FALSE(ParseSeconds("1,2,3", u','));
    EXPECT_FALSE(ParseSeconds("3a", u','));
    EXPECT_FALSE(ParseSeconds("inf", u','));
    EXPECT_FALSE(ParseSeconds("1e999", u','));
}

TEST(ResultNumbers, UnreadableCountsAsZeroOrSortsLast) {
    EXPECT_EQ(SecondsOrZero("x", u','), 0.0);
    EXPECT_EQ(SecondsOrZero("12,34", u','), 12.34);
    EXPECT_EQ(SecondsForSorting("", u','), 2147483647.0);
    EXPECT_EQ(SecondsForSorting("9,99", u','), 9.99);
}

TEST(ResultNumbers, RunTimesAboveZeroAndWholePenaltiesFromZeroOn) {
    EXPECT_EQ(RunSeconds("0,01", u','), 0.01);
    EXPECT_EQ(RunSeconds("1.21", u','), 1.21);
    EXPECT_FALSE(RunSeconds("0.00", u','));
    EXPECT_FALSE(RunSeconds("0,00", u','));
    EXPECT_FALSE(RunSeconds("-2,00", u','));
    EXPECT_FALSE(RunSeconds("x", u','));
    EXPECT_EQ(RunSecondsForSorting("0", u','), 2147483647.0);
    EXPECT_EQ(WholePenalty("0", u','), 0.0);
    EXPECT_EQ(WholePenalty(" 3,00 ", u','), 3.0);
    EXPECT_FALSE(WholePenalty("-1", u','));
    EXPECT_FALSE(WholePenalty("2,5", u','));
    EXPECT_FALSE(WholePenalty("2.5", u','));
    EXPECT_EQ(WholePenalty("3.00", u','), 3.0);
    EXPECT_FALSE(WholePenalty("", u','));
}

TEST(ResultNumbers, FormatsTwoDecimalsWithTheSeparator) {
    EXPECT_EQ(FormatSeconds(24.5, u','), "24,50");
    EXPECT_EQ(FormatSeconds(0, u','), "0,00");
    EXPECT_EQ(FormatSeconds(-0.0, u','), "0,00");
    EXPECT_EQ(FormatSeconds(23.45 + 1.1, u'.'), "24.55"); // binary sums still print as typed
    EXPECT_EQ(FormatSeconds(1000.999, u','), "1001,00");
}
