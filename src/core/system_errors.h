#pragma once

#include <QFileDevice>
#include <QString>

namespace zn {

// The reasons the operator reads when the system refuses something (a file,
// a port, the journal, the live page's port), in German. The system's own
// text (English on most consoles) is added only for an error without a
// German explanation, after it: "… (System: <text>)".

// The German reason for the error number `code` (errno); `systemText` is
// what the system said, kept for an error of no known class ("Systemfehler
// 71 (System: Protocol error)"). Empty for code 0 and an empty text.
QString SystemErrorText(int code, const QString& systemText = QString());

// The error number whose system text is exactly `systemText` (Qt's file and
// socket texts are the system's text of the errno), or 0.
int ErrnoOfSystemText(const QString& systemText);

// Why a file operation failed: the German reason of the errno behind
// `systemText` when there is one, else the German kind of `error` (a full
// disk, no permission, reading, writing ...) with the system's text after it.
QString FileErrorText(QFileDevice::FileError error, const QString& systemText);

// FileErrorText for `file`'s last error.
QString FileErrorText(const QFileDevice& file);

} // namespace zn
