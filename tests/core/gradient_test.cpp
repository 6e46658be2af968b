#include "core/gradient.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(Gradient, EndsAreExactlyTheTwoColours) {
    EXPECT_EQ(GradientStep(clWhite, clTeal, 0, 1), clWhite);
    EXPECT_EQ(GradientStep(clWhite, clTeal, 1, 1), clTeal);
    EXPECT_EQ(GradientStep(0x123456, 0x654321, 0, 7), 0x123456u);
    EXPECT_EQ(GradientStep(0x123456, 0x654321, 7, 7), 0x654321u);
}

TEST(Gradient, StepsTruncateEachChannel) {
    // White to teal (0x808000: red 0, green 128, blue 128) over n = 3.
    // k = 1: red (2*255 + 0)/3 = 170, green (510 + 128)/3 = 212, blue the same.
    EXPECT_EQ(GradientStep(clWhite, clTeal, 1, 3), RGBColor(170, 212, 212));
    // k = 2: red 255/3 = 85, green (255 + 256)/3 = 170.
    EXPECT_EQ(GradientStep(clWhite, clTeal, 2, 3), RGBColor(85, 170, 170));
    // Black to 0x000001 over 2 steps: 1/2 truncates to 0.
    EXPECT_EQ(GradientStep(clBlack, 0x000001, 1, 2), clBlack);
}

TEST(Gradient, SystemColoursAreResolved) {
    EXPECT_EQ(GradientStep(clBtnFace, clBtnFace, 3, 5), ResolveColor(clBtnFace));
    EXPECT_EQ(GradientStep(clWindow, clBlack, 0, 2), clWhite);
}

TEST(Gradient, NoStepsGivesTheFirstColourInsteadOfDividingByZero) {
    EXPECT_EQ(GradientStep(clRed, clBlue, 0, 0), clRed);
    EXPECT_EQ(GradientStep(clRed, clBlue, 1, -3), clRed);
}
