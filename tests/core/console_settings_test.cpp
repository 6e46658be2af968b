#include "core/console_settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zn;

namespace {

class ConsoleSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QSettings store{dir.filePath("zeitnahme.conf"), QSettings::IniFormat};

    void WriteAll() {
        store.setValue("Port1", 1 * 256 + 3); // CTS on COM3
        store.setValue("Port2", 5);
        store.setValue("Alg1", 2);
        store.setValue("Alg2", 1);
        store.setValue("Left", 10);
        store.setValue("Top", 20);
        store.setValue("Width", 1100);
        store.setValue("Height", 700);
        store.setValue("Nadpis", QByteArray(100, 'x'));
        store.setValue("FilterInd", 3);
        store.setValue("Title1", "Ost");
        store.setValue("Title2", "West");
    }
};

} // namespace

TEST_F(ConsoleSettingsTest, FirstStartKeepsEveryDefault) {
    ConsoleSettings s;
    EXPECT_FALSE(ReadConsoleSettings(store, s));
    EXPECT_EQ(s.filterIndex, 2);
    EXPECT_FALSE(s.width.has_value());
    EXPECT_EQ(s.certificateLayout, QByteArray(kCertificateLayoutSize, '\0'));
}

TEST_F(ConsoleSettingsTest, ReadsEveryValueAndSplitsPortAndLine) {
    WriteAll();
    ConsoleSettings s;
    EXPECT_TRUE(ReadConsoleSettings(store, s));
    EXPECT_EQ(s.lanes[0].port, 3);
    EXPECT_EQ(s.lanes[0].contactLine, 1);
    EXPECT_EQ(s.lanes[1].port, 5);
    EXPECT_EQ(s.lanes[1].contactLine, 0);
    EXPECT_EQ(s.lanes[0].contactMode, 2);
    EXPECT_EQ(s.lanes[1].contactMode, 1);
    EXPECT_EQ(*s.left, 10);
    EXPECT_EQ(*s.height, 700);
    EXPECT_EQ(s.filterIndex, 3);
    EXPECT_EQ(*s.title1, "Ost");
    EXPECT_EQ(*s.title2, "West");
    // A shorter layout fills the beginning of the block; the rest stays.
    EXPECT_EQ(s.certificateLayout.size(), kCertificateLayoutSize);
    EXPECT_EQ(s.certificateLayout.left(100), QByteArray(100, 'x'));
    EXPECT_EQ(s.certificateLayout.at(100), '\0');
}

TEST_F(ConsoleSettingsTest, MissingIntegerStopsTheReadingThere) {
    WriteAll();
    store.remove("Alg2");
    ConsoleSettings s;
    ReadConsoleSettings(store, s);
    EXPECT_EQ(s.lanes[0].contactMode, 2); // read before the gap
    EXPECT_EQ(s.lanes[1].contactMode, 0);
    EXPECT_FALSE(s.left.has_value());
    EXPECT_EQ(s.filterIndex, 2);
    EXPECT_FALSE(s.title1.has_value());
}

TEST_F(ConsoleSettingsTest, MissingSecondPortLeavesContactLinesUnread) {
    WriteAll();
    store.remove("Port2");
    ConsoleSettings s;
    ReadConsoleSettings(store, s);
    EXPECT_EQ(s.lanes[0].port, 3);
    EXPECT_EQ(s.lanes[0].contactLine, 0);
}

TEST_F(ConsoleSettingsTest, ValuesOfTheWrongKindStopTheReading) {
    WriteAll();
    store.setValue("Width", "breit"); // not a whole number
    ConsoleSettings s;
    ReadConsoleSettings(store, s);
    EXPECT_TRUE(s.top.has_value());
    EXPECT_FALSE(s.width.has_value());
    EXPECT_FALSE(s.title1.has_value());

    WriteAll();
    store.setValue("Top", QByteArray("20")); // a byte block where a number belongs
    ConsoleSettings t;
    ReadConsoleSettings(store, t);
    EXPECT_TRUE(t.left.has_value());
    EXPECT_FALSE(t.top.has_value());

    WriteAll();
    store.setValue("Left", "12.5");
    ConsoleSettings u;
    ReadConsoleSettings(store, u);
    EXPECT_FALSE(u.left.has_value());
}

