#include "core/ranking.h"

#include <algorithm>

namespace zn {

void SortListRows(ListRows& rows, const std::vector<RowSortKey>& keys, bool descending) {
    if (rows.size() < 3 || keys.empty()) return;
    auto before = [&](const QStringList& x, const QStringList& y) {
        for (const RowSortKey& key : keys) {
            int c = key.compare(CellOf(x, key.col), CellOf(y, key.col));
            if (descending) c = -c;
            if (c != 0) return c < 0;
        }
        return false;
    };
    std::stable_sort(rows.begin() + 1, rows.end(), before);
}

int CompareResultCells(int col, const QString& a, const QString& b, QChar separator) {
    if (col == rc::Platz || col >= rc::Uebungszeit) return CompareTimes(a, b, separator);
    return CompareNumericStyle(a, b, separator);
}

TSortStyle ProtocolSortStyle(int col, TSortOptions& options, QChar separator) {
    if (col < pc::Qualified || col > pc::Bestzeit) return ssNumeric;
    options.CompareProc = [col, separator](const QString& a, const QString& b) {
        return CompareProtocolCells(col, a, b, separator);
    };
    return ssCustom;
}

TSortStyle ResultSortStyle(int col, TSortOptions& options, QChar separator) {
    options.CompareProc = [col, separator](const QString& a, const QString& b) {
        return CompareResultCells(col, a, b, separator);
    };
    return ssCustom;
}

void NumberPlaces(ListRows& rows, int colCount) {
    if (colCount <= 0) return;
    int place = 0;
    for (int r = 1; r < rows.size(); ++r) {
        QStringList& row = rows[r];
        EnsureColumns(row, colCount);
        row[rc::Platz] = IsBlank(row.at(colCount - 1)) ? QString() : QString::number(++place);
    }
}

void RerankRows(ListRows& rows, int colCount, int sortCol, bool descending, QChar separator) {
    const RowSortKey key{sortCol, [sortCol, separator](const QString& a, const QString& b) {
                             return CompareResultCells(sortCol, a, b, separator);
                         }};
    SortListRows(rows, {key}, descending);
    NumberPlaces(rows, colCount);
}

} // namespace zn
