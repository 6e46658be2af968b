#pragma once

#include <QList>
#include <QRect>

#include <array>

namespace zn {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4), as all sizes derived
// from real numbers are rounded.
int RoundHalfEven(double v);

// Column widths of the eleven-column protocol lists for a grid client width;
// the name column takes what the others leave, less one pixel per grid line.
std::array<int, 11> ProtocolColumnWidths(int clientWidth);
// The four-column strip over the protocol: team, lane 1, lane 2, best time.
std::array<int, 4> TopStripColumnWidths(const std::array<int, 11>& protocol);
// Column widths of the six-column result lists.
std::array<int, 6> ResultColumnWidths(int clientWidth);

// The title band: both lane panels share the width left beside the 60 pixels
// of the load button and picture between them.
int LanePanelWidth(int panelWidth);

// Geometry of the timer band for a window client width W.
struct TimerBandLayout {
    int panelWidth = 0; // P, each lane panel
    int bandHeight = 0; // P / 2.4, or less where the lists need the height
    int digitHeight = 0;
    int digitWidth = 0;
    int thickness = 0; // offered to the digits, which may refuse it
    std::array<int, 5> digitLeft{};
    int commaLeft = 0;
    int commaWidth = 0;
    int commaTop = 0;
    int commaFontSize = 0; // points
};

// `thicknessInForce` is what the digits hold after being offered `thickness`
// (a digit keeps its old thickness when the new one does not fit), since the
// digit positions step by the thickness actually in force.
//
// The band is P / 2.4 high unless that leaves the lists below it less than
// their minimum: then it is only `maxBandHeight` high, and the digits, their
// thickness and the comma shrink with it, so they keep their shape.
TimerBandLayout ComputeTimerBand(int clientWidth, int unitLabelHeight, int digitTop, int maxBandHeight);
void PlaceTimerDigits(TimerBandLayout& l, int firstLeft, int thicknessInForce, int digitTop);

// Where a window saved with the bounds `saved` opens, given the screens'
// available areas (the first is the primary screen). It stays where it was
// while a grip of its top edge lies on one of the screens; a window saved on
// a screen that is gone (a projector unplugged) opens centred on the first
// screen, shrunk to fit it when it is larger.
QRect PlaceOnScreens(const QRect& saved, const QList<QRect>& screens);

} // namespace zn
