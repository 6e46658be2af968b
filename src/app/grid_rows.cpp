#include "app/grid_rows.h"

#include "controls/sort_grid.h"

#include <algorithm>

namespace zn {

void WriteGridRow(TSortGrid* grid, int row, const QStringList& cells) {
    const int cols = std::min(static_cast<int>(cells.size()), grid->ColCount());
    for (int c = 0; c < cols; ++c) {
        if (grid->GetCell(c, row) != cells.at(c)) grid->SetCell(c, row, cells.at(c));
    }
}

void WriteGridRows(TSortGrid* grid, const ListRows& rows) {
    for (int r = 0; r < rows.size(); ++r)
        WriteGridRow(grid, r, rows.at(r));
}

void ReplaceGridRows(TSortGrid* grid, const ListRows& rows) {
    // A bulk update also keeps the grid from warning about a list that is
    // left with its header only (a qualification without marked teams).
    grid->BeginUpdate();
    for (int r = 1; r < grid->RowCount(); ++r)
        grid->RowStrings(r).Clear();
    grid->SetRowCount(std::max(1, static_cast<int>(rows.size())));
    WriteGridRows(grid, rows);
    grid->EndUpdate();
}

} // namespace zn
