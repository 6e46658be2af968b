#include "core/port_presence.h"

#include <QFileInfo>

namespace zn {

namespace {

const QString kCtsSilent =
    QStringLiteral("CTS (Pin 7/8) meldet hier nichts, Kontakt an DSR (Pin 4/6) anschließen");

} // namespace

bool CtsAlwaysOn(const QString& device) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return QFileInfo(canonical.isEmpty() ? device : canonical).fileName().startsWith(QLatin1String("ttyACM"));
}

QString PortDeviceHintText(const QString& device, PortPresence presence) {
    switch (presence) {
    case PortPresence::Absent:
        return device + QStringLiteral(" – nicht vorhanden");
    case PortPresence::Unsuitable:
        return device + QStringLiteral(" – nicht geeignet");
    case PortPresence::Present:
        break;
    }
    return CtsAlwaysOn(device) ? device + QStringLiteral(" – ") + kCtsSilent : device;
}

QString PortDeviceStateText(const QString& device, PortPresence presence) {
    switch (presence) {
    case PortPresence::Absent:
        return QStringLiteral("nicht vorhanden");
    case PortPresence::Unsuitable:
        return QStringLiteral("nicht geeignet");
    case PortPresence::Present:
        break;
    }
    return CtsAlwaysOn(device) ? QStringLiteral("vorhanden – ") + kCtsSilent : QStringLiteral("vorhanden");
}

} // namespace zn
