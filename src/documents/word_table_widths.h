#pragma once

#include "core/protocol_row.h"

#include <QList>
#include <QString>

namespace zn {

// The width a text takes in the document's font (Arial 10 pt, or a
// template's metric twin), in twentieths of a point, estimated from Arial's
// character widths: Word only re-fits columns when it lays the table out
// again, and LibreOffice never does, so the widths written must already fit.
int WordTextTwips(const QString& text, bool bold);

// Column widths in twips for a table of colCount columns across textWidth:
// every column gets its longest text on one line where the page allows, and
// never less than its longest word (a time, "Männer"), so "24,37" does not
// wrap; what a long name needs beyond that comes out of the spare room, not
// out of the other columns. The header row (the first) is bold.
QList<int> WordColumnWidths(const ListRows& rows, int colCount, int textWidth);

} // namespace zn
