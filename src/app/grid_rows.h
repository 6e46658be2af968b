#pragma once

#include "core/protocol_row.h"

namespace zn {

class TSortGrid;

// The lists' rules work on snapshots of the grids (core ListRows); these write
// the results back.

// Writes the texts of one row into the grid, touching only cells that change,
// so an open cell editor keeps its place and nothing repaints for nothing.
void WriteGridRow(TSortGrid* grid, int row, const QStringList& cells);

// Replaces the whole contents: the old rows are emptied (the grid keeps cells
// beyond its row count, which would come back when it grows), the row count
// becomes the list's size and the rows are written, all in one bulk update.
void ReplaceGridRows(TSortGrid* grid, const ListRows& rows);

// Writes the rows of a list of the same size back, cell by cell.
void WriteGridRows(TSortGrid* grid, const ListRows& rows);

} // namespace zn
