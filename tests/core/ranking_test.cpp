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

TEST(Rerank, ByTotalWithBlankTotalsLastAndWithoutPlace) {
    ListRows rows = Results({{"", "A", "", "", "", ""},
                             {"", "B", "", "10,20", "0", "10,20"},
                             {"", "C", "", "9,80", "0", "9,80"},
                             {"", "D", "", "", "", "  "},
                             {"", "E", "", "12,00", "0", "12,00"}});
    RerankRows(rows, rc::Count, rc::Gesamtzeit, false, u',');
    EXPECT_EQ(Column(rows, rc::Mannschaft), (QStringList{"C", "B", "E", "A", "D"}));
    EXPECT_EQ(Column(rows, rc::Platz), (QStringList{"1", "2", "3", "", ""}));
    EXPECT_EQ(rows[0], QStringList(ResultHeaders.begin(), ResultHeaders.end()));
}

TEST(Rerank, EqualTotalsKeepTheirOrderAndTakeConsecutivePlaces) {
    ListRows rows = Results(
        {{"", "A", "", "", "", "20,00"}, {"", "B", "", "", "", "19,00"}, {"", "C", "", "", "", "20,00"}});
    RerankRows(rows, rc::Count, rc::Gesamtzeit, false, u',');
    EXPECT_EQ(Column(rows, rc::Mannschaft), (QStringList{"B", "A", "C"}));
    EXPECT_EQ(Column(rows, rc::Platz), (QStringList{"1", "2", "3"}));

    // Descending reverses the times but not the order of equal ones.
    RerankRows(rows, rc::Count, rc::Gesamtzeit, true, u',');
    EXPECT_EQ(Column(rows, rc::Mannschaft), (QStringList{"A", "C", "B"}));
}

TEST(Rerank, OtherSortColumnNumbersInThatOrder) {
    ListRows rows =
        Results({{"", "b", "", "", "", "20,00"}, {"", "C", "", "", "", "19,00"}, {"", "a", "", "", "", ""}});
    RerankRows(rows, rc::Count, rc::Mannschaft, false, u',');
    EXPECT_EQ(Column(rows, rc::Mannschaft), (QStringList{"a", "b", "C"}));
    EXPECT_EQ(Column(rows, rc::Platz), (QStringList{"", "1", "2"}));
}

TEST(Rerank, HeaderOnlyAndShortRows) {
    ListRows empty = Results({});
    RerankRows(empty, rc::Count, rc::Gesamtzeit, false, u',');
    EXPECT_EQ(empty.size(), 1);
    ListRows shortRows = Results({{"", "X"}});
    NumberPlaces(shortRows, rc::Count);
    EXPECT_EQ(shortRows[1].size(), rc::Count);
    EXPECT_EQ(shortRows[1][rc::Platz], "");
}

TEST(SortListRows, SecondaryKeyThenPreviousOrder) {
    ListRows rows{{"h"},           {"1", "", "x"},   {"2", "v", "20"},
                  {"3", "", "10"}, {"4", "v", "10"}, {"5", "v", "10"}};
    auto q = [](const QString& a, const QString& b) { return CompareQualified(a, b); };
    auto t = [](const QString& a, const QString& b) { return CompareTimes(a, b, u','); };
    SortListRows(rows, {{1, q}, {2, t}}, false);
    EXPECT_EQ(Column(rows, 0), (QStringList{"4", "5", "2", "3", "1"}));
    EXPECT_EQ(rows[0], QStringList{"h"});
}

// The grid's own sort, driven by the answers the main window gives it.
TEST(SortStyles, GridSortFollowsTheResultAndProtocolRules) {
    TCellStore store(rc::Count, 4);
    const QStringList totals{"Gesamtzeit", "10,20", "", "9,80"};
    for (int r = 0; r < 4; ++r)
        store.SetCell(rc::Gesamtzeit, r, totals[r]);
    TSortOptions options;
    TSortEvents events;
    events.OnGetSortStyle = [&](int col, TSortStyle& style) { style = ResultSortStyle(col, options, u','); };
    SortRows(store, options, rc::Gesamtzeit, {}, events);
    EXPECT_EQ(store.Column(rc::Gesamtzeit, 4), (QStringList{"Gesamtzeit", "9,80", "10,20", ""}));
    EXPECT_FALSE(options.CompareProc);

    TSortOptions protocol;
    EXPECT_EQ(ProtocolSortStyle(pc::Nr, protocol, u','), ssNumeric);
    EXPECT_EQ(ProtocolSortStyle(pc::Name, protocol, u','), ssNumeric);
    EXPECT_EQ(ProtocolSortStyle(pc::Qualified, protocol, u','), ssCustom);
    EXPECT_EQ(protocol.CompareProc("v", ""), -1);
    EXPECT_EQ(ProtocolSortStyle(pc::Bestzeit, protocol, u','), ssCustom);
    EXPECT_EQ(protocol.CompareProc("", "1,00"), 1);
}
