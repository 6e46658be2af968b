#pragma once

#include "core/colors.h"

#include <QColor>

namespace zn {

inline QColor ToQColor(TColor c) {
    const TColor rgb = ResolveColor(c);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

// A colour chosen in a Qt dialog as the 0x00BBGGRR value the settings keep.
inline TColor FromQColor(const QColor& c) {
    return RGBColor(c.red(), c.green(), c.blue());
}

} // namespace zn
