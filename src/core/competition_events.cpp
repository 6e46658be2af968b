#include "core/competition_events.h"

#include <QCoreApplication>
#include <algorithm>

namespace zn {

void CompetitionEvents::Subscribe(ICompetitionObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void CompetitionEvents::Unsubscribe(ICompetitionObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void CompetitionEvents::Emit(const CompetitionEvent& event) const {
    // A follower may unsubscribe while it is told.
    const std::vector<ICompetitionObserver*> observers = observers_;
    for (ICompetitionObserver* o : observers)
        o->CompetitionChanged(event);
}

const ListContent* CompetitionState::List(int list) const {
    for (const ListContent& l : lists)
        if (l.list == list) return &l;
    return nullptr;
}

bool IsWorkbookTarget(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
}

void FoldWarningMarks(std::vector<WarningMark>& marks, const CompetitionEvent& event) {
    const auto same = [&](const WarningMark& m) { return m.team == event.team && m.lane == event.lane; };
    switch (event.kind) {
    case CompetitionEventKind::ListsLoaded:
    case CompetitionEventKind::Restored:
        marks.clear();
        break;
    case CompetitionEventKind::ResultsCleared:
        if (event.list == 2) marks.clear();
        break;
    case CompetitionEventKind::LaneStopped:
    case CompetitionEventKind::TimeConfirmed:
        marks.erase(std::remove_if(marks.begin(), marks.end(), same), marks.end());
        break;
    case CompetitionEventKind::TimeWarned: {
        const WarningMark mark{event.team, event.lane, event.newText, event.text};
        const auto it = std::find_if(marks.begin(), marks.end(), same);
        if (it != marks.end())
            *it = mark;
        else
            marks.push_back(mark);
        break;
    }
    default:
        break;
    }
}

void ApplyEvent(CompetitionState& state, const CompetitionEvent& event) {
    ++state.events;
    FoldWarningMarks(state.warningMarks, event);
    for (const ListContent& changed : event.lists) {
        auto it = std::find_if(state.lists.begin(), state.lists.end(),
                               [&](const ListContent& l) { return l.list == changed.list; });
        if (it != state.lists.end())
            *it = changed;
        else
            state.lists.push_back(changed);
    }
    if (event.stageTag != 0) state.stageTag = event.stageTag;
    switch (event.kind) {
    case CompetitionEventKind::ListsLoaded:
    case CompetitionEventKind::Restored: {
        const bool restored = event.kind == CompetitionEventKind::Restored;
        state.fileName = event.fileName;
        state.listTitle = event.listTitle;
        state.lane1Team = event.team;
        state.lane2Team = event.team2;
        state.workbookTarget = restored ? event.newText : event.fileName;
        state.saveFileName = restored ? event.oldText : event.fileName;
        break;
    }
    case CompetitionEventKind::NextRoundBuilt:
        state.fileName = event.fileName;
        state.listTitle = event.listTitle;
        state.lane1Team = event.team;
        state.lane2Team = event.team2;
        state.workbookTarget = event.fileName;
        state.saveFileName = event.fileName;
        break;
    case CompetitionEventKind::FileSaved:
        state.saveFileName = event.fileName;
        if (IsWorkbookTarget(event.fileName)) state.workbookTarget = event.fileName;
        break;
    case CompetitionEventKind::SaveNameChosen:
        state.saveFileName = event.fileName;
        break;
    case CompetitionEventKind::RunStarted:
    case CompetitionEventKind::Reset:
    case CompetitionEventKind::LaneTeamChosen:
        state.lane1Team = event.team;
        state.lane2Team = event.team2;
        break;
    default:
        break;
    }
}

namespace {

const char* EventKindSource(CompetitionEventKind kind) {
    switch (kind) {
    case CompetitionEventKind::ListsLoaded:
        return QT_TRANSLATE_NOOP("EventKinds", "Listen geladen");
    case CompetitionEventKind::RunStarted:
        //: journal event: a run was started
        return QT_TRANSLATE_NOOP("EventKinds", "Start");
    case CompetitionEventKind::LaneStopped:
        //: journal event: a lane was stopped, its run time taken
        return QT_TRANSLATE_NOOP("EventKinds", "Zeit");
    case CompetitionEventKind::FalseStart:
        //: journal event: false start
        return QT_TRANSLATE_NOOP("EventKinds", "Fehlstart");
    case CompetitionEventKind::Reset:
        //: journal event: the next pair of teams was called (reset)
        return QT_TRANSLATE_NOOP("EventKinds", "Nächstes Paar");
    case CompetitionEventKind::CellEdited:
        //: journal event: the operator corrected a recorded value
        return QT_TRANSLATE_NOOP("EventKinds", "Korrektur");
    case CompetitionEventKind::RowsRemoved:
        return QT_TRANSLATE_NOOP("EventKinds", "Zeilen entfernt");
    case CompetitionEventKind::ResultsCleared:
        return QT_TRANSLATE_NOOP("EventKinds", "Ergebnisse gelöscht");
    case CompetitionEventKind::ResultsGenerated:
        return QT_TRANSLATE_NOOP("EventKinds", "Ergebnislisten erzeugt");
    case CompetitionEventKind::StageSelected:
        return QT_TRANSLATE_NOOP("EventKinds", "Liste gewählt");
    case CompetitionEventKind::SettingsChanged:
        //: journal event: the settings were changed
        return QT_TRANSLATE_NOOP("EventKinds", "Einstellungen");
    case CompetitionEventKind::Restored:
        return QT_TRANSLATE_NOOP("EventKinds", "Wiederhergestellt");
    case CompetitionEventKind::FileSaved:
        return QT_TRANSLATE_NOOP("EventKinds", "Gespeichert");
    case CompetitionEventKind::StartContactIgnored:
        return QT_TRANSLATE_NOOP("EventKinds", "Startkontakt ignoriert");
    case CompetitionEventKind::LaneTeamChosen:
        //: journal event: a team was put on a lane
        return QT_TRANSLATE_NOOP("EventKinds", "Bahn belegt");
    case CompetitionEventKind::SaveNameChosen:
        return QT_TRANSLATE_NOOP("EventKinds", "Dateiname gewählt");
    case CompetitionEventKind::NextRoundBuilt:
        //: journal event: the next stage was built from the qualification result
        return QT_TRANSLATE_NOOP("EventKinds", "Nächste Runde");
    case CompetitionEventKind::TimeWarned:
        //: journal event: a stopped time looks wrong and waits for the operator's check
        return QT_TRANSLATE_NOOP("EventKinds", "Warnung");
    case CompetitionEventKind::TimeConfirmed:
        //: journal event: the operator confirmed a warned run time
        return QT_TRANSLATE_NOOP("EventKinds", "Zeit bestätigt");
    }
    return nullptr;
}

} // namespace

QString EventKindText(CompetitionEventKind kind) {
    const char* source = EventKindSource(kind);
    return source ? QString::fromUtf8(source) : QString();
}

QString EventKindTitle(CompetitionEventKind kind) {
    const char* source = EventKindSource(kind);
    return source ? QCoreApplication::translate("EventKinds", source) : QString();
}

} // namespace zn
