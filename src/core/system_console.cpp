#include "core/system_console.h"

#include <QRegularExpression>

namespace zn {

namespace {

void AddDevice(QStringList& devices, const QString& name) {
    if (name.isEmpty()) return;
    // "uart8250,io,0x3f8" and "uart,mmio,..." name an early console by its
    // hardware address, not a device; the ttyS it becomes later is listed in
    // the active console list.
    if (name == QLatin1String("uart") || name == QLatin1String("uart8250")) return;
    const QString path = name.startsWith(QLatin1String("/dev/")) ? name : QStringLiteral("/dev/") + name;
    if (!devices.contains(path)) devices.append(path);
}

} // namespace

QStringList SystemConsoleDevices(const QString& consoleActiveText, const QString& kernelCommandLine) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList devices;
    for (const QString& name : consoleActiveText.split(blanks, Qt::SkipEmptyParts))
        AddDevice(devices, name);
    for (const QString& word : kernelCommandLine.split(blanks, Qt::SkipEmptyParts)) {
        // Everything after "--" is for init, not for the kernel.
        if (word == QLatin1String("--")) break;
        if (!word.startsWith(QLatin1String("console="))) continue;
        AddDevice(devices, word.mid(8).section(QLatin1Char(','), 0, 0));
    }
    return devices;
}

} // namespace zn
