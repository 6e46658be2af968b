#include "controls/sort_grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

// Resources of a static library are registered by hand.
static void InitControlsResources() {
    Q_INIT_RESOURCE(controls);
}

namespace zn {

namespace {
constexpr TGridOptions kDefaultOptions =
    TGridOptions(goFixedVertLine) | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
} // namespace

TSortGrid::TSortGrid(QWidget* parent) : QAbstractScrollArea(parent), FStore(5, 5), FOptions(kDefaultOptions) {
    InitControlsResources();
    FColWidths.assign(FStore.ColCount(), FDefaultColWidth);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setMouseTracking(true);

    FArrowUp = QPixmap(QStringLiteral(":/controls/UP"));
    FArrowDown = QPixmap(QStringLiteral(":/controls/DOWN"));

    FEditor = new QLineEdit(viewport());
    FEditor->setFrame(false);
    FEditor->hide();
    FEditor->installEventFilter(this);
    connect(FEditor, &QLineEdit::textEdited, this, [this](const QString& t) { EditorTextEdited(t); });

    // The drop-down list of combo-box cells: a sorted list without tab stop,
    // placed on the window that holds the grid when it opens.
    FComboList = new QListWidget(this);
    FComboList->setFocusPolicy(Qt::ClickFocus);
    FComboList->setSortingEnabled(true);
    FComboList->hide();
    FComboList->installEventFilter(this);
    FComboList->viewport()->installEventFilter(this);

    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) { OnVerticalScroll(v); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) { OnHorizontalScroll(v); });
    // Paging by the bar's trough moves by a screenful of rows whatever the
    // thumb size is (the thumb is sized separately for proportional bars).
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this](int action) {
        const int page = std::max(1, VisibleRowCount());
        if (action == QAbstractSlider::SliderPageStepAdd)
            verticalScrollBar()->setSliderPosition(FTopRow + page);
        else if (action == QAbstractSlider::SliderPageStepSub)
            verticalScrollBar()->setSliderPosition(FTopRow - page);
    });
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, [this](int action) {
        const int page = std::max(1, VisibleColCount());
        if (action == QAbstractSlider::SliderPageStepAdd)
            horizontalScrollBar()->setSliderPosition(FLeftCol + page);
        else if (action == QAbstractSlider::SliderPageStepSub)
            horizontalScrollBar()->setSliderPosition(FLeftCol - page);
    });
    SetScrollBars(ssBoth);

    FSelectedRows = {FRow};
    FAnchorRows = {FRow};
    RememberCell();
    UpdateScrollBars();
}

TSortGrid::~TSortGrid() = default;

// ---------------------------------------------------------------- cells

QString TSortGrid::GetCell(int col, int row) const {
    return FStore.Cell(col, row);
}

void TSortGrid::SetCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0) return;
    FStore.SetCell(col, row, text);
    InvalidateCell(col, row);
    if (col == FCol && row == FRow && FEditorMode && !FInEditorUpdate) UpdateEditor();
}

int TGridStrings::Count() const {
    return FKind == kRow ? FGrid->ColCount() : FGrid->RowCount();
}

QString TGridStrings::Strings(int index) const {
    return FKind == kRow ? FGrid->GetCell(index, FIndex) : FGrid->GetCell(FIndex, index);
}

void TGridStrings::SetStrings(int index, const QString& text) {
    if (FKind == kRow)
        FGrid->SetCell(index, FIndex, text);
    else
        FGrid->SetCell(FIndex, index, text);
}

void TGridStrings::Clear() {
    if (FIndex < 0) return;
    if (FKind == kRow) {
        FGrid->FStore.ClearRow(FIndex);
        FGrid->InvalidateRow(FIndex);
    } else {
        FGrid->FStore.ClearColumn(FIndex, FGrid->RowCount());
        FGrid->InvalidateCol(FIndex);
    }
    if (FGrid->FEditorMode) FGrid->UpdateEditor();
}

void TGridStrings::Assign(const QStringList& source) {
    const int n = std::min<int>(source.size(), Count());
    for (int i = 0; i < n; ++i)
        SetStrings(i, source[i]);
}

QStringList TGridStrings::ToStringList() const {
    if (FIndex < 0) return QStringList();
    return FKind == kRow ? FGrid->FStore.Row(FIndex, FGrid->ColCount())
                         : FGrid->FStore.Column(FIndex, FGrid->RowCount());
}

