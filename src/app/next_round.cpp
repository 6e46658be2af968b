// "Nächste Runde": the next stage's lists from the shown stage's
// qualification result, written as the stage's workbook beside the loaded
// one and taken as the lists, without the round trip through a spreadsheet.
#include "app/main_window.h"

#include "app/next_round_dialog.h"
#include "controls/label_3d.h"
#include "controls/sort_grid.h"
#include "core/next_round.h"
#include "core/result_numbers.h"
#include "core/tag.h"
#include "documents/workbook_import.h"
#include "documents/workbook_reader.h"
#include "documents/workbook_writer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>

namespace zn {

namespace {

// The time protocol a workbook holds; nothing when it cannot be read.
std::optional<ListRows> SavedProtocol(const QString& fileName, const std::array<int, 4>& colCounts) {
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile()) return std::nullopt;
    const WorkbookSheets sheets = ReadWorkbook(fileName, QLocale());
    if (!sheets.ok()) return std::nullopt;
    const LoadedCompetition loaded = CompetitionOfWorkbook(sheets, colCounts, fileName, DecimalSeparator());
    if (!loaded.ok()) return std::nullopt;
    return loaded.lists[lkProtokoll - 1];
}

} // namespace

void TFormMain::NextRoundClick(QAction* entry) {
    if (!entry || !FDlgYesNo) return;
    //: the command's name in the note that it is locked during a run
    if (RefuseDuringRun(tr("Nächste Runde"))) return;
    CommitCellEdit(CurrentList);
    const int stage = StageOfTag(TagOf(entry));
    const QChar separator = DecimalSeparator();
    const QList<NextRoundTeam> ranked =
        RankedTeams(Model.Rows(lkQualifikation), Model.Rows(lkProtokoll), separator);
    if (ranked.size() < 2) {
        TellOperator(tr("Das Qualifikations-Ergebnis hat keine zwei Mannschaften mit Platz und Zeit.\n"
                        "Zuerst die Ergebnislisten erzeugen."),
                     false);
        return;
    }
    NextRoundDialog dialog(stage, ranked, separator, this);
    if (platform_.modal->Exec(dialog) != QDialog::Accepted) return;
    const QList<NextRoundTeam> chosen = dialog.Chosen();
    if (chosen.isEmpty()) return;
    const int target = dialog.TargetStage();
    const QList<NextRoundTeam> running = InRunningOrder(chosen, dialog.Order());

    std::array<int, 4> colCounts{};
    std::array<QStringList, 4> headers;
    for (int list = 1; list <= 4; ++list) {
        colCounts[static_cast<size_t>(list - 1)] = Model.List(list).ColCount();
        headers[static_cast<size_t>(list - 1)] = Model.List(list).Row(0);
    }
    // Nothing recorded is lost: times not yet in the stage's workbook are asked about.
    const ListRows protocol = Model.Rows(lkProtokoll);
    if (HoldsTimes(protocol)) {
        const std::optional<ListRows> saved = SavedProtocol(Model.WorkbookTarget(), colCounts);
        if (!saved || !TimesKeptIn(protocol, *saved)) {
            //: %1 the stage whose times are not saved
            if (!AskYesNo(
                    tr("Die Zeiten von %1 sind nicht in der Arbeitsmappe gespeichert. Trotzdem die nächste "
                       "Runde bilden?")
                        .arg(StageTitle(stage))))
                return;
        }
    }
    const QString folder = !Model.FileName().isEmpty() ? QFileInfo(Model.FileName()).absolutePath()
                           : !SaveFolder.isEmpty()     ? SaveFolder
                                                       : ResultFolder.folder;
    const QString path = QDir(folder).filePath(NextRoundFileName(target, Title1->Caption()));
    if (QFileInfo::exists(path)) {
        const std::optional<ListRows> there = SavedProtocol(path, colCounts);
        //: %1 the next stage's workbook, which is already there
        if ((!there || HoldsTimes(*there)) &&
            !AskYesNo(tr("%1 enthält schon Zeiten. Überschreiben?").arg(QFileInfo(path).fileName())))
            return;
    }

    const std::array<ListRows, 4> lists = NextStageLists(running, headers);
    const WriteResult written =
        WriteNewWorkbook(path, ListsWorkbook(lists, colCounts, target == kFinalStage,
                                             QFileInfo(path).completeBaseName(), kAppTitle));
    if (!written.ok) {
        TellOperator(
            written.reason.isEmpty() ? written.errorText : written.errorText + u'\n' + written.reason, true);
        return;
    }
    Model.TakeNextRound(target, path, lists, TeamKey(running.value(0).nr, running.value(0).name),
                        running.size() > 1 ? TeamKey(running.at(1).nr, running.at(1).name) : QString());
    for (size_t i = 1; i <= 4; ++i)
        Lists[i]->SetSelectionRect(TGridRect{0, 1, Lists[i]->ColCount() - 1, 1});
    ShowLoadedLists();
    OpenFolder = folder;
    SaveFolder = folder;
    SetWorkbookTarget(path);
    //: %1 the stage, %2 the workbook written for it
    StatusPanel1->setText(tr(" %1 gebildet: %2").arg(StageTitle(target), QDir::toNativeSeparators(path)));
    ProtocolChanged();
}

} // namespace zn
