// Which of the four lists is shown.
#include "app/main_window.h"

#include "controls/sort_grid.h"
#include "core/tag.h"

#include <QAction>
#include <QLabel>

namespace zn {

// A list menu entry carries stage x 10 + list kind in its tag; the kind is the
// index into Lists.
void TFormMain::SelectDatenbank(QAction* entry) {
    const int kind = TagOf(entry) % 10;
    if (kind < 1 || kind > 4) return;
    CurrentList = Lists[kind];
    for (int k = 1; k <= 4; ++k) Lists[k]->setVisible(k == kind);
    QString text = entry->text();
    text.remove(text.indexOf(u'&'), text.contains(u'&') ? 1 : 0);
    LabelErgebnis->setText(text);
    StatusPanel1->setText(QStringLiteral(" ") + text);
    UpdateCommandStates();
}

}  // namespace zn
