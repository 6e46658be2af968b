#include "controls/sort_grid.h"

#include <QLineEdit>

#include <algorithm>

namespace zn {

namespace {

const char* const kIndexOutOfRange = "Grid index out of range";

// New row number of `row` when the row at `from` moves to `to` and the rows in
// between shift by one.
int MovedIndex(int row, int from, int to) {
    if (row == from) return to;
    if (from < to && row > from && row <= to) return row - 1;
    if (to < from && row >= to && row < from) return row + 1;
    return row;
}

} // namespace

// Row heights that differ from the default travel with their rows.
void TSortGrid::RemapRowHeights(const std::function<int(int)>& newIndex) {
    if (FRowHeights.empty()) return;
    std::map<int, int> moved;
    for (const auto& [row, height] : FRowHeights) {
        const int to = newIndex(row);
        if (to >= 0) moved[to] = height;
    }
    FRowHeights.swap(moved);
}

// The row numbers the grid holds on to follow their data when rows are
// sorted, moved, inserted or deleted: the current cell and the anchor, the
// marks, the cell remembered for validation, the cell under the editor and
// the cell an open drop-down list writes into. Kept by number instead, a
// sort would make another team current and validate (and on a refusal
// overwrite) a cell of another row. newIndex answers -1 for a row that is
// gone; the current cell then stays at its number, as in any string grid.
void TSortGrid::FollowRows(const std::function<int(int)>& newIndex) {
    const int firstRow = FixedRows();
    const int lastRow = std::max(firstRow, RowCount() - 1);
    const auto follow = [&](int row) {
        const int to = newIndex(row);
        return std::clamp(to >= 0 ? to : row, firstRow, lastRow);
    };
    const auto followAll = [&](std::vector<int>& rows) {
        std::vector<int> kept;
        for (int r : rows)
            if (const int to = newIndex(r); to >= 0) kept.push_back(to);
        rows = kept;
    };
    FRow = follow(FRow);
    FAnchorRow = follow(FAnchorRow);
    followAll(FSelectedRows);
    followAll(FAnchorRows);
    if (FSelectedRows.empty()) FSelectedRows = {FRow};
    if (FAnchorRows.empty()) FAnchorRows = {FRow};
    if (FEditRow >= 0) {
        const int to = newIndex(FEditRow);
        if (to < 0)
            FEditCol = -1; // its cell is gone: the editor loads the one it now covers
        else
            FEditRow = to;
    }
    if (FComboCol >= 0) {
        const int to = newIndex(FComboRow);
        if (to < 0)
            HideComboList();
        else
            FComboRow = to;
    }
    const int valRow = newIndex(FValRow);
    if (valRow >= 0)
        FValRow = valRow;
    else
        RememberCell(); // the edited row is gone; its edit goes with it
}

// Inserts through the store, which shifts every stored row at or after the
// place, also rows parked behind RowCount by filtering; growing RowCount
// instead would reuse (and clear) the first parked row.
void TSortGrid::InsertRow(int row) {
    row = std::clamp(row, 1, std::max(1, RowCount() - 1));
    const int oldRows = RowCount();
    if (row >= oldRows - 1) row = oldRows; // at the last data row: append after it
    FStore->InsertRow(row);
    const auto shift = [row](int r) { return r >= row ? r + 1 : r; };
    RemapRowHeights(shift);
    FollowRows(shift);
    if (!FNowUpdating) {
        ClampToCounts();
        ApplySizeChange(ColCount(), oldRows);
    }
    MoveCurrent(FCol, row, true, true);
    SetMarks({row});
    Repaint();
    if (OnRowInsert) OnRowInsert(this, row);
}

// A grid keeps its header and one data row: deleting the last data row only
// empties it.
void TSortGrid::DeleteRow(int row) {
    if (row < 0 || row >= RowCount()) throw EInvalidGridOperation(kIndexOutOfRange);
    SetModified(true);
    const int oldRows = RowCount();
    if (oldRows < 3)
        FStore->ClearRow(1);
    else
        FStore->DeleteRow(row);
    FollowRowRemoval(row, oldRows);
}

void TSortGrid::FollowRowRemoval(int row, int oldRows) {
    if (oldRows < 3) {
        FollowRows([](int r) { return r == 1 ? -1 : r; }); // emptied: its edit is gone too
        UpdateEditor();
    } else {
        const auto close = [row](int r) { return r == row ? -1 : (r > row ? r - 1 : r); };
        RemapRowHeights(close);
        FollowRows(close);
        if (!FNowUpdating) {
            ClampToCounts();
            ApplySizeChange(ColCount(), oldRows);
        }
    }
    Repaint();
    if (OnRowDelete) OnRowDelete(this, row);
}

void TSortGrid::InsertColumn(int col) {
    col = std::clamp(col, 0, ColCount());
    const int oldCols = ColCount();
    FStore->InsertColumn(col);
    FColWidths.insert(FColWidths.begin() + col, FDefaultColWidth);
    // The new column arrives by a move from the end: the sorted column keeps
    // its data, and the grid counts as changed.
    if (col <= SortOptions.SortCol && SortOptions.SortCol < oldCols) ++SortOptions.SortCol;
    SetModified(true);
    if (!FNowUpdating) {
        ClampToCounts();
        ApplySizeChange(oldCols, RowCount());
    }
    MoveCurrent(col, FRow, true, true);
    Repaint();
    if (OnColumnInsert) OnColumnInsert(this, col);
}

void TSortGrid::DeleteColumn(int col) {
    if (col < 0 || col >= ColCount()) throw EInvalidGridOperation(kIndexOutOfRange);
    const int oldCols = ColCount();
    if (oldCols <= 1) {
        ColumnStrings(col).Clear();
    } else {
        FStore->DeleteColumn(col);
        FColWidths.erase(FColWidths.begin() + col);
        if (col < SortOptions.SortCol) --SortOptions.SortCol;
        SetModified(true);
        if (!FNowUpdating) {
            ClampToCounts();
            ApplySizeChange(oldCols, RowCount());
        }
    }
    Repaint();
    if (OnColumnDelete) OnColumnDelete(this, col);
}

void TSortGrid::MoveRow(int from, int to) {
    if (from < 0 || to < 0 || from >= RowCount() || to >= RowCount())
        throw EInvalidGridOperation(kIndexOutOfRange);
    if (from == to) return;
    // The editor stays closed while the rows move under it.
    const bool editor = FEditorMode;
    FEditorMode = false;
    FEditor->hide();
    FStore->MoveRow(from, to);
    const auto moved = [from, to](int r) { return MovedIndex(r, from, to); };
    RemapRowHeights(moved);
    FollowRows(moved);
    FEditorMode = editor;
    UpdateEditor();
    Repaint();
}

// Moving a column keeps SortCol on the same data.
void TSortGrid::MoveColumn(int from, int to) {
    if (from < 0 || to < 0 || from >= ColCount() || to >= ColCount())
        throw EInvalidGridOperation(kIndexOutOfRange);
    if (from == to) return;
    const bool editor = FEditorMode;
    FEditorMode = false;
    FEditor->hide();
    FStore->MoveColumn(from, to);
    const int width = FColWidths[from];
    FColWidths.erase(FColWidths.begin() + from);
    FColWidths.insert(FColWidths.begin() + to, width);
    int& sortCol = SortOptions.SortCol;
    if (from == sortCol)
        sortCol = to;
    else if (from > sortCol && to <= sortCol)
        ++sortCol;
    else if (from < sortCol && to >= sortCol)
        --sortCol;
    SetModified(true);
    FEditorMode = editor;
    FEditCol = -1;
    UpdateEditor();
    Repaint();
}

void TSortGrid::SwapRows(int a, int b) {
    if (a < b) {
        MoveRow(b, a);
        MoveRow(a + 1, b);
    } else if (b < a) {
        MoveRow(a, b);
        MoveRow(b + 1, a);
    }
}

} // namespace zn
