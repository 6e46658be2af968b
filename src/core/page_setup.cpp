#include "core/page_setup.h"

#include <cstdlib>

namespace zn {

QString PaperName(TPaperType paper) {
    switch (paper) {
    case pA4:
        return QStringLiteral("A4");
    case pA3:
        return QStringLiteral("A3");
    case pA5:
        return QStringLiteral("A5");
    case pLetter:
        return QStringLiteral("Letter");
    default:
        return {};
    }
}

std::optional<TPaperType> PaperByName(const QString& name) {
    const QString wanted = name.trimmed();
    for (TPaperType paper : kOfferedPapers)
        if (PaperName(paper).compare(wanted, Qt::CaseInsensitive) == 0) return paper;
    return std::nullopt;
}

std::optional<TPaperType> PaperBySize(int width, int height) {
    for (TPaperType paper : kOfferedPapers) {
        const PaperSize& size = PaperSizeTable[paper];
        if (std::abs(size.width - width) <= 1 && std::abs(size.height - height) <= 1) return paper;
    }
    return std::nullopt;
}

SheetSize SheetOf(const PageSetup& setup) {
    const PaperSize& size = PaperSizeTable[setup.paper];
    if (setup.landscape) return {size.height, size.width};
    return {size.width, size.height};
}

} // namespace zn
