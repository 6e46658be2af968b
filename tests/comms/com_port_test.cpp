#include "comms/com_port.h"
#include "comms/fake_thread_priority.h"
#include "comms/simulated/simulated_serial.h"
#include "core/tick_source.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace zn {
namespace {

class TestClock : public ITickSource {
public:
    std::atomic<uint32_t> now{1000};
    std::atomic<int> reads{0};
    uint32_t TickCount() override {
        ++reads;
        return now;
    }
    void Sleep(int ms) override { now += static_cast<uint32_t>(ms); }
};

// Port n is the simulated line "COMn"; port 9 stands for no device.
class SimDevices : public ISerialDevices {
public:
    SimulatedSerialHub hub;
    std::unique_ptr<ISerialDevice> Device(int port) override {
        if (port == 9) return nullptr;
        return std::make_unique<SimulatedSerialDevice>(hub.Line(QStringLiteral("COM%1").arg(port)));
    }
    QString DeviceName(int port) const override { return QStringLiteral("sim:COM%1").arg(port); }
};

// Runs the main thread's events until `done` (the reader threads hand over
// through them); gives up after 10 s so a lost event fails instead of hanging.
bool PumpUntil(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return done();
}

class ComPortTest : public ::testing::Test {
protected:
    SimDevices devices;
    TestClock clock;
    QStringList fired; // before the port, which closes as it goes
    TComPort port;
    std::shared_ptr<SimulatedSerialLine> line = devices.hub.Line(QStringLiteral("COM1"));

