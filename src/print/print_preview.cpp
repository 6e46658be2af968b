#include "print/print_preview.h"

#include "print/paper_preview.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace zn {

TPrintPreview::TPrintPreview(QWidget* parent) : QFrame(parent) {
    setFocusPolicy(Qt::StrongFocus);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        screenDpi_ = qRound(screen->logicalDotsPerInchY());

    VertScrollBar = new QScrollBar(Qt::Vertical, this);
    HorzScrollBar = new QScrollBar(Qt::Horizontal, this);
    for (QScrollBar* bar : {VertScrollBar, HorzScrollBar}) {
        bar->setSingleStep(8);
        bar->setRange(0, 0);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, [this] { ScrollPaper(); });
    }
    Panel = new QWidget(this);

    Paper = new TPaperPreview(Panel);
    Paper->hide();
    Paper->OnPaint = [this](TPaperPreview*, QPainter& canvas, const QRect& rect) {
        PaperPaint(canvas, rect);
    };
    Paper->OnMouseDown = [this](TPaperPreview*, QMouseEvent* event) { PaperMouseDown(event); };
    Paper->OnMouseMove = [this](TPaperPreview*, QMouseEvent* event) { PaperMouseMove(event); };
    Paper->OnMouseUp = [this](TPaperPreview*, QMouseEvent*) { dragging_ = false; };

    PlaceChildren();
    UpdateDeviceMetrics();
    UpdateLayout();
}

TPrintPreview::~TPrintPreview() {
    destroying_ = true;
    Clear();
    // The paper outlives this object's members for a moment (children go last).
    Paper->OnPaint = nullptr;
    Paper->OnMouseDown = nullptr;
    Paper->OnMouseMove = nullptr;
    Paper->OnMouseUp = nullptr;
}

void TPrintPreview::Fire(const TPreviewNotifyEvent& event) {
    if (event) event(this);
}

void TPrintPreview::SetPrinter(QPrinter* printer) {
    printer_ = printer;
    UpdateDeviceMetrics();
    UpdateLayout();
}

bool TPrintPreview::PrinterInstalled() const {
    return printer_ && printer_->isValid();
}

void TPrintPreview::SetScreenDpi(int dpi) {
    if (dpi <= 0 || dpi == screenDpi_) return;
    screenDpi_ = dpi;
    UpdateDeviceMetrics();
    UpdateLayout();
}

// ---- lengths ----

void TPrintPreview::ConvertOpenPage(TUnits to) {
    // What is already drawn keeps its place on the paper: its coordinates
    // move to the new unit together with the page's extent.
    auto x = [&](int32_t v) { return ConvertUnits(v, printerDpiX_, units_, to); };
    auto y = [&](int32_t v) { return ConvertUnits(v, printerDpiY_, units_, to); };
    for (PageOp& op : openPage_->ops) {
        op.x1 = x(op.x1);
        op.x2 = x(op.x2);
        op.y1 = y(op.y1);
        op.y2 = y(op.y2);
        if (op.kind != PageOp::opBrush) op.size = y(op.size);
    }
    openPage_->width = paperWidth_;
    openPage_->height = paperHeight_;
    PageFont font = canvas_->Font();
    font.size = y(font.size);
    canvas_->SetFont(font);
    canvas_->SetPenWidth(y(canvas_->PenWidth()));
}

void TPrintPreview::SetUnits(TUnits value) {
    if (value == units_) return;
    auto x = [&](int32_t v) { return ConvertUnits(v, printerDpiX_, units_, value); };
    auto y = [&](int32_t v) { return ConvertUnits(v, printerDpiY_, units_, value); };
    minMargin_ = y(minMargin_);
    marginLeft_ = x(marginLeft_);
    marginRight_ = x(marginRight_);
    marginTop_ = y(marginTop_);
    marginBottom_ = y(marginBottom_);
    paperWidth_ = x(paperWidth_);
    paperHeight_ = y(paperHeight_);
    Font.size = y(Font.size);
    if (openPage_ && canvas_) ConvertOpenPage(value);
    units_ = value;
}

void TPrintPreview::SetMarginLeft(int value) {
    marginLeft_ = std::max(value, minMargin_);
}

void TPrintPreview::SetMarginRight(int value) {
    marginRight_ = std::max(value, minMargin_);
}

void TPrintPreview::SetMarginTop(int value) {
    marginTop_ = std::max(value, minMargin_);
}

