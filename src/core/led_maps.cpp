#include "core/led_maps.h"

#include <array>
#include <cstddef>

namespace zn {

namespace {

using LedMap = std::array<const char*, LedMapSize>;

// Indices: 1 white rim (lower right), 2 grey rim (upper left), 3 black body
// while dark, 4 the body colour, 5 the highlight, 6 the white glint.
constexpr LedMap CircleDark = {
    "0000022222200000", "0002233333322000", "0023333333333100", "0233333333333310",
    "0233344433333310", "2333443333333331", "2333433333333331", "2333433333333331",
    "2333333333333331", "2333333333333331", "2333333333333331", "0233333333333310",
    "0233333333333310", "0013333333333100", "0001133333311000", "0000011111100000"};

constexpr LedMap CircleLit = {"0000022222200000", "0002234444422000", "0023445554444100", "0234555444444410",
                              "0245666444444410", "2345664444444431", "2455644444444431", "2454444444444431",
                              "2454444444444431", "2444444444444331", "2444444444444331", "0244444444443310",
                              "0244444444433310", "0014444443333100", "0001133333311000", "0000011111100000"};

constexpr LedMap RectangleDark = {
    "0000000000000000", "0000000000000000", "0000000000000000", "2222222222222222",
    "2333333333333331", "2344443333333331", "2344333333333331", "2333333333333331",
    "2333333333333331", "2333333333333331", "2333333333333331", "2333333333333331",
    "2111111111111111", "0000000000000000", "0000000000000000", "0000000000000000"};

constexpr LedMap RectangleLit = {
    "0000000000000000", "0000000000000000", "0000000000000000", "2222222222222222",
    "2444444444444441", "2455555555555431", "2456554444444431", "2455544444444431",
    "2455444444444431", "2454444444444431", "2444444444444431", "2433333333333331",
    "2111111111111111", "0000000000000000", "0000000000000000", "0000000000000000"};

constexpr TColor White = 0xFFFFFF, Grey = 0x808080, Black = 0x000000;

constexpr std::array<std::array<TColor, LedPaletteSize>, LedKindCount> LedPalette = {{
    {White, Grey, Black, 0x0000FF, 0xFF00FF, White}, // red: red, fuchsia
    {White, Grey, Black, 0x00FF00, 0x00FFFF, White}, // green: lime, yellow
    {White, Grey, Black, 0x00FFFF, White, White},    // yellow
    {White, Grey, Black, 0x808000, 0xFFFF00, White}, // cyan: teal, aqua
    {White, Grey, Black, 0xFF00FF, White, White},    // magenta
    {White, Grey, Black, 0xFF0000, 0xFFFF00, White}, // blue: blue, aqua
    {White, Grey, Black, 0x808080, 0xC0C0C0, White}, // white: grey, silver
}};

} // namespace

int LedPixelIndex(int shape, bool value, int x, int y) {
    if (x < 0 || y < 0 || x >= LedMapSize || y >= LedMapSize) return 0;
    const LedMap& map =
        shape == 0 ? (value ? CircleLit : CircleDark) : (value ? RectangleLit : RectangleDark);
    return map[static_cast<std::size_t>(y)][x] - '0';
}

TColor LedPaletteColor(int kind, int index) {
    if (kind < 0 || kind >= LedKindCount || index < 1 || index > LedPaletteSize) return Black;
    return LedPalette[static_cast<std::size_t>(kind)][static_cast<std::size_t>(index - 1)];
}

} // namespace zn
