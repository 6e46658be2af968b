#include "controls/sort_grid.h"

#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace zn {

// ---------------------------------------------------------------- geometry

int TSortGrid::ColumnX(int col) const {
    if (col < FLeftCol) return -1;
    const int line = (FOptions & (goVertLine | goFixedVertLine)) ? FGridLineWidth : 0;
    const int limit = ClientWidth();
    int x = 0;
    for (int c = FLeftCol; c < col; ++c) {
        const int w = ColWidths(c);
        if (w >= 0) x += w + line;
        if (x > limit) return x;
    }
    return x;
}

int TSortGrid::RowY(int row) const {
    if (row == 0) return 0;
    if (row < FTopRow) return -1;
    const int dataLine = FOptions.testFlag(goHorzLine) ? FGridLineWidth : 0;
    const int headLine = FOptions.testFlag(goFixedHorzLine) ? FGridLineWidth : 0;
    const int limit = ClientHeight();
    int y = RowCount() > 0 ? RowHeights(0) + headLine : 0;
    for (int r = FTopRow; r < row; ++r) {
        y += RowHeights(r) + dataLine;
        if (y > limit) return y;
    }
    return y;
}

QRect TSortGrid::CellRect(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return QRect();
    const int x = ColumnX(col);
    const int y = RowY(row);
    if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight()) return QRect();
    const int w = ColWidths(col);
    if (w <= 0) return QRect();
    return QRect(x, y, w, RowHeights(row));
}

bool TSortGrid::MouseToCell(QPoint pos, int& col, int& row) const {
    col = -1;
    row = -1;
    if (pos.x() < 0 || pos.y() < 0) return false;
    const int vLine = (FOptions & (goVertLine | goFixedVertLine)) ? FGridLineWidth : 0;
    int x = 0;
    for (int c = FLeftCol; c < ColCount() && x <= pos.x(); ++c) {
        const int w = ColWidths(c);
        if (w < 0) continue;
        if (pos.x() < x + w + vLine) {
            col = c;
            break;
        }
        x += w + vLine;
    }
    const int headLine = FOptions.testFlag(goFixedHorzLine) ? FGridLineWidth : 0;
    const int dataLine = FOptions.testFlag(goHorzLine) ? FGridLineWidth : 0;
    int y = RowHeights(0) + headLine;
    if (pos.y() < y) {
        row = 0;
    } else {
        for (int r = FTopRow; r < RowCount() && y <= pos.y(); ++r) {
            if (pos.y() < y + RowHeights(r) + dataLine) {
                row = r;
                break;
            }
            y += RowHeights(r) + dataLine;
        }
    }
    if (col < 0 || row < 0 || row >= RowCount()) {
        col = row = -1;
        return false;
    }
    return true;
}

int TSortGrid::VisibleRowCount() const {
    const int limit = ClientHeight();
    int n = 0;
    const int dataLine = FOptions.testFlag(goHorzLine) ? FGridLineWidth : 0;
    int y = RowY(FTopRow);
    for (int r = FTopRow; r < RowCount() && y >= 0; ++r) {
        if (y + RowHeights(r) > limit) break;
        ++n;
        y += RowHeights(r) + dataLine;
    }
    return n;
}

int TSortGrid::VisibleColCount() const {
    const int limit = ClientWidth();
    const int line = (FOptions & (goVertLine | goFixedVertLine)) ? FGridLineWidth : 0;
    int n = 0;
    int x = 0;
    for (int c = FLeftCol; c < ColCount(); ++c) {
        const int w = std::max(0, ColWidths(c));
        if (x + w > limit) break;
        ++n;
        x += w + (ColWidths(c) >= 0 ? line : 0);
    }
    return n;
}

// The top row at which the last row just shows at the bottom.
int TSortGrid::MaxTopRow() const {
    if (RowCount() <= 2) return 1;
    const int headLine = FOptions.testFlag(goFixedHorzLine) ? FGridLineWidth : 0;
    const int dataLine = FOptions.testFlag(goHorzLine) ? FGridLineWidth : 0;
    const int available = ClientHeight() - RowHeights(0) - headLine;
    int used = 0;
    int top = RowCount() - 1;
    for (int r = RowCount() - 1; r >= 1; --r) {
        used += RowHeights(r);
        if (used > available) break;
        top = r;
        used += dataLine;
    }
    return std::max(1, top);
}

