#include "core/text_list_writer.h"

#include "core/code_page.h"

namespace zn {

QString ListText(const ListRows& rows, int colCount) {
    QString text;
    for (const QStringList& row : rows) {
        // The test is on the raw text: a "Nr." of blanks still counts as filled.
        if (CellOf(row, 0).isEmpty()) continue;
        for (int c = 0; c < colCount; ++c) {
            const QString cell = CellOf(row, c);
            text += cell.isEmpty() ? QStringLiteral(" ") : cell;
            text += u'\t';
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

bool HasDataRows(const ListRows& rows) {
    for (qsizetype r = 1; r < rows.size(); ++r) {
        if (!CellOf(rows.at(r), 0).isEmpty()) return true;
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
