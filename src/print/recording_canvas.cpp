#include "print/recording_canvas.h"

#include "core/print_units.h"

#include <QtMath>
#include <algorithm>

namespace zn {

namespace {

int32_t CharacterHeight(int32_t size, int screenDpi) {
    return std::max<int32_t>(1, MulDiv(size, screenDpi, 72));
}

} // namespace

TPageCanvas::TPageCanvas(PageRecord& page, int screenDpi) : page_(page), screenDpi_(screenDpi) {}

QFont TPageCanvas::PlayFont(const QString& name, int32_t height, uint8_t style) {
    QFont font(name);
    font.setPixelSize(std::max<int32_t>(1, height));
    font.setBold(style & kFontBold);
    font.setItalic(style & kFontItalic);
    font.setUnderline(style & kFontUnderline);
    font.setStrikeOut(style & kFontStrikeOut);
    // Hinted glyph widths depend on the pixel size they are drawn at; without
    // hinting a width measured in page units holds at any zoom and on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void TPageCanvas::SetFont(const PageFont& font) {
    font_ = font;
    metrics_.reset();
    PageOp op;
    op.kind = PageOp::opFont;
    op.text = font.name;
    op.size = CharacterHeight(font.size, screenDpi_);
    op.style = font.style;
    op.color = ResolveColor(font.color);
    page_.ops.push_back(std::move(op));
    fontWritten_ = true;
}

void TPageCanvas::SetBrush(bool clear, TColor color) {
    PageOp op;
    op.kind = PageOp::opBrush;
    op.style = clear ? 1 : 0;
    op.color = ResolveColor(color);
    page_.ops.push_back(std::move(op));
}

void TPageCanvas::SetPenWidth(int width) {
    penWidth_ = width;
    PageOp op;
    op.kind = PageOp::opPen;
    op.size = width;
    op.color = clBlack;
    page_.ops.push_back(std::move(op));
}

const QFontMetricsF& TPageCanvas::Metrics() {
    if (!metrics_)
        metrics_.emplace(PlayFont(font_.name, CharacterHeight(font_.size, screenDpi_), font_.style));
    return *metrics_;
}

int TPageCanvas::TextWidth(const QString& text) {
    return qRound(Metrics().horizontalAdvance(text));
}

int TPageCanvas::TextHeight(const QString&) {
    return qRound(Metrics().height());
}

void TPageCanvas::TextOut(int x, int y, const QString& text) {
    // The page is played with the font it was measured in, even when the
    // client never chose one.
    if (!fontWritten_) SetFont(font_);
    PageOp op;
    op.kind = PageOp::opText;
    op.x1 = x;
    op.y1 = y;
    op.text = text;
    page_.ops.push_back(std::move(op));
}

void TPageCanvas::MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

void TPageCanvas::LineTo(int x, int y) {
    PageOp op;
    op.kind = PageOp::opLine;
    op.x1 = x_;
    op.y1 = y_;
    op.x2 = x;
    op.y2 = y;
    page_.ops.push_back(std::move(op));
    x_ = x;
    y_ = y;
}

void TPageCanvas::Rectangle(int left, int top, int right, int bottom) {
    PageOp op;
    op.kind = PageOp::opRect;
    op.x1 = left;
    op.y1 = top;
    op.x2 = right;
    op.y2 = bottom;
    page_.ops.push_back(std::move(op));
}

} // namespace zn
