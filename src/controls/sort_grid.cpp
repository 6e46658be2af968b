#include "controls/sort_grid.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>

#include <algorithm>

// Resources of a static library are registered by hand.
static void InitControlsResources() {
    Q_INIT_RESOURCE(controls);
}

namespace zn {

namespace {
constexpr TGridOptions kDefaultOptions =
    TGridOptions(goFixedVertLine) | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
} // namespace

TSortGrid::TSortGrid(QWidget* parent)
    : QAbstractScrollArea(parent), FOwnStore(5, 5), FOptions(kDefaultOptions) {
    InitControlsResources();
    FColWidths.assign(FStore->ColCount(), FDefaultColWidth);
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

// The drop-down list may live on the window while open; it goes with the grid.
TSortGrid::~TSortGrid() {
    FEditor->removeEventFilter(this);
    FComboList->viewport()->removeEventFilter(this);
    FComboList->removeEventFilter(this);
    delete FComboList;
}

// ---------------------------------------------------------------- cells

QString TSortGrid::GetCell(int col, int row) const {
    return FStore->Cell(col, row);
}

QString TSortGrid::ShownCell(int col, int row) const {
    const QString text = GetCell(col, row);
    if (row != 0 || text.isEmpty()) return text;
    return QCoreApplication::translate("ListHeaders", text.toUtf8().constData());
}

void TSortGrid::SetCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0) return;
    FStore->SetCell(col, row, text);
    InvalidateCell(col, row);
    if (col == FCol && row == FRow && FEditorMode && !FInEditorUpdate) UpdateEditor();
}

void TSortGrid::EditCell(int col, int row, const QString& text) {
    const QString old = GetCell(col, row);
    SetCell(col, row, text);
    if (OnCellEdited && old != text) OnCellEdited(this, col, row, old);
}

// ---------------------------------------------------------------- the store

void TSortGrid::SetStore(TCellStore* store) {
    HideEditor();
    FStore = store ? store : &FOwnStore;
    ClampToCounts();
}

void TSortGrid::StoreChanged() {
    // A bulk update catches up at its end.
    if (FNowUpdating) return;
    ClampToCounts();
}

void TSortGrid::StoreRowRemoved(int row, int oldRowCount) {
    SetModified(true);
    FollowRowRemoval(row, oldRowCount);
}

// ---------------------------------------------------------------- size

void TSortGrid::SetRowCount(int rows) {
    if (rows <= 0) rows = 1;
    const int oldRows = RowCount();
    if (rows == oldRows) return;
    FStore->SetRowCount(rows);
    // During a bulk update only the count is recorded; EndUpdate catches up.
    if (FNowUpdating) return;
    ClampToCounts();
    ApplySizeChange(ColCount(), oldRows);
}

void TSortGrid::SetColCount(int cols) {
    if (cols <= 0) cols = 1;
    const int oldCols = ColCount();
    if (cols == oldCols) return;
    FStore->SetColCount(cols);
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
                                    tr("Rowsize too small"), QMessageBox::Ok, this);
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