void TPrintPreview::SetMarginBottom(int value) {
    marginBottom_ = std::max(value, minMargin_);
}

void TPrintPreview::SetPaperType(TPaperType value) {
    if (value == paperType_) return;
    paperType_ = value;
    if (value == pCustom) return;
    const PaperSize& size = PaperSizeTable[value];
    paperWidth_ = ConvertUnits(size.width, printerDpiX_, mmLoMetric, units_);
    paperHeight_ = ConvertUnits(size.height, printerDpiY_, mmLoMetric, units_);
    if (orientation_ == poLandscape) std::swap(paperWidth_, paperHeight_);
    UpdateDeviceMetrics();
    UpdateLayout();
}

void TPrintPreview::SetPaperWidth(int value) {
    value = std::clamp(value, 1, 32767);
    if (value == paperWidth_) return;
    paperWidth_ = value;
    paperType_ = pCustom;
    UpdateDeviceMetrics();
    UpdateLayout();
}

void TPrintPreview::SetPaperHeight(int value) {
    value = std::clamp(value, 1, 32767);
    if (value == paperHeight_) return;
    paperHeight_ = value;
    paperType_ = pCustom;
    UpdateDeviceMetrics();
    UpdateLayout();
}

void TPrintPreview::SetOrientation(TPrinterOrientation value) {
    // A page being recorded keeps the extent it was opened with.
    if (value == orientation_ || state_ == psCreating) return;
    orientation_ = value;
    std::swap(paperWidth_, paperHeight_);
    UpdateDeviceMetrics();
    UpdateLayout();
}

void TPrintPreview::SetZoom(int value) {
    if (value == zoom_ && zoomState_ == zsZoomOther) return;
    zoom_ = value;
    zoomState_ = zsZoomOther;
    UpdateLayout();
}

void TPrintPreview::SetZoomState(TZoomState value) {
    if (value == zoomState_) return;
    zoomState_ = value;
    UpdateLayout();
}

void TPrintPreview::SetUseTempFile(bool value) {
    pages_.SetUseTempFile(value);
}

PageBox TPrintPreview::MarginRect() const {
    return PageBox{marginLeft_, marginTop_, paperWidth_ - marginRight_, paperHeight_ - marginBottom_};
}

// ---- recording ----

void TPrintPreview::BeginDoc() {
    if (state_ == psCreating) return;
    Clear();
    UpdateDeviceMetrics();
    state_ = psCreating;
    Fire(OnBeginDoc);
    NewPage();
}

void TPrintPreview::OpenPage() {
    // A page no pixel high or wide would print nothing and divide by zero
    // when played.
    if (pagePixelWidth_ <= 0 || pagePixelHeight_ <= 0) throw EOutOfResources();
    try {
        auto page = std::make_unique<PageRecord>();
        page->width = paperWidth_;
        page->height = paperHeight_;
        auto canvas = std::make_unique<TPageCanvas>(*page, screenDpi_);
        canvas->SetFont(Font);
        openPage_ = std::move(page);
        canvas_ = std::move(canvas);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources();
    }
}

void TPrintPreview::ClosePage() {
    if (!openPage_) return;
    canvas_.reset();
    const std::unique_ptr<PageRecord> page = std::move(openPage_);
    pages_.Add(*page);
    if (currentPage_ == 0) {
        currentPage_ = 1;
        Paper->show();
        Paper->update();
    }
}

void TPrintPreview::NewPage() {
    if (state_ != psCreating) return;
    if (openPage_) {
        ClosePage();
        Fire(OnChange);
    }
    OpenPage();
    Fire(OnNewPage);
}

void TPrintPreview::EndDoc() {
    if (state_ != psCreating) return;
    ClosePage();
    Fire(OnChange);
    Fire(OnEndDoc);
    state_ = psIdle;
}

IPageCanvas* TPrintPreview::Canvas() {
    return state_ == psCreating ? canvas_.get() : nullptr;
}

void TPrintPreview::Clear() {
    canvas_.reset();
    openPage_.reset();
    pages_.Clear();
    state_ = psIdle;
    currentPage_ = 0;
    aborted_ = false;
    Paper->hide();
    if (!destroying_) Fire(OnChange);
}

void TPrintPreview::SetCurrentPage(int value) {
    if (PageCount() == 0) return;
    value = std::clamp(value, 1, PageCount());
    if (value == currentPage_) return;
    currentPage_ = value;
    Paper->update();
    Fire(OnChange);
}

} // namespace zn
