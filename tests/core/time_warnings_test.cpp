#include "core/board_state.h"
#include "core/competition/competition_model.h"
#include "core/console_settings.h"
#include "core/result_numbers.h"
#include "core/time_warnings.h"

#include "list_rows_util.h"
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zn;
using zn::test::TeamRow;
using Kind = CompetitionEventKind;
using R = WarningReason;

namespace {

// A stop of lane 1 after 30 s that warns of nothing.
StopFacts Plain() {
    StopFacts s;
    s.lane = 0;
    s.timeMs = 30000;
    s.stopTick = 100000;
    s.byContact = true;
    return s;
}

std::vector<LaneWarning> Warnings(const StopFacts& s) {
    return WarningsForStop(s);
}

} // namespace

TEST(TimeWarnings, EachRuleOnBothSidesOfItsLimit) {
    EXPECT_TRUE(Warnings(Plain()).empty());

    StopFacts s = Plain();
    s.minimumMs = 30000; // the minimum itself is a time that may be run
    EXPECT_TRUE(Warnings(s).empty());
    s.minimumMs = 30001;
    EXPECT_EQ(Warnings(s), (std::vector<LaneWarning>{{0, R::BelowMinimum}}));

    s = Plain();
    s.timeMs = 1001;
    EXPECT_TRUE(Warnings(s).empty());
    for (int32_t ms : {1000, 999, 0}) {
        s.timeMs = ms;
        EXPECT_EQ(Warnings(s), (std::vector<LaneWarning>{{0, R::SoonAfterStart}})) << ms;
    }

    s = Plain();
    s.bestMs = 60000; // exactly half
    EXPECT_TRUE(Warnings(s).empty());
    s.bestMs = 60001;
    EXPECT_EQ(Warnings(s), (std::vector<LaneWarning>{{0, R::UnderHalfBest}}));

    s = Plain();
    s.hasTeam = false;
    EXPECT_EQ(Warnings(s), (std::vector<LaneWarning>{{0, R::NoTeam}}));
    s.byContact = false; // the operator's key on an empty lane is his choice
    EXPECT_TRUE(Warnings(s).empty());
}

TEST(TimeWarnings, StopsTogetherMarkBothLanesInEitherOrderAndAcrossTheTickWrap) {
    StopFacts s = Plain();
    s.lane = 1;
    for (int32_t apart : {9, 10, -10}) {
        s.otherStopTick = s.stopTick - static_cast<uint32_t>(apart);
        EXPECT_EQ(Warnings(s), (std::vector<LaneWarning>{{1, R::LanesTogether}, {0, R::LanesTogether}}))
            << apart;
    }
    for (int32_t apart : {11, -11}) {
        s.otherStopTick = s.stopTick - static_cast<uint32_t>(apart);
        EXPECT_TRUE(Warnings(s).empty()) << apart;
    }
    s.stopTick = 3;
    s.otherStopTick = 0xFFFFFFFBu; // 8 ms earlier, before the counter wrapped
    EXPECT_EQ(Warnings(s).size(), 2u);
}

TEST(TimeWarnings, BestRunLeavesOutTheCellJustWrittenAndTimesThatDoNotCount) {
    ListRows protocol{QStringList(pc::Count)};
    for (const auto& [t1, t2] :
         {std::pair{"31,20", "0,00"}, std::pair{"28,05", ""}, std::pair{"D", "29,99"}}) {
        QStringList row(pc::Count);
        row[pc::Zeit1] = t1;
        row[pc::Zeit2] = t2;
        protocol << row;
    }
    EXPECT_EQ(BestRunMs(protocol, u','), 28050);
    EXPECT_EQ(BestRunMs(protocol, u',', 2, pc::Zeit1), 29990);
    EXPECT_EQ(BestRunMs(ListRows{QStringList(pc::Count)}, u','), std::nullopt);
    EXPECT_EQ(ShownReasons(JoinedReasons({R::SoonAfterStart, R::NoTeam})),
              "Stopp innerhalb 1 s nach dem Start; Kontakt auf einer Bahn ohne Mannschaft");
}

namespace {

class Recorder : public ICompetitionObserver {
public:
    std::vector<CompetitionEvent> events;
    void CompetitionChanged(const CompetitionEvent& event) override { events.push_back(event); }
    std::vector<CompetitionEvent> Of(Kind kind) const {
        std::vector<CompetitionEvent> found;
        for (const CompetitionEvent& e : events)
            if (e.kind == kind) found.push_back(e);
        return found;
    }
};

class WarnedModel : public ::testing::Test {
protected:
    QLocale was;
    CompetitionModel model;
    Recorder seen;

    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        model.Events().Subscribe(&seen);
        const QStringList header(ProtocolHeaders.begin(), ProtocolHeaders.end());
        const ListRows teams{header, TeamRow("3", "Nord"), TeamRow("7", "Ost"), TeamRow("12", "West")};
        const QStringList result(ResultHeaders.begin(), ResultHeaders.end());
        model.Load("/daten/Vorlauf Kreis.xlsx", {teams, teams, ListRows{result}, ListRows{result}});
    }
    void TearDown() override { QLocale::setDefault(was); }
    void Stop(int lane, int32_t ms, bool byContact = true) {
        model.StopLane(lane, ms, FormatSeconds(ms / 1000.0, u','), 5000 + static_cast<uint32_t>(ms),
                       byContact);
    }
};

} // namespace

