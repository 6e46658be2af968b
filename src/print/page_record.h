#pragma once

#include "core/colors.h"

#include <QString>
#include <cstdint>
#include <vector>

class QDataStream;
class QPainter;
class QRectF;

namespace zn {

// One drawing step of a recorded page. Coordinates and sizes are in the
// page's length unit.
struct PageOp {
    enum Kind : uint8_t {
        opFont,  // text = face name, size = character height, style = kFont* bits, color
        opBrush, // style 1 = clear, else solid in color
        opPen,   // size = width, color
        opText,  // text at (x1, y1), y1 the top of the text
        opLine,  // from (x1, y1) to (x2, y2)
        opRect   // outline (and fill with a solid brush) of x1..x2, y1..y2
    };
    Kind kind = opText;
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    int32_t size = 0;
    uint8_t style = 0;
    TColor color = 0; // resolved 0x00BBGGRR, never a system colour
    QString text;

    bool operator==(const PageOp&) const = default;
};

// A page as a vector recording: its steps and the logical extent (the paper
// size in the unit it was drawn in) that is stretched onto the target when
// it is played.
struct PageRecord {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<PageOp> ops;

    bool Empty() const { return width <= 0 || height <= 0; }
    // Draws the page so that its logical extent fills `target` (in the
    // painter's current coordinates). The painter's state is restored.
    void Play(QPainter& painter, const QRectF& target) const;
};

QDataStream& operator<<(QDataStream& out, const PageRecord& page);
QDataStream& operator>>(QDataStream& in, PageRecord& page);

} // namespace zn
