#pragma once

#include "core/colors.h"

#include <QHash>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace zn {

enum TBorderStyle { bsNone, bsSingle };

// One seven-segment digit with a corner mark, drawn as polygons that scale
// with the control's size.
class TDigit : public QWidget {
    Q_OBJECT
public:
    explicit TDigit(QWidget* parent = nullptr);

    int Value() const { return FValue; }
    // 0-9; anything else shows 0 and fires OnOverflow.
    void SetValue(int v);
    uint8_t ValueBinary() const { return FValueBinary; }
    void SetValueBinary(uint8_t v);
    TColor ColorOn() const { return FColorOn; }
    void SetColorOn(TColor c);
    TColor ColorOff() const { return FColorOff; }
    void SetColorOff(TColor c);
    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    int Thickness() const { return FThickness; }
    // Ignored when larger than half the width or half the height.
    void SetThickness(int t);
    int Separation() const { return FSeparation; }
    void SetSeparation(int s);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle b);

    std::function<void(QObject* sender)> OnOverflow;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The digit's look for one segment pattern, drawn once and then copied:
    // the run clock shows a new value every 10 ms, and filling seven
    // polygons each time costs more than the rest of a clock tick.
    const QImage& Face(uint8_t pattern);
    void DrawFace(QPainter& p, uint8_t pattern) const;
    // Colours, thickness or separation changed: every cached face is stale.
    void ForgetFaces();

    int FValue = 0;
    uint8_t FValueBinary = 0x7D;
    TColor FColorOn = clYellow;
    TColor FColorOff = clBlack;
    TColor FColor = clBlack;
    int FThickness = 2;
    int FSeparation = 1;
    TBorderStyle FBorderStyle = bsSingle;
    QHash<uint8_t, QImage> FFaces;
    QSize FFacesSize;
    qreal FFacesRatio = 0;
};

} // namespace zn
