#pragma once

#include "core/protocol_row.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zn {

// Five stages of a competition, each with the same four lists. Menu entries
// carry tag = stage * 10 + list kind; kind 9 generates the result lists and
// kind 8 builds the next stage from the result.
inline constexpr int kStageCount = 5;
inline constexpr int kFinalStage = 5;

enum ListKind {
    lkDatenbank = 1,     // database of teams
    lkProtokoll = 2,     // time protocol
    lkQualifikation = 3, // qualification result ("Ergebnis" in the final)
    lkGesamt = 4,        // overall result
    lkNextRound = 8,     // "Nächste Runde …": the next stage from this one's result
    lkGenerate = 9,      // "Ergebnislisten erzeugen"
};

// German names: sheet names, file names and journal content.
extern const std::array<QString, kStageCount> StageNames;
extern const std::array<QString, 4> ListNames;

// The names as the window shows them, in the operator's language.
QString StageTitle(int stage);
QString ListTitle(int kind);

inline int StageTag(int stage, int kind) {
    return stage * 10 + kind;
}
inline int StageOfTag(int tag) {
    return tag / 10;
}
inline int KindOfTag(int tag) {
    return tag % 10;
}

// Database and time protocol share the protocol layout and the group header.
inline bool IsProtocolKind(int kind) {
    return kind == lkDatenbank || kind == lkProtokoll;
}

struct StageMenuEntry {
    QString caption; // empty for the separator
    int tag = 0;     // 0 for the separator
    bool separator = false;
};

// The entries of a stage's submenu in menu order, captions as shown.
std::vector<StageMenuEntry> StageMenuEntries(int stage);
// The entry shown after generating: "Qualifikations-Ergebnis", or "Ergebnis"
// in the final, which has no overall result of its own. Look it up by tag: its
// position differs between the final (after a separator) and the other stages.
int ResultEntryTag(int stage);
// The entry's German caption (journal, documents) and the shown one.
QString EntryCaption(int tag);
QString EntryTitle(int tag);

// Texts of the window when a list is chosen from the menu.
struct ListSelectionTexts {
    QString windowCaption;   // "Halbfinale: <application title>"
    QString labelErgebnis;   // the entry's caption without its first "&"
    QString statusList;      // status panel 1: " " and the label
    QString statusRows;      // status panel 0: number of data rows
    QString documentCaption; // the German caption the exported documents carry
};
ListSelectionTexts SelectionTexts(int tag, const QString& entryCaption, const QString& applicationTitle,
                                  int rowCount);

// Which stage submenus a loaded workbook enables: those whose name its base
// name (no folder, no extension) contains, case-sensitively, so "Halbfinale
// Kreis" is no "Finale". The last enabled stage is shown; none enables
// "Vorlauf".
struct StageDetection {
    std::array<bool, kStageCount> enabled{}; // index 0 = stage 1
    int shownStage = 1;
    QString baseName;
};
StageDetection DetectStages(const QString& fileName);
// After a load the caption names the workbook, not the stage.
QString LoadedListCaption(const QString& baseName, const QString& applicationTitle);

// What the two lane lists offer: every team of the shown list in key order,
// lane 1 on the first item and lane 2 on the second.
struct LaneListContents {
    QStringList items;
    int lane1Index = -1; // -1: no selection, list disabled
    int lane2Index = -1;
    bool lane1Enabled() const { return lane1Index >= 0; }
    bool lane2Enabled() const { return lane2Index >= 0; }
};
// `skipBlankKeys` is off only right after a row removal.
LaneListContents LaneListItems(const ListRows& rows, bool skipBlankKeys = true);

} // namespace zn