int TSortGrid::MaxLeftCol() const {
    const int line = (FOptions & (goVertLine | goFixedVertLine)) ? FGridLineWidth : 0;
    const int available = ClientWidth();
    int used = 0;
    int left = ColCount() - 1;
    for (int c = ColCount() - 1; c >= 0; --c) {
        used += std::max(0, ColWidths(c));
        if (used > available) break;
        left = c;
        used += line;
    }
    return std::max(0, left);
}

// ---------------------------------------------------------------- scrolling

void TSortGrid::SetScrollBars(TScrollStyle bars) {
    FScrollBars = bars;
    // Bars that are on stay on, so that ClientWidth does not jump when rows
    // are added and the column layout of the lists keeps fitting.
    const bool v = bars == ssVertical || bars == ssBoth;
    const bool h = bars == ssHorizontal || bars == ssBoth;
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    UpdateScrollBars();
}

void TSortGrid::UpdateScrollBars() {
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    const QSignalBlocker bv(v);
    const QSignalBlocker bh(h);
    v->setRange(1, MaxTopRow());
    v->setValue(FTopRow);
    h->setRange(0, MaxLeftCol());
    h->setValue(FLeftCol);
    v->setTracking(FOptions.testFlag(goThumbTracking));
    h->setTracking(FOptions.testFlag(goThumbTracking));
    if (!FProportionalScrollBars) {
        // A thumb of fixed, minimal size: its place shows the position only.
        v->setPageStep(1);
        h->setPageStep(1);
    } else {
        UpdateProportionalScrollBars();
    }
}

void TSortGrid::UpdateProportionalScrollBars() {
    if (!FProportionalScrollBars) return;
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) {
        const double range = v->maximum() - v->minimum() + 1;
        const double share = double(VisibleRowCount() + 1) / std::max(1, RowCount());
        v->setPageStep(std::max(1, static_cast<int>(std::nearbyint(share * range))));
    }
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) {
        const double range = h->maximum() - h->minimum() + 1;
        const double share = double(VisibleColCount()) / std::max(1, ColCount());
        h->setPageStep(std::max(1, static_cast<int>(std::nearbyint(share * range))));
        h->update();
    }
}

void TSortGrid::SetProportionalScrollBars(bool on) {
    FProportionalScrollBars = on;
    UpdateScrollBars();
}

void TSortGrid::OnVerticalScroll(int value) {
    SetTopRow(value);
}

void TSortGrid::OnHorizontalScroll(int value) {
    SetLeftCol(value);
}

void TSortGrid::SetTopRow(int row) {
    row = std::clamp(row, 1, MaxTopRow());
    if (row == FTopRow) return;
    FTopRow = row;
    UpdateScrollBars();
    UpdateEditor();
    viewport()->update();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TSortGrid::SetLeftCol(int col) {
    col = std::clamp(col, 0, MaxLeftCol());
    if (col == FLeftCol) return;
    FLeftCol = col;
    UpdateScrollBars();
    UpdateEditor();
    viewport()->update();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TSortGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    FTopRow = std::clamp(FTopRow, 1, MaxTopRow());
    FLeftCol = std::clamp(FLeftCol, 0, MaxLeftCol());
    UpdateScrollBars();
    StretchLastColumn();
    UpdateEditor();
}

// The last column takes the room left of the client width when every column
// from LeftCol on is in view, so the grid has no empty strip at its right.
void TSortGrid::StretchLastColumn() {
    const int visible = VisibleColCount();
    if (FLeftCol + visible != ColCount() || visible == 0) return;
    int before = 0;
    for (int c = FLeftCol; c < ColCount() - 1; ++c)
        before += std::max(0, ColWidths(c));
    const int width = ClientWidth() - before - visible;
    if (width > 0) SetColWidths(ColCount() - 1, width);
    viewport()->update();
    UpdateProportionalScrollBars();
}

} // namespace zn
