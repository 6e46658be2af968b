#include "app/list_views.h"

#include "controls/sort_grid.h"

namespace zn {

TSortGrid* TListGrids::Grid(int list) const {
    return list >= 1 && list <= 4 ? grids_[static_cast<size_t>(list)] : nullptr;
}

void TListGrids::ListChanged(int list) {
    if (TSortGrid* grid = Grid(list)) grid->StoreChanged();
}

void TListGrids::RowRemoved(int list, int row, int oldRowCount) {
    if (TSortGrid* grid = Grid(list)) grid->StoreRowRemoved(row, oldRowCount);
}

void TListGrids::ArrangeRows(int list, int col) {
    TSortGrid* grid = Grid(list);
    if (!grid) return;
    grid->SortByColumn(col == kShownOrder ? grid->SortOptions.SortCol : col);
}

} // namespace zn
