#pragma once

#include "core/colors.h"

#include <QColor>

namespace zn {

inline QColor ToQColor(TColor c) {
    const TColor rgb = ResolveColor(c);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

} // namespace zn
