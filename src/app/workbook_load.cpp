// Loading a team workbook: the file is read and turned into the four lists
// first (documents layer); only a workbook that was read whole replaces the
// lists, so a damaged file leaves the competition as it was. A load replaces
// all four, whatever sheets the workbook has.
#include "app/file_filters.h"
#include "app/main_window.h"

#include "controls/sort_grid.h"
#include "core/result_numbers.h"
#include "documents/workbook_import.h"
#include "documents/workbook_reader.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QToolButton>

namespace zn {

namespace {

// The hourglass while the file is read; back to normal however the load ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

bool TFormMain::LoadWorkbook(const QString& fileName) {
    std::optional<WaitCursor> wait(std::in_place);
    const WorkbookSheets sheets = ReadWorkbook(fileName, QLocale());
    std::array<int, 4> colCounts{};
    for (int i = 0; i < 4; ++i)
        colCounts[static_cast<size_t>(i)] = Model.List(i + 1).ColCount();
    const LoadedCompetition loaded =
        sheets.ok() ? CompetitionOfWorkbook(sheets, colCounts, fileName, DecimalSeparator())
                    : LoadedCompetition{sheets.error, {}, {}};
    if (!loaded.ok()) {
        wait.reset();
        TellOperator(loaded.error, true);
        return false;
    }

    // The lists go into the model as they are to stay (headers filled, times
    // reformatted), so the load is one event in the journal: 2,000 teams
    // journaled cell by cell were 2,000 events, each with a copy of the lists.
    CommitCellEdit(CurrentList);
    Model.Load(fileName, loaded.lists);
    for (size_t i = 1; i <= 4; ++i)
        Lists[i]->SetSelectionRect(TGridRect{0, 1, Lists[i]->ColCount() - 1, 1});
    ShowLoadedLists();
    // Lists built for missing sheets, and sheets taken by name against their
    // order: the operator checks them before the first run.
    QStringList notes;
    if (const QString note = LoadedListsNote(loaded.origins); !note.isEmpty()) notes << note;
    if (!sheets.note.isEmpty()) notes << sheets.note;
    if (!notes.isEmpty()) StatusPanel1->setText(notes.join(u';'));
    ProtocolChanged();
    return true;
}

// Options (Qt's own start with "-") are not file names; the first argument
// is the program itself. After the lists came back from the journal the
// workbook is not loaded: its state on disk would overwrite the times
// recorded since.
bool TFormMain::OpenStartupWorkbook(const QStringList& arguments) {
    QString name;
    for (qsizetype i = 1; i < arguments.size() && name.isEmpty(); ++i)
        if (!arguments.at(i).startsWith(u'-')) name = arguments.at(i);
    if (name.isEmpty()) return false;
    const QString path = QFileInfo(name).absoluteFilePath();
    if (restored_) {
        StatusPanel1->setText(sessionNote_ +
                              //: follows a note that the lists were restored from the journal; %1 the
                              //: workbook named on the command line
                              tr("; „%1“ wurde nicht neu geladen, die wiederhergestellten Listen gelten.")
                                  .arg(QFileInfo(path).fileName()));
        return false;
    }
    if (!LoadWorkbook(path)) return false;
    if (!sessionNote_.isEmpty()) StatusPanel1->setText(sessionNote_ + u';' + StatusPanel1->text());
    OpenFolder = QFileInfo(path).absolutePath();
    SaveFilterIndex = 1;
    Model.SetSaveFileName(path);
    SetWorkbookTarget(path);
    return true;
}

void TFormMain::ShowRestored(const CompetitionState& state, const QString& note) {
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
    sessionNote_ = note;
    StatusPanel1->setText(note);
}

int TFormMain::ListKind(const TSortGrid* list) const {
    for (int k = 1; k <= 4; ++k)
        if (Lists[k] == list) return k;
    return 0;
}

} // namespace zn
