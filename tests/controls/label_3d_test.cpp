#include "controls/label_3d.h"

#include "controls/qt_color.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace zn;

namespace {

const QColor Sentinel(1, 2, 3);

// Renders over a sentinel colour so pixels the label leaves alone can be told apart.
QImage Render(QWidget& w) {
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Sentinel);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// A font without antialiasing, so every text pixel has exactly one of the drawn colours.
QFont CrispFont(int pixels) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QRect InkOf(const QImage& image, const QColor& ink) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == ink) box |= QRect(x, y, 1, 1);
    return box;
}

// Expected picture of copies of the plain caption `mask` (ink = black), each
// shifted by an offset and drawn in its colour, later copies on top.
struct Copy {
    int offset;
    QColor colour;
};
QImage Compose(const QImage& mask, const QColor& background, std::initializer_list<Copy> copies) {
    QImage out(mask.size(), QImage::Format_RGB32);
    out.fill(background);
    for (const Copy& c : copies)
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const int sx = x - c.offset, sy = y - c.offset;
                if (sx >= 0 && sy >= 0 && sx < mask.width() && sy < mask.height() &&
                    mask.pixelColor(sx, sy) == Qt::black)
                    out.setPixelColor(x, y, c.colour);
            }
    return out;
}

struct TextLabel {
    TLabel3D label;
    TextLabel() {
        label.resize(120, 50);
        label.setFont(CrispFont(24));
        label.SetCaption(QStringLiteral("Bahn"));
        label.SetColor(clWhite);
        label.SetFontColor(clBlack);
        label.SetShadowColor(clRed);
        label.SetHighLightColor(clBlue);
        label.SetShadowSize(2);
    }
    QImage Plain() {
        label.SetBevel(blNone);
        return Render(label);
    }
};

} // namespace

TEST(Label3D, CreatedWithTheDocumentedDefaults) {
    TLabel3D l;
    EXPECT_EQ(l.FirstColor(), clWhite);
    EXPECT_EQ(l.LastColor(), clTeal);
    EXPECT_FALSE(l.FillGradient());
    EXPECT_EQ(l.GradientOrientation(), goHorizontal);
    EXPECT_EQ(l.HighLightColor(), clBtnHighlight);
    EXPECT_EQ(l.ShadowColor(), clBtnShadow);
    EXPECT_EQ(l.Bevel(), blRaised);
    EXPECT_EQ(l.ShadowSize(), 1);
    EXPECT_EQ(l.BorderColor(), clBlack);
    EXPECT_EQ(l.BorderWidth(), 1);
    EXPECT_EQ(l.BorderStyle(), lbNone);
    EXPECT_TRUE(l.ShowAccelChar());
    EXPECT_EQ(l.Alignment(), taLeftJustify);
    EXPECT_EQ(l.Layout(), tlTop);
}

TEST(Label3D, GradientNeedsTwoPixelsAlongItsDirection) {
    TLabel3D l;
    l.SetFillGradient(true);
    l.SetFirstColor(clRed);
    l.SetLastColor(clBlue);
    l.SetBevel(blNone);

    l.resize(1, 10);
    QImage image = Render(l);
    EXPECT_EQ(image.pixelColor(0, 5), Sentinel);

    l.resize(2, 10);
    image = Render(l);
    for (int y : {0, 9}) {
        EXPECT_EQ(image.pixelColor(0, y), ToQColor(clRed));
        EXPECT_EQ(image.pixelColor(1, y), ToQColor(clBlue));
    }

    l.SetGradientOrientation(goVertical);
    l.resize(10, 1);
    image = Render(l);
    EXPECT_EQ(image.pixelColor(5, 0), Sentinel);

    l.resize(10, 3);
    image = Render(l);
    EXPECT_EQ(image.pixelColor(4, 0), ToQColor(clRed));
    EXPECT_EQ(image.pixelColor(4, 1), QColor(127, 0, 127)); // 255 / 2 truncated
    EXPECT_EQ(image.pixelColor(4, 2), ToQColor(clBlue));
}

TEST(Label3D, GradientRunsInsideTheBorder) {
    TLabel3D l;
    l.resize(12, 6);
    l.SetFillGradient(true);
    l.SetFirstColor(clBlack);
    l.SetLastColor(clWhite);
    l.SetBorderStyle(lbNormal);
    l.SetBorderColor(clRed);
    const QImage image = Render(l);
    EXPECT_EQ(image.pixelColor(0, 3), ToQColor(clRed));
    EXPECT_EQ(image.pixelColor(1, 3), ToQColor(clBlack));
    EXPECT_EQ(image.pixelColor(10, 3), ToQColor(clWhite));
    EXPECT_EQ(image.pixelColor(11, 3), ToQColor(clRed));
}

TEST(Label3D, InnerBorderOfWidthTwoTakesFourPixels) {
    TLabel3D l;
    l.resize(20, 20);
    l.SetColor(clRed);
    l.SetBorderStyle(lbInn);
    l.SetBorderWidth(2);
    const QImage image = Render(l);
    const QColor shadow = ToQColor(clBtnShadow), light = ToQColor(clBtnHighlight), face = ToQColor(clRed);
    // Left edge at row 10: two sunken frames, then two raised ones.
    EXPECT_EQ(image.pixelColor(0, 10), shadow);
    EXPECT_EQ(image.pixelColor(1, 10), shadow);
    EXPECT_EQ(image.pixelColor(2, 10), light);
    EXPECT_EQ(image.pixelColor(3, 10), light);
    EXPECT_EQ(image.pixelColor(4, 10), face);
    // Right edge mirrors it.
    EXPECT_EQ(image.pixelColor(19, 10), light);
    EXPECT_EQ(image.pixelColor(18, 10), light);
    EXPECT_EQ(image.pixelColor(17, 10), shadow);
    EXPECT_EQ(image.pixelColor(16, 10), shadow);
    EXPECT_EQ(image.pixelColor(15, 10), face);
    // Top and bottom as well.
    EXPECT_EQ(image.pixelColor(10, 3), light);
    EXPECT_EQ(image.pixelColor(10, 4), face);
    EXPECT_EQ(image.pixelColor(10, 16), shadow);
    EXPECT_EQ(image.pixelColor(10, 15), face);
    // The top-right corner belongs to the bottom-right colour of the outer frame.
    EXPECT_EQ(image.pixelColor(19, 0), light);
    EXPECT_EQ(image.pixelColor(0, 19), light);
}

