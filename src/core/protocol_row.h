#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zn {

// Column layout of the database of teams and the time protocol.
namespace pc {
inline constexpr int Nr = 0;
inline constexpr int Name = 1;
inline constexpr int Klasse = 2;
inline constexpr int Qualified = 3;
inline constexpr int Zeit1 = 4;
inline constexpr int Fehler1 = 5;
inline constexpr int Gesamt1 = 6;
inline constexpr int Zeit2 = 7;
inline constexpr int Fehler2 = 8;
inline constexpr int Gesamt2 = 9;
inline constexpr int Bestzeit = 10;
inline constexpr int Count = 11;
} // namespace pc

// Column layout of the qualification and overall results.
namespace rc {
inline constexpr int Platz = 0;
inline constexpr int Mannschaft = 1;
inline constexpr int Klasse = 2;
inline constexpr int Uebungszeit = 3;
inline constexpr int Fehler = 4;
inline constexpr int Gesamtzeit = 5;
inline constexpr int Count = 6;
} // namespace rc

extern const std::array<QString, pc::Count> ProtocolHeaders;
extern const std::array<QString, rc::Count> ResultHeaders;
extern const std::array<int, pc::Count> ProtocolColWidths; // column 1 takes the rest
extern const std::array<int, rc::Count> ResultColWidths;   // column 1 takes the rest

// A list as the grids hold it: row 0 the header, every row indexed by column.
using ListRows = QList<QStringList>;

class TCellStore;

// A snapshot of a grid's cells: rows 0 .. RowCount - 1, columns 0 .. ColCount - 1.
ListRows RowsOf(const TCellStore& store);

// Pads a row with empty cells so that `count` columns can be addressed.
void EnsureColumns(QStringList& row, int count);
QString CellOf(const QStringList& row, int col);
bool IsBlank(const QString& text);

// "  7 Löschzug Nord": the number right-aligned in three characters, a blank
// and the name. Identifies a team in the two lane lists.
QString TeamKey(const QString& nr, const QString& name);
QString TeamKeyOfRow(const QStringList& row);

// The team number a lane list's text stands for: its first three characters.
std::optional<int> LaneTeamNumber(const QString& laneText);

// Best total of the two lanes; a lane whose total is 0 (not run, or not
// readable) never wins. Both 0 gives 0.
double BestOfTotals(double g1, double g2);

enum class RecordStatus {
    Recorded,
    NoTeamOnLane, // the lane list shows no team number (blank entry)
    TeamNotFound, // no protocol row carries that number
};

struct RecordOutcome {
    RecordStatus status = RecordStatus::Recorded;
    int row = -1;    // the protocol row written, when recorded
    int teamNr = -1; // the lane's team number, when it had one
};

// Writes a stopped lane's time into the time protocol (column 4 for lane 1,
// 7 for lane 2) in the row of the team on that lane, resets that lane's penalty
// to "0", sets its total to the time and recomputes the best time from both
// totals. When the team is not found nothing is written: the operator has to
// enter the time by hand (see RecordFailureText).
// `laneText` is the text of that lane's team list (cbBuhn1 or cbBuhn2).
RecordOutcome RecordLaneTime(ListRows& protocol, int column, const QString& laneText, const QString& timeText,
                             QChar separator);

// What the operator is told when a stopped lane's time could not be recorded.
QString RecordFailureText(const RecordOutcome& outcome, int lane, const QString& timeText);

// Closes a penalty (or time) edit of the lane whose "Fehler" column is
// `editColumn` (5 or 8): recomputes the lane total and the best time. An
// unreadable penalty is rewritten as "0". A blank "Zeit" leaves the row as it
// is. Returns whether totals were recomputed (the result list then re-ranks).
bool CommitPenaltyEdit(QStringList& row, int editColumn, QChar separator);

// The "Fehler" column of the lane a selected cell belongs to (5 for columns 4
// and 5, 8 for 7 and 8), or -1 when the cell opens no edit.
int EditColumnForCell(int col);

enum class PenaltyKey { Pass, Commit, Swallow };

// While a penalty edit is open (`editColumn` 5 or 8) only digits, Backspace and
// the decimal separator reach the cell, Enter commits; with no edit open every
// key passes.
PenaltyKey FilterPenaltyKey(QChar key, int editColumn, QChar separator);

// Sort rules of the database of teams and the time protocol.
// "Q.": a mark sorts before no mark; two marks (or two blanks) are equal.
int CompareQualified(const QString& a, const QString& b);
// Times by value; blank or unreadable text sorts after every time.
int CompareTimes(const QString& a, const QString& b, QChar separator);
// Numbers by value, otherwise case-insensitive text (A-Z folded).
int CompareNumericStyle(const QString& a, const QString& b, QChar separator);
// The rule of a protocol column: CompareQualified for 3, CompareTimes for 4 to
// 10, CompareNumericStyle for the rest.
int CompareProtocolCells(int col, const QString& a, const QString& b, QChar separator);

// Empties columns 3 to last of every data row: number, name and class stay.
void ClearResultColumns(ListRows& rows, int colCount);

} // namespace zn
