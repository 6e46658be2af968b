// Exports a team workbook as the console's "Aktuelle Liste speichern unter"
// does (.xlsx, every cell as text, the time columns formatted "0.00"), after
// giving the first teams of the time protocol a run on both lanes. Used by
// scripts/make_ods_fixtures.py, which builds it against the documents layer.
//
//   export_workbook_fixture <team workbook> <exported .xlsx>
#include "core/protocol_row.h"
#include "documents/workbook_import.h"
#include "documents/workbook_reader.h"
#include "documents/workbook_writer.h"

#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    using namespace zn;
    if (argc != 3) return 2;
    const QLocale german(QLocale::German, QLocale::Germany);
    const WorkbookSheets sheets = ReadWorkbookHere(QFile::decodeName(argv[1]), german);
    const std::array<int, 4> cols{pc::Count, pc::Count, rc::Count, rc::Count};
    const ImportedLists imported = ImportLists(sheets, cols, QFile::decodeName(argv[1]));
    if (!sheets.ok() || !imported.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(sheets.ok() ? imported.error : sheets.error));
        return 1;
    }
    std::array<ListRows, 4> lists;
    for (size_t i = 0; i < imported.lists.size() && i < lists.size(); ++i)
        lists[i] = imported.lists[i];
    // Lane 1, penalty, total, lane 2, penalty, total, best time.
    const QStringList runs[] = {{"21,50", "0", "21,50", "22,25", "5", "27,25", "21,50"},
                                {"19,80", "0", "19,80", "", "", "", "19,80"}};
    ListRows& protocol = lists[1];
    for (int t = 0; t < 2 && t + 1 < protocol.size(); ++t) {
        EnsureColumns(protocol[t + 1], pc::Count);
        for (int c = 0; c < runs[t].size(); ++c)
            protocol[t + 1][pc::Zeit1 + c] = runs[t][c];
    }
    const WorkbookExport book =
        ListsWorkbook(lists, cols, false, QStringLiteral("Vorlauf"), QStringLiteral("Zeitnahme"));
    const WriteResult written = WriteNewWorkbook(QFile::decodeName(argv[2]), book);
    if (!written.ok)
        std::fprintf(stderr, "%s %s\n", qPrintable(written.errorText), qPrintable(written.reason));
    return written.ok ? 0 : 1;
}
