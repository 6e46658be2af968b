#pragma once

#include "controls/sort_grid_strings.h"
#include "controls/sort_grid_types.h"
#include "core/cell_store.h"
#include "core/sort_engine.h"

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QPoint>
#include <QStringList>

#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

class QFontMetrics;
class QLineEdit;
class QListWidget;
class QMenu;
class QPainter;

namespace zn {

class TSortGrid;

// A fault of the grid's own rules ("Grid index out of range", ...).
class EInvalidGridOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TNotifyEvent = std::function<void(TSortGrid* Sender)>;
using TFormatDrawCellEvent =
    std::function<void(TSortGrid* Sender, int Col, int Row, TGridDrawState State,
                       TFormatOptions& FormatOptions, bool& CheckBox, bool& Combobox, bool& Ellipsis)>;
using TGetSortStyleEvent = std::function<void(TSortGrid* Sender, int Col, TSortStyle& SortStyle)>;
using TSetChecked = std::function<void(TSortGrid* Sender, int ACol, int ARow, bool State)>;
using TGetCombobox = std::function<void(TSortGrid* Sender, int ACol, int ARow, QStringList& Strs, int& Width,
                                        int& Height, bool& Sorted)>;
using TSetCombobox = std::function<void(TSortGrid* Sender, int ACol, int ARow, const QString& Str)>;
using TSetEllipsis = std::function<void(TSortGrid* Sender, int ACol, int ARow)>;
using TCellValidateEvent = std::function<void(TSortGrid* Sender, int ACol, int ARow, const QString& OldValue,
                                              QString& NewValue, bool& Valid)>;
using TUpdateGridEvent = std::function<void(TSortGrid* Sender, int ARow)>;
using TSizeChangedEvent = std::function<void(TSortGrid* Sender, int OldColCount, int OldRowCount)>;
using TSetFilterEvent = std::function<void(const QStringList& ARows, bool& Accept)>;
using TBeforeSortEvent = std::function<void(TSortGrid* Sender, int& Col)>;
using TAfterSortEvent = std::function<void(TSortGrid* Sender, int Col)>;
using TSelectCellEvent = std::function<void(TSortGrid* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TSortGrid* Sender, QPainter& Canvas, int ACol, int ARow,
                                          const QRect& Rect, TGridDrawState State)>;
using TKeyPressEvent = std::function<void(TSortGrid* Sender, QChar& Key)>;
using TCellEditedEvent = std::function<void(TSortGrid* Sender, int ACol, int ARow, const QString& OldValue)>;
using TPopupEvent = std::function<void(TSortGrid* Sender, int ACol, int ARow)>;

// The table control of every list: text cells by (column, row), row 0 the
// header, sortable by a click on a header cell, with per-cell formats, check-box,
// drop-down and ellipsis cells, validation of edited cells and filtering.
//
// The grid paints its cells itself from a TCellStore instead of sitting on
// QTableView: its row 0 is a data row of the store that acts as the fixed
// header (sorted around, written by SetCell, exported with the rest), a header
// click must tell the 5-pixel sizing zone from a sort click, the format of every
// cell comes from an event at paint time rather than from a model, the
// in-place editor and the drop-down list follow the current cell and validate
// on leaving it, scroll bars step in rows (optionally proportional), and a
// million-row count must cost nothing until rows are written. A model/view
// table would need a proxy for each of these; a scroll area painting the store
// keeps them in one place.
//
// Events are plain std::function members, called synchronously and skipped when
// empty; out-parameters are preset by the grid.
class TSortGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TSortGrid(QWidget* parent = nullptr);
    ~TSortGrid() override;

