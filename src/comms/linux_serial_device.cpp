#include "comms/linux_serial_device.h"

#include "comms/serial_system_calls.h"
#include "comms/termios_settings.h"
#include "comms/uucp_lock.h"
#include "core/system_console.h"
#include "core/tick_source.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zn {

namespace {

uint32_t StatusFromLines(int lines) {
    uint32_t status = 0;
    if (lines & TIOCM_CTS) status |= kModemCtsOn;
    if (lines & TIOCM_DSR) status |= kModemDsrOn;
    if (lines & TIOCM_RNG) status |= kModemRingOn;
    if (lines & TIOCM_CD) status |= kModemRlsdOn;
    return status;
}

int LinesFromEvents(uint32_t events) {
    int lines = 0;
    if (events & kEventCts) lines |= TIOCM_CTS;
    if (events & kEventDsr) lines |= TIOCM_DSR;
    if (events & kEventRlsd) lines |= TIOCM_CD;
    if (events & kEventRing) lines |= TIOCM_RNG;
    return lines;
}

// Where QSerialPort keeps its lock files, so the two respect each other's.
QString SystemLockDirectory() {
    for (const QString& dir : {QStringLiteral("/var/lock"), QStringLiteral("/run/lock"), QDir::tempPath()}) {
        const QFileInfo info(dir);
        if (info.isDir() && info.isWritable()) return dir;
    }
    return QDir::tempPath();
}

// "LCK..ttyUSB0"; "/dev/pts/3" gives "LCK..pts_3". The canonical path, so that
// a by-id link and the device it points to share one lock.
QString LockFilePath(const QString& directory, const QString& canonicalPath) {
    QString name = canonicalPath;
    if (name.startsWith(QLatin1String("/dev/"))) name.remove(0, 5);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return (directory.isEmpty() ? SystemLockDirectory() : directory) + QStringLiteral("/LCK..") + name;
}

QString CanonicalOrSelf(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

// Drivers without TIOCMIWAIT answer ENOTTY or EINVAL.
bool NotSupported(int code) {
    return code == ENOTTY || code == EINVAL;
}

// TIOCMIWAIT waits for a change after the driver's counts at the moment it
// starts. The counts are read again right before it, but a change between
// that query and the ioctl's start (a few microseconds, right where a
// bouncing contact's later transitions fall) would still wait for the next
// change of the line; so would an Interrupt whose signal came just before the
// ioctl. The thread wakes itself every 10 ms while it waits; 100 wake-ups a
// second cost a few ioctls each.
constexpr std::chrono::milliseconds kSelfWakePeriod{10};

// Drivers without TIOCMIWAIT: a reading each millisecond, so a contact is
// seen within 1 ms, as with the wake-up.
constexpr std::chrono::microseconds kPollInterval{1000};

// Registers the calling thread as the one Interrupt must wake, while it is
// inside WaitEvent.
class WaiterScope {
public:
    WaiterScope(std::mutex& mutex, bool& waiting, pthread_t& waiter) : mutex_(mutex), waiting_(waiting) {
        std::lock_guard lock(mutex_);
        waiter = pthread_self();
        waiting_ = true;
    }
    ~WaiterScope() {
        std::lock_guard lock(mutex_);
        waiting_ = false;
    }
    WaiterScope(const WaiterScope&) = delete;
    WaiterScope& operator=(const WaiterScope&) = delete;

private:
    std::mutex& mutex_;
    bool& waiting_;
};

} // namespace

LinuxSerialDevice::LinuxSerialDevice(QString path, QStringList consoleDevices)
    : LinuxSerialDevice(std::move(path), std::move(consoleDevices), LinuxSystemCalls(), QString()) {}

LinuxSerialDevice::LinuxSerialDevice(QString path, QStringList consoleDevices, ISerialSystemCalls& calls,
                                     QString lockDirectory)
    : path_(std::move(path)), consoleDevices_(std::move(consoleDevices)), calls_(calls),
      lockDirectory_(std::move(lockDirectory)) {}

LinuxSerialDevice::~LinuxSerialDevice() {
    Close();
}

bool LinuxSerialDevice::Fail(int code, const QString& text) {
    std::lock_guard lock(errorMutex_);
    lastError_ = {code, text};
    return false;
}

bool LinuxSerialDevice::FailErrno(int code) {
    return Fail(code, qt_error_string(code));
}

SerialError LinuxSerialDevice::LastError() const {
    std::lock_guard lock(errorMutex_);
    return lastError_;
}

bool LinuxSerialDevice::IsSystemConsole() const {
    const QString canonical = CanonicalOrSelf(path_);
    struct stat device {};
    const bool haveDevice = calls_.Stat(QFile::encodeName(path_), device) == 0 && S_ISCHR(device.st_mode);
    for (const QString& console : consoleDevices_) {
        if (CanonicalOrSelf(console) == canonical) return true;
        // Another node of the same device (made with mknod elsewhere).
        struct stat other {};
        if (haveDevice && calls_.Stat(QFile::encodeName(console), other) == 0 && S_ISCHR(other.st_mode) &&
            other.st_rdev == device.st_rdev)
            return true;
    }
    return false;
}

bool LinuxSerialDevice::Open() {
    Close();
    interrupted_ = false;
    hasCounts_ = false;
    haveLast_ = false;
    polling_ = false;

    if (IsSystemConsole())
        return Fail(0, QCoreApplication::translate("SerialDevices",
                                                   "%1 ist die Systemkonsole und wird nicht geöffnet")
                           .arg(path_));

    // Asked before the lock: the start-up probe tries 16 devices, most of
    // them absent, and must not create and remove lock files for them.
    const QByteArray path = QFile::encodeName(path_);
    struct stat info {};
    if (const int code = calls_.Stat(path, info)) return FailErrno(code);

    // The lock file keeps out programs that go by lock files (minicom,
    // QSerialPort); TIOCEXCL keeps out other opens (except root's), flock the
    // rest, root included.
    SerialError lockError;
    if (!lock_.Acquire(LockFilePath(lockDirectory_, CanonicalOrSelf(path_)), lockError))
        return Fail(lockError.code, lockError.text);
    int fd = -1;
    int code = calls_.Open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, fd);
    if (code == 0) {
        code = calls_.SetExclusive(fd, true);
        if (code == 0) code = calls_.LockExclusive(fd);
        if (code != 0) calls_.Close(fd);
    }
    if (code != 0) {
        lock_.Release();
        return FailErrno(code == EWOULDBLOCK ? EBUSY : code);
    }
    fd_ = fd;

