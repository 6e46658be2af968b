#include "core/stages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace zn {

namespace {
// The German names are data (sheet names, file names, the journal) and the
// source texts of what the menus and captions show.
constexpr const char* kStageTexts[kStageCount] = {
    //: competition stage: heat
    QT_TRANSLATE_NOOP("Stages", "Vorlauf"),
    //: competition stage: round of 16
    QT_TRANSLATE_NOOP("Stages", "Achtelfinale"),
    //: competition stage: quarter-final
    QT_TRANSLATE_NOOP("Stages", "Viertelfinale"),
    //: competition stage: semi-final
    QT_TRANSLATE_NOOP("Stages", "Halbfinale"),
    //: competition stage: final
    QT_TRANSLATE_NOOP("Stages", "Finale")};

constexpr const char* kListTexts[4] = {
    //: list of the registered teams
    QT_TRANSLATE_NOOP("Stages", "Mannschafts-Datenbank"),
    //: list of the run times of every team
    QT_TRANSLATE_NOOP("Stages", "Zeitenprotokoll"),
    //: result list of the teams that qualified for the next stage
    QT_TRANSLATE_NOOP("Stages", "Qualifikations-Ergebnis"),
    //: result list of every team
    QT_TRANSLATE_NOOP("Stages", "Gesamt-Ergebnis")};

//: menu entry: builds the result lists from the time protocol
const char* const kGenerateText = QT_TRANSLATE_NOOP("Stages", "Ergebnislisten erzeugen");
//: menu entry: builds the next stage's lists from this stage's qualification result
const char* const kNextRoundText = QT_TRANSLATE_NOOP("Stages", "Nächste Runde …");
//: the final's result list
const char* const kFinalResultText = QT_TRANSLATE_NOOP("Stages", "Ergebnis");

const char* EntrySource(int tag) {
    const int kind = KindOfTag(tag);
    if (kind == lkGenerate) return kGenerateText;
    if (kind == lkNextRound) return StageOfTag(tag) < kFinalStage ? kNextRoundText : nullptr;
    if (kind < lkDatenbank || kind > lkGesamt) return nullptr;
    if (StageOfTag(tag) == kFinalStage && kind == lkQualifikation) return kFinalResultText;
    return kListTexts[kind - 1];
}
} // namespace

const std::array<QString, kStageCount> StageNames = {
    QString::fromUtf8(kStageTexts[0]), QString::fromUtf8(kStageTexts[1]), QString::fromUtf8(kStageTexts[2]),
    QString::fromUtf8(kStageTexts[3]), QString::fromUtf8(kStageTexts[4])};

const std::array<QString, 4> ListNames = {QString::fromUtf8(kListTexts[0]), QString::fromUtf8(kListTexts[1]),
                                          QString::fromUtf8(kListTexts[2]), QString::fromUtf8(kListTexts[3])};

QString StageTitle(int stage) {
    if (stage < 1 || stage > kStageCount) return QString();
    return QCoreApplication::translate("Stages", kStageTexts[stage - 1]);
}

QString ListTitle(int kind) {
    if (kind < lkDatenbank || kind > lkGesamt) return QString();
    return QCoreApplication::translate("Stages", kListTexts[kind - 1]);
}

QString EntryCaption(int tag) {
    const char* source = EntrySource(tag);
    return source ? QString::fromUtf8(source) : QString();
}

QString EntryTitle(int tag) {
    const char* source = EntrySource(tag);
    return source ? QCoreApplication::translate("Stages", source) : QString();
}

std::vector<StageMenuEntry> StageMenuEntries(int stage) {
    auto entry = [stage](int kind) {
        return StageMenuEntry{EntryTitle(StageTag(stage, kind)), StageTag(stage, kind)};
    };
    std::vector<StageMenuEntry> entries = {entry(lkDatenbank), entry(lkProtokoll), entry(lkGenerate)};
    if (stage == kFinalStage) {
        entries.push_back(StageMenuEntry{QString(), 0, true});
        entries.push_back(entry(lkQualifikation));
    } else {
        entries.push_back(entry(lkQualifikation));
        entries.push_back(entry(lkGesamt));
        entries.push_back(entry(lkNextRound));
    }
    return entries;
}

int ResultEntryTag(int stage) {
    return StageTag(stage, lkQualifikation);
}

ListSelectionTexts SelectionTexts(int tag, const QString& entryCaption, const QString& applicationTitle,
                                  int rowCount) {
    ListSelectionTexts texts;
    const int stage = StageOfTag(tag);
    //: window title: the stage or the loaded workbook, then the program's name
    texts.windowCaption =
        QCoreApplication::translate("Stages", "%1: %2").arg(StageTitle(stage), applicationTitle);
    texts.labelErgebnis = entryCaption;
    const qsizetype amp = texts.labelErgebnis.indexOf(u'&');
    if (amp >= 0) texts.labelErgebnis.remove(amp, 1);
    texts.statusList = u' ' + texts.labelErgebnis;
    texts.statusRows = QString::number(std::max(rowCount - 1, 0));
    texts.documentCaption = EntryCaption(tag);
    if (texts.documentCaption.isEmpty()) texts.documentCaption = texts.labelErgebnis;
    return texts;
}

StageDetection DetectStages(const QString& fileName) {
    StageDetection detection;
    detection.baseName = QFileInfo(fileName).completeBaseName();
    detection.shownStage = 0;
    for (int i = 0; i < kStageCount; ++i) {
        detection.enabled[i] = detection.baseName.contains(StageNames[i], Qt::CaseSensitive);
        if (detection.enabled[i]) detection.shownStage = i + 1;
    }
    if (detection.shownStage == 0) {
        detection.enabled[0] = true;
        detection.shownStage = 1;
    }
    return detection;
}

QString LoadedListCaption(const QString& baseName, const QString& applicationTitle) {
    //: window title: the stage or the loaded workbook, then the program's name
    return QCoreApplication::translate("Stages", "%1: %2").arg(baseName, applicationTitle);
}

LaneListContents LaneListItems(const ListRows& rows, bool skipBlankKeys) {
    LaneListContents lists;
    for (int r = 1; r < rows.size(); ++r) {
        const QString key = TeamKeyOfRow(rows.at(r));
        if (skipBlankKeys && IsBlank(key)) continue;
        lists.items.append(key);
    }
    // The lane lists keep their items sorted, as a sorted drop-down list does:
    // without regard to case, equal keys in list order.
    std::stable_sort(lists.items.begin(), lists.items.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    if (!lists.items.isEmpty()) lists.lane1Index = 0;
    if (lists.items.size() >= 2) lists.lane2Index = 1;
    return lists;
}

} // namespace zn
