#pragma once

#include "comms/serial_device.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/types.h>

namespace zn {

// A serial device's lock file in the form serial programs share
// ("/var/lock/LCK..ttyUSB0" holding the owner's pid as "%10d\n"). Another
// program's lock is stale only when its process is gone; its age means
// nothing, since a console holds its ports for a whole competition day.
class UucpLock {
public:
    UucpLock() = default;
    ~UucpLock() { Release(); }
    UucpLock(const UucpLock&) = delete;
    UucpLock& operator=(const UucpLock&) = delete;

    // Creates the lock file `path` with this process's pid, after removing a
    // stale one. False with `error` when a live process holds it, when it
    // names no process or when it cannot be made: a German text of our own
    // (code 0) that names the file, so the operator can remove it; EBUSY when
    // this process holds it (another port number stands for the device).
    bool Acquire(const QString& path, SerialError& error);
    // Removes the lock file if it still names this process; safe when none is held.
    void Release();

private:
    QString path_;
};

// The pid a lock file names: ASCII digits after leading blanks, ended by a
// blank, a line end or the file's end ("%10d\n"; QLockFile's
// "pid\napp\nhost\n"; minicom's "pid minicom user\n"), or the old binary
// form of 4 bytes. Nothing when it names none.
std::optional<pid_t> LockFilePid(const QByteArray& content);

} // namespace zn
