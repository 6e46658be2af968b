#pragma once

#include "core/competition_events.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace zn {

// One stored event with its number and the time of day it was recorded.
struct JournalEntry {
    qint64 id = 0;
    QDateTime at;
    CompetitionEvent event;
};

// How an existing journal was found when it was opened.
enum class JournalFound {
    New,       // no journal there yet
    Clean,     // the last session ended cleanly
    Unclean,   // the last session did not end (crash, power cut): offer recovery
    Damaged,   // not a journal SQLite can read: set aside, a fresh one started
    Unwritable // cannot be created or written (folder gone, read-only, disk full)
};

struct JournalOpening {
    JournalFound found = JournalFound::New;
    // German, for Damaged and Unwritable: what happened and where the old file went.
    QString message;
    // Damaged: the path the damaged file was moved to.
    QString asidePath;
    // Unclean and Damaged: the events that could still be read, in order.
    std::vector<JournalEntry> readable;
};

// The competition journal: every event as one row of an SQLite database
// (write-ahead log, full synchronous commits), written on a thread of its own
// so that a slow or failing disk never holds up the run. Events that cannot be
// written stay queued and are written again every 2 s; OnProblem says so.
class EventJournal : public QObject {
    Q_OBJECT
public:
    EventJournal();
    ~EventJournal() override; // writes what is queued (up to 2 s), then stops

    // "zeitnahme-2026-12-07.journal" in `folder`.
    static QString FileFor(const QString& folder, const QDate& day);
    // The newest journal file in `folder`; empty when there is none.
    static QString Latest(const QString& folder);

    // Opens (creates) the journal at `path` and marks the session as running
    // until Close(). A damaged file is moved aside (never deleted) and a fresh
    // one is started; an unwritable one leaves the journal retrying.
    JournalOpening Open(const QString& path);
    QString Path() const;

    // Queues an event; returns its ticket at once.
    qint64 Record(const CompetitionEvent& event);
    // Waits until the event of `ticket` is committed; false when it is not
    // within `timeoutMs` (the disk is slow or failing).
    bool WaitCommitted(qint64 ticket, int timeoutMs);

    // Moves the journal aside under a new name (kept, never deleted) and
    // starts a fresh one at the same path; gives the new name of the old file.
    QString SetAside(const QString& why);

    // Marks the session as ended cleanly and closes the database.
    void Close();

    // Every stored event in order, read on a connection of the caller's own.
    std::vector<JournalEntry> ReadAll() const;
    // The events of a journal file; empty with `error` set when unreadable.
    static std::vector<JournalEntry> ReadFile(const QString& path, QString* error = nullptr);

    // Called on the thread that made the journal: the reason writing failed,
    // or an empty text once it works again.
    std::function<void(const QString& problem)> OnProblem;
    bool Writing() const;
    // How long a failed write or open waits before it is tried again (2000 ms).
    void SetRetryInterval(int ms);

    // For tests: the database refuses writes as a full disk would.
    void InjectWriteFailure(bool on);

private:
    struct Writer;
    std::unique_ptr<Writer> writer_;
};

} // namespace zn
