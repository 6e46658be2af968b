#include "core/system_errors.h"

#include <QCoreApplication>
#include <cerrno>

namespace zn {

namespace {

// The reason, in the operator's language, of the errors an operator meets at the track; empty for
// the rest.
QString KnownReason(int code) {
    switch (code) {
    case ENOENT:
        return QCoreApplication::translate("SystemErrors",
                                           "nicht gefunden (Datei oder Ordner gibt es nicht)");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("SystemErrors", "keine Berechtigung");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("SystemErrors", "kein Platz mehr auf dem Datenträger");
    case ENODEV:
    case ENXIO:
        return QCoreApplication::translate("SystemErrors", "Gerät nicht mehr vorhanden (abgezogen?)");
    case EBUSY:
        return QCoreApplication::translate("SystemErrors", "von einem anderen Programm belegt");
    case EISDIR:
        return QCoreApplication::translate("SystemErrors", "ist ein Ordner, keine Datei");
    case ENOTDIR:
        return QCoreApplication::translate("SystemErrors", "ein Teil des Pfades ist kein Ordner");
    case EROFS:
        return QCoreApplication::translate("SystemErrors", "der Datenträger ist schreibgeschützt");
    case EIO:
        return QCoreApplication::translate(
            "SystemErrors", "Ein-/Ausgabefehler am Gerät (Datenträger oder Adapter defekt oder abgezogen?)");
    case EEXIST:
        return QCoreApplication::translate("SystemErrors", "gibt es schon");
    case ENAMETOOLONG:
        return QCoreApplication::translate("SystemErrors", "der Name ist zu lang");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("SystemErrors", "zu viele offene Dateien");
    default:
        return QString();
    }
}

QString WithSystemText(const QString& reason, const QString& systemText) {
    if (systemText.isEmpty()) return reason;
    return reason + QCoreApplication::translate("SystemErrors", " (System: ") + systemText + u')';
}

QString FileErrorKind(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("SystemErrors",
                                           "kein Platz mehr auf dem Datenträger oder zu wenig Speicher");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("SystemErrors", "keine Berechtigung");
    case QFileDevice::OpenError:
        return QCoreApplication::translate("SystemErrors", "die Datei lässt sich nicht öffnen");
    case QFileDevice::ReadError:
        return QCoreApplication::translate("SystemErrors", "Fehler beim Lesen");
    case QFileDevice::WriteError:
        return QCoreApplication::translate("SystemErrors", "Fehler beim Schreiben");
    case QFileDevice::RemoveError:
        return QCoreApplication::translate("SystemErrors", "die Datei lässt sich nicht löschen");
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
        return QCoreApplication::translate("SystemErrors",
                                           "die Datei lässt sich nicht umbenennen oder kopieren");
    case QFileDevice::AbortError:
        return QCoreApplication::translate("SystemErrors", "abgebrochen");
    case QFileDevice::TimeOutError:
        return QCoreApplication::translate("SystemErrors", "keine Antwort in der erwarteten Zeit");
    default:
        return QCoreApplication::translate("SystemErrors", "Dateifehler");
    }
}

} // namespace

QString SystemErrorText(int code, const QString& systemText) {
    if (code == 0) return systemText;
    const QString known = KnownReason(code);
    if (!known.isEmpty()) return known;
    return WithSystemText(QCoreApplication::translate("SystemErrors", "Systemfehler %1").arg(code),
                          systemText);
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
    // QSaveFile says so itself when the name is a folder's, in the words of
    // Qt's translation (named through variables: the text is Qt's, not one
    // for the console's translators).
    static const char* const kQtContext = "QSaveFile";
    static const char* const kQtText = "Filename refers to a directory";
    if (systemText == QCoreApplication::translate(kQtContext, kQtText)) return KnownReason(EISDIR);
    // Qt's own texts ("Filename refers to a directory") are German with Qt's
    // translation installed; they follow the kind as the system's text does.
    if (error == QFileDevice::NoError) return systemText;
    return WithSystemText(FileErrorKind(error), systemText);
}

QString FileErrorText(const QFileDevice& file) {
    return FileErrorText(file.error(), file.errorString());
}

} // namespace zn
