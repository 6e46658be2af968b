#pragma once

// The sheets as the reader program hands them to the console: a byte stream
// over its standard output. The console decodes it as untrusted input, so a
// reader that went wrong can at most give a refused workbook, never a grid
// beyond the limits of SheetCells.

#include "documents/workbook_reader.h"

#include <QByteArray>
#include <optional>

namespace zn::workbook {

QByteArray EncodeSheets(const WorkbookSheets& sheets);

// Empty when the bytes are not one complete stream of EncodeSheets (cut off,
// another program's output, counts beyond the limits).
std::optional<WorkbookSheets> DecodeSheets(const QByteArray& bytes);

} // namespace zn::workbook
