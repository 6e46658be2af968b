#include "documents/workbook_reader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zn;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

// Shell scripts stand in for a reader program that went wrong.
class FaultyReader : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString workbook = QStringLiteral(ZN_TEST_DATA_DIR "/workbooks/Formate.ods");

    WorkbookReader Script(const char* name, const QByteArray& body) {
        WorkbookReader reader = DefaultWorkbookReader();
        reader.program = dir.filePath(QString::fromUtf8(name));
        QFile file(reader.program);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return reader;
    }
    // No sheets, and a message naming the file and the reason.
    static void ExpectRefused(const WorkbookSheets& read, const char* reason) {
        EXPECT_FALSE(read.ok());
        EXPECT_TRUE(read.sheets.empty());
        EXPECT_TRUE(read.error.contains("Formate.ods")) << read.error.toStdString();
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(reason))) << read.error.toStdString();
    }
};

} // namespace

TEST_F(FaultyReader, CrashMissingProgramAndGarbageAreMessagesNotCrashes) {
    ExpectRefused(ReadWorkbook(workbook, kGerman, Script("absturz", "kill -SEGV $$")),
                  "Das Leseprogramm ist beim Lesen abgestürzt (Signal 11)");
    ExpectRefused(ReadWorkbook(workbook, kGerman, Script("fehler", "exit 3")), "abgestürzt (Status 3)");
    ExpectRefused(ReadWorkbook(workbook, kGerman, Script("geschwaetzig", "echo Hallo")),
                  "unvollständige Antwort");
    WorkbookReader missing = DefaultWorkbookReader();
    missing.program = dir.filePath("fehlt");
    ExpectRefused(ReadWorkbook(workbook, kGerman, missing), "kann nicht gestartet werden (nicht vorhanden)");
}

TEST_F(FaultyReader, HangingReaderIsKilledAtTheTimeBound) {
    WorkbookReader reader = Script("haengt", "exec sleep 30");
    reader.timeoutMs = 300;
    QElapsedTimer waited;
    waited.start();
    ExpectRefused(ReadWorkbook(workbook, kGerman, reader), "nach 0,3 Sekunden nicht fertig");
    EXPECT_LT(waited.elapsed(), 2000);
}

TEST_F(FaultyReader, EndlessOutputIsCutAtItsBound) {
    WorkbookReader reader = Script("flut", "exec cat /dev/zero");
    reader.maxOutputBytes = 1024 * 1024;
    ExpectRefused(ReadWorkbook(workbook, kGerman, reader), "mehr als 1 MB");
}

// The reader runs under the memory bound: its address space limited, or,
// where AddressSanitizer reserves terabytes at start, the sanitizer's
// resident-memory limit set.
TEST_F(FaultyReader, ReaderRunsUnderTheMemoryBound) {
    const QByteArray real = QFile::encodeName(DefaultWorkbookReader().program);
    const WorkbookReader reader =
        Script("begrenzt", "[ \"$(ulimit -v)\" = 2097152 ] || case \"$ASAN_OPTIONS\" in\n"
                           "  *hard_rss_limit_mb=2048*) ;;\n  *) kill -SEGV $$ ;;\nesac\nexec '" +
                               real + "' \"$@\"");
    const WorkbookSheets read = ReadWorkbook(workbook, kGerman, reader);
    EXPECT_TRUE(read.ok()) << read.error.toStdString();
}