    // The baseline, so that a change before the first wait is reported by it.
    serial_icounter_struct counts{};
    hasCounts_ = calls_.GetCounts(fd_, counts) == 0;
    haveLast_ = Read(last_) == 0; // a device without modem lines fails in WaitEvent
    return true;
}

bool LinuxSerialDevice::Configure(const SerialLineSettings& settings) {
    if (fd_ < 0) return FailErrno(EBADF);
    // readBufSize and writeBufSize have no counterpart: the kernel's tty
    // buffers have a fixed size, and the line carries no data anyway.
    termios2 old{};
    if (const int code = calls_.GetTermios(fd_, old)) return FailErrno(code);
    if (const int code = calls_.SetTermios(fd_, TermiosFromSettings(settings))) return FailErrno(code);
    // DTR and RTS feed the contacts: DTR the DSR contact (pins 4/6), RTS the
    // CTS contact (pins 7/8). RTS is raised only with RTS/CTS handshake (1),
    // the setting the timing lines use; without it RTS is held low. The
    // termios leave both to us, so they stay as set here.
    int code = calls_.SetModemLines(fd_, TIOCM_DTR, settings.enableDtr);
    if (code == 0) code = calls_.SetModemLines(fd_, TIOCM_RTS, settings.flowControl == 1);
    if (code == 0) return true;
    // A device that refuses (a pseudo-terminal has no modem lines) is left
    // with the settings it had, for whatever program uses it next.
    calls_.SetTermios(fd_, old);
    return FailErrno(code);
}

