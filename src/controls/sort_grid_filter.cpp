#include "controls/sort_grid.h"
#include "core/grid_filter.h"

#include <QLocale>

namespace zn {

TSortStyle TSortGrid::DetectSortStyle(int col) const {
    return zn::DetectSortStyle(FStore, col, QLocale());
}

// Sorts the data rows under bulk update, so the screen is redrawn once. Marked
// rows keep their marks on their data, and the first of them becomes current.
void TSortGrid::SortByColumn(int col) {
    if (!SortOptions.CanSort) return;
    SortOptions.SortCol = col;
    FSorting = true;
    BeginUpdate();
    TSortEvents events;
    int primary = col;
    events.OnBeforeSort = [this, &primary](int& c) {
        if (OnBeforeSort) OnBeforeSort(this, c);
        primary = c;
    };
    // Left empty without a handler: the engine then detects the style itself.
    if (OnGetSortStyle)
        events.OnGetSortStyle = [this](int c, TSortStyle& style) { OnGetSortStyle(this, c, style); };
    TSortResult result;
    try {
        result = SortRows(FStore, SortOptions, col, FSelectedRows, events, QLocale());
        if (result.CurrentRow > 0 && result.CurrentRow < RowCount()) {
            if (result.CurrentRow != FRow) {
                MoveCurrent(FCol, result.CurrentRow, true, true);
                ClickHandling();
            }
            SetMarks(result.SelectedRows);
        }
    } catch (...) {
        FSorting = false;
        SortOptions.CompareProc = nullptr;
        EndUpdate();
        throw;
    }
    FSorting = false;
    if (FEditorMode) UpdateEditor();
    if (OnAfterSort) OnAfterSort(this, primary);
    EndUpdate();
}

// Switching the filter on keeps the accepted rows in their order and parks
// the rejected ones behind RowCount; switching it off brings them back.
void TSortGrid::SetFiltered(bool on) {
    // Filtering again while filtered would park rows over the parked ones.
    if (on == FFiltered) return;
    if (on && !CanStartFilter(FStore)) return;
    if (!on && FHiddenRows == 0) {
        FFiltered = false;
        return;
    }
    const bool savedModified = FModified;
    const bool beganHere = !FNowUpdating;
    if (beganHere) BeginUpdate();
    if (on)
        FilterOn();
    else
        FilterOff();
    FFiltered = on;
    if (beganHere) EndUpdate();
    SetModified(savedModified);
}

void TSortGrid::FilterOn() {
    const int dataRows = RowCount() - 1;
    TRowAccept accept;
    if (OnSetFilter) {
        accept = [this](const QStringList& row) {
            bool accepted = false;
            OnSetFilter(row, accepted);
            return accepted;
        };
    }
    FHiddenRows = FilterRows(FStore, accept);
    if (FHiddenRows < dataRows) SortByColumn(SortOptions.SortCol);
    ClampToCounts();
    GoToCell(0, 1, true);
}

void TSortGrid::FilterOff() {
    UnfilterRows(FStore, FHiddenRows);
    FHiddenRows = 0;
    SortByColumn(SortOptions.SortCol);
    ClampToCounts();
}

} // namespace zn
