// The view of TPrintPreview: the paper's size and place, scrolling by bars,
// keys and dragging, and the page painted on the paper.
#include "print/print_preview.h"

#include "print/paper_preview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace zn {

namespace {

// The paper keeps this much room to the panel's edges when it is zoomed to
// the panel, and half of it where it is scrolled.
constexpr int kPaperRoom = 12;
constexpr int kPaperEdge = kPaperRoom / 2;

} // namespace

void TPrintPreview::PlaceChildren() {
    const QRect r = contentsRect();
    const int vw = VertScrollBar->isHidden() ? 0 : VertScrollBar->sizeHint().width();
    const int hh = HorzScrollBar->isHidden() ? 0 : HorzScrollBar->sizeHint().height();
    VertScrollBar->setGeometry(r.right() + 1 - vw, r.top(), vw, r.height());
    HorzScrollBar->setGeometry(r.left(), r.bottom() + 1 - hh, r.width() - vw, hh);
    Panel->setGeometry(r.left(), r.top(), r.width() - vw, r.height() - hh);
}

void TPrintPreview::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    PlaceChildren();
    UpdateLayout();
    HorzScrollBar->setPageStep(Panel->width());
    VertScrollBar->setPageStep(Panel->height());
}

void TPrintPreview::UpdateLayout() {
    for (QScrollBar* bar : {HorzScrollBar, VertScrollBar})
        bar->setRange(0, 0);
    const int ppw = std::max(1, pagePixelWidth_);
    const int pph = std::max(1, pagePixelHeight_);
    auto fitWidth = [&] {
        Paper->resize(Panel->width() - kPaperRoom, Paper->height());
        Paper->SetPaperHeight(MulDiv(Paper->PaperWidth(), pph, ppw));
    };
    auto fitHeight = [&] {
        Paper->resize(Paper->width(), Panel->height() - kPaperRoom);
        Paper->SetPaperWidth(MulDiv(Paper->PaperHeight(), ppw, pph));
    };
    // The bars that may be needed are shown while the paper is sized, so the
    // panel is measured without the room they take.
    VertScrollBar->setVisible(zoomState_ == zsZoomOther || zoomState_ == zsZoomToWidth);
    HorzScrollBar->setVisible(zoomState_ == zsZoomOther || zoomState_ == zsZoomToHeight);
    PlaceChildren();
    switch (zoomState_) {
    case zsZoomOther:
        Paper->SetPaperWidth(MulDiv(pagePixelWidth_, screenDpi_ * zoom_, printerDpiX_ * 100));
        Paper->SetPaperHeight(MulDiv(pagePixelHeight_, screenDpi_ * zoom_, printerDpiY_ * 100));
        break;
    case zsZoomToWidth:
        fitWidth();
        break;
    case zsZoomToHeight:
        fitHeight();
        break;
    case zsZoomToFit:
        if (double(Panel->height()) / std::max(1, Panel->width()) > double(pph) / ppw)
            fitWidth();
        else
            fitHeight();
        break;
    }

    QPoint pos;
    if (Paper->width() < Panel->width() - kPaperRoom) {
        pos.setX((Panel->width() - Paper->width()) / 2);
    } else {
        pos.setX(kPaperEdge);
        HorzScrollBar->setMaximum(Paper->width() - Panel->width() + kPaperRoom);
    }
    if (Paper->height() < Panel->height() - kPaperRoom) {
        pos.setY((Panel->height() - Paper->height()) / 2);
    } else {
        pos.setY(kPaperEdge);
        VertScrollBar->setMaximum(Paper->height() - Panel->height() + kPaperRoom);
    }
    Paper->move(pos);
    Paper->update();
    HorzScrollBar->setVisible(HorzScrollBar->maximum() != 0);
    VertScrollBar->setVisible(VertScrollBar->maximum() != 0);
    PlaceChildren();
    if (!HorzScrollBar->isHidden() || !VertScrollBar->isHidden())
        Paper->setCursor(Qt::PointingHandCursor);
    else
        Paper->unsetCursor();
}

void TPrintPreview::ScrollPaper() {
    QPoint pos = Paper->pos();
    if (HorzScrollBar->maximum() != 0) pos.setX(kPaperEdge - HorzScrollBar->value());
    if (VertScrollBar->maximum() != 0) pos.setY(kPaperEdge - VertScrollBar->value());
    Paper->move(pos);
}

void TPrintPreview::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods != Qt::NoModifier && mods != Qt::ControlModifier) {
        QFrame::keyPressEvent(event);
        return;
    }
    const bool ctrl = mods == Qt::ControlModifier;
    QScrollBar* const h = HorzScrollBar;
    QScrollBar* const v = VertScrollBar;
    switch (event->key()) {
    case Qt::Key_Home:
        (ctrl ? v : h)->setValue(0);
        break;
    case Qt::Key_End:
        (ctrl ? v : h)->setValue((ctrl ? v : h)->maximum());
        break;
    case Qt::Key_Left:
        h->setValue(h->value() - (ctrl ? h->pageStep() : h->singleStep()));
        break;
    case Qt::Key_Right:
        h->setValue(h->value() + (ctrl ? h->pageStep() : h->singleStep()));
        break;
    case Qt::Key_Up:
        v->setValue(v->value() - (ctrl ? v->pageStep() : v->singleStep()));
        break;
    case Qt::Key_Down:
        v->setValue(v->value() + (ctrl ? v->pageStep() : v->singleStep()));
        break;
    case Qt::Key_PageUp:
        SetCurrentPage(ctrl ? 1 : CurrentPage() - 1);
        break;
    case Qt::Key_PageDown:
        SetCurrentPage(ctrl ? PageCount() : CurrentPage() + 1);
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TPrintPreview::PaperPaint(QPainter& canvas, const QRect& pageRect) {
    if (currentPage_ < 1 || currentPage_ > PageCount()) return;
    pages_.Items(currentPage_ - 1).Play(canvas, QRectF(pageRect));
}

void TPrintPreview::PaperMouseDown(QMouseEvent* event) {
    if (!hasFocus() && isEnabled()) setFocus(Qt::MouseFocusReason);
    pressPoint_ = event->position().toPoint();
    // A double click is no start of a drag.
    dragging_ = event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton;
}

void TPrintPreview::PaperMouseMove(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
    // The page follows the pointer: the paper moves by the pointer's way from
    // the press point, which brings the press point back under the pointer.
    const QPoint at = event->position().toPoint();
    if (!HorzScrollBar->isHidden())
        HorzScrollBar->setValue(pressPoint_.x() + HorzScrollBar->value() - at.x());
    if (!VertScrollBar->isHidden())
        VertScrollBar->setValue(pressPoint_.y() + VertScrollBar->value() - at.y());
}

} // namespace zn