TEST_F(ConsoleSettingsTest, NadpisRules) {
    // Too long: the reading ends, later values are not applied.
    WriteAll();
    store.setValue("Nadpis", QByteArray(kCertificateLayoutSize + 1, 'y'));
    ConsoleSettings s;
    ReadConsoleSettings(store, s);
    EXPECT_TRUE(s.height.has_value());
    EXPECT_EQ(s.certificateLayout, QByteArray(kCertificateLayoutSize, '\0'));
    EXPECT_EQ(s.filterIndex, 2);
    EXPECT_FALSE(s.title1.has_value());

    // A text where the block belongs ends the reading as well.
    WriteAll();
    store.setValue("Nadpis", "kein Block");
    ConsoleSettings t;
    ReadConsoleSettings(store, t);
    EXPECT_EQ(t.filterIndex, 2);

    // Missing: skipped, the reading goes on.
    WriteAll();
    store.remove("Nadpis");
    ConsoleSettings u;
    ReadConsoleSettings(store, u);
    EXPECT_EQ(u.filterIndex, 3);
    EXPECT_EQ(*u.title2, "West");

    // Exactly the block size is taken whole.
    WriteAll();
    store.setValue("Nadpis", QByteArray(kCertificateLayoutSize, 'z'));
    ConsoleSettings v;
    ReadConsoleSettings(store, v);
    EXPECT_EQ(v.certificateLayout, QByteArray(kCertificateLayoutSize, 'z'));
    EXPECT_EQ(v.filterIndex, 3);
}

TEST_F(ConsoleSettingsTest, EmptyTitleKeepsTheDesignCaption) {
    WriteAll();
    store.setValue("Title1", "");
    ConsoleSettings s;
    ReadConsoleSettings(store, s);
    EXPECT_FALSE(s.title1.has_value());
    EXPECT_EQ(*s.title2, "West");

    WriteAll();
    store.setValue("Title1", QByteArray("Ost")); // wrong kind: stop
    ConsoleSettings t;
    ReadConsoleSettings(store, t);
    EXPECT_FALSE(t.title1.has_value());
    EXPECT_FALSE(t.title2.has_value());
}

TEST_F(ConsoleSettingsTest, WrittenSettingsReadBackAlike) {
    ConsoleSettings s;
    s.lanes[0] = {4, 1, 2};
    s.lanes[1] = {16, 0, 1};
    s.left = -5;
    s.top = 0;
    s.width = 1006;
    s.height = 615;
    s.certificateLayout[9647] = '\x7f';
    s.filterIndex = 4;
    s.title1 = "Zozaridu";
    s.title2 = QString::fromUtf8("Großenhain");
    WriteConsoleSettings(store, s);
    store.sync();

    QSettings again(store.fileName(), QSettings::IniFormat);
    ConsoleSettings r;
    ASSERT_TRUE(ReadConsoleSettings(again, r));
    EXPECT_EQ(r.lanes[0].port, 4);
    EXPECT_EQ(r.lanes[0].contactLine, 1);
    EXPECT_EQ(r.lanes[0].contactMode, 2);
    EXPECT_EQ(r.lanes[1].port, 16);
    EXPECT_EQ(r.lanes[1].contactMode, 1);
    EXPECT_EQ(*r.left, -5);
    EXPECT_EQ(*r.width, 1006);
    EXPECT_EQ(r.certificateLayout, s.certificateLayout);
    EXPECT_EQ(r.filterIndex, 4);
    EXPECT_EQ(*r.title2, s.title2);
}

