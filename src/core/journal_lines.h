#pragma once

#include "core/competition_events.h"
#include "core/protocol_row.h"

#include <QDateTime>
#include <vector>

namespace zn {

// A cell the operator changed in a list.
struct CellChange {
    int row = 0; // in the list after the change
    int column = 0;
    QString team;
    QString oldText;
    QString newText;

    bool operator==(const CellChange&) const = default;
};

// The cells changed between two contents of list 1-4. Rows are matched by
// their team (number and name in the team database and time protocol, the
// name in the result lists), so a re-sorted list shows no change; computed
// columns (totals, best time, places) are left out: they follow the cells
// that were typed. A row that is new or gone is not a cell change.
std::vector<CellChange> ChangedCells(int list, const ListRows& before, const ListRows& after);

// A line of the "Änderungsprotokoll": time of day, event, lane, team, and
// what changed ("0 → 5", a time, a file name). JournalLine is German, for the
// saved text and PDF; ShownJournalLine is in the operator's language.
QStringList JournalLine(const QDateTime& at, const CompetitionEvent& event);
QStringList ShownJournalLine(const QDateTime& at, const CompetitionEvent& event);
// The columns' captions in the window; kJournalColumns are the German ones.
QStringList ShownJournalColumns();
inline const QStringList kJournalColumns{QStringLiteral("Uhrzeit"), QStringLiteral("Ereignis"),
                                         QStringLiteral("Bahn"), QStringLiteral("Mannschaft"),
                                         QStringLiteral("Änderung")};

// A correction of a recorded value, shown highlighted.
inline bool IsCorrection(const CompetitionEvent& event) {
    return event.kind == CompetitionEventKind::CellEdited;
}

// Whether an event of these teams (its team and team2) concerns a team whose
// key or name contains `filter` (ignoring case); an empty filter matches all.
bool ConcernsTeam(const QString& team, const QString& team2, const QString& filter);

} // namespace zn
