#pragma once

#include "core/file_writer.h"
#include "core/protocol_row.h"

#include <QList>
#include <QString>
#include <array>

namespace zn {

// One list as a sheet of the exported workbook.
struct WorkbookSheet {
    QString name;
    ListRows rows; // header first; every row is written with colCount cells
    int colCount = 0;
    QList<int> timeColumns; // columns (from 0) shown with two decimals
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

// The four lists as sheets named after ListNames; the final has no overall
// result of its own, so with the final enabled the workbook has three sheets.
WorkbookExport ListsWorkbook(const std::array<ListRows, 4>& lists, const std::array<int, 4>& colCounts,
                             bool finalEnabled, const QString& title, const QString& subject);

// A new .xlsx: a title line (list title and sheet name) in sheet row 1 and
// the block from row 2, so that the console loads it back as it loads an
// organiser's workbook; every cell as text, thin borders around every cell of
// the block, a bold header row with a medium border, the time columns
// formatted "0.00" (a decimal comma in a German spreadsheet program), column
// widths fitted to the texts, and the document properties. An existing file
// is replaced only by a complete workbook; on failure it stays as it was.
WriteResult WriteNewWorkbook(const QString& fileName, const WorkbookExport& book);

// True when the file is an .xlsx workbook (a package with a workbook part),
// whatever its name ends in.
bool IsXlsxWorkbook(const QString& file);

// Writes the lists into an existing .xlsx, as the organiser's workbook it was
// loaded from: sheet i's block goes from sheet row 2, so row 1 (a title line)
// and every cell outside the block stay as they were, cell formats, column
// widths and the rest of the package included; a cell of the block keeps its
// format and takes the text. Rows of an older, longer list right below the
// block are emptied, so a team removed from the list does not come back when
// the workbook is loaded again. Missing sheets are added after the last one;
// the document properties are those of a new workbook. The file is replaced
// only by the complete workbook.
WriteResult WriteIntoWorkbook(const QString& fileName, const WorkbookExport& book);

} // namespace zn