void LinuxSerialDevice::Close() {
    if (fd_ >= 0) {
        // The exclusive flag outlives the descriptor while another holder
        // (a pseudo-terminal's master) keeps the tty, and would keep every
        // user but root out.
        calls_.SetExclusive(fd_, false);
        calls_.Close(fd_); // releases the flock too
        fd_ = -1;
    }
    lock_.Release();
}

bool LinuxSerialDevice::ModemStatus(uint32_t& status) {
    if (fd_ < 0) return FailErrno(EBADF);
    if (const int code = ReadStatus(status)) return FailErrno(code);
    return true;
}

int LinuxSerialDevice::InputCount() {
    int count = 0;
    if (fd_ < 0 || calls_.InputCount(fd_, count) != 0) return 0;
    return count;
}

void LinuxSerialDevice::Purge() {
    if (fd_ >= 0) calls_.FlushInput(fd_);
}

int LinuxSerialDevice::ReadStatus(uint32_t& status) {
    int lines = 0;
    if (const int code = calls_.GetModemLines(fd_, lines)) return code;
    status = StatusFromLines(lines);
    return 0;
}

int LinuxSerialDevice::ReadCounts(ModemCounts& counts) {
    serial_icounter_struct driver{};
    if (const int code = calls_.GetCounts(fd_, driver)) return code;
    counts = {static_cast<uint32_t>(driver.cts), static_cast<uint32_t>(driver.dsr),
              static_cast<uint32_t>(driver.rng), static_cast<uint32_t>(driver.dcd)};
    return 0;
}

// The counts are read before and after the status and the reading is taken
// when they agree: a transition between the status query and the count query
// would otherwise be in the counts but not in the status, read as a pulse,
// and be reported again as a change by the next reading. A line that keeps
// changing gives up after kReadTries: that is a chattering contact, which
// the lock-out holds off, and the reading must not keep the reader from its
// wait (each status query of a USB adapter takes about 1 ms).
int LinuxSerialDevice::Read(Reading& reading) {
    if (!hasCounts_) return ReadStatus(reading.status);
    constexpr int kReadTries = 4;
    ModemCounts before;
    if (const int code = ReadCounts(before)) return code;
    for (int tries = 1;; ++tries) {
        if (const int code = ReadStatus(reading.status)) return code;
        if (const int code = ReadCounts(reading.counts)) return code;
        if (reading.counts == before || tries == kReadTries) return 0;
        before = reading.counts;
    }
}

bool LinuxSerialDevice::ChangedSinceLast() {
    Reading now;
    if (hasCounts_) return ReadCounts(now.counts) != 0 || !(now.counts == last_.counts);
    return ReadStatus(now.status) != 0 || now.status != last_.status;
}

std::vector<ModemEdge> LinuxSerialDevice::EdgesSinceLast(const Reading& now) const {
    const uint32_t mask = eventMask_;
    if (hasCounts_) return ModemEdgesFromCounts(mask, last_.status, last_.counts, now.status, now.counts);
    return ModemEdgesFromStatus(mask, last_.status, now.status);
}

SerialWaitResult LinuxSerialDevice::WaitEvent() {
    WaiterScope scope(waiterMutex_, waiting_, waiter_);
    return WaitLoop();
}

