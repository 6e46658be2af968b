#include "controls/bit_btn_with_color.h"

#include "controls/qt_color.h"

#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using namespace zn;

namespace {

QImage Render(QWidget& w) {
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QFont CrispFont(int pixels) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// Bounding box of the pixels of colour `ink`, inside `area` (all of the image when empty).
QRect InkOf(const QImage& image, const QColor& ink, QRect area = {}) {
    if (area.isEmpty()) area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == ink) box |= QRect(x, y, 1, 1);
    return box;
}

int Count(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) ++n;
    return n;
}

const QColor Olive(128, 128, 0);

// n square images side by side on olive, each with a red dot in its middle.
QPixmap MakeGlyph(int size, int n, QColor dot = Qt::red) {
    QImage image(size * n, size, QImage::Format_RGB32);
    image.fill(Olive);
    for (int i = 0; i < n; ++i)
        image.setPixelColor(i * size + size / 2, size / 2, dot);
    return QPixmap::fromImage(image);
}

} // namespace

TEST(BitBtnWithColor, CreatedWithTheDocumentedDefaults) {
    TBitBtnWithColor b;
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_EQ(b.NumGlyphs(), 1);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.Spacing(), 4);
    EXPECT_EQ(b.Style(), bsAutoDetect);
    EXPECT_FALSE(b.Default());
    EXPECT_FALSE(b.Cancel());
    EXPECT_EQ(b.ModalResult(), mrNone);
}

TEST(BitBtnWithColor, RaisedFaceAndPressedFaceTakeTheColour) {
    TBitBtnWithColor b;
    b.resize(80, 30);
    b.SetColor(clYellow);
    QImage up = Render(b);
    EXPECT_EQ(up.pixelColor(1, 1), ToQColor(clBtnHighlight));
    EXPECT_EQ(up.pixelColor(78, 28), ToQColor(clBtnShadow));
    EXPECT_EQ(up.pixelColor(2, 15), ToQColor(clYellow)); // the outline in the face colour
    EXPECT_EQ(up.pixelColor(40, 15), ToQColor(clYellow));

    b.SetColor(clRed);
    up = Render(b);
    EXPECT_EQ(up.pixelColor(40, 15), ToQColor(clRed));
    EXPECT_EQ(up.pixelColor(2, 15), ToQColor(clRed));

    // Pressed: no raised edge, a shadow outline and the new colour inside.
    b.setDown(true);
    const QImage down = Render(b);
    EXPECT_EQ(down.pixelColor(0, 15), ToQColor(clBtnShadow));
    EXPECT_EQ(down.pixelColor(40, 0), ToQColor(clBtnShadow));
    EXPECT_EQ(down.pixelColor(79, 29), ToQColor(clBtnShadow));
    EXPECT_EQ(down.pixelColor(1, 1), ToQColor(clRed));
    EXPECT_EQ(down.pixelColor(40, 15), ToQColor(clRed));
}

TEST(BitBtnWithColor, CaptionCentredInTheFontColourAndShiftedWhenDown) {
    TBitBtnWithColor b;
    b.resize(120, 40);
    b.setFont(CrispFont(20));
    b.SetFontColor(clBlue);
    b.SetCaption(QStringLiteral("&START"));
    const QRect up = InkOf(Render(b), ToQColor(clBlue));
    ASSERT_FALSE(up.isEmpty());
    EXPECT_NEAR(up.center().x(), 60, 2);
    EXPECT_NEAR(up.center().y(), 20, 3);
    b.setDown(true);
    const QRect down = InkOf(Render(b), ToQColor(clBlue));
    EXPECT_EQ(down.topLeft(), up.topLeft() + QPoint(1, 1));
}

