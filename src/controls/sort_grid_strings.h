#pragma once

#include <QString>
#include <QStringList>

namespace zn {

class TSortGrid;

// One row (cells by column) or one column (cells by row) of a grid, read and
// written straight through to the grid: a write repaints the cell like SetCell.
// Cheap to copy; it holds only the grid and the index, so it stays valid while
// the grid lives and always shows the current contents.
class TGridStrings {
public:
    enum TKind { kRow, kColumn };

    TGridStrings(TSortGrid* grid, TKind kind, int index) : FGrid(grid), FKind(kind), FIndex(index) {}

    // A row has ColCount entries, a column RowCount.
    int Count() const;
    QString Strings(int index) const;
    QString operator[](int index) const { return Strings(index); }
    void SetStrings(int index, const QString& text);

    // A row: every stored cell of it, also beyond ColCount. A column: its cells
    // in rows 0 .. RowCount - 1, header included.
    void Clear();
    // Writes entries 0 .. min(source count, Count()) - 1 into cells 0 .. and
    // leaves the remaining cells unchanged.
    void Assign(const QStringList& source);
    void Assign(const TGridStrings& source) { Assign(source.ToStringList()); }

    QStringList ToStringList() const;
    operator QStringList() const { return ToStringList(); }

private:
    TSortGrid* FGrid;
    TKind FKind;
    int FIndex;
};

} // namespace zn
