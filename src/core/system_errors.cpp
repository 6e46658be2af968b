#include "core/system_errors.h"

#include <QCoreApplication>
#include <cerrno>

namespace zn {

namespace {

// The German reason of the errors an operator meets at the track; empty for
// the rest.
QString KnownReason(int code) {
    switch (code) {
    case ENOENT:
        return QStringLiteral("nicht gefunden (Datei oder Ordner gibt es nicht)");
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Berechtigung");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("kein Platz mehr auf dem Datenträger");
    case ENODEV:
    case ENXIO:
        return QStringLiteral("Gerät nicht mehr vorhanden (abgezogen?)");
    case EBUSY:
        return QStringLiteral("von einem anderen Programm belegt");
    case EISDIR:
        return QStringLiteral("ist ein Ordner, keine Datei");
    case ENOTDIR:
        return QStringLiteral("ein Teil des Pfades ist kein Ordner");
    case EROFS:
        return QStringLiteral("der Datenträger ist schreibgeschützt");
    case EIO:
        return QStringLiteral(
            "Ein-/Ausgabefehler am Gerät (Datenträger oder Adapter defekt oder abgezogen?)");
    case EEXIST:
        return QStringLiteral("gibt es schon");
    case ENAMETOOLONG:
        return QStringLiteral("der Name ist zu lang");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("zu viele offene Dateien");
    default:
        return QString();
    }
}

QString WithSystemText(const QString& reason, const QString& systemText) {
    if (systemText.isEmpty()) return reason;
    return reason + QStringLiteral(" (System: ") + systemText + u')';
}

QString FileErrorKind(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::ResourceError:
        return QStringLiteral("kein Platz mehr auf dem Datenträger oder zu wenig Speicher");
    case QFileDevice::PermissionsError:
        return QStringLiteral("keine Berechtigung");
    case QFileDevice::OpenError:
        return QStringLiteral("die Datei lässt sich nicht öffnen");
    case QFileDevice::ReadError:
        return QStringLiteral("Fehler beim Lesen");
    case QFileDevice::WriteError:
        return QStringLiteral("Fehler beim Schreiben");
    case QFileDevice::RemoveError:
        return QStringLiteral("die Datei lässt sich nicht löschen");
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
        return QStringLiteral("die Datei lässt sich nicht umbenennen oder kopieren");
    case QFileDevice::AbortError:
        return QStringLiteral("abgebrochen");
    case QFileDevice::TimeOutError:
        return QStringLiteral("keine Antwort in der erwarteten Zeit");
    default:
        return QStringLiteral("Dateifehler");
    }
}

} // namespace

QString SystemErrorText(int code, const QString& systemText) {
    if (code == 0) return systemText;
    const QString known = KnownReason(code);
    if (!known.isEmpty()) return known;
    return WithSystemText(QStringLiteral("Systemfehler %1").arg(code), systemText);
}

int ErrnoOfSystemText(const QString& systemText) {
    if (systemText.isEmpty()) return 0;
    // Linux numbers its errors below 134; the text is the C library's.
    for (int code = 1; code < 134; ++code) {
        if (!KnownReason(code).isEmpty() && qt_error_string(code) == systemText) return code;
    }
    return 0;
}

QString FileErrorText(QFileDevice::FileError error, const QString& systemText) {
    if (const int code = ErrnoOfSystemText(systemText)) return KnownReason(code);
    // QSaveFile says so itself when the name is a folder's.
    if (systemText == QCoreApplication::translate("QSaveFile", "Filename refers to a directory"))
        return KnownReason(EISDIR);
    // Qt's own texts ("Filename refers to a directory") are German with Qt's
    // translation installed; they follow the kind as the system's text does.
    if (error == QFileDevice::NoError) return systemText;
    return WithSystemText(FileErrorKind(error), systemText);
}

QString FileErrorText(const QFileDevice& file) {
    return FileErrorText(file.error(), file.errorString());
}

} // namespace zn
