// The lists on disk: the auto-saved text file after every run, the time
// protocol's own file after every run and every correction, the save dialog
// with its export types, and putting freshly loaded lists into use.
#include "app/file_filters.h"
#include "app/main_window.h"

#include "controls/sort_grid.h"
#include "core/protocol_row.h"
#include "core/stages.h"
#include "core/text_list_writer.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace zn {

namespace {
// Index of the text type in the save dialog's list (after Excel, Word and the
// web page); any index that is not an export type writes the text file.
constexpr int kExcelType = 1;
constexpr int kWordType = 2;
constexpr int kWebType = 3;
} // namespace

// At start-up: the dialogs offer the types that are really read and written,
// and the files beside the program go where they can be written.
void TFormMain::PrepareResultFiles() {
    // The type names shown here are translated; the German ones in
    // ExcelTypeName etc. go to the journal.
    OpenFilter = tr("MS Excel (*.xlsx *.xlsm *.xls *.ods)");
    //: file types of the save dialog, in this order; keep the patterns in brackets and the ";;"
    SaveFilter = tr("MS Excel (*.xlsx);;MS Word (*.docx);;Webseite (*.html);;Textdatei (*.txt)");
    StatusPanelSaveError = AddLastingNotice(QStringLiteral("StatusPanelSaveError"));
    UseResultFolder(ChooseOutputLocation());
}

void TFormMain::UseResultFolder(const OutputLocation& location) {
    ResultFolder = location;
    AutoSaveFile = AutoSaveFilePath(location, QCoreApplication::applicationFilePath());
    ProtocolFile = ProtocolFilePath(location, QCoreApplication::applicationFilePath());
    // The new folder gets the protocol at the next chance; what failed in the
    // old one no longer matters.
    protocolWrittenAt_.reset();
    failedSaves_.clear();
    StatusPanelSaveError->hide();
    const QString note = location.note();
    StatusPanelFiles->setText(note);
    StatusPanelFiles->setToolTip(note);
    StatusPanelFiles->setVisible(!note.isEmpty());
}

void TFormMain::TellOperator(const QString& text, bool error) {
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Warning, kAppTitle, text, QMessageBox::Ok,
                    this);
    platform_.modal->Exec(box);
}

// A failed write leaves the list in memory and the old file as they were.
bool TFormMain::SaveListAsText(const QString& fileName) {
    const int list = Model.ShownList();
    return SaveListText(fileName, Model.Rows(list), Model.List(list).ColCount()).ok;
}

// The shown list is what the auto-save file has always held; the time
// protocol goes beside it on its own, since during a run the operator may be
// looking at another list (an overall result not generated yet has no rows
// and leaves the auto-save file as it was).
void TFormMain::AutoSaveAfterRun() {
    SaveAutomatically(AutoSaveFile, Model.ShownList());
    SaveProtocolFile();
}

void TFormMain::ProtocolChanged() {
    Model.CommitEdits();
    // QSaveFile syncs the file to the disk, which takes a while on a slow
    // stick; a stop pressed meanwhile would be timed late.
    if (Clock->isActive()) return;
    SaveProtocolFile();
}

bool TFormMain::SaveProtocolFile() {
    const std::uint64_t changes = Model.List(lkProtokoll).ChangeCount();
    if (protocolWrittenAt_ == changes) return true;
    if (!SaveAutomatically(ProtocolFile, lkProtokoll)) return false;
    protocolWrittenAt_ = changes;
    return true;
}

