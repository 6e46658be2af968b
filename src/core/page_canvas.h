#pragma once

#include "core/colors.h"

#include <QString>
#include <cstdint>

namespace zn {

constexpr uint8_t kFontBold = 0x01;
constexpr uint8_t kFontItalic = 0x02;
constexpr uint8_t kFontUnderline = 0x04;
constexpr uint8_t kFontStrikeOut = 0x08;

// A font of a printed page. `size` is given the way a point size is, but in
// the page's length unit: the characters are size x screen dpi / 72 units high.
struct PageFont {
    QString name;
    int32_t size = 0;
    uint8_t style = 0; // kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut
    TColor color = clBlack;

    bool operator==(const PageFont&) const = default;
};

// The drawing surface of one page, in the page's length unit from the paper's
// top-left corner. Widths and heights are whole units, measured in the
// current font.
class IPageCanvas {
public:
    virtual ~IPageCanvas() = default;
    virtual void SetFont(const PageFont& font) = 0;
    virtual PageFont Font() const = 0;
    // A clear brush leaves rectangles unfilled and text without background;
    // otherwise both are filled in `color`.
    virtual void SetBrush(bool clear, TColor color = clWhite) = 0;
    virtual int TextWidth(const QString& text) = 0;
    virtual int TextHeight(const QString& text) = 0;
    // `y` is the top of the text.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Outlined with the pen, filled with the brush; covers left..right-1, top..bottom-1.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
};

// A document being recorded page by page.
class IPageDocument {
public:
    virtual ~IPageDocument() = default;
    // The open page's surface; null when no page is being recorded.
    virtual IPageCanvas* Canvas() = 0;
    virtual void NewPage() = 0;
};

} // namespace zn
