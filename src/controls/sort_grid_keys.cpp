#include "controls/sort_grid.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace zn {

namespace {

bool IsNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

Qt::KeyboardModifiers Modifiers(const QKeyEvent* event) {
    return event->modifiers() &
           (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

} // namespace

bool TSortGrid::focusNextPrevChild(bool next) {
    // With goTabs the Tab key moves between cells instead of leaving the grid.
    if (FOptions.testFlag(goTabs)) return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void TSortGrid::keyPressEvent(QKeyEvent* event) {
    if (FNowUpdating) return;
    // Typing that reaches the grid while its editor is open belongs to the editor.
    if (FEditorMode && FEditor->isVisible() && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        QCoreApplication::sendEvent(FEditor, event);
        return;
    }
    if (FMultiSelect && !FEditorMode) MultiSelectKeyDown(event);
    if (FExtendedKeys && !FEditorMode && ExtendedKey(event)) return;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QChar c(u'\r');
        KeyPress(c);
        return;
    }
    KeyDown(event);
    const QString text = event->text();
    if (!text.isEmpty() && IsTypedChar(text.at(0)) &&
        !(Modifiers(event) & (Qt::ControlModifier | Qt::AltModifier))) {
        QChar c = text.at(0);
        KeyPress(c);
    }
}

// Characters that reach KeyPress and OnKeyPress: printable ones and
// Backspace; Delete, Tab and Escape are keys, not typed characters.
bool TSortGrid::IsTypedChar(QChar c) {
    return c.isPrint() || c == u'\b';
}

void TSortGrid::keyReleaseEvent(QKeyEvent* event) {
    if (FNowUpdating || event->isAutoRepeat()) return;
    if (FMultiSelect && !FEditorMode) MultiSelectKeyUp(event);
    if (event->key() == Qt::Key_Space && !FEditorMode) SpaceReleased();
}

// The ordinary string-grid keys: arrows, paging, Home/End, Tab and F2.
void TSortGrid::KeyDown(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = Modifiers(event);
    const bool ctrl = mods & Qt::ControlModifier;
    const bool extend = (mods & Qt::ShiftModifier) && FOptions.testFlag(goRangeSelect);
    const bool rowSelect = FOptions.testFlag(goRowSelect);
    const int lastRow = RowCount() - 1;
    const int lastCol = ColCount() - 1;
    if (lastRow < 1) return;
    int col = FCol;
    int row = FRow;
    switch (event->key()) {
    case Qt::Key_Up:
        row = std::max(1, row - 1);
        break;
    case Qt::Key_Down:
        row = std::min(lastRow, row + 1);
        break;
    case Qt::Key_Left:
        if (rowSelect) {
            SetLeftCol(FLeftCol - 1);
            return;
        }
        col = std::max(0, col - 1);
        break;
    case Qt::Key_Right:
        if (rowSelect) {
            SetLeftCol(FLeftCol + 1);
            return;
        }
        col = std::min(lastCol, col + 1);
        break;
    case Qt::Key_PageUp:
        row = std::max(1, row - std::max(1, VisibleRowCount()));
        break;
    case Qt::Key_PageDown:
        row = std::min(lastRow, row + std::max(1, VisibleRowCount()));
        break;
    case Qt::Key_Home:
        if (ctrl || rowSelect) row = 1;
        col = 0;
        break;
    case Qt::Key_End:
        if (ctrl || rowSelect) row = lastRow;
        col = lastCol;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!FOptions.testFlag(goTabs)) return;
        if (event->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier)) {
            if (col < lastCol) {
                ++col;
            } else if (row < lastRow) {
                col = 0;
                ++row;
            }
        } else if (col > 0) {
            --col;
        } else if (row > 1) {
            col = lastCol;
            --row;
        }
        FTabKeyDown = true;
        MoveCurrent(col, row, true, true);
        FTabKeyDown = false;
        ClickHandling();
        return;
    case Qt::Key_F2:
        if (!FEditorMode) ShowEditor();
        return;
    default:
        return;
    }
    if (col == FCol && row == FRow) return;
    MoveCurrent(col, row, !extend, true);
    ClickHandling();
}

// A character typed on the grid. Enter validates first; with the editor
// closed a letter is upper-cased and searched in the sort column (unless it is
// about to open the editor: it would land in the row the search jumped to).
void TSortGrid::KeyPress(QChar& key) {
    if (key == u'\r') ValidateCell();
    const bool opensEditor = FOptions.testFlag(goEditing) && CanEditShow() && key.isPrint();
    if (!FEditorMode && !opensEditor && key.isPrint()) {
        if (key >= u'a' && key <= u'z') key = key.toUpper();
        TypeAhead(key);
    }
    if (OnKeyPress) OnKeyPress(this, key);
    if (key.isNull()) return;
    if (key == u'\r') {
        if (!FOptions.testFlag(goAlwaysShowEditor)) {
            if (FEditorMode)
                HideEditor();
            else
                ShowEditor();
        }
        return;
    }
    if (!FEditorMode && opensEditor) {
        const QString initial(key);
        ShowEditor(&initial);
    }
}

// Finds the next row below the current one (wrapping to the top) whose sort
// column text starts with the typed character, case ignored.
void TSortGrid::TypeAhead(QChar key) {
    const int col = SortOptions.SortCol;
    if (col < 0 || col >= ColCount()) return;
    const QChar wanted = key.toUpper();
    const auto matches = [&](int row) {
        const QString text = GetCell(col, row);
        return !text.isEmpty() && text.at(0).toUpper() == wanted;
    };
    for (int row = FRow + 1; row < RowCount(); ++row) {
        if (matches(row)) {
            GoToCell(col, row, true);
            return;
        }
    }
    for (int row = 1; row <= FRow && row < RowCount(); ++row) {
        if (matches(row)) {
            GoToCell(col, row, true);
            return;
        }
    }
}

// Ctrl+Insert / Ctrl+Delete insert and delete rows, with Shift columns; the
// modifiers must be exactly these.
bool TSortGrid::ExtendedKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = Modifiers(event);
    const bool insert = event->key() == Qt::Key_Insert;
    const bool remove = event->key() == Qt::Key_Delete;
    if (!insert && !remove) return false;
    if (mods == Qt::ControlModifier) {
        if (insert)
            InsertRow(FRow);
        else if (RowCount() > 2)
            DeleteRow(FRow);
        return true;
    }
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (insert)
            InsertColumn(FCol);
        else if (ColCount() > 1)
            DeleteColumn(FCol);
        return true;
    }
    return false;
}

void TSortGrid::MultiSelectKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift) {
        SetOptions(FOptions | goRangeSelect);
        for (int r : FSelectedRows)
            InvalidateRow(r);
        FSelectedRows.clear();
        return;
    }
    // Moving with Shift held grows the block; the marks follow on release.
    FSelectTracking = IsNavigationKey(event->key()) && !(event->modifiers() & Qt::ShiftModifier);
}

void TSortGrid::MultiSelectKeyUp(QKeyEvent* event) {
    FSelectTracking = true;
    if (event->key() == Qt::Key_Shift) {
        if (FSelectedRows.empty()) MarkSelectionRows();
    } else if (IsNavigationKey(event->key()) && !(event->modifiers() & Qt::ShiftModifier)) {
        MarkSelectionRows();
        SetOptions(FOptions & ~TGridOptions(goRangeSelect));
    }
    FAnchorRows = FSelectedRows;
    FireRowSelected();
}

} // namespace zn
