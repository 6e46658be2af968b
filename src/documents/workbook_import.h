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
// colCounts[i - 1] columns, its cell texts without blanks around them. The
// rows are walked from the top; two rows in a row with nothing in the list's
// columns end the list before them (a single one does not; a row with only
// its first cell empty, a result without a place, goes on), and a list has at
// least 2 rows. Then the first sheet row is dropped for lists 1 and 2 (a
// title line above the header) and the second one for lists 3 and 4, as the
// grid deletes a row: a list of two rows keeps both and only its row 1 is
// emptied. A sheet whose column 1 runs on past kMaxWorkbookRows is refused,
// and so is a workbook with a formula without its stored result among the
// cells a list takes. A list without a sheet (absent) gives no rows.
ImportedLists ImportLists(const WorkbookSheets& sheets, const std::array<int, 4>& colCounts,
                          const QString& fileName);

// Why a workbook whose lists hold formulas without stored results is refused.
QString UnevaluatedFormulasReason();

// Where a list of a loaded competition comes from.
enum class ListOrigin {
    Sheet,        // its own sheet of the workbook
    FromTeamList, // the time protocol, built from the team list without times
    FromProtocol, // the team list, built from the time protocol without times
    Empty,        // built with its header and one blank row
};

// All four lists of a loaded competition, as the grids take them.
struct LoadedCompetition {
    QString error; // German, naming file and reason; empty on success
    std::array<ListRows, 4> lists;
    std::array<ListOrigin, 4> origins{};
    bool ok() const { return error.isEmpty(); }
};

// A load replaces the whole competition: list i comes from sheet i
// (ImportLists) when the workbook has that sheet and something stands in the
// list. A list without one is built, never kept from the last competition:
// the team list and the time protocol share their layout, so one that is
// missing gets the other's teams (number, name, class, mark; no times), and
// both missing or the result lists missing are left empty with their headers.
// Then the blank headers of lists 1 and 2 are filled and the times of every
// list get two decimals (a number cell reads "21,5"). A workbook with no list at all is refused.
LoadedCompetition CompetitionOfWorkbook(const WorkbookSheets& sheets, const std::array<int, 4>& colCounts,
                                        const QString& fileName, QChar separator);

// The operator's note of which lists came from the file and which were
// built; empty when every list came from its own sheet.
QString LoadedListsNote(const std::array<ListOrigin, 4>& origins);

// After the lists are in use: a header cell of the database or the protocol
// that is blank gets its text from ProtocolHeaders.
void FillBlankProtocolHeaders(ListRows& rows);

// The time protocol's times, totals and best time (columns 4, 6, 7, 9, 10)
// are rewritten with two decimals, rounded as a spreadsheet shows them:
// "21,5" -> "21,50", "20,005" -> "20,01". A cell that is no
// number stops its column there, the rows below keep their text; the other
// columns go on. Either separator is read, the console's is written: a
// workbook written under another locale ("21.50") shows "21,50".
void ReformatProtocolTimes(ListRows& rows, QChar separator);
// The same for the results' Übungszeit and Gesamtzeit (columns 4 and 6).
void ReformatResultTimes(ListRows& rows, QChar separator);

} // namespace zn
