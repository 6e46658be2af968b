#pragma once

#include "core/protocol_row.h"

namespace zn {

struct GenerateInput {
    ListRows protocol;               // the time protocol, header included
    QStringList qualificationHeader; // row 0 of the qualification result, kept as it is
    QStringList overallHeader;       // row 0 of the overall result, kept as it is
    QChar separator = u',';
};

struct GeneratedLists {
    ListRows qualification; // marked teams by the total of their counted run, in place order
    ListRows overall;       // every team with a best time, marked ones first, in place order
    ListRows protocol;      // the time protocol in ascending number order
};

// "Ergebnislisten erzeugen": the counted run of a team is lane 1's when its
// "Gesamt" equals the "Bestzeit" (so equal totals take lane 1), else lane 2's.
// Places come from the data alone, never from the order or direction a grid
// shows: teams with equal results keep the order of their numbers.
GeneratedLists GenerateResultLists(const GenerateInput& input);

// Result row of a protocol row: place empty, name, class and the counted run.
QStringList ResultRowOf(const QStringList& protocolRow, QChar separator);

} // namespace zn
