#include "comms/fake_thread_priority.h"
#include "comms/reader_priority.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace zn {
namespace {

using test::FakeThreadPriority;
constexpr uint64_t kUnlimited = ResourceLimit::kUnlimited;

TEST(ReaderPriority, RealtimeKitGetsTheThreadOnceTheTimeLimitIsWithinItsMaximum) {
    FakeThreadPriority system;
    system.realtimeKit = RealtimeKitGrant{20, 200000};
    EXPECT_EQ(RaiseReaderPriority(system), "Echtzeit-Priorität (RealtimeKit)");
    EXPECT_EQ(system.Log(), QStringList({"rttime 200000/200000", "rtkit 4711 10"}));

    // A lower soft limit the user set is kept; the priority stays within
    // what the service grants.
    FakeThreadPriority lower;
    lower.realtimeKit = RealtimeKitGrant{5, 200000};
    lower.limits[LimitKind::RealtimeTime] = {100000, kUnlimited};
    EXPECT_EQ(RaiseReaderPriority(lower), "Echtzeit-Priorität (RealtimeKit)");
    EXPECT_EQ(lower.Log(), QStringList({"rttime 100000/200000", "rtkit 4711 5"}));
}

TEST(ReaderPriority, WithoutRealtimeKitFifoWithinTheRtprioLimit) {
    FakeThreadPriority refused; // the service is there but says no
    refused.realtimeKit = RealtimeKitGrant{20, 200000};
    refused.realtimeKitRefuses = true;
    refused.limits[LimitKind::RealtimePriority] = {5, 5};
    EXPECT_EQ(RaiseReaderPriority(refused), "Echtzeit-Priorität (SCHED_FIFO 5)");
    EXPECT_EQ(refused.Log().last(), "fifo 5");

    FakeThreadPriority root; // no allowance, but the kernel grants it
    EXPECT_EQ(RaiseReaderPriority(root), "Echtzeit-Priorität (SCHED_FIFO 10)");
    EXPECT_EQ(root.Log(), QStringList({"fifo 10"}));
}

TEST(ReaderPriority, RefusedFifoTakesTheLowestNiceTheLimitAllows) {
    FakeThreadPriority system;
    system.fifoError = EPERM;
    system.limits[LimitKind::Nice] = {31, 31};
    EXPECT_EQ(RaiseReaderPriority(system), "erhöhte Priorität (nice -11)");
    EXPECT_EQ(system.Log(), QStringList({"fifo 10", "nice 4711 -11"}));

    FakeThreadPriority unlimited;
    unlimited.fifoError = EPERM;
    unlimited.limits[LimitKind::Nice] = {kUnlimited, kUnlimited};
    EXPECT_EQ(RaiseReaderPriority(unlimited), "erhöhte Priorität (nice -20)");
}

TEST(ReaderPriority, NothingAllowedLeavesTheThreadAloneAndSaysWhy) {
    FakeThreadPriority system;
    system.fifoError = EPERM;
    system.limits[LimitKind::Nice] = {25, 25}; // down to nice -5, but it already runs at -5
    system.nice = -5;
    EXPECT_EQ(RaiseReaderPriority(system),
              "normale Priorität: RealtimeKit fehlt, kein Recht auf SCHED_FIFO (rtprio 0), "
              "kein Recht auf niedrigeren nice-Wert (Limit 25)");
    EXPECT_EQ(system.Log(), QStringList({"fifo 10"}));
}

} // namespace
} // namespace zn
