#include "core/grid_filter.h"

#include <limits>
#include <vector>

namespace zn {

bool CanStartFilter(const TCellStore& store) {
    return store.RowCount() >= 2 && !store.IsRowEmpty(1);
}

int FilterRows(TCellStore& store, const TRowAccept& accept) {
    const int rowCount = store.RowCount();
    std::vector<int> accepted;
    std::vector<int> rejected;
    for (int row = 1; row < rowCount; ++row) {
        if (accept && accept(store.Row(row)))
            accepted.push_back(row);
        else
            rejected.push_back(row);
    }
    if (rejected.empty()) return 0;

    std::vector<int> order = accepted;
    order.insert(order.end(), rejected.begin(), rejected.end());
    store.ApplyRowOrder(1, order);

    const int hidden = static_cast<int>(rejected.size());
    if (accepted.empty()) {
        // A fresh row, not whatever lies behind RowCount: that may be text
        // written beyond the count, which must stay where it was.
        store.InsertRow(1);
        store.SetRowCount(2);
    } else {
        store.SetRowCount(rowCount - hidden);
    }
    return hidden;
}

void UnfilterRows(TCellStore& store, int hidden) {
    if (hidden <= 0) return;
    store.SetRowCount(store.RowCount() + hidden);
    // Empty in every column, also beyond ColCount, so no text is lost with it.
    if (store.RowCount() > 2 && store.IsRowEmpty(1, std::numeric_limits<int>::max())) store.DeleteRow(1);
}

} // namespace zn
