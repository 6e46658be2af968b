#include "core/sort_engine.h"

#include <gtest/gtest.h>

#include <ctime>
#include <random>
#include <set>

using namespace zn;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// A grid from rows of texts; row 0 is a header "H0", "H1", ...
TCellStore Grid(const std::vector<QStringList>& rows) {
    const int cols = rows.empty() ? 1 : static_cast<int>(rows.front().size());
    TCellStore store(cols, static_cast<int>(rows.size()) + 1);
    for (int c = 0; c < cols; ++c)
        store.SetCell(c, 0, QStringLiteral("H%1").arg(c));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        store.AssignRow(r + 1, rows[r]);
    return store;
}

QStringList DataColumn(const TCellStore& store, int col) {
    QStringList texts = store.Column(col, store.RowCount());
    texts.removeFirst();
    return texts;
}

TSortResult Sort(TCellStore& store, TSortOptions& options, int col, const QLocale& locale = kEnglish,
                 const TSortEvents& events = {}, const std::vector<int>& marked = {}) {
    return SortRows(store, options, col, marked, events, locale);
}

} // namespace

TEST(SortKeys, PrimaryFirstThenSecondaryWithDuplicatesAndBadEntriesDropped) {
    EXPECT_EQ(SortKeyColumns("10", 3, 11), (std::vector<int>{3, 10}));
    EXPECT_EQ(SortKeyColumns("10", 10, 11), (std::vector<int>{10}));
    EXPECT_EQ(SortKeyColumns("2, 5,2,x,,-1,11", 5, 11), (std::vector<int>{5, 2}));
    EXPECT_EQ(SortKeyColumns("", 0, 1), (std::vector<int>{0}));
}

TEST(SortEngine, EqualKeysKeepTheirOrderInBothDirections) {
    TCellStore store = Grid({{"b", "1"}, {"a", "2"}, {"b", "3"}, {"a", "4"}, {"b", "5"}});
    TSortOptions options;
    Sort(store, options, 0);
    EXPECT_EQ(DataColumn(store, 1), QStringList({"2", "4", "1", "3", "5"}));

    options.SortDirection = sdDescending;
    Sort(store, options, 0);
    EXPECT_EQ(DataColumn(store, 1), QStringList({"1", "3", "5", "2", "4"}));
    EXPECT_EQ(store.Row(0), QStringList({"H0", "H1"}));
}

TEST(SortEngine, SecondaryKeyOrdersTiesAndIsDroppedWhenItIsThePrimary) {
    // Columns: 0 team, 1 = the primary in the lists, 2 = the secondary.
    TCellStore store = Grid({{"A", "2", "9"}, {"B", "1", "5"}, {"C", "2", "1"}, {"D", "1", "5"}});
    TSortOptions options;
    options.SecondaryIndex = "2";
    std::vector<int> styleCalls;
    TSortEvents events;
    events.OnGetSortStyle = [&](int col, TSortStyle& style) {
        styleCalls.push_back(col);
        style = ssNumeric;
    };

    Sort(store, options, 1, kEnglish, events);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"B", "D", "C", "A"}));
    EXPECT_EQ(styleCalls, (std::vector<int>{2, 1})); // least significant first

    styleCalls.clear();
    Sort(store, options, 2, kEnglish, events);
    EXPECT_EQ(styleCalls, (std::vector<int>{2}));
    EXPECT_EQ(DataColumn(store, 0), QStringList({"C", "B", "D", "A"}));
}

TEST(SortEngine, NumericPutsTheEmptyCellFirstThenByValue) {
    TCellStore store = Grid({{"10"}, {"9"}, {""}});
    TSortOptions options;
    options.SortStyle = ssNumeric;
    Sort(store, options, 0);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"", "9", "10"}));

    options.SortStyle = ssNormal;
    Sort(store, options, 0);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"", "10", "9"}));
}

