#pragma once

#include "core/protocol_row.h"

#include <QStringList>

namespace zn::test {

// The texts of one column over the data rows (row 0, the header, left out).
inline QStringList Column(const ListRows& rows, int col) {
    QStringList out;
    for (int r = 1; r < rows.size(); ++r)
        out.append(rows[r].value(col));
    return out;
}

// A time protocol row holding only the team's number and name.
inline QStringList TeamRow(const QString& nr, const QString& name) {
    QStringList row(pc::Count);
    row[pc::Nr] = nr;
    row[pc::Name] = name;
    return row;
}

} // namespace zn::test
