#include "core/sort_compare.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

// The fast reading of dates and times must answer exactly as QLocale does:
// the same texts accepted, the same values.
void ExpectSameAsQLocale(const QLocale& locale, const QStringList& texts) {
    const TTextConverter fast(locale);
    const TTextConverter slow(locale, TDateParsing::QLocaleOnly);
    for (const QString& text : texts) {
        std::int64_t a = -1, b = -1;
        const bool fastDate = fast.ToDateTime(text, &a);
        ASSERT_EQ(fastDate, slow.ToDateTime(text, &b))
            << locale.name().toStdString() << " [" << text.toStdString() << "]";
        if (fastDate) {
            EXPECT_EQ(a, b) << "[" << text.toStdString() << "]";
        }
        const bool fastTime = fast.ToTime(text, &a);
        ASSERT_EQ(fastTime, slow.ToTime(text, &b))
            << locale.name().toStdString() << " [" << text.toStdString() << "]";
        if (fastTime) {
            EXPECT_EQ(a, b) << "[" << text.toStdString() << "]";
        }
    }
}

const QStringList kTricky{"1.2.2024",
                          "01.02.2024",
                          "01.02.24",
                          "1.2.80",
                          "31.12.99",
                          "01/02/99",
                          "1.2.24",
                          "29.02.2023",
                          "29.02.2024",
                          "31.04.2024",
                          "0.1.2024",
                          "01.00.2024",
                          "01.02.0000",
                          "01.02.0001",
                          "001.02.2024",
                          "01.02.20245",
                          "01.02.024",
                          "1..2.2024",
                          "01.02.-2024",
                          "01.02.+2024",
                          "01.02.2024 ",
                          " 1.2.2024",
                          "12:05",
                          "7:05",
                          "07:05",
                          "7:5",
                          "7:05:09",
                          "12:05:09.123",
                          "12:05:09.12",
                          "24:00",
                          "23:59:60",
                          "12:60",
                          "+1:00",
                          "-1:00",
                          "012:05",
                          "12 :05",
                          "",
                          "   ",
                          "März",
                          "5. März 2024",
                          "Dienstag, 5. März 2024",
                          "Montag, 4. März 2024 12:05",
                          "05, 5. 03 2024",
                          "01.02.2024 08:00",
                          "01.02.2024  8:00",
                          "1.2.24 7:05:09",
                          "1.2.2024 24:00",
                          "26.03.2023 02:30",
                          "2024-02-01",
                          "01/02/2024",
                          "2/1/24",
                          "12:05 PM",
                          "12:05 AM",
                          "1:05:09 PM",
                          "12:05:09 +01:00",
                          "12:05 Uhr",
                          "21,50",
                          "12",
                          "1e3",
                          "\t12:05"};

// Every text of two or three digit groups joined by one mark: the shapes the
// fast path reads itself, and their near misses.
QStringList DigitShapes() {
    const QStringList groups{"0", "1", "01", "7", "12", "24", "29", "60", "024", "2024"};
    QStringList texts;
    for (const QString mark : {".", ":", "/"}) {
        for (const QString& a : groups) {
            for (const QString& b : groups) {
                texts << a + mark + b;
                for (const QString& c : groups)
                    texts << a + mark + b + mark + c;
            }
        }
    }
    return texts;
}

} // namespace

TEST(FastDates, AgreeWithQLocaleOnTrickyTexts) {
    for (const QLocale& locale :
         {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates),
          QLocale::c(), QLocale(QLocale::French, QLocale::France)})
        ExpectSameAsQLocale(locale, kTricky);
}

TEST(FastDates, AgreeWithQLocaleOnEveryDigitShape) {
    ExpectSameAsQLocale(QLocale(QLocale::German, QLocale::Germany), DigitShapes());
    ExpectSameAsQLocale(QLocale(QLocale::English, QLocale::UnitedKingdom), DigitShapes());
}

// The values themselves, so that both paths cannot agree on a wrong reading.
TEST(FastDates, ReadTheGermanFormsTheListsUse) {
    const TTextConverter conv(QLocale(QLocale::German, QLocale::Germany));
    std::int64_t day = 0, ms = 0;
    ASSERT_TRUE(conv.ToDateTime("01.02.2024", &day));
    ASSERT_TRUE(conv.ToDateTime("1.2.24", &ms));
    EXPECT_EQ(ms, day); // a two-digit year lies within 50 years of today
    ASSERT_TRUE(conv.ToDateTime("01.02.2024 7:05:09", &ms));
    EXPECT_EQ(ms - day, (7 * 3600 + 5 * 60 + 9) * 1000);
    ASSERT_TRUE(conv.ToDateTime("02.02.2024", &ms));
    EXPECT_EQ(ms - day, 86400000);
    ASSERT_TRUE(conv.ToTime("12:05:09.123", &ms));
    EXPECT_EQ(ms, ((12 * 60 + 5) * 60 + 9) * 1000 + 123);
    EXPECT_FALSE(conv.ToDateTime("29.02.2023", &ms));
    EXPECT_FALSE(conv.ToTime("7:5", &ms));
}