TEST(SortEngine, NumbersFollowTheLocaleInForce) {
    TCellStore store = Grid({{"21,50"}, {"3,75"}, {"100,00"}});
    TSortOptions options;
    options.SortStyle = ssNumeric;
    Sort(store, options, 0, kGerman);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"3,75", "21,50", "100,00"}));

    double v = 0;
    EXPECT_TRUE(TextToFloat(" 21,5 ", kGerman, &v));
    EXPECT_DOUBLE_EQ(v, 21.5);
    EXPECT_FALSE(TextToFloat("21.50", kGerman, &v));  // not a German number
    EXPECT_FALSE(TextToFloat("1,000", kEnglish, &v)); // no digit grouping
    EXPECT_FALSE(TextToFloat("nan", kEnglish, &v));
    EXPECT_FALSE(TextToFloat("", kEnglish, &v));
}

TEST(SortEngine, DetectedStyleIsKeptForLaterSorts) {
    TCellStore store = Grid({{"10", "b"}, {"9", "a"}, {"100", "c"}});
    TSortOptions options;
    options.SortStyle = ssAutomatic;
    Sort(store, options, 0);
    EXPECT_EQ(options.SortStyle, ssNumeric);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"9", "10", "100"}));

    // Column 1 holds words, but the style stays fixed at ssNumeric: each
    // pair falls back to the plain comparison.
    Sort(store, options, 1);
    EXPECT_EQ(options.SortStyle, ssNumeric);
    EXPECT_EQ(DataColumn(store, 1), QStringList({"a", "b", "c"}));
}

TEST(SortEngine, DetectionPrefersNumberThenDateTimeThenTime) {
    EXPECT_EQ(DetectSortStyle(Grid({{"1,5"}, {"-3"}}), 0, kGerman), ssNumeric);
    EXPECT_EQ(DetectSortStyle(Grid({{"24.12.2023"}, {"01.02.24 13:05"}}), 0, kGerman), ssDateTime);
    // A bare time reads as a date-time on day 0 too, and date-time ranks higher.
    EXPECT_EQ(DetectSortStyle(Grid({{"13:05"}, {"9:30:15"}}), 0, kGerman), ssDateTime);
    EXPECT_EQ(DetectSortStyle(Grid({{"Anna"}, {"12"}}), 0, kGerman), ssNormal);
    EXPECT_EQ(DetectSortStyle(Grid({{"12"}, {""}}), 0, kGerman), ssNormal);
    EXPECT_EQ(DetectSortStyle(Grid({}), 0, kGerman), ssNumeric);
}

