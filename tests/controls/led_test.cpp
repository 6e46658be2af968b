#include "controls/led.h"

#include "controls/qt_color.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace zn;

namespace {

// The LED draws over its parent's background; a grey parent makes kept pixels visible.
QImage Render(TLed& led) {
    QImage image(led.size(), QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    led.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

TEST(Led, StartsAsADarkRedCircle) {
    TLed led;
    EXPECT_EQ(led.size(), QSize(16, 16));
    EXPECT_EQ(led.Kind(), lkRed);
    EXPECT_EQ(led.Shape(), lsCircle);
    EXPECT_FALSE(led.Value());
    const QImage image = Render(led);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(1, 2, 3)); // corner keeps the background
    EXPECT_EQ(image.pixelColor(8, 8), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(5, 0), ToQColor(clGray));
    EXPECT_EQ(image.pixelColor(10, 15), ToQColor(clWhite));
}

TEST(Led, KindChangeWhileLitRecoloursBodyAndHighlightOnly) {
    TLed led;
    led.SetValue(true);
    QImage red = Render(led);
    EXPECT_EQ(red.pixelColor(8, 8), ToQColor(clRed));
    EXPECT_EQ(red.pixelColor(2, 6), ToQColor(clFuchsia));

    led.SetKind(lkGreen);
    QImage green = Render(led);
    EXPECT_EQ(green.pixelColor(8, 8), ToQColor(clLime));
    EXPECT_EQ(green.pixelColor(2, 6), ToQColor(clYellow));
    // Rim, glint and the dark lower right stay.
    for (QPoint p : {QPoint(5, 0), QPoint(10, 15), QPoint(4, 4), QPoint(12, 12), QPoint(0, 0)})
        EXPECT_EQ(green.pixelColor(p), red.pixelColor(p)) << p.x() << "," << p.y();
}

TEST(Led, RectangleLeavesTopAndBottomRowsToTheBackground) {
    TLed led;
    led.SetShape(lsRectangle);
    led.SetKind(lkBlue);
    led.SetValue(true);
    const QImage image = Render(led);
    EXPECT_EQ(image.pixelColor(8, 1), QColor(1, 2, 3));
    EXPECT_EQ(image.pixelColor(8, 14), QColor(1, 2, 3));
    EXPECT_EQ(image.pixelColor(8, 9), ToQColor(clBlue));
    EXPECT_EQ(image.pixelColor(8, 5), ToQColor(clAqua));
}

TEST(Led, LargerControlShowsTheLedTopLeft) {
    TLed led;
    led.resize(30, 30);
    led.SetValue(true);
    const QImage image = Render(led);
    EXPECT_EQ(image.pixelColor(8, 8), ToQColor(clRed));
    EXPECT_EQ(image.pixelColor(20, 20), QColor(1, 2, 3));
}

TEST(Led, ValueChangeUpdatesLabelThenFiresOnChange) {
    TLed led;
    QLabel label;
    led.SetLabelOnText(QStringLiteral("Start scharf"));
    led.SetLabelOffText(QStringLiteral("aus"));
    led.SetLabelLinked(&label);
    EXPECT_EQ(label.text(), QStringLiteral("aus")); // set at once from the current value

    int changes = 0;
    QString labelSeenByHandler;
    led.OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &led);
        ++changes;
        labelSeenByHandler = label.text();
    };
    led.SetValue(true);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(labelSeenByHandler, QStringLiteral("Start scharf"));

    // Same value: no event, label untouched even if someone changed it.
    label.setText(QStringLiteral("fremd"));
    led.SetValue(true);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(label.text(), QStringLiteral("fremd"));

    // New texts reach the linked label at once.
    led.SetLabelOnText(QStringLiteral("bereit"));
    EXPECT_EQ(label.text(), QStringLiteral("bereit"));
    led.SetLabelOffText(QStringLiteral("-"));
    EXPECT_EQ(label.text(), QStringLiteral("bereit"));
}

TEST(Led, DestroyedLabelIsForgotten) {
    TLed led;
    auto label = std::make_unique<QLabel>();
    led.SetLabelLinked(label.get());
    label.reset();
    EXPECT_EQ(led.LabelLinked(), nullptr);
    led.SetValue(true); // must not touch the freed label
    EXPECT_TRUE(led.Value());
}

TEST(Led, LeftClickFiresOnClick) {
    TLed led;
    int clicks = 0;
    led.OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, &led);
        ++clicks;
    };
    QTest::mouseClick(&led, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(&led, Qt::RightButton, {}, QPoint(8, 8));
    EXPECT_EQ(clicks, 1);
    // Released outside the LED: no click.
    QTest::mousePress(&led, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(&led, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(clicks, 1);
}
