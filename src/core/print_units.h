#pragma once

#include <array>
#include <cstdint>

namespace zn {

// The length units of the print preview.
enum TUnits { mmPixel, mmLoMetric, mmHiMetric, mmLoEnglish, mmHiEnglish, mmTWIPS };

// value * numerator / denominator in 64 bits, rounded to the nearest integer
// (halves away from zero); -1 when the denominator is 0.
int32_t MulDiv(int32_t value, int32_t numerator, int32_t denominator);

// Converts a length between units; `dpi` is the printer's resolution in the
// direction of the length. Where an exact integer step exists between two
// physical units it is used (x10, /10, x254, /254, truncating); identical
// units, or an unknown one, leave the value unchanged.
int32_t ConvertUnits(int32_t value, int32_t dpi, TUnits from, TUnits to);

enum TPaperType {
    pLetter,
    pLetterSmall,
    pTabloid,
    pLedger,
    pLegal,
    pStatement,
    pExecutive,
    pA3,
    pA4,
    pA4Small,
    pA5,
    pB4,
    pB5,
    pFolio,
    pQuatro,
    p10x14,
    p11x17,
    pNote,
    pEnv9,
    pEnv10,
    pEnv11,
    pEnv12,
    pEnv14,
    pCSheet,
    pDSheet,
    pESheet,
    pEnvDL,
    pEnvC5,
    pEnvC3,
    pEnvC4,
    pEnvC6,
    pEnvC65,
    pEnvB4,
    pEnvB5,
    pEnvB6,
    pEnvItaly,
    pEnvMonarch,
    pEnvPersonal,
    pFanfoldUSStd,
    pFanfoldGermanStd,
    pFanfoldGermanLegal,
    pB4ISO,
    pJapanesePostcard,
    p9x11,
    p10x11,
    p15x11,
    pEnvInvite,
    pLetterExtra,
    pLegalExtra,
    TabloidExtra,
    pA4Extra,
    pLetterTransverse,
    pA4Transverse,
    pLetterExtraTransverse,
    pAPlus,
    pBPlus,
    pLetterPlus,
    pA4Plus,
    pA5Transverse,
    pB5Transverse,
    pA3Extra,
    pA5Extra,
    pB5Extra,
    pA2,
    pA3Transverse,
    pA3ExtraTransverse,
    pCustom
};

struct PaperSize {
    int16_t code;   // the standard device paper-size code (256: a size of the user's)
    int16_t width;  // portrait, 0.1 mm
    int16_t height; // portrait, 0.1 mm
};

constexpr int kPaperTypeCount = pCustom + 1;
extern const std::array<PaperSize, kPaperTypeCount> PaperSizeTable;

} // namespace zn
