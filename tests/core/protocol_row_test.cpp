#include "core/protocol_row.h"

#include "core/cell_store.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

// A protocol with the header and three teams, no times yet.
ListRows Protocol() {
    ListRows rows{QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end())};
    rows.append({"3", "Nord", "A", "", "", "", "", "", "", "", ""});
    rows.append({"7", "Süd", "B", "v", "", "", "", "", "", "", ""});
    rows.append({"12", "Ost", "A", "", "", "", "", "", "", "", ""});
    return rows;
}

} // namespace

TEST(TeamKey, RightAlignsTheNumberInThreeCharacters) {
    EXPECT_EQ(TeamKey("7", "Süd"), "  7 Süd");
    EXPECT_EQ(TeamKey("123", "X"), "123 X");
    EXPECT_EQ(TeamKey("", ""), "    ");
    EXPECT_EQ(LaneTeamNumber("  7 Süd"), 7);
    EXPECT_EQ(LaneTeamNumber(" 12 Ost"), 12);
    EXPECT_EQ(LaneTeamNumber("1000 Tausend"), 1000);
    EXPECT_EQ(LaneTeamNumber("100 7er Zug"), 100); // digits of the name are no part of it
    EXPECT_FALSE(LaneTeamNumber("    "));
    EXPECT_FALSE(LaneTeamNumber("    5 Gast")); // a row without a number
    EXPECT_FALSE(LaneTeamNumber(""));
}

TEST(RecordLaneTime, LaneTwoFirstThenLaneOne) {
    ListRows p = Protocol();
    auto out = RecordLaneTime(p, pc::Zeit2, "  7 Süd", "23,10", u',');
    ASSERT_EQ(out.status, RecordStatus::Recorded);
    EXPECT_EQ(out.row, 2);
    EXPECT_EQ(p[2][pc::Zeit2], "23,10");
    EXPECT_EQ(p[2][pc::Fehler2], "0");
    EXPECT_EQ(p[2][pc::Gesamt2], "23,10");
    EXPECT_EQ(p[2][pc::Bestzeit], "23,10");
    EXPECT_EQ(p[2][pc::Zeit1], ""); // lane 1 untouched
    EXPECT_EQ(p[2][pc::Fehler1], "");

    RecordLaneTime(p, pc::Zeit1, "  7 Süd", "21,50", u',');
    EXPECT_EQ(p[2][pc::Fehler1], "0");
    EXPECT_EQ(p[2][pc::Gesamt1], "21,50");
    EXPECT_EQ(p[2][pc::Bestzeit], "21,50");
    EXPECT_EQ(p[2][pc::Gesamt2], "23,10");
}

TEST(RecordLaneTime, RecordingAgainReplacesTimeAndResetsPenalty) {
    ListRows p = Protocol();
    RecordLaneTime(p, pc::Zeit1, "  3 Nord", "30,00", u',');
    p[1][pc::Fehler1] = "5";
    CommitPenaltyEdit(p[1], pc::Fehler1, u',');
    EXPECT_EQ(p[1][pc::Gesamt1], "35,00");
    RecordLaneTime(p, pc::Zeit1, "  3 Nord", "28,00", u',');
    EXPECT_EQ(p[1][pc::Fehler1], "0");
    EXPECT_EQ(p[1][pc::Gesamt1], "28,00");
    EXPECT_EQ(p[1][pc::Bestzeit], "28,00");
}

// A penalty entered on one lane before the other lane's run was recorded stays
// part of the best time: the best time is always one of the two totals.
TEST(RecordLaneTime, BestTimeCountsAPenaltyAlreadyEntered) {
    ListRows p = Protocol();
    RecordLaneTime(p, pc::Zeit1, "  7 Süd", "21,50", u',');
    p[2][pc::Fehler1] = "3";
    CommitPenaltyEdit(p[2], pc::Fehler1, u',');
    ASSERT_EQ(p[2][pc::Gesamt1], "24,50");
    RecordLaneTime(p, pc::Zeit2, "  7 Süd", "23,10", u',');
    EXPECT_EQ(p[2][pc::Fehler1], "3"); // the other lane keeps its penalty
    EXPECT_EQ(p[2][pc::Gesamt1], "24,50");
    EXPECT_EQ(p[2][pc::Bestzeit], "23,10");
}

