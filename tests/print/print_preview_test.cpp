#include "print/paper_preview.h"
#include "print/print_preview.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

using namespace zn;

namespace {

// A preview with `pages` recorded pages, each saying its number.
void Record(TPrintPreview& preview, int pages) {
    preview.BeginDoc();
    for (int i = 1; i <= pages; ++i) {
        if (i > 1) preview.NewPage();
        preview.Canvas()->TextOut(1000, 1000, QStringLiteral("Seite %1").arg(i));
    }
    preview.EndDoc();
}

// A PDF printer of 600 pixels per inch writing into a temporary folder.
struct PdfPrinter {
    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    PdfPrinter() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("druck.pdf")));
        printer.setResolution(600);
    }
};

// The page numbers one print run reached, and how the run ended.
struct PrintLog {
    std::set<int> pages;
    int before = 0;
    int after = 0;
    int aborts = 0;
    int abortOn = 0;
    void Attach(TPrintPreview& preview) {
        preview.OnBeforePrint = [this](TPrintPreview*) { ++before; };
        preview.OnAfterPrint = [this](TPrintPreview*) { ++after; };
        preview.OnAbort = [this](TPrintPreview*) { ++aborts; };
        preview.OnPrintProgress = [this](TPrintPreview* p, int page, int, bool& abortIt) {
            EXPECT_EQ(p->State(), psPrinting);
            pages.insert(page);
            if (page == abortOn) abortIt = true;
        };
    }
};

} // namespace

TEST(PrintPreview, UnitsConvertLengthsAndMarginsKeepTheMinimum) {
    TPrintPreview preview;
    preview.SetUnits(mmLoMetric);
    EXPECT_EQ(preview.PaperWidth(), 2100);
    EXPECT_EQ(preview.PaperHeight(), 2970);
    EXPECT_EQ(preview.MarginLeft(), 70);
    EXPECT_EQ(preview.MarginBottom(), 70);
    EXPECT_EQ(preview.MinMargin(), 60);
    EXPECT_EQ(preview.Font.size, 20);
    preview.SetMarginLeft(30);
    EXPECT_EQ(preview.MarginLeft(), 60);
    preview.SetMarginTop(61);
    EXPECT_EQ(preview.MarginTop(), 61);
    const PageBox box = preview.MarginRect();
    EXPECT_EQ(box.right, 2100 - 70);
    EXPECT_EQ(box.bottom, 2970 - 70);

    preview.SetOrientation(poLandscape);
    preview.SetPaperType(pA3);
    EXPECT_EQ(preview.PaperWidth(), 4200);
    EXPECT_EQ(preview.PaperHeight(), 2970);
}

TEST(PrintPreview, PaperSizesAreLimitedAndMakeTheTypeCustom) {
    TPrintPreview preview;
    preview.SetPaperWidth(40000);
    EXPECT_EQ(preview.PaperWidth(), 32767);
    EXPECT_EQ(preview.PaperType(), pCustom);
    preview.SetPaperHeight(-5);
    EXPECT_EQ(preview.PaperHeight(), 1);
    preview.SetPaperWidth(0);
    EXPECT_EQ(preview.PaperWidth(), 1);
    preview.SetPaperType(pA5);
    EXPECT_EQ(preview.PaperWidth(), 14800);
    EXPECT_EQ(preview.PaperHeight(), 21000);
}

TEST(PrintPreview, OrientationIsLockedWhileRecordingAndUnitsMoveTheOpenPage) {
    TPrintPreview preview;
    preview.BeginDoc();
    preview.SetOrientation(poLandscape);
    EXPECT_EQ(preview.Orientation(), poPortrait);
    EXPECT_EQ(preview.PaperWidth(), 21000);
    preview.Canvas()->Rectangle(1000, 2000, 3000, 4000);
    preview.SetUnits(mmLoMetric);
    preview.Canvas()->Rectangle(100, 200, 300, 400);
    preview.EndDoc();
    const PageRecord& page = preview.Pages().Items(0);
    EXPECT_EQ(page.width, 2100);
    std::vector<PageOp> rects;
    for (const PageOp& op : page.ops)
        if (op.kind == PageOp::opRect) rects.push_back(op);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], rects[1]); // drawn before and after the change: the same place

    preview.SetOrientation(poLandscape);
    EXPECT_EQ(preview.Orientation(), poLandscape);
    EXPECT_EQ(preview.PaperWidth(), 2970);
    EXPECT_EQ(preview.PaperHeight(), 2100);
}

