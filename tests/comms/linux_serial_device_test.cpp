#include "comms/linux_serial_device.h"
#include "comms/termios_settings.h"
#include "fake_serial_system_calls.h"
#include "lock_file_util.h"

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace zn;
using namespace zn::test;
using namespace std::chrono_literals;
using Call = FakeSerialSystemCalls::Call;
using Kind = SerialWaitResult::Kind;

TEST(TermiosSettings, LineSettings) {
    SerialLineSettings s;
    s.baudRate = 9600;
    s.dataBits = 7;
    s.parity = 3; // mark
    s.stopBits = 1;
    s.flowControl = 1;
    termios2 t = TermiosFromSettings(s);
    EXPECT_EQ(t.c_cflag & CBAUD, tcflag_t(B9600));
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS7));
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD | CMSPAR), tcflag_t(PARENB | PARODD | CMSPAR));
    EXPECT_TRUE(t.c_cflag & CSTOPB); // 1.5 as two
    // RTS feeds a contact: the kernel must not drop it when input piles up,
    // and with the receiver off no input piles up.
    EXPECT_FALSE(t.c_cflag & CRTSCTS);
    EXPECT_TRUE(t.c_cflag & CLOCAL);
    EXPECT_FALSE(t.c_cflag & CREAD);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(t.c_lflag, 0u); // no echo, no canonical input, no signals

    s.baudRate = 14400;
    s.parity = 4; // space
    s.stopBits = 0;
    s.flowControl = 2;
    t = TermiosFromSettings(s);
    EXPECT_EQ(t.c_cflag & CBAUD, tcflag_t(BOTHER));
    EXPECT_EQ(t.c_ispeed, 14400u);
    EXPECT_EQ(t.c_ospeed, 14400u);
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD | CMSPAR), tcflag_t(PARENB | CMSPAR));
    EXPECT_FALSE(t.c_cflag & CSTOPB);
    EXPECT_FALSE(t.c_cflag & CRTSCTS);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), tcflag_t(IXON | IXOFF));
    EXPECT_EQ(t.c_cc[VSTART], 17);
    EXPECT_EQ(t.c_cc[VSTOP], 19);

    s.parity = 1;
    EXPECT_EQ(TermiosFromSettings(s).c_cflag & (PARENB | PARODD | CMSPAR), tcflag_t(PARENB | PARODD));
    s.parity = 2;
    EXPECT_EQ(TermiosFromSettings(s).c_cflag & (PARENB | PARODD | CMSPAR), tcflag_t(PARENB));
}

namespace {

// A pseudo-terminal: a tty without modem lines, which tests may open freely.
class Pty : public ::testing::Test {
protected:
    void SetUp() override {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(grantpt(master_), 0);
        ASSERT_EQ(unlockpt(master_), 0);
        path_ = QString::fromLocal8Bit(ptsname(master_));
    }
    void TearDown() override {
        if (master_ >= 0) close(master_);
    }
    int master_ = -1;
    QString path_;
};

} // namespace

TEST_F(Pty, OpenIsExclusiveUntilClosed) {
    LinuxSerialDevice first(path_, {});
    ASSERT_TRUE(first.Open()) << first.LastError().text.toStdString();
    LinuxSerialDevice second(path_, {});
    EXPECT_FALSE(second.Open());
    EXPECT_EQ(second.LastError().code, EBUSY);
    EXPECT_FALSE(second.LastError().text.isEmpty());
    first.Close();
    first.Close(); // twice is harmless
    EXPECT_TRUE(second.Open()) << second.LastError().text.toStdString();
}

// A pseudo-terminal has no modem lines: setting DTR, reading the status and
// waiting for a change fail with the system's error instead of hanging.
TEST_F(Pty, NoModemLinesFailsClearly) {
    LinuxSerialDevice device(path_, {});
    ASSERT_TRUE(device.Open());
    termios2 before{};
    ASSERT_EQ(ioctl(master_, TCGETS2, &before), 0); // the master reads the terminal's settings
    EXPECT_FALSE(device.Configure(SerialLineSettings{}));
    EXPECT_EQ(device.LastError().code, ENOTTY);
    termios2 after{};
    ASSERT_EQ(ioctl(master_, TCGETS2, &after), 0);
    EXPECT_EQ(after.c_cflag, before.c_cflag); // the line settings as they were
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    uint32_t status = 0;
    EXPECT_FALSE(device.ModemStatus(status));
    EXPECT_EQ(device.LastError().code, ENOTTY);
    device.SetEventMask(kEventCts | kEventDsr);
    const SerialWaitResult result = device.WaitEvent();
    EXPECT_EQ(result.kind, SerialWaitResult::Kind::Failed);
    EXPECT_EQ(result.error.code, ENOTTY);
    EXPECT_FALSE(result.error.text.isEmpty());
}

