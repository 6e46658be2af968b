#include "core/main_layout.h"

#include <cmath>
#include <numeric>

namespace zn {

int RoundHalfEven(double v) {
    const double r = std::round(v);
    // std::round takes halves away from zero; step back to the even neighbour.
    if (std::fabs(v - std::trunc(v)) == 0.5 && std::fmod(r, 2.0) != 0.0)
        return static_cast<int>(r - std::copysign(1.0, v));
    return static_cast<int>(r);
}

std::array<int, 11> ProtocolColumnWidths(int clientWidth) {
    std::array<int, 11> w{32, 0, 66, 40, 74, 62, 74, 74, 62, 74, 88};
    const int fixed = std::accumulate(w.begin(), w.end(), 0);
    w[1] = clientWidth - fixed - 11;
    return w;
}

std::array<int, 4> TopStripColumnWidths(const std::array<int, 11>& p) {
    return {p[0] + p[1] + p[2] + p[3] + 3, p[4] + p[5] + p[6] + 2, p[7] + p[8] + p[9] + 2, p[10] + 1};
}

std::array<int, 6> ResultColumnWidths(int clientWidth) {
    std::array<int, 6> w{49, 0, 72, 104, 74, 104};
    const int fixed = std::accumulate(w.begin(), w.end(), 0);
    w[1] = clientWidth - fixed - 6;
    return w;
}

int LanePanelWidth(int panelWidth) {
    return (panelWidth - 60) / 2;
}

TimerBandLayout ComputeTimerBand(int clientWidth, int unitLabelHeight, int digitTop) {
    TimerBandLayout l;
    l.panelWidth = (clientWidth - 18) / 2;
    const int p = l.panelWidth;
    l.bandHeight = RoundHalfEven(p / 2.4);
    l.digitHeight = l.bandHeight - unitLabelHeight - digitTop;
    l.digitWidth = RoundHalfEven(p / 6.125);
    l.thickness = RoundHalfEven(p / 55.0);
    l.commaFontSize = RoundHalfEven(p / 7.0);
    return l;
}

void PlaceTimerDigits(TimerBandLayout& l, int firstLeft, int t, int digitTop) {
    const int step = l.digitWidth + t;
    l.digitLeft[0] = firstLeft;
    l.digitLeft[1] = firstLeft + step;
    l.digitLeft[2] = l.digitLeft[1] + step;
    l.commaLeft = l.digitLeft[2] + step;
    l.digitLeft[4] = l.panelWidth - l.digitWidth - t;
    l.digitLeft[3] = l.digitLeft[4] - step;
    l.commaWidth = l.digitLeft[3] - l.commaLeft;
    l.commaTop = digitTop + l.digitHeight / 2;
}

} // namespace zn
