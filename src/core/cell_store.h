#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace zn {

// The text cells of a grid, addressed by (column, row), both from 0.
//
// Only rows that hold at least one non-empty text take storage, and inside a
// row only its non-empty cells: a grid of 1,000,000 rows with ten texts holds
// ten cells. Writing the empty text erases the cell (and the row once it has no
// cell left), so a cleared grid shrinks back.
//
// The counts are bookkeeping only and separate from the data: cells beyond
// ColCount or RowCount are kept and read back, which is how a filtered grid
// parks its hidden rows behind RowCount. The row and column operations shift
// every stored row or cell, also those beyond the counts, so parked rows keep
// their place relative to RowCount.
class TCellStore {
public:
    TCellStore() = default;
    TCellStore(int colCount, int rowCount);

    // The stored text; the empty text for a cell never written and for any
    // negative index.
    QString Cell(int col, int row) const;
    // Negative indices are ignored.
    void SetCell(int col, int row, const QString& text);

    int RowCount() const { return FRowCount; }
    void SetRowCount(int rows) {
        rows = rows < 0 ? 0 : rows;
        if (rows != FRowCount) ++FChangeCount;
        FRowCount = rows;
    }
    int ColCount() const { return FColCount; }
    void SetColCount(int cols) {
        cols = cols < 0 ? 0 : cols;
        if (cols != FColCount) ++FChangeCount;
        FColCount = cols;
    }

    // Grows with every change of a text, a count or the order of the rows (a
    // write of the text a cell already holds is no change), so a reader can
    // tell whether the contents changed since it last looked.
    std::uint64_t ChangeCount() const { return FChangeCount; }

    // Cells 0 .. colCount - 1 of a row (any row, also beyond RowCount).
    QStringList Row(int row, int colCount) const;
    QStringList Row(int row) const { return Row(row, FColCount); }
    // Writes texts 0 .. min(texts.size(), colCount) - 1 into columns 0 .. of the
    // row and leaves the remaining cells unchanged.
    void AssignRow(int row, const QStringList& texts, int colCount);
    void AssignRow(int row, const QStringList& texts) { AssignRow(row, texts, FColCount); }
    // Empties every stored cell of the row, also those beyond ColCount.
    void ClearRow(int row);
    // Cells of rows 0 .. rows - 1 in one column.
    QStringList Column(int col, int rows) const;
    // Empties the column's cells in rows 0 .. rows - 1.
    void ClearColumn(int col, int rows);
    // True when columns 0 .. colCount - 1 of the row hold no text.
    bool IsRowEmpty(int row, int colCount) const;
    bool IsRowEmpty(int row) const { return IsRowEmpty(row, FColCount); }
    // Forgets every cell; the counts stay.
    void Clear();

    // Row operations. Every stored row at or after the position shifts, also
    // rows beyond RowCount; RowCount follows when the position lies inside it.
    void InsertRow(int at);
    void DeleteRow(int row);
    // Moves a row to another place; the rows in between shift by one.
    void MoveRow(int from, int to);
    // Exchanges the contents of two rows.
    void SwapRows(int a, int b);
    // Rearranges rows first .. first + order.size() - 1 so that row first + n
    // receives the old row order[n]. order must be a permutation of exactly
    // those rows; rows outside the range are not touched. Each row moves once.
    // An order that is not such a permutation changes nothing and gives false.
    bool ApplyRowOrder(int first, const std::vector<int>& order);

    // Column operations, the same way across every stored row.
    void InsertColumn(int at);
    void DeleteColumn(int col);
    void MoveColumn(int from, int to);

    // Storage actually held, for tests and diagnostics.
    std::size_t AllocatedRows() const { return FRows.size(); }
    std::size_t AllocatedCells() const;
    // Highest stored row + 1 (0 when nothing is stored).
    int StoredRowExtent() const { return FRows.empty() ? 0 : FRows.rbegin()->first + 1; }

private:
    // A row's non-empty cells, ordered by column. Rows of the lists hold 6 or
    // 11 cells, so a sorted vector beats a tree for size and speed.
    using TRowCells = std::vector<std::pair<int, QString>>;
    using TRows = std::map<int, TRowCells>;

    static const QString* FindCell(const TRowCells& cells, int col);
    // Adds delta to the key of every stored row at or after `from`.
    void ShiftRows(int from, int delta);
    // Moves the rows in [lo, hi] one place: up (towards lo) or down.
    void RotateRows(int from, int to);

    TRows FRows;
    int FColCount = 5;
    int FRowCount = 5;
    std::uint64_t FChangeCount = 0;
};

} // namespace zn
