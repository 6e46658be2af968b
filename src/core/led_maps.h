#pragma once

#include "core/colors.h"

namespace zn {

// An LED is drawn from a 16 x 16 map of palette indices; 0 keeps the background.
constexpr int LedMapSize = 16;
constexpr int LedKindCount = 7; // red, green, yellow, cyan, magenta, blue, white
constexpr int LedPaletteSize = 6;

// Palette index at column x, row y (row 0 on top) of the map for shape
// (0 circle, 1 rectangle) and value (dark or lit); 0 outside the map.
int LedPixelIndex(int shape, bool value, int x, int y);

// Colour of palette index 1-6 of LED kind 0-6; black for anything else.
TColor LedPaletteColor(int kind, int index);

} // namespace zn
