#include "core/ranking.h"

#include "list_rows_util.h"

#include <gtest/gtest.h>

using namespace zn;
using zn::test::Column;

namespace {

ListRows Results(std::initializer_list<QStringList> data) {
    ListRows rows{QStringList(ResultHeaders.begin(), ResultHeaders.end())};
    for (const QStringList& r : data)
        rows.append(r);
    return rows;
}

} // namespace

TEST(Rank, ByTotalWithRowsWithoutATimeLastAndWithoutPlace) {
    ListRows rows = Results({{"", "A", "", "", "", ""},
                             {"", "B", "", "10,20", "0", "10,20"},
                             {"4", "Null", "", "0,00", "0", "0,00"},
                             {"", "C", "", "9,80", "0", "9,80"},
                             {"", "D", "", "", "", "  "},
                             {"", "E", "", "12,00", "0", "12,00"}});
    RankResultRows(rows, rc::Count, u',');
    EXPECT_EQ(Column(rows, rc::Mannschaft), (QStringList{"C", "B", "E", "Null", "A", "D"}));
    EXPECT_EQ(Column(rows, rc::Platz), (QStringList{"1", "2", "3", "", "", ""}));
    EXPECT_EQ(rows[0], QStringList(ResultHeaders.begin(), ResultHeaders.end()));
}

// A list shown (and once numbered) in descending order: the places follow the
// totals, not the rows.
TEST(Rank, PlacesComeFromTheTotalsNotFromTheRowOrder) {
    ListRows rows = Results(
        {{"1", "X", "", "", "", "30,00"}, {"2", "Y", "", "", "", "25,00"}, {"3", "Z", "", "", "", "20,00"}});
    RankResultRows(rows, rc::Count, u',');
    EXPECT_EQ(Column(rows, rc::Mannschaft), (QStringList{"Z", "Y", "X"}));
    EXPECT_EQ(Column(rows, rc::Platz), (QStringList{"1", "2", "3"}));
}

TEST(Rank, EqualTotalsKeepTheirEarlierPlacesThenTheirOrder) {
    ListRows rows = Results({{"2", "A", "", "", "", "20,00"},
                             {"", "B", "", "", "", "20,00"},
                             {"1", "C", "", "", "", "20,00"},
                             {"", "D", "", "", "", "20,00"},
                             {"", "E", "", "", "", "19,00"}});
    RankResultRows(rows, rc::Count, u',');
    EXPECT_EQ(Column(rows, rc::Mannschaft), (QStringList{"E", "C", "A", "B", "D"}));
    EXPECT_EQ(Column(rows, rc::Platz), (QStringList{"1", "2", "3", "4", "5"}));
}

TEST(Rank, HeaderOnlyAndShortRows) {
    ListRows empty = Results({});
    RankResultRows(empty, rc::Count, u',');
    EXPECT_EQ(empty.size(), 1);
    ListRows shortRows = Results({{"7", "X"}});
    NumberPlaces(shortRows, rc::Count, u',');
    EXPECT_EQ(shortRows[1].size(), rc::Count);
    EXPECT_EQ(shortRows[1][rc::Platz], "");
}

TEST(SortListRows, SecondaryKeyThenPreviousOrder) {
    ListRows rows{{"h"},           {"1", "", "x"},   {"2", "v", "20"},
                  {"3", "", "10"}, {"4", "v", "10"}, {"5", "v", "10"}};
    auto q = [](const QString& a, const QString& b) { return CompareQualified(a, b); };
    auto t = [](const QString& a, const QString& b) { return CompareTimes(a, b, u','); };
    SortListRows(rows, {{1, q}, {2, t}});
    EXPECT_EQ(Column(rows, 0), (QStringList{"4", "5", "2", "3", "1"}));
    EXPECT_EQ(rows[0], QStringList{"h"});
}

// The grid's own sort, driven by the answers the main window gives it.
TEST(SortStyles, GridSortFollowsTheResultAndProtocolRules) {
    TCellStore store(rc::Count, 5);
    const QStringList totals{"Gesamtzeit", "10,20", "", "0,00", "9,80"};
    for (int r = 0; r < 5; ++r)
        store.SetCell(rc::Gesamtzeit, r, totals[r]);
    TSortOptions options;
    TSortEvents events;
    events.OnGetSortStyle = [&](int col, TSortStyle& style) { style = ResultSortStyle(col, options, u','); };
    SortRows(store, options, rc::Gesamtzeit, {}, events);
    EXPECT_EQ(store.Column(rc::Gesamtzeit, 5), (QStringList{"Gesamtzeit", "9,80", "10,20", "", "0,00"}));
    EXPECT_FALSE(options.CompareProc);
    EXPECT_LT(CompareResultCells(rc::Fehler, "0", "3", u','), 0); // a penalty of 0 is a penalty

    TSortOptions protocol;
    EXPECT_EQ(ProtocolSortStyle(pc::Nr, protocol, u','), ssNumeric);
    EXPECT_EQ(ProtocolSortStyle(pc::Name, protocol, u','), ssNumeric);
    EXPECT_EQ(ProtocolSortStyle(pc::Qualified, protocol, u','), ssCustom);
    EXPECT_EQ(protocol.CompareProc("v", ""), -1);
    EXPECT_EQ(ProtocolSortStyle(pc::Bestzeit, protocol, u','), ssCustom);
    EXPECT_EQ(protocol.CompareProc("", "1,00"), 1);
}
