#pragma once

#include "core/competition/competition_model.h"

#include <array>

namespace zn {

class TSortGrid;

// The window's four list grids as the views of the model's lists: they show
// the model's stores and follow its changes.
class TListGrids : public IListView {
public:
    explicit TListGrids(const std::array<TSortGrid*, 5>& grids) : grids_(grids) {}
    void ListChanged(int list) override;
    void RowRemoved(int list, int row, int oldRowCount) override;
    void ArrangeRows(int list, int col) override;

private:
    TSortGrid* Grid(int list) const;
    std::array<TSortGrid*, 5> grids_; // entries 1-4
};

} // namespace zn
