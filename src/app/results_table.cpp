// Writing finished lane times into the time protocol and ranking result lists.
#include "app/main_window.h"

#include "controls/sort_grid.h"

#include <QComboBox>
#include <QLabel>

namespace zn {

// The lane's team is the selected entry of its lane list, "  7 Name": the
// number stands right-aligned in the first three characters.
void TFormMain::RecordRunResult(int column, int lane, const QString& time) {
    const QComboBox* laneList = lane == 1 ? cbBuhn1 : cbBuhn2;
    const QString number = laneList->currentText().left(3).trimmed();
    int row = -1;
    if (!number.isEmpty()) {
        for (int r = 1; r < SortGrid2->RowCount(); ++r) {
            if (SortGrid2->GetCell(0, r).trimmed() == number) {
                row = r;
                break;
            }
        }
    }
    if (row < 0) {
        // The time must not vanish: it stays on the digits and the operator is told.
        StatusPanel1->setText(QStringLiteral(" Bahn %1: Mannschaft Nr. %2 nicht im Zeitenprotokoll, Zeit %3 bitte eintragen")
                                  .arg(lane)
                                  .arg(number.isEmpty() ? QStringLiteral("?") : number, time));
    } else {
        SortGrid2->SetCell(column, row, time);
    }
    UpdateCommandStates();
}

void TFormMain::RerankResultList() {
    if (CurrentList != SortGrid3 && CurrentList != SortGrid4) return;
}

}  // namespace zn