TEST(BitBtnWithColor, DisabledCaptionIsEmbossedFromTheTopLeft) {
    TBitBtnWithColor b;
    b.resize(160, 80);
    b.setFont(CrispFont(20));
    b.SetFontColor(clBlue);
    b.SetColor(clYellow);
    const QColor grey(128, 128, 128), white(255, 255, 255);

    b.SetCaption(QStringLiteral("AB\nCD"));
    const QRect enabledInk = InkOf(Render(b), ToQColor(clBlue));
    b.setEnabled(false);
    const QImage disabled = Render(b);
    EXPECT_EQ(Count(disabled, ToQColor(clBlue)), 0);
    const QRect inside = b.rect().adjusted(3, 3, -3, -3); // the white edge is not text
    const QRect greyInk = InkOf(disabled, grey, inside);
    const QRect whiteInk = InkOf(disabled, white, inside);
    ASSERT_FALSE(greyInk.isEmpty());
    // The white copy lies one pixel down-right of the grey one and peeks out below it.
    EXPECT_EQ(whiteInk.bottomRight(), greyInk.bottomRight() + QPoint(1, 1));
    // Enabled, the caption is one centred line; disabled, two lines from the top-left.
    const int line = QFontMetrics(b.font()).height();
    EXPECT_LT(enabledInk.height(), line);
    EXPECT_GT(greyInk.height(), line);
    EXPECT_LT(greyInk.top(), enabledInk.top());
}

TEST(BitBtnWithColor, GlyphBackgroundTakesTheFaceColour) {
    TBitBtnWithColor b;
    b.resize(80, 30);
    b.SetColor(clAqua);
    b.SetGlyph(MakeGlyph(16, 1));
    QImage image = Render(b);
    EXPECT_EQ(Count(image, Olive), 0);
    EXPECT_EQ(Count(image, QColor(Qt::red)), 1);
    // A new colour rebuilds the prepared image.
    b.SetColor(clLime);
    image = Render(b);
    EXPECT_EQ(Count(image, ToQColor(clAqua)), 0);
    EXPECT_EQ(Count(image, Olive), 0);
}

TEST(BitBtnWithColor, GlyphWithAlphaKeepsItsBlackPixels) {
    // A picture whose background is transparent rather than a key colour.
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixelColor(8, 8, Qt::black);
    TBitBtnWithColor b;
    b.resize(80, 30);
    b.SetColor(clAqua);
    b.SetGlyph(QPixmap::fromImage(image));
    EXPECT_EQ(Count(Render(b), QColor(Qt::black)), 1);
    b.setEnabled(false);
    const QImage disabled = Render(b);
    EXPECT_EQ(Count(disabled, QColor(Qt::black)), 0);
    EXPECT_EQ(Count(disabled, ToQColor(clBtnShadow)), 1 + (30 - 2) + (80 - 2) - 1); // the dot and the edge
}

TEST(BitBtnWithColor, DisabledGlyphUsesTheSecondImageOrAnEmbossedShape) {
    TBitBtnWithColor b;
    b.resize(80, 30);
    b.SetColor(clYellow);
    // Second image: a grey and a white pixel.
    QImage two(32, 16, QImage::Format_RGB32);
    two.fill(Olive);
    two.setPixelColor(8, 8, Qt::red);
    two.setPixelColor(20, 8, QColor(128, 128, 128));
    two.setPixelColor(21, 8, QColor(0, 0, 0));
    b.SetGlyph(QPixmap::fromImage(two));
    EXPECT_EQ(b.NumGlyphs(), 2);
    b.setEnabled(false);
    QImage image = Render(b);
    EXPECT_EQ(Count(image, QColor(Qt::red)), 0);
    EXPECT_EQ(Count(image, QColor(128, 128, 128)), 0);
    // The grey pixel, the right column and the bottom row of the inner edge.
    EXPECT_EQ(Count(image, ToQColor(clBtnShadow)), 1 + (30 - 2) + (80 - 2) - 1);
    EXPECT_EQ(Count(image, QColor(0, 0, 0)), 1); // other colours stay
    EXPECT_EQ(Count(image, Olive), 0);

    // A single image: a shadow copy of the shape over a highlight copy one pixel down-right.
    b.SetGlyph(MakeGlyph(16, 1, Qt::black));
    b.SetNumGlyphs(1);
    image = Render(b);
    QPoint dot(-1, -1);
    for (int y = 2; y < 28 && dot.x() < 0; ++y)
        for (int x = 2; x < 78; ++x)
            if (image.pixelColor(x, y) == ToQColor(clBtnShadow)) {
                dot = QPoint(x, y);
                break;
            }
    ASSERT_GE(dot.x(), 0);
    EXPECT_EQ(image.pixelColor(dot + QPoint(1, 1)), ToQColor(clBtnHighlight));
    EXPECT_EQ(Count(image, QColor(Qt::black)), 0);
}

