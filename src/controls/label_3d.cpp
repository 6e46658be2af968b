#include "controls/label_3d.h"

#include "controls/qt_color.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace zn {

QRect DrawFrame3D(QPainter& p, QRect r, TColor topLeft, TColor bottomRight, int width) {
    const QColor c1 = ToQColor(topLeft);
    const QColor c2 = ToQColor(bottomRight);
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
        p.fillRect(QRect(l, t, rt - l, 1), c1);
        p.fillRect(QRect(l, t, 1, b - t), c1);
        p.fillRect(QRect(rt, t, 1, b - t + 1), c2);
        p.fillRect(QRect(l, b, rt - l + 1, 1), c2);
        r.adjust(1, 1, -1, -1);
    }
    return r;
}

TLabel3D::TLabel3D(QWidget* parent) : QWidget(parent) {}

void TLabel3D::SetCaption(const QString& caption) {
    Assign(FCaption, caption);
}
void TLabel3D::SetAlignment(TAlignment a) {
    Assign(FAlignment, a);
}
void TLabel3D::SetLayout(TTextLayout l) {
    Assign(FLayout, l);
}
void TLabel3D::SetWordWrap(bool w) {
    Assign(FWordWrap, w);
}
void TLabel3D::SetTransparent(bool t) {
    Assign(FTransparent, t);
}
void TLabel3D::SetShowAccelChar(bool s) {
    Assign(FShowAccelChar, s);
}
void TLabel3D::SetColor(TColor c) {
    Assign(FColor, c);
}
void TLabel3D::SetFontColor(TColor c) {
    Assign(FFontColor, c);
}
void TLabel3D::SetFirstColor(TColor c) {
    Assign(FFirstColor, c);
}
void TLabel3D::SetLastColor(TColor c) {
    Assign(FLastColor, c);
}
void TLabel3D::SetFillGradient(bool f) {
    Assign(FFillGradient, f);
}
void TLabel3D::SetGradientOrientation(TGradientOrientation o) {
    Assign(FGradientOrientation, o);
}
void TLabel3D::SetHighLightColor(TColor c) {
    Assign(FHighLightColor, c);
}
void TLabel3D::SetShadowColor(TColor c) {
    Assign(FShadowColor, c);
}
void TLabel3D::SetBevel(TLabel3DBevel b) {
    Assign(FBevel, b);
}
void TLabel3D::SetShadowSize(uint8_t s) {
    Assign(FShadowSize, s);
}
void TLabel3D::SetBorderColor(TColor c) {
    Assign(FBorderColor, c);
}
void TLabel3D::SetBorderWidth(int w) {
    Assign(FBorderWidth, w);
}
void TLabel3D::SetBorderStyle(TLabel3DBorderStyle s) {
    Assign(FBorderStyle, s);
}

void TLabel3D::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
}

QRect TLabel3D::DrawBorder(QPainter& p, QRect r) const {
    const int w = FBorderWidth;
    switch (FBorderStyle) {
    case lbNone:
        return r;
    case lbNormal:
        return DrawFrame3D(p, r, FBorderColor, FBorderColor, w);
    case lbLowered:
        return DrawFrame3D(p, r, clBtnShadow, clBtnHighlight, w);
    case lbRaised:
        return DrawFrame3D(p, r, clBtnHighlight, clBtnShadow, w);
    case lbInn:
        return DrawFrame3D(p, DrawFrame3D(p, r, clBtnShadow, clBtnHighlight, w), clBtnHighlight, clBtnShadow,
                           w);
    case lbOut:
        return DrawFrame3D(p, DrawFrame3D(p, r, clBtnHighlight, clBtnShadow, w), clBtnShadow, clBtnHighlight,
                           w);
    }
    return r;
}

void TLabel3D::DrawBackground(QPainter& p, const QRect& r) const {
    if (!FFillGradient) {
        if (!FTransparent) p.fillRect(r, ToQColor(FColor));
        return;
    }
    // One-pixel strips; a strip count of 1 (n = 0) would divide by zero, so it draws nothing.
    const bool horizontal = FGradientOrientation == goHorizontal;
    const int n = (horizontal ? r.width() : r.height()) - 1;
    for (int k = 0; k <= n && n > 0; ++k) {
        const QColor c = ToQColor(GradientStep(FFirstColor, FLastColor, k, n));
        if (horizontal)
            p.fillRect(QRect(r.left() + k, r.top(), 1, r.height()), c);
        else
            p.fillRect(QRect(r.left(), r.top() + k, r.width(), 1), c);
    }
}

int TLabel3D::TextFlags() const {
    int flags = Qt::AlignTop | Qt::TextExpandTabs;
    switch (FAlignment) {
    case taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    if (FShowAccelChar) flags |= Qt::TextShowMnemonic;
    if (FBevel == blNone || FWordWrap) flags |= Qt::TextWordWrap;
    return flags;
}

QRect TLabel3D::PlaceText(QPainter& p, QRect r, int flags) const {
    if (FLayout == tlTop) return r;
    // An empty line still takes one line's height, so a lone caption "&"
    // (drawn as nothing) is measured like a blank.
    QString measured = FCaption;
    if (measured.isEmpty() || (FShowAccelChar && measured == QLatin1String("&")))
        measured += QLatin1Char(' ');
    QRect c = p.boundingRect(r, flags, measured);
    c.moveTop(r.top());
    const int d = r.height() - c.height();
    r.translate(0, FLayout == tlBottom ? d : d / 2);
    if (r.height() < c.height()) {
        // The text is taller than the label: let it run over rather than cut its lines.
        const int top = std::min(r.top(), c.top());
        const int bottom = std::max(r.bottom(), c.bottom());
        r.setTop(top);
        r.setBottom(bottom);
    }
    return r;
}

void TLabel3D::DrawCaption(QPainter& p, const QRect& r, int flags) const {
    auto draw = [&](int offset, TColor colour) {
        p.setPen(ToQColor(colour));
        p.drawText(r.translated(offset, offset), flags, FCaption);
    };
    const int s = FShadowSize;
    const bool enabled = isEnabled();
    const TColor face = enabled ? FFontColor : clGrayText;
    switch (FBevel) {
    case blNone:
        draw(0, FFontColor);
        break;
    case blLowered:
        if (enabled) draw(-s, FShadowColor);
        draw(s, FHighLightColor);
        draw(0, face);
        break;
    case blRaised:
        if (enabled) draw(-s, FHighLightColor);
        draw(s, FShadowColor);
        draw(0, face);
        break;
    case blShadow:
        draw(s, FShadowColor);
        draw(0, face);
        break;
    }
}

void TLabel3D::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = DrawBorder(p, rect());
    DrawBackground(p, r);
    p.setFont(font());
    const int flags = TextFlags();
    DrawCaption(p, PlaceText(p, r, flags), flags);
}

} // namespace zn