TEST_F(ConsoleSettingsTest, PortDevicesSurviveABrokenValueAndComeBackAlike) {
    store.setValue("Port1", "kaputt"); // stops the fixed list at once
    store.setValue("Schnittstellen/COM2", "/dev/serial/by-id/usb-FTDI-if00");
    store.setValue("Schnittstellen/COM5", "/dev/ttyUSB0"); // its default: no override
    ConsoleSettings s;
    ReadConsoleSettings(store, s);
    EXPECT_EQ(s.portDevices.Device(2), "/dev/serial/by-id/usb-FTDI-if00");
    EXPECT_EQ(s.portDevices.Device(3), "/dev/ttyS2");
    EXPECT_EQ(s.portDevices.Device(16), "/dev/ttyACM3");
    EXPECT_TRUE(s.portDevices.Device(17).isEmpty());
    EXPECT_EQ(s.portDevices.Overrides().size(), 1);

    s.width = s.height = s.left = s.top = 0;
    s.portDevices.SetDevice(1, "sim:COM1");
    s.portDevices.SetDevice(2, ""); // back to the default
    WriteConsoleSettings(store, s);
    ConsoleSettings back;
    ReadConsoleSettings(store, back);
    EXPECT_EQ(back.portDevices.Overrides(), (QMap<int, QString>{{1, "sim:COM1"}}));
}

TEST_F(ConsoleSettingsTest, PageSetupsPerDocumentSurviveABrokenValueAndComeBackAlike) {
    store.setValue("Port1", "kaputt");
    store.setValue("Seite/ProtokollPapier", "a3 ");
    store.setValue("Seite/ProtokollFormat", "Quer");
    store.setValue("Seite/UrkundenPapier", "B7"); // not offered: A4
    store.setValue("Seite/UrkundenFormat", "schief");
    ConsoleSettings s;
    ReadConsoleSettings(store, s);
    EXPECT_EQ(s.pages[0], (PageSetup{pA3, true}));
    EXPECT_EQ(s.pages[1], (PageSetup{pA4, false}));

    s.width = s.height = s.left = s.top = 0;
    s.pages[1] = {pLetter, true};
    s.pages[0] = {pA5, false};
    WriteConsoleSettings(store, s);
    EXPECT_EQ(store.value("Seite/UrkundenFormat").toString(), "Quer");
    ConsoleSettings back;
    ReadConsoleSettings(store, back);
    EXPECT_EQ(back.pages, s.pages);
}

// The board's place and the live page keep their groups and keys; a broken
// value keeps the default instead of a window of no size or port 0.
TEST_F(ConsoleSettingsTest, BoardPlaceAndLivePageKeepTheirGroupsAndRefuseBrokenValues) {
    WriteBoardPlace(store, BoardPlace{"HDMI-1", false, QSize(800, 450)});
    WriteLivePageSettings(store, LivePageSettings{true, 8123});
    EXPECT_EQ(store.value("Anzeigetafel/Bildschirm").toString(), "HDMI-1");
    EXPECT_EQ(store.value("Anzeigetafel/Groesse").toSize(), QSize(800, 450));
    EXPECT_EQ(store.value("LiveSeite/Port").toInt(), 8123);
    const BoardPlace place = ReadBoardPlace(store);
    EXPECT_EQ(place.screen, "HDMI-1");
    EXPECT_FALSE(place.fullScreen);
    EXPECT_EQ(place.size, QSize(800, 450));
    EXPECT_TRUE(ReadLivePageSettings(store).on);
    EXPECT_EQ(ReadLivePageSettings(store).port, 8123);

    // Full screen keeps the window's last size.
    WriteBoardPlace(store, BoardPlace{"HDMI-1", true, QSize(1920, 1080)});
    EXPECT_TRUE(ReadBoardPlace(store).fullScreen);
    EXPECT_EQ(ReadBoardPlace(store).size, QSize(800, 450));

    store.setValue("Anzeigetafel/Groesse", "breit");
    store.setValue("LiveSeite/Port", 70000);
    EXPECT_EQ(ReadBoardPlace(store).size, QSize(960, 540));
    EXPECT_EQ(ReadLivePageSettings(store).port, 8080);
    store.setValue("LiveSeite/Port", 0);
    EXPECT_EQ(ReadLivePageSettings(store).port, 8080);
    store.setValue("LiveSeite/Port", 1);
    EXPECT_EQ(ReadLivePageSettings(store).port, 1);
}