TEST(SortEngine, DatesAndTimesSortByValueNotByText) {
    TCellStore dates = Grid({{"03.01.2024"}, {"24.12.2023"}, {"02.01.2024 08:00"}});
    TSortOptions options;
    options.SortStyle = ssDateTime;
    Sort(dates, options, 0, kGerman);
    EXPECT_EQ(DataColumn(dates, 0), QStringList({"24.12.2023", "02.01.2024 08:00", "03.01.2024"}));

    // Month names are matched as written, not after case folding.
    TCellStore named = Grid({{"Dienstag, 5. März 2024"}, {"Montag, 4. März 2024"}});
    ASSERT_EQ(DetectSortStyle(named, 0, kGerman), ssDateTime);
    Sort(named, options, 0, kGerman);
    EXPECT_EQ(DataColumn(named, 0), QStringList({"Montag, 4. März 2024", "Dienstag, 5. März 2024"}));

    TCellStore times = Grid({{"10:00"}, {"9:30"}, {"9:05:30"}});
    options.SortStyle = ssTime;
    Sort(times, options, 0, kGerman);
    EXPECT_EQ(DataColumn(times, 0), QStringList({"9:05:30", "9:30", "10:00"}));

    std::int64_t ms = 0;
    ASSERT_TRUE(TextToDateTime("01.01.24", kGerman, &ms));
    std::int64_t ms2024 = 0;
    ASSERT_TRUE(TextToDateTime("01.01.2024", kGerman, &ms2024));
    EXPECT_EQ(ms, ms2024); // two-digit years belong to this century
    EXPECT_FALSE(TextToTime("25:00", kGerman, &ms));

    // 02:30 on the day the clocks go forward does not exist as local time
    // in Germany, but is a valid entry in a list.
    const QByteArray oldZone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    std::int64_t before = 0, gap = 0;
    const bool readBefore = TextToDateTime("26.03.2023 01:59", kGerman, &before);
    const bool readGap = TextToDateTime("26.03.2023 02:30", kGerman, &gap);
    if (oldZone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", oldZone);
    tzset();
    ASSERT_TRUE(readBefore && readGap);
    EXPECT_EQ(gap - before, 31 * 60 * 1000);
}

TEST(SortEngine, NumericExtendedComparesTheNumbersInsideTexts) {
    EXPECT_LT(NumericExtendedCompare("Gruppe 9", "Gruppe 10"), 0);
    EXPECT_GT(NumericExtendedCompare("Lauf 12 s", "Lauf 3 s"), 0);
    EXPECT_EQ(NumericExtendedCompare("Team A", "Team A"), 0);
    EXPECT_LT(NumericExtendedCompare("9", "10"), 0);
    // Empty texts and texts whose rest is no number compare plainly.
    EXPECT_LT(NumericExtendedCompare("", "1"), 0);
    EXPECT_GT(NumericExtendedCompare("Ost", "Nord"), 0);

    TCellStore store = Grid({{"Gruppe 10"}, {"Gruppe 9"}, {"Gruppe 1"}});
    TSortOptions options;
    options.SortStyle = ssNumericExtended;
    Sort(store, options, 0);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"Gruppe 1", "Gruppe 9", "Gruppe 10"}));
}

TEST(SortEngine, CaseIsFoldedForAToZUnlessCaseSensitive) {
    TCellStore store = Grid({{"b"}, {"A"}, {"a"}, {"B"}});
    TSortOptions options;
    Sort(store, options, 0);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"A", "a", "b", "B"}));
    options.SortCaseSensitive = true;
    Sort(store, options, 0);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"A", "B", "a", "b"}));
    EXPECT_EQ(FoldCase(QStringLiteral("ÄBC")), QStringLiteral("Äbc"));
}

TEST(SortEngine, CustomCompareIsUsedOnceAndClearedAfterEverySort) {
    TCellStore store = Grid({{"aaaa"}, {"b"}, {"cc"}});
    TSortOptions options;
    std::vector<TSortStyle> passedIn;
    TSortEvents events;
    events.OnGetSortStyle = [&](int, TSortStyle& style) {
        passedIn.push_back(style);
        options.CompareProc = [](const QString& a, const QString& b) {
            return static_cast<int>(a.size() - b.size());
        };
        style = ssCustom;
    };

    Sort(store, options, 0, kEnglish, events);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"b", "cc", "aaaa"}));
    EXPECT_FALSE(options.CompareProc);
    EXPECT_EQ(options.SortStyle, ssCustom);

    // Without a handler the style stays ssCustom but no comparison is left:
    // the sort falls back to the plain one instead of calling an empty one.
    Sort(store, options, 0);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"aaaa", "b", "cc"}));

    passedIn.clear();
    store.SetColCount(2);
    options.SecondaryIndex = "1";
    Sort(store, options, 0, kEnglish, events);
    EXPECT_EQ(passedIn, (std::vector<TSortStyle>{ssAutomatic, ssCustom}));
}

