#include "core/next_round.h"

#include "core/result_numbers.h"
#include "core/stages.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace zn {

QList<NextRoundTeam> RankedTeams(const ListRows& qualification, const ListRows& teams, QChar separator) {
    QList<NextRoundTeam> ranked;
    for (int r = 1; r < qualification.size(); ++r) {
        const QStringList& row = qualification.at(r);
        bool placed = false;
        const int place = CellOf(row, rc::Platz).trimmed().toInt(&placed);
        if (!placed || place < 1 || !RunSeconds(CellOf(row, rc::Gesamtzeit), separator)) continue;
        ranked.append({QString(), CellOf(row, rc::Mannschaft), CellOf(row, rc::Klasse), place,
                       CellOf(row, rc::Gesamtzeit)});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const NextRoundTeam& a, const NextRoundTeam& b) { return a.place < b.place; });

    QList<bool> taken(teams.size(), false);
    const auto find = [&](const NextRoundTeam& team, bool sameClass) -> int {
        for (int r = 1; r < teams.size(); ++r) {
            const QStringList& row = teams.at(r);
            if (taken.at(r) || CellOf(row, pc::Name) != team.name) continue;
            if (sameClass && CellOf(row, pc::Klasse) != team.klasse) continue;
            return r;
        }
        return -1;
    };
    for (NextRoundTeam& team : ranked) {
        int row = find(team, true);
        if (row < 0) row = find(team, false);
        if (row < 0) continue;
        taken[row] = true;
        team.nr = CellOf(teams.at(row), pc::Nr);
    }
    return ranked;
}

NextRoundCut CutAt(const QList<NextRoundTeam>& ranked, int count, QChar separator) {
    NextRoundCut cut;
    count = std::clamp(count, 0, static_cast<int>(ranked.size()));
    if (count == 0) return cut;
    const auto total = [separator](const NextRoundTeam& t) { return RunSeconds(t.total, separator); };
    const std::optional<double> last = total(ranked.at(count - 1));
    int first = count - 1; // the first team with the last place's total
    while (first > 0 && total(ranked.at(first - 1)) == last)
        --first;
    int end = count; // past the last team with that total
    while (end < ranked.size() && total(ranked.at(end)) == last)
        ++end;
    if (end == count) {
        cut.sure = ranked.mid(0, count);
        return cut;
    }
    cut.sure = ranked.mid(0, first);
    cut.tied = ranked.mid(first, end - first);
    cut.openPlaces = count - first;
    return cut;
}

QList<NextRoundTeam> InRunningOrder(const QList<NextRoundTeam>& byPlace, RunningOrder order) {
    QList<NextRoundTeam> running;
    switch (order) {
    case RunningOrder::PlaceOrder:
        return byPlace;
    case RunningOrder::BestLast:
        running = byPlace;
        std::reverse(running.begin(), running.end());
        return running;
    case RunningOrder::SeededPairs:
        for (qsizetype low = 0, high = byPlace.size() - 1; low <= high; ++low, --high) {
            running.append(byPlace.at(low));
            if (high != low) running.append(byPlace.at(high));
        }
        return running;
    }
    return byPlace;
}

std::array<ListRows, 4> NextStageLists(const QList<NextRoundTeam>& running,
                                       const std::array<QStringList, 4>& headers) {
    std::array<ListRows, 4> lists;
    for (int i = 0; i < 2; ++i) {
        ListRows& rows = lists[static_cast<size_t>(i)];
        rows.append(headers[static_cast<size_t>(i)]);
        for (const NextRoundTeam& team : running) {
            QStringList row{team.nr, team.name, team.klasse};
            EnsureColumns(row, pc::Count);
            rows.append(row);
        }
    }
    for (int i = 2; i < 4; ++i) {
        QStringList empty;
        EnsureColumns(empty, rc::Count);
        lists[static_cast<size_t>(i)] = {headers[static_cast<size_t>(i)], empty};
    }
    return lists;
}

namespace {
const std::array<int, 4> kRecordedColumns{pc::Zeit1, pc::Fehler1, pc::Zeit2, pc::Fehler2};
}

bool HoldsTimes(const ListRows& protocol) {
    for (int r = 1; r < protocol.size(); ++r)
        if (!IsBlank(CellOf(protocol.at(r), pc::Zeit1)) || !IsBlank(CellOf(protocol.at(r), pc::Zeit2)))
            return true;
    return false;
}

bool TimesKeptIn(const ListRows& protocol, const ListRows& saved) {
    const auto recorded = [](const QStringList& row) {
        QStringList cells{TeamKeyOfRow(row)};
        for (int col : kRecordedColumns)
            cells << CellOf(row, col).trimmed();
        return cells;
    };
    QList<QStringList> there;
    for (int r = 1; r < saved.size(); ++r)
        there.append(recorded(saved.at(r)));
    for (int r = 1; r < protocol.size(); ++r) {
        const QStringList& row = protocol.at(r);
        if (IsBlank(CellOf(row, pc::Zeit1)) && IsBlank(CellOf(row, pc::Zeit2))) continue;
        if (!there.contains(recorded(row))) return false;
    }
    return true;
}

int ProposedTeamCount(int stage) {
    switch (stage) {
    case 2:
        return 16;
    case 3:
        return 8;
    case 4:
        return 4;
    case kFinalStage:
        return 2;
    default:
        return 0;
    }
}

QString NextRoundFileName(int stage, const QString& title) {
    const QString stageName = stage >= 1 && stage <= kStageCount ? StageNames[stage - 1] : QString();
    QString safe = title;
    safe.replace(QRegularExpression(QStringLiteral("[\\x00-\\x1f/\\\\:*?\"<>|]")), QStringLiteral("-"));
    safe = safe.simplified();
    // A name ending in a dot or blank is refused by some file systems.
    while (safe.endsWith(u'.'))
        safe.chop(1);
    safe = safe.trimmed();
    return (safe.isEmpty() ? stageName : stageName + u' ' + safe) + QStringLiteral(".xlsx");
}

} // namespace zn
