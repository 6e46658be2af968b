#include "core/journal_lines.h"

#include "core/time_warnings.h"

#include <QCoreApplication>
#include <QHash>

namespace zn {

namespace {

bool IsProtocolLayout(int list) {
    return list == 1 || list == 2;
}

bool IsComputed(int list, int column) {
    if (IsProtocolLayout(list))
        return column == pc::Gesamt1 || column == pc::Gesamt2 || column == pc::Bestzeit;
    return column == rc::Platz || column == rc::Gesamtzeit;
}

QString Identity(int list, const QStringList& row) {
    const QString name = row.value(1);
    return IsProtocolLayout(list) ? TeamKeyOfRow(row) : name;
}

// Team -> row, the n-th of equal teams told apart by its occurrence.
QHash<QString, int> RowsByTeam(int list, const ListRows& rows) {
    QHash<QString, int> index;
    QHash<QString, int> seen;
    for (int r = 1; r < rows.size(); ++r) {
        const QString id = Identity(list, rows.at(r));
        index.insert(id + QChar(0) + QString::number(seen[id]++), r);
    }
    return index;
}

} // namespace

std::vector<CellChange> ChangedCells(int list, const ListRows& before, const ListRows& after) {
    std::vector<CellChange> changes;
    const QHash<QString, int> old = RowsByTeam(list, before);
    QHash<QString, int> seen;
    for (int r = 1; r < after.size(); ++r) {
        const QStringList& now = after.at(r);
        const QString id = Identity(list, now);
        const auto it = old.constFind(id + QChar(0) + QString::number(seen[id]++));
        if (it == old.constEnd()) continue;
        const QStringList& was = before.at(*it);
        const qsizetype columns = std::max(now.size(), was.size());
        for (int c = 0; c < columns; ++c) {
            if (IsComputed(list, c) || now.value(c) == was.value(c)) continue;
            changes.push_back({r, c, id.trimmed(), was.value(c), now.value(c)});
        }
    }
    return changes;
}

namespace {

QStringList Line(const QDateTime& at, const CompetitionEvent& e, bool shown) {
    const QString lane = e.lane == 0 || e.lane == 1 ? QString::number(e.lane + 1) : QString();
    QString team = e.team.trimmed();
    QString change;
    switch (e.kind) {
    case CompetitionEventKind::ListsLoaded:
    case CompetitionEventKind::FileSaved:
    case CompetitionEventKind::SaveNameChosen:
    case CompetitionEventKind::NextRoundBuilt:
        change = e.fileName;
        break;
    case CompetitionEventKind::Restored:
        change = e.fileName.isEmpty() ? e.text : e.text + QStringLiteral(", ") + e.fileName;
        break;
    case CompetitionEventKind::StartContactIgnored:
        change = e.text;
        [[fallthrough]];
    case CompetitionEventKind::RunStarted:
    case CompetitionEventKind::Reset:
    case CompetitionEventKind::LaneTeamChosen:
        team = e.team.trimmed() + QStringLiteral(" / ") + e.team2.trimmed();
        break;
    case CompetitionEventKind::LaneStopped:
        if (!shown) {
            change = e.newText + (e.byContact ? QStringLiteral(" (Kontakt)") : QStringLiteral(" (Taste)"));
        } else if (e.byContact) {
            //: a run time taken by the lane's contact
            change = QCoreApplication::translate("JournalLines", "%1 (Kontakt)").arg(e.newText);
        } else {
            //: a run time taken by the operator's key
            change = QCoreApplication::translate("JournalLines", "%1 (Taste)").arg(e.newText);
        }
        break;
    case CompetitionEventKind::CellEdited:
        change = QStringLiteral("%1: %2 → %3").arg(e.text, e.oldText, e.newText);
        break;
    case CompetitionEventKind::TimeWarned:
    case CompetitionEventKind::TimeConfirmed:
        change = QStringLiteral("%1: %2").arg(e.newText, shown ? ShownReasons(e.text) : e.text);
        break;
    default:
        change = e.text;
        break;
    }
    return {at.toString(QStringLiteral("HH:mm:ss")), shown ? EventKindTitle(e.kind) : EventKindText(e.kind),
            lane, team, change};
}

} // namespace

QStringList JournalLine(const QDateTime& at, const CompetitionEvent& event) {
    return Line(at, event, false);
}

QStringList ShownJournalLine(const QDateTime& at, const CompetitionEvent& event) {
    return Line(at, event, true);
}

QStringList ShownJournalColumns() {
    return {QCoreApplication::translate("JournalLines", "Uhrzeit"),
            //: journal column: what happened
            QCoreApplication::translate("JournalLines", "Ereignis"),
            //: journal column: the lane (1 or 2)
            QCoreApplication::translate("JournalLines", "Bahn"),
            //: journal column: the team
            QCoreApplication::translate("JournalLines", "Mannschaft"),
            //: journal column: what changed (old and new value, a time, a file name)
            QCoreApplication::translate("JournalLines", "Änderung")};
}

bool ConcernsTeam(const QString& team, const QString& team2, const QString& filter) {
    const QString f = filter.trimmed();
    return f.isEmpty() || team.contains(f, Qt::CaseInsensitive) || team2.contains(f, Qt::CaseInsensitive);
}

} // namespace zn