SerialWaitResult LinuxSerialDevice::WaitLoop() {
    auto failed = [](int code) {
        SerialWaitResult result;
        result.kind = SerialWaitResult::Kind::Failed;
        result.error = {code, qt_error_string(code)};
        return result;
    };
    if (fd_ < 0) return failed(EBADF);
    std::unique_ptr<ISelfWake> selfWake;
    for (;;) {
        // A signal can land after this check and before the ioctl below, and
        // then the ioctl sleeps on; the owner repeats Interrupt every few ms
        // until this thread has ended, and the next signal (or the
        // self-wake) ends the ioctl.
        if (interrupted_) return {};
        // The instant of the changes this reading shows: the wait has just
        // returned, or the counts before it moved, or the polling pause
        // ended. Taken before the reading, because each status query of a USB
        // adapter is a request to the adapter of about 1 ms.
        const std::optional<uint32_t> tick = clock_ ? std::optional(clock_->TickCount()) : std::nullopt;
        Reading now;
        if (const int code = Read(now)) {
            if (code == EINTR) continue;
            // ENOTTY: a device without modem lines (a pseudo-terminal);
            // EIO, ENXIO, ENODEV: the adapter was unplugged.
            return failed(code);
        }
        if (!haveLast_) {
            last_ = now;
            haveLast_ = true;
        }
        // Changes since the last report, including those made while no one
        // waited, are reported at once.
        std::vector<ModemEdge> edges = EdgesSinceLast(now);
        last_ = now;
        if (!edges.empty()) {
            SerialWaitResult result;
            result.kind = SerialWaitResult::Kind::Edges;
            result.edges = std::move(edges);
            result.tick = tick;
            return result;
        }
        if (polling_) {
            calls_.Pause(kPollInterval);
            continue;
        }
        // TIOCMIWAIT waits for a change after the counts at its own start: a
        // change since the reading above would wait for the self-wake.
        if (ChangedSinceLast()) continue;
        if (!selfWake) selfWake = calls_.StartSelfWake(kSelfWakePeriod);
        const int code = calls_.WaitModemLines(fd_, LinesFromEvents(eventMask_));
        if (code == 0 || code == EINTR) continue;
        if (NotSupported(code)) {
            polling_ = true;
            continue;
        }
        return failed(code);
    }
}

void LinuxSerialDevice::Interrupt() {
    interrupted_ = true;
    std::lock_guard lock(waiterMutex_);
    if (waiting_) calls_.Wake(waiter_);
}

QString DeviceGroup(const QString& path) {
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    group entry{};
    group* found = nullptr;
    char buffer[4096];
    if (getgrgid_r(info.st_gid, &entry, buffer, sizeof buffer, &found) != 0 || !found) return {};
    return QString::fromLocal8Bit(found->gr_name);
}

QStringList ReadSystemConsoleDevices() {
    auto readText = [](const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return QString();
        return QString::fromLocal8Bit(file.readAll());
    };
    QStringList devices = SystemConsoleDevices(readText(QStringLiteral("/sys/class/tty/console/active")),
                                               readText(QStringLiteral("/proc/cmdline")));
    // /dev/console is the console too, whichever device stands behind it.
    devices.append(QStringLiteral("/dev/console"));
    return devices;
}

QStringList SerialDeviceCandidates(const QString& dev) {
    QStringList console;
    for (const QString& c : ReadSystemConsoleDevices())
        console << CanonicalOrSelf(c);
    QStringList found;
    const auto add = [&](const QFileInfo& info) {
        if (console.contains(CanonicalOrSelf(info.absoluteFilePath()))) return;
        found << info.absoluteFilePath();
    };
    // ttyUSB2 before ttyUSB10: names compare by their stem, then by their number.
    const auto key = [](const QString& name) {
        qsizetype digits = name.size();
        while (digits > 0 && name.at(digits - 1).isDigit())
            --digits;
        return std::pair(name.left(digits), name.mid(digits).toLongLong());
    };
    const auto sorted = [&](QFileInfoList list) {
        std::sort(list.begin(), list.end(), [&](const QFileInfo& a, const QFileInfo& b) {
            return key(a.fileName()) < key(b.fileName());
        });
        return list;
    };
    const QDir byId(dev + QStringLiteral("/serial/by-id"));
    for (const QFileInfo& info :
         sorted(byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)))
        add(info);
    const QDir devices(dev);
    for (const QString& pattern : {QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")})
        for (const QFileInfo& info : sorted(devices.entryInfoList({pattern}, QDir::System | QDir::Files)))
            add(info);
    for (int n = 0; n < 4; ++n) {
        const QFileInfo info(devices.filePath(QStringLiteral("ttyS%1").arg(n)));
        if (info.exists()) add(info);
    }
    return found;
}

} // namespace zn
