#include "controls/digit.h"

#include "controls/qt_color.h"
#include "core/digit_geometry.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace zn;

namespace {

QColor PixelAt(QWidget& w, int x, int y) {
    return w.grab().toImage().pixelColor(x, y);
}

} // namespace

TEST(Digit, StartsAsAYellowZeroOnBlack) {
    TDigit d;
    EXPECT_EQ(d.width(), 16);
    EXPECT_EQ(d.height(), 32);
    EXPECT_EQ(d.Value(), 0);
    EXPECT_EQ(d.ValueBinary(), 0x7D);
    EXPECT_EQ(d.ColorOn(), clYellow);
    EXPECT_EQ(d.ColorOff(), clBlack);
    EXPECT_EQ(d.Color(), clBlack);
    EXPECT_EQ(d.Thickness(), 2);
    EXPECT_EQ(d.Separation(), 1);
    EXPECT_EQ(d.BorderStyle(), bsSingle);
}

TEST(Digit, ValuesTakeTheirPatterns) {
    TDigit d;
    for (int v = 9; v >= 0; --v) {
        d.SetValue(v);
        EXPECT_EQ(d.Value(), v);
        EXPECT_EQ(d.ValueBinary(), SegmentPatterns[static_cast<std::size_t>(v)]);
    }
}

TEST(Digit, OverflowShowsZeroAndFiresEveryTime) {
    TDigit d;
    d.SetValue(5);
    int fired = 0;
    QObject* sender = nullptr;
    d.OnOverflow = [&](QObject* s) {
        ++fired;
        sender = s;
    };
    d.SetValue(12);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(sender, &d);
    EXPECT_EQ(d.Value(), 0);
    EXPECT_EQ(d.ValueBinary(), 0x7D);
    // 12 differs from the stored 0, so it overflows again.
    d.SetValue(12);
    EXPECT_EQ(fired, 2);
    d.SetValue(-1);
    EXPECT_EQ(fired, 3);
    EXPECT_EQ(d.Value(), 0);
}

TEST(Digit, OverflowWithoutHandlerIsQuiet) {
    TDigit d;
    d.SetValue(10);
    EXPECT_EQ(d.Value(), 0);
}

TEST(Digit, EqualValueLeavesADirectPatternAlone) {
    TDigit d;
    d.SetValueBinary(0x80); // the corner mark alone
    d.SetValue(0);
    EXPECT_EQ(d.ValueBinary(), 0x80);
    d.SetValue(3);
    EXPECT_EQ(d.ValueBinary(), SegmentPatterns[3]);
}

TEST(Digit, ThicknessAboveHalfTheSizeIsRefused) {
    TDigit d;
    d.resize(80, 160);
    d.SetThickness(41);
    EXPECT_EQ(d.Thickness(), 2);
    d.SetThickness(40);
    EXPECT_EQ(d.Thickness(), 40);
    // The smaller side decides: 16 x 32 allows 8.
    TDigit small;
    small.SetThickness(9);
    EXPECT_EQ(small.Thickness(), 2);
    small.SetThickness(8);
    EXPECT_EQ(small.Thickness(), 8);
    // An odd width halves with truncation: 17 allows 8.
    small.resize(17, 40);
    small.SetThickness(9);
    EXPECT_EQ(small.Thickness(), 8);
}

TEST(Digit, PaintsLitAndDarkSegmentsOverTheBackground) {
    TDigit d;
    d.resize(80, 160);
    d.SetThickness(9);
    d.SetSeparation(1);
    d.SetColor(clBlue);
    d.SetColorOn(clRed);
    d.SetColorOff(clGreen);
    d.SetValue(7); // top, upper right, lower right
    const QImage image = d.grab().toImage();
    auto at = [&](int x, int y) { return image.pixelColor(x, y); };

    EXPECT_EQ(at(40, 9), ToQColor(clRed));     // top segment
    EXPECT_EQ(at(40, 79), ToQColor(clGreen));  // middle is dark
    EXPECT_EQ(at(40, 150), ToQColor(clGreen)); // bottom is dark
    EXPECT_EQ(at(75, 40), ToQColor(clRed));    // upper right
    EXPECT_EQ(at(4, 40), ToQColor(clGreen));   // upper left is dark
    EXPECT_EQ(at(75, 120), ToQColor(clRed));   // lower right
    // Between the segments and on the outlines: background.
    EXPECT_EQ(at(40, 40), ToQColor(clBlue));
    EXPECT_EQ(at(5, 2), ToQColor(clBlue));
    EXPECT_EQ(at(40, 0), ToQColor(clBlue)); // top edge of the top segment is outline
    EXPECT_EQ(at(40, 19), ToQColor(clBlue));
    // The corner mark is dark for every digit.
    EXPECT_EQ(at(77, 157), ToQColor(clGreen));
    d.SetValueBinary(0x80);
    EXPECT_EQ(PixelAt(d, 77, 157), ToQColor(clRed));
    EXPECT_EQ(PixelAt(d, 40, 9), ToQColor(clGreen));
}

// The faces are drawn once and reused: a change of colour, thickness or size
// after a paint must still show (the first clock digit turns bright at 100 s).
TEST(Digit, ChangesAfterAPaintAreShown) {
    TDigit d;
    d.resize(80, 160);
    d.SetThickness(9);
    d.SetColorOn(0x404040);
    d.SetValue(8);
    EXPECT_EQ(PixelAt(d, 40, 9), ToQColor(0x404040));
    d.SetColorOn(clYellow);
    EXPECT_EQ(PixelAt(d, 40, 9), ToQColor(clYellow));
    d.SetColorOff(clRed);
    d.SetValue(1);
    EXPECT_EQ(PixelAt(d, 40, 9), ToQColor(clRed));
    d.SetColor(clBlue);
    EXPECT_EQ(PixelAt(d, 40, 40), ToQColor(clBlue));
    d.SetThickness(4);
    EXPECT_EQ(PixelAt(d, 40, 12), ToQColor(clBlue)); // below the thinner top segment
    d.resize(40, 80);
    EXPECT_EQ(PixelAt(d, 20, 2), ToQColor(clRed)); // the top segment, drawn at the new size
}
