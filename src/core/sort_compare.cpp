#include "core/sort_compare.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace zn {

namespace {

// Day 0 of the serial date the lists' date-time values count from.
constexpr qint64 kEpochJulianDay = 2415019; // 1899-12-30
constexpr qint64 kMsecsPerDay = 86400000;

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

void AddUnique(QStringList& list, const QString& format) {
    if (!format.isEmpty() && !list.contains(format)) list.append(format);
}

// The locale's form and its lenient twins: one-digit day and month, and a
// four-digit year where the locale writes two.
void AddDateVariants(QStringList& list, QString format) {
    format = format.trimmed();
    if (format.isEmpty()) return;
    QString fourDigit = format;
    if (!fourDigit.contains(QLatin1String("yyyy")))
        fourDigit.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    for (const QString& f : {fourDigit, format}) {
        AddUnique(list, f);
        QString loose = f;
        loose.replace(QLatin1String("dd"), QLatin1String("d"))
            .replace(QLatin1String("MM"), QLatin1String("M"));
        AddUnique(list, loose);
    }
}

bool HasTwoDigitYear(const QString& format) {
    return !format.contains(QLatin1String("yyyy")) && format.contains(QLatin1String("yy"));
}

// Two-digit years read as 19xx by Qt; the lists mean the 50 years around now
// (pivot = this year - 50).
QDate WindowTwoDigitYear(QDate date, int pivot) {
    while (date.isValid() && date.year() < pivot)
        date = date.addYears(100);
    return date;
}

// ---------------------------------------------------------------- fast path
//
// QLocale::toDate/toTime build a parser for every call, and a cell may try
// eight forms: a header click on 10,000 dates took 100 ms, on 10,000 times
// 450 ms (detection reads each time as a date first). The forms the
// lists use are digits and punctuation ("dd.MM.yyyy", "H:mm:ss"), which are
// read here directly. A form is read here only where QLocale's reading is
// known: a numeric field takes between its minimum and maximum count of
// digits greedily (d, M, H, m, s: 1 or 2; dd, MM, HH, mm, ss, yy: 2; yyyy,
// zzz: exactly that many), punctuation must match exactly, nothing may be
// left over, and the value must exist (no 29.02.2023, no 24:00). Everything
// else goes to QLocale unchanged.

using TForm = TTextConverter::TForm;

// The numeric field a run of `count` letters `c` stands for; false when the
// run is no such field.
bool NumericField(char16_t c, int count, TForm::TPart& part) {
    auto set = [&](TForm::TField field, int minDigits, int maxDigits) {
        part.Field = field;
        part.MinDigits = minDigits;
        part.MaxDigits = maxDigits;
        return true;
    };
    switch (c) {
    case u'd':
        return count <= 2 && set(TForm::Day, count, 2);
    case u'M':
        return count <= 2 && set(TForm::Month, count, 2);
    case u'y':
        return (count == 2 || count == 4) && set(TForm::Year, count, count);
    case u'H':
        return count <= 2 && set(TForm::Hour, count, 2);
    case u'm':
        return count <= 2 && set(TForm::Minute, count, 2);
    case u's':
        return count <= 2 && set(TForm::Second, count, 2);
    case u'z':
        return count == 3 && set(TForm::Msec, 3, 3);
    default:
        return false;
    }
}

// Runs of these letters need a name, a marker or a zone in the text: day and
// month names (ddd, MMM and longer), AM/PM, the zone, or a literal letter.
// Runs of the field letters that are neither numeric nor a name (yyy, z,
// the 12-hour h) are left to QLocale.
bool NeedsLetter(char16_t c, int count) {
    switch (c) {
    case u'd':
    case u'M':
        return count == 3 || count == 4;
    case u'y':
    case u'H':
    case u'h':
    case u'm':
    case u's':
    case u'z':
        return false;
    default:
        return true;
    }
}

bool IsDateField(TForm::TField field) {
    return field == TForm::Day || field == TForm::Month || field == TForm::Year;
}

// Fields each at most once, never two without punctuation between them, and
// complete: day, month and year for a date, hour and minute for a time.
bool WellFormed(const std::vector<TForm::TPart>& parts, bool date) {
    unsigned seen = 0;
    bool previousField = false;
    for (const TForm::TPart& part : parts) {
        if (part.MinDigits == 0) {
            previousField = false;
            continue;
        }
        const unsigned bit = 1u << part.Field;
        if ((seen & bit) || previousField || IsDateField(part.Field) != date) return false;
        seen |= bit;
        previousField = true;
    }
    const unsigned needed = date ? (1u << TForm::Day) | (1u << TForm::Month) | (1u << TForm::Year)
                                 : (1u << TForm::Hour) | (1u << TForm::Minute);
    return (seen & needed) == needed;
}

TForm CompileForm(const QString& format, bool date) {
    TForm form;
    form.TwoDigitYear = HasTwoDigitYear(format);
    bool needsLetter = false;
    bool opaque = false;
    const qsizetype n = format.size();
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = format[i].unicode();
        // Quoted text may hold anything; the rest of the form is not read.
        if (c == u'\'') {
            opaque = true;
            break;
        }
        if (format[i].isLetter()) {
            int count = 1;
            while (i + count < n && format[i + count] == format[i])
                ++count;
            TForm::TPart part;
            if (NumericField(c, count, part))
                form.Parts.push_back(part);
            else if (NeedsLetter(c, count))
                needsLetter = true;
            else
                opaque = true;
            i += count;
            continue;
        }
        TForm::TPart literal;
        while (i < n && !format[i].isLetter() && format[i] != u'\'') {
            const QChar l = format[i++];
            literal.Literal += l;
            // Blanks may be matched loosely, signs belong to numbers: left to QLocale.
            if (l.isSpace() || l.isDigit() || l == u'+' || l == u'-' || l.unicode() > 0x7e) opaque = true;
            if (!l.isSpace()) form.Punctuation += l;
        }
        form.Parts.push_back(literal);
    }
    if (needsLetter)
        form.Kind = TForm::NeedsLetter;
    else if (opaque || !WellFormed(form.Parts, date))
        form.Kind = TForm::Opaque;
    else
        form.Kind = TForm::Digits;
    return form;
}

