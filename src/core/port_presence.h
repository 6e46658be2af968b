#pragma once

#include <QString>

namespace zn {

// What a probe finds behind a port number or a device name.
enum class PortPresence {
    Absent,     // no such device, or it does not open
    Unsuitable, // it opens but has no modem lines to read (a pseudo-terminal)
    Present,    // it opens and reports its modem lines
};

// Whether `device` is a CDC-ACM device ("/dev/ttyACM0", or a link to one such
// as a /dev/serial/by-id path). Those report CTS as always on, so a contact
// on pins 7/8 never fires there; DSR (pins 4/6) works.
bool CtsAlwaysOn(const QString& device);

// The tooltip of a port entry: the device, and what the operator must know
// about it (not there, no modem lines, CTS silent).
QString PortDeviceHintText(const QString& device, PortPresence presence);

// What the device dialog shows beside a device: "vorhanden" (with the CTS
// note of a CDC-ACM device), "nicht geeignet" or "nicht vorhanden".
QString PortDeviceStateText(const QString& device, PortPresence presence);

} // namespace zn
