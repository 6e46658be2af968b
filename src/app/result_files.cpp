// The shown list on disk: the auto-saved text file after every run, the save
// dialog with its export types, and putting freshly loaded lists into use.
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
    OpenFilter = ExcelTypeName + QStringLiteral(" (*.xlsx *.xls *.ods)");
    SaveFilter = ExcelTypeName + QStringLiteral(" (*.xlsx);;") + WordTypeName +
                 QStringLiteral(" (*.docx);;") + WebTypeName + QStringLiteral(" (*.html);;") + TextTypeName +
                 QStringLiteral(" (*.txt)");
    UseResultFolder(ChooseOutputLocation());
}

void TFormMain::UseResultFolder(const OutputLocation& location) {
    ResultFolder = location;
    AutoSaveFile = AutoSaveFilePath(location, QCoreApplication::applicationFilePath());
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

// A failed write leaves the list in memory and the old file as they were; the
// status bar says so (the auto-save after a run must not stop the run with a
// box). The save button adds a message box of its own.
bool TFormMain::SaveListAsText(const QString& fileName) {
    const WriteResult result = SaveListText(fileName, RowsOf(CurrentList->Store()), CurrentList->ColCount());
    if (!result.ok) StatusPanel1->setText(u' ' + result.errorText);
    return result.ok;
}

void TFormMain::sbSaveClick() {
    if (!platform_.files) return;
    int index = SaveFilterIndex;
    QString folder = SaveFolder;
    // The chosen type brings its own extension.
    QString name = QFileInfo(SaveFileName).completeBaseName();
    if (!platform_.files->GetSaveFileName(SaveFilter, index, folder, name)) return;
    name = WithSuffix(name, FilterSuffix(FilterEntry(SaveFilter, index)));
    SaveFilterIndex = index;
    SaveFolder = folder;
    SaveFileName = name;
    OpenFolder = folder;
    switch (index) {
    case kExcelType:
        ExportWorkbook(name);
        break;
    case kWordType:
        ExportWordDocument(1, name);
        break;
    case kWebType:
        WriteResultPage(name);
        break;
    default:
        if (!SaveListAsText(name)) TellOperator(WriteErrorText(QDir::toNativeSeparators(name)), true);
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
    SaveFileName = name;
    sbSaveX->setToolTip(QStringLiteral("Aktuelle Liste speichern unter ") + QDir::toNativeSeparators(name));
}

void TFormMain::sbSaveXClick() {
    ExportWorkbook(SaveFileName);
}

void TFormMain::sbExcelClick() {
    ExportWorkbook(QString());
}

// After a workbook load: the stages the file's name contains are opened and
// the last of them shows its team database; the lane lists offer its teams.
void TFormMain::ApplyLoadedLists(const QString& fileName) {
    const StageDetection stages = DetectStages(fileName);
    for (int s = 1; s <= kStageCount; ++s) {
        Startliste[s]->setEnabled(stages.enabled[s - 1]);
        if (stages.enabled[s - 1]) SelectDatenbank(StageEntry(StageTag(s, lkDatenbank)));
    }
    RerankResultList();
    const LaneListContents lanes = LaneListItems(RowsOf(CurrentList->Store()));
    const QSignalBlocker quiet1(cbBuhn1);
    const QSignalBlocker quiet2(cbBuhn2);
    for (QComboBox* lane : {cbBuhn1, cbBuhn2}) {
        lane->clear();
        lane->addItems(lanes.items);
    }
    StatusPanel0->setText(QString::number(std::max(0, CurrentList->RowCount() - 1)));
    Hint = stages.baseName;
    setWindowTitle(LoadedListCaption(stages.baseName, kAppTitle));
    cbBuhn1->setEnabled(lanes.lane1Enabled());
    cbBuhn1->setCurrentIndex(lanes.lane1Index);
    cbBuhn2->setEnabled(lanes.lane2Enabled());
    cbBuhn2->setCurrentIndex(lanes.lane2Index);
    AlignControls();
    UpdateCommandStates();
    CurrentList->Repaint();
}

} // namespace zn