// Printable ASCII without letters or signs: a text no form that needs a
// letter can match, and whose digits are plain ASCII ones.
bool FastReadable(const QString& text) {
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x20 || c > 0x7e || c == u'+' || c == u'-') return false;
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) return false;
    }
    return true;
}

// The field values of a Digits form read from text; false when it does not fit.
bool ReadDigits(const TForm& form, const QString& text, int (&values)[7]) {
    const qsizetype n = text.size();
    qsizetype p = 0;
    for (const TForm::TPart& part : form.Parts) {
        if (part.MinDigits == 0) {
            if (QStringView(text).mid(p, part.Literal.size()) != part.Literal) return false;
            p += part.Literal.size();
            continue;
        }
        int value = 0;
        int digits = 0;
        while (digits < part.MaxDigits && p < n && IsDigit(text[p])) {
            value = value * 10 + (text[p].unicode() - u'0');
            ++digits;
            ++p;
        }
        if (digits < part.MinDigits) return false;
        values[part.Field] = value;
    }
    return p == n;
}

// Whether text holds the marks in this order (anything may stand between).
bool HoldsInOrder(const QString& text, const QString& marks) {
    qsizetype from = 0;
    for (const QChar mark : marks) {
        from = text.indexOf(mark, from);
        if (from < 0) return false;
        ++from;
    }
    return true;
}

enum class TFit { Read, None, Unknown };

