#pragma once

#include "core/protocol_row.h"
#include "documents/workbook_reader.h"

#include <QChar>
#include <QString>
#include <array>
#include <vector>

namespace zn {

struct ImportedLists {
    QString error;               // German, naming file and reason; empty on success
    std::vector<ListRows> lists; // lists 1.. of the sheets the workbook has, at most 4
    bool ok() const { return error.isEmpty(); }
};

// Turns the sheets into the lists' rows: sheet i gives list i with
// colCounts[i - 1] columns. Column 1 is walked from the top; two empty cells
// in a row end the list before them (a single one does not), and a list has
// at least 2 rows. Then the first sheet row is dropped for lists 1 and 2 (a
// title line above the header) and the second one for lists 3 and 4, as the
// grid deletes a row: a list of two rows keeps both and only its row 1 is
// emptied. A sheet whose column 1 runs on past kMaxWorkbookRows is refused.
ImportedLists ImportLists(const WorkbookSheets& sheets, const std::array<int, 4>& colCounts,
                          const QString& fileName);

// After the lists are in use: a header cell of the database or the protocol
// that is blank gets its text from ProtocolHeaders.
void FillBlankProtocolHeaders(ListRows& rows);

// The time protocol's times, totals and best time (columns 4, 6, 7, 9, 10)
// are rewritten with two decimals: "21,5" -> "21,50". A cell that is no
// number stops its column there, the rows below keep their text; the other
// columns go on.
void ReformatProtocolTimes(ListRows& rows, QChar separator);

} // namespace zn
