#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zn {

// Where a button's glyph stands relative to its caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TButtonLayoutResult {
    QPoint GlyphPos; // top-left corner of the glyph
    QRect TextRect;  // the caption's rectangle, as large as the measured text
};

// Places glyph and caption inside a client area of the given size, with
// positions relative to the client's top-left corner. A margin of -1 centres
// glyph and caption together; a spacing of -1 spreads them evenly. Sizes of
// 0 x 0 stand for "no glyph" or "no caption". Divisions truncate toward zero.
TButtonLayoutResult LayoutGlyphAndCaption(QSize client, QSize glyph, QSize text, TButtonLayout layout,
                                          int margin, int spacing);

} // namespace zn
