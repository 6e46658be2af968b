#include "core/list_sheets.h"

#include "core/stages.h"

#include <QStringList>
#include <algorithm>

namespace zn {

namespace {

int SheetNamed(const std::vector<WorkbookTab>& tabs, const QString& name) {
    for (size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].name.trimmed().compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

} // namespace

ListSheetChoice ChooseListSheets(const std::vector<WorkbookTab>& tabs) {
    std::vector<int> visible;
    for (size_t i = 0; i < tabs.size(); ++i)
        if (!tabs[i].hidden) visible.push_back(static_cast<int>(i));
    // A workbook shows at least one sheet; one that claims to show none has
    // all of them taken as they come.
    if (visible.empty())
        for (size_t i = 0; i < tabs.size(); ++i)
            visible.push_back(static_cast<int>(i));

    std::array<int, 4> named{};
    for (size_t i = 0; i < named.size(); ++i)
        named[i] = SheetNamed(tabs, ListNames[i]);

    // The lists without a sheet of their name take the visible sheets that
    // carry no list's name, in order.
    std::vector<int> unnamed;
    for (int at : visible)
        if (std::find(named.begin(), named.end(), at) == named.end()) unnamed.push_back(at);

    ListSheetChoice choice;
    QStringList moved;
    size_t next = 0;
    for (size_t i = 0; i < named.size(); ++i) {
        if (named[i] < 0) {
            if (next < unnamed.size()) choice.sheet[i] = unnamed[next++];
            continue;
        }
        choice.sheet[i] = named[i];
        const int byPosition = i < visible.size() ? visible[i] : -1;
        if (named[i] != byPosition)
            moved << QStringLiteral("%1 aus Tabelle %2").arg(ListNames[i]).arg(named[i] + 1);
    }
    if (!moved.isEmpty())
        choice.note =
            QString::fromUtf8(" Tabellen nach ihren Namen geladen, nicht nach ihrer Reihenfolge: %1")
                .arg(moved.join(QStringLiteral(", ")));
    return choice;
}

} // namespace zn