TEST(RecordLaneTime, AZeroTimeMakesNoTotalAndNoBestTime) {
    ListRows p = Protocol();
    RecordLaneTime(p, pc::Zeit1, " 12 Ost", "0,00", u',');
    EXPECT_EQ(p[3][pc::Zeit1], "0,00");
    EXPECT_EQ(p[3][pc::Fehler1], "");
    EXPECT_EQ(p[3][pc::Gesamt1], "");
    EXPECT_EQ(p[3][pc::Bestzeit], "");

    // Over an earlier lane 1 run, beside a lane 2 run: only lane 2 counts.
    RecordLaneTime(p, pc::Zeit1, "  7 Süd", "20,00", u',');
    RecordLaneTime(p, pc::Zeit2, "  7 Süd", "23,10", u',');
    RecordLaneTime(p, pc::Zeit1, "  7 Süd", "0,00", u',');
    EXPECT_EQ(p[2].mid(pc::Zeit1), (QStringList{"0,00", "", "", "23,10", "0", "23,10", "23,10"}));
    RecordLaneTime(p, pc::Zeit2, "  7 Süd", "0,00", u',');
    EXPECT_EQ(p[2][pc::Bestzeit], "");
}

TEST(RecordLaneTime, UnknownTeamWritesNothingAndSaysSo) {
    ListRows p = Protocol();
    const ListRows before = p;
    auto out = RecordLaneTime(p, pc::Zeit1, " 99 Fremd", "23,45", u',');
    EXPECT_EQ(out.status, RecordStatus::TeamNotFound);
    EXPECT_EQ(out.teamNr, 99);
    EXPECT_EQ(p, before);
    EXPECT_EQ(RecordFailureText(out, 1, "23,45"), "Bahn 1: Mannschaft „99 Fremd“ nicht im Zeitenprotokoll "
                                                  "gefunden, Zeit 23,45 bitte von Hand eintragen.");

    out = RecordLaneTime(p, pc::Zeit2, "    ", "19,00", u',');
    EXPECT_EQ(out.status, RecordStatus::NoTeamOnLane);
    EXPECT_EQ(p, before);
    EXPECT_EQ(RecordFailureText(out, 2, "19,00"),
              "Bahn 2: keine Mannschaft gewählt, Zeit 19,00 bitte von Hand eintragen.");
    EXPECT_EQ(RecordFailureText(RecordOutcome{}, 1, "1,00"), "");
}

TEST(RecordLaneTime, TheWholeNumberFindsTheTeamAndPadsShortRows) {
    ListRows p{
        QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end()), {"100", "Hundert"}, {"1000", "Tausend"}};
    const auto out = RecordLaneTime(p, pc::Zeit1, "1000 Tausend", "20,00", u',');
    EXPECT_EQ(out.row, 2);
    ASSERT_EQ(p[2].size(), pc::Count);
    EXPECT_EQ(p[2][pc::Bestzeit], "20,00");
    EXPECT_EQ(p[1].size(), 2); // team 100 untouched
}

// The lane entry may stem from another list (a result list's "place name"):
// its number then belongs to another team here, whose time must stay.
TEST(RecordLaneTime, NumberAndNameTogetherFindTheTeam) {
    ListRows p{QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end()), {"5", "Erste"}, {"05", "Zweite"}};
    auto out = RecordLaneTime(p, pc::Zeit1, "  5 Zweite", "20,00", u',');
    EXPECT_EQ(out.row, 2);

    p.append(QStringList{"5", "Zweite"});
    const ListRows before = p;
    out = RecordLaneTime(p, pc::Zeit1, "  5 Zweite", "21,00", u',');
    EXPECT_EQ(out.status, RecordStatus::TeamNotUnique);
    EXPECT_EQ(p, before);
    EXPECT_EQ(RecordFailureText(out, 1, "21,00"),
              "Bahn 1: Mannschaft „5 Zweite“ steht mehrfach im Zeitenprotokoll, Zeit 21,00 bitte von Hand "
              "eintragen.");

    out = RecordLaneTime(p, pc::Zeit2, "  2 FF Oberdürrbach", "19,50", u',');
    EXPECT_EQ(out.status, RecordStatus::TeamNotFound);
    out = RecordLaneTime(p, pc::Zeit2, "  5 FF Oberdürrbach", "19,50", u',');
    EXPECT_EQ(out.status, RecordStatus::NameDiffers);
    EXPECT_EQ(p, before);
    EXPECT_EQ(RecordFailureText(out, 2, "19,50"),
              "Bahn 2: Mannschaft „5 FF Oberdürrbach“ nicht im Zeitenprotokoll gefunden (Nr. 5 heißt dort "
              "„Erste“), Zeit 19,50 bitte von Hand eintragen.");
}

TEST(CommitPenaltyEdit, PenaltyAfterTimeAndTheBestTimeRule) {
    QStringList row{"7", "Süd", "B", "", "21,50", "3", "21,50", "23,10", "0", "23,10", "21,50"};
    const EditCommit commit = CommitPenaltyEdit(row, pc::Fehler1, u',');
    EXPECT_FALSE(commit.penaltyRejected || commit.timeRejected);
    EXPECT_EQ(row[pc::Gesamt1], "24,50");
    EXPECT_EQ(row[pc::Bestzeit], "23,10");

    row[pc::Fehler1] = " 1,00 "; // whole seconds, written with decimals
    EXPECT_FALSE(CommitPenaltyEdit(row, pc::Fehler1, u',').penaltyRejected);
    EXPECT_EQ(row[pc::Gesamt1], "22,50");
    EXPECT_EQ(row[pc::Bestzeit], "22,50");
}

