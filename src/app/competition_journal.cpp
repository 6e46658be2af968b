// The competition journal: every event of the run cycle and the lists goes
// into the day's SQLite journal before the console shows it, and a start after
// a session that did not end offers to rebuild the lists from it.
#include "app/file_filters.h"
#include "app/grid_rows.h"
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
    Events.Subscribe(journalFollower_.get());
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

int TFormMain::ShownListTag() const {
    for (int stage = 1; stage <= kStageCount; ++stage) {
        for (int kind = lkDatenbank; kind <= lkGesamt; ++kind) {
            const QAction* entry = StageEntry(StageTag(stage, kind));
            if (entry && entry->isChecked() && Lists[kind] == CurrentList) return StageTag(stage, kind);
        }
    }
    return 0;
}

void TFormMain::EmitEvent(CompetitionEvent event, std::initializer_list<int> lists) {
    if (restoring_) return;
    event.stageTag = ShownListTag();
    event.listTitle = Hint;
    for (int list : lists) {
        // A list named twice (the protocol shown during a run) goes in once.
        const bool taken = std::any_of(event.lists.begin(), event.lists.end(),
                                       [list](const ListContent& l) { return l.list == list; });
        if (list < 1 || list > 4 || taken) continue;
        journaled_[list] = RowsOf(Lists[list]->Store());
        event.lists.push_back({list, journaled_[list]});
    }
    Events.Emit(event);
}

void TFormMain::JournalCellEdits() {
    if (restoring_) return;
    for (int list = 1; list <= 4; ++list) {
        const ListRows now = RowsOf(Lists[list]->Store());
        const std::vector<CellChange> changes = ChangedCells(list, journaled_[list], now);
        for (const CellChange& change : changes) {
            CompetitionEvent e;
            e.kind = CompetitionEventKind::CellEdited;
            e.list = list;
            e.team = change.team;
            e.column = change.column;
            // A lane's time, penalty and total in the protocol layout.
            if (list <= 2 && change.column >= pc::Zeit1 && change.column <= pc::Gesamt2)
                e.lane = change.column < pc::Zeit2 ? 0 : 1;
            e.text = now.value(0).value(change.column);
            e.oldText = change.oldText;
            e.newText = change.newText;
            e.lists = {{list, now}};
            EmitEvent(e);
        }
        journaled_[list] = now;
    }
}

// The lists, the shown list, the lanes' pair and where the competition is
// saved, as the journal left them.
void TFormMain::RestoreCompetition(const CompetitionState& state) {
    restoring_ = true;
    for (int list = 1; list <= 4; ++list) {
        if (const ListContent* content = state.List(list)) ReplaceGridRows(Lists[list], content->rows);
    }
    ApplyLoadedLists(state.fileName);
    Hint = state.listTitle;
    if (QAction* entry = StageEntry(state.stageTag)) SelectDatenbank(entry);
    for (auto [lane, team] : {std::pair{cbBuhn1, state.lane1Team}, std::pair{cbBuhn2, state.lane2Team}}) {
        const int index = lane->findText(team);
        if (index >= 0) lane->setCurrentIndex(index);
    }
    UpdateCommandStates();
    if (!state.fileName.isEmpty()) OpenFolder = QFileInfo(state.fileName).absolutePath();
    if (!state.saveFileName.isEmpty()) {
        SaveFileName = state.saveFileName;
        SaveFolder = QFileInfo(state.saveFileName).absolutePath();
        SaveFilterIndex = SaveTypeIndex(SaveFilter, state.saveFileName);
    }
    SetWorkbookTarget(state.workbookTarget);
    restoring_ = false;
    restored_ = true;
    // The journal of this session starts from the rebuilt state.
    CompetitionEvent restored;
    restored.kind = CompetitionEventKind::Restored;
    restored.fileName = state.fileName;
    restored.newText = WorkbookTarget;
    restored.oldText = state.saveFileName;
    restored.text = EventCount(state.events);
    restored.team = cbBuhn1->currentText();
    restored.team2 = cbBuhn2->currentText();
    EmitEvent(restored, {1, 2, 3, 4});
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
