#include "core/print_units.h"

#include <cstdlib>

namespace zn {

namespace {

// Units of each physical unit per inch.
int32_t PerInch(TUnits u) {
    switch (u) {
    case mmLoMetric:
        return 254;
    case mmHiMetric:
        return 2540;
    case mmLoEnglish:
        return 10;
    case mmHiEnglish:
        return 100;
    case mmTWIPS:
        return 1440;
    default:
        return 0;
    }
}

} // namespace

int32_t MulDiv(int32_t value, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    const int64_t product = static_cast<int64_t>(value) * numerator;
    const int64_t q = product / denominator;
    const int64_t r = product % denominator;
    // Half or more of the divisor left over: away from zero.
    if (2 * std::llabs(r) >= std::llabs(static_cast<int64_t>(denominator)))
        return static_cast<int32_t>(q + ((product < 0) != (denominator < 0) ? -1 : 1));
    return static_cast<int32_t>(q);
}

int32_t ConvertUnits(int32_t value, int32_t dpi, TUnits from, TUnits to) {
    if (from == to) return value;
    const int32_t fromFactor = PerInch(from);
    const int32_t toFactor = PerInch(to);
    if (from == mmPixel) return toFactor ? MulDiv(value, toFactor, dpi) : value;
    if (to == mmPixel) return fromFactor ? MulDiv(value, dpi, fromFactor) : value;
    if (!fromFactor || !toFactor) return value;
    if (from == mmLoMetric && to == mmHiMetric) return value * 10;
    if (from == mmHiMetric && to == mmLoMetric) return value / 10;
    if (from == mmHiMetric && to == mmLoEnglish) return value / 254;
    if (from == mmLoEnglish && to == mmHiMetric) return value * 254;
    if (from == mmLoEnglish && to == mmHiEnglish) return value * 10;
    if (from == mmHiEnglish && to == mmLoEnglish) return value / 10;
    return MulDiv(value, toFactor, fromFactor);
}

// Portrait sizes in 0.1 mm of the standard device paper codes; the codes run
// with the index, skipping 48 and 49.
const std::array<PaperSize, kPaperTypeCount> PaperSizeTable{{
    {1, 2159, 2794},   {2, 2159, 2794},  {3, 2794, 4318},  {4, 4318, 2794},  {5, 2159, 3556},
    {6, 1397, 2159},   {7, 1841, 2667},  {8, 2970, 4200},  {9, 2100, 2970},  {10, 2100, 2970},
    {11, 1480, 2100},  {12, 2500, 3540}, {13, 1820, 2570}, {14, 2159, 3302}, {15, 2150, 2750},
    {16, 2540, 3556},  {17, 2794, 4318}, {18, 2159, 2794}, {19, 984, 2254},  {20, 1048, 2413},
    {21, 1143, 2635},  {22, 1207, 2794}, {23, 1270, 2921}, {24, 4318, 5588}, {25, 5588, 8636},
    {26, 8636, 11176}, {27, 1100, 2200}, {28, 1620, 2290}, {29, 3240, 4580}, {30, 2290, 3240},
    {31, 1140, 1620},  {32, 1140, 2290}, {33, 2500, 3530}, {34, 1760, 2500}, {35, 1760, 1250},
    {36, 1100, 2300},  {37, 984, 1905},  {38, 921, 1651},  {39, 3778, 2794}, {40, 2159, 3048},
    {41, 2159, 3302},  {42, 2500, 3530}, {43, 1000, 1480}, {44, 2286, 2794}, {45, 2540, 2794},
    {46, 3810, 2794},  {47, 2200, 2200}, {50, 2413, 3048}, {51, 2413, 3810}, {52, 2969, 4572},
    {53, 2355, 3223},  {54, 2101, 2794}, {55, 2100, 2970}, {56, 2413, 3048}, {57, 2270, 3560},
    {58, 3050, 4870},  {59, 2159, 3223}, {60, 2100, 3300}, {61, 1480, 2100}, {62, 1820, 2570},
    {63, 3220, 4450},  {64, 1740, 2350}, {65, 2010, 2760}, {66, 4200, 5940}, {67, 2970, 4200},
    {68, 3220, 4450},  {256, 0, 0},
}};

} // namespace zn
