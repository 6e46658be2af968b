#include "core/port_presence.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zn {

namespace {

QString CtsSilent() {
    //: pin numbers of the 9-pin (7/8, 4/6) and 25-pin serial plug; the contact wire goes to DSR
    return QCoreApplication::translate(
        "PortPresence", "CTS (Pin 7/8) meldet hier nichts, Kontakt an DSR (Pin 4/6) anschließen");
}

} // namespace

bool CtsAlwaysOn(const QString& device) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return QFileInfo(canonical.isEmpty() ? device : canonical).fileName().startsWith(QLatin1String("ttyACM"));
}

QString PortDeviceHintText(const QString& device, PortPresence presence) {
    switch (presence) {
    case PortPresence::Absent:
        //: a serial device's path, then: the device does not exist
        return QCoreApplication::translate("PortPresence", "%1 – nicht vorhanden").arg(device);
    case PortPresence::Unsuitable:
        //: a serial device's path, then: it cannot read contacts
        return QCoreApplication::translate("PortPresence", "%1 – nicht geeignet").arg(device);
    case PortPresence::Present:
        break;
    }
    return CtsAlwaysOn(device) ? device + QStringLiteral(" – ") + CtsSilent() : device;
}

QString PortDeviceStateText(const QString& device, PortPresence presence) {
    switch (presence) {
    case PortPresence::Absent:
        //: state of a serial device: it does not exist
        return QCoreApplication::translate("PortPresence", "nicht vorhanden");
    case PortPresence::Unsuitable:
        //: state of a serial device: it cannot read contacts
        return QCoreApplication::translate("PortPresence", "nicht geeignet");
    case PortPresence::Present:
        break;
    }
    //: state of a serial device: it exists
    const QString present = QCoreApplication::translate("PortPresence", "vorhanden");
    return CtsAlwaysOn(device) ? present + QStringLiteral(" – ") + CtsSilent() : present;
}

} // namespace zn