TEST_F(Pty, InterruptIsStickyUntilOpen) {
    LinuxSerialDevice device(path_, {});
    ASSERT_TRUE(device.Open());
    device.SetEventMask(kEventCts | kEventDsr);
    device.Interrupt();
    device.Interrupt();
    EXPECT_EQ(device.WaitEvent().kind, SerialWaitResult::Kind::Interrupted);
    EXPECT_EQ(device.WaitEvent().kind, SerialWaitResult::Kind::Interrupted);
    ASSERT_TRUE(device.Open());
    EXPECT_EQ(device.WaitEvent().kind, SerialWaitResult::Kind::Failed); // the pty's ENOTTY again
}

// The console is recognised through a link to it, before any lock or open:
// even while another holder has it open the answer is the refusal, not EBUSY.
TEST_F(Pty, ConsoleIsRefusedUnopened) {
    LinuxSerialDevice holder(path_, {});
    ASSERT_TRUE(holder.Open());
    QTemporaryDir dir;
    const QString link = dir.filePath("konsole");
    ASSERT_TRUE(QFile::link(path_, link));
    LinuxSerialDevice console(link, {"/dev/ttyS9", path_});
    EXPECT_FALSE(console.Open());
    EXPECT_EQ(console.LastError().code, 0);
    EXPECT_TRUE(console.LastError().text.contains("Systemkonsole"));
    EXPECT_TRUE(console.LastError().text.contains(link));
}

TEST(LinuxSerialDevice, DeviceGroup) {
    EXPECT_EQ(DeviceGroup("/dev/null"), "root");
    EXPECT_TRUE(DeviceGroup("/dev/gibt-es-nicht").isEmpty());
}

