#include "documents/workbook_import.h"

#include "core/result_numbers.h"
#include "core/stages.h"

#include <QCoreApplication>
#include <algorithm>
#include <initializer_list>

namespace zn {

namespace {

// Nothing stands in the list's columns of this sheet row, not even a formula
// without its stored result.
bool IsEmptyRow(const SheetCells& sheet, int row, int cols) {
    const auto formula = sheet.unevaluated.lower_bound({row, 0});
    if (formula != sheet.unevaluated.end() && formula->first == row && formula->second < cols) return false;
    const auto r = sheet.rows.find(row);
    return r == sheet.rows.end() || r->second.empty() || r->second.begin()->first >= cols;
}

// The number of sheet rows that make the list: the rows are walked from the
// top, and the second of two rows with nothing in the list's columns ends it
// before the pair. A row with its first cell empty belongs to the list: a
// result row without a place, a team without a number.
// -1 when the sheet runs on past the rows that were kept.
int ListLength(const SheetCells& sheet, int cols) {
    int last = sheet.rows.empty() ? -1 : sheet.rows.rbegin()->first;
    if (!sheet.unevaluated.empty()) last = std::max(last, sheet.unevaluated.rbegin()->first);
    int empties = 0;
    for (int r = 0; r <= last + 2; ++r) {
        if (!IsEmptyRow(sheet, r, cols)) {
            empties = 0;
            continue;
        }
        if (++empties < 2) continue;
        if (sheet.beyondRowLimit && r >= kMaxWorkbookRows) return -1;
        return r - 1;
    }
    return sheet.beyondRowLimit ? -1 : last + 1;
}

// A formula without its stored result in a cell the list takes: its value is
// unknown, and loading the cell empty would lose a team or a time silently.
// The row the import drops (a title line) is not taken.
bool NeedsUnevaluated(const SheetCells& sheet, int length, int cols, int droppedRow) {
    for (const auto& [row, col] : sheet.unevaluated)
        if (row < std::max(2, length) && col < cols && !(row == droppedRow && length > 2)) return true;
    return false;
}

QString SheetLabel(const SheetCells& sheet, int list) {
    return sheet.name.isEmpty() ? QString::number(list + 1)
                                : QString::fromUtf8("\u201E%1\u201C").arg(sheet.name);
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

// Nothing stands in the list, header included: its sheet is missing, empty or
// starts with two empty rows.
bool IsBlankList(const ListRows& rows) {
    return std::all_of(rows.begin(), rows.end(), [](const QStringList& row) {
        return std::all_of(row.begin(), row.end(), [](const QString& cell) { return IsBlank(cell); });
    });
}

// A header and one blank row, as the console starts.
ListRows EmptyList(const QStringList& header, int cols) {
    QStringList top = header.mid(0, cols);
    EnsureColumns(top, cols);
    QStringList blank;
    EnsureColumns(blank, cols);
    return {top, blank};
}

// The teams of the other protocol-layout list: header, number, name, class
// and mark as they are, no times.
ListRows TeamsOf(const ListRows& other, int cols) {
    ListRows rows = other;
    for (QStringList& row : rows) {
        EnsureColumns(row, cols);
        row = row.mid(0, cols);
    }
    for (int r = 1; r < rows.size(); ++r)
        for (int c = pc::Zeit1; c < cols; ++c)
            rows[r][c].clear();
    return rows;
}

QString NameList(const QStringList& names) {
    if (names.size() < 2) return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) +
           QCoreApplication::translate("WorkbookImport", " und ") + names.last();
}

} // namespace

ImportedLists ImportLists(const WorkbookSheets& sheets, const std::array<int, 4>& colCounts,
                          const QString& fileName) {
    ImportedLists out;
    const int count = std::min(static_cast<int>(sheets.sheets.size()), kWorkbookListSheets);
    for (int i = 0; i < count; ++i) {
        const SheetCells& sheet = sheets.sheets[static_cast<size_t>(i)];
        if (sheet.absent) {
            out.lists.emplace_back(); // built like a blank list
            continue;
        }
        const int cols = colCounts[static_cast<size_t>(i)];
        const int length = ListLength(sheet, cols);
        if (length < 0) {
            out.lists.clear();
            out.error = WorkbookErrorText(
                fileName,
                QCoreApplication::translate("WorkbookImport",
                                            "Die Tabelle %1 hat mehr als %2 Zeilen; so lang ist keine Liste.")
                    .arg(SheetLabel(sheet, i))
                    .arg(kMaxWorkbookRows));
            return out;
        }
        if (NeedsUnevaluated(sheet, length, cols, i < 2 ? 0 : 1)) {
            out.lists.clear();
            out.error = WorkbookErrorText(fileName, UnevaluatedFormulasReason());
            return out;
        }
        ListRows rows;
        rows.reserve(std::max(2, length));
        for (int r = 0; r < std::max(2, length); ++r) {
            QStringList row;
            row.reserve(cols);
            // " Männer " is the class "Männer": blanks around a text are
            // the typist's, blanks inside it belong to it.
            for (int c = 0; c < cols; ++c)
                row << sheet.Cell(r, c).trimmed();
            rows << row;
        }
        // Lists 1 and 2 lose a title line above their header, lists 3 and 4
        // the row below it.
        DeleteListRow(rows, i < 2 ? 0 : 1);
        out.lists.push_back(std::move(rows));
    }
    return out;
}

QString UnevaluatedFormulasReason() {
    return QCoreApplication::translate(
        "WorkbookImport", "Formeln ohne gespeicherte Werte – bitte in der Tabellenkalkulation öffnen "
                          "und speichern");
}

LoadedCompetition CompetitionOfWorkbook(const WorkbookSheets& sheets, const std::array<int, 4>& colCounts,
                                        const QString& fileName, QChar separator) {
    LoadedCompetition out;
    ImportedLists imported = ImportLists(sheets, colCounts, fileName);
    if (!imported.ok()) {
        out.error = imported.error;
        return out;
    }
    std::array<bool, 4> fromSheet{};
    for (size_t i = 0; i < out.lists.size(); ++i) {
        fromSheet[i] = i < imported.lists.size() && !IsBlankList(imported.lists[i]);
        if (fromSheet[i]) out.lists[i] = std::move(imported.lists[i]);
    }
    if (std::none_of(fromSheet.begin(), fromSheet.end(), [](bool b) { return b; })) {
        out.error = WorkbookErrorText(fileName, EmptySheetsReason());
        return out;
    }
    const QStringList protocolHeader(ProtocolHeaders.begin(), ProtocolHeaders.end());
    const QStringList resultHeader(ResultHeaders.begin(), ResultHeaders.end());
    for (size_t i = 0; i < out.lists.size(); ++i) {
        const int cols = colCounts[i];
        const size_t other = i == 0 ? 1 : 0; // lists 1 and 2 stand in for each other
        if (fromSheet[i]) {
            out.origins[i] = ListOrigin::Sheet;
        } else if (i < 2 && fromSheet[other]) {
            out.lists[i] = TeamsOf(out.lists[other], cols);
            out.origins[i] = i == 0 ? ListOrigin::FromProtocol : ListOrigin::FromTeamList;
        } else {
            out.lists[i] = EmptyList(i < 2 ? protocolHeader : resultHeader, cols);
            out.origins[i] = ListOrigin::Empty;
        }
    }
    FillBlankProtocolHeaders(out.lists[0]);
    FillBlankProtocolHeaders(out.lists[1]);
    // The team list shares the protocol's layout; its times are numbers in a
    // workbook too.
    ReformatProtocolTimes(out.lists[0], separator);
    ReformatProtocolTimes(out.lists[1], separator);
    ReformatResultTimes(out.lists[2], separator);
    ReformatResultTimes(out.lists[3], separator);
    return out;
}

QString LoadedListsNote(const std::array<ListOrigin, 4>& origins) {
    QStringList read;
    QStringList built;
    for (size_t i = 0; i < origins.size(); ++i) {
        switch (origins[i]) {
        case ListOrigin::Sheet:
            read << ListNames[i];
            break;
        case ListOrigin::FromTeamList:
            built << QCoreApplication::translate("WorkbookImport", "%1 (aus der %2)")
                         .arg(ListNames[i], ListNames[0]);
            break;
        case ListOrigin::FromProtocol:
            built << QCoreApplication::translate("WorkbookImport", "%1 (aus dem %2)")
                         .arg(ListNames[i], ListNames[1]);
            break;
        case ListOrigin::Empty:
            built << ListNames[i];
            break;
        }
    }
    if (built.isEmpty()) return {};
    return QCoreApplication::translate("WorkbookImport", " Geladen: %1 aus der Datei; %2 neu angelegt")
        .arg(NameList(read), NameList(built));
}

void FillBlankProtocolHeaders(ListRows& rows) {
    if (rows.isEmpty()) return;
    EnsureColumns(rows[0], pc::Count);
    for (int c = 0; c < pc::Count; ++c)
        if (IsBlank(rows[0][c])) rows[0][c] = ProtocolHeaders[static_cast<size_t>(c)];
}

namespace {

void ReformatTimes(ListRows& rows, std::initializer_list<int> columns, QChar separator) {
    for (int col : columns) {
        for (int r = 1; r < rows.size(); ++r) {
            const QString text = CellOf(rows[r], col);
            if (IsBlank(text)) continue;
            const std::optional<double> seconds = ParseSeconds(text, separator);
            if (!seconds) break;
            EnsureColumns(rows[r], col + 1);
            rows[r][col] = FormatSeconds(RoundedToHundredths(*seconds), separator);
        }
    }
}

} // namespace

void ReformatProtocolTimes(ListRows& rows, QChar separator) {
    ReformatTimes(rows, {pc::Zeit1, pc::Gesamt1, pc::Zeit2, pc::Gesamt2, pc::Bestzeit}, separator);
}

void ReformatResultTimes(ListRows& rows, QChar separator) {
    ReformatTimes(rows, {rc::Uebungszeit, rc::Gesamtzeit}, separator);
}

} // namespace zn