TEST_F(WarnedModel, ContactsTogetherMarkBothTeamsUntilEachIsConfirmedAndARecoveryKeepsTheOpenOne) {
    model.StartRun(5000);
    Stop(0, 25000);
    EXPECT_TRUE(seen.Of(Kind::TimeWarned).empty());
    Stop(1, 25004);
    const auto warned = seen.Of(Kind::TimeWarned);
    ASSERT_EQ(warned.size(), 2u);
    EXPECT_EQ(warned[0].team, "  7 Ost");
    EXPECT_EQ(warned[0].newText, "25,00");
    EXPECT_EQ(warned[1].team, "  3 Nord");
    EXPECT_EQ(warned[1].lane, 0);
    EXPECT_EQ(warned[1].newText, "25,00");
    EXPECT_EQ(warned[1].text, WarningReasonText(R::LanesTogether));
    // The times stand as the contacts gave them.
    EXPECT_EQ(model.List(lkProtokoll).Cell(pc::Zeit1, 1), "25,00");
    ASSERT_EQ(model.WarningMarks().size(), 2u);

    EXPECT_FALSE(model.ConfirmTime("  7 Ost", 0)); // that team ran on lane 2
    EXPECT_TRUE(model.ConfirmTime("  3 Nord", 0));
    EXPECT_EQ(seen.events.back().kind, Kind::TimeConfirmed);
    EXPECT_EQ(model.MarkOf("  3 Nord", 0), nullptr);
    ASSERT_NE(model.MarkOf("  7 Ost", 1), nullptr);

    CompetitionState state;
    for (const CompetitionEvent& e : seen.events)
        ApplyEvent(state, e);
    CompetitionModel again;
    Recorder told;
    again.Events().Subscribe(&told);
    again.Restore(state);
    EXPECT_EQ(again.WarningMarks(), model.WarningMarks());
    // The restarted session's journal holds the open mark too.
    CompetitionState second;
    for (const CompetitionEvent& e : told.events)
        ApplyEvent(second, e);
    EXPECT_EQ(second.warningMarks, model.WarningMarks());
}

TEST_F(WarnedModel, MinimumHalfTheBestAndALaneWithoutTeamAreWarnedAndANewTimeReplacesTheMark) {
    model.SetMinimumTimeMs(20000);
    model.StartRun(5000);
    Stop(0, 19990, false);
    Stop(1, 50000, false);
    ASSERT_EQ(seen.Of(Kind::TimeWarned).size(), 1u);
    EXPECT_EQ(seen.Of(Kind::TimeWarned)[0].text, WarningReasonText(R::BelowMinimum));
    model.NextPair();
    model.ChooseLaneTeam(1, -1);
    // " 12 West" on lane 1, nobody on lane 2; the best so far is 19,99.
    model.StartRun(5000);
    Stop(0, 9990, false);
    Stop(1, 30000);
    const auto warned = seen.Of(Kind::TimeWarned);
    ASSERT_EQ(warned.size(), 3u);
    EXPECT_EQ(warned[1].team, " 12 West");
    EXPECT_EQ(warned[1].text,
              WarningReasonText(R::BelowMinimum) + "; " + WarningReasonText(R::UnderHalfBest));
    EXPECT_EQ(warned[2].team, "");
    EXPECT_EQ(warned[2].text, WarningReasonText(R::NoTeam));
    EXPECT_EQ(model.WarningMarks().size(), 3u);
    // A new run of a marked team replaces the time in doubt.
    model.ChooseLaneTeam(0, 0);
    model.StartRun(5000);
    Stop(0, 31000, false);
    EXPECT_EQ(model.MarkOf("  3 Nord", 0), nullptr);
    EXPECT_EQ(model.WarningMarks().size(), 2u);
}

TEST(TimeWarnings, TheBoardAndTheLivePageShowNothingOfAWarning) {
    BoardState board;
    CompetitionEvent loaded;
    loaded.kind = Kind::ListsLoaded;
    loaded.team = "  1 Süd";
    ApplyBoardEvent(board, loaded);
    const QByteArray before = BoardJson(board, 0);
    for (Kind kind : {Kind::TimeWarned, Kind::TimeConfirmed}) {
        CompetitionEvent e;
        e.kind = kind;
        e.lane = 0;
        e.team = "  1 Süd";
        e.newText = "0,45";
        e.text = WarningReasonText(R::SoonAfterStart);
        ApplyBoardEvent(board, e);
        EXPECT_EQ(BoardJson(board, 0), before);
        EXPECT_TRUE(board.warningMarks.empty());
    }
}

TEST(TimeWarnings, TheMinimumKeepsItsGroupAndABadValueMeansNone) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("zn.ini"), QSettings::IniFormat);
    EXPECT_EQ(ReadMinimumTimeMs(store), 0);
    WriteMinimumTimeMs(store, 15500);
    EXPECT_EQ(store.value("Zeitwarnungen/Mindestzeit").toInt(), 15500);
    EXPECT_EQ(ReadMinimumTimeMs(store), 15500);
    for (const char* bad : {"-5", "15,5", "abc"}) {
        store.setValue("Zeitwarnungen/Mindestzeit", bad);
        EXPECT_EQ(ReadMinimumTimeMs(store), 0) << bad;
    }
}