TEST(CommitPenaltyEdit, APenaltyThatIsNoWholeNumberFromZeroOnBecomesZero) {
    for (const QString typed : {"-15", "2,5", "3.5", "abc"}) {
        QStringList row{"7", "Süd", "B", "", "21,50", typed, "", "", "", "", ""};
        const EditCommit commit = CommitPenaltyEdit(row, pc::Fehler1, u',');
        EXPECT_TRUE(commit.penaltyRejected) << typed.toStdString();
        EXPECT_EQ(row[pc::Fehler1], "0");
        EXPECT_EQ(row[pc::Gesamt1], "21,50");
        EXPECT_EQ(row[pc::Bestzeit], "21,50");
    }
    QStringList row{"7", "Süd", "B", "", "", "", "", "21,50", "-15", "", ""};
    const EditCommit commit = CommitPenaltyEdit(row, pc::Fehler2, u',');
    EXPECT_EQ(row[pc::Gesamt2], "21,50");
    EXPECT_EQ(EditCommitText(commit, pc::Fehler2),
              "Bahn 2: Fehler „-15“ ist keine ganze Zahl ab 0 und wurde auf 0 gesetzt.");
    EXPECT_EQ(EditCommitText(EditCommit{}, pc::Fehler2), "");
}

TEST(CommitPenaltyEdit, AClearedTimeTakesItsTotalAlong) {
    QStringList row{"7", "Süd", "B", "", "  ", "0", "21,50", "23,10", "2", "25,10", "21,50"};
    EXPECT_FALSE(CommitPenaltyEdit(row, pc::Fehler1, u',').timeRejected);
    EXPECT_EQ(row[pc::Gesamt1], "");
    EXPECT_EQ(row[pc::Bestzeit], "25,10");
    row[pc::Zeit2].clear();
    CommitPenaltyEdit(row, pc::Fehler2, u',');
    EXPECT_EQ(row.mid(pc::Zeit1), (QStringList{"  ", "0", "", "", "2", "", ""}));

    QStringList untouched = row;
    CommitPenaltyEdit(row, -1, u',');
    EXPECT_EQ(row, untouched);
}

// "0" typed over a time, or a time below 0, is no run: no total, no best time.
TEST(CommitPenaltyEdit, AZeroTimeNeverWins) {
    QStringList row{"1", "A", "", "", "0", "", "0", "25,00", "0", "25,00", ""};
    const EditCommit commit = CommitPenaltyEdit(row, pc::Fehler1, u',');
    EXPECT_TRUE(commit.timeRejected);
    EXPECT_EQ(row[pc::Gesamt1], "");
    EXPECT_EQ(row[pc::Bestzeit], "25,00");
    EXPECT_EQ(EditCommitText(commit, pc::Fehler1),
              "Bahn 1: Zeit „0“ ist keine gültige Laufzeit und zählt nicht.");
    row[pc::Zeit2] = "-3,00";
    CommitPenaltyEdit(row, pc::Fehler2, u',');
    EXPECT_EQ(row[pc::Gesamt2], "");
    EXPECT_EQ(row[pc::Bestzeit], "");
}

TEST(CommitPenaltyEdit, EditedTimeOfLaneTwo) {
    QStringList row{"7", "Süd", "B", "", "", "", "", "25,00", "2", "27,00", "27,00"};
    row[pc::Zeit2] = "24,00";
    CommitPenaltyEdit(row, pc::Fehler2, u',');
    EXPECT_EQ(row[pc::Gesamt2], "26,00");
    EXPECT_EQ(row[pc::Bestzeit], "26,00");
}

// A total left beside a time that was cleared or is 0 (a workbook's, or one
// typed by hand) is stale: the other lane's run is the best time.
TEST(RecordLaneTime, AStaleTotalBesideNoTimeIsNoBestTime) {
    for (const QString zeit : {"", "0", "0,00"}) {
        ListRows p = Protocol();
        p[2][pc::Zeit2] = zeit;
        p[2][pc::Gesamt2] = "15,00";
        RecordLaneTime(p, pc::Zeit1, "  7 Süd", "20,00", u',');
        EXPECT_EQ(p[2][pc::Bestzeit], "20,00") << zeit.toStdString();

        QStringList row{"7", "Süd", "B", "", "21,50", "2", "", zeit, "", "15,00", ""};
        CommitPenaltyEdit(row, pc::Fehler1, u',');
        EXPECT_EQ(row[pc::Bestzeit], "23,50") << zeit.toStdString();
    }
}

