#include "controls/led.h"

#include "controls/qt_color.h"
#include "core/led_maps.h"

#include <QMouseEvent>
#include <QPainter>

namespace zn {

TLed::TLed(QWidget* parent) : QWidget(parent) {
    resize(16, 16);
}

void TLed::SetKind(TLedKind k) {
    if (k == FKind) return;
    FKind = k;
    repaint();
}

void TLed::SetShape(TLedShape s) {
    if (s == FShape) return;
    FShape = s;
    repaint();
}

void TLed::SetValue(bool v) {
    if (v == FValue) return;
    FValue = v;
    repaint();
    UpdateLabel();
    if (OnChange) OnChange(this);
}

void TLed::SetLabelLinked(QLabel* label) {
    if (label == FLabelLinked) return;
    FLabelLinked = label;
    UpdateLabel();
}

void TLed::SetLabelOnText(const QString& text) {
    if (text == FLabelOnText) return;
    FLabelOnText = text;
    UpdateLabel();
}

void TLed::SetLabelOffText(const QString& text) {
    if (text == FLabelOffText) return;
    FLabelOffText = text;
    UpdateLabel();
}

void TLed::UpdateLabel() {
    if (FLabelLinked) FLabelLinked->setText(FValue ? FLabelOnText : FLabelOffText);
}

void TLed::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int shape = FShape == lsCircle ? 0 : 1;
    for (int y = 0; y < LedMapSize; ++y) {
        for (int x = 0; x < LedMapSize; ++x) {
            const int index = LedPixelIndex(shape, FValue, x, y);
            if (index != 0) p.fillRect(x, y, 1, 1, ToQColor(LedPaletteColor(FKind, index)));
        }
    }
}

void TLed::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TLed::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a left press and release over the LED, as with a button.
    const bool click =
        FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click && OnClick) OnClick(this);
}

} // namespace zn
