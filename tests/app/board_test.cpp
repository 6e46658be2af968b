#include "app/board_window.h"
#include "controls/bit_btn_with_color.h"
#include "test_platform.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>

using namespace zn;
using namespace zn::test;

namespace {

class Board : public ::testing::Test {
protected:
    Workbench wb;
    std::unique_ptr<TFormMain> form;

    void SetUp() override {
        form = wb.MakeForm();
        ASSERT_TRUE(Workbench::ShowActive(*form));
        const QString example = wb.Path("Vorlauf.xlsx");
        QFile::copy(QDir(ZN_EXAMPLES_DIR).filePath("Vorlauf.xlsx"), example);
        wb.files.chosen = example;
        QTest::mouseClick(form->sbLoad, Qt::LeftButton);
    }
    void TearDown() override { form.reset(); }

    TFormBoard* Open() {
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        return form->FormBoard;
    }
    void Key(Qt::Key key) { QTest::keyClick(form.get(), key); }
};

} // namespace

TEST_F(Board, FollowsARunFromStartToTheNextPair) {
    TFormBoard* board = Open();
    ASSERT_TRUE(board && board->isVisible());
    EXPECT_EQ(board->TeamName[0]->text(), "1 FF Mühlbach");
    EXPECT_EQ(board->TeamName[1]->text(), "2 Löschzug Bärental & Au");
    EXPECT_TRUE(form->isActiveWindow()) << "the console must keep the keys";

    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    EXPECT_TRUE(board->Tick->isActive());
    wb.clock.now += 1500;
    board->ShowClocks();
    EXPECT_EQ(board->ShownMs(0), 1500);
    EXPECT_EQ(board->ShownMs(1), 1500);

    wb.clock.now += 23456 - 1500;
    Key(Qt::Key_1);
    wb.clock.now += 1000;
    board->ShowClocks();
    EXPECT_EQ(board->ShownMs(0), 23456); // stopped: stays
    EXPECT_EQ(board->ShownMs(1), 24456); // still running
    EXPECT_EQ(board->LaneResult[0]->text(), "Zeit 23,45   Fehler 0   Gesamt 23,45");
    Key(Qt::Key_2);
    EXPECT_FALSE(board->Tick->isActive());
    EXPECT_EQ(board->LaneResult[1]->text(), "Zeit 24,45   Fehler 0   Gesamt 24,45");
    EXPECT_TRUE(board->Best->text().contains("23,45"));

    Key(Qt::Key_0);
    EXPECT_EQ(board->TeamName[0]->text(), "3 Jugendfeuerwehr \"Die Löschfüchse\"");
    EXPECT_TRUE(board->LaneResult[0]->text().isEmpty());
    EXPECT_EQ(board->LastRun[0]->text(),
              "Letzter Lauf: 1 FF Mühlbach – Zeit 23,45   Fehler 0   Gesamt 23,45");
    EXPECT_EQ(board->ShownMs(0), 0);

    // A false start of the next pair is shown large; the last run stays.
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    EXPECT_TRUE(board->LastRun[0]->text().isEmpty());
    wb.clock.now += 3000;
    Key(Qt::Key_F);
    EXPECT_TRUE(board->FalseStart->isVisibleTo(board));
    EXPECT_FALSE(board->Tick->isActive());
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    EXPECT_FALSE(board->FalseStart->isVisibleTo(board));
}

TEST_F(Board, ShowsTheResultTopAndClosingLeavesTheTimingAlone) {
    TFormBoard* board = Open();
    ASSERT_TRUE(board);
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    wb.clock.now += 23456;
    Key(Qt::Key_1);
    // Closed mid-run: the other lane still stops and records.
    QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(board->isVisible());
    wb.clock.now += 1000;
    Key(Qt::Key_2);
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit2, 2), "24,45");
    Key(Qt::Key_0);
    form->StageEntry(19)->trigger(); // the result lists of "Vorlauf"
    board = Open();
    ASSERT_TRUE(board->isVisible());
    EXPECT_TRUE(board->Top->text().contains("FF Mühlbach")) << board->Top->text().toStdString();
    EXPECT_EQ(board->LastRun[1]->text(),
              "Letzter Lauf: 2 Löschzug Bärental & Au – Zeit 24,45   Fehler 0   Gesamt 24,45");
    QSettings store(wb.SettingsPath(), QSettings::IniFormat);
    EXPECT_TRUE(store.contains("Anzeigetafel/Bildschirm"));
}
