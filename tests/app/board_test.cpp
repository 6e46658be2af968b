#include "app/board_window.h"
#include "controls/bit_btn_with_color.h"
#include "test_platform.h"

#include "live/live_server.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTcpSocket>
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
        wb.LoadExample(*form);
    }
    void TearDown() override { form.reset(); }

    TFormBoard* Open() {
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        return form->FormBoard;
    }
    void Key(Qt::Key key) { QTest::keyClick(form.get(), key); }
};

// The body of a GET answered by the live page (the server runs on its own
// thread, so a blocking socket here does not hold it up).
QByteArray Get(uint16_t port, const QByteArray& target) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(5000)) return {};
    socket.write("GET " + target + " HTTP/1.1\r\nHost: test\r\nConnection: close\r\n\r\n");
    QByteArray answer;
    qsizetype end = -1;
    while ((end = answer.indexOf("\r\n\r\n")) < 0 && socket.waitForReadyRead(5000))
        answer += socket.readAll();
    const QByteArray head = answer.left(end).toLower();
    const qsizetype at = head.indexOf("content-length:");
    const qsizetype length =
        at < 0 ? 0 : head.mid(at + 15, head.indexOf('\r', at) - at - 15).trimmed().toLongLong();
    while (answer.size() < end + 4 + length && socket.waitForReadyRead(5000))
        answer += socket.readAll();
    return answer.mid(end + 4, length);
}

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

// A click on the board gives it the keyboard; the run keys still act on the run.
TEST_F(Board, RunKeysReachTheRunFromAFocusedBoard) {
    TFormBoard* board = Open();
    ASSERT_TRUE(board);
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    wb.clock.now += 23456;
    board->activateWindow();
    // Not qWaitForWindowActive: it counts the console's activity for the board.
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == board, 5000);
    QTest::keyClick(board, Qt::Key_2);
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit2, 2), "23,45");
    QTest::keyClick(board, Qt::Key_1);
    EXPECT_EQ(form->SortGrid2->GetCell(pc::Zeit1, 1), "23,45");
    EXPECT_FALSE(form->Clock->isActive());
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

TEST_F(Board, LivePageFollowsTheConsoleAndTheBoardShowsItsAddress) {
    form->SetLivePage(true, 0); // any free port
    ASSERT_TRUE(form->LiveServer() && form->LiveServer()->Running());
    const uint16_t port = form->LiveServer()->Port();
    QTest::mouseClick(form->bSTART, Qt::LeftButton);
    wb.clock.now += 2000;
    const QJsonObject state = QJsonDocument::fromJson(Get(port, "/state.json")).object();
    EXPECT_EQ(state["phase"].toString(), "running");
    const QJsonObject lane1 = state["lanes"].toArray()[0].toObject();
    EXPECT_EQ(lane1["team"].toString(), "1 FF Mühlbach");
    EXPECT_EQ(lane1["elapsedMs"].toInt(), 2000);

    TFormBoard* board = Open();
    ASSERT_TRUE(board);
    EXPECT_EQ(board->Address->text(), form->LiveServer()->Address());
    EXPECT_TRUE(board->Qr->isVisibleTo(board));
    EXPECT_TRUE(QSettings(wb.SettingsPath(), QSettings::IniFormat).value("LiveSeite/Aktiv").toBool());
    form->SetLivePage(false, port);
    EXPECT_FALSE(form->LiveServer());
    EXPECT_FALSE(board->Address->isVisibleTo(board));
}
