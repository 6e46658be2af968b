#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace zn {

// Text comparisons and conversions of the grid's sort. Every conversion
// follows the locale handed in (the grids use QLocale(), so a German desktop
// reads "21,50" as a number) and reports failure instead of guessing.

// Byte-wise order of two texts (UTF-16 units here): the difference of the first
// differing characters, or of the lengths when one text is a prefix of the other.
int PlainCompare(const QString& a, const QString& b);

// Lower-cases the letters A to Z only; umlauts and other letters stay as they
// are, so the order does not depend on the desktop's collation tables.
QString FoldCase(const QString& text);

// Number with the locale's decimal separator, optional sign and exponent, no
// digit grouping; surrounding blanks are allowed. NaN is refused, because a
// value that is neither smaller, equal nor larger would make the order of a
// sort undefined.
bool TextToFloat(const QString& text, const QLocale& locale, double* value);

// A date, a date with a time, or a time alone in the locale's short or long
// forms, day and month names in the locale's language (a four-digit year is
// accepted where the short form has two, a two-digit one lies within 50 years
// of today). The result counts milliseconds from 1899-12-30, so a bare time
// lands on that day and sorts before every dated value.
bool TextToDateTime(const QString& text, const QLocale& locale, std::int64_t* msecs);

// A time of day: the locale's time forms and H:mm, H:mm:ss, H:mm:ss.zzz.
bool TextToTime(const QString& text, const QLocale& locale, std::int64_t* msecsOfDay);

// Comparison of texts that mix words and numbers ("Gruppe 9" before
// "Gruppe 10"): equal non-digit characters at the same place are dropped, the
// rest is read as an integer. Falls back to PlainCompare when a text is empty
// or what is left is not an integer.
int NumericExtendedCompare(const QString& s1, const QString& s2);

// The three conversions with the locale's forms worked out once, for a sort
// that converts every cell of a column.
class TTextConverter {
public:
    explicit TTextConverter(const QLocale& locale);

    bool ToFloat(const QString& text, double* value) const;
    bool ToDateTime(const QString& text, std::int64_t* msecs) const;
    bool ToTime(const QString& text, std::int64_t* msecsOfDay) const;

private:
    bool ToDate(const QString& text, QDate* date) const;

    QLocale FLocale;
    QStringList FDateFormats;
    QStringList FTimeFormats;
};

} // namespace zn
