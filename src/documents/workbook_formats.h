#pragma once

// The readers of the three workbook formats behind ReadWorkbookHere (in the
// reader program). Each fills `out.sheets` (the sheets of the four lists,
// StartListSheets) and `out.sheetCount` and gives the reason in German when
// the file cannot be read, else the empty text.

#include "core/list_sheets.h"
#include "documents/workbook_reader.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

namespace zn::workbook {

QString ReadXlsx(const QString& path, const QLocale& locale, WorkbookSheets& out);
QString ReadOds(const QString& path, const QLocale& locale, WorkbookSheets& out);
QString ReadXls(const QString& path, const QLocale& locale, WorkbookSheets& out);

// A part of the package unpacked is never bigger than this: a sheet of 10,000
// rows of 11 cells takes about 3 MB, so more is a damaged file or a zip bomb.
inline constexpr qint64 kMaxPartBytes = 64 * 1024 * 1024;

// A zip package opened read-only (libzip).
class ZipPackage {
public:
    ZipPackage();
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    // The reason in German when the file is no readable zip package.
    QString Open(const QString& path);
    bool Has(const QString& name) const;
    // The whole part; the reason in German when it is missing, too big or damaged.
    QString Read(const QString& name, QByteArray& bytes) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Chooses the lists' sheets among the workbook's `tabs` and sets up
// `out.sheets` for them (named, or absent): the reader then fills out.sheets[i]
// from the tab the choice gives for list i.
ListSheetChoice StartListSheets(const std::vector<WorkbookTab>& tabs, WorkbookSheets& out);

// "WAHR" / "FALSCH" in German, "TRUE" / "FALSE" otherwise, as a spreadsheet
// shows a truth value.
QString BoolText(bool on, const QLocale& locale);

// "Die Arbeitsmappe hat keine Tabelle mit Zellen" and its kin: a workbook
// whose parts hold values that none of the sheets received is damaged or of a
// kind the reader does not understand, never an empty list.
QString NothingLoadedReason();

// The end of a reader: the empty text when something was loaded or nothing
// was there to load; NothingLoadedReason() when `valueCells` cells with a
// value were seen but no sheet received one.
QString LoadedOrReason(const WorkbookSheets& out, int valueCells);

} // namespace zn::workbook
