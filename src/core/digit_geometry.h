#pragma once

#include <QPoint>

#include <array>
#include <cstdint>
#include <vector>

namespace zn {

// Segment bits of a seven-segment digit: bit 0 top, 1 middle, 2 bottom,
// 3 upper left, 4 upper right, 5 lower left, 6 lower right, 7 the corner mark.
extern const std::array<uint8_t, 10> SegmentPatterns;

using SegmentPolygon = std::vector<QPoint>;

// The eight parts of a digit of the given size, indexed by segment bit; the
// horizontal and vertical segments are hexagons, the corner mark a triangle.
// `thickness` is the segment thickness T, `separation` the gap S between segments.
std::array<SegmentPolygon, 8> DigitSegmentPolygons(int width, int height, int thickness, int separation);

} // namespace zn
