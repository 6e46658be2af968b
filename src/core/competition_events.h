#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace zn {

// What happened in the competition, as the followers (the journal, the
// spectator board, the live page) see it. The main window emits one event at
// each place where the run cycle, the lists or the settings change.
enum class CompetitionEventKind : int {
    ListsLoaded = 1,  // fileName, lists: all four, team/team2: the lanes' first pair
    RunStarted,       // team = lane 1's team, team2 = lane 2's
    LaneStopped,      // lane, team, timeMs, text = the time as written, byContact
    FalseStart,       //
    Reset,            // team, team2: the next pair
    CellEdited,       // list, team, column (text: its title), oldText, newText
    RowsRemoved,      // list, text = what was removed
    ResultsCleared,   // list
    ResultsGenerated, // stageTag
    StageSelected,    // stageTag
    SettingsChanged,  // text = what changed
    // After a restart: fileName = the workbook the lists came from, lists: all
    // four, team/team2: the pair, newText = the workbook "save the current
    // list" writes into, oldText = the save dialog's file name, text = how
    // many events were read back.
    Restored = 12,
    FileSaved = 13, // fileName = the file written, text = its type
    // A lane's contact that would have started the run while the start was
    // not armed: lane, team/team2 (the waiting pair), tick, text = why.
    // Journals store the number: 12 and 13 belong to the restart and the
    // saved file, and a number once written is never given to another kind.
    StartContactIgnored = 14,
    // The operator put a team on a lane by hand: lane, team/team2 (the pair
    // after the choice).
    LaneTeamChosen = 15,
    // A name chosen in the save dialog, before the file is written (a failed
    // save keeps it too): fileName.
    SaveNameChosen = 16,
    // "Nächste Runde": the next stage's lists replaced the lists and were
    // written to fileName, the stage's workbook from now on; lists: all four,
    // text = the stage's name, team/team2: its first pair.
    NextRoundBuilt = 17,
    // A stopped lane's time looks wrong: lane, team, newText = the time,
    // timeMs, text = the reasons (German). The time stays as recorded; the
    // mark stays until the operator confirms it.
    TimeWarned = 18,
    // The operator confirmed a warned time: lane, team, newText = the time,
    // text = the reasons confirmed.
    TimeConfirmed = 19,
};

// A list's whole content after the event, header row first; list 1-4
// (database of teams, time protocol, qualification, overall result).
struct ListContent {
    int list = 0;
    QList<QStringList> rows;

    bool operator==(const ListContent&) const = default;
};

struct CompetitionEvent {
    CompetitionEventKind kind = CompetitionEventKind::SettingsChanged;
    int lane = -1; // 0 or 1
    QString team;  // a team key ("  7 FF Mühlbach")
    QString team2;
    int32_t timeMs = 0;
    // The console's tick at the event (RunStarted: the run's time origin;
    // LaneStopped: the stop instant); 0 where it has none.
    uint32_t tick = 0;
    bool byContact = false;
    int list = 0;
    int column = -1;
    QString oldText;
    QString newText;
    QString text;
    QString fileName;
    // The shown list (stage x 10 + list kind) and the list title after the event.
    int stageTag = 0;
    QString listTitle;
    // The lists the event changed, as they are after it.
    std::vector<ListContent> lists;

    bool operator==(const CompetitionEvent&) const = default;
};

// A follower of the competition. Called on the main thread, in order; a
// follower must return quickly (a slow one queues its work).
class ICompetitionObserver {
public:
    virtual ~ICompetitionObserver() = default;
    virtual void CompetitionChanged(const CompetitionEvent& event) = 0;
};

class CompetitionEvents {
public:
    void Subscribe(ICompetitionObserver* observer);
    void Unsubscribe(ICompetitionObserver* observer);
    void Emit(const CompetitionEvent& event) const;

private:
    std::vector<ICompetitionObserver*> observers_;
};

// A warned time the operator has not confirmed yet: the team's time on a
// lane (0 or 1); a contact on a lane without a team has an empty team.
struct WarningMark {
    QString team;
    int lane = -1;
    QString time;
    QString reasons;

    bool operator==(const WarningMark&) const = default;
};

// Folds an event into the open marks: TimeWarned opens (or renews) the mark
// of its team and lane, TimeConfirmed closes it; a new time of that team and
// lane replaces the doubted one and closes it too, and new lists (a load, a
// restart, the protocol's results cleared) close every mark.
void FoldWarningMarks(std::vector<WarningMark>& marks, const CompetitionEvent& event);

// The console's state as the events leave it: what a restart after a crash
// rebuilds.
struct CompetitionState {
    std::vector<ListContent> lists; // the latest content of each list seen
    int stageTag = 0;
    QString lane1Team;
    QString lane2Team;
    QString listTitle;
    QString fileName;
    // The workbook "save the current list" writes into: the last workbook
    // loaded or saved to; and the last name chosen in the save dialog.
    QString workbookTarget;
    QString saveFileName;
    // Warned times not yet confirmed.
    std::vector<WarningMark> warningMarks;
    int events = 0;

    const ListContent* List(int list) const;
};

// A file "save the current list" can write into: an .xlsx workbook, never
// the .docx, .html or .txt of another export.
bool IsWorkbookTarget(const QString& fileName);

// Folds one event into the state.
void ApplyEvent(CompetitionState& state, const CompetitionEvent& event);

// The German name of an event kind ("Zeit Bahn", "Korrektur", ...).
QString EventKindText(CompetitionEventKind kind);
// The kind's name as the window shows it, in the operator's language.
QString EventKindTitle(CompetitionEventKind kind);

} // namespace zn
