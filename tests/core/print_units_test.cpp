#include "core/print_units.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(PrintUnits, RoundsWhereItMustAndTruncatesInTheExactSteps) {
    EXPECT_EQ(MulDiv(5, 1, 2), 3); // halves away from zero
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(7, 1, 0), -1);
    EXPECT_EQ(ConvertUnits(100, 600, mmPixel, mmLoMetric), 42);    // 100 * 254 / 600 = 42.33
    EXPECT_EQ(ConvertUnits(2100, 600, mmLoMetric, mmPixel), 4961); // 2100 * 600 / 254 = 4960.6
    EXPECT_EQ(ConvertUnits(19, 0, mmHiMetric, mmLoMetric), 1);     // truncates, not 2
    EXPECT_EQ(ConvertUnits(253, 0, mmHiMetric, mmLoEnglish), 0);
    EXPECT_EQ(ConvertUnits(3, 0, mmLoEnglish, mmHiMetric), 762);
    EXPECT_EQ(ConvertUnits(1, 0, mmHiEnglish, mmTWIPS), 14); // 14.4 rounds down
    EXPECT_EQ(ConvertUnits(77, 300, mmTWIPS, mmTWIPS), 77);
    EXPECT_EQ(ConvertUnits(77, 300, static_cast<TUnits>(9), mmLoMetric), 77);
}

TEST(PrintUnits, PaperCodesSkip48And49AndEndWithTheUsersSize) {
    EXPECT_EQ(PaperSizeTable[pEnvInvite].code, 47);
    EXPECT_EQ(PaperSizeTable[pLetterExtra].code, 50);
    EXPECT_EQ(PaperSizeTable[pA3ExtraTransverse].code, 68);
    EXPECT_EQ(PaperSizeTable[pCustom].code, 256);
    EXPECT_EQ(PaperSizeTable[pA4].width, 2100);
    EXPECT_EQ(PaperSizeTable[pA4].height, 2970);
    EXPECT_EQ(PaperSizeTable[pLedger].width, 4318); // wider than high
}