    void SetUp() override {
        port.SetDevices(&devices);
        port.SetTickSource(&clock);
        port.Events = TEvents().set(evCTS).set(evDSR);
        port.OnCTS = [this](TComPort* p) { fired << QStringLiteral("CTS %1").arg(p->EventStatus(), 0, 16); };
        port.OnDSR = [this](TComPort* p) { fired << QStringLiteral("DSR %1").arg(p->EventStatus(), 0, 16); };
        port.OnOpen = [this](TComPort*) { fired << QStringLiteral("open"); };
        port.OnClose = [this](TComPort*) { fired << QStringLiteral("close"); };
    }
    void OpenAndWait() {
        port.Open();
        ASSERT_TRUE(line->WaitForWaitersForTest(1, std::chrono::seconds(10)));
    }
};

TEST_F(ComPortTest, OpenAndCloseFireTheirEventsOnlyOnAChange) {
    port.SetDataBits(3);
    EXPECT_EQ(port.DataBits(), 5);
    port.SetDataBits(12);
    EXPECT_EQ(port.DataBits(), 8);

    port.Close(); // not open: nothing
    port.BaudRate = brUser;
    port.BaudRateUser = 28800;
    port.Open();
    port.Open(); // open again: closes first
    EXPECT_EQ(fired, QStringList({"open", "close", "open"}));
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(line->Settings().baudRate, 28800);
    port.Close();
    port.Close();
    EXPECT_EQ(fired.size(), 4);
    EXPECT_FALSE(line->IsOpen());
}

TEST_F(ComPortTest, AFailedOpenLeavesThePortClosedAndSaysWhy) {
    TComPort other;
    other.SetDevices(&devices);
    port.Open();
    bool opened = false;
    other.OnOpen = [&](TComPort*) { opened = true; };
    try {
        other.Open(); // the same line: exclusive
        FAIL() << "opened twice";
    } catch (const EComHandle& e) {
        EXPECT_TRUE(e.Message().startsWith("Unable to open com port: "));
        EXPECT_EQ(other.LastError().code, EBUSY);
    }
    other.Port = 9;
    EXPECT_THROW(other.Open(), EComHandle);
    EXPECT_FALSE(other.Connected());
    EXPECT_FALSE(opened);
}

TEST_F(ComPortTest, ChangesArriveInOrderWithTheInstantTheReaderSawThem) {
    OpenAndWait();
    clock.now = 5000;
    line->Set(kModemDsrOn, true);
    ASSERT_TRUE(PumpUntil([&] { return fired.size() == 2; }));
    EXPECT_EQ(port.EventTick(), 5000u);
    line->Set(kModemCtsOn, true);
    ASSERT_TRUE(PumpUntil([&] { return fired.size() == 3; }));
    EXPECT_EQ(fired.mid(1), QStringList({"DSR 20", "CTS 30"}));
    EXPECT_EQ(port.GetModemStatus(), 0x30u);
}

TEST_F(ComPortTest, APulseShorterThanAWakeUpStillShowsItsActiveState) {
    port.HoldEvents();
    OpenAndWait();
    line->Pulse(kModemDsrOn, 0);
    port.ReleaseEvents();
    ASSERT_TRUE(PumpUntil([&] { return fired.size() == 3; }));
    EXPECT_EQ(fired.mid(1), QStringList({"DSR 20", "DSR 0"}));
}

TEST_F(ComPortTest, OneWaitWithBothLinesFiresCtsBeforeDsr) {
    OpenAndWait();
    line->Set(kModemDsrOn | kModemCtsOn, true); // both lines in one reading
    ASSERT_TRUE(PumpUntil([&] { return fired.size() == 3; }));
    EXPECT_EQ(fired.mid(1), QStringList({"CTS 30", "DSR 30"}));
}

// The main thread is busy (held, as in a slow journal commit) while two
// changes arrive 5 ms apart: the reader takes each instant as it sees it and
// waits again at once; the handlers then run in order with those instants.
TEST_F(ComPortTest, ChangesWhileTheMainThreadIsBusyKeepTheirOwnInstants) {
    QList<uint32_t> ticks;
    port.OnDSR = [&](TComPort* p) { ticks << p->EventTick(); };
    port.OnCTS = port.OnDSR;
    OpenAndWait();
    port.HoldEvents();
    auto changeAt = [&](uint32_t tick, uint32_t lineBit) {
        clock.now = tick;
        const int readsBefore = clock.reads;
        line->Set(lineBit, true);
        ASSERT_TRUE(PumpUntil([&] { return clock.reads > readsBefore; }));
        ASSERT_TRUE(line->WaitForWaitersForTest(1, std::chrono::seconds(10))); // waiting again
    };
    changeAt(5000, kModemDsrOn);
    changeAt(5005, kModemCtsOn);
    clock.now = 7000;
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(ticks.isEmpty()); // nothing fired while held
    port.ReleaseEvents();
    ASSERT_TRUE(PumpUntil([&] { return ticks.size() == 2; }));
    EXPECT_EQ(ticks, QList<uint32_t>({5000u, 5005u}));
}

// Off unless a system is given; then the reader raises itself (never the
// main thread) before its first wait and the port tells on the main thread.
TEST_F(ComPortTest, TheReaderRaisesItselfBeforeItsFirstWaitAndTellsThePort) {
    int told = 0;
    port.OnPriority = [&](TComPort*) { ++told; };
    OpenAndWait();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(told, 0);
    port.Close();

    test::FakeThreadPriority system;
    port.SetPrioritySystem(&system);
    OpenAndWait();
    EXPECT_EQ(system.Log(), QStringList({"fifo 10"}));
    EXPECT_NE(system.Caller(), std::this_thread::get_id());
    ASSERT_TRUE(PumpUntil([&] { return told == 1; }));
    EXPECT_EQ(port.ReaderPriority(), "Echtzeit-Priorität (SCHED_FIFO 10)");
    port.Close();
}

TEST_F(ComPortTest, CloseFiresTheChangesStillQueued) {
    OpenAndWait();
    port.HoldEvents();
    const int readsBefore = clock.reads;
    line->Set(kModemCtsOn, true);
    ASSERT_TRUE(PumpUntil([&] { return clock.reads > readsBefore; }));
    ASSERT_TRUE(line->WaitForWaitersForTest(1, std::chrono::seconds(10)));
    port.Close();
    EXPECT_EQ(fired, QStringList({"open", "CTS 10", "close"}));
}

TEST_F(ComPortTest, AnUnpluggedDeviceEndsTheReaderAndSaysSo) {
    SerialError error;
    port.OnFail = [&](TComPort*, const SerialError& e) { error = e; };
    OpenAndWait();
    line->Unplug();
    ASSERT_TRUE(PumpUntil([&] { return error.code != 0; }));
    EXPECT_EQ(error.code, EIO);
    port.Close();
    EXPECT_EQ(fired.last(), "close");
    line->Replug();
    EXPECT_NO_THROW(port.Open());
}

// 10,000 changes, the port closed and opened again after every 100th. Each
// change is dispatched exactly once and while it is the latest, or, when a
// close comes right after it, at most once during that close.
TEST_F(ComPortTest, TenThousandChangesWithClosesBetweenLoseAndDoubleNothing) {
    int current = -1;
    int mismatched = 0;
    int dispatched = 0;
    port.OnDSR = [&](TComPort* p) {
        ++dispatched;
        const bool on = current % 2 == 0;
        if (p->EventStatus() != (on ? kModemDsrOn : 0u)) ++mismatched;
    };
    port.OnOpen = nullptr;
    port.OnClose = nullptr;
    OpenAndWait();
    int lost = 0;
    for (current = 0; current < 10000; ++current) {
        const int before = dispatched;
        line->Set(kModemDsrOn, current % 2 == 0);
        if (current % 100 == 99) {
            port.Close();
            EXPECT_LE(dispatched - before, 1);
            port.Open();
            continue;
        }
        if (!PumpUntil([&] { return dispatched > before; })) ++lost;
    }
    for (int i = 0; i < 100; ++i) // nothing more may come
        QCoreApplication::processEvents();
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(mismatched, 0);
    EXPECT_GE(dispatched, 9900);
    EXPECT_LE(dispatched, 10000);
}

} // namespace
} // namespace zn
