#pragma once

#include "core/cell_store.h"
#include "core/sort_compare.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <vector>

namespace zn {

// Comparison used for a sort key. The values are persisted as numbers, so the
// order is fixed.
enum TSortStyle {
    ssAutomatic = 0,
    ssNormal = 1,
    ssNumeric = 2,
    ssNumericExtended = 3,
    ssDateTime = 4,
    ssTime = 5,
    ssCustom = 6,
};

enum TSortDirection { sdAscending, sdDescending };

using TCompareProc = std::function<int(const QString&, const QString&)>;

// The sort settings a grid owns.
struct TSortOptions {
    bool CanSort = true;
    // Comma-separated column numbers sorted by after the primary column, most
    // significant first.
    QString SecondaryIndex;
    // Overwritten by every sort: the style answered or detected for its last key.
    TSortStyle SortStyle = ssNormal;
    bool SortCaseSensitive = false;
    int SortCol = 0;
    TSortDirection SortDirection = sdAscending;
    bool UpdateOnSizeChange = false;
    // Used by ssCustom; cleared at the end of every sort so that a handler has
    // to hand it over again for the next one.
    TCompareProc CompareProc;
};

// The key columns of a sort by `col`, most significant first: col, then the
// entries of secondaryIndex in their order. An entry equal to col or to an
// earlier entry is dropped, as is one that is not a column number below
// colCount (it could only sort by cells nobody sees).
std::vector<int> SortKeyColumns(const QString& secondaryIndex, int col, int colCount);

// The style a column's data rows (1 .. RowCount - 1) fit: ssNumeric if every
// text is a number, else ssDateTime, else ssTime, else ssNormal. An empty text
// fits none; a grid without data rows yields ssNumeric.
TSortStyle DetectSortStyle(const TCellStore& store, int col, const QLocale& locale = QLocale());

// The comparison of two key texts under options.SortStyle, before the index
// tie-break and before the direction is applied. Texts are folded first unless
// SortCaseSensitive. ssCustom without a CompareProc compares plainly.
int CompareKeyTexts(const QString& a, const QString& b, const TSortOptions& options,
                    const QLocale& locale = QLocale());

// Events of a sort, called synchronously in this order: OnBeforeSort (may
// change the column for the rest of the sort), OnGetSortStyle once per key
// column (least significant first; receives ssAutomatic for the first key and
// the previous answer after that; may set options.CompareProc and answer
// ssCustom), OnAfterSort with the primary column. Empty ones are skipped.
struct TSortEvents {
    std::function<void(int& col)> OnBeforeSort;
    std::function<void(int col, TSortStyle& style)> OnGetSortStyle;
    std::function<void(int col)> OnAfterSort;
};

struct TSortResult {
    // False when CanSort is off: nothing was touched, no event fired.
    bool Sorted = false;
    // Order[n] is the old row now at row n + 1.
    std::vector<int> Order;
    // When a marked row was among the data rows: the row its data now sits
    // in (the first in the new order); else -1. A grid follows its current
    // row through Order instead, which need not be marked.
    int CurrentRow = -1;
    // The marked rows' new numbers in the new order, for the marked list and
    // the anchor list; meaningful when CurrentRow != -1.
    std::vector<int> SelectedRows;
};

// Sorts the data rows 1 .. RowCount - 1 of the store by `col` and the
// secondary keys: sets options.SortCol, runs one stable pass per key column
// from the least significant to the primary one (equal keys keep their
// previous order in both directions), moves each row once, clears
// options.CompareProc. The header row and rows beyond RowCount stay put.
// selectedRows are the marked rows before the sort; their data is followed.
//
// A grid wraps this in its bulk update and turns its sorting switch off in its
// OnAfterSort before passing the event on.
TSortResult SortRows(TCellStore& store, TSortOptions& options, int col, const std::vector<int>& selectedRows,
                     const TSortEvents& events = {}, const QLocale& locale = QLocale());

} // namespace zn