// ---------------------------------------------------------------- size

void TSortGrid::SetRowCount(int rows) {
    if (rows <= 0) rows = 1;
    const int oldRows = RowCount();
    if (rows == oldRows) return;
    FStore.SetRowCount(rows);
    // During a bulk update only the count is recorded; EndUpdate catches up.
    if (FNowUpdating) return;
    ClampToCounts();
    ApplySizeChange(ColCount(), oldRows);
}

void TSortGrid::SetColCount(int cols) {
    if (cols <= 0) cols = 1;
    const int oldCols = ColCount();
    if (cols == oldCols) return;
    FStore.SetColCount(cols);
    FColWidths.resize(cols, FDefaultColWidth);
    if (FNowUpdating) return;
    ClampToCounts();
    ApplySizeChange(oldCols, RowCount());
}

void TSortGrid::ApplySizeChange(int oldCols, int oldRows) {
    SetModified(true);
    UpdateProportionalScrollBars();
    if (SortOptions.UpdateOnSizeChange) SortByColumn(SortOptions.SortCol);
    try {
        GoToCell(0, 1, true);
    } catch (...) {
        // A refused or impossible first cell leaves the current cell where it is.
    }
    if (RowCount() < 2) {
        // Not modal: the grid keeps its new size and the caller goes on.
        auto* box = new QMessageBox(QMessageBox::Warning, QApplication::applicationName(),
                                    QStringLiteral("Rowsize too small"), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
    if (OnSizeChanged) OnSizeChanged(this, oldCols, oldRows);
}

// Brings current cell, anchor, selection and scroll position inside the counts.
void TSortGrid::ClampToCounts() {
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    const int firstRow = FixedRows();
    FColWidths.resize(ColCount(), FDefaultColWidth);
    FCol = std::clamp(FCol, 0, lastCol);
    FAnchorCol = std::clamp(FAnchorCol, 0, lastCol);
    FRow = std::clamp(FRow, firstRow, lastRow);
    FAnchorRow = std::clamp(FAnchorRow, firstRow, lastRow);
    for (int& r : FSelectedRows)
        r = std::clamp(r, firstRow, lastRow);
    for (int& r : FAnchorRows)
        r = std::clamp(r, firstRow, lastRow);
    FTopRow = std::clamp(FTopRow, 1, MaxTopRow());
    FLeftCol = std::clamp(FLeftCol, 0, MaxLeftCol());
    UpdateScrollBars();
    UpdateEditor();
    viewport()->update();
}

int TSortGrid::ColWidths(int col) const {
    if (col < 0 || col >= static_cast<int>(FColWidths.size())) return FDefaultColWidth;
    return FColWidths[col];
}

void TSortGrid::SetColWidths(int col, int width) {
    if (col < 0 || col >= ColCount()) return;
    if (FColWidths[col] == width) return;
    FColWidths[col] = width;
    FLeftCol = std::clamp(FLeftCol, 0, MaxLeftCol());
    UpdateScrollBars();
    UpdateEditor();
    viewport()->update();
    if (OnColumnWidthsChanged) OnColumnWidthsChanged(this);
    UpdateProportionalScrollBars();
}

int TSortGrid::RowHeights(int row) const {
    const auto it = FRowHeights.find(row);
    return it == FRowHeights.end() ? FDefaultRowHeight : it->second;
}

void TSortGrid::SetRowHeights(int row, int height) {
    if (row < 0 || row >= RowCount()) return;
    if (RowHeights(row) == height) return;
    if (height == FDefaultRowHeight)
        FRowHeights.erase(row);
    else
        FRowHeights[row] = height;
    FTopRow = std::clamp(FTopRow, 1, MaxTopRow());
    UpdateScrollBars();
    UpdateEditor();
    viewport()->update();
    if (OnRowHeightsChanged) OnRowHeightsChanged(this);
    UpdateProportionalScrollBars();
}

void TSortGrid::SetDefaultColWidth(int width) {
    FDefaultColWidth = width;
    std::fill(FColWidths.begin(), FColWidths.end(), width);
    ClampToCounts();
}

void TSortGrid::SetDefaultRowHeight(int height) {
    FDefaultRowHeight = height;
    FRowHeights.clear();
    ClampToCounts();
}

void TSortGrid::SetGridLineWidth(int width) {
    FGridLineWidth = std::max(0, width);
    ClampToCounts();
}

int TSortGrid::ClientWidth() const {
    // Worked out from the frame and the bar instead of read from the viewport,
    // so that it is right for a grid that has not been shown yet.
    int w = contentsRect().width();
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) w -= verticalScrollBar()->sizeHint().width();
    return std::max(0, w);
}

int TSortGrid::ClientHeight() const {
    int h = contentsRect().height();
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) h -= horizontalScrollBar()->sizeHint().height();
    return std::max(0, h);
}

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