TEST(BitBtnWithColor, GlyphCountFollowsThePicture) {
    TBitBtnWithColor b;
    b.SetGlyph(MakeGlyph(16, 4));
    EXPECT_EQ(b.NumGlyphs(), 4);
    b.SetGlyph(MakeGlyph(16, 5)); // five images cannot be told apart: one wide picture
    EXPECT_EQ(b.NumGlyphs(), 1);
    b.SetGlyph(MakeGlyph(16, 3));
    EXPECT_EQ(b.NumGlyphs(), 3);
    QImage odd(30, 16, QImage::Format_RGB32);
    odd.fill(Olive);
    b.SetGlyph(QPixmap::fromImage(odd)); // not a multiple: the count stays
    EXPECT_EQ(b.NumGlyphs(), 3);
}

TEST(BitBtnWithColor, RefusedAndClampedValues) {
    TBitBtnWithColor b;
    b.SetMargin(5);
    b.SetMargin(-2);
    EXPECT_EQ(b.Margin(), 5);
    b.SetMargin(-1);
    EXPECT_EQ(b.Margin(), -1);
    b.SetNumGlyphs(7);
    EXPECT_EQ(b.NumGlyphs(), 4);
    b.SetNumGlyphs(0);
    EXPECT_EQ(b.NumGlyphs(), 1);
    b.SetSpacing(-1);
    EXPECT_EQ(b.Spacing(), -1);
}

TEST(BitBtnWithColor, KindPresetsAndWhenTheyLapse) {
    TBitBtnWithColor b;
    b.SetKind(bkOK);
    EXPECT_EQ(b.Kind(), bkOK);
    EXPECT_TRUE(b.Default());
    EXPECT_FALSE(b.Cancel());
    EXPECT_EQ(b.ModalResult(), mrOk);
    EXPECT_EQ(b.Caption(), QStringLiteral("OK"));
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_FALSE(b.Glyph().isNull());
    b.SetDefault(false);
    EXPECT_EQ(b.Kind(), bkCustom);

    b.SetKind(bkNo);
    EXPECT_EQ(b.Kind(), bkNo);
    EXPECT_FALSE(b.Default());
    EXPECT_TRUE(b.Cancel());
    EXPECT_EQ(b.ModalResult(), mrNo);
    b.SetModalResult(mrYes);
    EXPECT_EQ(b.Kind(), bkCustom);

    b.SetKind(bkClose);
    EXPECT_EQ(b.ModalResult(), mrNone);
    b.SetGlyph(MakeGlyph(16, 1));
    EXPECT_EQ(b.Kind(), bkCustom);

    // Every preset finds its bitmap: two images, the up one and the disabled one.
    for (auto kind : {bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll}) {
        b.SetKind(kind);
        EXPECT_EQ(b.Kind(), kind);
        EXPECT_EQ(b.Glyph().width(), 2 * b.Glyph().height()) << kind;
        EXPECT_FALSE(b.Caption().isEmpty()) << kind;
    }
}

