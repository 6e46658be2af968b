// What the window shows follows the operator's language; what goes into the
// files, the journal and the documents stays German.
#include "core/journal_lines.h"
#include "core/stages.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace zn;

namespace {

// Stands in for another language: it marks every text it is asked for.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return u'~' + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

class ShownTexts : public ::testing::Test {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&marking_); }
    void TearDown() override { QCoreApplication::removeTranslator(&marking_); }

    int argc_ = 1;
    char name_[6] = "tests";
    char* argv_[1] = {name_};
    QCoreApplication app_{argc_, argv_};
    MarkingTranslator marking_;
};

} // namespace

TEST_F(ShownTexts, StagesAndListsAreShownTranslatedButKeptGerman) {
    EXPECT_EQ(StageNames[3], "Halbfinale");
    EXPECT_EQ(StageTitle(4), "~Halbfinale");
    EXPECT_EQ(ListNames[1], "Zeitenprotokoll");
    EXPECT_EQ(EntryCaption(ResultEntryTag(5)), "Ergebnis");
    EXPECT_EQ(StageMenuEntries(5).back().caption, "~Ergebnis");

    const ListSelectionTexts texts = SelectionTexts(42, EntryTitle(42), "Z", 3);
    EXPECT_EQ(texts.labelErgebnis, "~Zeitenprotokoll");
    EXPECT_EQ(texts.documentCaption, "Zeitenprotokoll");
    EXPECT_TRUE(texts.windowCaption.contains("~Halbfinale")) << texts.windowCaption.toStdString();
}

TEST_F(ShownTexts, JournalShowsTranslatedLinesAndSavesGermanOnes) {
    CompetitionEvent stop;
    stop.kind = CompetitionEventKind::LaneStopped;
    stop.lane = 1;
    stop.newText = QStringLiteral("23,45");
    stop.byContact = true;
    const QDateTime at(QDate(2024, 6, 1), QTime(10, 15, 0));

    EXPECT_EQ(JournalLine(at, stop), (QStringList{"10:15:00", "Zeit", "2", "", "23,45 (Kontakt)"}));
    EXPECT_EQ(ShownJournalLine(at, stop), (QStringList{"10:15:00", "~Zeit", "2", "", "~23,45 (Kontakt)"}));
    EXPECT_EQ(kJournalColumns.first(), "Uhrzeit");
    EXPECT_EQ(ShownJournalColumns().first(), "~Uhrzeit");
}