TEST(Label3D, TransparentLabelKeepsWhatLiesBelow) {
    TLabel3D l;
    l.resize(10, 10);
    l.SetColor(clRed);
    EXPECT_EQ(Render(l).pixelColor(5, 5), ToQColor(clRed));
    l.SetTransparent(true);
    EXPECT_EQ(Render(l).pixelColor(5, 5), Sentinel);
}

TEST(Label3D, LoweredBevelDrawsThreeCopies) {
    TextLabel t;
    const QImage plain = t.Plain();
    ASSERT_FALSE(InkOf(plain, Qt::black).isEmpty());
    t.label.SetBevel(blLowered);
    const QImage lowered = Render(t.label);
    // Up-left in the shadow colour, down-right in the highlight, the caption on top.
    EXPECT_EQ(lowered, Compose(plain, Qt::white, {{-2, Qt::red}, {2, Qt::blue}, {0, Qt::black}}));

    t.label.SetBevel(blRaised);
    EXPECT_EQ(Render(t.label), Compose(plain, Qt::white, {{-2, Qt::blue}, {2, Qt::red}, {0, Qt::black}}));

    t.label.SetBevel(blShadow);
    EXPECT_EQ(Render(t.label), Compose(plain, Qt::white, {{2, Qt::red}, {0, Qt::black}}));
}

TEST(Label3D, DisabledBevelDropsTheUpLeftCopyAndGreysTheCaption) {
    TextLabel t;
    const QImage plain = t.Plain();
    t.label.SetBevel(blLowered);
    t.label.setEnabled(false);
    const QColor grey = ToQColor(clGrayText);
    EXPECT_EQ(Render(t.label), Compose(plain, Qt::white, {{2, Qt::blue}, {0, grey}}));
    // Without a bevel the caption keeps its colour.
    t.label.SetBevel(blNone);
    EXPECT_EQ(Render(t.label), plain);
}

TEST(Label3D, LayoutMovesTheCaptionDown) {
    TextLabel t;
    t.label.resize(120, 100);
    t.label.SetBevel(blNone);
    const QRect top = InkOf(Render(t.label), Qt::black);
    t.label.SetLayout(tlBottom);
    const QRect bottom = InkOf(Render(t.label), Qt::black);
    t.label.SetLayout(tlCenter);
    const QRect centre = InkOf(Render(t.label), Qt::black);

    const int lineHeight = QFontMetrics(t.label.font()).height();
    EXPECT_EQ(bottom.top() - top.top(), 100 - lineHeight);
    EXPECT_EQ(centre.top() - top.top(), (100 - lineHeight) / 2);
    EXPECT_EQ(bottom.left(), top.left());
}

TEST(Label3D, TallTextBottomAlignedStillShowsItsLastLine) {
    TextLabel t;
    t.label.SetBevel(blNone);
    t.label.SetCaption(QStringLiteral("A\nB\nC"));
    const int lineHeight = QFontMetrics(t.label.font()).height();
    t.label.resize(120, lineHeight * 2); // room for two of the three lines
    t.label.SetLayout(tlBottom);
    const QRect ink = InkOf(Render(t.label), Qt::black);
    // The block is shifted up by one line: its last line sits at the bottom.
    EXPECT_GE(ink.bottom(), lineHeight);
    EXPECT_LT(ink.top(), lineHeight);
}

TEST(Label3D, AlignmentAndAccelerator) {
    TextLabel t;
    t.label.SetBevel(blNone);
    t.label.resize(200, 40);
    const QRect left = InkOf(Render(t.label), Qt::black);
    t.label.SetAlignment(taRightJustify);
    const QRect right = InkOf(Render(t.label), Qt::black);
    t.label.SetAlignment(taCenter);
    const QRect centre = InkOf(Render(t.label), Qt::black);
    EXPECT_LT(left.left(), 5);
    EXPECT_GT(right.right(), 194);
    EXPECT_NEAR(centre.center().x(), 100, 3);

    // "&" marks the accelerator only while ShowAccelChar is on.
    t.label.SetAlignment(taLeftJustify);
    t.label.SetCaption(QStringLiteral("&Bahn"));
    const QRect accel = InkOf(Render(t.label), Qt::black);
    t.label.SetShowAccelChar(false);
    const QRect literal = InkOf(Render(t.label), Qt::black);
    EXPECT_GT(literal.width(), accel.width());
}

TEST(Label3D, OnlyChangedValuesRepaint) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    TLabel3D l;
    l.SetCaption(QStringLiteral("x"));
    l.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&l));
    l.installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;

    l.SetCaption(QStringLiteral("x"));
    l.SetBevel(blRaised);
    l.SetShadowSize(1);
    l.SetBorderStyle(lbNone);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    l.SetShadowSize(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}
