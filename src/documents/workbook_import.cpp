#include "documents/workbook_import.h"

#include "core/result_numbers.h"

#include <algorithm>

namespace zn {

namespace {

// The number of sheet rows that make the list: column 1 is walked from the
// top, and the second of two empty cells in a row ends it before the pair.
// -1 when the sheet runs on past the rows that were kept.
int ListLength(const SheetCells& sheet) {
    const int last = sheet.rows.empty() ? -1 : sheet.rows.rbegin()->first;
    int empties = 0;
    for (int r = 0; r <= last + 2; ++r) {
        if (!sheet.Cell(r, 0).isEmpty()) {
            empties = 0;
            continue;
        }
        if (++empties < 2) continue;
        if (sheet.beyondRowLimit && r >= kMaxWorkbookRows) return -1;
        return r - 1;
    }
    return sheet.beyondRowLimit ? -1 : last + 1;
}

// The grid's DeleteRow: a list keeps its header and one row, which is only
// emptied.
void DeleteListRow(ListRows& rows, int row) {
    if (rows.size() < 3) {
        for (QString& cell : rows[1])
            cell.clear();
        return;
    }
    rows.removeAt(row);
}

} // namespace

ImportedLists ImportLists(const WorkbookSheets& sheets, const std::array<int, 4>& colCounts,
                          const QString& fileName) {
    ImportedLists out;
    const int count = std::min(sheets.sheetCount, kWorkbookListSheets);
    for (int i = 0; i < count; ++i) {
        const SheetCells empty;
        const SheetCells& sheet =
            i < static_cast<int>(sheets.sheets.size()) ? sheets.sheets[static_cast<size_t>(i)] : empty;
        const int length = ListLength(sheet);
        if (length < 0) {
            out.lists.clear();
            out.error = WorkbookErrorText(
                fileName, QString::fromUtf8("Die Tabelle %1 hat mehr als %2 Zeilen; so lang ist keine Liste.")
                              .arg(i + 1)
                              .arg(kMaxWorkbookRows));
            return out;
        }
        const int cols = colCounts[static_cast<size_t>(i)];
        ListRows rows;
        rows.reserve(std::max(2, length));
        for (int r = 0; r < std::max(2, length); ++r) {
            QStringList row;
            row.reserve(cols);
            for (int c = 0; c < cols; ++c)
                row << sheet.Cell(r, c);
            rows << row;
        }
        // Lists 1 and 2 lose a title line above their header, lists 3 and 4
        // the row below it.
        DeleteListRow(rows, i < 2 ? 0 : 1);
        out.lists.push_back(std::move(rows));
    }
    return out;
}

void FillBlankProtocolHeaders(ListRows& rows) {
    if (rows.isEmpty()) return;
    EnsureColumns(rows[0], pc::Count);
    for (int c = 0; c < pc::Count; ++c)
        if (IsBlank(rows[0][c])) rows[0][c] = ProtocolHeaders[static_cast<size_t>(c)];
}

void ReformatProtocolTimes(ListRows& rows, QChar separator) {
    for (int col : {pc::Zeit1, pc::Gesamt1, pc::Zeit2, pc::Gesamt2, pc::Bestzeit}) {
        for (int r = 1; r < rows.size(); ++r) {
            const QString text = CellOf(rows[r], col);
            if (IsBlank(text)) continue;
            const std::optional<double> seconds = ParseSeconds(text, separator);
            if (!seconds) break;
            EnsureColumns(rows[r], col + 1);
            rows[r][col] = FormatSeconds(*seconds, separator);
        }
    }
}

} // namespace zn
