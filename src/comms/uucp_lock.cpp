#include "comms/uucp_lock.h"

#include "core/system_errors.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zn {

namespace {

// A lock file is one short line; reading a byte past 4 tells the old binary
// form (exactly 4 bytes) from text. Whatever is longer is not read: a
// damaged or hostile file costs 64 bytes.
constexpr qsizetype kReadLimit = 64;

// Removing a stale lock and creating ours can lose to another program doing
// the same at that moment; after so many rounds the device counts as held.
constexpr int kAttempts = 3;

QByteArray LockText(pid_t pid) {
    return QByteArray::number(pid).rightJustified(10, ' ') + '\n';
}

// The beginning of the file, or the errno in `code`.
QByteArray ReadHead(const QByteArray& path, int& code) {
    code = 0;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        code = errno;
        return {};
    }
    QByteArray content(kReadLimit, '\0');
    qsizetype used = 0;
    while (used < kReadLimit) {
        const ssize_t got = ::read(fd, content.data() + used, static_cast<size_t>(kReadLimit - used));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) code = errno;
        if (got <= 0) break;
        used += got;
    }
    ::close(fd);
    content.truncate(used);
    return content;
}

// Only ESRCH says the process is gone; EPERM is a live process of another user.
bool ProcessGone(pid_t pid) {
    return kill(pid, 0) != 0 && errno == ESRCH;
}

// No Linux pid is larger (PID_MAX_LIMIT on 64-bit machines): a 4-byte text
// such as "abc\n" read as a binary number lies far beyond it.
constexpr qint64 kPidLimit = 4 * 1024 * 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<pid_t> LockFilePid(const QByteArray& content) {
    qsizetype at = 0;
    while (at < content.size() && IsBlank(content.at(at)))
        ++at;
    const qsizetype first = at;
    qint64 pid = 0;
    // Ten digits are more than any pid has; an eleventh is no pid.
    while (at < content.size() && at - first < 10 && content.at(at) >= '0' && content.at(at) <= '9')
        pid = pid * 10 + (content.at(at++) - '0');
    const bool ended =
        at == content.size() || IsBlank(content.at(at)) || content.at(at) == '\n' || content.at(at) == '\r';
    if (at > first && ended && pid > 0 && pid <= kPidLimit) return static_cast<pid_t>(pid);
    if (content.size() == 4) {
        int32_t binary = 0;
        std::memcpy(&binary, content.constData(), sizeof binary);
        if (binary > 0 && binary <= kPidLimit) return binary;
    }
    return std::nullopt;
}

bool UucpLock::Acquire(const QString& path, SerialError& error) {
    Release();
    // Another program's lock is named in a text of our own (code 0), so the
    // operator learns which file to remove if its owner is not what it seems.
    const auto refuse = [&](int code, const QString& text) {
        error = {code, text};
        return false;
    };
    const QByteArray file = QFile::encodeName(path);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd >= 0) {
            const QByteArray text = LockText(getpid());
            const ssize_t written = ::write(fd, text.constData(), static_cast<size_t>(text.size()));
            const int code = written < 0 ? errno : ENOSPC;
            ::close(fd);
            if (written == text.size()) {
                path_ = path;
                return true;
            }
            ::unlink(file.constData());
            return refuse(
                0, QCoreApplication::translate("PortLocks", "Sperrdatei %1 lässt sich nicht schreiben (%2)")
                       .arg(path, SystemErrorText(code, qt_error_string(code))));
        }
        if (const int code = errno; code != EEXIST)
            return refuse(
                0, QCoreApplication::translate("PortLocks", "Sperrdatei %1 lässt sich nicht anlegen (%2)")
                       .arg(path, SystemErrorText(code, qt_error_string(code))));
        int code = 0;
        const QByteArray content = ReadHead(file, code);
        if (code == ENOENT) continue; // its owner removed it just now
        const std::optional<pid_t> pid = code == 0 ? LockFilePid(content) : std::nullopt;
        if (!pid)
            return refuse(0, QCoreApplication::translate(
                                 "PortLocks", "Sperrdatei %1 ist nicht lesbar; benutzt kein anderes Programm "
                                              "das Gerät, diese Datei löschen")
                                 .arg(path));
        // Ours: another port number of this program stands for the device.
        if (*pid == getpid()) return refuse(EBUSY, qt_error_string(EBUSY));
        if (!ProcessGone(*pid))
            return refuse(0,
                          QCoreApplication::translate("PortLocks", "belegt von Prozess %1 laut Sperrdatei %2")
                              .arg(*pid)
                              .arg(path));
        if (::unlink(file.constData()) != 0 && (code = errno) != ENOENT)
            return refuse(0, QCoreApplication::translate(
                                 "PortLocks", "Sperrdatei %1 eines beendeten Programms lässt sich nicht "
                                              "löschen (%2)")
                                 .arg(path, SystemErrorText(code, qt_error_string(code))));
    }
    return refuse(0, QCoreApplication::translate("PortLocks", "belegt laut Sperrdatei %1").arg(path));
}

void UucpLock::Release() {
    if (path_.isEmpty()) return;
    const QByteArray file = QFile::encodeName(path_);
    path_.clear();
    // Someone may have removed ours and taken the device since: theirs stays.
    int code = 0;
    if (LockFilePid(ReadHead(file, code)) == getpid()) ::unlink(file.constData());
}

} // namespace zn
