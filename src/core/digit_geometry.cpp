#include "core/digit_geometry.h"

namespace zn {

const std::array<uint8_t, 10> SegmentPatterns = {0x7D, 0x50, 0x37, 0x57, 0x5A, 0x4F, 0x6F, 0x51, 0x7F, 0x5F};

namespace {

SegmentPolygon HorizontalSegment(int w, int t, int s, int y0) {
    return {{s + t, y0 + t},
            {s + 2 * t, y0},
            {w - 2 * t - s, y0},
            {w - t - s, y0 + t},
            {w - 2 * t - s, y0 + 2 * t},
            {s + 2 * t, y0 + 2 * t}};
}

// m is half the digit's height: each vertical segment spans one half.
SegmentPolygon VerticalSegment(int t, int s, int m, int x0, int y0) {
    return {{x0, y0 + 2 * t + s},         {x0 + t, y0 + t + s}, {x0 + 2 * t, y0 + 2 * t + s},
            {x0 + 2 * t, y0 + m - t - s}, {x0 + t, y0 + m - s}, {x0, y0 + m - t - s}};
}

} // namespace

std::array<SegmentPolygon, 8> DigitSegmentPolygons(int width, int height, int thickness, int separation) {
    // Coordinates run to the last pixel, so a 16-pixel-wide digit ends at x = 15.
    const int w = width - 1;
    const int h = height - 1;
    const int t = thickness;
    const int s = separation;
    const int m = h / 2;

    std::array<SegmentPolygon, 8> parts;
    parts[0] = HorizontalSegment(w, t, s, 0);
    parts[1] = HorizontalSegment(w, t, s, m - t);
    parts[2] = HorizontalSegment(w, t, s, h - 2 * t);
    parts[3] = VerticalSegment(t, s, m, 0, 0);
    parts[4] = VerticalSegment(t, s, m, w - 2 * t, 0);
    parts[5] = VerticalSegment(t, s, m, 0, m - t);
    parts[6] = VerticalSegment(t, s, m, w - 2 * t, m - t);
    parts[7] = {{w, h}, {w - 2 * t + s, h}, {w, h - 2 * t + s}};
    return parts;
}

} // namespace zn