    // ---- cells ----
    // Any cell never written, also beyond the counts, reads as the empty text.
    QString GetCell(int col, int row) const;
    // What the grid paints for a cell: the header row holds German data (it is
    // written to the files as it stands) and shows in the console's language;
    // other rows show the cell as stored.
    QString ShownCell(int col, int row) const;
    // Also outside the counts: the text shows once the grid grows to include it.
    void SetCell(int col, int row, const QString& text);
    TGridStrings RowStrings(int row) { return TGridStrings(this, TGridStrings::kRow, row); }
    TGridStrings ColumnStrings(int col) { return TGridStrings(this, TGridStrings::kColumn, col); }
    const TCellStore& Store() const { return *FStore; }
    // The grid shows (and edits, sorts, filters) this store, which it does not
    // own and which must outlive it or be handed back; null: its own again.
    void SetStore(TCellStore* store);
    // The store's owner changed cells or counts: extents, current cell,
    // editor and scroll range follow, and the grid repaints.
    void StoreChanged();
    // ... took out data row `row` (oldRowCount before; a store of one data
    // row only emptied it): the grid follows as after DeleteRow.
    void StoreRowRemoved(int row, int oldRowCount);

    // ---- size ----
    int RowCount() const { return FStore->RowCount(); }
    // Outside a bulk update a new count sets Modified, goes to cell (0, 1)
    // through the selection check (OnSelectCell may refuse) and fires
    // OnSizeChanged; during one only the count is recorded.
    void SetRowCount(int rows);
    int ColCount() const { return FStore->ColCount(); }
    void SetColCount(int cols);
    int FixedRows() const { return RowCount() > 1 ? 1 : 0; }
    int FixedCols() const { return 0; }
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int height);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int width);
    // Width available to the columns inside the frame and the vertical bar.
    int ClientWidth() const;
    int ClientHeight() const;

    // ---- look ----
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions options);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle bars);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor color);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool on) { FDefaultDrawing = on; }
    TAlignment AlignmentHorz() const { return FAlignmentHorz; }
    void SetAlignmentHorz(TAlignment a);
    TVertAlignment AlignmentVert() const { return FAlignmentVert; }
    void SetAlignmentVert(TVertAlignment a);
    TCellBevelStyle BevelStyle() const { return FBevelStyle; }
    void SetBevelStyle(TCellBevelStyle style);
    bool HideRows() const { return FHideRows; }
    void SetHideRows(bool hide);
    bool ProportionalScrollBars() const { return FProportionalScrollBars; }
    void SetProportionalScrollBars(bool on);
    void Repaint();

    // ---- current cell and selection ----
    // Setting moves through the selection check and the click handling (which
    // validates an edited cell); EInvalidGridOperation outside the grid.
    int CurrentCol() const { return FCol; }
    void SetCurrentCol(int col);
    int CurrentRow() const { return FRow; }
    void SetCurrentRow(int row);
    // Setting places anchor (Left, Top) and current cell (Right, Bottom)
    // without the selection check or its events.
    TGridRect SelectionRect() const;
    void SetSelectionRect(const TGridRect& rect);
    int TopRow() const { return FTopRow; }
    void SetTopRow(int row);
    int LeftCol() const { return FLeftCol; }
    void SetLeftCol(int col);
    // Data rows (columns) fully visible from TopRow (LeftCol) on.
    int VisibleRowCount() const;
    int VisibleColCount() const;
    // The cell's rectangle in viewport coordinates; empty when not visible.
    QRect CellRect(int col, int row) const;
    // The cell under a viewport point; false outside every cell.
    bool MouseToCell(QPoint pos, int& col, int& row) const;
    // Both clamp their arguments to the data cells and never fail.
    void GoToCell(int col, int row, bool scroll);
    void ScrollToCell(int col, int row);

    // ---- state ----
    bool Modified() const { return FModified; }
    void SetModified(bool modified);
    void BeginUpdate();
    void EndUpdate();
    bool NowUpdating() const { return FNowUpdating; }
    bool Sorting() const { return FSorting; }
    const std::vector<int>& SelectedRows() const { return FSelectedRows; }
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool on);
    bool ExtendedKeys() const { return FExtendedKeys; }
    void SetExtendedKeys(bool on) { FExtendedKeys = on; }
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }
    const QStringList& UserSettings() const { return FUserSettings; }
    void SetUserSettings(const QStringList& settings);
    bool Filtered() const { return FFiltered; }
    void SetFiltered(bool on);
    int HiddenRowCount() const { return FHiddenRows; }

    // ---- sorting ----
    TSortOptions SortOptions;
    TPrintOptions PrintOptions;
    void SortByColumn(int col);
    TSortStyle DetectSortStyle(int col) const;

    // ---- cell kinds ----
    bool IsCellChecked(int col, int row);
    void SetCellChecked(int col, int row, bool value);
    bool ShowComboBox(int col, int row);
    QListWidget* ComboList() const { return FComboList; }

    // ---- editing ----
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool on);
    QLineEdit* InplaceEditor() const { return FEditor; }

    // A header text too wide for `width` pixels, shortened to end in "..";
    // never shorter than 3 characters, and a 1-character text stays whole.
    static QString FitHeaderText(const QString& text, const QFontMetrics& fm, int width);

    // ---- rows and columns ----
    // At the last data row the new row is appended after it.
    void InsertRow(int row);
    // Never removes the last data row, it only empties it.
    void DeleteRow(int row);
    void InsertColumn(int col);
    void DeleteColumn(int col);
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);
    void SwapRows(int a, int b);
    void AutoSizeColumn(int col, bool force);

    // ---- events ----
    TFormatDrawCellEvent OnGetCellFormat;
    TGetSortStyleEvent OnGetSortStyle;
    TSetChecked OnSetChecked;
    TGetCombobox OnGetComboBox;
    TSetCombobox OnSetComboBox;
    TSetEllipsis OnSetEllipsis;
    TCellValidateEvent OnCellValidate;
    TNotifyEvent OnModified;
    TNotifyEvent OnRowSelected;
    TUpdateGridEvent OnRowInsert;
    TUpdateGridEvent OnRowDelete;
    TUpdateGridEvent OnColumnInsert;
    TUpdateGridEvent OnColumnDelete;
    TNotifyEvent OnColumnWidthsChanged;
    TNotifyEvent OnRowHeightsChanged;
    TSizeChangedEvent OnSizeChanged;
    TSetFilterEvent OnSetFilter;
    TNotifyEvent OnEndUpdate;
    TNotifyEvent OnBeginUpdate;
    TBeforeSortEvent OnBeforeSort;
    TAfterSortEvent OnAfterSort;
    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;
    TKeyPressEvent OnKeyPress;
    // The operator changed a cell's text (typed, picked, ticked, or took a
    // typed text back); OldValue is what it held before.
    TCellEditedEvent OnCellEdited;
    // A right click on a data row, just before PopupMenu opens there: the
    // cell it was opened on, so that its entries act on that row.
    TPopupEvent OnPopup;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnTopLeftChanged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class TGridStrings;

    enum TGridState { gsNormal, gsSelecting, gsColSizing, gsColMoving };

    // sort_grid.cpp
    void ApplySizeChange(int oldCols, int oldRows);
    void ClampToCounts();
    void UpdateScrollBars();
    void UpdateProportionalScrollBars();
    void StretchLastColumn();
    int ColumnX(int col) const; // left edge in viewport coordinates, -1 when scrolled out
    int RowY(int row) const;
    int MaxTopRow() const;
    int MaxLeftCol() const;
    void OnVerticalScroll(int value);
    void OnHorizontalScroll(int value);
    void InvalidateCell(int col, int row);
    void InvalidateRow(int row);
    void InvalidateCol(int col);
    bool HasGridFocus() const;
    void RemapRowHeights(const std::function<int(int)>& newIndex);
    void FollowRows(const std::function<int(int)>& newIndex);
    void FollowRowRemoval(int row, int oldRows);
    // A write on the operator's behalf: SetCell, then OnCellEdited.
    void EditCell(int col, int row, const QString& text);

    // sort_grid_paint.cpp
    void PrepareCanvasFor(int col, int row, TGridDrawState state, TFormatOptions& fo) const;
    TGridDrawState CellState(int col, int row) const;
    void GetCellFormat(int col, int row, TGridDrawState state, TFormatOptions& fo, bool& checkBox,
                       bool& combobox, bool& ellipsis);
    void CellKinds(int col, int row, bool& checkBox, bool& combobox, bool& ellipsis);
    void DrawCell(QPainter& p, int col, int row, const QRect& rect, TGridDrawState state);
    void DrawGridLines(QPainter& p, int lastCol, int lastRow) const;

    // sort_grid_select.cpp
    bool SelectCell(int col, int row);
    bool BaseSelectCell(int col, int row);
    bool MoveCurrent(int col, int row, bool moveAnchor, bool show);
    void ClickHandling();
    void ValidateCell();
    void RememberCell();
    void ClampInView(int col, int row);
    void ClampRowInView(int row);
    void SetMarks(const std::vector<int>& rows);
    void MarkSelectionRows();
    void FireRowSelected();

    // sort_grid_edit.cpp
    void ShowEditor(const QString* initial = nullptr);
    void HideEditor();
    void UpdateEditor();
    void EditorTextEdited(const QString& text);
    bool EditorKeyPress(QKeyEvent* event);
    bool CanEditShow() const;
    void CommitComboList();
    void HideComboList();

    // sort_grid_keys.cpp
    void KeyDown(QKeyEvent* event);
    void KeyPress(QChar& key);
    static bool IsTypedChar(QChar c);
    void TypeAhead(QChar key);
    bool ExtendedKey(QKeyEvent* event);
    void MultiSelectKeyDown(QKeyEvent* event);
    void MultiSelectKeyUp(QKeyEvent* event);
    void SpaceReleased();

    // sort_grid_mouse.cpp
    bool InSizingZone(int x, int& sizingCol) const;
    bool NearColumnEdge(int col, int x, int zone) const;
    QPoint NotePress(QMouseEvent* event, int& col, int& row);
    void BaseMousePress(QMouseEvent* event, int col, int row);
    void BaseMouseRelease(QMouseEvent* event);
    void HeaderSortRelease(QMouseEvent* event, int col, int row);
    void MarkingRelease(QMouseEvent* event, int col, int row);
    void StartRowDrag();

    // sort_grid_filter.cpp
    void FilterOn();
    void FilterOff();
    void ForgetRows();

    TCellStore FOwnStore;
    TCellStore* FStore = &FOwnStore;
    std::vector<int> FColWidths;
    std::map<int, int> FRowHeights; // only rows whose height differs from the default
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FGridLineWidth = 1;
    TGridOptions FOptions;
    TScrollStyle FScrollBars = ssBoth;
    TColor FColor = clWindow;
    TColor FFixedColor = clBtnFace;
    bool FDefaultDrawing = true;
    TAlignment FAlignmentHorz = taLeftJustify;
    TVertAlignment FAlignmentVert = taTopJustify;
    TCellBevelStyle FBevelStyle = cbNone;
    bool FHideRows = false;
    bool FFiltered = false;
    bool FMultiSelect = false;
    bool FProportionalScrollBars = false;
    bool FExtendedKeys = false;
    bool FModified = false;
    bool FNowUpdating = false;
    bool FSavedUpdateOnSizeChange = false;
    bool FSorting = false;
    bool FSelectTracking = true;
    bool FHasFocusNote = false;
    QStringList FUserSettings;
    QMenu* FPopupMenu = nullptr;
    int FHiddenRows = 0;

    int FCol = 0;
    int FRow = 1;
    int FAnchorCol = 0;
    int FAnchorRow = 1;
    int FTopRow = 1;
    int FLeftCol = 0;
    std::vector<int> FSelectedRows;
    std::vector<int> FAnchorRows;

    // The cell remembered for validation.
    int FValCol = 0;
    int FValRow = 1;
    QString FValText;
    bool FValModified = false;

    // Mouse gesture.
    int FPressCol = -1;
    int FPressRow = -1;
    QPoint FPressPoint{-1, -1};
    bool FDragging = false;
    TGridState FGridState = gsNormal;
    int FSizingCol = -1;
    int FSizingOffset = 0;
    int FMoveFrom = -1;
    bool FGestureDone = false; // a column was sized or moved by this press

    bool FTabKeyDown = false;

    bool FEditorMode = false;
    bool FInEditorUpdate = false;
    int FEditCol = -1; // the cell the editor was loaded from
    int FEditRow = -1;
    QString FEditOriginal;
    bool FEditModified = false; // Modified when the editor came to its cell
    int FComboCol = -1;         // the cell an open drop-down list writes into
    int FComboRow = -1;
    QLineEdit* FEditor = nullptr;
    QListWidget* FComboList = nullptr;
    QPixmap FArrowUp;
    QPixmap FArrowDown;
};

} // namespace zn
