// The lists as a workbook and the shown list as a word-processor document.
// Both are written completely before they replace a file of the same name; a
// failure tells the operator which file and why.
#include "app/main_window.h"

#include "controls/label_3d.h"
#include "controls/sort_grid.h"
#include "core/stages.h"
#include "documents/docx_writer.h"
#include "documents/workbook_writer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTemporaryFile>
#include <QToolButton>

namespace zn {

namespace {

// Hourglass and a word in the status bar while a file is being written; both
// go back to what they were before the operator is told anything.
class BusyNotice {
public:
    explicit BusyNotice(QLabel* panel) : panel_(panel), saved_(panel->text()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        panel_->setText(QCoreApplication::translate("WorkbookFiles", " Speichern..."));
        panel_->repaint();
    }
    ~BusyNotice() { End(); }
    BusyNotice(const BusyNotice&) = delete;
    BusyNotice& operator=(const BusyNotice&) = delete;

    void End() {
        if (!panel_) return;
        panel_->setText(saved_);
        QApplication::restoreOverrideCursor();
        panel_ = nullptr;
    }

private:
    QLabel* panel_;
    QString saved_;
};

// A chosen name of another type than the one written: a loaded .ods or .xls,
// or the .txt of an earlier text save. Such a file is left alone.
bool OfAnotherType(const QString& chosen, const QString& suffix) {
    const QString own = QFileInfo(chosen).suffix();
    return !own.isEmpty() && own.compare(suffix, Qt::CaseInsensitive) != 0;
}

// The file really written for a chosen name: a relative name lies in the save
// dialog's folder, and the name ends in the type written.
QString WrittenName(const QString& chosen, const QString& folder, const QString& suffix) {
    const QString path = QFileInfo(chosen).isRelative() ? QDir(folder).filePath(chosen) : chosen;
    const QString own = QFileInfo(path).suffix();
    if (own.isEmpty()) return path + u'.' + suffix;
    if (!OfAnotherType(path, suffix)) return path;
    return path.left(path.size() - own.size()) + suffix;
}

// No name ("Datei in MS Excel"): the workbook is shown, not saved, so it goes
// to the temporary folder and the spreadsheet program opens it from there.
// Empty when no file can be made there.
QString ShownWorkbookPath(const QString& listTitle) {
    const QString base = listTitle.isEmpty() ? QStringLiteral("Listen") : listTitle;
    QTemporaryFile shown(QDir(QDir::tempPath()).filePath(base + QStringLiteral("-XXXXXX.xlsx")));
    shown.setAutoRemove(false);
    return shown.open() ? shown.fileName() : QString();
}

QString FailureText(const WriteResult& result) {
    return result.reason.isEmpty() ? result.errorText : result.errorText + u'\n' + result.reason;
}

QString WrittenElsewhereText(const QString& chosen, const QString& written) {
    //: %1 the chosen file's name, %2 the extension it lacks, %3 where the export was written instead
    return QCoreApplication::translate(
               "WorkbookFiles", "%1 ist keine .%2-Datei und bleibt unverändert. Gespeichert wurde unter:\n%3")
        .arg(QFileInfo(chosen).fileName(), QFileInfo(written).suffix(), QDir::toNativeSeparators(written));
}

} // namespace

bool TFormMain::ExportWorkbook(const QString& fileName) {
    BusyNotice busy(StatusPanel1);
    std::array<ListRows, 4> lists;
    std::array<int, 4> colCounts{};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const int list = static_cast<int>(i) + 1;
        lists[i] = Model.Rows(list);
        colCounts[i] = Model.List(list).ColCount();
    }
    const WorkbookExport book =
        ListsWorkbook(lists, colCounts, Model.StageEnabled(kFinalStage), Model.ListTitle(), kAppTitle);

