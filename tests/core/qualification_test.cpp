#include "core/qualification.h"

#include "list_rows_util.h"

#include <gtest/gtest.h>

using namespace zn;
using zn::test::Column;

namespace {

GenerateInput Input(std::initializer_list<QStringList> teams) {
    GenerateInput in;
    in.protocol = {QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end())};
    for (const QStringList& t : teams)
        in.protocol.append(t);
    in.qualificationHeader = QStringList(ResultHeaders.begin(), ResultHeaders.end());
    in.overallHeader = QStringList(); // before a workbook load: empty
    in.separator = u',';
    return in;
}

} // namespace

TEST(Generate, NoMarksGivesAnEmptyQualificationAndEveryTimedTeamOverall) {
    const auto lists = GenerateResultLists(Input({
        {"1", "A", "K1", "", "20,00", "0", "20,00", "", "", "", "20,00"},
        {"2", "B", "K1", "", "", "", "", "", "", "", ""},
        {"3", "C", "K2", "", "19,00", "0", "19,00", "18,50", "0", "18,50", "18,50"},
    }));
    ASSERT_EQ(lists.qualification.size(), 1);
    EXPECT_EQ(lists.qualification[0], QStringList(ResultHeaders.begin(), ResultHeaders.end()));
    ASSERT_EQ(lists.overall.size(), 3);
    EXPECT_EQ(lists.overall[0], QStringList()); // the header is left as it was
    EXPECT_EQ(lists.overall[1], (QStringList{"1", "C", "K2", "18,50", "0", "18,50"}));
    EXPECT_EQ(lists.overall[2], (QStringList{"2", "A", "K1", "20,00", "0", "20,00"}));
}

TEST(Generate, EqualTotalsTakeLaneOne) {
    const auto lists = GenerateResultLists(Input({
        {"1", "A", "", "v", "20,00", "1", "21,00", "21,00", "0", "21,00", "21,00"},
    }));
    ASSERT_EQ(lists.qualification.size(), 2);
    EXPECT_EQ(lists.qualification[1], (QStringList{"1", "A", "", "20,00", "1", "21,00"}));
}

TEST(Generate, TotalWrittenWithOneDecimalStillMatchesTheBestTime) {
    const QStringList row{"1", "A", "", "v", "21,5", "0", "21,5", "30,00", "0", "30,00", "21,50"};
    EXPECT_EQ(ResultRowOf(row, u',')[rc::Uebungszeit], "21,5");
    const QStringList lane2{"1", "A", "", "v", "31,5", "0", "31,5", "30,00", "0", "30,00", "30,00"};
    EXPECT_EQ(ResultRowOf(lane2, u',')[rc::Uebungszeit], "30,00");
}

TEST(Generate, MarkedTeamsFirstInOverallAndProtocolBackInNumberOrder) {
    GenerateInput in = Input({
        {"10", "J", "", "", "17,00", "0", "17,00", "", "", "", "17,00"},
        {"2", "B", "", "v", "22,00", "0", "22,00", "", "", "", "22,00"},
        {"9", "I", "", "v", "", "", "", "19,00", "0", "19,00", "19,00"},
        {"4", "D", "", "v", "", "", "", "", "", "", ""},
    });
    const auto lists = GenerateResultLists(in);
    EXPECT_EQ(Column(lists.overall, rc::Mannschaft), (QStringList{"I", "B", "J"}));
    EXPECT_EQ(Column(lists.overall, rc::Platz), (QStringList{"1", "2", "3"}));
    // The marked team without a time is listed, after every team with one, and
    // gets no place.
    EXPECT_EQ(Column(lists.qualification, rc::Mannschaft), (QStringList{"I", "B", "D"}));
    EXPECT_EQ(Column(lists.qualification, rc::Platz), (QStringList{"1", "2", ""}));
    EXPECT_EQ(lists.qualification[3], (QStringList{"", "D", "", "", "", ""}));
    EXPECT_EQ(Column(lists.protocol, pc::Nr), (QStringList{"2", "4", "9", "10"}));
}

TEST(Generate, QualificationSortsTimesByValue) {
    const auto lists = GenerateResultLists(Input({
        {"1", "A", "", "v", "10,20", "0", "10,20", "", "", "", "10,20"},
        {"2", "B", "", "v", "9,80", "0", "9,80", "", "", "", "9,80"},
    }));
    EXPECT_EQ(Column(lists.qualification, rc::Mannschaft), (QStringList{"B", "A"}));
}

// Places come from the data: equal totals go by team number, whatever order
// the protocol is shown in; a best time of 0 is no time.
TEST(Generate, PlacesDoNotDependOnTheOrderTheProtocolIsShownIn) {
    const auto lists = GenerateResultLists(Input({
        {"3", "C", "", "v", "10,00", "0", "10,00", "", "", "", "10,00"},
        {"10", "J", "", "v", "0,00", "0", "0,00", "", "", "", "0,00"},
        {"1", "A", "", "v", "12,00", "0", "12,00", "", "", "", "12,00"},
        {"2", "B", "", "v", "10,00", "0", "10,00", "", "", "", "10,00"},
    }));
    EXPECT_EQ(Column(lists.qualification, rc::Mannschaft), (QStringList{"B", "C", "A", "J"}));
    EXPECT_EQ(Column(lists.qualification, rc::Platz), (QStringList{"1", "2", "3", ""}));
    EXPECT_EQ(Column(lists.overall, rc::Mannschaft), (QStringList{"B", "C", "A"}));
    EXPECT_EQ(Column(lists.overall, rc::Platz), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Column(lists.protocol, pc::Nr), (QStringList{"1", "2", "3", "10"}));
}

// A "Q." cell of blanks, as a cleared cell of a workbook comes back, is no
// mark: the team is neither in the qualification nor ahead in the overall.
TEST(Generate, AMarkOfBlanksIsNoMark) {
    const auto lists = GenerateResultLists(Input({
        {"1", "A", "", "   ", "20,00", "0", "20,00", "", "", "", "20,00"},
        {"2", "B", "", "", "19,00", "0", "19,00", "", "", "", "19,00"},
        {"3", "C", "", "v", "25,00", "0", "25,00", "", "", "", "25,00"},
    }));
    EXPECT_EQ(Column(lists.qualification, rc::Mannschaft), (QStringList{"C"}));
    EXPECT_EQ(Column(lists.overall, rc::Mannschaft), (QStringList{"C", "B", "A"}));
}

// A protocol written on a desktop with a decimal point ("21.50") and loaded
// on a German one: every team keeps its time and its place.
TEST(Generate, TimesWithTheOtherSeparatorStillRank) {
    const auto lists = GenerateResultLists(Input({
        {"1", "A", "", "v", "21.50", "0", "21.50", "", "", "", "21.50"},
        {"2", "B", "", "", "1.21", "0", "1.21", "", "", "", "1.21"},
    }));
    EXPECT_EQ(Column(lists.overall, rc::Mannschaft), (QStringList{"A", "B"}));
    EXPECT_EQ(Column(lists.overall, rc::Platz), (QStringList{"1", "2"}));
    EXPECT_EQ(Column(lists.qualification, rc::Platz), QStringList{"1"});
}
