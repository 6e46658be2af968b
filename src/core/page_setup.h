#pragma once

#include "core/print_units.h"

#include <QString>
#include <array>
#include <optional>

namespace zn {

// The documents the console prints; each keeps its own paper and orientation,
// so that a landscape protocol does not turn the next certificates.
enum class PrintKind { Protocol = 0, Certificates = 1 };
constexpr int kPrintKindCount = 2;

struct PageSetup {
    TPaperType paper = pA4;
    bool landscape = false;

    bool operator==(const PageSetup&) const = default;
};

// The papers offered for every printer, in the order they are listed.
constexpr std::array<TPaperType, 4> kOfferedPapers{pA4, pA3, pA5, pLetter};

// "A4", "A3", "A5", "Letter"; empty for a paper that is not offered.
QString PaperName(TPaperType paper);
// The offered paper of that name (case-insensitive, blanks around ignored).
std::optional<TPaperType> PaperByName(const QString& name);
// The offered paper of that portrait size in 0.1 mm (±1 for rounding).
std::optional<TPaperType> PaperBySize(int width, int height);

// The sheet's width and height in 0.1 mm, turned for landscape.
struct SheetSize {
    int width = 0;
    int height = 0;
};
SheetSize SheetOf(const PageSetup& setup);

} // namespace zn
