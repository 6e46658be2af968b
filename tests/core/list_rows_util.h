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

} // namespace zn::test
