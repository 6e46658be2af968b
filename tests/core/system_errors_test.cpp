#include "core/system_errors.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cerrno>

#include <gtest/gtest.h>

using namespace zn;

namespace {

// No English system text may reach the operator for an error of a known class.
void ExpectGermanOnly(const QString& text, const char* german) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(german))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("System:"))) << text.toStdString();
}

} // namespace

TEST(SystemErrors, EachClassTheOperatorMeetsHasItsGermanReason) {
    ExpectGermanOnly(SystemErrorText(ENOENT, "No such file or directory"), "nicht gefunden");
    ExpectGermanOnly(SystemErrorText(EACCES, "Permission denied"), "keine Berechtigung");
    ExpectGermanOnly(SystemErrorText(EPERM), "keine Berechtigung");
    ExpectGermanOnly(SystemErrorText(ENOSPC), "kein Platz mehr");
    ExpectGermanOnly(SystemErrorText(ENODEV), "Gerät nicht mehr vorhanden");
    ExpectGermanOnly(SystemErrorText(ENXIO), "Gerät nicht mehr vorhanden");
    ExpectGermanOnly(SystemErrorText(EBUSY), "belegt");
    ExpectGermanOnly(SystemErrorText(EISDIR), "ist ein Ordner");
    ExpectGermanOnly(SystemErrorText(EROFS), "schreibgeschützt");
    ExpectGermanOnly(SystemErrorText(EIO, "Input/output error"), "Ein-/Ausgabefehler");
}

TEST(SystemErrors, TheSystemTextComesLastAndOnlyForAnUnknownError) {
    EXPECT_EQ(SystemErrorText(EPROTO, "Protocol error"), "Systemfehler 71 (System: Protocol error)");
    EXPECT_EQ(SystemErrorText(EPROTO), "Systemfehler 71");
    EXPECT_EQ(SystemErrorText(0, "schon deutsch"), "schon deutsch");
    EXPECT_EQ(ErrnoOfSystemText(qt_error_string(EIO)), EIO);
    EXPECT_EQ(ErrnoOfSystemText("irgendwas"), 0);
    EXPECT_EQ(FileErrorText(QFileDevice::ResourceError, "quota"),
              "kein Platz mehr auf dem Datenträger oder zu wenig Speicher (System: quota)");
}

TEST(SystemErrors, RealFileFailuresReadGerman) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile missing(dir.filePath("fehlt/liste.txt"));
    ASSERT_FALSE(missing.open(QIODevice::WriteOnly));
    ExpectGermanOnly(FileErrorText(missing), "nicht gefunden");

    QSaveFile onFolder(dir.path());
    ASSERT_FALSE(onFolder.open(QIODevice::WriteOnly));
    ExpectGermanOnly(FileErrorText(onFolder), "ist ein Ordner");

    QFile notReadable(dir.filePath("gesperrt.txt"));
    ASSERT_TRUE(notReadable.open(QIODevice::WriteOnly));
    notReadable.close();
    notReadable.setPermissions(QFileDevice::WriteOwner);
    if (!notReadable.open(QIODevice::ReadOnly)) // root reads it all the same
        ExpectGermanOnly(FileErrorText(notReadable), "keine Berechtigung");
}
