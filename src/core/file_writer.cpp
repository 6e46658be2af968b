#include "core/file_writer.h"

#include "core/system_errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QSaveFile>

namespace zn {

Q_LOGGING_CATEGORY(lcResultFiles, "zn.results.files", QtWarningMsg)

QString WriteErrorText(const QString& fileName) {
    return QCoreApplication::translate("FileWriter", "Der Schreibfehler der Datei: %1")
        .arg(QDir::toNativeSeparators(fileName));
}

WriteResult WriteFileAtomically(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (ok) return {true, QString(), QString()};
    const QString reason = FileErrorText(file);
    qCInfo(lcResultFiles) << "writing" << fileName << "failed:" << reason;
    file.cancelWriting();
    return {false, WriteErrorText(fileName), reason};
}

} // namespace zn
