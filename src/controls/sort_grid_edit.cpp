#include "controls/sort_grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

namespace zn {

namespace {
// A drop-down list never shows more than 10 items at once; 5 pixels are its frame.
constexpr int kComboMaxItems = 10;
constexpr int kComboFrame = 5;
} // namespace

// ---------------------------------------------------------------- in-place editor

bool TSortGrid::CanEditShow() const {
    return FOptions.testFlag(goEditing) && !FOptions.testFlag(goRowSelect) && FRow >= 1 &&
           FRow < RowCount() && FCol >= 0 && FCol < ColCount();
}

void TSortGrid::SetEditorMode(bool on) {
    if (on)
        ShowEditor();
    else
        HideEditor();
}

// Opens the editor on the current cell; with an initial text (a typed
// character) that text replaces the cell's, as in any spreadsheet.
void TSortGrid::ShowEditor(const QString* initial) {
    if (!CanEditShow()) return;
    // Check-box and combo-box cells are changed by their glyphs, not typed into.
    bool checkBox = false;
    bool combobox = false;
    bool ellipsis = false;
    CellKinds(FCol, FRow, checkBox, combobox, ellipsis);
    if (checkBox || combobox) return;
    const bool focused = HasGridFocus();
    FEditorMode = true;
    FEditCol = -1; // makes UpdateEditor load the cell
    UpdateEditor();
    if (initial) {
        FEditor->setText(*initial);
        EditorTextEdited(*initial);
        FEditor->end(false);
    }
    if (focused) FEditor->setFocus(Qt::OtherFocusReason);
    InvalidateCell(FCol, FRow);
}

void TSortGrid::HideEditor() {
    if (!FEditorMode) return;
    const bool hadFocus = FEditor->hasFocus();
    FEditorMode = false;
    FEditor->hide();
    if (hadFocus) setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

// Keeps the editor over the current cell, with that cell's text.
void TSortGrid::UpdateEditor() {
    if (!FEditor) return;
    if (!FEditorMode && FOptions.testFlag(goAlwaysShowEditor) && CanEditShow()) FEditorMode = true;
    if (FEditorMode && !CanEditShow()) FEditorMode = false;
    if (!FEditorMode) {
        if (FEditor->isVisible()) {
            const bool hadFocus = FEditor->hasFocus();
            FEditor->hide();
            if (hadFocus) setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    const QRect rect = CellRect(FCol, FRow);
    if (rect.isEmpty()) {
        FEditor->hide();
        return;
    }
    const QString text = GetCell(FCol, FRow);
    if (FEditCol != FCol || FEditRow != FRow) {
        FEditCol = FCol;
        FEditRow = FRow;
        FEditOriginal = text;
        FEditModified = FModified;
        FEditor->setText(text);
        FEditor->selectAll();
    } else if (FEditor->text() != text) {
        FEditor->setText(text);
    }
    FEditor->setFont(font());
    FEditor->setGeometry(rect);
    if (!FEditor->isVisible()) {
        FEditor->show();
        if (HasGridFocus()) FEditor->setFocus(Qt::OtherFocusReason);
    }
}

// The editor writes through to the cell on every change, so validation sees
// the typed text when the cell is left.
void TSortGrid::EditorTextEdited(const QString& text) {
    if (!FEditorMode) return;
    if (text == GetCell(FCol, FRow)) return;
    FInEditorUpdate = true;
    EditCell(FCol, FRow, text);
    FInEditorUpdate = false;
    SetModified(true);
}

// Keys typed into the editor: the navigation keys go to the grid, characters
// pass the grid's key-press handling (and OnKeyPress, which may change or
// swallow them) before the editor inserts them.
bool TSortGrid::EditorKeyPress(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool atStart = FEditor->cursorPosition() == 0 && !FEditor->hasSelectedText();
    const bool atEnd = FEditor->cursorPosition() == FEditor->text().size() && !FEditor->hasSelectedText();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        keyPressEvent(event);
        return true;
    case Qt::Key_Left:
        if (!atStart && !(mods & Qt::ControlModifier)) return false;
        keyPressEvent(event);
        return true;
    case Qt::Key_Right:
        if (!atEnd && !(mods & Qt::ControlModifier)) return false;
        keyPressEvent(event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QChar c(u'\r');
        KeyPress(c);
        return true;
    }
    case Qt::Key_Escape:
        // Gives the cell back the text it had when the editor came to it, and
        // the grid the Modified it had then: nothing was changed after all.
        if (GetCell(FCol, FRow) != FEditOriginal) {
            EditCell(FCol, FRow, FEditOriginal);
            FEditor->setText(FEditOriginal);
            SetModified(FEditModified);
        }
        if (!FOptions.testFlag(goAlwaysShowEditor)) HideEditor();
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || !IsTypedChar(text.at(0)) || (mods & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    QChar c = text.at(0);
    const QChar typed = c;
    KeyPress(c);
    if (c.isNull() || !FEditorMode) return true;
    if (c == typed) return false;
    FEditor->insert(QString(c));
    return true;
}

// ---------------------------------------------------------------- combo-box cells

bool TSortGrid::ShowComboBox(int col, int row) {
    bool checkBox = false;
    bool combobox = false;
    bool ellipsis = false;
    CellKinds(col, row, checkBox, combobox, ellipsis);
    if (!combobox || !OnGetComboBox) return false;
    QStringList strs;
    int width = 0;
    int height = 0;
    bool sorted = true;
    OnGetComboBox(this, col, row, strs, width, height, sorted);
    if (strs.isEmpty()) return false;

    QWidget* host = window();
    if (FComboList->parentWidget() != host) FComboList->setParent(host);
    FComboList->setFont(font());
    FComboList->clear();
    FComboList->setSortingEnabled(sorted);
    FComboList->addItems(strs);
    const QString text = GetCell(col, row);
    QListWidgetItem* current = FComboList->item(0);
    for (int i = 0; i < FComboList->count(); ++i) {
        if (FComboList->item(i)->text() == text) {
            current = FComboList->item(i);
            break;
        }
    }
    FComboList->setCurrentItem(current);

    // The target cell is remembered, not found again from the list's place,
    // so scrolling the grid while the list is open cannot redirect the pick.
    FComboCol = col;
    FComboRow = row;
    const int itemHeight = std::max(1, FComboList->sizeHintForRow(0));
    const int count = FComboList->count();
    const int listHeight = (height == 0 && count < kComboMaxItems)
                               ? itemHeight * count + kComboFrame
                               : itemHeight * kComboMaxItems + kComboFrame;
    QRect cell = CellRect(col, row);
    if (cell.isEmpty()) cell = QRect(0, 0, ColWidths(col), RowHeights(row));
    const int listWidth =
        width != 0 ? width : cell.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // Below the cell when it fits in the window, else above it.
    QPoint topLeft = viewport()->mapTo(host, QPoint(cell.left() + 2, cell.bottom() + 1));
    if (topLeft.y() + listHeight > host->height())
        topLeft.setY(viewport()->mapTo(host, cell.topLeft()).y() - listHeight);
    topLeft.setY(std::max(0, topLeft.y()));
    FComboList->setGeometry(QRect(topLeft, QSize(listWidth, listHeight)));
    FComboList->show();
    FComboList->raise();
    FComboList->scrollToItem(current);
    FComboList->setFocus(Qt::OtherFocusReason);
    return true;
}

void TSortGrid::HideComboList() {
    if (!FComboList->isVisible()) return;
    FComboCol = -1;
    FComboList->hide();
}

// Only a pick (a click on an item, Enter or space) writes; a list that is
// merely opened and left writes nothing, or opening an empty cell's list and
// clicking elsewhere would fill in whatever item came first.
void TSortGrid::CommitComboList() {
    if (!FComboList->isVisible() || FComboCol < 0) return;
    const int col = FComboCol;
    const int row = FComboRow;
    FComboCol = -1;
    const QListWidgetItem* item = FComboList->currentItem();
    const QString text = item ? item->text() : QString();
    FComboList->hide();
    if (!item) return;
    const bool changed = text != GetCell(col, row);
    EditCell(col, row, text);
    if (changed) SetModified(true);
    InvalidateCol(col);
    setFocus(Qt::OtherFocusReason);
    if (OnSetComboBox) OnSetComboBox(this, col, row, text);
}

// ---------------------------------------------------------------- events of the children

bool TSortGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FEditor) {
        if (event->type() == QEvent::KeyPress) return EditorKeyPress(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) {
            const QWidget* next = QApplication::focusWidget();
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (next != this && next != FComboList && next != FEditor && reason != Qt::PopupFocusReason) {
                if (OnClick) OnClick(this);
                ValidateCell();
                FHasFocusNote = false;
            }
        }
        if (event->type() == QEvent::FocusIn && !FHasFocusNote) {
            FHasFocusNote = true;
            RememberCell();
        }
        return false;
    }
    if (watched == FComboList || watched == FComboList->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (watched == FComboList->viewport()) CommitComboList();
            break;
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat() &&
                (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space))
                CommitComboList();
            break;
        }
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                HideComboList();
                setFocus(Qt::OtherFocusReason);
                return true;
            }
            break;
        case QEvent::FocusOut:
            if (watched == FComboList) HideComboList();
            break;
        default:
            break;
        }
        return false;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

// The space bar released on the current cell toggles a check box, opens a
// drop-down list or presses an ellipsis button.
void TSortGrid::SpaceReleased() {
    if (FRow < 1 || FRow >= RowCount()) return;
    bool checkBox = false;
    bool combobox = false;
    bool ellipsis = false;
    CellKinds(FCol, FRow, checkBox, combobox, ellipsis);
    if (checkBox) SetCellChecked(FCol, FRow, !IsCellChecked(FCol, FRow));
    if (combobox && !ShowComboBox(FCol, FRow)) HideComboList();
    if (ellipsis && OnSetEllipsis) OnSetEllipsis(this, FCol, FRow);
}

} // namespace zn
