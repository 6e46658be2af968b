#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

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

// How TTextConverter reads dates and times. Both give the same answers; the
// QLocale path tries every form through QLocale::toDate/toTime (5 to 10 us a
// cell), the fast path reads all-digit forms itself (a tenth of that or less)
// and hands every text it cannot decide to the QLocale path.
enum class TDateParsing { Fast, QLocaleOnly };

// The three conversions with the locale's forms worked out once, for a sort
// that converts every cell of a column.
class TTextConverter {
public:
    explicit TTextConverter(const QLocale& locale, TDateParsing parsing = TDateParsing::Fast);

    bool ToFloat(const QString& text, double* value) const;
    bool ToDateTime(const QString& text, std::int64_t* msecs) const;
    bool ToTime(const QString& text, std::int64_t* msecsOfDay) const;

    // A date or time form as the fast path sees it: one made of numeric
    // fields and punctuation it reads itself, one that needs a letter in the
    // text (names of days or months, AM/PM, time zones, literal letters),
    // or one it leaves to QLocale.
    struct TForm {
        enum TKind { Digits, NeedsLetter, Opaque };
        enum TField { Day, Month, Year, Hour, Minute, Second, Msec };
        struct TPart {
            TField Field = Day;
            int MinDigits = 0; // 0: a literal
            int MaxDigits = 0;
            QString Literal;
        };
        TKind Kind = Opaque;
        std::vector<TPart> Parts;
        bool TwoDigitYear = false; // read as 19xx by QLocale, then windowed
        QString Punctuation;       // Opaque: the marks the text must hold, in order
    };

private:
    bool ToDate(const QString& text, QDate* date) const;

    QLocale FLocale;
    QStringList FDateFormats;
    QStringList FTimeFormats;
    bool FFast = true;
    int FYearPivot = 0;
    std::vector<TForm> FDateForms; // compiled FDateFormats, same order
    std::vector<TForm> FTimeForms;
};

} // namespace zn
