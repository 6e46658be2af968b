#include "controls/digit.h"

#include "controls/qt_color.h"
#include "core/digit_geometry.h"

#include <QPainter>
#include <QPolygon>

namespace zn {

// Setters ask for a paint with update(), never repaint(): on the 10 ms run
// clock the digits that changed on both lanes are then painted and sent to
// the screen in one go per tick, not one synchronous flush per digit.
TDigit::TDigit(QWidget* parent) : QWidget(parent) {
    // The digit fills every pixel itself, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(16, 32);
}

void TDigit::SetValue(int v) {
    if (v == FValue) return;
    if (v < 0 || v > 9) {
        FValue = 0;
        if (OnOverflow) OnOverflow(this);
    } else {
        FValue = v;
    }
    FValueBinary = SegmentPatterns[static_cast<std::size_t>(FValue)];
    update();
}

void TDigit::SetValueBinary(uint8_t v) {
    if (v == FValueBinary) return;
    FValueBinary = v;
    update();
}

void TDigit::SetColorOn(TColor c) {
    if (c == FColorOn) return;
    FColorOn = c;
    ForgetFaces();
    update();
}

void TDigit::SetColorOff(TColor c) {
    if (c == FColorOff) return;
    FColorOff = c;
    ForgetFaces();
    update();
}

void TDigit::SetColor(TColor c) {
    if (c == FColor) return;
    FColor = c;
    ForgetFaces();
    update();
}

void TDigit::SetThickness(int t) {
    // Thicker segments than half the digit would turn the polygons inside out.
    if (t > width() / 2 || t > height() / 2) return;
    FThickness = t;
    ForgetFaces();
    update();
}

void TDigit::SetSeparation(int s) {
    FSeparation = s;
    ForgetFaces();
    update();
}

void TDigit::SetBorderStyle(TBorderStyle b) {
    if (b == FBorderStyle) return;
    FBorderStyle = b;
    update();
}

void TDigit::ForgetFaces() {
    FFaces.clear();
}

const QImage& TDigit::Face(uint8_t pattern) {
    const qreal ratio = devicePixelRatioF();
    if (FFacesSize != size() || FFacesRatio != ratio) {
        ForgetFaces();
        FFacesSize = size();
        FFacesRatio = ratio;
    }
    auto it = FFaces.find(pattern);
    if (it == FFaces.end()) {
        // An opaque 32-bit image is copied into the window's backing store as
        // it is; a pixmap was converted on every paint, on a worker thread.
        QImage face(size() * ratio, QImage::Format_RGB32);
        face.setDevicePixelRatio(ratio);
        QPainter p(&face);
        DrawFace(p, pattern);
        it = FFaces.insert(pattern, face);
    }
    return *it;
}

void TDigit::DrawFace(QPainter& p, uint8_t pattern) const {
    const QColor background = ToQColor(FColor);
    p.fillRect(rect(), background);
    // Outlining every polygon in the background colour keeps a one-pixel gap
    // between neighbouring segments even when the separation is 0.
    p.setPen(QPen(background, 0));
    const QColor on = ToQColor(FColorOn);
    const QColor off = ToQColor(FColorOff);
    const auto parts = DigitSegmentPolygons(width(), height(), FThickness, FSeparation);
    for (std::size_t bit = 0; bit < parts.size(); ++bit) {
        p.setBrush((pattern >> bit) & 1 ? on : off);
        const auto& points = parts[bit];
        p.drawPolygon(points.data(), static_cast<int>(points.size()));
    }
}

void TDigit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Face(FValueBinary));
}

} // namespace zn
