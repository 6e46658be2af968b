#pragma once

#include <QString>
#include <array>
#include <vector>

namespace zn {

// Every text the lists' header row (row 0 of a grid, and the group header
// above the time protocol) can carry, for translating it when it is shown.
// The header row itself stays German: it is written to the files.
extern const std::array<const char*, 14> kListHeaderTexts;

// One sheet of a workbook as its tab shows it.
struct WorkbookTab {
    QString name;
    bool hidden = false;
};

// Which sheet holds which of the four lists.
struct ListSheetChoice {
    // The sheet (from 0, hidden ones counted) of each list; -1 for a list the
    // workbook has no sheet for.
    std::array<int, 4> sheet{-1, -1, -1, -1};
    // For the status bar: the lists taken by their names from sheets
    // at other places than their position would give; empty when the two agree.
    QString note;
};

// The console writes the lists as sheets named after ListNames, and an
// organiser's helper sheet (hidden, often in front) or a reordered workbook
// must not make a helper the team list or swap two lists. A list takes the
// sheet with its name (blanks around it and case do not count); the lists
// without one take the visible sheets that carry no list's name, in order.
// Hidden sheets are never taken but by their name.
ListSheetChoice ChooseListSheets(const std::vector<WorkbookTab>& tabs);

} // namespace zn
