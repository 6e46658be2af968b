#pragma once

#include "core/cell_store.h"
#include "core/competition/lane_pair.h"
#include "core/competition_events.h"
#include "core/protocol_row.h"
#include "core/stages.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zn {

// How a view of the lists (the window's grids) follows the model. The model
// changes its stores and then tells the view, which repaints and keeps its
// current row and editor in place; the view never holds data of its own.
class IListView {
public:
    virtual ~IListView() = default;
    // Cells or counts of list 1-4 changed (up to the whole content).
    virtual void ListChanged(int list) = 0;
    // A data row was taken out; the rows after it moved up by one. A list of
    // one data row (oldRowCount 2) keeps that row, emptied.
    virtual void RowRemoved(int list, int row, int oldRowCount) = 0;
    // Puts the rows into the order the view shows them in: by column `col`
    // (kShownOrder: the column it is sorted by now), in the direction the
    // operator last chose by a header click. Without a view the rows stay in
    // the order the rule left them.
    static constexpr int kShownOrder = -1;
    virtual void ArrangeRows(int list, int col) = 0;
};

// The competition: the four lists (database of teams, time protocol,
// qualification, overall result; one set for every stage), the list shown,
// the pair on the lanes, the stages the loaded workbook opened, and where the
// lists are saved. Every change the operator or a contact makes is one
// operation here: it checks, changes the lists through the rules in core and
// emits one event, so the journal, the board and the live page follow the
// model and never a window. A restart folds the journal's events
// (ApplyEvent) and hands the state to Restore.
class CompetitionModel {
public:
    CompetitionModel();

    // ---- what it holds ----
    CompetitionEvents& Events() { return events_; }
    // List 1-4. Views show and edit the cells here; an edit typed into a view
    // is reported with NoteCellEdit.
    TCellStore& List(int list);
    const TCellStore& List(int list) const;
    ListRows Rows(int list) const;
    // The list shown: stage x 10 + list kind.
    int ShownTag() const { return shownTag_; }
    int ShownList() const { return KindOfTag(shownTag_); }
    bool StageEnabled(int stage) const;
    const LanePair& Lanes() const { return lanes_; }
    QString LaneTeam(int lane) const { return lanes_.Team(lane); }
    // From the start of a run to the next pair (or the false start).
    bool Running() const { return running_; }
    // The workbook the lists came from and its base name, the list title.
    const QString& FileName() const { return fileName_; }
    const QString& ListTitle() const { return listTitle_; }
    // The workbook "save the current list" writes into; empty until one was
    // loaded or saved to. And the last name chosen in the save dialog.
    const QString& WorkbookTarget() const { return workbookTarget_; }
    const QString& SaveFileName() const { return saveFileName_; }
    void SetWorkbookTarget(const QString& path) { workbookTarget_ = path; }
    // A name for the save dialog that no one chose (the program's default).
    void SetSaveFileName(const QString& name) { saveFileName_ = name; }
    void SetView(IListView* view) { view_ = view; }
    // Warned times not yet confirmed, oldest first; the mark of a team's
    // time on a lane, or null.
    const std::vector<WarningMark>& WarningMarks() const { return marks_; }
    const WarningMark* MarkOf(const QString& team, int lane) const;
    // A stop under this time is warned about; 0: no minimum.
    int32_t MinimumTimeMs() const { return minimumMs_; }
    void SetMinimumTimeMs(int32_t ms) { minimumMs_ = std::max<int32_t>(0, ms); }

    // ---- operations ----
    // A workbook read whole: its four lists replace the lists.
    void Load(const QString& fileName, const std::array<ListRows, 4>& lists);
    // The lists in the stores are taken as loaded from `fileName`: its name
    // opens the stages, the last of them shows its database, and the lanes
    // offer the time protocol's teams from the start. Emits ListsLoaded.
    void TakeLoadedLists(const QString& fileName);
    // Shows a list without an event (a run shows its protocol, a generation
    // its result); ChooseList is the operator's choice from the list menu.
    void ShowList(int tag);
    void ChooseList(int tag, const QString& caption);

