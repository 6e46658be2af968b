#pragma once

#include "app/platform.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <memory>

class QAction;
class QLabel;
class QToolButton;

namespace zn {

class ConsoleHost;
class EventJournal;
class ICompetitionObserver;
class JournalWindow;

// The competition journal as a feature of the console: every event of the
// run cycle and the lists goes into the day's SQLite journal before the
// console shows it, a start after a session that did not end offers to
// rebuild the lists from it, and "Änderungsprotokoll" (status bar, Strg+J)
// shows it. It is the one follower that makes the window wait: for the
// commit of each event, at most kCommitWaitMs.
class CompetitionJournal {
    Q_DECLARE_TR_FUNCTIONS(CompetitionJournal)

public:
    CompetitionJournal(ConsoleHost& host, const PlatformServices& platform);
    // A clean end: the next start offers no recovery.
    ~CompetitionJournal();
    CompetitionJournal(const CompetitionJournal&) = delete;
    CompetitionJournal& operator=(const CompetitionJournal&) = delete;

    // Opens the day's journal and, after a session that did not end, offers
    // to rebuild the lists from it.
    void Start();
    // The day's journal while it is written.
    EventJournal* Journal() const { return journal_.get(); }
    void ShowWindow();

private:
    friend class ConsoleProbe;
    void Problem(const QString& problem);

    ConsoleHost& host_;
    PlatformServices platform_;
    std::unique_ptr<EventJournal> journal_;
    std::unique_ptr<ICompetitionObserver> follower_;
    // Red while the journal is not being written, with the reason.
    QPointer<QLabel> notice_;
    QPointer<QToolButton> button_;
    QPointer<QAction> action_;
    QPointer<JournalWindow> window_;
};

} // namespace zn
