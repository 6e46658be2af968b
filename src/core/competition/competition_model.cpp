#include "core/competition/competition_model.h"

#include "core/journal_lines.h"
#include "core/qualification.h"
#include "core/ranking.h"
#include "core/result_numbers.h"
#include "core/time_warnings.h"

#include <algorithm>

namespace zn {

namespace {

bool IsListNumber(int list) {
    return list >= 1 && list <= 4;
}

QString EventCount(int count) {
    return count == 1 ? QStringLiteral("1 Ereignis") : QStringLiteral("%1 Ereignisse").arg(count);
}

// A list menu entry: a stage 1-5 and one of the four lists.
bool IsListTag(int tag) {
    const int stage = StageOfTag(tag);
    const int kind = KindOfTag(tag);
    return stage >= 1 && stage <= kStageCount && kind >= lkDatenbank && kind <= lkGesamt;
}

} // namespace

CompetitionModel::CompetitionModel() {
    // The protocol layout for the team database and the time protocol, the
    // result layout for the other two; two rows until a workbook is loaded.
    for (int list = 1; list <= 4; ++list) {
        TCellStore& store = lists_[static_cast<size_t>(list)];
        store.SetColCount(list <= lkProtokoll ? pc::Count : rc::Count);
        store.SetRowCount(2);
    }
}

TCellStore& CompetitionModel::List(int list) {
    return lists_[static_cast<size_t>(IsListNumber(list) ? list : 0)];
}

const TCellStore& CompetitionModel::List(int list) const {
    return lists_[static_cast<size_t>(IsListNumber(list) ? list : 0)];
}

ListRows CompetitionModel::Rows(int list) const {
    return RowsOf(List(list));
}

bool CompetitionModel::StageEnabled(int stage) const {
    return stage >= 1 && stage <= kStageCount && stages_[static_cast<size_t>(stage - 1)];
}

// ---------------------------------------------------------------- events

void CompetitionModel::Emit(CompetitionEvent event, std::initializer_list<int> lists) {
    event.stageTag = shownTag_;
    event.listTitle = listTitle_;
    FoldWarningMarks(marks_, event);
    for (int list : lists) {
        // A list named twice (the protocol shown during a run) goes in once.
        const bool taken = std::any_of(event.lists.begin(), event.lists.end(),
                                       [list](const ListContent& l) { return l.list == list; });
        if (!IsListNumber(list) || taken) continue;
        event.lists.push_back({list, Rows(list)});
    }
    events_.Emit(event);
}

// ---------------------------------------------------------------- stores

void CompetitionModel::ListChanged(int list) {
    if (view_) view_->ListChanged(list);
}

// The old rows are emptied (a store keeps cells beyond its row count, which
// would come back when it grows); the row count becomes the list's size.
void CompetitionModel::ReplaceList(int list, const ListRows& rows) {
    TCellStore& store = List(list);
    for (int r = 1; r < store.RowCount(); ++r)
        store.ClearRow(r);
    store.SetRowCount(std::max(1, static_cast<int>(rows.size())));
    for (int r = 0; r < rows.size(); ++r)
        WriteRow(list, r, rows.at(r));
}

// Only cells that change are written, so a row that stays the same costs no
// change count (the protocol file is written when the count moved).
void CompetitionModel::WriteRow(int list, int row, const QStringList& cells) {
    TCellStore& store = List(list);
    const int cols = std::min(static_cast<int>(cells.size()), store.ColCount());
    for (int c = 0; c < cols; ++c)
        if (store.Cell(c, row) != cells.at(c)) store.SetCell(c, row, cells.at(c));
}

// ---------------------------------------------------------------- loading

void CompetitionModel::Load(const QString& fileName, const std::array<ListRows, 4>& lists) {
    CommitEdits();
    for (int list = 1; list <= 4; ++list) {
        ReplaceList(list, lists[static_cast<size_t>(list - 1)]);
        ListChanged(list);
    }
    TakeLoadedLists(fileName);
}

void CompetitionModel::OpenStages(const QString& fileName) {
    const StageDetection stages = DetectStages(fileName);
    stages_ = stages.enabled;
    shownTag_ = StageTag(stages.shownStage, lkDatenbank);
    fileName_ = fileName;
    listTitle_ = stages.baseName;
    // What was typed into the old lists is no edit of these.
    editedFrom_ = {};
    Rerank();
    lanes_ = RebuiltLanes(lanes_, Rows(lkProtokoll), running_, false);
}

void CompetitionModel::TakeLoadedLists(const QString& fileName) {
    OpenStages(fileName);
    CompetitionEvent loaded;
    loaded.kind = CompetitionEventKind::ListsLoaded;
    loaded.fileName = fileName;
    loaded.team = LaneTeam(0);
    loaded.team2 = LaneTeam(1);
    Emit(loaded, {1, 2, 3, 4});
}

void CompetitionModel::ShowList(int tag) {
    if (IsListTag(tag)) shownTag_ = tag;
}

void CompetitionModel::ChooseList(int tag, const QString& caption) {
    if (!IsListTag(tag)) return;
    shownTag_ = tag;
    CompetitionEvent selected;
    selected.kind = CompetitionEventKind::StageSelected;
    selected.text = caption;
    Emit(selected);
}

// ---------------------------------------------------------------- the run

void CompetitionModel::StartRun(uint32_t tick) {
    running_ = true;
    laneRunning_ = {true, true};
    stopTicks_ = {};
    CompetitionEvent started;
    started.kind = CompetitionEventKind::RunStarted;
    started.team = LaneTeam(0);
    started.team2 = LaneTeam(1);
    started.tick = tick;
    Emit(started);
}

// Always into the time protocol, whichever list is shown. A lane whose team
// is not found writes nothing: the time stays on the digits, and the window
// tells the operator.
RecordOutcome CompetitionModel::StopLane(int lane, int32_t ms, const QString& time, uint32_t tick,
                                         bool byContact) {
    RecordOutcome none;
    none.status = RecordStatus::NoTeamOnLane;
    if (lane != 0 && lane != 1) return none;
    laneRunning_[static_cast<size_t>(lane)] = false;
    ListRows protocol = Rows(lkProtokoll);
    const int column = lane == 0 ? pc::Zeit1 : pc::Zeit2;
    RecordOutcome outcome = RecordLaneTime(protocol, column, LaneTeam(lane), time, DecimalSeparator());
    if (outcome.status == RecordStatus::Recorded) {
        WriteRow(lkProtokoll, outcome.row, protocol.at(outcome.row));
        ListChanged(lkProtokoll);
    }
    if (!laneRunning_[0] && !laneRunning_[1]) Rerank();
    CompetitionEvent stopped;
    stopped.kind = CompetitionEventKind::LaneStopped;
    stopped.lane = lane;
    stopped.team = LaneTeam(lane);
    stopped.timeMs = ms;
    stopped.tick = tick;
    stopped.newText = time;
    stopped.byContact = byContact;
    Emit(stopped, {lkProtokoll, ShownList()});
    WarnAboutStop(lane, ms, time, tick, byContact, outcome);
    return outcome;
}

void CompetitionModel::WarnAboutStop(int lane, int32_t ms, const QString& time, uint32_t tick, bool byContact,
                                     const RecordOutcome& outcome) {
    const auto l = static_cast<size_t>(lane);
    const int column = lane == 0 ? pc::Zeit1 : pc::Zeit2;
    StopFacts facts;
    facts.lane = lane;
    facts.timeMs = ms;
    facts.stopTick = tick;
    if (byContact) facts.otherStopTick = stopTicks_[1 - l];
    facts.byContact = byContact;
    facts.hasTeam = outcome.status != RecordStatus::NoTeamOnLane;
    facts.minimumMs = minimumMs_;
    // The best so far: the time just written is no part of it.
    facts.bestMs = BestRunMs(Rows(lkProtokoll), DecimalSeparator(), outcome.row, column);
    stopTicks_[l] = byContact ? std::optional<uint32_t>(tick) : std::nullopt;
    stopTimes_[l] = time;
    stopMs_[l] = ms;
    std::array<std::vector<WarningReason>, 2> reasons;
    for (const LaneWarning& w : WarningsForStop(facts))
        reasons[static_cast<size_t>(w.lane)].push_back(w.reason);
    // This lane first: the other lane's mark only joins it when the two
    // stops came together.
    for (const int i : {lane, 1 - lane}) {
        const auto& r = reasons[static_cast<size_t>(i)];
        if (r.empty()) continue;
        const QString team = facts.hasTeam || i != lane ? LaneTeam(i) : QString();
        QString text = JoinedReasons(r);
        // A mark the lane already has keeps its reasons.
        if (const WarningMark* open = MarkOf(team, i); open && i != lane)
            text = open->reasons + QStringLiteral("; ") + text;
        WarnLane(i, team, stopTimes_[static_cast<size_t>(i)], stopMs_[static_cast<size_t>(i)], text);
    }
}

void CompetitionModel::WarnLane(int lane, const QString& team, const QString& time, int32_t ms,
                                const QString& reasons) {
    CompetitionEvent warned;
    warned.kind = CompetitionEventKind::TimeWarned;
    warned.lane = lane;
    warned.team = team;
    warned.newText = time;
    warned.timeMs = ms;
    warned.text = reasons;
    Emit(warned);
}

const WarningMark* CompetitionModel::MarkOf(const QString& team, int lane) const {
    const auto it = std::find_if(marks_.begin(), marks_.end(),
                                 [&](const WarningMark& m) { return m.team == team && m.lane == lane; });
    return it != marks_.end() ? &*it : nullptr;
}

bool CompetitionModel::ConfirmTime(const QString& team, int lane) {
    const WarningMark* mark = MarkOf(team, lane);
    if (!mark) return false;
    CompetitionEvent confirmed;
    confirmed.kind = CompetitionEventKind::TimeConfirmed;
    confirmed.lane = lane;
    confirmed.team = team;
    confirmed.newText = mark->time;
    confirmed.text = mark->reasons;
    Emit(confirmed);
    return true;
}

void CompetitionModel::FalseStart() {
    running_ = false;
    laneRunning_ = {};
    CompetitionEvent falseStart;
    falseStart.kind = CompetitionEventKind::FalseStart;
    falseStart.team = LaneTeam(0);
    falseStart.team2 = LaneTeam(1);
    Emit(falseStart);
}

void CompetitionModel::NextPair() {
    running_ = false;
    laneRunning_ = {};
    AdvancePair(lanes_);
    CompetitionEvent next;
    next.kind = CompetitionEventKind::Reset;
    next.team = LaneTeam(0);
    next.team2 = LaneTeam(1);
    Emit(next);
}

void CompetitionModel::ChooseLaneTeam(int lane, int index) {
    if (lane != 0 && lane != 1) return;
    const QString before = LaneTeam(lane);
    lanes_.index[static_cast<size_t>(lane)] = index >= 0 && index < lanes_.teams.size() ? index : -1;
    if (LaneTeam(lane) == before) return;
    CompetitionEvent chosen;
    chosen.kind = CompetitionEventKind::LaneTeamChosen;
    chosen.lane = lane;
    chosen.team = LaneTeam(0);
    chosen.team2 = LaneTeam(1);
    Emit(chosen);
}

void CompetitionModel::RebuildLanes(bool keepPair) {
    lanes_ = RebuiltLanes(lanes_, Rows(lkProtokoll), running_, keepPair);
}

void CompetitionModel::IgnoreStartContact(int lane, uint32_t tick, const QString& why) {
    CompetitionEvent ignored;
    ignored.kind = CompetitionEventKind::StartContactIgnored;
    ignored.lane = lane;
    ignored.team = LaneTeam(0);
    ignored.team2 = LaneTeam(1);
    ignored.tick = tick;
    ignored.byContact = true;
    ignored.text = why;
    Emit(ignored);
}

// ---------------------------------------------------------------- the lists

void CompetitionModel::NoteCellEdit(int list, int row, int col, const QString& oldText) {
    if (!IsListNumber(list) || row < 1 || col < 0) return;
    std::optional<ListRows>& from = editedFrom_[static_cast<size_t>(list)];
    if (from) return; // it holds the cell as it was before this session of typing
    from = Rows(list);
    if (row < from->size() && col < (*from)[row].size()) (*from)[row][col] = oldText;
}

// Rows are matched by their team, so a list sorted meanwhile shows no change;
// computed columns (totals, best time, places) follow the typed cells.
void CompetitionModel::CommitEdits() {
    for (int list = 1; list <= 4; ++list) {
        std::optional<ListRows>& from = editedFrom_[static_cast<size_t>(list)];
        if (!from) continue;
        const ListRows before = std::move(*from);
        from.reset();
        const ListRows now = Rows(list);
        for (const CellChange& change : ChangedCells(list, before, now)) {
            CompetitionEvent e;
            e.kind = CompetitionEventKind::CellEdited;
            e.list = list;
            e.team = change.team;
            e.column = change.column;
            // A lane's time, penalty and total in the protocol layout.
            if (list <= lkProtokoll && change.column >= pc::Zeit1 && change.column <= pc::Gesamt2)
                e.lane = change.column < pc::Zeit2 ? 0 : 1;
            e.text = now.value(0).value(change.column);
            e.oldText = change.oldText;
            e.newText = change.newText;
            e.lists = {{list, now}};
            Emit(e);
        }
    }
}

EditCommit CompetitionModel::CommitCellEdit(int list, int row, int editColumn) {
    if (!IsListNumber(list) || row < 1 || row >= List(list).RowCount()) return {};
    QStringList cells = List(list).Row(row);
    EditCommit commit = CommitPenaltyEdit(cells, editColumn, DecimalSeparator());
    WriteRow(list, row, cells);
    ListChanged(list);
    Rerank();
    CommitEdits();
    return commit;
}

bool CompetitionModel::RowOnRunningLane(int list, int row) const {
    if (list != lkProtokoll || !running_) return false;
    const QString key = TeamKey(List(list).Cell(pc::Nr, row), List(list).Cell(pc::Name, row));
    return key == LaneTeam(0) || key == LaneTeam(1);
}

bool CompetitionModel::RemoveRow(int list, int row) {
    if (!IsListNumber(list)) return false;
    TCellStore& store = List(list);
    const int oldRows = store.RowCount();
    if (row < 1 || row >= oldRows || RowOnRunningLane(list, row)) return false;
    // Edits made before stay edits; the removal is an event of its own.
    CommitEdits();
    const QStringList cells = store.Row(row);
    CompetitionEvent removed;
    removed.kind = CompetitionEventKind::RowsRemoved;
    removed.list = list;
    removed.team = list <= lkProtokoll ? TeamKeyOfRow(cells) : cells.value(rc::Mannschaft);
    removed.text = cells.join(QStringLiteral(" | "));
    // A list keeps its header and one data row: the last one is only emptied.
    store.ClearRow(row);
    if (oldRows >= 3) store.DeleteRow(row);
    if (view_) view_->RowRemoved(list, row, oldRows);
    Rerank();
    if (list == lkProtokoll) RebuildLanes(true);
    Emit(removed, {list});
    return true;
}

void CompetitionModel::ClearResults() {
    CommitEdits();
    const int list = ShownList();
    TCellStore& store = List(list);
    ListRows rows = Rows(list);
    ClearResultColumns(rows, store.ColCount());
    for (int r = 1; r < rows.size(); ++r)
        WriteRow(list, r, rows.at(r));
    ListChanged(list);
    CompetitionEvent cleared;
    cleared.kind = CompetitionEventKind::ResultsCleared;
    cleared.list = list;
    Emit(cleared, {list});
}

// Places come from the totals (core), never from the column or the direction
// a view is sorted by; the view then shows the ranked rows in its own sort
// order, and each place stays with its team.
void CompetitionModel::Rerank() {
    const int list = ShownList();
    if (!IsResultList(list)) return;
    TCellStore& store = List(list);
    ListRows rows = Rows(list);
    RankResultRows(rows, store.ColCount(), DecimalSeparator(),
                   list == lkGesamt ? RankBasis::EarlierPlaces : RankBasis::Totals);
    for (int r = 0; r < rows.size(); ++r)
        WriteRow(list, r, rows.at(r));
    ListChanged(list);
    if (view_) view_->ArrangeRows(list, IListView::kShownOrder);
}

// The places are set; the views only choose how the rows are shown: the
// protocol by number and the qualification by total, each in the direction
// its header was last clicked to. The overall result stays in place order,
// marked teams first.
void CompetitionModel::Generate(int stage, const QString& caption) {
    // A penalty still being typed counts.
    CommitEdits();
    GenerateInput input;
    input.protocol = Rows(lkProtokoll);
    input.qualificationHeader = List(lkQualifikation).Row(0);
    input.overallHeader = List(lkGesamt).Row(0);
    input.separator = DecimalSeparator();
    const GeneratedLists lists = GenerateResultLists(input);
    ReplaceList(lkQualifikation, lists.qualification);
    ReplaceList(lkGesamt, lists.overall);
    for (int r = 0; r < lists.protocol.size(); ++r)
        WriteRow(lkProtokoll, r, lists.protocol.at(r));
    for (int list = lkProtokoll; list <= lkGesamt; ++list)
        ListChanged(list);
    if (view_) {
        view_->ArrangeRows(lkProtokoll, pc::Nr);
        view_->ArrangeRows(lkQualifikation, rc::Gesamtzeit);
    }
    ShowList(ResultEntryTag(stage));
    CompetitionEvent generated;
    generated.kind = CompetitionEventKind::ResultsGenerated;
    generated.text = caption;
    Emit(generated, {2, 3, 4});
}

void CompetitionModel::TakeNextRound(int stage, const QString& fileName, const std::array<ListRows, 4>& lists,
                                     const QString& first, const QString& second) {
    if (stage < 1 || stage > kStageCount) return;
    CommitEdits();
    running_ = false;
    laneRunning_ = {};
    for (int list = 1; list <= 4; ++list) {
        ReplaceList(list, lists[static_cast<size_t>(list - 1)]);
        ListChanged(list);
    }
    OpenStages(fileName);
    // A title naming another stage does not hide this one.
    stages_[static_cast<size_t>(stage - 1)] = true;
    shownTag_ = StageTag(stage, lkDatenbank);
    for (int lane = 0; lane < 2; ++lane) {
        const int index = lanes_.IndexOf(lane == 0 ? first : second);
        if (index >= 0) lanes_.index[static_cast<size_t>(lane)] = index;
    }
    workbookTarget_ = fileName;
    saveFileName_ = fileName;
    CompetitionEvent built;
    built.kind = CompetitionEventKind::NextRoundBuilt;
    built.fileName = fileName;
    built.text = StageNames[static_cast<size_t>(stage - 1)];
    built.team = LaneTeam(0);
    built.team2 = LaneTeam(1);
    Emit(built, {1, 2, 3, 4});
}

// ---------------------------------------------------------------- the rest

void CompetitionModel::SettingsChanged(const QString& what) {
    CompetitionEvent changed;
    changed.kind = CompetitionEventKind::SettingsChanged;
    changed.text = what;
    Emit(changed);
}

void CompetitionModel::FileSaved(const QString& path, const QString& type) {
    saveFileName_ = path;
    if (IsWorkbookTarget(path)) workbookTarget_ = path;
    CompetitionEvent saved;
    saved.kind = CompetitionEventKind::FileSaved;
    saved.fileName = path;
    saved.text = type;
    Emit(saved);
}

void CompetitionModel::ChooseSaveFileName(const QString& name) {
    if (name == saveFileName_) return;
    saveFileName_ = name;
    CompetitionEvent chosen;
    chosen.kind = CompetitionEventKind::SaveNameChosen;
    chosen.fileName = name;
    Emit(chosen);
}

// The lists, the shown list, the lanes' pair and where the competition is
// saved, as the journal left them; the stages and the lane lists follow from
// the workbook's name and the time protocol as after a load.
void CompetitionModel::Restore(const CompetitionState& state) {
    editedFrom_ = {};
    for (int list = 1; list <= 4; ++list) {
        if (const ListContent* content = state.List(list)) {
            ReplaceList(list, content->rows);
            ListChanged(list);
        }
    }
    running_ = false;
    laneRunning_ = {};
    OpenStages(state.fileName);
    if (IsListTag(state.stageTag)) stages_[static_cast<size_t>(StageOfTag(state.stageTag) - 1)] = true;
    listTitle_ = state.listTitle;
    ShowList(state.stageTag);
    for (int lane = 0; lane < 2; ++lane) {
        const int index = lanes_.IndexOf(lane == 0 ? state.lane1Team : state.lane2Team);
        if (index >= 0) lanes_.index[static_cast<size_t>(lane)] = index;
    }
    if (!state.saveFileName.isEmpty()) saveFileName_ = state.saveFileName;
    workbookTarget_ = state.workbookTarget;
    // The journal of this session starts from the rebuilt state.
    CompetitionEvent restored;
    restored.kind = CompetitionEventKind::Restored;
    restored.fileName = state.fileName;
    restored.newText = workbookTarget_;
    restored.oldText = state.saveFileName;
    restored.text = EventCount(state.events);
    restored.team = LaneTeam(0);
    restored.team2 = LaneTeam(1);
    Emit(restored, {1, 2, 3, 4});
    // The marks still open come back, each said again, so that this
    // session's journal holds them too.
    for (const WarningMark& mark : state.warningMarks) {
        CompetitionEvent warned;
        warned.kind = CompetitionEventKind::TimeWarned;
        warned.lane = mark.lane;
        warned.team = mark.team;
        warned.newText = mark.time;
        warned.text = mark.reasons;
        Emit(warned);
    }
}

} // namespace zn