TEST(SortEngine, EventsRunInOrderAndBeforeSortMayRedirectTheColumn) {
    TCellStore store = Grid({{"2", "b"}, {"1", "a"}});
    TSortOptions options;
    QStringList log;
    TSortEvents events;
    events.OnBeforeSort = [&](int& col) {
        log << QStringLiteral("before %1").arg(col);
        col = 1;
    };
    events.OnGetSortStyle = [&](int col, TSortStyle& style) {
        log << QStringLiteral("style %1").arg(col);
        style = ssNormal;
    };
    events.OnAfterSort = [&](int col) { log << QStringLiteral("after %1").arg(col); };

    const TSortResult result = Sort(store, options, 0, kEnglish, events);
    EXPECT_TRUE(result.Sorted);
    EXPECT_EQ(log, QStringList({"before 0", "style 1", "after 1"}));
    EXPECT_EQ(options.SortCol, 0); // set before the handler ran
    EXPECT_EQ(DataColumn(store, 1), QStringList({"a", "b"}));
}

TEST(SortEngine, CanSortOffTouchesNothing) {
    TCellStore store = Grid({{"2"}, {"1"}});
    TSortOptions options;
    options.CanSort = false;
    bool fired = false;
    TSortEvents events;
    events.OnBeforeSort = [&](int&) { fired = true; };
    EXPECT_FALSE(Sort(store, options, 0, kEnglish, events).Sorted);
    EXPECT_FALSE(fired);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"2", "1"}));
}

TEST(SortEngine, ASingleDataRowStillRunsTheEventsAndStays) {
    TCellStore store = Grid({{"x"}});
    TSortOptions options;
    int after = 0;
    TSortEvents events;
    events.OnAfterSort = [&](int) { ++after; };
    const TSortResult result = Sort(store, options, 0, kEnglish, events);
    EXPECT_EQ(after, 1);
    EXPECT_EQ(result.Order, (std::vector<int>{1}));
    EXPECT_EQ(DataColumn(store, 0), QStringList({"x"}));
}

TEST(SortEngine, MarkedRowsFollowTheirData) {
    TCellStore store = Grid({{"d"}, {"c"}, {"b"}, {"a"}});
    TSortOptions options;
    const TSortResult result = Sort(store, options, 0, kEnglish, {}, {1, 3}); // "d" and "b"
    EXPECT_EQ(result.Order, (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(result.CurrentRow, 2);
    EXPECT_EQ(result.SelectedRows, (std::vector<int>{2, 4}));

    const TSortResult none = Sort(store, options, 0, kEnglish, {}, {0, 99});
    EXPECT_EQ(none.CurrentRow, -1);
    EXPECT_TRUE(none.SelectedRows.empty());
}

TEST(SortEngine, RowsBeyondTheCountsStayWhereTheyAre) {
    TCellStore store = Grid({{"b"}, {"a"}});
    store.SetCell(0, 5, "parked");
    TSortOptions options;
    Sort(store, options, 0);
    EXPECT_EQ(DataColumn(store, 0), QStringList({"a", "b"}));
    EXPECT_EQ(store.Cell(0, 5), "parked");
}

TEST(SortEngine, MixedNumbersAndWordsSortSafelyIntoAPermutation) {
    // Numbers compare by value, a number with a word by text: no consistent
    // order exists ("9" < "10" < "5a" < "9"). The sort must still finish
    // inside its bounds and keep every row exactly once.
    std::mt19937 random(7);
    const QStringList pool{"9", "10", "5a", "", "100", "x", "1e3", "07", "-2", "abc"};
    std::vector<QStringList> rows;
    for (int i = 0; i < 2000; ++i)
        rows.push_back({pool[random() % pool.size()], QString::number(i)});
    TCellStore store = Grid(rows);
    TSortOptions options;
    options.SortStyle = ssNumeric;
    for (TSortDirection direction : {sdAscending, sdDescending}) {
        options.SortDirection = direction;
        const TSortResult result = Sort(store, options, 0);
        EXPECT_EQ(std::set<int>(result.Order.begin(), result.Order.end()).size(), rows.size());
        std::set<QString> ids;
        for (const QString& id : DataColumn(store, 1))
            ids.insert(id);
        EXPECT_EQ(ids.size(), rows.size());
    }
}
