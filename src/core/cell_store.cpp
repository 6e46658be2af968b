#include "core/cell_store.h"

#include <algorithm>

namespace zn {

namespace {

using TCell = std::pair<int, QString>;

bool ColumnLess(const TCell& cell, int col) {
    return cell.first < col;
}

} // namespace

TCellStore::TCellStore(int colCount, int rowCount) {
    SetColCount(colCount);
    SetRowCount(rowCount);
}

const QString* TCellStore::FindCell(const TRowCells& cells, int col) {
    auto it = std::lower_bound(cells.begin(), cells.end(), col, ColumnLess);
    return it != cells.end() && it->first == col ? &it->second : nullptr;
}

QString TCellStore::Cell(int col, int row) const {
    if (col < 0 || row < 0) return {};
    auto r = FRows.find(row);
    if (r == FRows.end()) return {};
    const QString* text = FindCell(r->second, col);
    return text ? *text : QString();
}

void TCellStore::SetCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0) return;
    auto r = FRows.find(row);
    if (text.isEmpty()) {
        if (r == FRows.end()) return;
        TRowCells& cells = r->second;
        auto it = std::lower_bound(cells.begin(), cells.end(), col, ColumnLess);
        if (it == cells.end() || it->first != col) return;
        cells.erase(it);
        if (cells.empty()) FRows.erase(r);
        ++FChangeCount;
        return;
    }
    if (r == FRows.end()) r = FRows.emplace(row, TRowCells{}).first;
    TRowCells& cells = r->second;
    auto it = std::lower_bound(cells.begin(), cells.end(), col, ColumnLess);
    if (it != cells.end() && it->first == col) {
        if (it->second == text) return;
        it->second = text;
    } else {
        cells.emplace(it, col, text);
    }
    ++FChangeCount;
}

QStringList TCellStore::Row(int row, int colCount) const {
    QStringList texts;
    if (colCount <= 0) return texts;
    texts.reserve(colCount);
    for (int c = 0; c < colCount; ++c)
        texts.append(QString());
    auto r = row < 0 ? FRows.end() : FRows.find(row);
    if (r == FRows.end()) return texts;
    for (const TCell& cell : r->second) {
        if (cell.first >= colCount) break;
        texts[cell.first] = cell.second;
    }
    return texts;
}

void TCellStore::AssignRow(int row, const QStringList& texts, int colCount) {
    const int n = std::min<qsizetype>(texts.size(), std::max(colCount, 0));
    for (int c = 0; c < n; ++c)
        SetCell(c, row, texts[c]);
}

void TCellStore::ClearRow(int row) {
    FRows.erase(row);
    ++FChangeCount;
}

QStringList TCellStore::Column(int col, int rows) const {
    QStringList texts;
    if (rows <= 0) return texts;
    texts.resize(rows);
    if (col < 0) return texts;
    // One walk over the stored rows instead of a look-up per row.
    for (auto r = FRows.begin(); r != FRows.end() && r->first < rows; ++r) {
        if (const QString* text = FindCell(r->second, col)) texts[r->first] = *text;
    }
    return texts;
}

void TCellStore::ClearColumn(int col, int rows) {
    if (col < 0) return;
    ++FChangeCount;
    // Walk the stored rows, not the count: a column of a huge, nearly empty
    // grid costs what it holds.
    for (auto r = FRows.begin(); r != FRows.end() && r->first < rows;) {
        TRowCells& cells = r->second;
        auto it = std::lower_bound(cells.begin(), cells.end(), col, ColumnLess);
        if (it != cells.end() && it->first == col) cells.erase(it);
        r = cells.empty() ? FRows.erase(r) : std::next(r);
    }
}

bool TCellStore::IsRowEmpty(int row, int colCount) const {
    auto r = FRows.find(row);
    if (r == FRows.end()) return true;
    return r->second.empty() || r->second.front().first >= colCount;
}

void TCellStore::Clear() {
    FRows.clear();
    ++FChangeCount;
}

std::size_t TCellStore::AllocatedCells() const {
    std::size_t n = 0;
    for (const auto& r : FRows)
        n += r.second.size();
    return n;
}

void TCellStore::ShiftRows(int from, int delta) {
    if (delta == 0) return;
    auto first = FRows.lower_bound(from);
    if (first == FRows.end()) return;
    // Re-key through node handles: the cells themselves are not copied. Going
    // against the direction of the shift never lets a key collide.
    std::vector<TRows::node_type> nodes;
    for (auto it = first; it != FRows.end();) {
        auto next = std::next(it);
        nodes.push_back(FRows.extract(it));
        it = next;
    }
    for (auto& node : nodes) {
        node.key() += delta;
        FRows.insert(std::move(node));
    }
}

