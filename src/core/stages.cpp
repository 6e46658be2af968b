#include "core/stages.h"

#include <QFileInfo>
#include <algorithm>

namespace zn {

const std::array<QString, kStageCount> StageNames = {
    QStringLiteral("Vorlauf"), QStringLiteral("Achtelfinale"), QStringLiteral("Viertelfinale"),
    QStringLiteral("Halbfinale"), QStringLiteral("Finale")};

const std::array<QString, 4> ListNames = {
    QStringLiteral("Mannschafts-Datenbank"), QStringLiteral("Zeitenprotokoll"),
    QStringLiteral("Qualifikations-Ergebnis"), QStringLiteral("Gesamt-Ergebnis")};

namespace {
const QString kGenerateCaption = QStringLiteral("Ergebnislisten erzeugen");
const QString kFinalResultCaption = QStringLiteral("Ergebnis");
} // namespace

QString EntryCaption(int tag) {
    const int kind = KindOfTag(tag);
    if (kind == lkGenerate) return kGenerateCaption;
    if (kind < lkDatenbank || kind > lkGesamt) return QString();
    if (StageOfTag(tag) == kFinalStage && kind == lkQualifikation) return kFinalResultCaption;
    return ListNames[kind - 1];
}

std::vector<StageMenuEntry> StageMenuEntries(int stage) {
    auto entry = [stage](int kind) {
        return StageMenuEntry{EntryCaption(StageTag(stage, kind)), StageTag(stage, kind)};
    };
    std::vector<StageMenuEntry> entries = {entry(lkDatenbank), entry(lkProtokoll), entry(lkGenerate)};
    if (stage == kFinalStage) {
        entries.push_back(StageMenuEntry{QString(), 0, true});
        entries.push_back(entry(lkQualifikation));
    } else {
        entries.push_back(entry(lkQualifikation));
        entries.push_back(entry(lkGesamt));
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
    const QString stageName = stage >= 1 && stage <= kStageCount ? StageNames[stage - 1] : QString();
    texts.windowCaption = stageName + QStringLiteral(": ") + applicationTitle;
    texts.labelErgebnis = entryCaption;
    const qsizetype amp = texts.labelErgebnis.indexOf(u'&');
    if (amp >= 0) texts.labelErgebnis.remove(amp, 1);
    texts.statusList = u' ' + texts.labelErgebnis;
    texts.statusRows = QString::number(std::max(rowCount - 1, 0));
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
    return baseName + QStringLiteral(": ") + applicationTitle;
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