    const QString target = fileName.isEmpty() ? ShownWorkbookPath(Model.ListTitle())
                                              : WrittenName(fileName, SaveFolder, QStringLiteral("xlsx"));
    // A workbook that is there (the organiser's, loaded at the start) takes
    // the lists from its second row and keeps its title line and the rest.
    const bool into = !fileName.isEmpty() && QFileInfo(target).isFile() && IsXlsxWorkbook(target);
    const WriteResult result = target.isEmpty() ? WriteResult{false, WriteErrorText(QDir::tempPath()),
                                                              tr("Keine temporäre Datei möglich")}
                               : into           ? WriteIntoWorkbook(target, book)
                                                : WriteNewWorkbook(target, book);
    busy.End();
    if (!result.ok && fileName.isEmpty() && !target.isEmpty()) QFile::remove(target);
    if (!FinishExport(result, fileName.isEmpty(), fileName, target,
                      tr(" Arbeitsmappe konnte nicht geöffnet werden: %1")))
        return false;
    if (!fileName.isEmpty()) FileSaved(target, ExcelTypeName);
    return true;
}

void TFormMain::SetWorkbookTarget(const QString& path) {
    Model.SetWorkbookTarget(path);
    // A loaded .ods or .xls stays as it is: the tooltip names the .xlsx
    // that is written beside it.
    sbSaveX->setToolTip(path.isEmpty() ? tr("Aktuelle Liste speichern unter MS Excel")
                                       //: tooltip: %1 the workbook the lists are saved into
                                       : tr("Aktuelle Liste speichern unter %1")
                                             .arg(QDir::toNativeSeparators(
                                                 WrittenName(path, SaveFolder, QStringLiteral("xlsx")))));
}

void TFormMain::FileSaved(const QString& path, const QString& type) {
    if (IsWorkbookTarget(path)) SetWorkbookTarget(path);
    // Every save says what it wrote, so the operator knows which file to hand on.
    ShowBriefNote(tr(" Gespeichert: %1").arg(QDir::toNativeSeparators(path)));
    Model.FileSaved(path, type);
}

// Mode 0 ("Datei in MS Word") writes "<list title>.docx" where the web page
// goes (beside the program, or into the data folder) and opens it; mode 1
// saves under the chosen name.
bool TFormMain::ExportWordDocument(int mode, const QString& fileName) {
    BusyNotice busy(StatusPanel1);
    WordDocumentInput input;
    input.title1 = Title1->Caption();
    input.title2 = Title2->Caption();
    input.listTitle = Model.ListTitle();
    input.listCaption = ListCaption;
    input.rows = Model.Rows(Model.ShownList());
    input.colCount = Model.List(Model.ShownList()).ColCount();
    input.protocolLayout = CurrentList == SortGrid1 || CurrentList == SortGrid2;

    const QString title = Model.ListTitle();
    const QString shownName = (title.isEmpty() ? ListCaption : title) + QStringLiteral(".docx");
    const QString target = mode == 0 ? QDir(ResultFolder.folder).filePath(shownName)
                                     : WrittenName(fileName, SaveFolder, QStringLiteral("docx"));
    // "Protokollvorlage.docx" beside the program; the ".doc" of older
    // installations only when it really is a .docx under another name.
    const QFileInfo doc(WordTemplatePath);
    QString templateFile = doc.dir().filePath(doc.completeBaseName() + QStringLiteral(".docx"));
    if (!QFileInfo::exists(templateFile))
        templateFile = IsWordPackage(WordTemplatePath) ? WordTemplatePath : QString();

    const WriteResult result = WriteWordDocument(target, input, templateFile);
    busy.End();
    if (!FinishExport(result, mode == 0, fileName, target, tr(" Dokument konnte nicht geöffnet werden: %1")))
        return false;
    if (mode == 1) FileSaved(target, WordTypeName);
    return true;
}

// After an export: a failure is told; a file made to be shown is opened;
// a chosen file of another type stayed as it was, and the operator learns
// where the export went instead.
bool TFormMain::FinishExport(const WriteResult& result, bool show, const QString& chosen,
                             const QString& target, const QString& cannotOpen) {
    if (!result.ok) {
        TellOperator(FailureText(result), true);
        return false;
    }
    if (show) {
        if (!platform_.shell->Open(target))
            StatusPanel1->setText(cannotOpen.arg(QDir::toNativeSeparators(target)));
    } else if (OfAnotherType(chosen, QFileInfo(target).suffix())) {
        TellOperator(WrittenElsewhereText(chosen, target), false);
    }
    return true;
}

} // namespace zn
