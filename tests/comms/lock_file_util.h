#pragma once

#include <QDateTime>
#include <QFile>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zn::test {

// The number of a process that is gone: a child that ended and was reaped.
inline pid_t DeadPid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// "%10d\n", the lock files' usual form.
inline QByteArray UucpLockText(qint64 pid) {
    return QByteArray::number(pid).rightJustified(10, ' ') + '\n';
}

// Writes a lock file as another program would, `ageSeconds` old.
inline void WriteLockFile(const QString& path, const QByteArray& content, int ageSeconds = 0) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
    file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

inline QByteArray ReadLockFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace zn::test
