#include "print/paper_preview.h"

#include "controls/qt_color.h"

#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <exception>

namespace zn {

Q_LOGGING_CATEGORY(lcPaper, "zn.print.paper", QtWarningMsg)

TPaperPreview::TPaperPreview(QWidget* parent)
    : QWidget(parent), shadowColor_(FromQColor(palette().color(QPalette::Dark))) {
    // Every pixel is painted each time, so the paper does not flicker
    // through an erased background while the page is drawn.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(105 + 2 * borderSize_ + shadowSize_, 148 + 2 * borderSize_ + shadowSize_);
}

void TPaperPreview::SetBorderColor(TColor value) {
    if (value == borderColor_) return;
    borderColor_ = value;
    update();
}

void TPaperPreview::SetBorderSize(int value) {
    if (value == borderSize_) return;
    borderSize_ = value;
    update();
}

void TPaperPreview::SetPaperColor(TColor value) {
    if (value == paperColor_) return;
    paperColor_ = value;
    update();
}

void TPaperPreview::SetShadowColor(TColor value) {
    if (value == shadowColor_) return;
    shadowColor_ = value;
    update();
}

void TPaperPreview::SetShadowSize(int value) {
    if (value == shadowSize_) return;
    shadowSize_ = value;
    update();
}

int TPaperPreview::PaperWidth() const {
    return width() - 2 * borderSize_ - shadowSize_;
}

void TPaperPreview::SetPaperWidth(int value) {
    resize(value + 2 * borderSize_ + shadowSize_, height());
}

int TPaperPreview::PaperHeight() const {
    return height() - 2 * borderSize_ - shadowSize_;
}

void TPaperPreview::SetPaperHeight(int value) {
    resize(width(), value + 2 * borderSize_ + shadowSize_);
}

QRect TPaperPreview::PaperRect() const {
    return QRect(borderSize_, borderSize_, PaperWidth(), PaperHeight());
}

void TPaperPreview::paintEvent(QPaintEvent*) {
    const int w = width();
    const int h = height();
    const int s = shadowSize_;
    const int b = borderSize_;
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (b > 0) {
        // The frame lies inside (0, 0)-(w - s, h - s), b pixels thick.
        const QColor border = ToQColor(borderColor_);
        p.fillRect(0, 0, w - s, b, border);
        p.fillRect(0, h - s - b, w - s, b, border);
        p.fillRect(0, 0, b, h - s, border);
        p.fillRect(w - s - b, 0, b, h - s, border);
    }
    if (s > 0) {
        const QColor shadow = ToQColor(shadowColor_);
        p.fillRect(w - s, s, s, h - s, shadow);
        p.fillRect(s, h - s, w - s, s, shadow);
        // The corners the offset shadow leaves free show what lies behind.
        const QColor back = palette().color(QPalette::Window);
        p.fillRect(w - s, 0, s, s, back);
        p.fillRect(0, h - s, s, s, back);
    }
    const QRect paper = PaperRect();
    p.fillRect(paper, ToQColor(paperColor_));
    if (!OnPaint) return;
    p.save();
    p.setClipRect(paper);
    try {
        OnPaint(this, p, paper);
    } catch (const std::exception& e) {
        // An exception must not leave through the event loop; the page stays blank.
        qCWarning(lcPaper) << "page not drawn:" << e.what();
    }
    p.restore();
}

void TPaperPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (OnResize) OnResize(this);
}

void TPaperPreview::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) OnMouseDown(this, event);
}

void TPaperPreview::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) OnMouseMove(this, event);
}

void TPaperPreview::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp) OnMouseUp(this, event);
}

void TPaperPreview::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click arrives in place of the second press.
    if (OnMouseDown) OnMouseDown(this, event);
}

} // namespace zn
