#include "core/contact_input.h"

#include "core/system_errors.h"

#include <QCoreApplication>
#include <cerrno>

namespace zn {

QString PortFailureReason(int code, const QString& systemText) {
    switch (code) {
    case 0:
        return systemText;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return QCoreApplication::translate("ContactInput",
                                           "Gerät nicht vorhanden (Adapter nicht eingesteckt?)");
    case EBUSY:
        return QCoreApplication::translate("ContactInput", "von einem anderen Programm belegt");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("ContactInput", "keine Berechtigung");
    case ENOTTY:
    case EINVAL:
        return QCoreApplication::translate("ContactInput",
                                           "meldet keine Modemleitungen, für Kontakte nicht geeignet");
    case EIO:
        return QCoreApplication::translate("ContactInput", "Ein-/Ausgabefehler am Gerät");
    default:
        return SystemErrorText(code, systemText);
    }
}

uint32_t ContactLineMask(int contactLine) {
    switch (contactLine) {
    case 0:
        return 0x20; // DSR on
    case 1:
        return 0x10; // CTS on
    default:
        return 0;
    }
}

ContactDecision ContactMemory::Decide(int port, int handlerLine, uint32_t status,
                                      const std::array<LaneSettings, 2>& lanes) {
    ContactDecision d;
    for (int lane = 0; lane < 2 && d.lane < 0; ++lane) {
        if (lanes[lane].port == port && lanes[lane].contactLine == handlerLine) d.lane = lane;
    }
    if (d.lane < 0) {
        Clear();
        return d;
    }
    uint32_t& memory = words_[d.lane];
    const uint32_t masked = status & ContactLineMask(lanes[d.lane].contactLine);
    if (status == memory) {
        // The same report again (no other line active): nothing happened.
        memory = masked;
        return d;
    }
    memory = masked;
    d.changed = true;
    switch (lanes[d.lane].contactMode) {
    case 0: // "Ein": the contact closes
        d.trigger = masked != 0;
        break;
    case 1: // "Aus": the contact opens
        d.trigger = masked == 0;
        break;
    case 2: // "Wechseln": every change
        d.trigger = true;
        break;
    default:
        break;
    }
    return d;
}

} // namespace zn
