#pragma once

#include "core/protocol_row.h"
#include "core/sort_engine.h"

#include <functional>
#include <vector>

namespace zn {

// One key of a row sort: the column and how two of its cells compare
// (negative, 0, positive).
struct RowSortKey {
    int col = 0;
    std::function<int(const QString&, const QString&)> compare;
};

// Sorts the data rows (row 0 stays) by the keys, most significant first. Rows
// that compare equal keep their order, in both directions: descending reverses
// every key but never that tie-break.
void SortListRows(ListRows& rows, const std::vector<RowSortKey>& keys, bool descending);

// The result lists' sort: "Platz" and the three time columns by value with
// blank or unreadable cells after every number, so a team without a total can
// never come out ahead of one with a total and "9,80" sorts before "10,20";
// name and class as numbers where they are numbers, otherwise as text.
int CompareResultCells(int col, const QString& a, const QString& b, QChar separator);

// Answers for the grids' OnGetSortStyle, so that a sort in the grid follows the
// rules above: the time protocol and the database (CompareProtocolCells; other
// columns in the grid's numeric style) and the two result lists
// (CompareResultCells). Custom answers hand the comparison over in
// options.CompareProc, which the grid clears after every sort.
TSortStyle ProtocolSortStyle(int col, TSortOptions& options, QChar separator);
TSortStyle ResultSortStyle(int col, TSortOptions& options, QChar separator);

// Places by position in the present order: a row whose "Gesamtzeit" (last
// column) is blank gets an empty "Platz" and uses up no place.
void NumberPlaces(ListRows& rows, int colCount);

// Sorts a qualification or overall result by the grid's sort column in its
// direction and renumbers the places.
void RerankRows(ListRows& rows, int colCount, int sortCol, bool descending, QChar separator);

} // namespace zn
