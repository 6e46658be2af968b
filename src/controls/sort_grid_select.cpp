#include "controls/sort_grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

namespace zn {

namespace {
const char* const kIndexOutOfRange = "Grid index out of range";
}

TGridRect TSortGrid::SelectionRect() const {
    TGridRect r;
    if (FOptions.testFlag(goRowSelect)) {
        r.Left = 0;
        r.Right = ColCount() - 1;
    } else {
        r.Left = std::min(FAnchorCol, FCol);
        r.Right = std::max(FAnchorCol, FCol);
    }
    r.Top = std::min(FAnchorRow, FRow);
    r.Bottom = std::max(FAnchorRow, FRow);
    return r;
}

// Anchor and current cell are set straight, without the selection check and
// its events; the block is kept inside the grid.
void TSortGrid::SetSelectionRect(const TGridRect& rect) {
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    const int firstRow = FixedRows();
    FAnchorCol = std::clamp(rect.Left, 0, lastCol);
    FAnchorRow = std::clamp(rect.Top, firstRow, lastRow);
    FCol = std::clamp(rect.Right, 0, lastCol);
    FRow = std::clamp(rect.Bottom, firstRow, lastRow);
    UpdateEditor();
    viewport()->update();
}

void TSortGrid::SetCurrentCol(int col) {
    if (col == FCol) return;
    MoveCurrent(col, FRow, true, true);
    ClickHandling();
}

void TSortGrid::SetCurrentRow(int row) {
    if (row == FRow) return;
    MoveCurrent(FCol, row, true, true);
    ClickHandling();
}

bool TSortGrid::BaseSelectCell(int col, int row) {
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

// Whether a cell may become current. While the in-place editor is open,
// check-box and combo-box cells are never entered (a combo-box cell opens its
// list instead), so the editor cannot cover them.
bool TSortGrid::SelectCell(int col, int row) {
    const int rowBefore = FRow;
    bool allowed = false;
    if (FEditorMode) {
        bool checkBox = false;
        bool combobox = false;
        bool ellipsis = false;
        CellKinds(col, row, checkBox, combobox, ellipsis);
        if (combobox) {
            ShowComboBox(col, row);
            if (FTabKeyDown && col < ColCount() - 2) MoveCurrent(col + 1, row, true, true);
        }
        allowed = !checkBox && !combobox && BaseSelectCell(col, row);
    } else {
        allowed = BaseSelectCell(col, row);
    }
    if (allowed && FSelectTracking) {
        SetMarks({row});
        FireRowSelected();
    } else if (!allowed && FSelectTracking && FRow != rowBefore) {
        // The handler refused the cell but moved the current row itself (the
        // lists select whole rows that way). The marks go with it: a sort
        // follows the marked data, and would otherwise make another row current.
        SetMarks({FRow});
        FireRowSelected();
    }
    InvalidateRow(FRow);
    InvalidateRow(row);
    return allowed;
}

// Moves the current cell through the selection check; without moveAnchor the
// selected block grows from the anchor (range selection).
bool TSortGrid::MoveCurrent(int col, int row, bool moveAnchor, bool show) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        throw EInvalidGridOperation(kIndexOutOfRange);
    if (!SelectCell(col, row)) {
        // A refusing handler may have moved the current row itself; wherever
        // it is, it stays in view.
        if (show) ClampRowInView(FRow);
        return false;
    }
    FCol = col;
    FRow = row;
    if (moveAnchor || !FOptions.testFlag(goRangeSelect)) {
        FAnchorCol = col;
        FAnchorRow = row;
    }
    if (show) ClampInView(col, row);
    UpdateEditor();
    viewport()->update();
    return true;
}

// Scrolls as little as needed to bring the cell into view.
void TSortGrid::ClampInView(int col, int row) {
    ClampRowInView(row);
    if (col < FLeftCol) {
        SetLeftCol(col);
    } else {
        while (FLeftCol < col && col >= FLeftCol + std::max(1, VisibleColCount()) && FLeftCol < MaxLeftCol())
            SetLeftCol(FLeftCol + 1);
    }
}

void TSortGrid::ClampRowInView(int row) {
    if (row >= 1 && row < RowCount()) {
        if (row < FTopRow) {
            SetTopRow(row);
        } else {
            // The smallest top row at which `row` is still fully visible.
            const int headLine = FOptions.testFlag(goFixedHorzLine) ? FGridLineWidth : 0;
            const int dataLine = FOptions.testFlag(goHorzLine) ? FGridLineWidth : 0;
            const int available = ClientHeight() - RowHeights(0) - headLine;
            int used = 0;
            int top = row;
            for (int r = row; r >= 1; --r) {
                used += RowHeights(r);
                if (used > available) break;
                top = r;
                used += dataLine;
            }
            if (top > FTopRow) SetTopRow(top);
        }
    }
}

// Nothing is painted before control returns to the event loop, so the move
// and the scroll show as one change without locking the window's redraw.
void TSortGrid::GoToCell(int col, int row, bool scroll) {
    // With no data row there is no cell to go to.
    if (RowCount() < 2 || ColCount() < 1) return;
    col = std::clamp(col, 0, ColCount() - 1);
    row = std::clamp(row, 1, RowCount() - 1);
    if (!SelectCell(col, row)) {
        if (scroll) ClampRowInView(FRow);
        return;
    }
    const bool moved = col != FCol || row != FRow;
    FCol = col;
    FRow = row;
    FAnchorCol = col;
    FAnchorRow = row;
    SetMarks({row});
    UpdateEditor();
    viewport()->update();
    if (scroll) ScrollToCell(col, row);
    if (moved) ClickHandling();
}

// Puts the row second from the top (or the last rows at the bottom) and the
// column into view.
void TSortGrid::ScrollToCell(int col, int row) {
    if (ColCount() < 1) return;
    col = std::clamp(col, 0, ColCount() - 1);
    row = std::max(1, std::min(row, RowCount() - 1));
    if (col < FLeftCol) SetLeftCol(col);
    while (col >= FLeftCol + VisibleColCount() && FLeftCol < col && FLeftCol < MaxLeftCol())
        SetLeftCol(FLeftCol + 1);
    SetTopRow(std::max(1, std::min(MaxTopRow(), row - 1)));
}

void TSortGrid::SetMarks(const std::vector<int>& rows) {
    for (int r : FSelectedRows)
        InvalidateRow(r);
    FSelectedRows = rows;
    FAnchorRows = rows;
    for (int r : FSelectedRows)
        InvalidateRow(r);
}

void TSortGrid::MarkSelectionRows() {
    const TGridRect sel = SelectionRect();
    std::vector<int> rows;
    for (int r = sel.Top; r <= sel.Bottom; ++r)
        rows.push_back(r);
    for (int r : FSelectedRows)
        InvalidateRow(r);
    FSelectedRows = rows;
    for (int r : FSelectedRows)
        InvalidateRow(r);
}

void TSortGrid::FireRowSelected() {
    if (OnRowSelected) OnRowSelected(this);
}

// The base's click: OnClick, then validation of the cell just left. A move
// without the focus only re-remembers, so the next edit is compared with the
// cell it was made in.
void TSortGrid::ClickHandling() {
    if (OnClick) OnClick(this);
    if (HasGridFocus())
        ValidateCell();
    else
        RememberCell();
}

void TSortGrid::RememberCell() {
    FValCol = FCol;
    FValRow = FRow;
    FValText = GetCell(FCol, FRow);
    FValModified = FModified;
}

void TSortGrid::ValidateCell() {
    if (!FEditorMode) {
        RememberCell();
        return;
    }
    const QString now = GetCell(FValCol, FValRow);
    if (now != FValText) {
        QString newValue = now;
        bool valid = true;
        if (OnCellValidate) OnCellValidate(this, FValCol, FValRow, FValText, newValue, valid);
        if (valid) {
            if (newValue != GetCell(FValCol, FValRow)) EditCell(FValCol, FValRow, newValue);
        } else {
            EditCell(FValCol, FValRow, newValue != GetCell(FValCol, FValRow) ? newValue : FValText);
            SetModified(FValModified);
        }
    }
    RememberCell();
}

void TSortGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (!FHasFocusNote) {
        FHasFocusNote = true;
        RememberCell();
    }
    InvalidateCell(FCol, FRow);
}

void TSortGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    InvalidateCell(FCol, FRow);
    if (event->reason() == Qt::PopupFocusReason) return;
    // Focus handed to the grid's own editor or drop-down list stays inside.
    const QWidget* next = QApplication::focusWidget();
    if (next == FEditor || next == FComboList || next == this) return;
    if (OnClick) OnClick(this);
    ValidateCell();
    FHasFocusNote = false;
}

} // namespace zn
