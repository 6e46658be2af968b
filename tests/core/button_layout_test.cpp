#include "core/button_layout.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(ButtonLayout, CentredGlyphLeftOfCaption) {
    // 100 x 30 client, 16 x 16 glyph, 40 x 14 text, spacing 4:
    // margin = (100 - (16 + 4 + 40) + 1) / 2 = 20
    const auto r = LayoutGlyphAndCaption({100, 30}, {16, 16}, {40, 14}, blGlyphLeft, -1, 4);
    EXPECT_EQ(r.GlyphPos, QPoint(20, (30 - 16 + 1) / 2));
    EXPECT_EQ(r.TextRect, QRect(40, (30 - 14 + 1) / 2, 40, 14));
}

TEST(ButtonLayout, GlyphRightTopAndBottomMirrorTheAxis) {
    auto r = LayoutGlyphAndCaption({100, 30}, {16, 16}, {40, 14}, blGlyphRight, 5, 4);
    EXPECT_EQ(r.GlyphPos.x(), 100 - 5 - 16);
    EXPECT_EQ(r.TextRect.left(), 79 - 4 - 40);

    r = LayoutGlyphAndCaption({60, 80}, {16, 16}, {40, 14}, blGlyphTop, 3, 2);
    EXPECT_EQ(r.GlyphPos, QPoint((60 - 16 + 1) / 2, 3));
    EXPECT_EQ(r.TextRect.topLeft(), QPoint((60 - 40 + 1) / 2, 3 + 16 + 2));

    r = LayoutGlyphAndCaption({60, 80}, {16, 16}, {40, 14}, blGlyphBottom, 3, 2);
    EXPECT_EQ(r.GlyphPos.y(), 80 - 3 - 16);
    EXPECT_EQ(r.TextRect.top(), 61 - 2 - 14);
}

TEST(ButtonLayout, MinusOneSpreadsMarginAndSpacingEvenly) {
    // (100 - (16 + 40)) / 3 = 14 on either side and between.
    const auto r = LayoutGlyphAndCaption({100, 30}, {16, 16}, {40, 14}, blGlyphLeft, -1, -1);
    EXPECT_EQ(r.GlyphPos.x(), 14);
    EXPECT_EQ(r.TextRect.left(), 14 + 16 + 14);
}

TEST(ButtonLayout, FixedMarginWithSpreadSpacing) {
    // spacing = (100 - (10 + 16) - 40) / 2 = 17
    const auto r = LayoutGlyphAndCaption({100, 30}, {16, 16}, {40, 14}, blGlyphLeft, 10, -1);
    EXPECT_EQ(r.GlyphPos.x(), 10);
    EXPECT_EQ(r.TextRect.left(), 10 + 16 + 17);
}

TEST(ButtonLayout, CaptionAloneIsCentredWithoutSpacing) {
    // No glyph: spacing counts as 0, margin = (75 - 50 + 1) / 2 = 13.
    const auto r = LayoutGlyphAndCaption({75, 25}, {0, 0}, {50, 15}, blGlyphLeft, -1, 4);
    EXPECT_EQ(r.TextRect, QRect(13, 5, 50, 15));
    // No caption: the glyph alone is centred.
    const auto g = LayoutGlyphAndCaption({75, 25}, {18, 18}, {0, 0}, blGlyphLeft, -1, 4);
    EXPECT_EQ(g.GlyphPos, QPoint(29, 4));
}

TEST(ButtonLayout, NegativeLeftoversTruncateTowardZero) {
    // Text wider than the client: margin = (20 - 31 + 1) / 2 = -5, not -6.
    const auto r = LayoutGlyphAndCaption({20, 10}, {0, 0}, {31, 12}, blGlyphLeft, -1, 0);
    EXPECT_EQ(r.TextRect.left(), -5);
    EXPECT_EQ(r.TextRect.top(), (10 - 12 + 1) / 2); // 0
}
