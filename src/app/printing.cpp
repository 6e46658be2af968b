// Printing: the protocol and the certificates of the shown list go through
// the preview window; the printer is chosen in the print dialog, the paper
// and orientation of each kind of document in the window or with "Drucker"
// (Alt+D).
#include "app/main_window.h"

#include "controls/sort_grid.h"
#include "print/form_pp.h"
#include "print/page_setup_dialog.h"
#include "print/print_preview.h"
#include "print/printer_page.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>

namespace zn {

void TFormMain::SetPreviewWindow(TFormPP* preview) {
    FormPP = preview;
    if (!FormPP) return;
    FormPP->PrintPreview1->SetPrinter(Printer.get());
    FormPP->Source = [this] {
        PrintSource source;
        const TSortGrid* list = CurrentList;
        source.table = {list->ColCount(), list->RowCount(),
                        [list](int col, int row) { return list->GetCell(col, row); }};
        source.listTitle = Model.ListTitle();
        source.dateCaption = PanelDate->text();
        source.date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        source.layout = &CertificateLines;
        source.firstRow = PrintFirstRow;
        source.lastRow = PrintLastRow;
        source.page = &PageSetupOf(FormPP->PrintPreview1->Tag);
        return source;
    };
    FormPP->AskPdfFileName = [this](QString& name) {
        if (!platform_.files) return false;
        int index = 1;
        QString folder = SaveFolder.isEmpty() ? ResultFolder.folder : SaveFolder;
        name = QDir(folder).filePath(name);
        return platform_.files->GetSaveFileName(tr("PDF-Datei (*.pdf)"), index, folder, name);
    };
    FormPP->Tell = [this](const QString& text, bool error) { TellOperator(text, error); };
    FormPP->Saved = [this](const QString& file) { FileSaved(file, QStringLiteral("PDF-Datei")); };
    FormPP->Ask = [this](const QString& question) {
        QMessageBox box(QMessageBox::Warning, kAppTitle, question, QMessageBox::Yes | QMessageBox::Cancel,
                        this);
        box.button(QMessageBox::Yes)->setText(tr("Ja"));
        box.button(QMessageBox::Cancel)->setText(tr("Abbrechen"));
        box.setDefaultButton(QMessageBox::Cancel);
        return platform_.modal->Exec(box) == QMessageBox::Yes;
    };
}

PageSetup& TFormMain::PageSetupOf(int tag) {
    const PrintKind kind = tag != 0 ? PrintKind::Certificates : PrintKind::Protocol;
    return Settings.pages[static_cast<size_t>(kind)];
}

namespace {

// Whether a row below the header names a team (column 1).
bool HasTeamRow(const TSortGrid* list) {
    for (int row = 1; row < list->RowCount(); ++row)
        if (!list->GetCell(1, row).trimmed().isEmpty()) return true;
    return false;
}

} // namespace

void TFormMain::sbGramotyClick(QObject* sender) {
    const bool certificates = sender == sbGramoty;
    if (!FormPP || RefuseDuringRun(certificates ? tr("Urkunden drucken") : tr("Protokoll drucken"))) return;
    if (certificates && !HasTeamRow(CurrentList)) {
        // A certificate with no team on it would be " sek." and the date.
        TellOperator(tr("Die Liste enthält keine Mannschaft: keine Urkunden zu drucken."), false);
        return;
    }
    FormPP->PrintPreview1->Tag = certificates ? 1 : 0;
    // The print dialog shows this document's paper and orientation, and
    // what is changed there stays with this document.
    PageSetup& page = PageSetupOf(FormPP->PrintPreview1->Tag);
    ApplyPageSetup(*Printer, page);
    const int maxPage = certificates ? std::max(1, CurrentList->RowCount() - 1) : 1;
    Printer->setFromTo(1, maxPage);
    Printer->setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(Printer.get(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, maxPage);
    if (platform_.modal->Exec(dialog) != QDialog::Accepted) return;
    TakePageSetup(*Printer, page);
    const bool range = Printer->printRange() == QPrinter::PageRange && Printer->fromPage() > 0;
    PrintFirstRow = range ? Printer->fromPage() : 1;
    PrintLastRow = range ? Printer->toPage() : maxPage;
    // The pages are composed as the window shows; one already open is
    // composed again, or it would go on showing the other document.
    if (FormPP->isVisible())
        FormPP->ComposePages();
    else
        FormPP->show();
    FormPP->raise();
    FormPP->activateWindow();
}

// The paper and orientation of the protocol and of the certificates, for
// every printer: the system's page set-up refuses Qt's own PDF printer, and a
// choice for the printer would carry one document's orientation into the
// other's. The printer itself is chosen in the print dialog.
void TFormMain::Drucker1Click() {
    //: the printer set-up command, named in a note that it is locked during a run
    if (RefuseDuringRun(tr("Drucker"))) return;
    PageSetupDialog dialog(Settings.pages, this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    if (platform_.modal->Exec(dialog) != QDialog::Accepted) return;
    Settings.pages = dialog.Chosen();
    if (FormPP && FormPP->isVisible()) FormPP->ComposePages();
}

} // namespace zn
