#pragma once

#include "core/cell_store.h"

#include <QStringList>

#include <functional>

namespace zn {

// Filtering of a grid's data rows without a window. The rejected rows are not
// dropped: they are parked right behind RowCount in the store, in their
// order, and come back at the end when the filter is switched off. Because
// the store's row operations shift parked rows along, a row inserted or
// deleted while filtered leaves them intact.

// Receives a data row's texts by column (ColCount of them); true keeps it.
using TRowAccept = std::function<bool(const QStringList& row)>;

// Filtering starts only with something in row 1: a grid that shows nothing
// has nothing to filter.
bool CanStartFilter(const TCellStore& store);

// Keeps the accepted data rows in rows 1, 2, ... in their order and parks the
// rejected ones behind the new RowCount. Without an accept function no row
// passes. When none passes, an empty row 1 is put in front of the parked rows
// and RowCount becomes 2, so the grid keeps one data row. Returns the number
// of rows parked (the hidden count).
int FilterRows(TCellStore& store, const TRowAccept& accept);

// Brings `hidden` parked rows back behind the visible ones (RowCount grows by
// hidden) and deletes row 1 when it is then entirely empty, which removes the
// place holder of a filter that hid every row. Nothing happens for hidden <= 0.
void UnfilterRows(TCellStore& store, int hidden);

} // namespace zn
