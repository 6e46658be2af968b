#pragma once

// The events the crash-test child records, made again by the test that reads
// the journal back: a run cycle of start, both lanes, corrections and the next
// pair, with the lists loaded now and then.

#include "core/competition_events.h"

namespace zn::crash {

// Event n (from 1) of child run `run`, told apart by its text "run:n".
inline QString Seq(int run, int n) {
    return QStringLiteral("%1:%2").arg(run).arg(n);
}

inline std::vector<ListContent> Lists(int n) {
    ListContent teams{1, {{QStringLiteral("Nr"), QStringLiteral("Mannschaft"), QStringLiteral("Ort")}}};
    ListContent protocol{2, {{QStringLiteral("Nr"), QStringLiteral("Mannschaft"), QStringLiteral("Zeit 1")}}};
    for (int row = 1; row <= 24; ++row) {
        const QString team = QStringLiteral("FF Mühlbach-Süd %1").arg(row + n);
        teams.rows.append({QString::number(row), team, QStringLiteral("Großöd")});
        protocol.rows.append(
            {QString::number(row), team, row % 3 ? QStringLiteral("0:2%1,00").arg(row % 10) : QString()});
    }
    return {teams, protocol};
}

inline CompetitionEvent Event(int run, int n) {
    CompetitionEvent e;
    e.team = QStringLiteral("%1 FF Mühlbach").arg(n % 17, 3);
    e.team2 = QStringLiteral("%1 FF Öd").arg(n % 17 + 1, 3);
    switch (n % 6) {
    case 1:
        e.kind = CompetitionEventKind::RunStarted;
        break;
    case 2:
    case 3:
        e.kind = CompetitionEventKind::LaneStopped;
        e.lane = n % 6 - 2;
        e.timeMs = 20000 + n * 7 + run;
        e.byContact = e.lane == 0;
        break;
    case 5:
        e.kind = CompetitionEventKind::Reset;
        break;
    default:
        e.kind = CompetitionEventKind::CellEdited;
        e.list = 2;
        e.column = 3;
        e.oldText = QStringLiteral("0:%1,00").arg(n % 60, 2, 10, QLatin1Char('0'));
        e.newText = QStringLiteral("0:%1,50").arg(n % 60, 2, 10, QLatin1Char('0'));
        break;
    }
    if (n == 1 || n % 12 == 0) {
        e.kind = CompetitionEventKind::ListsLoaded;
        e.fileName = QStringLiteral("Vorlauf.xlsx");
        e.listTitle = QStringLiteral("Vorlauf – Zeitprotokoll");
        e.stageTag = 12;
        e.lists = Lists(n);
    }
    e.text = Seq(run, n);
    return e;
}

} // namespace zn::crash
