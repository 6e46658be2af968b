#pragma once

#include <QTableWidget>

namespace zn {

// Table of text cells addressed by (column, row); row 0 is the header row.
class TSortGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TSortGrid(QWidget* parent = nullptr);

    QString GetCell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    int RowCount() const { return rowCount(); }
    void SetRowCount(int rows);
    int ColCount() const { return columnCount(); }
    void SetColCount(int cols);

    int ColWidths(int col) const { return columnWidth(col); }
    void SetColWidths(int col, int width) { setColumnWidth(col, width); }
    // Width available to the columns, without frame and vertical scroll bar.
    int ClientWidth() const { return viewport()->width(); }

    int CurrentRow() const { return currentRow(); }
    void Repaint() { viewport()->update(); }
};

}  // namespace zn
