#pragma once

// A program run to completion under bounds: its time, the size of its
// output and its memory. Whatever the program does (crash, hang, flood its
// output, eat memory), the caller gets an outcome within the time bound plus
// a moment to reap a killed program, and keeps at most the output bound in
// memory.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zn::workbook {

struct ProcessBounds {
    int timeoutMs = 0;
    qint64 maxOutputBytes = 0;
    // Address space of the program in bytes (RLIMIT_AS), 0 for none.
    qint64 maxAddressSpace = 0;
};

struct ProcessRun {
    enum class Outcome {
        Finished,      // exited on its own: exitCode
        NotStarted,    // missing, not executable, or no process could be made: error
        Crashed,       // ended by a signal: signal
        TimedOut,      // killed at the time bound
        OutputTooLarge // killed when its output passed the bound
    };
    Outcome outcome = Outcome::NotStarted;
    int exitCode = -1;
    int signal = 0;
    QByteArray output; // standard output; standard error goes to ours
    QString error;     // the system's reason when not started
};

// Runs `program` with `arguments`, standard input from /dev/null, and
// waits for it. Blocks the calling thread for at most the time bound (plus
// two seconds to reap a killed program).
ProcessRun RunBounded(const QString& program, const QStringList& arguments, const ProcessBounds& bounds);

} // namespace zn::workbook
