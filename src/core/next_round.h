#pragma once

#include "core/protocol_row.h"

#include <QList>
#include <QString>
#include <array>

namespace zn {

// A team of a stage's qualification result on its way to the next stage.
struct NextRoundTeam {
    QString nr;
    QString name;
    QString klasse;
    int place = 0;
    QString total; // the total the place was given for
    bool operator==(const NextRoundTeam&) const = default;
};

// How the chosen teams run in the next stage, pair by pair on the lanes.
enum class RunningOrder {
    BestLast,    // reverse place order: the best run last, as finals usually run
    PlaceOrder,  // place 1 first
    SeededPairs, // 1 with N, 2 with N-1, ...
};

// The teams of a qualification result (place, name, class, ..., total) that
// have a place and a total that counts, in place order. The result names no
// number: it comes from the row of `teams` (the time protocol or the
// database) with the same name and class, each row taken once; a team with a
// name only found under another class takes the first row of that name.
QList<NextRoundTeam> RankedTeams(const ListRows& qualification, const ListRows& teams, QChar separator);

// The best `count` of the ranked teams. When teams share the total of the
// last place taken and not all of them fit, they are `tied` (in place order)
// and the operator chooses `openPlaces` of them (or takes them all); `sure`
// are the teams above them. Without such a tie `tied` is empty.
struct NextRoundCut {
    QList<NextRoundTeam> sure;
    QList<NextRoundTeam> tied;
    int openPlaces = 0;
};
NextRoundCut CutAt(const QList<NextRoundTeam>& ranked, int count, QChar separator);

// The chosen teams (in place order) in the running order; consecutive teams
// run as a pair.
QList<NextRoundTeam> InRunningOrder(const QList<NextRoundTeam>& byPlace, RunningOrder order);

// The next stage's four lists in the layout the import reads: the teams with
// number, name and class in the database and the time protocol, nothing
// else; both result lists with their header and one empty row. The headers
// are the rows 0 of the present lists.
std::array<ListRows, 4> NextStageLists(const QList<NextRoundTeam>& running,
                                       const std::array<QStringList, 4>& headers);

// Whether a time protocol (or database) holds a run time of a team.
bool HoldsTimes(const ListRows& protocol);
// Whether every team's times and penalties of `protocol` stand in `saved`
// (the protocol read back from a workbook) too: nothing recorded is lost
// when the lists are replaced.
bool TimesKeptIn(const ListRows& protocol, const ListRows& saved);

// How many teams a stage takes: 16 for the round of 16 down to 2 for the
// final; 0 for the first stage, which is no next round.
int ProposedTeamCount(int stage);

// "Viertelfinale Kreisausscheid.xlsx": the stage and the competition's title,
// with what a file system does not take in a name replaced by "-".
QString NextRoundFileName(int stage, const QString& title);

} // namespace zn
