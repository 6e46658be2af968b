#include "controls/sort_grid.h"

#include <QHeaderView>

namespace zn {

TSortGrid::TSortGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(24);
    setColumnCount(5);
    setRowCount(5);
}

QString TSortGrid::GetCell(int col, int row) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void TSortGrid::SetCell(int col, int row, const QString& text) {
    if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount()) return;
    if (QTableWidgetItem* it = item(row, col)) {
        it->setText(text);
    } else {
        setItem(row, col, new QTableWidgetItem(text));
    }
}

void TSortGrid::SetRowCount(int rows) { setRowCount(rows <= 0 ? 1 : rows); }

void TSortGrid::SetColCount(int cols) { setColumnCount(cols); }

}  // namespace zn
