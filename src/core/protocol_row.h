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

// The team number a lane list's text stands for: the number field of its
// TeamKey, so "  7 Süd" is 7 and "1000 Tausend" is 1000. A key of a row
// without a number ("    Gast") has none.
std::optional<int> LaneTeamNumber(const QString& laneText);
// The name part of a lane list's text, trimmed: "  7 Süd" gives "Süd".
QString LaneTeamName(const QString& laneText);

// Best total of the two lanes; a lane without a total that counts never wins.
// No total on either lane: no best time.
std::optional<double> BestOfTotals(std::optional<double> g1, std::optional<double> g2);

enum class RecordStatus {
    Recorded,
    NoTeamOnLane,  // the lane list shows no team number (blank entry)
    TeamNotFound,  // no protocol row carries that number
    NameDiffers,   // rows carry the number, but under another name
    TeamNotUnique, // more than one protocol row carries number and name
};

struct RecordOutcome {
    RecordStatus status = RecordStatus::Recorded;
    int row = -1;         // the protocol row written, when recorded
    int teamNr = -1;      // the lane's team number, when it had one
    QString entry;        // the lane's entry as the operator saw it, trimmed
    QString protocolName; // NameDiffers: the name the number has in the protocol
};

// Writes a stopped lane's time into the time protocol (column 4 for lane 1,
// 7 for lane 2) in the one row that carries the number and the name of the
// team on that lane (a lane entry left over from another list must never
// put its time on whichever team has that number here), resets that lane's penalty to "0", sets its total to
// the time and recomputes the best time from both totals. A time that does not count (0,00 from a stop in the
// first 10 ms) is written, but makes no total and no best time. When the team is missing, named otherwise or
// not unique nothing is written: the operator has to enter the time by hand (see RecordFailureText).
// `laneText` is the text of that lane's team list (cbBuhn1 or cbBuhn2).
RecordOutcome RecordLaneTime(ListRows& protocol, int column, const QString& laneText, const QString& timeText,
                             QChar separator);

// What the operator is told when a stopped lane's time could not be recorded.
QString RecordFailureText(const RecordOutcome& outcome, int lane, const QString& timeText);

// What closing a time or penalty edit found wrong in the committed texts.
struct EditCommit {
    bool penaltyRejected = false; // not whole seconds of 0 or more: now "0"
    bool timeRejected = false;    // a time that does not count (0, negative, unreadable)
    QString rejectedText;         // the text as it was committed
};

// Closes a penalty (or time) edit of the lane whose "Fehler" column is
// `editColumn` (5 or 8): recomputes the lane total and the best time. A
// penalty that is not whole seconds of 0 or more (also one pasted past the
// key filter) is rewritten as "0", a blank one beside a time as well. A lane
// whose time is blank or does not count has no total; the best time comes
// from what remains and is blank when no lane has a total.
EditCommit CommitPenaltyEdit(QStringList& row, int editColumn, QChar separator);

// The status bar's words for a rejected time or penalty; empty when none was.
QString EditCommitText(const EditCommit& commit, int editColumn);

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
// Run times and totals: like CompareTimes, and a 0 or negative one, which does
// not count, sorts after every time too.
int CompareRunTimes(const QString& a, const QString& b, QChar separator);
// Numbers by value, otherwise case-insensitive text (A-Z folded).
int CompareNumericStyle(const QString& a, const QString& b, QChar separator);
// The rule of a protocol column: CompareQualified for 3, CompareTimes for the
// penalties (5, 8), CompareRunTimes for the times, totals and best time (4, 6,
// 7, 9, 10), CompareNumericStyle for the rest.
int CompareProtocolCells(int col, const QString& a, const QString& b, QChar separator);

// Empties columns 3 to last of every data row: number, name and class stay.
void ClearResultColumns(ListRows& rows, int colCount);

} // namespace zn
