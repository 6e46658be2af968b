#include "print/printer_page.h"

#include <QPrinter>

namespace zn {

QPageSize PageSizeOf(TPaperType paper) {
    if (paper == pCustom) return {};
    return QPageSize(QPageSize::id(PaperSizeTable[paper].code));
}

bool ApplyPageSetup(QPrinter& printer, const QPageSize& size, bool landscape) {
    // Setting the size it already has would drop the margins the printer
    // keeps around it.
    bool taken = true;
    if (size.isValid() && !printer.pageLayout().pageSize().isEquivalentTo(size))
        taken = printer.setPageSize(size);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return taken;
}

bool ApplyPageSetup(QPrinter& printer, const PageSetup& setup) {
    return ApplyPageSetup(printer, PageSizeOf(setup.paper), setup.landscape);
}

void TakePageSetup(const QPrinter& printer, PageSetup& setup) {
    const QPageLayout layout = printer.pageLayout();
    const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
    if (const auto paper = PaperBySize(qRound(mm.width() * 10), qRound(mm.height() * 10)))
        setup.paper = *paper;
    setup.landscape = layout.orientation() == QPageLayout::Landscape;
}

} // namespace zn