TEST(PrintPreview, RecordingStoresPagesAndShowsTheFirst) {
    TPrintPreview preview;
    int changes = 0;
    preview.OnChange = [&](TPrintPreview*) { ++changes; };
    preview.BeginDoc();
    EXPECT_TRUE(preview.Paper->isHidden());
    EXPECT_EQ(preview.CurrentPage(), 0);
    preview.NewPage();
    EXPECT_EQ(preview.CurrentPage(), 1);
    EXPECT_FALSE(preview.Paper->isHidden());
    preview.EndDoc();
    EXPECT_EQ(preview.PageCount(), 2);
    EXPECT_EQ(preview.State(), psIdle);
    EXPECT_EQ(preview.Canvas(), nullptr);
    changes = 0;
    preview.Clear();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(preview.PageCount(), 0);
    EXPECT_TRUE(preview.Paper->isHidden());
    preview.SetCurrentPage(1);
    EXPECT_EQ(preview.CurrentPage(), 0);

    // A page no printer pixel wide cannot be opened; the document stays open.
    preview.SetPaperWidth(1);
    EXPECT_THROW(preview.BeginDoc(), EOutOfResources);
    EXPECT_EQ(preview.State(), psCreating);
}

TEST(PrintPreview, PageKeysClampAndCtrlJumpsToTheEnds) {
    TPrintPreview preview;
    Record(preview, 3);
    int changes = 0;
    preview.OnChange = [&](TPrintPreview*) { ++changes; };
    QTest::keyClick(&preview, Qt::Key_PageUp);
    EXPECT_EQ(preview.CurrentPage(), 1);
    EXPECT_EQ(changes, 0);
    QTest::keyClick(&preview, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(preview.CurrentPage(), 3);
    QTest::keyClick(&preview, Qt::Key_PageDown);
    EXPECT_EQ(preview.CurrentPage(), 3);
    QTest::keyClick(&preview, Qt::Key_PageUp);
    EXPECT_EQ(preview.CurrentPage(), 2);
    QTest::keyClick(&preview, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(preview.CurrentPage(), 1);
    QTest::keyClick(&preview, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(preview.CurrentPage(), 1);
    EXPECT_EQ(changes, 3);
}

TEST(PrintPreview, ZoomShowsThePaperAtTheScreensSizeAndScrollsIt) {
    PdfPrinter pdf;
    TPrintPreview preview;
    preview.resize(400, 300);
    preview.SetScreenDpi(96);
    preview.SetPrinter(&pdf.printer);
    preview.SetUnits(mmLoMetric);
    Record(preview, 2);
    EXPECT_EQ(preview.PrinterDpiX(), 600);
    preview.SetZoom(100);
    EXPECT_NEAR(preview.Paper->PaperWidth(), 794, 1);
    const int panel = preview.Panel->width();
    EXPECT_EQ(preview.HorzScrollBar->maximum(), preview.Paper->width() - panel + 12);
    EXPECT_FALSE(preview.HorzScrollBar->isHidden());
    EXPECT_EQ(preview.Paper->x(), 6);
    QTest::keyClick(&preview, Qt::Key_Right);
    EXPECT_EQ(preview.HorzScrollBar->value(), 8);
    EXPECT_EQ(preview.Paper->x(), 6 - 8);
    QTest::keyClick(&preview, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(preview.VertScrollBar->value(), preview.VertScrollBar->maximum());
    EXPECT_EQ(preview.HorzScrollBar->value(), 8);
    EXPECT_EQ(preview.Paper->cursor().shape(), Qt::PointingHandCursor);

    // Dragging the paper to the left shows more of its right side.
    QTest::mousePress(preview.Paper, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(70, 100), preview.Paper->mapToGlobal(QPointF(70, 100)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(preview.Paper, &move);
    EXPECT_EQ(preview.HorzScrollBar->value(), 8 + 30);

    preview.SetZoomState(zsZoomToFit);
    EXPECT_TRUE(preview.HorzScrollBar->isHidden());
    EXPECT_TRUE(preview.VertScrollBar->isHidden());
    EXPECT_EQ(preview.Paper->height(), preview.Panel->height() - 12); // A4 is taller than 4:3
    EXPECT_EQ(preview.Paper->x(), (preview.Panel->width() - preview.Paper->width()) / 2);
    EXPECT_EQ(preview.Paper->cursor().shape(), Qt::ArrowCursor);
}

TEST(PrintPreview, PrintPagesClampsTheRange) {
    PdfPrinter pdf;
    TPrintPreview preview;
    preview.SetPrinter(&pdf.printer);
    Record(preview, 3);
    PrintLog log;
    log.Attach(preview);
    preview.PrintPages(0, 0);
    EXPECT_EQ(log.pages, std::set<int>{1});
    log.pages.clear();
    preview.PrintPages(2, 9);
    EXPECT_EQ(log.pages, (std::set<int>{2, 3}));
    log.pages.clear();
    preview.PrintPages(3, 2);
    EXPECT_TRUE(log.pages.empty());
    EXPECT_EQ(log.before, 2);
    EXPECT_EQ(log.after, 2);
    EXPECT_EQ(log.aborts, 0);
    EXPECT_TRUE(QFile::exists(pdf.printer.outputFileName()));

    preview.SetPrinter(nullptr);
    preview.Print();
    EXPECT_EQ(log.before, 2);
}

TEST(PrintPreview, AbortingEndsTheJobAndReturnsToIdle) {
    PdfPrinter pdf;
    TPrintPreview preview;
    preview.SetPrinter(&pdf.printer);
    preview.PrintJobTitle = QStringLiteral("Zeitenprotokoll");
    Record(preview, 3);
    PrintLog log;
    log.Attach(preview);
    log.abortOn = 2;
    preview.Print();
    EXPECT_EQ(log.aborts, 1);
    EXPECT_EQ(log.after, 0);
    EXPECT_EQ(log.pages, (std::set<int>{1, 2}));
    EXPECT_TRUE(preview.Aborted());
    EXPECT_EQ(preview.State(), psIdle);
    EXPECT_TRUE(pdf.printer.docName().isEmpty());

    log.abortOn = 0;
    preview.Print();
    EXPECT_FALSE(preview.Aborted());
    EXPECT_EQ(log.after, 1);
}

TEST(PrintPreview, PdfPrinterWithoutFileCountsAsAbortedJob) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    TPrintPreview preview;
    preview.SetPrinter(&printer);
    Record(preview, 1);
    PrintLog log;
    log.Attach(preview);
    preview.Print();
    EXPECT_EQ(log.aborts, 1);
    EXPECT_TRUE(preview.Aborted());
    EXPECT_EQ(preview.State(), psIdle);
}

TEST(PrintPreview, SavePdfKeepsTextAsText) {
    QTemporaryDir dir;
    TPrintPreview preview;
    preview.SetUnits(mmLoMetric);
    preview.BeginDoc();
    preview.Canvas()->TextOut(200, 200, QStringLiteral("Größe Übung Äpfel"));
    preview.NewPage();
    preview.Canvas()->TextOut(200, 200, QStringLiteral("Seite zwei"));
    preview.EndDoc();
    const QString pdf = dir.filePath(QStringLiteral("liste.pdf"));
    QString error;
    ASSERT_TRUE(preview.SavePdf(pdf, &error)) << error.toStdString();

    EXPECT_FALSE(preview.SavePdf(dir.filePath(QStringLiteral("fehlt/liste.pdf")), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Die Datei "))) << error.toStdString();

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Größe Übung Äpfel"))) << text.toStdString();
    EXPECT_LT(text.indexOf(QStringLiteral("Größe")), text.indexOf(QStringLiteral("Seite zwei")));
    EXPECT_TRUE(text.contains(QChar('\f'))); // two sheets
}

TEST(PaperPreview, DrawsBorderShadowAndPaperInTheirPlaces) {
    QWidget parent;
    TPaperPreview paper(&parent);
    EXPECT_EQ(paper.PaperWidth(), 105);
    paper.SetShadowColor(clRed);
    paper.SetPaperColor(clYellow);
    paper.SetBorderSize(2);
    paper.SetPaperWidth(50);
    paper.SetPaperHeight(40);
    EXPECT_EQ(paper.size(), QSize(50 + 4 + 3, 40 + 4 + 3));
    QRect painted;
    paper.OnPaint = [&](TPaperPreview*, QPainter&, const QRect& r) { painted = r; };
    const QImage image = paper.grab().toImage();
    const int w = paper.width();
    const int h = paper.height();
    EXPECT_EQ(painted, QRect(2, 2, 50, 40));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));         // border
    EXPECT_EQ(image.pixelColor(w - 4, h - 4), QColor(Qt::black)); // border's far corner
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::yellow));        // paper
    EXPECT_EQ(image.pixelColor(w - 1, h - 1), QColor(Qt::red));   // shadow
    EXPECT_EQ(image.pixelColor(w - 1, 3), QColor(Qt::red));       // shadow starts S down
    EXPECT_NE(image.pixelColor(w - 1, 2), QColor(Qt::red));       // corner left free
    EXPECT_NE(image.pixelColor(2, h - 1), QColor(Qt::red));
}
