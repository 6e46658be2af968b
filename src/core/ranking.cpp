#include "core/ranking.h"

#include "core/result_numbers.h"

#include <algorithm>

namespace zn {

void SortListRows(ListRows& rows, const std::vector<RowSortKey>& keys) {
    if (rows.size() < 3 || keys.empty()) return;
    auto before = [&](const QStringList& x, const QStringList& y) {
        for (const RowSortKey& key : keys) {
            const int c = key.compare(CellOf(x, key.col), CellOf(y, key.col));
            if (c != 0) return c < 0;
        }
        return false;
    };
    std::stable_sort(rows.begin() + 1, rows.end(), before);
}

int CompareResultCells(int col, const QString& a, const QString& b, QChar separator) {
    if (col == rc::Uebungszeit || col == rc::Gesamtzeit) return CompareRunTimes(a, b, separator);
    if (col == rc::Platz || col == rc::Fehler) return CompareTimes(a, b, separator);
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

void NumberPlaces(ListRows& rows, int colCount, QChar separator) {
    if (colCount <= 0 || rows.size() < 2) return;
    const int totalCol = colCount - 1;
    std::stable_partition(rows.begin() + 1, rows.end(), [totalCol, separator](const QStringList& row) {
        return RunSeconds(CellOf(row, totalCol), separator).has_value();
    });
    int place = 0;
    for (int r = 1; r < rows.size(); ++r) {
        QStringList& row = rows[r];
        EnsureColumns(row, colCount);
        row[rc::Platz] = RunSeconds(row.at(totalCol), separator) ? QString::number(++place) : QString();
    }
}

void RankResultRows(ListRows& rows, int colCount, QChar separator, RankBasis basis) {
    if (colCount <= 0) return;
    const int totalCol = colCount - 1;
    const RowSortKey byTotal{totalCol, [separator](const QString& a, const QString& b) {
                                 return CompareRunTimes(a, b, separator);
                             }};
    // A place that is no number (none yet, or lost with the total) ranks
    // after every place.
    const RowSortKey byPlace{rc::Platz, [separator](const QString& a, const QString& b) {
                                 return CompareRunTimes(a, b, separator);
                             }};
    if (basis == RankBasis::EarlierPlaces)
        SortListRows(rows, {byPlace, byTotal});
    else
        SortListRows(rows, {byTotal, byPlace});
    NumberPlaces(rows, colCount, separator);
}

} // namespace zn
