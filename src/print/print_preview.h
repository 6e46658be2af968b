#pragma once

#include "core/page_canvas.h"
#include "core/print_units.h"
#include "core/printed_pages.h"
#include "print/metafile_list.h"
#include "print/recording_canvas.h"

#include <QFrame>
#include <functional>
#include <memory>
#include <stdexcept>

class QPrinter;
class QScrollBar;

namespace zn {

class TPaperPreview;
class TPrintPreview;

enum TZoomState { zsZoomOther, zsZoomToWidth, zsZoomToHeight, zsZoomToFit };
enum TPrinterOrientation { poPortrait, poLandscape };
enum TPreviewState { psIdle, psCreating, psPrinting };

using TPreviewNotifyEvent = std::function<void(TPrintPreview* Sender)>;
using TPreviewPrintProgress =
    std::function<void(TPrintPreview* Sender, int PageNum, int Progress, bool& AbortIt)>;

// A page image or its surface could not be made.
class EOutOfResources : public std::runtime_error {
public:
    EOutOfResources() : std::runtime_error("Not enough memory to create a new page") {}
};

// Records pages as vector drawings (BeginDoc, draw on Canvas, NewPage, EndDoc),
// shows one at a time on a sheet of paper in a scrollable, zoomable view, and
// prints any range of them. All lengths are in `Units`, from the sheet's
// top-left corner: a page is the whole sheet and prints at its real size.
class TPrintPreview : public QFrame, public IPageDocument {
    Q_OBJECT
public:
    explicit TPrintPreview(QWidget* parent = nullptr);
    ~TPrintPreview() override;

    // The printer it prints to and takes its resolution and margins from; it
    // gets the paper and orientation with ApplyPrinterSetup. Null (or a
    // printer that is not valid) counts as no printer installed.
    void SetPrinter(QPrinter* printer);
    QPrinter* Printer() const { return printer_; }
    bool PrinterInstalled() const;
    // The screen's pixels per inch (font heights, zoom); the primary screen's at creation.
    int ScreenDpi() const { return screenDpi_; }
    void SetScreenDpi(int dpi);

    QString PrintJobTitle;
    int Tag = 0;

    TUnits Units() const { return units_; }
    void SetUnits(TUnits value);
    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation value);
    TPaperType PaperType() const { return paperType_; }
    void SetPaperType(TPaperType value);
    int PaperWidth() const { return paperWidth_; }
    void SetPaperWidth(int value);
    int PaperHeight() const { return paperHeight_; }
    void SetPaperHeight(int value);
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int value);
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int value);
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int value);
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int value);
    TZoomState ZoomState() const { return zoomState_; }
    void SetZoomState(TZoomState value);
    int Zoom() const { return zoom_; }
    void SetZoom(int value);
    bool UseTempFile() const { return pages_.UseTempFile(); }
    void SetUseTempFile(bool value);
    // Copied to each new page's surface; its size is in Units.
    PageFont Font{QStringLiteral("Arial"), 200, 0, clBlack};

    TPreviewNotifyEvent OnBeginDoc;
    TPreviewNotifyEvent OnEndDoc;
    TPreviewNotifyEvent OnNewPage;
    TPreviewNotifyEvent OnAbort;
    TPreviewNotifyEvent OnChange;
    TPreviewNotifyEvent OnBeforePrint;
    TPreviewNotifyEvent OnAfterPrint;
    TPreviewPrintProgress OnPrintProgress;

    TPreviewState State() const { return state_; }
    int CurrentPage() const { return currentPage_; }
    void SetCurrentPage(int value);
    int PageCount() const { return pages_.Count(); }
    int MinMargin() const { return minMargin_; }
    int PrinterDpiX() const { return printerDpiX_; }
    int PrinterDpiY() const { return printerDpiY_; }
    int PagePixelWidth() const { return pagePixelWidth_; }
    int PagePixelHeight() const { return pagePixelHeight_; }
    // Set when a print job ended by abort; cleared when printing starts or on Clear.
    bool Aborted() const { return aborted_; }

    void BeginDoc();
    void NewPage() override;
    void EndDoc();
    // The open page's surface while recording, otherwise null.
    IPageCanvas* Canvas() override;
    void Clear();
    PageBox MarginRect() const;
    void Print();
    void PrintPages(int from, int to);
    // Writes every page into a PDF of the paper's size, one page per sheet,
    // text as text with its fonts embedded. False with the reason in `error`.
    bool SavePdf(const QString& fileName, QString* error = nullptr);

    void UpdateDeviceMetrics();
    void UpdateLayout();
    // Gives the printer this paper and orientation; false when it refuses the
    // paper. Nothing is done while it prints.
    bool ApplyPrinterSetup();
    // The part of the sheet the printer reaches (inside its least margins) and
    // the part it prints a page on (inside its page margins), in Units from
    // the sheet's top-left corner; without a printer, the whole sheet.
    PageBox PrintableArea() const;
    PageBox PageArea() const;

    // The page store, for reading pages back.
    TMetaFileList& Pages() { return pages_; }

    QScrollBar* VertScrollBar = nullptr;
    QScrollBar* HorzScrollBar = nullptr;
    QWidget* Panel = nullptr;
    TPaperPreview* Paper = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OpenPage();
    void ClosePage();
    void ConvertOpenPage(TUnits to);
    void PlaceChildren();
    void ScrollPaper();
    bool PrintProgress(int page, int done, int total);
    PageBox SheetInside(bool leastMargins) const;
    void PaperPaint(QPainter& canvas, const QRect& pageRect);
    void PaperMouseDown(QMouseEvent* event);
    void PaperMouseMove(QMouseEvent* event);
    void Fire(const TPreviewNotifyEvent& event);

    QPrinter* printer_ = nullptr;
    int screenDpi_ = 96;
    TUnits units_ = mmHiMetric;
    TPrinterOrientation orientation_ = poPortrait;
    TPaperType paperType_ = pA4;
    int paperWidth_ = 21000;
    int paperHeight_ = 29700;
    int marginLeft_ = 700;
    int marginRight_ = 700;
    int marginTop_ = 700;
    int marginBottom_ = 700;
    TZoomState zoomState_ = zsZoomToFit;
    int zoom_ = 100;
    TPreviewState state_ = psIdle;
    int currentPage_ = 0;
    int minMargin_ = 600;
    int printerDpiX_ = 96;
    int printerDpiY_ = 96;
    int pagePixelWidth_ = 0;
    int pagePixelHeight_ = 0;
    bool aborted_ = false;
    bool destroying_ = false;
    QPoint pressPoint_;
    bool dragging_ = false;
    TMetaFileList pages_;
    std::unique_ptr<PageRecord> openPage_;
    std::unique_ptr<TPageCanvas> canvas_;
};

} // namespace zn
