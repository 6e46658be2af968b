// The competition journal: every event of the run cycle and the lists goes
// into the day's SQLite journal before the console shows it, and a start after
// a session that did not end offers to rebuild the lists from it.
#include "app/file_filters.h"
#include "app/journal_window.h"
#include "app/main_window.h"

#include "controls/sort_grid.h"
#include "core/journal_lines.h"
#include "core/stages.h"
#include "core/tag.h"
#include "journal/journal.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>

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
    return count == 1 ? QStringLiteral("1 Ereignis") : QStringLiteral("%1 Ereignisse").arg(count);
}

// Names what "Ja" brings back: the time of the last event read and how many.
QString RecoverQuestion(const std::vector<JournalEntry>& readable) {
    const QDateTime last = readable.back().at.toLocalTime();
    return QStringLiteral("Die letzte Sitzung (%1, %2 Uhr, %3) wurde nicht ordnungsgemäß beendet. "
                          "Daten wiederherstellen?")
        .arg(last.toString(QStringLiteral("dd.MM.yyyy")), last.toString(QStringLiteral("HH:mm")),
             EventCount(static_cast<qsizetype>(readable.size())));
}

} // namespace

void TFormMain::StartJournal() {
    if (platform_.dataFolder.isEmpty() || journal_) return;
    journal_ = std::make_unique<EventJournal>();
    journal_->OnProblem = [this](const QString& problem) { JournalProblem(problem); };
    const QString today = EventJournal::FileFor(platform_.dataFolder, QDate::currentDate());
    const QString latest = EventJournal::Latest(platform_.dataFolder);
    // A session that did not end before midnight is found in its own day's file.
    const QString first = latest.isEmpty() ? today : latest;
    JournalOpening opening = journal_->Open(first);
    if (opening.found == JournalFound::Damaged || opening.found == JournalFound::Unwritable)
        TellOperator(opening.message, true);
    if (opening.found == JournalFound::Unwritable) JournalProblem(opening.message);
    const bool offer = (opening.found == JournalFound::Unclean || opening.found == JournalFound::Damaged) &&
                       !opening.readable.empty();
    bool restore = false;
    QString keptAside;
    if (offer) {
        restore = FDlgYesNo && AskYesNo(RecoverQuestion(opening.readable));
        // "Nein": the old journal is kept under another name, never deleted.
        if (!restore && opening.found == JournalFound::Unclean)
            keptAside = journal_->SetAside(QStringLiteral("verworfen"));
    }
    if (first != today) {
        journal_->Close();
        journal_->Open(today);
    }
    journalFollower_ = std::make_unique<JournalFollower>(*journal_, [this] {
        JournalProblem(QStringLiteral("Das Änderungsprotokoll kommt nicht nach (Datenträger langsam)."));
    });
    Model.Events().Subscribe(journalFollower_.get());
    if (restore) {
        CompetitionState state;
        for (const JournalEntry& entry : opening.readable)
            ApplyEvent(state, entry.event);
        RestoreCompetition(state);
    } else if (!keptAside.isEmpty()) {
        sessionNote_ =
            QStringLiteral(" Die letzte Sitzung bleibt aufbewahrt in ") + QDir::toNativeSeparators(keptAside);
        StatusPanel1->setText(sessionNote_);
    }
}

void TFormMain::JournalProblem(const QString& problem) {
    StatusPanelJournal->setText(problem);
    StatusPanelJournal->setVisible(!problem.isEmpty());
}

int TFormMain::ListKind(const TSortGrid* list) const {
    for (int k = 1; k <= 4; ++k)
        if (Lists[k] == list) return k;
    return 0;
}

// The lists, the shown list, the lanes' pair and where the competition is
// saved come back in the model; the window shows them and takes the folders
// of its dialogs from the files.
void TFormMain::RestoreCompetition(const CompetitionState& state) {
    Model.Restore(state);
    ShowLoadedLists();
    if (QAction* entry = StageEntry(state.stageTag)) ShowListEntry(entry);
    ShowLanes(false, false);
    UpdateCommandStates();
    if (!state.fileName.isEmpty()) OpenFolder = QFileInfo(state.fileName).absolutePath();
    if (!state.saveFileName.isEmpty()) {
        SaveFolder = QFileInfo(state.saveFileName).absolutePath();
        SaveFilterIndex = SaveTypeIndex(SaveFilter, state.saveFileName);
    }
    SetWorkbookTarget(Model.WorkbookTarget());
    restored_ = true;
    sessionNote_ =
        QStringLiteral(" Wiederhergestellt: %1 aus dem Änderungsprotokoll").arg(EventCount(state.events));
    StatusPanel1->setText(sessionNote_);
}

void TFormMain::ShowJournalWindow() {
    if (!journal_) {
        TellOperator(QStringLiteral("Es wird kein Änderungsprotokoll geführt."), false);
        return;
    }
    if (!ChangeLog) {
        ChangeLog = new JournalWindow(*journal_, platform_.files, this);
        ChangeLog->Tell = [this](const QString& text, bool error) { TellOperator(text, error); };
    }
    ChangeLog->Refresh();
    ChangeLog->show();
    ChangeLog->raise();
    ChangeLog->activateWindow();
}

} // namespace zn
