// Workbook and word-processor exchange of the lists. The readers and writers
// of those formats are not part of this build yet; until they are, each call
// tells the operator so instead of pretending to have loaded or saved.
#include "app/main_window.h"

namespace zn {

bool TFormMain::ExportWorkbook(const QString&) {
    TellOperator(
        QString::fromUtf8("Das Speichern als Arbeitsmappe ist in dieser Version noch nicht verfügbar."),
        false);
    return false;
}

bool TFormMain::ExportWordDocument(int, const QString&) {
    TellOperator(
        QString::fromUtf8("Das Speichern als Word-Dokument ist in dieser Version noch nicht verfügbar."),
        false);
    return false;
}

} // namespace zn
