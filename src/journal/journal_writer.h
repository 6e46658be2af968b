#pragma once

// The thread that owns the journal's write connection. Kept apart from
// journal.h so that users of EventJournal do not see threads and locks.

#include "journal/journal.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace zn {

struct EventJournal::Writer {
    explicit Writer(EventJournal* owner) : owner_(owner) {}
    ~Writer() { Stop(false); }

    // Starts the thread on `path` and waits for its first attempt to open;
    // gives the German reason when that failed (the thread keeps trying).
    QString Start(const QString& path);
    // Stops the thread; `markClosed` records a clean end when every queued
    // event is written.
    void Stop(bool markClosed);
    bool Running() const { return thread_.joinable(); }

    struct Pending {
        qint64 ticket = 0;
        QDateTime at;
        CompetitionEvent event;
    };

    mutable std::mutex m;
    std::condition_variable wake;     // the thread: work, stop or a change of the failure switch
    std::condition_variable progress; // the callers: committed, opened, switch applied
    std::deque<Pending> queue;
    qint64 nextTicket = 1;
    qint64 committed = 0;
    QString path;
    QString problem; // empty while writing works
    bool open = false;
    bool wantQueryOnly = false;
    bool queryOnly = false;
    int retryMs = 2000;

private:
    void Run();
    // Called with `m` held: a change of the problem goes to OnProblem on the
    // owner's thread.
    void SetProblem(const QString& text);

    EventJournal* owner_;
    std::thread thread_;
    bool stop_ = false;
    bool markClosed_ = false;
    bool attempted_ = false;
};

} // namespace zn