// No box: the save after a run must not hold up the next one. The red notice
// stays until the file is written, whatever else the status bar shows.
bool TFormMain::SaveAutomatically(const QString& fileName, int list) {
    const ListRows rows = Model.Rows(list);
    const int colCount = Model.List(list).ColCount();
    if (!HasDataRows(rows, colCount)) return true;
    const WriteResult result = SaveListText(fileName, rows, colCount);
    if (result.ok) {
        failedSaves_.remove(fileName);
    } else {
        failedSaves_.insert(fileName, result.errorText + QStringLiteral(" (") + result.reason + u')');
    }
    // The newest failure in the bar, every one in the tool tip.
    const QString shown = !result.ok               ? failedSaves_.value(fileName)
                          : failedSaves_.isEmpty() ? QString()
                                                   : failedSaves_.last();
    StatusPanelSaveError->setText(u' ' + shown);
    StatusPanelSaveError->setToolTip(failedSaves_.values().join(u'\n'));
    StatusPanelSaveError->setVisible(!failedSaves_.isEmpty());
    return result.ok;
}

void TFormMain::sbSaveClick() {
    if (!platform_.files) return;
    int index = SaveFilterIndex;
    QString folder = SaveFolder;
    // The chosen type brings its own extension.
    QString name = QFileInfo(Model.SaveFileName()).completeBaseName();
    if (!platform_.files->GetSaveFileName(SaveFilter, index, folder, name)) return;
    name = WithSuffix(name, FilterSuffix(FilterEntry(SaveFilter, index)));
    SaveFilterIndex = index;
    SaveFolder = folder;
    Model.ChooseSaveFileName(name);
    OpenFolder = folder;
    switch (index) {
    case kExcelType:
        ExportWorkbook(name);
        break;
    case kWordType:
        ExportWordDocument(1, name);
        break;
    case kWebType:
        if (WriteResultPage(name)) FileSaved(name, WebTypeName);
        break;
    default:
        if (SaveListAsText(name))
            FileSaved(name, TextTypeName);
        else
            TellOperator(WriteErrorText(QDir::toNativeSeparators(name)), true);
        break;
    }
}

// Only a workbook that was really loaded becomes the target of "save the
// current list": a failed load must not make the next save overwrite it.
void TFormMain::sbLoadClick() {
    if (!platform_.files) return;
    int index = 1;
    QString folder = OpenFolder.isEmpty() ? SaveFolder : OpenFolder;
    QString name;
    if (!platform_.files->GetOpenFileName(OpenFilter, index, folder, name)) return;
    OpenFolder = folder;
    if (!LoadWorkbook(name)) return;
    SaveFilterIndex = index;
    Model.SetSaveFileName(name);
    SetWorkbookTarget(name);
}

// Into the last workbook loaded or saved to; with none yet, the save dialog
// asks for one, the workbook type chosen.
void TFormMain::sbSaveXClick() {
    if (Model.WorkbookTarget().isEmpty()) {
        SaveFilterIndex = kExcelType;
        sbSaveClick();
        return;
    }
    ExportWorkbook(Model.WorkbookTarget());
}

void TFormMain::sbExcelClick() {
    ExportWorkbook(QString());
}

void TFormMain::ApplyLoadedLists(const QString& fileName) {
    // An open penalty edit belongs to the lists as they were.
    CommitCellEdit(CurrentList);
    Model.TakeLoadedLists(fileName);
    ShowLoadedLists();
}

// After a workbook load: the stages the file's name contains are open, each
// on its team database, and the last of them is shown; the lane lists offer
// the time protocol's teams.
void TFormMain::ShowLoadedLists() {
    for (int s = 1; s <= kStageCount; ++s) {
        Startliste[s]->setEnabled(Model.StageEnabled(s));
        if (!Model.StageEnabled(s)) continue;
        if (QAction* entry = StageEntry(StageTag(s, lkDatenbank))) entry->setChecked(true);
    }
    ShowListEntry(StageEntry(Model.ShownTag()));
    ShowLanes(true, !Model.Running());
    StatusPanel0->setText(QString::number(std::max(0, CurrentList->RowCount() - 1)));
    setWindowTitle(LoadedListCaption(Model.ListTitle(), kAppTitle));
    AlignControls();
    UpdateCommandStates();
    CurrentList->Repaint();
}

} // namespace zn
