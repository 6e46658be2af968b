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

// Sorts the data rows (row 0 stays) ascending by the keys, most significant
// first. Rows that compare equal keep their order.
void SortListRows(ListRows& rows, const std::vector<RowSortKey>& keys);

// The result lists' sort: "Platz" and the penalty by value, the run time and
// the total by value with every text that is no time (blank, unreadable, 0 or
// below) after them, so a team without a total can never come out ahead of one
// with a total and "9,80" sorts before "10,20"; name and class as numbers
// where they are numbers, otherwise as text.
int CompareResultCells(int col, const QString& a, const QString& b, QChar separator);

// Answers for the grids' OnGetSortStyle, so that a sort in the grid follows the
// rules above: the time protocol and the database (CompareProtocolCells; other
// columns in the grid's numeric style) and the two result lists
// (CompareResultCells). Custom answers hand the comparison over in
// options.CompareProc, which the grid clears after every sort.
TSortStyle ProtocolSortStyle(int col, TSortOptions& options, QChar separator);
TSortStyle ResultSortStyle(int col, TSortOptions& options, QChar separator);

// Places by position in the present order, given only to rows whose total
// (last column) counts; those rows are moved ahead of the others, keeping
// their order, and the others get an empty "Platz".
void NumberPlaces(ListRows& rows, int colCount, QChar separator);

// What a re-rank goes by. The qualification result is ranked by totals. The
// overall result was ranked at generation by mark first, then best time, and
// its rows no longer carry the mark: a re-rank (after a row was removed) keeps
// the order of its earlier places and only closes the gaps; rows without an
// earlier place follow by total.
enum class RankBasis { Totals, EarlierPlaces };

// Ranks a qualification or overall result on its own data, whatever order a
// grid shows it in: totals (last column) ascending, rows without a total that
// counts last and without a place; equal totals keep their earlier places,
// then their earlier order. The rows come back in place order.
void RankResultRows(ListRows& rows, int colCount, QChar separator, RankBasis basis = RankBasis::Totals);

} // namespace zn
