#pragma once

// termios2 comes from the kernel's header (through termios_settings.h), which
// clashes with <termios.h>: files that include this header must not include
// <termios.h>.
#include "comms/termios_settings.h"

#include <QByteArray>
#include <chrono>
#include <linux/serial.h>
#include <memory>
#include <pthread.h>
#include <sys/stat.h>

namespace zn {

// Ends a thread's self-wake when destroyed.
class ISelfWake {
public:
    virtual ~ISelfWake() = default;
};

// The system calls a LinuxSerialDevice makes on its device, so that tests can
// put a device of their own behind it. Each call gives 0 or the errno of its
// failure; the real ones are LinuxSystemCalls().
class ISerialSystemCalls {
public:
    virtual ~ISerialSystemCalls() = default;

    virtual int Stat(const QByteArray& path, struct stat& info) = 0;
    virtual int Open(const QByteArray& path, int flags, int& fd) = 0;
    virtual void Close(int fd) = 0;
    // TIOCEXCL / TIOCNXCL.
    virtual int SetExclusive(int fd, bool exclusive) = 0;
    // flock(LOCK_EX | LOCK_NB); EWOULDBLOCK when another holds it.
    virtual int LockExclusive(int fd) = 0;
    // TCGETS2 / TCSETS2.
    virtual int GetTermios(int fd, termios2& settings) = 0;
    virtual int SetTermios(int fd, const termios2& settings) = 0;
    // TIOCMBIS (raise) / TIOCMBIC (lower) of the output lines `lines` (TIOCM_DTR, TIOCM_RTS).
    virtual int SetModemLines(int fd, int lines, bool raise) = 0;
    // TIOCMGET: the TIOCM_* bits of the lines now.
    virtual int GetModemLines(int fd, int& lines) = 0;
    // TIOCGICOUNT: the driver's transition counts.
    virtual int GetCounts(int fd, serial_icounter_struct& counts) = 0;
    // TIOCMIWAIT: blocks until one of `lines` changes after the driver's
    // counts at the moment the call starts; EINTR when woken.
    virtual int WaitModemLines(int fd, int lines) = 0;
    // FIONREAD.
    virtual int InputCount(int fd, int& count) = 0;
    // TCFLSH of the input queue.
    virtual void FlushInput(int fd) = 0;

    // Ends `thread`'s blocked WaitModemLines with EINTR. Lost when the thread
    // is not blocked in it yet: the self-wake covers that.
    virtual void Wake(pthread_t thread) = 0;
    // Ends the calling thread's blocked WaitModemLines with EINTR every
    // `period`, until the result is destroyed.
    virtual std::unique_ptr<ISelfWake> StartSelfWake(std::chrono::milliseconds period) = 0;
    // Sleeps the calling thread.
    virtual void Pause(std::chrono::microseconds duration) = 0;
};

// The system's own calls; safe from any thread.
ISerialSystemCalls& LinuxSystemCalls();

} // namespace zn
