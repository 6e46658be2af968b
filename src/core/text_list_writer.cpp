#include "core/text_list_writer.h"

#include "core/code_page.h"

namespace zn {

namespace {

// The test is on the raw text: a cell of blanks still counts as filled.
bool HasText(const QStringList& row, int colCount) {
    for (int c = 0; c < colCount; ++c)
        if (!CellOf(row, c).isEmpty()) return true;
    return false;
}

} // namespace

QString ListText(const ListRows& rows, int colCount) {
    QString text;
    for (const QStringList& row : rows) {
        if (!HasText(row, colCount)) continue;
        for (int c = 0; c < colCount; ++c) {
            const QString cell = CellOf(row, c);
            text += cell.isEmpty() ? QStringLiteral(" ") : cell;
            text += u'\t';
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

bool HasDataRows(const ListRows& rows, int colCount) {
    for (qsizetype r = 1; r < rows.size(); ++r) {
        if (HasText(rows.at(r), colCount)) return true;
    }
    return false;
}

QByteArray ListTextBytes(const ListRows& rows, int colCount) {
    return EncodeTextFile(ListText(rows, colCount));
}

WriteResult SaveListText(const QString& fileName, const ListRows& rows, int colCount) {
    return WriteFileAtomically(fileName, ListTextBytes(rows, colCount));
}

} // namespace zn
