#include "core/button_layout.h"

namespace zn {

TButtonLayoutResult LayoutGlyphAndCaption(QSize client, QSize glyph, QSize text, TButtonLayout layout,
                                          int margin, int spacing) {
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    // Work along the layout axis ("main") and across it ("cross").
    const int extent = horizontal ? client.width() : client.height();
    const int crossExtent = horizontal ? client.height() : client.width();
    const int glyphMain = horizontal ? glyph.width() : glyph.height();
    const int glyphCross = horizontal ? glyph.height() : glyph.width();
    const int textMain = horizontal ? text.width() : text.height();
    const int textCross = horizontal ? text.height() : text.width();

    // Across the axis both are centred; the +1 puts an odd leftover pixel on top or left.
    const int glyphCrossPos = (crossExtent - glyphCross + 1) / 2;
    const int textCrossPos = (crossExtent - textCross + 1) / 2;

    if (text.width() == 0 || glyph.width() == 0) spacing = 0;

    if (margin == -1) {
        if (spacing == -1) {
            margin = (extent - (glyphMain + textMain)) / 3;
            spacing = margin;
        } else {
            margin = (extent - (glyphMain + spacing + textMain) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (extent - (margin + glyphMain) - textMain) / 2;
    }

    int glyphMainPos = 0;
    int textMainPos = 0;
    if (layout == blGlyphLeft || layout == blGlyphTop) {
        glyphMainPos = margin;
        textMainPos = glyphMainPos + glyphMain + spacing;
    } else {
        glyphMainPos = extent - margin - glyphMain;
        textMainPos = glyphMainPos - spacing - textMain;
    }

    TButtonLayoutResult result;
    if (horizontal) {
        result.GlyphPos = QPoint(glyphMainPos, glyphCrossPos);
        result.TextRect = QRect(QPoint(textMainPos, textCrossPos), text);
    } else {
        result.GlyphPos = QPoint(glyphCrossPos, glyphMainPos);
        result.TextRect = QRect(QPoint(textCrossPos, textMainPos), text);
    }
    return result;
}

} // namespace zn
