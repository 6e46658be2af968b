#pragma once

#include <QString>
#include <QStringList>

namespace zn {

// The devices the kernel writes its console to ("/dev/tty0", "/dev/ttyS0"),
// from the text of /sys/class/tty/console/active (names separated by blanks)
// and from every "console=" of the kernel command line ("console=ttyS0,115200n8").
// A serial console carries kernel messages and often a login, so the timing
// lines must never open it. Each device appears once, in the order found.
QStringList SystemConsoleDevices(const QString& consoleActiveText, const QString& kernelCommandLine);

} // namespace zn
