#include "core/stages.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(Stages, TagsAndMenuEntries) {
    EXPECT_EQ(StageTag(4, lkGenerate), 49);
    EXPECT_EQ(StageOfTag(23), 2);
    EXPECT_EQ(KindOfTag(23), lkQualifikation);

    const auto vorlauf = StageMenuEntries(1);
    ASSERT_EQ(vorlauf.size(), 6u);
    EXPECT_EQ(vorlauf[0].caption, "Mannschafts-Datenbank");
    EXPECT_EQ(vorlauf[2].caption, "Ergebnislisten erzeugen");
    EXPECT_EQ(vorlauf[2].tag, 19);
    EXPECT_EQ(vorlauf[3].caption, "Qualifikations-Ergebnis");
    EXPECT_EQ(vorlauf[3].tag, ResultEntryTag(1));
    EXPECT_EQ(vorlauf[4].caption, "Gesamt-Ergebnis");
    EXPECT_EQ(vorlauf[4].tag, 14);
    EXPECT_EQ(vorlauf[5].caption, "Nächste Runde …");
    EXPECT_EQ(vorlauf[5].tag, StageTag(1, lkNextRound));
    EXPECT_EQ(StageMenuEntries(4).back().tag, 48);

    const auto finale = StageMenuEntries(5);
    ASSERT_EQ(finale.size(), 5u);
    EXPECT_TRUE(finale[3].separator);
    EXPECT_EQ(finale[4].caption, "Ergebnis");
    EXPECT_EQ(finale[4].tag, 53);
    EXPECT_EQ(ResultEntryTag(5), 53);
}

TEST(Stages, FinaleResultCaption) {
    const auto texts = SelectionTexts(ResultEntryTag(5), EntryCaption(ResultEntryTag(5)), "Zeitnahme", 9);
    EXPECT_EQ(texts.windowCaption, "Finale: Zeitnahme");
    EXPECT_EQ(texts.labelErgebnis, "Ergebnis");
    EXPECT_EQ(texts.statusList, " Ergebnis");
    EXPECT_EQ(texts.statusRows, "8");
}

TEST(Stages, SelectionDropsTheFirstAmpersandOnly) {
    const auto texts = SelectionTexts(12, "&Zeiten&protokoll", "Z", 1);
    EXPECT_EQ(texts.labelErgebnis, "Zeiten&protokoll");
    EXPECT_EQ(texts.windowCaption, "Vorlauf: Z");
    EXPECT_EQ(texts.statusRows, "0");
}

TEST(Stages, DetectionFromTheWorkbookName) {
    auto d = DetectStages("/daten/2024/Halbfinale Kreis.xls");
    EXPECT_EQ(d.baseName, "Halbfinale Kreis");
    EXPECT_EQ(d.enabled, (std::array<bool, 5>{false, false, false, true, false}));
    EXPECT_EQ(d.shownStage, 4);

    d = DetectStages("Kreis-Cup.xls");
    EXPECT_EQ(d.enabled, (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(d.shownStage, 1);

    d = DetectStages("Vorlauf und Finale.v2.xlsx");
    EXPECT_EQ(d.baseName, "Vorlauf und Finale.v2");
    EXPECT_EQ(d.enabled, (std::array<bool, 5>{true, false, false, false, true}));
    EXPECT_EQ(d.shownStage, 5); // the last enabled stage wins

    d = DetectStages("finale.xls"); // case-sensitive
    EXPECT_EQ(d.shownStage, 1);
    EXPECT_EQ(LoadedListCaption(DetectStages("/x/Kreis-Cup.xls").baseName, "Zeitnahme"),
              "Kreis-Cup: Zeitnahme");
}

TEST(LaneLists, SortedKeysLaneOneFirstLaneTwoSecond) {
    const ListRows rows{{"Nr.", "Name"}, {"12", "Ost"}, {"3", "Nord"}, {"", ""}, {"7", "Süd"}};
    const auto lists = LaneListItems(rows);
    EXPECT_EQ(lists.items, (QStringList{"  3 Nord", "  7 Süd", " 12 Ost"}));
    EXPECT_EQ(lists.lane1Index, 0);
    EXPECT_EQ(lists.lane2Index, 1);

    const auto afterRemoval = LaneListItems(rows, false);
    EXPECT_EQ(afterRemoval.items.size(), 4);
    EXPECT_EQ(afterRemoval.items.first(), "    ");
}

TEST(LaneLists, OneTeamLeavesLaneTwoEmpty) {
    auto lists = LaneListItems({{"Nr.", "Name"}, {"1", "A"}});
    EXPECT_TRUE(lists.lane1Enabled());
    EXPECT_FALSE(lists.lane2Enabled());
    lists = LaneListItems({{"Nr.", "Name"}});
    EXPECT_FALSE(lists.lane1Enabled());
    EXPECT_TRUE(lists.items.isEmpty());
}
