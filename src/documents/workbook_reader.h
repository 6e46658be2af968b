#pragma once

#include <QLocale>
#include <QString>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace zn {

// A team list is never this long: at a minute per pair, 10,000 teams would
// take a week of competition. A sheet filled beyond it is refused rather than
// loaded into the grids (a sheet of 100,000 rows would take minutes and
// hundreds of megabytes to show).
inline constexpr int kMaxWorkbookRows = 10000;
// The lists have at most 11 columns; cells further right are not kept.
inline constexpr int kMaxWorkbookCols = 64;
// A workbook holds at most the four lists; other sheets are not read.
inline constexpr int kWorkbookListSheets = 4;

// The cells of one sheet that hold something, as text, by row and column
// (both from 0).
struct SheetCells {
    std::map<int, std::map<int, QString>> rows;
    // Formulas without a stored result (a workbook written by a script and
    // never opened in a spreadsheet program): what they show is unknown.
    std::set<std::pair<int, int>> unevaluated;
    // A cell with a value lay at row kMaxWorkbookRows or below.
    bool beyondRowLimit = false;
    QString name;        // the sheet's name in the workbook
    bool absent = false; // the workbook has no sheet for this list

    // Keeps cells inside the limits; an empty text stores nothing.
    void Set(int row, int col, const QString& text);
    QString Cell(int row, int col) const;
    void SetUnevaluated(int row, int col);
    bool Unevaluated(int row, int col) const { return unevaluated.count({row, col}) > 0; }
    bool Empty() const { return rows.empty() && unevaluated.empty(); }
};

struct WorkbookSheets {
    // German, for the operator, naming the file and the reason; empty when the
    // workbook was read.
    QString error;
    // German, for the status bar: lists taken by their sheet names against
    // the sheets' order (ChooseListSheets); empty when names and order agree.
    QString note;
    int sheetCount = 0; // every sheet of the workbook, hidden ones too
    // The sheet of list 1, 2, ... up to the last list the workbook has a sheet
    // for; a list between without one has an `absent` entry.
    std::vector<SheetCells> sheets;
    bool ok() const { return error.isEmpty(); }
};

// Reads the sheets of the four lists of an .xlsx, .ods or .xls workbook (told
// apart by their contents, not by the name), chosen by ChooseListSheets. Cell
// values come as the spreadsheet shows them in this locale: numbers as the
// locale writes them, dates as its short date, formulas by their last computed
// value. A cell formatted as a time with seconds is a run time and comes as
// seconds with hundredths ("65,25" for 1:05,25); one formatted as a clock time
// without seconds as the locale's short time ("09:30"). Never throws.
//
// The reading runs in the reader program beside this one (kWorkbookReaderName):
// the libraries that parse a workbook have crashed on files an office suite
// saved, and a crash must never take the recorded times with it. A program
// that crashes, hangs or is missing gives an error naming the file and the
// reason.
WorkbookSheets ReadWorkbook(const QString& path, const QLocale& locale);

inline const QString kWorkbookReaderName = QStringLiteral("zeitnahme-mappe");

struct WorkbookReader {
    QString program; // the reader program's path
    // Two lists of 10,000 rows of 11 cells read in about a second (six with
    // the sanitizers); a reader still busy after 15 s is stuck in a damaged
    // file.
    int timeoutMs = 15000;
    // Those two lists come back as 4.5 MB; four lists at the row limit as
    // about 10 MB.
    qint64 maxOutputBytes = 64 * 1024 * 1024;
    // A workbook part is at most 64 MB unpacked; its parse tree takes a few
    // times that.
    qint64 maxMemoryBytes = qint64(2) * 1024 * 1024 * 1024;
};

// The reader program beside the running one, with the default bounds.
WorkbookReader DefaultWorkbookReader();

WorkbookSheets ReadWorkbook(const QString& path, const QLocale& locale, const WorkbookReader& reader);

// The reading itself, in this process: what the reader program runs.
WorkbookSheets ReadWorkbookHere(const QString& path, const QLocale& locale);

// Why a workbook with nothing in its list sheets is refused: loading it
// would empty every list of the competition.
QString EmptySheetsReason();

// The operator's message for a workbook that could not be read.
QString WorkbookErrorText(const QString& path, const QString& reason);

// Cell value helpers shared by the readers.
QString NumberText(double value, const QLocale& locale);
// `serial` counts days from 1899-12-30 (or 1904-01-01 when `from1904`).
QString SerialDateText(double serial, bool from1904, bool hasDate, bool hasTime, const QLocale& locale);
// A run time a spreadsheet keeps as a fraction of a day, in seconds rounded
// to hundredths: 0.000755208333 days -> "65,25".
QString SecondsText(double seconds, const QLocale& locale);
// Hundredths as a spreadsheet shows them: half away from zero on the decimal
// value, so 20.005 (stored as 20.00499999...) is 20.01.
double RoundedToHundredths(double value);
// A time of day or a duration in milliseconds: the locale's short time
// ("09:30"), with seconds and their fraction where they are not 0
// ("00:01:23", "00:00:21,5"); hours past a day are counted on ("25:30:00").
QString TimeText(qint64 ms, const QLocale& locale);

} // namespace zn
