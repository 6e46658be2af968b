#pragma once

#include "core/file_writer.h"
#include "core/protocol_row.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace zn {

// One list as a sheet of the exported workbook.
struct WorkbookSheet {
    QString name;
    ListRows rows; // header first; every row is written with colCount cells
    int colCount = 0;
    QList<int> timeColumns;   // columns (from 0) of times, shown with two decimals
    QList<int> numberColumns; // columns of counts and penalties (Nr., Platz, Fehler)
};

struct WorkbookExport {
    QList<WorkbookSheet> sheets;
    QString title;   // the list title (base name of the loaded workbook)
    QString subject; // the application title
};

inline const QString kWorkbookAuthor = QStringLiteral("Kronvik Software");
inline const QString kWorkbookComments =
    QStringLiteral("Erstellt mit der Zeitnahme-Konsole von Kronvik Software");

// The time columns of sheet `sheet` (from 0): Zeit, Gesamt of both lanes and
// Bestzeit in the database and the time protocol; Übungszeit and Gesamtzeit in
// the two results.
QList<int> WorkbookTimeColumns(int sheet);
// The other number columns: Nr. and both Fehler in the database and the time
// protocol; Platz and Fehler in the two results.
QList<int> WorkbookNumberColumns(int sheet);

// A number written plainly: an optional minus, digits without a leading zero
// and at most one decimal separator ("," or ".") with digits after it: "7",
// "0", "2,5", "-1.25". A spreadsheet shows such a number as it was typed, so
// it can go into a cell as a number without changing its text; "007", "+3",
// "1e3" and " 7" would not come back as they went.
bool IsPlainNumber(const QString& text);

// The value a cell of the data rows is written with, or nothing for a text:
// a time column takes any time (ParseSeconds: "21,5" or "21.50" alike), the
// other number columns a plain number; everything else stays text.
std::optional<double> CellNumber(const WorkbookSheet& sheet, int col, const QString& text);

// The four lists as sheets named after ListNames; the final has no overall
// result of its own, so with the final enabled the workbook has three sheets.
WorkbookExport ListsWorkbook(const std::array<ListRows, 4>& lists, const std::array<int, 4>& colCounts,
                             bool finalEnabled, const QString& title, const QString& subject);

// A new .xlsx: a title line (list title and sheet name) in sheet row 1 and
// the block from row 2, so that the console loads it back as it loads an
// organiser's workbook; numbers (CellNumber) as numbers, so that a spreadsheet
// computes with them whatever locale wrote them, the rest as text; thin
// borders around every cell of the block, a bold header row with a medium
// border, the time columns formatted "0.00" (a decimal comma in a German
// spreadsheet program), column widths fitted to the texts, and the document
// properties. An existing file
// is replaced only by a complete workbook; on failure it stays as it was.
WriteResult WriteNewWorkbook(const QString& fileName, const WorkbookExport& book);

// True when the file is an .xlsx workbook (a package with a workbook part),
// whatever its name ends in.
bool IsXlsxWorkbook(const QString& file);

// Writes the lists into an existing .xlsx, as the organiser's workbook it was
// loaded from: sheet i's block goes from sheet row 2, so row 1 (a title line)
// and every cell outside the block stay as they were, cell formats, column
// widths and the rest of the package included; a cell of the block keeps its
// format and takes the value: a number (CellNumber, or a plain number where
// the organiser's cell held a number) or a text. A time cell in the general
// format gets the format "0.00". Rows of an older, longer list below the block
// are emptied as far as loading would read them (to two rows with nothing in
// the list's columns), so a team removed from the list does not come back when
// the workbook is loaded again. Missing sheets are added after the last one;
// the document properties are those of a new workbook. The file is replaced
// only by the complete workbook.
WriteResult WriteIntoWorkbook(const QString& fileName, const WorkbookExport& book);

} // namespace zn
