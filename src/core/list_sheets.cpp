#include "core/list_sheets.h"

#include "core/stages.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace zn {

const std::array<const char*, 14> kListHeaderTexts = {
    //: group header above a team's number, name, class and qualification mark
    QT_TRANSLATE_NOOP("ListHeaders", "Mannschaft"),
    //: group header above lane 1's run time, penalty and total
    QT_TRANSLATE_NOOP("ListHeaders", "Bahn 1"),
    //: group header above lane 2's run time, penalty and total
    QT_TRANSLATE_NOOP("ListHeaders", "Bahn 2"),
    //: column: the team's start number
    QT_TRANSLATE_NOOP("ListHeaders", "Nr."),
    //: column: the team's name
    QT_TRANSLATE_NOOP("ListHeaders", "Name"),
    //: column: the team's class (category, e.g. men, women, youth)
    QT_TRANSLATE_NOOP("ListHeaders", "Klasse"),
    //: column, short for qualification: marks the teams that reach the next stage
    QT_TRANSLATE_NOOP("ListHeaders", "Q."),
    //: column: a lane's run time in seconds
    QT_TRANSLATE_NOOP("ListHeaders", "Zeit"),
    //: column: penalty seconds of a run
    QT_TRANSLATE_NOOP("ListHeaders", "Fehler"),
    //: column: run time plus penalty seconds of one lane
    QT_TRANSLATE_NOOP("ListHeaders", "Gesamt"),
    //: column: the better total of the team's two runs
    QT_TRANSLATE_NOOP("ListHeaders", "Bestzeit"),
    //: column of the result lists: rank
    QT_TRANSLATE_NOOP("ListHeaders", "Platz"),
    //: column of the result lists: the counted run's time without penalty
    QT_TRANSLATE_NOOP("ListHeaders", "Übungszeit"),
    //: column of the result lists: run time plus penalty seconds
    QT_TRANSLATE_NOOP("ListHeaders", "Gesamtzeit")};

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
            //: %1 a list's name, %2 the number of the workbook sheet it was loaded from
            moved << QCoreApplication::translate("ListSheets", "%1 aus Tabelle %2")
                         .arg(ListTitle(static_cast<int>(i) + 1))
                         .arg(named[i] + 1);
    }
    if (!moved.isEmpty())
        choice.note =
            QCoreApplication::translate(
                "ListSheets", " Tabellen nach ihren Namen geladen, nicht nach ihrer Reihenfolge: %1")
                .arg(moved.join(QStringLiteral(", ")));
    return choice;
}

} // namespace zn
