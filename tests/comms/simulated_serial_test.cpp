#include "comms/simulated/simulated_serial.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <thread>

namespace zn {
namespace {

using Kind = SerialWaitResult::Kind;
using namespace std::chrono_literals;

// Generous: only a broken wake-up comes near it.
constexpr auto kBlockedWithin = 5s;

struct SimulatedSerialTest : ::testing::Test {
    SimulatedSerialHub hub;
    std::shared_ptr<SimulatedSerialLine> line = hub.Line(QStringLiteral("COM1"));
    SimulatedSerialDevice device{line};

    // Runs WaitEvent on a reader thread and returns its result once `act`
    // has run while the reader was blocked.
    template <typename Act> SerialWaitResult WaitBlockedWhile(Act act) {
        SerialWaitResult result;
        std::thread reader([&] { result = device.WaitEvent(); });
        const bool blocked = line->WaitForWaitersForTest(1, kBlockedWithin);
        act();
        reader.join();
        EXPECT_TRUE(blocked);
        return result;
    }
};

TEST_F(SimulatedSerialTest, ChangesWhileNobodyWaitsComeWithTheNextWaitOnWatchedLinesOnly) {
    line->Set(kModemDsrOn, true); // before Open: part of the baseline
    ASSERT_TRUE(device.Open());
    device.SetEventMask(kEventDsr);
    line->Set(kModemCtsOn, true); // not watched
    line->Set(kModemDsrOn, true); // already on: no transition
    EXPECT_EQ(line->Counts().dsr, 1u);
    line->Pulse(kModemDsrOn, 0);

    const SerialWaitResult result = device.WaitEvent();
    ASSERT_EQ(result.kind, Kind::Edges);
    const std::vector<ModemEdge> expected{{kEventDsr, kModemCtsOn}, {kEventDsr, kModemDsrOn | kModemCtsOn}};
    EXPECT_EQ(result.edges, expected);

    // Reported once: the next wait blocks until the line changes again.
    const SerialWaitResult next = WaitBlockedWhile([&] { line->Set(kModemDsrOn, false); });
    ASSERT_EQ(next.kind, Kind::Edges);
    EXPECT_EQ(next.edges, (std::vector<ModemEdge>{{kEventDsr, kModemCtsOn}}));
}

TEST_F(SimulatedSerialTest, OpenIsExclusiveAndFailsWhileUnplugged) {
    SimulatedSerialDevice second{hub.Line(QStringLiteral("com1"))}; // same line, other spelling
    EXPECT_EQ(second.Name(), QStringLiteral("sim:COM1"));
    ASSERT_TRUE(device.Open());
    EXPECT_TRUE(line->IsOpen());
    EXPECT_FALSE(second.Open());
    EXPECT_EQ(second.LastError().code, EBUSY);
    EXPECT_FALSE(second.LastError().text.isEmpty());

    device.Close();
    EXPECT_FALSE(line->IsOpen());
    line->Unplug();
    EXPECT_FALSE(second.Open());
    EXPECT_EQ(second.LastError().code, ENOENT);
    line->Replug();
    EXPECT_TRUE(second.Open());
}

TEST_F(SimulatedSerialTest, UnplugFailsABlockedWaitAndTheDeviceStaysDeadUntilReopened) {
    ASSERT_TRUE(device.Open());
    device.SetEventMask(kEventDsr | kEventCts);
    SerialLineSettings settings;
    settings.baudRate = 19200;
    ASSERT_TRUE(device.Configure(settings));
    EXPECT_EQ(line->Settings().baudRate, 19200);

    const SerialWaitResult result = WaitBlockedWhile([&] { line->Unplug(); });
    ASSERT_EQ(result.kind, Kind::Failed);
    EXPECT_EQ(result.error.code, EIO);
    EXPECT_FALSE(result.error.text.isEmpty());
    EXPECT_FALSE(device.Configure(settings));

    line->Replug();
    uint32_t status = 0;
    EXPECT_FALSE(device.ModemStatus(status));
    EXPECT_EQ(device.WaitEvent().kind, Kind::Failed);
    device.Close();
    EXPECT_TRUE(device.Open());
    EXPECT_TRUE(device.ModemStatus(status));
}

TEST_F(SimulatedSerialTest, InterruptWakesABlockedWaitAndHoldsUntilTheNextOpen) {
    ASSERT_TRUE(device.Open());
    device.SetEventMask(kEventDsr);
    EXPECT_EQ(WaitBlockedWhile([&] { device.Interrupt(); }).kind, Kind::Interrupted);
    line->Set(kModemDsrOn, true);
    EXPECT_EQ(device.WaitEvent().kind, Kind::Interrupted);

    device.Close();
    ASSERT_TRUE(device.Open());
    const SerialWaitResult result = WaitBlockedWhile([&] { line->Pulse(kModemDsrOn, 1); });
    ASSERT_EQ(result.kind, Kind::Edges);
    EXPECT_EQ(result.edges.front().status, 0u); // the pulse from on goes off first
}

} // namespace
} // namespace zn
