// The console's side of the reader program: the workbook is parsed in a
// process of its own, and only the decoded sheets come back.
#include "documents/bounded_process.h"
#include "documents/workbook_reader.h"
#include "documents/workbook_stream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zn {

namespace {

using workbook::ProcessRun;

// /proc/self/exe rather than QCoreApplication::applicationDirPath(): the
// reader tests run without an application object.
QString ProgramFolder() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

// Why a run of the reader gave no sheets, for the operator.
QString FailureReason(const ProcessRun& run, const WorkbookReader& reader, const QLocale& locale) {
    switch (run.outcome) {
    case ProcessRun::Outcome::NotStarted:
        return QCoreApplication::translate("WorkbookReader",
                                           "Das Leseprogramm „%1“ kann nicht gestartet werden (%2).")
            .arg(QDir::toNativeSeparators(reader.program), run.error);
    case ProcessRun::Outcome::Crashed:
        return QCoreApplication::translate(
                   "WorkbookReader", "Das Leseprogramm ist beim Lesen abgestürzt (Signal %1); die Datei ist "
                                     "beschädigt oder hat eine Form, an der es scheitert.")
            .arg(run.signal);
    case ProcessRun::Outcome::TimedOut:
        return QCoreApplication::translate(
                   "WorkbookReader", "Das Leseprogramm war nach %1 Sekunden nicht fertig und wurde beendet.")
            .arg(locale.toString(reader.timeoutMs / 1000.0, 'g', 3));
    case ProcessRun::Outcome::OutputTooLarge:
        return QCoreApplication::translate("WorkbookReader",
                                           "Das Leseprogramm hat mehr als %1 MB geliefert; so groß ist keine "
                                           "Mannschaftsliste.")
            .arg(reader.maxOutputBytes / (1024 * 1024));
    case ProcessRun::Outcome::Finished:
        break;
    }
    // A sanitizer or the C library reports a crash by an exit status.
    if (run.exitCode != 0)
        return QCoreApplication::translate(
                   "WorkbookReader", "Das Leseprogramm ist beim Lesen abgestürzt (Status %1); die Datei ist "
                                     "beschädigt oder hat eine Form, an der es scheitert.")
            .arg(run.exitCode);
    return QCoreApplication::translate("WorkbookReader",
                                       "Das Leseprogramm hat eine unvollständige Antwort gegeben.");
}

} // namespace

WorkbookReader DefaultWorkbookReader() {
    WorkbookReader reader;
    reader.program = QDir(ProgramFolder()).filePath(kWorkbookReaderName);
    return reader;
}

WorkbookSheets ReadWorkbook(const QString& path, const QLocale& locale) {
    return ReadWorkbook(path, locale, DefaultWorkbookReader());
}

WorkbookSheets ReadWorkbook(const QString& path, const QLocale& locale, const WorkbookReader& reader) {
    const ProcessRun run =
        workbook::RunBounded(reader.program, {QStringLiteral("--lesen"), locale.name(), path},
                             {reader.timeoutMs, reader.maxOutputBytes, reader.maxMemoryBytes});
    // A refused workbook ends the reader with status 1 and its message.
    if (run.outcome == ProcessRun::Outcome::Finished && (run.exitCode == 0 || run.exitCode == 1)) {
        if (std::optional<WorkbookSheets> sheets = workbook::DecodeSheets(run.output)) {
            if (sheets->ok() == (run.exitCode == 0)) {
                if (!sheets->ok()) sheets->sheets.clear();
                return *std::move(sheets);
            }
        }
    }
    WorkbookSheets failed;
    failed.error = WorkbookErrorText(path, FailureReason(run, reader, locale));
    return failed;
}

} // namespace zn
