#include "controls/sort_grid_strings.h"

#include "controls/sort_grid.h"

#include <algorithm>

namespace zn {

int TGridStrings::Count() const {
    return FKind == kRow ? FGrid->ColCount() : FGrid->RowCount();
}

QString TGridStrings::Strings(int index) const {
    return FKind == kRow ? FGrid->GetCell(index, FIndex) : FGrid->GetCell(FIndex, index);
}

void TGridStrings::SetStrings(int index, const QString& text) {
    if (FKind == kRow)
        FGrid->SetCell(index, FIndex, text);
    else
        FGrid->SetCell(FIndex, index, text);
}

void TGridStrings::Clear() {
    if (FIndex < 0) return;
    if (FKind == kRow) {
        FGrid->FStore->ClearRow(FIndex);
        FGrid->InvalidateRow(FIndex);
    } else {
        FGrid->FStore->ClearColumn(FIndex, FGrid->RowCount());
        FGrid->InvalidateCol(FIndex);
    }
    if (FGrid->FEditorMode) FGrid->UpdateEditor();
}

void TGridStrings::Assign(const QStringList& source) {
    const int n = std::min<int>(source.size(), Count());
    for (int i = 0; i < n; ++i)
        SetStrings(i, source[i]);
}

QStringList TGridStrings::ToStringList() const {
    if (FIndex < 0) return QStringList();
    return FKind == kRow ? FGrid->FStore->Row(FIndex, FGrid->ColCount())
                         : FGrid->FStore->Column(FIndex, FGrid->RowCount());
}

} // namespace zn
