#pragma once

#include "core/page_setup.h"

#include <QPageSize>

class QPrinter;

namespace zn {

// The printer's name for a paper of the table; a custom size for pCustom.
QPageSize PageSizeOf(TPaperType paper);

// Gives the printer the paper (its portrait size) and orientation; false when
// it refuses the paper.
bool ApplyPageSetup(QPrinter& printer, const QPageSize& size, bool landscape);
bool ApplyPageSetup(QPrinter& printer, const PageSetup& setup);

// The printer's orientation, and its paper when it is one of the offered
// papers (another paper leaves `setup.paper` as it is).
void TakePageSetup(const QPrinter& printer, PageSetup& setup);

} // namespace zn
