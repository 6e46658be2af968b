#include "core/digit_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zn;

namespace {

struct Extent {
    int left, right, top, bottom;
};

Extent ExtentOf(const SegmentPolygon& polygon) {
    Extent e{polygon[0].x(), polygon[0].x(), polygon[0].y(), polygon[0].y()};
    for (const QPoint& p : polygon) {
        e.left = std::min(e.left, p.x());
        e.right = std::max(e.right, p.x());
        e.top = std::min(e.top, p.y());
        e.bottom = std::max(e.bottom, p.y());
    }
    return e;
}

} // namespace

TEST(DigitGeometry, PatternsLightTheSegmentsOfEachDigit) {
    // bit 0 top, 1 middle, 2 bottom, 3 upper left, 4 upper right, 5 lower left, 6 lower right
    auto lit = [](int digit, int bit) {
        return (SegmentPatterns[static_cast<std::size_t>(digit)] >> bit) & 1;
    };
    EXPECT_EQ(SegmentPatterns[0], 0x7D);
    EXPECT_EQ(SegmentPatterns[8], 0x7F);
    EXPECT_FALSE(lit(0, 1)); // 0 has no middle bar
    EXPECT_TRUE(lit(1, 4) && lit(1, 6));
    EXPECT_EQ(SegmentPatterns[1] & ~0x50, 0);
    EXPECT_TRUE(lit(2, 4) && lit(2, 5) && !lit(2, 3) && !lit(2, 6));
    EXPECT_TRUE(lit(5, 3) && lit(5, 6) && !lit(5, 4) && !lit(5, 5));
    EXPECT_TRUE(lit(6, 5) && !lit(6, 4));
    EXPECT_TRUE(lit(9, 4) && !lit(9, 5));
    for (uint8_t p : SegmentPatterns)
        EXPECT_EQ(p & 0x80, 0) << "no digit lights the corner mark";
}

TEST(DigitGeometry, TopSegmentOfTheMainWindowDigit) {
    // 80 x 160, thickness 9, separation 1
    const auto parts = DigitSegmentPolygons(80, 160, 9, 1);
    const SegmentPolygon& top = parts[0];
    ASSERT_EQ(top.size(), 6u);
    const Extent e = ExtentOf(top);
    EXPECT_EQ(e.left, 10);
    EXPECT_EQ(e.right, 69);
    EXPECT_EQ(e.top, 0);
    EXPECT_EQ(e.bottom, 18);
    // The flat edges: both corners on y = 0 and both on y = 18 run from 19 to 60.
    EXPECT_EQ(top[1], QPoint(19, 0));
    EXPECT_EQ(top[2], QPoint(60, 0));
    EXPECT_EQ(top[4], QPoint(60, 18));
    EXPECT_EQ(top[5], QPoint(19, 18));
}

TEST(DigitGeometry, SegmentsStayInsideTheDigitAndKeepTheirPlaces) {
    const int w = 80, h = 160, t = 9, s = 1;
    const auto parts = DigitSegmentPolygons(w, h, t, s);
    for (const auto& part : parts) {
        const Extent e = ExtentOf(part);
        EXPECT_GE(e.left, 0);
        EXPECT_LE(e.right, w - 1);
        EXPECT_GE(e.top, 0);
        EXPECT_LE(e.bottom, h - 1);
    }
    const int m = (h - 1) / 2; // 79
    EXPECT_EQ(ExtentOf(parts[1]).top, m - t);
    EXPECT_EQ(ExtentOf(parts[2]).bottom, h - 1);
    // Left verticals hug x = 0, right ones x = W.
    EXPECT_EQ(ExtentOf(parts[3]).left, 0);
    EXPECT_EQ(ExtentOf(parts[5]).left, 0);
    EXPECT_EQ(ExtentOf(parts[4]).right, w - 1);
    EXPECT_EQ(ExtentOf(parts[6]).right, w - 1);
    // Upper verticals end above the middle bar's centre, lower ones start below it.
    EXPECT_LT(ExtentOf(parts[3]).bottom, m);
    EXPECT_GT(ExtentOf(parts[5]).top, m - t);
    // The corner mark is a triangle in the bottom-right corner.
    ASSERT_EQ(parts[7].size(), 3u);
    EXPECT_EQ(parts[7][0], QPoint(w - 1, h - 1));
    EXPECT_EQ(parts[7][1], QPoint(w - 1 - 2 * t + s, h - 1));
    EXPECT_EQ(parts[7][2], QPoint(w - 1, h - 1 - 2 * t + s));
}

TEST(DigitGeometry, OddHeightTruncatesTheMiddle) {
    // 16 x 32: H = 31, M = 15; the lower verticals start at M - T.
    const auto parts = DigitSegmentPolygons(16, 32, 2, 1);
    EXPECT_EQ(ExtentOf(parts[1]).top, 13);
    EXPECT_EQ(parts[5][0], QPoint(0, 13 + 4 + 1));
    EXPECT_EQ(ExtentOf(parts[2]).bottom, 31);
}
