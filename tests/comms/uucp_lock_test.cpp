#include "comms/uucp_lock.h"
#include "lock_file_util.h"

#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

TEST(UucpLock, PidOfEveryLockFileForm) {
    EXPECT_EQ(LockFilePid("      1234\n"), 1234);
    EXPECT_EQ(LockFilePid("1234\nzeitnahme\nrechner\n"), 1234); // QLockFile
    EXPECT_EQ(LockFilePid("      4321 minicom ben\n"), 4321);
    EXPECT_EQ(LockFilePid("\t77"), 77);
    const int32_t binary = 5678;
    EXPECT_EQ(LockFilePid(QByteArray(reinterpret_cast<const char*>(&binary), 4)), 5678);
    for (const char* none : {"", "   \n", "abc\n", "12ab\n", "-5\n", "0\n", "12345678901\n"})
        EXPECT_FALSE(LockFilePid(none)) << none;
}

// Another program's lock holds while its process lives, whatever its age; one
// that names no process holds too, and the message names the file.
TEST(UucpLock, StaleOnlyWhenItsProcessIsGone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("LCK..ttyS0");
    UucpLock lock;
    SerialError error;
    for (const QByteArray& held : {UucpLockText(1), UucpLockText(getpid()), QByteArray("kaputt\n")}) {
        WriteLockFile(path, held, 3600);
        EXPECT_FALSE(lock.Acquire(path, error)) << held.constData();
        EXPECT_EQ(ReadLockFile(path), held);
    }
    EXPECT_TRUE(error.text.contains(path)) << error.text.toStdString();

    WriteLockFile(path, UucpLockText(DeadPid()));
    ASSERT_TRUE(lock.Acquire(path, error)) << error.text.toStdString();
    EXPECT_EQ(ReadLockFile(path), UucpLockText(getpid()));
    lock.Release();
    EXPECT_FALSE(QFile::exists(path));

    // Removed behind our back and taken by another program: theirs stays.
    ASSERT_TRUE(lock.Acquire(path, error));
    WriteLockFile(path, UucpLockText(1));
    lock.Release();
    EXPECT_EQ(ReadLockFile(path), UucpLockText(1));
}