// ---------------------------------------------------------------- look

void TSortGrid::SetOptions(TGridOptions options) {
    if (options.testFlag(goRowSelect)) options &= ~TGridOptions(goAlwaysShowEditor);
    FOptions = options;
    if (!CanEditShow() && FEditorMode) HideEditor();
    if (FOptions.testFlag(goAlwaysShowEditor) && CanEditShow()) ShowEditor();
    if (!FOptions.testFlag(goRangeSelect)) {
        FAnchorCol = FCol;
        FAnchorRow = FRow;
    }
    ClampToCounts();
}

void TSortGrid::SetColor(TColor color) {
    FColor = color;
    viewport()->update();
}

void TSortGrid::SetFixedColor(TColor color) {
    FFixedColor = color;
    viewport()->update();
}

void TSortGrid::SetAlignmentHorz(TAlignment a) {
    FAlignmentHorz = a;
    Repaint();
}

void TSortGrid::SetAlignmentVert(TVertAlignment a) {
    FAlignmentVert = a;
    Repaint();
}

void TSortGrid::SetBevelStyle(TCellBevelStyle style) {
    FBevelStyle = style;
    Repaint();
}

void TSortGrid::SetHideRows(bool hide) {
    FHideRows = hide;
    if (RowCount() > 1) SetCurrentRow(1);
    Repaint();
}

void TSortGrid::Repaint() {
    viewport()->update();
}

void TSortGrid::InvalidateCell(int col, int row) {
    const QRect r = CellRect(col, row);
    if (!r.isEmpty()) viewport()->update(r.adjusted(-1, -1, 1, 1));
}

void TSortGrid::InvalidateRow(int row) {
    const int y = RowY(row);
    if (y < 0 || y >= ClientHeight()) return;
    viewport()->update(QRect(0, y - 1, viewport()->width(), RowHeights(row) + 2));
}

void TSortGrid::InvalidateCol(int col) {
    const int x = ColumnX(col);
    if (x < 0 || x >= ClientWidth()) return;
    viewport()->update(QRect(x - 1, 0, ColWidths(col) + 2, viewport()->height()));
}

// ---------------------------------------------------------------- state

void TSortGrid::SetModified(bool modified) {
    FModified = modified;
    if (modified && OnModified) OnModified(this);
}

void TSortGrid::SetUserSettings(const QStringList& settings) {
    FUserSettings = settings;
    SetModified(true);
}

void TSortGrid::BeginUpdate() {
    // The mode does not nest; a second BeginUpdate must not save the cleared
    // UpdateOnSizeChange over the caller's setting.
    if (!FNowUpdating) {
        FNowUpdating = true;
        FSavedUpdateOnSizeChange = SortOptions.UpdateOnSizeChange;
        SortOptions.UpdateOnSizeChange = false;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    if (OnBeginUpdate) OnBeginUpdate(this);
}

// Nothing is painted while a bulk update runs on this thread; the single
// repaint comes from the invalidation here once control returns to the loop.
void TSortGrid::EndUpdate() {
    if (FNowUpdating) {
        FNowUpdating = false;
        SortOptions.UpdateOnSizeChange = FSavedUpdateOnSizeChange;
        QApplication::restoreOverrideCursor();
        // Counts changed during the update take effect now: extents, current
        // cell, selection and scroll range follow them. The size-change
        // handling itself is not run for them.
        ClampToCounts();
    }
    viewport()->update();
    if (OnEndUpdate) OnEndUpdate(this);
}

void TSortGrid::SetMultiSelect(bool on) {
    FMultiSelect = on;
    if (on) SetOptions(FOptions | goRowSelect);
    Repaint();
}

bool TSortGrid::HasGridFocus() const {
    return hasFocus() || (FEditor && FEditor->hasFocus()) || (FComboList && FComboList->hasFocus());
}

} // namespace zn
