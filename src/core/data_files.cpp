#include "core/data_files.h"

#include <QDir>
#include <QFileInfo>

namespace zn {

QString InstalledDataFolder(const QString& programFolder) {
    if (programFolder.isEmpty()) return QString();
    const QFileInfo share(QDir(programFolder).filePath(QStringLiteral("../share/zeitnahme")));
    return share.isDir() ? share.canonicalFilePath() : QString();
}

QStringList DataFolders(const QString& programFolder) {
    QStringList folders{QDir::currentPath(), QDir::cleanPath(programFolder)};
    const QString installed = InstalledDataFolder(programFolder);
    if (!installed.isEmpty()) folders << installed;
    folders.removeDuplicates();
    return folders;
}

QString FindDataFile(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return QString();
}

QString ExamplesFolder(const QString& programFolder) {
    const QString example = QStringLiteral("Vorlauf.xlsx");
    if (QFileInfo(QDir(programFolder).filePath(example)).isFile()) return QDir::cleanPath(programFolder);
    const QString installed = InstalledDataFolder(programFolder);
    if (!installed.isEmpty()) {
        QString examples = QDir(installed).filePath(QStringLiteral("examples"));
        if (QFileInfo(QDir(examples).filePath(example)).isFile()) return examples;
    }
    return QDir::cleanPath(programFolder);
}

} // namespace zn
