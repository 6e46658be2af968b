#pragma once

#include <QByteArray>
#include <QString>

namespace zn {

struct WriteResult {
    bool ok = false;
    QString errorText; // German, for the operator; empty on success
    QString reason;    // why, in German (full disk, no permission, ...)
};

// Replaces a file as a whole: the bytes go to a temporary file beside it that
// takes the file's place only when it was written completely, so a result file
// is never left half-written (disk full, program killed mid-write). A failure
// leaves the old file as it was and says "Der Schreibfehler der Datei: <name>".
WriteResult WriteFileAtomically(const QString& fileName, const QByteArray& bytes);

QString WriteErrorText(const QString& fileName);

} // namespace zn
