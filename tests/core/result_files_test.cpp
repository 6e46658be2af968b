#include "core/file_writer.h"
#include "core/output_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zn;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(FileWriter, ReplacesTheWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("zeit.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "a long first content\r\n").ok);
    const WriteResult r = WriteFileAtomically(path, "short");
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.errorText.isEmpty());
    EXPECT_EQ(ReadAll(path), "short");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"zeit.txt"}); // no leftovers
}

TEST(FileWriter, FailureIsReportedAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("fehlt/zeit.txt");
    const WriteResult r = WriteFileAtomically(path, "x");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorText, "Der Schreibfehler der Datei: " + QDir::toNativeSeparators(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(FileWriter, FailureKeepsTheOldContent) {
    QTemporaryDir dir;
    // A folder in the file's place cannot be replaced by a file.
    const QString path = dir.filePath("liste.html");
    ASSERT_TRUE(QDir(dir.path()).mkdir("liste.html"));
    ASSERT_TRUE(WriteFileAtomically(dir.filePath("liste.html/inhalt"), "alt").ok);
    EXPECT_FALSE(WriteFileAtomically(path, "neu").ok);
    EXPECT_EQ(ReadAll(dir.filePath("liste.html/inhalt")), "alt");
}

TEST(OutputLocation, ProgramFolderWhenWritableElseTheDataFolder) {
    QTemporaryDir dir;
    const auto beside = ChooseOutputLocation(dir.path(), dir.filePath("data"));
    EXPECT_TRUE(beside.besideProgram);
    EXPECT_EQ(beside.folder, QDir::cleanPath(dir.path()));
    EXPECT_TRUE(beside.note().isEmpty());
    EXPECT_EQ(AutoSaveFilePath(beside, "/opt/zeit/zeit.exe"), dir.filePath("zeit.txt"));
    EXPECT_EQ(AutoSaveFilePath(beside, "/opt/zeit/zeitnahme"), dir.filePath("zeitnahme.txt"));
    EXPECT_EQ(ResultPagePath(beside, "Gesamt-Ergebnis"), dir.filePath("Gesamt-Ergebnis.html"));

    // A program "folder" that is a file is never writable, even for root.
    ASSERT_TRUE(WriteFileAtomically(dir.filePath("datei"), "x").ok);
    const auto fallback = ChooseOutputLocation(dir.filePath("datei"), dir.filePath("data/zeit"));
    EXPECT_FALSE(fallback.besideProgram);
    EXPECT_EQ(fallback.folder, dir.filePath("data/zeit"));
    EXPECT_TRUE(QFileInfo(fallback.folder).isDir());
    EXPECT_TRUE(fallback.note().contains(QDir::toNativeSeparators(fallback.folder)));
    EXPECT_FALSE(IsWritableFolder(dir.filePath("nirgends")));
}
