#include "core/output_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace zn {

QString OutputLocation::note() const {
    if (besideProgram) return QString();
    return QStringLiteral("Ergebnisdateien in ") + QDir::toNativeSeparators(folder);
}

bool IsWritableFolder(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;
    // Permission bits do not tell the whole story (read-only mounts, ACLs):
    // try it.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

OutputLocation ChooseOutputLocation(const QString& programFolder, const QString& fallbackFolder) {
    if (IsWritableFolder(programFolder)) return {QDir::cleanPath(programFolder), true};
    QDir().mkpath(fallbackFolder);
    return {QDir::cleanPath(fallbackFolder), false};
}

OutputLocation ChooseOutputLocation() {
    return ChooseOutputLocation(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString AutoSaveFilePath(const OutputLocation& location, const QString& programFilePath) {
    return QDir(location.folder)
        .filePath(QFileInfo(programFilePath).completeBaseName() + QStringLiteral(".txt"));
}

QString ProtocolFilePath(const OutputLocation& location, const QString& programFilePath) {
    return QDir(location.folder)
        .filePath(QFileInfo(programFilePath).completeBaseName() + QStringLiteral("-Zeitenprotokoll.txt"));
}

QString ResultPagePath(const OutputLocation& location, const QString& listCaption) {
    return QDir(location.folder).filePath(listCaption + QStringLiteral(".html"));
}

} // namespace zn