void TCellStore::RotateRows(int from, int to) {
    if (from == to || from < 0 || to < 0) return;
    TRows::node_type moving = FRows.extract(from);
    const int lo = std::min(from, to);
    const int hi = std::max(from, to);
    const int delta = from < to ? -1 : 1;
    std::vector<TRows::node_type> nodes;
    for (auto it = FRows.lower_bound(lo); it != FRows.end() && it->first <= hi;) {
        auto next = std::next(it);
        nodes.push_back(FRows.extract(it));
        it = next;
    }
    for (auto& node : nodes) {
        node.key() += delta;
        FRows.insert(std::move(node));
    }
    if (!moving.empty()) {
        moving.key() = to;
        FRows.insert(std::move(moving));
    }
}

void TCellStore::InsertRow(int at) {
    if (at < 0) return;
    ++FChangeCount;
    ShiftRows(at, 1);
    if (at <= FRowCount) ++FRowCount;
}

void TCellStore::DeleteRow(int row) {
    if (row < 0) return;
    ++FChangeCount;
    FRows.erase(row);
    ShiftRows(row + 1, -1);
    if (row < FRowCount) --FRowCount;
}

void TCellStore::MoveRow(int from, int to) {
    RotateRows(from, to);
    ++FChangeCount;
}

void TCellStore::SwapRows(int a, int b) {
    if (a == b || a < 0 || b < 0) return;
    ++FChangeCount;
    auto na = FRows.extract(a);
    auto nb = FRows.extract(b);
    if (!na.empty()) {
        na.key() = b;
        FRows.insert(std::move(na));
    }
    if (!nb.empty()) {
        nb.key() = a;
        FRows.insert(std::move(nb));
    }
}

bool TCellStore::ApplyRowOrder(int first, const std::vector<int>& order) {
    if (first < 0) return false;
    const int count = static_cast<int>(order.size());
    // A row named twice would leave another one behind and lose it.
    std::vector<bool> seen(order.size(), false);
    for (int old : order) {
        if (old < first || old - first >= count || seen[old - first]) return false;
        seen[old - first] = true;
    }
    ++FChangeCount;
    // Take the range out whole, then put each row back under its new number.
    std::vector<TRows::node_type> taken(order.size());
    for (auto it = FRows.lower_bound(first); it != FRows.end() && it->first - first < count;) {
        auto next = std::next(it);
        taken[it->first - first] = FRows.extract(it);
        it = next;
    }
    for (int n = 0; n < count; ++n) {
        TRows::node_type& node = taken[order[n] - first];
        if (node.empty()) continue;
        node.key() = first + n;
        FRows.insert(std::move(node));
    }
    return true;
}

void TCellStore::InsertColumn(int at) {
    if (at < 0) return;
    ++FChangeCount;
    for (auto& [row, cells] : FRows) {
        auto it = std::lower_bound(cells.begin(), cells.end(), at, ColumnLess);
        for (; it != cells.end(); ++it)
            ++it->first;
    }
    if (at <= FColCount) ++FColCount;
}

void TCellStore::DeleteColumn(int col) {
    if (col < 0) return;
    ++FChangeCount;
    for (auto r = FRows.begin(); r != FRows.end();) {
        TRowCells& cells = r->second;
        auto it = std::lower_bound(cells.begin(), cells.end(), col, ColumnLess);
        if (it != cells.end() && it->first == col) it = cells.erase(it);
        for (; it != cells.end(); ++it)
            --it->first;
        r = cells.empty() ? FRows.erase(r) : std::next(r);
    }
    if (col < FColCount) --FColCount;
}

void TCellStore::MoveColumn(int from, int to) {
    if (from == to || from < 0 || to < 0) return;
    ++FChangeCount;
    const int lo = std::min(from, to);
    const int hi = std::max(from, to);
    const int delta = from < to ? -1 : 1;
    for (auto& [row, cells] : FRows) {
        auto begin = std::lower_bound(cells.begin(), cells.end(), lo, ColumnLess);
        auto end = std::lower_bound(begin, cells.end(), hi + 1, ColumnLess);
        for (auto it = begin; it != end; ++it)
            it->first = it->first == from ? to : it->first + delta;
        // Only the moved cell is out of place; the others kept their order.
        std::stable_sort(begin, end, [](const TCell& a, const TCell& b) { return a.first < b.first; });
    }
}

} // namespace zn
