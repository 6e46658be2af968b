#include "core/output_location.h"

#include "core/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace zn {

QString OutputLocation::note() const {
    if (besideProgram) return QString();
    //: %1 the folder the result files are written to
    return QCoreApplication::translate("OutputLocation", "Ergebnisdateien in %1")
        .arg(QDir::toNativeSeparators(folder));
}

bool IsWritableFolder(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;
    // Permission bits do not tell the whole story (read-only mounts, ACLs):
    // try it.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

bool IsSystemFolder(const QString& folder) {
    static const QStringList kSystem{
        QStringLiteral("/usr"), QStringLiteral("/opt"),   QStringLiteral("/bin"),   QStringLiteral("/sbin"),
        QStringLiteral("/lib"), QStringLiteral("/lib32"), QStringLiteral("/lib64"), QStringLiteral("/libx32"),
        QStringLiteral("/etc"), QStringLiteral("/boot"),  QStringLiteral("/snap")};
    if (folder.isEmpty()) return false;
    // Both the path as given and where its links lead (/bin is /usr/bin on
    // a merged /usr; a link in /home may point into /opt).
    QStringList paths{QDir::cleanPath(QDir(folder).absolutePath())};
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (!canonical.isEmpty()) paths << canonical;
    for (const QString& path : paths) {
        for (const QString& root : kSystem) {
            if (path == root || path.startsWith(root + u'/')) return true;
        }
    }
    return false;
}

OutputLocation ChooseOutputLocation(const QString& programFolder, const QString& fallbackFolder) {
    // An installed program's folder holds programs only, wherever the
    // package was unpacked.
    if (!IsSystemFolder(programFolder) && InstalledDataFolder(programFolder).isEmpty() &&
        IsWritableFolder(programFolder))
        return {QDir::cleanPath(programFolder), true};
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
