#include "core/main_layout.h"

#include <algorithm>
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

TimerBandLayout ComputeTimerBand(int clientWidth, int unitLabelHeight, int digitTop, int maxBandHeight) {
    TimerBandLayout l;
    l.panelWidth = (clientWidth - 18) / 2;
    // The sizes follow the panel width, or, when the band gives way to the
    // lists, the width whose band would just fit.
    double base = l.panelWidth;
    l.bandHeight = RoundHalfEven(base / 2.4);
    if (l.bandHeight > maxBandHeight) {
        l.bandHeight = std::max(0, maxBandHeight);
        base = l.bandHeight * 2.4;
    }
    l.digitHeight = std::max(0, l.bandHeight - unitLabelHeight - digitTop);
    l.digitWidth = RoundHalfEven(base / 6.125);
    l.thickness = RoundHalfEven(base / 55.0);
    l.commaFontSize = RoundHalfEven(base / 7.0);
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

QRect PlaceOnScreens(const QRect& saved, const QList<QRect>& screens) {
    if (screens.isEmpty()) return saved;
    // The part of the top edge the operator can take hold of: a title bar's
    // height and at least 100 px of its width.
    constexpr int kGripHeight = 30;
    constexpr int kGripWidth = 100;
    const QRect top(saved.x(), saved.y(), saved.width(), kGripHeight);
    const int needed = std::min(kGripWidth, saved.width());
    for (const QRect& screen : screens) {
        if (screen.intersected(top).width() >= needed && screen.contains(screen.x(), saved.y()) &&
            saved.y() + kGripHeight <= screen.bottom() + 1)
            return saved;
    }
    const QRect& home = screens.first();
    QRect placed(0, 0, std::min(saved.width(), home.width()), std::min(saved.height(), home.height()));
    placed.moveCenter(home.center());
    return placed;
}

} // namespace zn
