// Printing of TPrintPreview: the printer's paper and orientation, a range of
// pages sent to the printer, and the pages written into a PDF file.
#include "print/print_preview.h"

#include "print/printer_page.h"

#include "core/system_errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace zn {

Q_LOGGING_CATEGORY(lcPrint, "zn.print.job", QtWarningMsg)

namespace {

// The end of a job by the user, the printer, or a failure on the way.
struct EAbortPrint {};

} // namespace

void TPrintPreview::UpdateDeviceMetrics() {
    if (!PrinterInstalled()) {
        printerDpiX_ = screenDpi_;
        printerDpiY_ = screenDpi_;
    } else {
        printerDpiX_ = printer_->logicalDpiX();
        printerDpiY_ = printer_->logicalDpiY();
    }
    pagePixelWidth_ = ConvertUnits(paperWidth_, printerDpiX_, units_, mmPixel);
    pagePixelHeight_ = ConvertUnits(paperHeight_, printerDpiY_, units_, mmPixel);
}

bool TPrintPreview::ApplyPrinterSetup() {
    if (!PrinterInstalled() || printer_->printerState() == QPrinter::Active) return true;
    QPageSize size = PageSizeOf(paperType_);
    if (!size.isValid() || size.id() == QPageSize::Custom) {
        // The printer takes the size portrait, in mm, and turns it itself.
        int w = ConvertUnits(paperWidth_, printerDpiX_, units_, mmHiMetric);
        int h = ConvertUnits(paperHeight_, printerDpiY_, units_, mmHiMetric);
        if (orientation_ == poLandscape) std::swap(w, h);
        size = QPageSize(QSizeF(w / 100.0, h / 100.0), QPageSize::Millimeter);
    }
    const bool taken = ApplyPageSetup(*printer_, size, orientation_ == poLandscape);
    if (!taken) qCWarning(lcPrint) << "paper size refused:" << size.name();
    UpdateDeviceMetrics();
    return taken;
}

PageBox TPrintPreview::SheetInside(bool leastMargins) const {
    PageBox box{0, 0, paperWidth_, paperHeight_};
    if (!PrinterInstalled()) return box;
    QPageLayout layout = printer_->pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = leastMargins ? layout.minimumMargins() : layout.margins();
    const auto x = [this](double mm) {
        return ConvertUnits(qRound(mm * 100), printerDpiX_, mmHiMetric, units_);
    };
    const auto y = [this](double mm) {
        return ConvertUnits(qRound(mm * 100), printerDpiY_, mmHiMetric, units_);
    };
    box.left = x(m.left());
    box.top = y(m.top());
    box.right -= x(m.right());
    box.bottom -= y(m.bottom());
    return box;
}

PageBox TPrintPreview::PrintableArea() const {
    return SheetInside(true);
}

PageBox TPrintPreview::PageArea() const {
    return SheetInside(false);
}

bool TPrintPreview::PrintProgress(int page, int done, int total) {
    bool abortIt = false;
    if (OnPrintProgress) OnPrintProgress(this, page, MulDiv(100, done, total), abortIt);
    const QPrinter::PrinterState st = printer_->printerState();
    return !abortIt && st != QPrinter::Aborted && st != QPrinter::Error;
}

void TPrintPreview::Print() {
    PrintPages(1, PageCount());
}

void TPrintPreview::PrintPages(int from, int to) {
    const int count = PageCount();
    if (count == 0 || state_ != psIdle || !PrinterInstalled()) return;
    from = std::clamp(from, 1, count);
    to = std::clamp(to, 1, count);
    if (from > to) return;

    aborted_ = false;
    int done = 0;
    const int total = to - from + 1;
    state_ = psPrinting;
    Fire(OnBeforePrint);

    bool aborted = false;
    const bool wasFullPage = printer_->fullPage();
    QPainter painter;
    try {
        ApplyPrinterSetup();
        // The painter starts at the sheet's corner and a page covers the
        // whole sheet at its real size, so that every line lands on its
        // millimetres from the paper's edge whatever margins the printer
        // keeps (stretched onto the sheet, a page of the printable area
        // moved a line at 200 mm by 7 mm on A4).
        printer_->setFullPage(true);
        const QRectF sheet = printer_->pageLayout().fullRect(QPageLayout::Millimeter);
        const double pixelsPerMm = printer_->resolution() / 25.4;
        const QRectF r(0, 0, sheet.width() * pixelsPerMm, sheet.height() * pixelsPerMm);
        printer_->setDocName(PrintJobTitle);
        if (!painter.begin(printer_)) throw EAbortPrint{};
        for (int p = from; p <= to; ++p) {
            if (!PrintProgress(p, done, total)) throw EAbortPrint{};
            pages_.Items(p - 1).Play(painter, r);
            ++done;
            QCoreApplication::processEvents();
            if (!PrintProgress(p, done, total)) throw EAbortPrint{};
            if (p != to && !printer_->newPage()) throw EAbortPrint{};
        }
    } catch (...) {
        aborted = true;
    }

    if (aborted) {
        aborted_ = true;
        if (painter.isActive()) {
            printer_->abort();
            painter.end();
        }
        Fire(OnAbort);
    } else {
        Fire(OnAfterPrint);
        painter.end();
    }
    // A printer whose engine failed to start stays active and keeps its title.
    if (printer_->printerState() != QPrinter::Active) {
        printer_->setDocName(QString());
        printer_->setFullPage(wasFullPage);
    }
    state_ = psIdle;
}

bool TPrintPreview::SavePdf(const QString& fileName, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error) *error = tr("Die Datei \"%1\" kann nicht geschrieben werden: %2").arg(fileName, reason);
        return false;
    };
    {
        // QPdfWriter gives no reason when it cannot open its file; a plain
        // open of the same file does.
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly)) return fail(FileErrorText(probe));
    }
    QPdfWriter writer(fileName);
    writer.setResolution(1200);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setTitle(PrintJobTitle);
    const QSizeF mm(ConvertUnits(paperWidth_, printerDpiX_, units_, mmHiMetric) / 100.0,
                    ConvertUnits(paperHeight_, printerDpiY_, units_, mmHiMetric) / 100.0);
    writer.setPageLayout(
        QPageLayout(QPageSize(mm, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) return fail(tr("PDF-Ausgabe nicht möglich"));
    // The sheet at its real size (whole pixels would cut up to 0.02 mm).
    const double pixelsPerMm = writer.resolution() / 25.4;
    const QRectF r(0, 0, mm.width() * pixelsPerMm, mm.height() * pixelsPerMm);
    for (int i = 0; i < PageCount(); ++i) {
        if (i > 0) writer.newPage();
        pages_.Items(i).Play(painter, r);
    }
    if (!painter.end()) return fail(tr("PDF-Ausgabe nicht abgeschlossen"));
    return true;
}

} // namespace zn