// Tries the forms in QLocale's order: the first Digits form that reads the
// text and whose values `valid` accepts decides, as QLocale's first valid
// form does there. A form left to QLocale that the text could fit makes the
// answer unknown, and so does a text with letters, signs or non-ASCII.
template <typename Valid>
TFit FirstFit(const std::vector<TForm>& forms, const QString& text, int (&values)[7], const TForm*& hit,
              Valid valid) {
    if (!FastReadable(text)) return TFit::Unknown;
    for (const TForm& form : forms) {
        switch (form.Kind) {
        case TForm::NeedsLetter:
            continue;
        case TForm::Opaque:
            if (HoldsInOrder(text, form.Punctuation)) return TFit::Unknown;
            continue;
        case TForm::Digits:
            std::fill(std::begin(values), std::end(values), 0);
            if (ReadDigits(form, text, values) && valid(form, values)) {
                hit = &form;
                return TFit::Read;
            }
            continue;
        }
    }
    return TFit::None;
}

// QLocale reads "yy" as 19yy.
QDate DateOf(const TForm& form, const int (&v)[7]) {
    return QDate(form.TwoDigitYear ? 1900 + v[TForm::Year] : v[TForm::Year], v[TForm::Month], v[TForm::Day]);
}

} // namespace

int PlainCompare(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    const QChar* pa = a.constData();
    const QChar* pb = b.constData();
    const auto [ia, ib] = std::mismatch(pa, pa + n, pb);
    if (ia != pa + n) return static_cast<int>(ia->unicode()) - static_cast<int>(ib->unicode());
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

QString FoldCase(const QString& text) {
    QString folded = text;
    bool changed = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'A' && c <= u'Z') {
            if (!changed) {
                folded.detach();
                changed = true;
            }
            folded[i] = QChar(static_cast<char16_t>(c + (u'a' - u'A')));
        }
    }
    return folded;
}

TTextConverter::TTextConverter(const QLocale& locale, TDateParsing parsing)
    : FLocale(locale), FFast(parsing == TDateParsing::Fast), FYearPivot(QDate::currentDate().year() - 50) {
    FLocale.setNumberOptions(QLocale::RejectGroupSeparator);

    for (QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat})
        AddDateVariants(FDateFormats, locale.dateFormat(type));

    for (QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat})
        AddUnique(FTimeFormats, locale.timeFormat(type).trimmed());
    for (const char* f : {"H:mm:ss.zzz", "H:mm:ss", "H:mm"})
        AddUnique(FTimeFormats, QLatin1String(f));

    for (const QString& format : FDateFormats)
        FDateForms.push_back(CompileForm(format, true));
    for (const QString& format : FTimeFormats)
        FTimeForms.push_back(CompileForm(format, false));
}

bool TTextConverter::ToFloat(const QString& text, double* value) const {
    bool ok = false;
    const double v = FLocale.toDouble(text.trimmed(), &ok);
    if (!ok || std::isnan(v)) return false;
    *value = v;
    return true;
}

bool TTextConverter::ToTime(const QString& text, std::int64_t* msecsOfDay) const {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    if (FFast) {
        int v[7];
        const TForm* form = nullptr;
        const TFit fit = FirstFit(FTimeForms, t, v, form, [](const TForm&, const int(&f)[7]) {
            return QTime::isValid(f[TForm::Hour], f[TForm::Minute], f[TForm::Second], f[TForm::Msec]);
        });
        if (fit == TFit::Read)
            *msecsOfDay =
                ((v[TForm::Hour] * 60 + v[TForm::Minute]) * 60 + v[TForm::Second]) * 1000 + v[TForm::Msec];
        if (fit != TFit::Unknown) return fit == TFit::Read;
    }
    for (const QString& format : FTimeFormats) {
        const QTime time = FLocale.toTime(t, format);
        if (time.isValid()) {
            *msecsOfDay = time.msecsSinceStartOfDay();
            return true;
        }
    }
    return false;
}

