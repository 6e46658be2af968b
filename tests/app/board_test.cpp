#include "app/board_window.h"
#include "controls/bit_btn_with_color.h"
#include "controls/digit.h"
#include "controls/fit_label.h"
#include "test_platform.h"

#include "live/live_server.h"

#include <QApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QTcpSocket>
#include <QTimer>
#include <QToolButton>

using namespace zn;
using namespace zn::test;

namespace {

class Board : public ActiveForm {
protected:
    void SetUp() override {
        ActiveForm::SetUp();
        if (HasFatalFailure()) return;
        wb.LoadExample(*form);
    }

    BoardWindow* Open() {
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        return form->BoardWindowOpened();
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
    BoardWindow* board = Open();
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
    BoardWindow* board = Open();
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
    BoardWindow* board = Open();
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

    BoardWindow* board = Open();
    ASSERT_TRUE(board);
    EXPECT_EQ(board->Address->text(), form->LiveServer()->Address());
    EXPECT_TRUE(board->Qr->isVisibleTo(board));
    EXPECT_TRUE(QSettings(wb.SettingsPath(), QSettings::IniFormat).value("LiveSeite/Aktiv").toBool());
    form->SetLivePage(false, port);
    EXPECT_FALSE(form->LiveServer());
    EXPECT_FALSE(board->Address->isVisibleTo(board));
}

namespace {

// Team names as long as the longest of a district's lists (40 characters).
const QStringList kLongNames{
    "Freiwillige Feuerwehr Oberlangenhausen 1", "Löschzug Wettkampfgruppe Süd-Ost Bärental",
    "Jugendfeuerwehr Niederkirchberg-Altstadt", "Werkfeuerwehr Chemiepark Rheinufer Nord"};

class BoardOnScreens : public ::testing::Test {
protected:
    Workbench wb;
    std::unique_ptr<ConsoleProbe> form;

    void SetUp() override { form = wb.MakeForm(); }
    void TearDown() override { form.reset(); }

    // The teams in the time protocol; run 1 recorded, the next pair named.
    void RunFirstPair(const QStringList& names) {
        QList<QStringList> rows{ProtocolHeaderRow()};
        for (int i = 0; i < names.size(); ++i)
            rows << QStringList{QString::number(i + 1), names[i]};
        FillList(form->SortGrid2, rows);
        form->SelectDatenbank(form->DatenbanknachVorlauf2);
        form->RebuildLaneLists();
        form->UpdateCommandStates();
        QTest::mouseClick(form->bSTART, Qt::LeftButton);
        wb.clock.now += 23456;
        QTest::keyClick(form.get(), Qt::Key_1);
        wb.clock.now += 1000;
        QTest::keyClick(form.get(), Qt::Key_2);
        QTest::keyClick(form.get(), Qt::Key_0);
    }
    BoardWindow* Open() {
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        return form->BoardWindowOpened();
    }
};

// Every line of the board inside the board, drawn within its label's width.
void ExpectFits(BoardWindow* board, const char* where) {
    SCOPED_TRACE(where);
    board->layout()->activate();
    const QRect area = board->rect();
    for (FitLabel* label : board->findChildren<FitLabel*>()) {
        if (!label->isVisibleTo(board)) continue;
        const QRect r(label->mapTo(board, QPoint(0, 0)), label->size());
        EXPECT_TRUE(area.contains(r)) << label->objectName().toStdString();
        EXPECT_LE(label->Fit().width, label->contentsRect().width()) << label->objectName().toStdString();
    }
    const auto rectOf = [board](QWidget* w) { return QRect(w->mapTo(board, QPoint(0, 0)), w->size()); };
    for (int i = 0; i < 5; ++i) {
        const QRect left = rectOf(board->Digits[0][i]);
        const QRect right = rectOf(board->Digits[1][i]);
        EXPECT_TRUE(area.contains(left) && area.contains(right));
        EXPECT_EQ(left.bottom(), right.bottom()) << "both clocks on one baseline";
        EXPECT_GE(left.height(), area.height() / 4) << "readable from 30 m";
        EXPECT_GT(right.left(), rectOf(board->Digits[0][4]).right());
    }
    EXPECT_FALSE(rectOf(board->LastRun[0]).intersects(rectOf(board->LastRun[1])));
    if (board->Qr->isVisibleTo(board)) {
        EXPECT_TRUE(area.contains(rectOf(board->Qr)));
    }
}

} // namespace

TEST_F(BoardOnScreens, LongNamesFitTheProjectorTheTelevisionAndTheLaptop) {
    ASSERT_TRUE(Workbench::ShowActive(*form));
    form->SetLivePage(true, 0); // the QR code in the corner
    RunFirstPair(kLongNames);
    BoardWindow* board = Open();
    ASSERT_TRUE(board);
    ASSERT_EQ(QGuiApplication::screens().size(), 3);
    for (int screen : {1, 2, 0}) {
        board->OnScreenChosen(screen);
        const QSize size = QGuiApplication::screens()[screen]->geometry().size();
        // Full screen is the window system's answer, delivered as an event.
        for (int i = 0; i < 50 && board->size() != size; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_EQ(board->size(), size);
        EXPECT_LE(board->layout()->minimumSize().width(), size.width());
        EXPECT_LE(board->layout()->minimumSize().height(), size.height());
        ExpectFits(board, qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
        // The names give way, the times stay whole.
        const FitLabel::Shown last = board->LastRun[1]->Fit();
        ASSERT_EQ(last.lines.size(), 1);
        EXPECT_TRUE(last.lines[0].endsWith("Gesamt 24,45")) << last.lines[0].toStdString();
        EXPECT_EQ(board->TeamName[0]->text(), "3 " + kLongNames[2]);
    }
    EXPECT_TRUE(board->LastRun[0]->Fit().lines[0].contains(u'…'));
}

// A name pasted by mistake: the window stays on its screen, and so does the
// size it saves.
TEST_F(BoardOnScreens, AHugeNameNeverWidensTheWindowNorItsSavedSize) {
    {
        QSettings store(wb.SettingsPath(), QSettings::IniFormat);
        store.setValue("Anzeigetafel/Bildschirm", "Laptop");
        store.setValue("Anzeigetafel/Vollbild", false);
        store.setValue("Anzeigetafel/Groesse", QSize(32767, 600)); // what a longer name once saved
    }
    ASSERT_TRUE(Workbench::ShowActive(*form));
    BoardWindow* board = Open();
    ASSERT_TRUE(board);
    RunFirstPair({QString(3000, u'W'), "Zwei", "Drei", "Vier"});
    EXPECT_FALSE(board->isFullScreen());
    EXPECT_LE(board->width(), 800);
    ExpectFits(board, "a window on the laptop");
    QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier); // closed: saves its place
    EXPECT_LE(
        QSettings(wb.SettingsPath(), QSettings::IniFormat).value("Anzeigetafel/Groesse").toSize().width(),
        800);
}
