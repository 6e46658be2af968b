#include "controls/sort_grid.h"

#include <QApplication>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace zn {

namespace {
// A press this close to a header cell's left or right edge belongs to column
// sizing, not to sorting.
constexpr int kSizingZone = 5;
// A double-click this close to a column's right edge fits the column.
constexpr int kAutoSizeZone = 3;
// A marked row is dragged once the mouse has moved this far with the button down.
constexpr int kDragDistance = 10;

QPoint PosOf(const QMouseEvent* event) {
    return event->position().toPoint();
}
} // namespace

bool TSortGrid::NearColumnEdge(int col, int x, int zone) const {
    const int left = ColumnX(col);
    const int rel = x - left;
    return rel < zone || rel >= ColWidths(col) - zone;
}

// The column whose right edge (grid line) lies within the sizing zone of x.
bool TSortGrid::InSizingZone(int x, int& sizingCol) const {
    const int limit = ClientWidth();
    for (int c = FLeftCol; c < ColCount(); ++c) {
        const int w = ColWidths(c);
        if (w < 0) continue;
        const int left = ColumnX(c);
        if (left > limit) break;
        if (std::abs(x - (left + w)) < kSizingZone) {
            sizingCol = c;
            return true;
        }
    }
    return false;
}

// Every press closes an open drop-down list and remembers the cell under it.
QPoint TSortGrid::NotePress(QMouseEvent* event, int& col, int& row) {
    HideComboList();
    const QPoint pos = PosOf(event);
    MouseToCell(pos, col, row);
    FPressCol = col;
    FPressRow = row;
    FGestureDone = false;
    return pos;
}

void TSortGrid::mousePressEvent(QMouseEvent* event) {
    if (FNowUpdating) return;
    int col = -1;
    int row = -1;
    const QPoint pos = NotePress(event, col, row);
    if (!FMultiSelect || FEditorMode) {
        BaseMousePress(event, col, row);
        return;
    }
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (event->button() == Qt::LeftButton && row >= 1 && col >= 0 && mods == Qt::NoModifier) {
        const bool marked = std::find(FSelectedRows.begin(), FSelectedRows.end(), row) != FSelectedRows.end();
        if (!marked) {
            SetOptions(FOptions & ~TGridOptions(goRangeSelect));
            FSelectTracking = false;
            const bool moved = MoveCurrent(FCol, row, true, true);
            FSelectTracking = true;
            if (moved) {
                SetMarks({row});
                FireRowSelected();
            }
        } else {
            FPressPoint = pos;
        }
    }
    // The base's own press handling only for the header, the open editor and
    // a Shift+left press that grows a block.
    const bool shiftLeft =
        event->button() == Qt::LeftButton && mods == Qt::ShiftModifier && FOptions.testFlag(goRangeSelect);
    if (row == 0 || shiftLeft) BaseMousePress(event, col, row);
}

void TSortGrid::BaseMousePress(QMouseEvent* event, int col, int row) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = PosOf(event);
    if (row == 0) {
        int sizingCol = -1;
        if (FOptions.testFlag(goColSizing) && InSizingZone(pos.x(), sizingCol)) {
            FGridState = gsColSizing;
            FSizingCol = sizingCol;
            FSizingOffset = pos.x() - (ColumnX(sizingCol) + ColWidths(sizingCol));
        } else if (FOptions.testFlag(goColMoving) && col >= 0) {
            FGridState = gsColMoving;
            FMoveFrom = col;
        }
        return;
    }
    if (col < 0 || row < 1) return;
    if ((event->modifiers() & Qt::ShiftModifier) && FOptions.testFlag(goRangeSelect)) {
        MoveCurrent(col, row, false, true);
    } else if (col == FCol && row == FRow && !FEditorMode && FOptions.testFlag(goEditing)) {
        ShowEditor();
    } else {
        MoveCurrent(col, row, true, true);
    }
    if (FOptions.testFlag(goRangeSelect)) FGridState = gsSelecting;
}

void TSortGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = PosOf(event);
    const bool leftDown = event->buttons() & Qt::LeftButton;
    switch (FGridState) {
    case gsColSizing:
        if (leftDown) {
            SetColWidths(FSizingCol, std::max(0, pos.x() - FSizingOffset - ColumnX(FSizingCol)));
            FGestureDone = true;
        }
        return;
    case gsSelecting: {
        int col = -1;
        int row = -1;
        if (leftDown && MouseToCell(pos, col, row) && row >= 1 && (col != FCol || row != FRow))
            MoveCurrent(col, row, false, true);
        return;
    }
    case gsColMoving:
        return;
    case gsNormal:
        break;
    }
    if (leftDown && FMultiSelect && FPressPoint.x() >= 0 &&
        (std::abs(pos.x() - FPressPoint.x()) > kDragDistance ||
         std::abs(pos.y() - FPressPoint.y()) > kDragDistance)) {
        StartRowDrag();
        return;
    }
    int col = -1;
    int row = -1;
    int sizingCol = -1;
    const bool sizing = FOptions.testFlag(goColSizing) && MouseToCell(pos, col, row) && row == 0 &&
                        InSizingZone(pos.x(), sizingCol);
    viewport()->setCursor(sizing ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void TSortGrid::BaseMouseRelease(QMouseEvent* event) {
    const QPoint pos = PosOf(event);
    if (FGridState == gsColMoving) {
        int col = -1;
        int row = -1;
        if (MouseToCell(pos, col, row) && col != FMoveFrom) {
            MoveColumn(FMoveFrom, col);
            FGestureDone = true;
        }
    }
    FGridState = gsNormal;
    if (event->button() == Qt::LeftButton) ClickHandling();
}

void TSortGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (FNowUpdating || FDragging) return;
    // A grid set up without focus (the header strip over the lists) stays so.
    if (!HasGridFocus() && focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
    BaseMouseRelease(event);

    const QPoint pos = PosOf(event);
    int col = -1;
    int row = -1;
    MouseToCell(pos, col, row);
    if (event->button() == Qt::RightButton && row >= 1 && FPopupMenu) {
        if (OnPopup) OnPopup(this, col, row);
        FPopupMenu->popup(viewport()->mapToGlobal(pos));
    }

    const bool sameDataCell = row >= 1 && col >= 0 && col == FPressCol && row == FPressRow;
    if (sameDataCell) {
        bool checkBox = false;
        bool combobox = false;
        bool ellipsis = false;
        CellKinds(col, row, checkBox, combobox, ellipsis);
        if (checkBox) SetCellChecked(col, row, !IsCellChecked(col, row));
        if (combobox && !ShowComboBox(col, row)) HideComboList();
        if (ellipsis && OnSetEllipsis) {
            const int right = ColumnX(col) + ColWidths(col);
            if (pos.x() >= right - 16 && pos.x() <= right) OnSetEllipsis(this, col, row);
        }
    }
    HeaderSortRelease(event, col, row);
    if (FMultiSelect && !FEditorMode) MarkingRelease(event, col, row);
    FPressPoint = QPoint(-1, -1);
    FPressCol = -1;
    FPressRow = -1;
}

// A click on a header cell sorts by its column: a second click on the sorted
// column reverses the direction, the right button always sorts descending.
void TSortGrid::HeaderSortRelease(QMouseEvent* event, int col, int row) {
    if (row != 0 || FPressRow != 0 || col < 0 || col != FPressCol || FGestureDone) return;
    if (NearColumnEdge(col, PosOf(event).x(), kSizingZone)) return;
    if (event->button() == Qt::RightButton)
        SortOptions.SortDirection = sdDescending;
    else if (SortOptions.SortDirection == sdAscending && col == SortOptions.SortCol)
        SortOptions.SortDirection = sdDescending;
    else
        SortOptions.SortDirection = sdAscending;
    SortByColumn(col);
    Repaint();
}

void TSortGrid::MarkingRelease(QMouseEvent* event, int col, int row) {
    if (event->button() != Qt::LeftButton || row < 1 || col < 0 || FPressRow < 1) return;
    const Qt::KeyboardModifiers mods = event->modifiers();
    auto marked = std::find(FSelectedRows.begin(), FSelectedRows.end(), row);
    if (mods & Qt::ControlModifier) {
        if (marked == FSelectedRows.end()) {
            FSelectedRows.push_back(row);
            FAnchorRows.push_back(row);
            FSelectTracking = false;
            MoveCurrent(FCol, row, true, true);
            FSelectTracking = true;
        } else if (FSelectedRows.size() > 1) {
            FSelectedRows.erase(marked);
            FAnchorRows.erase(std::remove(FAnchorRows.begin(), FAnchorRows.end(), row), FAnchorRows.end());
            if (!FAnchorRows.empty()) {
                FSelectTracking = false;
                MoveCurrent(FCol, FAnchorRows.back(), true, true);
                FSelectTracking = true;
            }
        }
        InvalidateRow(row);
    } else if (mods & Qt::ShiftModifier) {
        MarkSelectionRows();
    } else {
        FSelectTracking = false;
        MoveCurrent(FCol, row, true, true);
        FSelectTracking = true;
        SetMarks({row});
    }
    FireRowSelected();
}

// Marked rows leave as tab-separated lines of text; what a drop does is up to
// the receiver.
void TSortGrid::StartRowDrag() {
    FPressPoint = QPoint(-1, -1);
    FDragging = true;
    QStringList lines;
    std::vector<int> rows = FSelectedRows;
    std::sort(rows.begin(), rows.end());
    for (int r : rows)
        lines << FStore->Row(r, ColCount()).join(QLatin1Char('\t'));
    auto* mime = new QMimeData;
    mime->setText(lines.join(QLatin1Char('\n')));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction | Qt::MoveAction);
    FDragging = false;
}

void TSortGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (FNowUpdating) return;
    int col = -1;
    int row = -1;
    const QPoint pos = NotePress(event, col, row);
    if (event->button() != Qt::LeftButton) return;
    if (row == 0 && col >= 0) {
        const int left = ColumnX(col);
        const int right = left + ColWidths(col);
        if (std::abs(right - pos.x()) <= kAutoSizeZone)
            AutoSizeColumn(col, true);
        else if (col > 0 && std::abs(pos.x() - left) <= kAutoSizeZone)
            AutoSizeColumn(col - 1, true);
    }
    if (OnDblClick) OnDblClick(this);
    if (row >= 1 && !FEditorMode && FOptions.testFlag(goEditing)) ShowEditor();
}

void TSortGrid::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta < 0)
        ScrollToCell(FCol, FTopRow + 2);
    else if (delta > 0)
        ScrollToCell(FCol, FTopRow - 2);
    event->accept();
}

} // namespace zn
