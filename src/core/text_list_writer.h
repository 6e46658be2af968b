#pragma once

#include "core/file_writer.h"
#include "core/protocol_row.h"

#include <QByteArray>
#include <QString>

namespace zn {

// The shown list as tab-separated text: one line per row with any cell filled
// (a result row without a place, a team without a number are rows of the
// list too), every field followed by a tab, the line ended by CR LF; an
// empty cell is written as one blank. Windows-1252, or UTF-8 with a byte-order
// mark when a character does not fit.
QString ListText(const ListRows& rows, int colCount);
QByteArray ListTextBytes(const ListRows& rows, int colCount);

// True when a row after the header would be written: a list without one is
// no record worth replacing a file with.
bool HasDataRows(const ListRows& rows, int colCount);

// Writes the file as a whole (see WriteFileAtomically).
WriteResult SaveListText(const QString& fileName, const ListRows& rows, int colCount);

} // namespace zn