TEST(LinuxSerialDevice, CandidatesListAdaptersByIdFirstInNaturalOrder) {
    QTemporaryDir dev;
    QDir(dev.path()).mkpath("serial/by-id");
    for (const char* name :
         {"serial/by-id/usb-FTDI_A-if00-port0", "ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS0", "ttyS7", "tty1"}) {
        QFile f(dev.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QStringList found = SerialDeviceCandidates(dev.path());
    EXPECT_EQ(found, (QStringList{dev.filePath("serial/by-id/usb-FTDI_A-if00-port0"), dev.filePath("ttyUSB2"),
                                  dev.filePath("ttyUSB10"), dev.filePath("ttyACM0"), dev.filePath("ttyS0")}));
}

namespace {

// A LinuxSerialDevice on a fake device, its lock files in a folder of the
// test's own. Every call comes from the test's thread.
class FakeDevice : public ::testing::Test {
protected:
    QTemporaryDir locks;
    FakeSerialSystemCalls calls;
    LinuxSerialDevice device{"/dev/ttyUSB0", {}, calls, locks.path()};

    void SetUp() override {
        ASSERT_TRUE(device.Open()) << device.LastError().text.toStdString();
        device.SetEventMask(kEventCts | kEventDsr);
        device.SetClock(&calls.clock);
    }
};

} // namespace

TEST_F(FakeDevice, WaitReportsTheDevicesFailure) {
    calls.waitError = EIO; // the adapter was pulled while the reader waited
    const SerialWaitResult result = device.WaitEvent();
    EXPECT_EQ(result.kind, Kind::Failed);
    EXPECT_EQ(result.error.code, EIO);
    EXPECT_FALSE(result.error.text.isEmpty());
}

// A driver without TIOCMIWAIT is read every millisecond.
TEST_F(FakeDevice, DriverWithoutModemWaitIsPolledEachMillisecond) {
    for (const int code : {ENOTTY, EINVAL}) {
        ASSERT_TRUE(device.Open());
        calls.waitError = code;
        calls.waits = 0;
        calls.pauses = 0;
        const uint32_t start = calls.clock.now;
        calls.after = [this](Call call) {
            if (call == Call::Pause && calls.pauses == 3) calls.Toggle(TIOCM_DSR);
        };
        const SerialWaitResult result = device.WaitEvent();
        ASSERT_EQ(result.kind, Kind::Edges);
        const uint32_t dsr = (calls.lines & TIOCM_DSR) ? kModemDsrOn : 0; // on, then off again
        EXPECT_EQ(result.edges, (std::vector<ModemEdge>{{kEventDsr, dsr}}));
        EXPECT_EQ(calls.waits, 1); // asked once, then read
        EXPECT_EQ(calls.clock.now - start, 3u);
        EXPECT_EQ(result.tick, std::optional<uint32_t>(calls.clock.now));
    }
}

// The owner's interrupt can land just before the reader enters its wait,
// when its signal finds no wait to end: the self-wake ends the wait within
// 10 ms. An interrupt during the wait ends it at once.
TEST_F(FakeDevice, InterruptEndsTheWaitWithinTheSelfWake) {
    bool interrupted = false;
    calls.after = [&](Call call) {
        if (call != Call::Counts || interrupted) return;
        interrupted = true;
        device.Interrupt();
    };
    calls.idle = [this] {
        EXPECT_LE(calls.selfWakePeriod, 10ms);
        calls.FireSelfWake();
    };
    EXPECT_EQ(device.WaitEvent().kind, Kind::Interrupted);
    EXPECT_FALSE(calls.selfWakeRunning);

    ASSERT_TRUE(device.Open());
    calls.after = nullptr;
    calls.idle = [this] { device.Interrupt(); };
    EXPECT_EQ(device.WaitEvent().kind, Kind::Interrupted);
}

// A transition between the status query and the count query is in the
// driver's counts but not yet in the status: it is one edge, not a pulse and
// then the change again (in "Aus" a contact opening would read off, on, off).
TEST_F(FakeDevice, TransitionBetweenStatusAndCountsIsOneEdge) {
    bool toggled = false;
    calls.after = [&](Call call) {
        if (call != Call::Status || toggled) return;
        toggled = true;
        calls.Toggle(TIOCM_DSR);
    };
    calls.idle = [this] { device.Interrupt(); };
    std::vector<ModemEdge> edges;
    for (SerialWaitResult r = device.WaitEvent(); r.kind == Kind::Edges; r = device.WaitEvent())
        edges.insert(edges.end(), r.edges.begin(), r.edges.end());
    EXPECT_EQ(edges, (std::vector<ModemEdge>{{kEventDsr, kModemDsrOn}}));
}

// A change after the reading and just before the wait: TIOCMIWAIT waits for a
// change after its own start, so it is caught by reading the counts again
// right before it, not by the self-wake 10 ms later. Its instant is taken
// before the reading that shows it: a USB adapter's status query takes 1 ms
// here, so an instant taken after the reading would be late.
TEST_F(FakeDevice, ChangeJustBeforeTheWaitIsReportedAtOnceWithItsInstant) {
    calls.statusQueryMs = 1;
    bool afterStatus = false;
    std::optional<uint32_t> changedAt;
    calls.after = [&](Call call) {
        if (call == Call::Status) afterStatus = true;
        if (call != Call::Counts || !afterStatus || changedAt) return;
        changedAt = calls.clock.now;
        calls.Toggle(TIOCM_CTS);
    };
    calls.idle = [this] {
        calls.clock.now += 10;
        calls.FireSelfWake();
    };
    const SerialWaitResult result = device.WaitEvent();
    ASSERT_EQ(result.kind, Kind::Edges);
    EXPECT_EQ(result.edges, (std::vector<ModemEdge>{{kEventCts, kModemCtsOn}}));
    EXPECT_EQ(result.tick, changedAt);
}

// Lock files of other programs ("%10d\n" with the owner's pid, which
// QLockFile took for stale after 30 s and removed): a live owner keeps the
// device; a lock whose process is gone is taken over; ours goes on close.
TEST_F(FakeDevice, LockFileOfALiveProcessIsKept) {
    device.Close();
    const QString lock = locks.filePath("LCK..ttyUSB0");
    WriteLockFile(lock, UucpLockText(1), 60);
    EXPECT_FALSE(device.Open());
    EXPECT_EQ(device.LastError().text, "belegt von Prozess 1 laut Sperrdatei " + lock);
    EXPECT_EQ(ReadLockFile(lock), UucpLockText(1));

    WriteLockFile(lock, UucpLockText(DeadPid()));
    ASSERT_TRUE(device.Open()) << device.LastError().text.toStdString();
    EXPECT_EQ(ReadLockFile(lock), UucpLockText(getpid()));
    device.Close();
    EXPECT_FALSE(QFile::exists(lock));
}

// Whether the device exists is asked before the lock: the start-up probe
// asks for 16 devices, most of them absent, and must leave their locks alone.
TEST_F(FakeDevice, AbsentDeviceIsAbsentBeforeAnyLock) {
    calls.exists = false; // held (and locked) by `device`, then gone
    LinuxSerialDevice other("/dev/ttyUSB0", {}, calls, locks.path());
    EXPECT_FALSE(other.Open());
    EXPECT_EQ(other.LastError().code, ENOENT);
}

TEST_F(FakeDevice, ConfigureRaisesTheContactsSupply) {
    SerialLineSettings settings;
    settings.flowControl = 1; // "raise RTS"
    ASSERT_TRUE(device.Configure(settings));
    EXPECT_EQ(calls.lines & (TIOCM_DTR | TIOCM_RTS), TIOCM_DTR | TIOCM_RTS);
    settings.flowControl = 0;
    settings.enableDtr = false;
    ASSERT_TRUE(device.Configure(settings));
    EXPECT_EQ(calls.lines & (TIOCM_DTR | TIOCM_RTS), 0);
}
