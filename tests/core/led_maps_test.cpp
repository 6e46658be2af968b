#include "core/led_maps.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(LedMaps, CornersAndCentresOfTheFourMaps) {
    // Round LEDs leave the corners to the background.
    for (bool lit : {false, true}) {
        EXPECT_EQ(LedPixelIndex(0, lit, 0, 0), 0);
        EXPECT_EQ(LedPixelIndex(0, lit, 15, 15), 0);
        EXPECT_EQ(LedPixelIndex(0, lit, 5, 0), 2);   // grey rim on top
        EXPECT_EQ(LedPixelIndex(0, lit, 10, 15), 1); // white rim below
    }
    EXPECT_EQ(LedPixelIndex(0, false, 8, 8), 3); // black body
    EXPECT_EQ(LedPixelIndex(0, true, 8, 8), 4);  // coloured body
    EXPECT_EQ(LedPixelIndex(0, true, 4, 4), 6);  // white glint
    EXPECT_EQ(LedPixelIndex(0, true, 2, 6), 5);  // highlight
    // Rectangles use rows 3 to 12 only.
    EXPECT_EQ(LedPixelIndex(1, true, 8, 2), 0);
    EXPECT_EQ(LedPixelIndex(1, true, 0, 3), 2);
    EXPECT_EQ(LedPixelIndex(1, true, 15, 12), 1);
    EXPECT_EQ(LedPixelIndex(1, false, 8, 8), 3);
    EXPECT_EQ(LedPixelIndex(1, true, 8, 9), 4);
    EXPECT_EQ(LedPixelIndex(1, true, 3, 6), 6);
    EXPECT_EQ(LedPixelIndex(1, false, 8, 13), 0);
}

TEST(LedMaps, OutsideTheMapIsBackground) {
    EXPECT_EQ(LedPixelIndex(0, true, -1, 8), 0);
    EXPECT_EQ(LedPixelIndex(0, true, 16, 8), 0);
    EXPECT_EQ(LedPixelIndex(1, false, 8, 16), 0);
}

TEST(LedMaps, PaletteSharesTheRimAndVariesBodyAndHighlight) {
    for (int kind = 0; kind < LedKindCount; ++kind) {
        EXPECT_EQ(LedPaletteColor(kind, 1), clWhite);
        EXPECT_EQ(LedPaletteColor(kind, 2), clGray);
        EXPECT_EQ(LedPaletteColor(kind, 3), clBlack);
        EXPECT_EQ(LedPaletteColor(kind, 6), clWhite);
    }
    EXPECT_EQ(LedPaletteColor(0, 4), clRed);
    EXPECT_EQ(LedPaletteColor(0, 5), clFuchsia);
    EXPECT_EQ(LedPaletteColor(1, 4), clLime);
    EXPECT_EQ(LedPaletteColor(1, 5), clYellow);
    EXPECT_EQ(LedPaletteColor(2, 4), clYellow);
    EXPECT_EQ(LedPaletteColor(3, 4), clTeal);
    EXPECT_EQ(LedPaletteColor(3, 5), clAqua);
    EXPECT_EQ(LedPaletteColor(4, 4), clFuchsia);
    EXPECT_EQ(LedPaletteColor(5, 4), clBlue);
    EXPECT_EQ(LedPaletteColor(5, 5), clAqua);
    EXPECT_EQ(LedPaletteColor(6, 4), clGray);
    EXPECT_EQ(LedPaletteColor(6, 5), clSilver);
}

TEST(LedMaps, PaletteOutOfRangeIsBlackNotAFault) {
    EXPECT_EQ(LedPaletteColor(7, 4), clBlack);
    EXPECT_EQ(LedPaletteColor(-1, 4), clBlack);
    EXPECT_EQ(LedPaletteColor(0, 0), clBlack);
    EXPECT_EQ(LedPaletteColor(0, 7), clBlack);
}
