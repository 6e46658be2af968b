// "Nächste Runde": a Vorlauf of 20 teams with its results gives the next
// stage's lists, written as a workbook beside the loaded one, journaled and
// brought back by a recovery.
#include "app/next_round_dialog.h"
#include "controls/label_3d.h"
#include "core/next_round.h"
#include "core/stages.h"
#include "journal/journal.h"
#include "test_platform.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>

using namespace zn;
using namespace zn::test;

namespace {

class NextRound : public ::testing::Test {
protected:
    Workbench wb;
    Workbench again;
    std::unique_ptr<ConsoleProbe> form;
    // The protocol's team keys in number order: team i runs 20 + i seconds.
    QStringList byNumber;
    // What the dialog showed: target stage, count, tied teams.
    QString shownStage;
    int shownCount = 0;
    QStringList tied;

    void SetUp() override { Workbench::StartJournaled(wb, form); }
    void TearDown() override { form.reset(); }

    // The example loaded, every team marked and timed, the results generated;
    // with `tie` the ninth team has the eighth one's total.
    void VorlaufWithResults(bool tie) {
        QFile::remove(wb.Path("Vorlauf.xlsx"));
        wb.LoadExample(*form);
        ListRows rows = form->Model.Rows(lkProtokoll);
        ASSERT_EQ(rows.size(), 21);
        std::stable_sort(rows.begin() + 1, rows.end(), [](const QStringList& a, const QStringList& b) {
            return a.value(pc::Nr).toInt() < b.value(pc::Nr).toInt();
        });
        byNumber.clear();
        for (int r = 1; r < rows.size(); ++r) {
            byNumber << TeamKeyOfRow(rows[r]);
            const int seconds = 20 + (tie && r == 9 ? 8 : r);
            const QString time = QString::number(seconds) + ",00";
            rows[r][pc::Qualified] = "true";
            rows[r][pc::Zeit1] = time;
            rows[r][pc::Fehler1] = "0";
            rows[r][pc::Gesamt1] = time;
            rows[r][pc::Bestzeit] = time;
        }
        FillList(form->SortGrid2, rows);
        form->StageEntry(StageTag(1, lkGenerate))->trigger();
        ASSERT_EQ(form->SortGrid3->RowCount(), 21);
    }

    // "Nächste Runde …" of the Vorlauf into a Viertelfinale; `pick` may
    // change the tie's ticks.
    void BuildQuarterFinal(const char* order, const std::function<void(NextRoundDialog&)>& pick = {}) {
        wb.modal.handle = [this, order, pick](QDialog& d) -> std::optional<int> {
            auto* dialog = qobject_cast<NextRoundDialog*>(&d);
            if (!dialog) return std::nullopt;
            shownStage = dialog->stageBox->currentText();
            shownCount = dialog->countBox->value();
            dialog->stageBox->setCurrentIndex(dialog->stageBox->findData(3));
            tied.clear();
            if (!dialog->tieBox->isHidden())
                for (QCheckBox* check : dialog->tieChecks)
                    tied << check->text();
            if (pick) pick(*dialog);
            dialog->findChild<QRadioButton*>(order)->click();
            return dialog->countBox->value() == 8 ? QDialog::Accepted : QDialog::Rejected;
        };
        form->StageEntry(StageTag(1, lkNextRound))->trigger();
    }

    QStringList Keys(const QList<int>& places) const {
        QStringList keys;
        for (int p : places)
            keys << byNumber.at(p - 1);
        return keys;
    }
    QStringList ProtocolKeys() const {
        QStringList keys;
        const ListRows rows = form->Model.Rows(lkProtokoll);
        for (int r = 1; r < rows.size(); ++r)
            keys << TeamKeyOfRow(rows[r]);
        return keys;
    }
    QString Written() const { return wb.Path(NextRoundFileName(3, form->Title1->Caption())); }
};

} // namespace

TEST_F(NextRound, EachRunningOrderGivesAQuarterFinalOfEight) {
    const std::vector<std::pair<const char*, QList<int>>> orders = {
        {"OrderBestLast", {8, 7, 6, 5, 4, 3, 2, 1}},
        {"OrderPlaces", {1, 2, 3, 4, 5, 6, 7, 8}},
        {"OrderSeeded", {1, 8, 2, 7, 3, 6, 4, 5}}};
    for (const auto& [order, places] : orders) {
        SCOPED_TRACE(order);
        VorlaufWithResults(false);
        const QStringList expected = Keys(places);
        wb.modal.answer = TFDlgYesNo::mrYes;
        BuildQuarterFinal(order);
        EXPECT_EQ(shownStage, "Achtelfinale");
        EXPECT_EQ(shownCount, 16);
        EXPECT_TRUE(tied.isEmpty());
        EXPECT_EQ(ProtocolKeys(), expected);
        const ListRows database = form->Model.Rows(lkDatenbank);
        ASSERT_EQ(database.size(), 9);
        for (int r = 1; r < database.size(); ++r)
            EXPECT_TRUE(database[r].value(pc::Zeit1).isEmpty() && database[r].value(pc::Bestzeit).isEmpty());
        EXPECT_TRUE(form->Startliste[3]->isEnabled());
        EXPECT_EQ(form->Model.ShownTag(), StageTag(3, lkDatenbank));
        EXPECT_EQ(form->CurrentList, form->SortGrid1);
        EXPECT_EQ(form->cbBuhn1->currentText(), expected[0]);
        EXPECT_EQ(form->cbBuhn2->currentText(), expected[1]);
        EXPECT_TRUE(form->StatusPanel1->text().contains(QFileInfo(Written()).fileName()));
        EXPECT_EQ(form->Model.WorkbookTarget(), Written());
    }
    // Each build had times that no workbook held; the quarter-final's
    // workbook, which holds no times, was replaced without a question.
    EXPECT_EQ(wb.modal.asked.size(), 3);
    EXPECT_TRUE(
        wb.modal.asked[0].startsWith("Die Zeiten von Vorlauf sind nicht in der Arbeitsmappe gespeichert"));
    // The final's menu has no entry.
    EXPECT_EQ(form->StageEntry(StageTag(kFinalStage, lkNextRound)), nullptr);
}

