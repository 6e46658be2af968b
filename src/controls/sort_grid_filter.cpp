#include "controls/sort_grid.h"
#include "core/grid_filter.h"

#include <QLocale>

namespace zn {

TSortStyle TSortGrid::DetectSortStyle(int col) const {
    return zn::DetectSortStyle(*FStore, col, QLocale());
}

// Sorts the data rows under bulk update, so the screen is redrawn once. The
// current cell stays on its data and is scrolled into view, marked rows keep
// their marks, and an edit in progress goes on in the row it was made in. No
// cell is selected anew: the operator is still on the same team.
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
        result = SortRows(*FStore, SortOptions, col, FSelectedRows, events, QLocale());
        if (result.Sorted) {
            // Order[n] is the old row now at n + 1; turned round, old row -> new row.
            std::vector<int> newRow(result.Order.size() + 1, 0);
            for (std::size_t n = 0; n < result.Order.size(); ++n)
                newRow[result.Order[n]] = static_cast<int>(n) + 1;
            FollowRows(
                [&newRow](int r) { return r >= 1 && r < static_cast<int>(newRow.size()) ? newRow[r] : r; });
            ClampRowInView(FRow);
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
    if (on && !CanStartFilter(*FStore)) return;
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

// Filtering rearranges the rows wholesale, so no row number can be followed:
// the current cell keeps its number, and an edit in progress is dropped
// rather than validated against the row that now stands in its place.
void TSortGrid::ForgetRows() {
    FollowRows([](int r) { return r == 0 ? 0 : -1; });
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
    FHiddenRows = FilterRows(*FStore, accept);
    ForgetRows();
    if (FHiddenRows < dataRows) SortByColumn(SortOptions.SortCol);
    ClampToCounts();
    GoToCell(0, 1, true);
}

void TSortGrid::FilterOff() {
    UnfilterRows(*FStore, FHiddenRows);
    ForgetRows();
    FHiddenRows = 0;
    SortByColumn(SortOptions.SortCol);
    ClampToCounts();
}

} // namespace zn