TEST(BestOfTotals, ALaneWithoutTotalNeverWins) {
    EXPECT_EQ(BestOfTotals(std::nullopt, 25), 25);
    EXPECT_EQ(BestOfTotals(25, std::nullopt), 25);
    EXPECT_FALSE(BestOfTotals(std::nullopt, std::nullopt));
    EXPECT_EQ(BestOfTotals(24.5, 23.1), 23.1);
    EXPECT_EQ(BestOfTotals(20, 23.1), 20);
}

TEST(PenaltyKeys, OnlyDigitsBackspaceAndSeparatorWhileEditing) {
    for (QChar k : {QChar(u'0'), QChar(u'9'), QChar(8), QChar(u',')})
        EXPECT_EQ(FilterPenaltyKey(k, pc::Fehler1, u','), PenaltyKey::Pass) << int(k.unicode());
    for (QChar k : {QChar(u'a'), QChar(u'-'), QChar(u'.'), QChar(u'S'), QChar(u' ')})
        EXPECT_EQ(FilterPenaltyKey(k, pc::Fehler2, u','), PenaltyKey::Swallow) << int(k.unicode());
    EXPECT_EQ(FilterPenaltyKey(u'.', pc::Fehler2, u'.'), PenaltyKey::Pass);
    EXPECT_EQ(FilterPenaltyKey(u'\r', pc::Fehler1, u','), PenaltyKey::Commit);
    // No edit open: the timing keys must reach the window.
    EXPECT_EQ(FilterPenaltyKey(u'S', -1, u','), PenaltyKey::Pass);
    EXPECT_EQ(FilterPenaltyKey(u'-', -1, u','), PenaltyKey::Pass);
    EXPECT_EQ(EditColumnForCell(4), 5);
    EXPECT_EQ(EditColumnForCell(5), 5);
    EXPECT_EQ(EditColumnForCell(7), 8);
    EXPECT_EQ(EditColumnForCell(8), 8);
    EXPECT_EQ(EditColumnForCell(6), -1);
    EXPECT_EQ(EditColumnForCell(3), -1);
}

TEST(ProtocolSortRules, QualifiedTimesAndNumbers) {
    EXPECT_EQ(CompareQualified("v", ""), -1);
    EXPECT_EQ(CompareQualified(" ", "v"), 1);
    EXPECT_EQ(CompareQualified("v", "x"), 0);
    EXPECT_EQ(CompareQualified("", " "), 0);

    EXPECT_EQ(CompareTimes("9,80", "10,20", u','), -1);
    EXPECT_EQ(CompareTimes("", "999,99", u','), 1);
    EXPECT_EQ(CompareTimes("abc", "", u','), 0);
    EXPECT_EQ(CompareTimes("21,50", "21,5", u','), 0);

    EXPECT_LT(CompareNumericStyle("9", "10", u','), 0);
    EXPECT_LT(CompareNumericStyle("", "9", u','), 0); // text against a number: as text
    EXPECT_EQ(CompareNumericStyle("Nord", "NORD", u','), 0);
    EXPECT_GT(CompareNumericStyle("b", "A", u','), 0);

    EXPECT_EQ(CompareProtocolCells(pc::Qualified, "v", "", u','), -1);
    EXPECT_EQ(CompareProtocolCells(pc::Bestzeit, "", "1,00", u','), 1);
    EXPECT_EQ(CompareProtocolCells(pc::Bestzeit, "0,00", "99,00", u','), 1); // 0 is no time
    EXPECT_EQ(CompareProtocolCells(pc::Gesamt2, "-1", "", u','), 0);
    EXPECT_EQ(CompareProtocolCells(pc::Fehler1, "0", "5", u','), -1); // no penalty is one
    EXPECT_EQ(CompareProtocolCells(pc::Fehler2, "0", "", u','), -1);
    EXPECT_EQ(CompareProtocolCells(pc::Nr, "10", "9", u','), 1);
}

TEST(ClearResultColumns, KeepsNumberNameAndClass) {
    ListRows p = Protocol();
    p[2][pc::Zeit1] = "21,50";
    ClearResultColumns(p, pc::Count);
    EXPECT_EQ(p[2], (QStringList{"7", "Süd", "B", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(p[0][pc::Qualified], "Q."); // header untouched
}

TEST(RowsOf, SnapshotOfTheCountedCells) {
    TCellStore store(3, 2);
    store.SetCell(0, 0, "Nr.");
    store.SetCell(2, 1, "K");
    store.SetCell(0, 2, "beyond RowCount");
    EXPECT_EQ(RowsOf(store), (ListRows{{"Nr.", "", ""}, {"", "", "K"}}));
}