TEST(BitBtnWithColor, CaptionAmpersandBindsAltLetter) {
    TBitBtnWithColor b;
    b.SetCaption(QStringLiteral("&START"));
    EXPECT_EQ(b.Caption(), QStringLiteral("&START"));
    EXPECT_EQ(b.shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
}

TEST(BitBtnWithColor, MouseDownFiresForEveryButtonAndMayCancelTheClick) {
    TBitBtnWithColor b;
    b.resize(80, 30);
    int clicks = 0;
    QObject::connect(&b, &QAbstractButton::clicked, [&] { ++clicks; });
    std::vector<Qt::MouseButton> pressed;
    b.OnMouseDown = [&](QObject* sender, Qt::MouseButton button) {
        EXPECT_EQ(sender, &b);
        pressed.push_back(button);
    };
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(40, 15));
    QTest::mouseClick(&b, Qt::RightButton, {}, QPoint(40, 15));
    EXPECT_EQ(pressed, (std::vector<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton}));
    EXPECT_EQ(clicks, 1);

    // A handler that disables the button: no click follows.
    b.OnMouseDown = [&](QObject*, Qt::MouseButton) { b.setEnabled(false); };
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(40, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b.isDown());
}

TEST(BitBtnWithColor, DoubleClickCountsAsTwoClicks) {
    TBitBtnWithColor b;
    b.resize(80, 30);
    int clicks = 0;
    QObject::connect(&b, &QAbstractButton::clicked, [&] { ++clicks; });
    // What the window system delivers: the second press arrives as a double-click.
    auto send = [&](QEvent::Type type) {
        QMouseEvent e(type, QPointF(40, 15), QPointF(40, 15), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&b, &e);
    };
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    send(QEvent::MouseButtonDblClick);
    send(QEvent::MouseButtonRelease);
    EXPECT_EQ(clicks, 2);
}

TEST(BitBtnWithColor, ModalResultEndsTheDialog) {
    QDialog dialog;
    auto* ok = new TBitBtnWithColor(&dialog);
    ok->SetKind(bkOK);
    auto* plain = new TBitBtnWithColor(&dialog);
    dialog.setResult(-1);
    plain->click();
    EXPECT_EQ(dialog.result(), -1);
    ok->click();
    EXPECT_EQ(dialog.result(), mrOk);
}

TEST(BitBtnWithColor, EnterAndEscapeReachDefaultAndCancelButtons) {
    QDialog dialog;
    auto* ok = new TBitBtnWithColor(&dialog);
    ok->SetKind(bkOK);
    auto* cancel = new TBitBtnWithColor(&dialog);
    cancel->SetKind(bkCancel);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    int okClicks = 0, cancelClicks = 0;
    QObject::connect(ok, &QAbstractButton::clicked, [&] { ++okClicks; });
    QObject::connect(cancel, &QAbstractButton::clicked, [&] { ++cancelClicks; });
    dialog.setFocus();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_EQ(okClicks, 0);
    EXPECT_EQ(dialog.result(), mrCancel);

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.setFocus();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(dialog.result(), mrOk);
}

TEST(BitBtnWithColor, PlainButtonsLeaveEnterAndEscapeToOthers) {
    QDialog dialog;
    new TBitBtnWithColor(&dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.setResult(-1);
    dialog.setFocus();
    QTest::keyClick(&dialog, Qt::Key_Escape); // the dialog's own Escape: reject
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(BitBtnWithColor, FocusedOrDefaultButtonShowsFrameAndFocusDots) {
    QWidget window;
    auto* b = new TBitBtnWithColor(&window);
    b->resize(80, 30);
    b->SetColor(clYellow);
    const QColor frame = ToQColor(clWindowFrame);
    EXPECT_NE(Render(*b).pixelColor(0, 15), frame);
    b->SetDefault(true);
    const QImage active = Render(*b);
    EXPECT_EQ(active.pixelColor(0, 15), frame);
    EXPECT_EQ(active.pixelColor(40, 0), frame);
    // The dotted rectangle four pixels in alternates with the face.
    const QColor a = active.pixelColor(10, 4), c = active.pixelColor(11, 4);
    EXPECT_NE(a, c);
    EXPECT_TRUE(a == ToQColor(clYellow) || c == ToQColor(clYellow));
}