bool TTextConverter::ToDate(const QString& text, QDate* date) const {
    if (FFast) {
        int v[7];
        const TForm* form = nullptr;
        const TFit fit = FirstFit(FDateForms, text, v, form,
                                  [](const TForm& f, const int(&d)[7]) { return DateOf(f, d).isValid(); });
        if (fit == TFit::Read) {
            const QDate d = DateOf(*form, v);
            *date = form->TwoDigitYear ? WindowTwoDigitYear(d, FYearPivot) : d;
        }
        if (fit != TFit::Unknown) return fit == TFit::Read;
    }
    for (const QString& format : FDateFormats) {
        const QDate d = FLocale.toDate(text, format);
        if (d.isValid()) {
            *date = HasTwoDigitYear(format) ? WindowTwoDigitYear(d, FYearPivot) : d;
            return true;
        }
    }
    return false;
}

bool TTextConverter::ToDateTime(const QString& text, std::int64_t* msecs) const {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    auto serial = [](QDate date, qint64 msecsOfDay) {
        return (date.toJulianDay() - kEpochJulianDay) * kMsecsPerDay + msecsOfDay;
    };
    QDate date;
    std::int64_t ofDay = 0;
    if (ToDate(t, &date)) {
        *msecs = serial(date, 0);
        return true;
    }
    if (ToTime(t, &ofDay)) {
        *msecs = ofDay;
        return true;
    }
    // Date and time are read apart, at each blank in turn (long date forms
    // hold blanks themselves): read as one local date-time, a wall-clock time
    // inside the spring daylight-saving gap would not exist and fail.
    for (qsizetype blank = t.indexOf(u' '); blank > 0; blank = t.indexOf(u' ', blank + 1)) {
        if (ToDate(t.left(blank).trimmed(), &date) && ToTime(t.mid(blank + 1), &ofDay)) {
            *msecs = serial(date, ofDay);
            return true;
        }
    }
    return false;
}

bool TextToFloat(const QString& text, const QLocale& locale, double* value) {
    return TTextConverter(locale).ToFloat(text, value);
}

bool TextToDateTime(const QString& text, const QLocale& locale, std::int64_t* msecs) {
    return TTextConverter(locale).ToDateTime(text, msecs);
}

bool TextToTime(const QString& text, const QLocale& locale, std::int64_t* msecsOfDay) {
    return TTextConverter(locale).ToTime(text, msecsOfDay);
}

int NumericExtendedCompare(const QString& s1, const QString& s2) {
    if (s1.isEmpty() || s2.isEmpty()) return PlainCompare(s1, s2);

    // Keep what differs and every digit; at the last common place take both
    // remainders whole, so "Gruppe 9" and "Gruppe 10" leave "9" and "10".
    const qsizetype n = std::min(s1.size(), s2.size());
    QString t1, t2;
    for (qsizetype p = 0; p < n; ++p) {
        if (s1[p] == s2[p] && !IsDigit(s1[p])) continue;
        if (p == n - 1) {
            t1 += s1.mid(p);
            t2 += s2.mid(p);
        } else {
            t1 += s1[p];
            t2 += s2[p];
        }
    }

    // Equal trailing non-digits (a common unit such as " s") go as well. The
    // places are read in the texts as built above, the cut is made in the
    // shortened ones.
    const QString built1 = t1;
    const QString built2 = t2;
    const qsizetype m = std::min(built1.size(), built2.size());
    for (qsizetype i = 0; i < m; ++i) {
        const QChar c1 = built1[built1.size() - 1 - i];
        const QChar c2 = built2[built2.size() - 1 - i];
        if (c1 == c2 && !IsDigit(c1)) {
            t1.chop(1);
            t2.chop(1);
        }
    }

    if (t1 == t2) return 0;
    bool ok1 = false;
    bool ok2 = false;
    const int v1 = t1.toInt(&ok1);
    const int v2 = t2.toInt(&ok2);
    if (!ok1 || !ok2) return PlainCompare(t1, t2);
    return v1 < v2 ? -1 : 1;
}

} // namespace zn
