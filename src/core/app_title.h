#pragma once

#include <QString>

namespace zn {

// The application's title: the main window's captions, the question box and
// the web page carry it. It is deliberately not the Qt application display
// name, which X11 window managers would append to every caption a second time.
inline QString ApplicationTitle() {
    return QStringLiteral("Kronvik-Rozodiroz-Zevezodid3");
}

} // namespace zn
