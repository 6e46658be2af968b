// The competition journal: every event of the run cycle and the lists goes
// into the day's SQLite journal before the console shows it, and a start after
// a session that did not end offers to rebuild the lists from it.
#include "app/competition_journal.h"

#include "app/console_host.h"
#include "app/journal_window.h"
#include "core/competition/competition_model.h"
#include "journal/journal.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QToolButton>

namespace zn {

namespace {

// How long a recorded event may wait for its commit before the console goes
// on without it (and says so): a disk that hangs must not hang the run.
constexpr int kCommitWaitMs = 500;

class JournalFollower : public ICompetitionObserver {
public:
    JournalFollower(EventJournal& journal, std::function<void()> lagging)
        : journal_(journal), lagging_(std::move(lagging)) {}
    void CompetitionChanged(const CompetitionEvent& event) override {
        const qint64 ticket = journal_.Record(event);
        // While writing fails the events queue up; waiting would only stall.
        if (!journal_.Writing() || journal_.WaitCommitted(ticket, kCommitWaitMs)) return;
        // A write that failed says so itself (OnProblem); this is a slow one.
        if (journal_.Writing() && lagging_) lagging_();
    }

private:
    EventJournal& journal_;
    std::function<void()> lagging_;
};

QString EventCount(qsizetype count) {
    const int n = static_cast<int>(count);
    //: events of the journal (a start, a time, a correction, ...)
    if (n == 1) return QCoreApplication::translate("CompetitionJournal", "1 Ereignis");
    //: events of the journal, never one
    return QCoreApplication::translate("CompetitionJournal", "%n Ereignisse", "", n);
}

// Names what "Ja" brings back: the time of the last event read and how many.
QString RecoverQuestion(const std::vector<JournalEntry>& readable) {
    const QDateTime last = readable.back().at.toLocalTime();
    //: %1 date and %2 time of the last event, %3 how many events can be restored
    return QCoreApplication::translate(
               "CompetitionJournal", "Die letzte Sitzung (%1, %2 Uhr, %3) wurde nicht ordnungsgemäß beendet. "
                                     "Daten wiederherstellen?")
        .arg(last.toString(QStringLiteral("dd.MM.yyyy")), last.toString(QStringLiteral("HH:mm")),
             EventCount(static_cast<qsizetype>(readable.size())));
}

} // namespace

CompetitionJournal::CompetitionJournal(ConsoleHost& host, const PlatformServices& platform)
    : host_(host), platform_(platform) {
    notice_ = host.AddLastingNotice(QStringLiteral("StatusPanelJournal"));
    const FeatureEntry entry =
        AddFeatureEntry(host, QStringLiteral("bJournal"), QStringLiteral("Aenderungsprotokoll1"),
                        //: status bar button: the journal of every time and correction
                        tr("Änderungsprotokoll"), tr("Alle Zeiten und Korrekturen des Tages (Strg+J)"),
                        QKeySequence(Qt::CTRL | Qt::Key_J), [this] { ShowWindow(); });
    button_ = entry.button;
    action_ = entry.key;
}

CompetitionJournal::~CompetitionJournal() {
    // Its parts go with it; the window they sit in may stay a little longer.
    delete window_;
    delete button_;
    delete action_;
    delete notice_;
    if (!journal_) return;
    host_.HostModel().Events().Unsubscribe(follower_.get());
    journal_->Close();
}

void CompetitionJournal::Start() {
    if (platform_.dataFolder.isEmpty() || journal_) return;
    journal_ = std::make_unique<EventJournal>();
    journal_->OnProblem = [this](const QString& problem) { Problem(problem); };
    const QString today = EventJournal::FileFor(platform_.dataFolder, QDate::currentDate());
    const QString latest = EventJournal::Latest(platform_.dataFolder);
    // A session that did not end before midnight is found in its own day's file.
    const QString first = latest.isEmpty() ? today : latest;
    JournalOpening opening = journal_->Open(first);
    if (opening.found == JournalFound::Damaged || opening.found == JournalFound::Unwritable)
        host_.TellOperator(opening.message, true);
    if (opening.found == JournalFound::Unwritable) Problem(opening.message);
    const bool offer = (opening.found == JournalFound::Unclean || opening.found == JournalFound::Damaged) &&
                       !opening.readable.empty();
    bool restore = false;
    QString keptAside;
    if (offer) {
        restore = host_.AskOperator(RecoverQuestion(opening.readable));
        // "Nein": the old journal is kept under another name, never deleted.
        if (!restore && opening.found == JournalFound::Unclean)
            keptAside = journal_->SetAside(QStringLiteral("verworfen"));
    }
    if (first != today) {
        journal_->Close();
        journal_->Open(today);
    }
    follower_ = std::make_unique<JournalFollower>(
        *journal_, [this] { Problem(tr("Das Änderungsprotokoll kommt nicht nach (Datenträger langsam).")); });
    host_.HostModel().Events().Subscribe(follower_.get());
    if (restore) {
        // The recovery is the fold of the events read, nothing else.
        CompetitionState state;
        for (const JournalEntry& entry : opening.readable)
            ApplyEvent(state, entry.event);
        //: %1 how many events were restored from the journal
        host_.ShowRestored(
            state, tr(" Wiederhergestellt: %1 aus dem Änderungsprotokoll").arg(EventCount(state.events)));
    } else if (!keptAside.isEmpty()) {
        const QString note =
            tr(" Die letzte Sitzung bleibt aufbewahrt in %1").arg(QDir::toNativeSeparators(keptAside));
        host_.KeepSessionNote(note);
        host_.SetMessage(note);
    }
}

void CompetitionJournal::Problem(const QString& problem) {
    notice_->setText(problem);
    notice_->setVisible(!problem.isEmpty());
}

void CompetitionJournal::ShowWindow() {
    if (!journal_) {
        host_.TellOperator(tr("Es wird kein Änderungsprotokoll geführt."), false);
        return;
    }
    if (!window_) {
        window_ = new JournalWindow(*journal_, platform_.files, &host_.HostWindow());
        window_->Tell = [this](const QString& text, bool error) { host_.TellOperator(text, error); };
    }
    window_->Refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace zn
