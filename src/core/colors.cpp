#include "core/colors.h"

namespace zn {

TColor ResolveColor(TColor c) {
    if (!IsSystemColor(c)) return c & 0x00FFFFFFu;
    switch (c & 0xFFu) {
    case 0x05:
        return RGBColor(255, 255, 255); // window
    case 0x06:
        return RGBColor(100, 100, 100); // window frame
    case 0x08:
        return RGBColor(0, 0, 0); // window text
    case 0x0D:
        return RGBColor(0, 120, 215); // highlight
    case 0x0E:
        return RGBColor(255, 255, 255); // highlight text
    case 0x0F:
        return RGBColor(240, 240, 240); // button face
    case 0x10:
        return RGBColor(160, 160, 160); // button shadow
    case 0x11:
        return RGBColor(109, 109, 109); // grey text
    case 0x12:
        return RGBColor(0, 0, 0); // button text
    case 0x14:
        return RGBColor(255, 255, 255); // button highlight
    case 0x18:
        return RGBColor(255, 255, 225); // info background
    default:
        return RGBColor(240, 240, 240);
    }
}

} // namespace zn
