#include "core/competition_events.h"

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

void ApplyEvent(CompetitionState& state, const CompetitionEvent& event) {
    ++state.events;
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

QString EventKindText(CompetitionEventKind kind) {
    switch (kind) {
    case CompetitionEventKind::ListsLoaded:
        return QStringLiteral("Listen geladen");
    case CompetitionEventKind::RunStarted:
        return QStringLiteral("Start");
    case CompetitionEventKind::LaneStopped:
        return QStringLiteral("Zeit");
    case CompetitionEventKind::FalseStart:
        return QStringLiteral("Fehlstart");
    case CompetitionEventKind::Reset:
        return QStringLiteral("Nächstes Paar");
    case CompetitionEventKind::CellEdited:
        return QStringLiteral("Korrektur");
    case CompetitionEventKind::RowsRemoved:
        return QStringLiteral("Zeilen entfernt");
    case CompetitionEventKind::ResultsCleared:
        return QStringLiteral("Ergebnisse gelöscht");
    case CompetitionEventKind::ResultsGenerated:
        return QStringLiteral("Ergebnislisten erzeugt");
    case CompetitionEventKind::StageSelected:
        return QStringLiteral("Liste gewählt");
    case CompetitionEventKind::SettingsChanged:
        return QStringLiteral("Einstellungen");
    case CompetitionEventKind::Restored:
        return QStringLiteral("Wiederhergestellt");
    case CompetitionEventKind::FileSaved:
        return QStringLiteral("Gespeichert");
    case CompetitionEventKind::StartContactIgnored:
        return QStringLiteral("Startkontakt ignoriert");
    case CompetitionEventKind::LaneTeamChosen:
        return QStringLiteral("Bahn belegt");
    case CompetitionEventKind::SaveNameChosen:
        return QStringLiteral("Dateiname gewählt");
    }
    return QString();
}

} // namespace zn
