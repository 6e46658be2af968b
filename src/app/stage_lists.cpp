// Which of the four lists is shown, and generating the two result lists from
// the time protocol.
#include "app/main_window.h"

#include "controls/sort_grid.h"
#include "core/qualification.h"
#include "core/result_numbers.h"
#include "core/stages.h"
#include "core/tag.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace zn {

QAction* TFormMain::StageEntry(int tag) const {
    const int stage = StageOfTag(tag);
    if (stage < 1 || stage > kStageCount || !Startliste[stage]) return nullptr;
    for (QAction* entry : Startliste[stage]->actions()) {
        if (!entry->isSeparator() && TagOf(entry) == tag) return entry;
    }
    return nullptr;
}

// The menu opens just inside the button's top-left corner.
void TFormMain::bQClick() {
    PopupMenuQ4->popup(bQ->mapToGlobal(QPoint(8, 8)));
}

// Shows the list of the entry's kind (tag = stage x 10 + kind); the window
// caption names the entry's stage.
void TFormMain::SelectDatenbank(QAction* entry) {
    if (!entry) return;
    const int kind = KindOfTag(TagOf(entry));
    if (kind < lkDatenbank || kind > lkGesamt) return;
    // An open penalty edit belongs to the list that is being left.
    CommitCellEdit(CurrentList);
    Model.ShowList(TagOf(entry));
    ShowListEntry(entry);
}

void TFormMain::ChooseListEntry(QAction* entry) {
    if (!entry) return;
    const int kind = KindOfTag(TagOf(entry));
    if (kind < lkDatenbank || kind > lkGesamt) return;
    CommitCellEdit(CurrentList);
    Model.ChooseList(TagOf(entry), EntryCaption(TagOf(entry)));
    ShowListEntry(entry);
}

void TFormMain::ShowListEntry(QAction* entry) {
    if (!entry) return;
    const int tag = TagOf(entry);
    const int kind = KindOfTag(tag);
    if (kind < lkDatenbank || kind > lkGesamt) return;
    for (int k = lkDatenbank; k <= lkGesamt; ++k)
        Lists[k]->setVisible(k == kind);
    SortGridTop->setVisible(IsProtocolKind(kind));
    CurrentList = Lists[kind];
    if (entry->isCheckable()) entry->setChecked(true);
    UpdateCommandStates();
    const ListSelectionTexts texts = SelectionTexts(tag, entry->text(), kAppTitle, CurrentList->RowCount());
    setWindowTitle(texts.windowCaption);
    AlignControls();
    StatusPanel0->setText(texts.statusRows);
    LabelErgebnis->setText(texts.labelErgebnis);
    ListCaption = texts.documentCaption;
    StatusPanel1->setText(texts.statusList);
}

// "Ergebnislisten erzeugen": the qualification result (marked teams by the
// total of their counted run) and the overall result (every team with a best
// time, marked ones first) are built from the time protocol, which is left in
// number order; then the stage's result entry is shown.
void TFormMain::QualigenerierenClick(QAction* entry) {
    if (!entry) return;
    // A penalty still being typed counts.
    CommitCellEdit(CurrentList);
    Model.Generate(StageOfTag(TagOf(entry)), EntryCaption(TagOf(entry)));
    SortGrid2->Repaint();
    ShowListEntry(StageEntry(Model.ShownTag()));
    ProtocolChanged();
}

} // namespace zn
