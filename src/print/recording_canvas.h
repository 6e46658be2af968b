#pragma once

#include "core/page_canvas.h"
#include "print/page_record.h"

#include <QFont>
#include <QFontMetricsF>
#include <optional>

namespace zn {

// The drawing surface of a page being recorded: every call becomes a step of
// the page, and text is measured in the font the page will be played with.
// A font's `size` becomes a character height of size x screenDpi / 72 units.
class TPageCanvas : public IPageCanvas {
public:
    TPageCanvas(PageRecord& page, int screenDpi);

    void SetFont(const PageFont& font) override;
    PageFont Font() const override { return font_; }
    void SetBrush(bool clear, TColor color = clWhite) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    void TextOut(int x, int y, const QString& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;

    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);
    int ScreenDpi() const { return screenDpi_; }

    // The QFont a recorded font step is played with (character height in units).
    static QFont PlayFont(const QString& name, int32_t height, uint8_t style);

private:
    const QFontMetricsF& Metrics();

    PageRecord& page_;
    int screenDpi_;
    PageFont font_;
    bool fontWritten_ = false;
    std::optional<QFontMetricsF> metrics_;
    int penWidth_ = 1;
    int x_ = 0;
    int y_ = 0;
};

} // namespace zn
