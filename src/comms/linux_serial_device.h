#pragma once

#include "comms/serial_device.h"
#include "comms/uucp_lock.h"

#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <pthread.h>

namespace zn {

class ISerialSystemCalls;

// A serial device of this machine ("/dev/ttyUSB0", "/dev/ttyS1"), watched for
// modem-line changes with TIOCMIWAIT and the driver's transition counts.
//
// Threads: Open, Configure, Close and the queries run on the owner's thread;
// WaitEvent on one reader thread; Interrupt on any. The owner interrupts the
// reader and waits for its end before it calls Close or Open again.
class LinuxSerialDevice final : public ISerialDevice {
public:
    // `consoleDevices`: the system's console devices, which Open refuses
    // (ReadSystemConsoleDevices() gives them).
    LinuxSerialDevice(QString path, QStringList consoleDevices);
    // The same through `calls` (a test's device), with the lock files in
    // `lockDirectory` (empty: the system's lock folder).
    LinuxSerialDevice(QString path, QStringList consoleDevices, ISerialSystemCalls& calls,
                      QString lockDirectory);
    ~LinuxSerialDevice() override;

    QString Name() const override { return path_; }
    bool Open() override;
    bool Configure(const SerialLineSettings& settings) override;
    void Close() override;
    bool ModemStatus(uint32_t& status) override;
    int InputCount() override;
    void Purge() override;
    void SetEventMask(uint32_t mask) override { eventMask_ = mask; }
    void SetClock(ITickSource* clock) override { clock_ = clock; }
    SerialWaitResult WaitEvent() override;
    void Interrupt() override;
    SerialError LastError() const override;

private:
    struct Reading {
        uint32_t status = 0;
        ModemCounts counts;
    };

    bool IsSystemConsole() const;
    bool Fail(int code, const QString& text);
    bool FailErrno(int code);
    // 0, or the errno of the failed query.
    int ReadStatus(uint32_t& status);
    int ReadCounts(ModemCounts& counts);
    int Read(Reading& reading);
    // Whether the lines moved since `last_` (a failed query counts as moved:
    // the next reading reports it).
    bool ChangedSinceLast();
    std::vector<ModemEdge> EdgesSinceLast(const Reading& now) const;
    SerialWaitResult WaitLoop();

    const QString path_;
    const QStringList consoleDevices_;
    ISerialSystemCalls& calls_;
    const QString lockDirectory_;
    int fd_ = -1;
    UucpLock lock_;

    // Reader-thread state, reset by Open.
    bool hasCounts_ = false; // the driver answers TIOCGICOUNT
    bool haveLast_ = false;  // `last_` holds a reading
    bool polling_ = false;   // the driver has no TIOCMIWAIT
    Reading last_;           // the reading the last reported edges ended in

    std::atomic<uint32_t> eventMask_{0};
    ITickSource* clock_ = nullptr;
    std::atomic<bool> interrupted_{false};

    // The thread blocked in WaitEvent, for Interrupt's signal.
    std::mutex waiterMutex_;
    bool waiting_ = false;
    pthread_t waiter_{};

    mutable std::mutex errorMutex_;
    SerialError lastError_;
};

// The group that owns the device at `path` ("dialout"), for the message that
// tells the operator which group to join; empty when unknown.
QString DeviceGroup(const QString& path);

// The system's console devices: those of /sys/class/tty/console/active and
// of the kernel command line (/proc/cmdline), and /dev/console itself. A file
// that cannot be read adds none.
QStringList ReadSystemConsoleDevices();

// The serial devices an operator may point a port number at: the adapters
// under /dev/serial/by-id (named by their serial numbers), then the
// /dev/ttyUSB*, /dev/ttyACM* and the first four /dev/ttyS* devices, without
// the system's console. `dev` is the device folder.
QStringList SerialDeviceCandidates(const QString& dev = QStringLiteral("/dev"));

} // namespace zn
