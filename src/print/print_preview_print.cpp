// Printing of TPrintPreview: the printer's paper and orientation, a range of
// pages sent to the printer, and the pages written into a PDF file.
#include "print/print_preview.h"

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
        if (state_ != psPrinting && printer_->printerState() != QPrinter::Active)
            printer_->setPageOrientation(orientation_ == poLandscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
        printerDpiX_ = printer_->logicalDpiX();
        printerDpiY_ = printer_->logicalDpiY();
    }
    pagePixelWidth_ = ConvertUnits(paperWidth_, printerDpiX_, units_, mmPixel);
    pagePixelHeight_ = ConvertUnits(paperHeight_, printerDpiY_, units_, mmPixel);
}

void TPrintPreview::ApplyPrinterSetup() {
    if (!PrinterInstalled()) return;
    QPageSize size;
    if (paperType_ != pCustom) size = QPageSize(QPageSize::id(PaperSizeTable[paperType_].code));
    const bool fromPrinter = paperType_ == pCustom && TakenFromPrinter();
    if (fromPrinter) {
        // The page is the printer's own printable area (as the preview window
        // composes it): a custom paper of that size would be smaller than the
        // sheet, and the next composition would shrink it again.
    } else if (!size.isValid() || size.id() == QPageSize::Custom) {
        // The printer takes the size portrait, in mm, and turns it itself.
        int w = ConvertUnits(paperWidth_, printerDpiX_, units_, mmLoMetric);
        int h = ConvertUnits(paperHeight_, printerDpiY_, units_, mmLoMetric);
        if (orientation_ == poLandscape) std::swap(w, h);
        size = QPageSize(QSizeF(w / 10.0, h / 10.0), QPageSize::Millimeter);
    }
    if (!fromPrinter && !printer_->setPageSize(size))
        qCWarning(lcPrint) << "paper size refused:" << size.name();
    printer_->setPageOrientation(orientation_ == poLandscape ? QPageLayout::Landscape
                                                             : QPageLayout::Portrait);
}

bool TPrintPreview::TakenFromPrinter() const {
    const auto loMetric = [this](int value, int dpi) { return ConvertUnits(value, dpi, units_, mmLoMetric); };
    const int w = printer_->width() * 254 / printer_->logicalDpiX();
    const int h = printer_->height() * 254 / printer_->logicalDpiY();
    return std::abs(loMetric(paperWidth_, printerDpiX_) - w) <= 1 &&
           std::abs(loMetric(paperHeight_, printerDpiY_) - h) <= 1;
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
    QPainter painter;
    try {
        ApplyPrinterSetup();
        // The whole sheet in the coordinates of the printable area, which
        // start at its top-left corner: the pages are drawn from the paper's
        // edge like on the screen, whatever margins the printer keeps.
        const QPageLayout layout = printer_->pageLayout();
        const int dpi = printer_->resolution();
        const QRect paint = layout.paintRectPixels(dpi);
        const QRectF r = QRectF(layout.fullRectPixels(dpi)).translated(-paint.topLeft());
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
    if (printer_->printerState() != QPrinter::Active) printer_->setDocName(QString());
    state_ = psIdle;
}

bool TPrintPreview::SavePdf(const QString& fileName, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error)
            *error =
                QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2").arg(fileName, reason);
        return false;
    };
    {
        // QPdfWriter gives no reason when it cannot open its file; a plain
        // open of the same file does.
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly)) return fail(probe.errorString());
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
    if (!painter.begin(&writer)) return fail(QStringLiteral("PDF-Ausgabe nicht möglich"));
    const QRectF r(0, 0, writer.width(), writer.height());
    for (int i = 0; i < PageCount(); ++i) {
        if (i > 0) writer.newPage();
        pages_.Items(i).Play(painter, r);
    }
    if (!painter.end()) return fail(QStringLiteral("PDF-Ausgabe nicht abgeschlossen"));
    return true;
}

} // namespace zn
