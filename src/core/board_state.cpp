#include "core/board_state.h"

#include "core/protocol_row.h"
#include "core/result_numbers.h"
#include "core/run_time.h"
#include "core/stages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zn {

namespace {

// A lane's time, penalty and total columns in the time protocol.
constexpr std::array<std::array<int, 3>, 2> kLaneColumns{
    {{pc::Zeit1, pc::Fehler1, pc::Gesamt1}, {pc::Zeit2, pc::Fehler2, pc::Gesamt2}}};

const QStringList* ProtocolRow(const BoardState& s, const QString& team) {
    const ListRows& rows = s.Rows(lkProtokoll);
    for (int r = 1; r < rows.size(); ++r)
        if (TeamKeyOfRow(rows[r]).trimmed() == team) return &rows[r];
    return nullptr;
}

// Penalty and total follow the protocol; a typed penalty shows at once.
void FillFromProtocol(const BoardState& s, BoardLane& lane, int index) {
    if (lane.team.isEmpty()) return;
    const QStringList* row = ProtocolRow(s, lane.team);
    if (!row) return;
    if (lane.timeMs >= 0) {
        lane.penalty = row->value(kLaneColumns[index][1]);
        lane.total = row->value(kLaneColumns[index][2]);
    }
}

void UpdateBest(BoardState& s) {
    const ListRows& rows = s.Rows(lkProtokoll);
    double best = 0;
    s.bestTime.clear();
    s.bestTeam.clear();
    for (int r = 1; r < rows.size(); ++r) {
        const QString text = rows[r].value(pc::Bestzeit).trimmed();
        if (text.isEmpty()) continue;
        const std::optional<double> value = RunSeconds(text, s.separator);
        if (!value) continue;
        if (s.bestTime.isEmpty() || *value < best) {
            best = *value;
            s.bestTime = text;
            s.bestTeam = TeamKeyOfRow(rows[r]).trimmed();
        }
    }
}

void UpdateTop(BoardState& s) {
    const ListRows& rows = s.Rows(ShownResultList(s));
    s.top.clear();
    for (int r = 0; r < rows.size() && r <= kBoardTopRows; ++r) {
        if (r > 0 && rows[r].value(1).trimmed().isEmpty()) continue;
        s.top << rows[r];
    }
    if (s.top.size() <= 1) s.top.clear();
}

} // namespace

const ListRows& BoardState::Rows(int list) const {
    static const ListRows none;
    const ListContent* content = List(list);
    return content ? content->rows : none;
}

void ApplyBoardEvent(BoardState& s, const CompetitionEvent& e) {
    // Spectators see times, not the console's doubts about them: a warning
    // and its confirmation leave the board as it was, revision and all.
    if (e.kind == CompetitionEventKind::TimeWarned || e.kind == CompetitionEventKind::TimeConfirmed) return;
    ApplyEvent(s, e);
    const std::array<QString, 2> teams{s.lane1Team.trimmed(), s.lane2Team.trimmed()};
    // The pair the fold put on the lanes, neither with a time yet.
    const auto pair = [&] {
        s.lanes = {};
        s.lanes[0].team = teams[0];
        s.lanes[1].team = teams[1];
    };
    switch (e.kind) {
    case CompetitionEventKind::ListsLoaded:
    case CompetitionEventKind::Restored:
        pair();
        s.phase = BoardState::Idle;
        s.showLastRun = false;
        s.lastRun = {};
        break;
    case CompetitionEventKind::RunStarted:
        pair();
        s.phase = BoardState::Running;
        s.startTick = e.tick;
        s.lanes[0].running = s.lanes[1].running = true;
        s.showLastRun = false;
        break;
    case CompetitionEventKind::LaneStopped:
        if (e.lane == 0 || e.lane == 1) {
            BoardLane& lane = s.lanes[static_cast<size_t>(e.lane)];
            lane.running = false;
            lane.timeMs = e.timeMs;
            lane.time = e.newText;
        }
        if (!s.lanes[0].running && !s.lanes[1].running) s.phase = BoardState::Finished;
        break;
    case CompetitionEventKind::FalseStart:
        s.phase = BoardState::FalseStart;
        s.lanes[0].running = s.lanes[1].running = false;
        break;
    case CompetitionEventKind::Reset:
        if (s.lanes[0].timeMs >= 0 || s.lanes[1].timeMs >= 0) {
            s.lastRun = s.lanes;
            s.showLastRun = true;
        }
        pair();
        s.phase = BoardState::Idle;
        break;
    case CompetitionEventKind::LaneTeamChosen:
        // A lane the operator gave another team shows it without a time.
        for (size_t i = 0; i < 2; ++i)
            if (s.lanes[i].team != teams[i]) {
                s.lanes[i] = {};
                s.lanes[i].team = teams[i];
            }
        break;
    default:
        break;
    }
    for (int i = 0; i < 2; ++i) {
        FillFromProtocol(s, s.lanes[static_cast<size_t>(i)], i);
        FillFromProtocol(s, s.lastRun[static_cast<size_t>(i)], i);
    }
    UpdateBest(s);
    UpdateTop(s);
}

int ShownResultList(const BoardState& s) {
    const int kind = KindOfTag(s.stageTag);
    if (kind == lkQualifikation || kind == lkGesamt) return kind;
    return s.Rows(lkGesamt).size() > 1 ? lkGesamt : lkQualifikation;
}

int32_t BoardLaneMs(const BoardState& s, int lane, uint32_t nowTick) {
    const BoardLane& l = s.lanes[static_cast<size_t>(lane)];
    if (l.running) return ElapsedMs(s.startTick, nowTick);
    return std::max(l.timeMs, 0);
}

QByteArray BoardJson(const BoardState& s, uint32_t nowTick) {
    static const char* const kPhases[] = {"idle", "running", "finished", "falsestart"};
    const auto lane = [&](const BoardLane& l, int index, bool live) {
        QJsonObject o{{"team", l.team},
                      {"running", l.running},
                      {"time", l.time},
                      {"penalty", l.penalty},
                      {"total", l.total}};
        if (live) o.insert("elapsedMs", BoardLaneMs(s, index, nowTick));
        return o;
    };
    QJsonArray top;
    for (const QStringList& row : s.top)
        top.append(QJsonArray::fromStringList(row));
    const QJsonObject root{
        {"revision", s.events},
        {"phase", kPhases[s.phase]},
        {"title", s.listTitle},
        {"lanes", QJsonArray{lane(s.lanes[0], 0, true), lane(s.lanes[1], 1, true)}},
        {"lastRun", s.showLastRun
                        ? QJsonValue(QJsonArray{lane(s.lastRun[0], 0, false), lane(s.lastRun[1], 1, false)})
                        : QJsonValue()},
        {"best", QJsonObject{{"time", s.bestTime}, {"team", s.bestTeam}}},
        {"top", top},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace zn