TEST_F(NextRound, ATieAtPlaceEightIsAskedAboutAndTheOperatorDecides) {
    VorlaufWithResults(true);
    // "Nein" to the unsaved times keeps the Vorlauf.
    wb.modal.answer = TFDlgYesNo::mrCancel;
    BuildQuarterFinal("OrderPlaces");
    EXPECT_EQ(form->Model.ShownTag(), StageTag(1, lkQualifikation));
    ASSERT_EQ(tied.size(), 2);
    EXPECT_TRUE(tied[0].endsWith(byNumber[7].trimmed()));
    EXPECT_TRUE(tied[1].endsWith(byNumber[8].trimmed()));

    wb.modal.answer = TFDlgYesNo::mrYes;
    BuildQuarterFinal("OrderPlaces", [](NextRoundDialog& d) {
        ASSERT_EQ(d.tieChecks.size(), 2);
        EXPECT_TRUE(d.tieChecks[0]->isChecked());
        EXPECT_FALSE(d.tieChecks[1]->isChecked());
        d.tieChecks[0]->click();
        d.tieChecks[1]->click();
    });
    EXPECT_EQ(ProtocolKeys(), Keys({1, 2, 3, 4, 5, 6, 7, 9}));

    // Both tied teams go on when the operator ticks both.
    VorlaufWithResults(true);
    BuildQuarterFinal("OrderPlaces", [](NextRoundDialog& d) { d.tieChecks[1]->click(); });
    EXPECT_EQ(ProtocolKeys(), Keys({1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(NextRound, TheWrittenWorkbookLoadsBackAndTimesInItAreAskedAbout) {
    VorlaufWithResults(false);
    wb.modal.answer = TFDlgYesNo::mrYes;
    BuildQuarterFinal("OrderSeeded");
    std::array<ListRows, 4> built;
    for (int list = 1; list <= 4; ++list)
        built[static_cast<size_t>(list - 1)] = form->Model.Rows(list);

    wb.files.chosen = Written();
    QTest::mouseClick(form->sbLoad, Qt::LeftButton);
    for (int list = 1; list <= 4; ++list)
        EXPECT_EQ(form->Model.Rows(list), built[static_cast<size_t>(list - 1)]) << list;
    EXPECT_EQ(form->Model.ShownTag(), StageTag(3, lkDatenbank));

    // A time in the quarter-final's workbook: replacing it is asked first.
    // The Vorlauf's times saved in its workbook are no question.
    form->SortGrid2->SetCell(pc::Zeit1, 1, "30,00");
    QTest::mouseClick(form->sbSaveX, Qt::LeftButton);
    VorlaufWithResults(false);
    QTest::mouseClick(form->sbSaveX, Qt::LeftButton);
    const qsizetype before = wb.modal.asked.size();
    wb.modal.answer = TFDlgYesNo::mrCancel;
    BuildQuarterFinal("OrderSeeded");
    ASSERT_EQ(wb.modal.asked.size(), before + 1);
    EXPECT_EQ(wb.modal.asked.back(),
              QFileInfo(Written()).fileName() + " enthält schon Zeiten. Überschreiben?");
    EXPECT_EQ(form->Model.ShownTag(), StageTag(1, lkQualifikation));
}

TEST_F(NextRound, ACrashAfterwardsRecoversTheNewStage) {
    VorlaufWithResults(false);
    wb.modal.answer = TFDlgYesNo::mrYes;
    BuildQuarterFinal("OrderBestLast");
    const ListRows protocol = form->Model.Rows(lkProtokoll);
    const QString lane1 = form->cbBuhn1->currentText();
    const QString lane2 = form->cbBuhn2->currentText();
    const QString written = Written();

    again.TakeRunningJournal(form->Journal()->Path());
    form.reset();
    again.modal.answer = TFDlgYesNo::mrYes;
    std::unique_ptr<ConsoleProbe> restarted;
    Workbench::StartJournaled(again, restarted);
    EXPECT_EQ(restarted->Model.Rows(lkProtokoll), protocol);
    EXPECT_TRUE(restarted->Startliste[3]->isEnabled());
    EXPECT_EQ(restarted->CurrentList, restarted->SortGrid1);
    EXPECT_EQ(restarted->cbBuhn1->currentText(), lane1);
    EXPECT_EQ(restarted->cbBuhn2->currentText(), lane2);
    EXPECT_EQ(restarted->Model.WorkbookTarget(), written);
}
