#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace zn {

// Times and penalties are kept as text: seconds with two decimals and the
// system's decimal separator ("21,50" on a German desktop). They are read
// with either separator: a workbook or list written on a desktop of another
// locale holds "21.50" where this one writes "21,50", and a time read as no
// number would silently drop its team from the results.

// The separator the operator types and the lists show: the application's
// locale's (the program sets it at its start), the one rule for every list,
// the run clock's times, the board and the live page.
QChar DecimalSeparator();

// Seconds from a cell: optional sign, digits, at most one decimal separator
// ("," or "." whatever `separator` is), optional exponent; blanks around the
// number are allowed. There are no thousands separators, so "1.234" is
// 1.234 s and "1.234,5" is no number. `separator` is the console's own.
std::optional<double> ParseSeconds(const QString& text, QChar separator);

// Computations take a cell that does not parse as 0.
double SecondsOrZero(const QString& text, QChar separator);

// Time sorting puts a cell that does not parse after every real time.
inline constexpr double kUnreadableTimeSortValue = 2147483647.0;
double SecondsForSorting(const QString& text, QChar separator);

// A run time or total that counts: it parses and is above 0. A 0 (a stop in
// the first 10 ms, or "0" typed over a time), a negative or an unreadable text
// is no time: it makes no total, no best time and no place.
std::optional<double> RunSeconds(const QString& text, QChar separator);
// Run times sort by value, and every text that is no time after the last one.
double RunSecondsForSorting(const QString& text, QChar separator);

// Penalty seconds as the operator may enter them: a whole number of 0 or more
// ("3", "3,00"); "-15", "2,5" and "abc" are none.
std::optional<double> WholePenalty(const QString& text, QChar separator);

// "%1.2f" with the given separator: 24.5 -> "24,50". Never "-0,00".
QString FormatSeconds(double seconds, QChar separator);

} // namespace zn