    // The run. A start takes the pair on the lanes; `tick` is its time origin.
    void StartRun(uint32_t tick);
    // A lane's stop: the time goes into the time protocol, in the row of the
    // team on that lane; when the other lane has stopped too the result list
    // shown is ranked. The outcome says when no row took the time.
    RecordOutcome StopLane(int lane, int32_t ms, const QString& time, uint32_t tick, bool byContact);
    void FalseStart();
    // The next pair: the first pass pairs entries 0/1, 2/3, ...; after the wrap
    // the lanes swap sides so that every team runs on both lanes.
    void NextPair();
    // The operator puts a team on a lane (-1: none); another team than
    // before emits LaneTeamChosen.
    void ChooseLaneTeam(int lane, int index);
    // The lane lists anew from the time protocol's teams; `keepPair` keeps
    // the teams on the lanes between runs where they are still there.
    void RebuildLanes(bool keepPair = false);
    // A contact that would have started the run while the start was not armed.
    void IgnoreStartContact(int lane, uint32_t tick, const QString& why);
    // The operator looked at a warned time and lets it count: its mark
    // closes (TimeConfirmed). False when that time has no mark.
    bool ConfirmTime(const QString& team, int lane);

    // The lists. A cell typed into a view: `oldText` is what it held before.
    void NoteCellEdit(int list, int row, int col, const QString& oldText);
    // Each typed cell that now holds another text becomes a CellEdited event.
    void CommitEdits();
    // Closes the time or penalty edit of a lane (editColumn 5 or 8) in a row:
    // totals and best time follow, the result list shown is ranked, the
    // typed cells are emitted.
    EditCommit CommitCellEdit(int list, int row, int editColumn);
    // Whether the row's team is on a lane of a run under way: its protocol
    // row must stay for the stop to find it.
    bool RowOnRunningLane(int list, int row) const;
    bool RemoveRow(int list, int row);
    // Empties the result columns of every row of the list shown.
    void ClearResults();
    // Ranks the result list shown by its totals (the protocol keeps its order).
    void Rerank();
    // "Ergebnislisten erzeugen" of a stage: both result lists from the time
    // protocol, which goes back to number order; the stage's result is shown.
    void Generate(int stage, const QString& caption);
    // "Nächste Runde": the next stage's lists replace the lists as a workbook
    // loaded from `fileName` (where they were written) would: the stage is
    // enabled and shows its database, the lanes hold the first pair of the
    // running order (`first`, `second`: team keys) and the workbook becomes
    // the save target. Emits NextRoundBuilt.
    void TakeNextRound(int stage, const QString& fileName, const std::array<ListRows, 4>& lists,
                       const QString& first, const QString& second);

    void SettingsChanged(const QString& what);
    // A file the lists were saved to: the save dialog's next name, and a
    // workbook becomes the workbook target.
    void FileSaved(const QString& path, const QString& type);
    // The name the operator chose in the save dialog (or a loaded workbook's):
    // the dialog's next name; another name than before emits SaveNameChosen.
    void ChooseSaveFileName(const QString& name);
    // After a restart: the state the journal's events fold to. Emits Restored.
    void Restore(const CompetitionState& state);

private:
    void Emit(CompetitionEvent event, std::initializer_list<int> lists = {});
    void ReplaceList(int list, const ListRows& rows);
    void WriteRow(int list, int row, const QStringList& cells);
    void ListChanged(int list);
    bool IsResultList(int list) const { return list == lkQualifikation || list == lkGesamt; }
    void OpenStages(const QString& fileName);
    // The warnings of a lane's stop (time_warnings.h), each lane's as one
    // TimeWarned event.
    void WarnAboutStop(int lane, int32_t ms, const QString& time, uint32_t tick, bool byContact,
                       const RecordOutcome& outcome);
    void WarnLane(int lane, const QString& team, const QString& time, int32_t ms, const QString& reasons);

    std::array<TCellStore, 5> lists_; // entries 1-4
    CompetitionEvents events_;
    IListView* view_ = nullptr;
    int shownTag_ = StageTag(1, lkDatenbank);
    std::array<bool, kStageCount> stages_{true, false, false, false, false};
    LanePair lanes_;
    bool running_ = false;
    std::array<bool, 2> laneRunning_{};
    // Each lane's stop in this run: a contact's instant, the time as written.
    std::array<std::optional<uint32_t>, 2> stopTicks_{};
    std::array<QString, 2> stopTimes_{};
    std::array<int32_t, 2> stopMs_{};
    std::vector<WarningMark> marks_;
    int32_t minimumMs_ = 0;
    QString fileName_;
    QString listTitle_;
    QString workbookTarget_;
    QString saveFileName_;
    // Per list: its rows before the first cell typed since the last commit.
    std::array<std::optional<ListRows>, 5> editedFrom_;
};

} // namespace zn
