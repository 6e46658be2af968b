#include "core/sort_compare.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <cmath>

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

// Two-digit years read as 19xx by Qt; the lists mean the 50 years around now.
QDate WindowTwoDigitYear(QDate date, const QString& format) {
    if (format.contains(QLatin1String("yyyy")) || !format.contains(QLatin1String("yy"))) return date;
    const int pivot = QDate::currentDate().year() - 50;
    while (date.isValid() && date.year() < pivot)
        date = date.addYears(100);
    return date;
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

TTextConverter::TTextConverter(const QLocale& locale) : FLocale(locale) {
    FLocale.setNumberOptions(QLocale::RejectGroupSeparator);

    for (QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat})
        AddDateVariants(FDateFormats, locale.dateFormat(type));

    for (QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat})
        AddUnique(FTimeFormats, locale.timeFormat(type).trimmed());
    for (const char* f : {"H:mm:ss.zzz", "H:mm:ss", "H:mm"})
        AddUnique(FTimeFormats, QLatin1String(f));
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
    for (const QString& format : FDateFormats) {
        const QDate d = FLocale.toDate(text, format);
        if (d.isValid()) {
            *date = WindowTwoDigitYear(d, format);
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
