#include "comms/termios_settings.h"

namespace zn {

namespace {

struct SpeedCode {
    int speed;
    tcflag_t code;
};

constexpr SpeedCode kSpeeds[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
};

tcflag_t SpeedFlag(int speed) {
    for (const SpeedCode& s : kSpeeds) {
        if (s.speed == speed) return s.code;
    }
    return BOTHER;
}

tcflag_t DataBitsFlag(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

tcflag_t ParityFlags(int parity) {
    switch (parity) {
    case 1:
        return PARENB | PARODD;
    case 2:
        return PARENB;
    // Mark and space are a parity bit that is always 1 or always 0: CMSPAR
    // with PARODD for mark.
    case 3:
        return PARENB | CMSPAR | PARODD;
    case 4:
        return PARENB | CMSPAR;
    default:
        return 0;
    }
}

} // namespace

termios2 TermiosFromSettings(const SerialLineSettings& settings) {
    termios2 t{}; // all processing off: the line carries no data we read or write
    const tcflag_t speed = SpeedFlag(settings.baudRate);
    // HUPCL drops DTR and RTS when the device is closed, so a closed port no
    // longer feeds the contacts. No CREAD: nothing reads the line, and noise
    // on it would fill the input buffer until the kernel throttles it.
    t.c_cflag = CLOCAL | HUPCL | speed | DataBitsFlag(settings.dataBits) | ParityFlags(settings.parity);
    t.c_ispeed = static_cast<speed_t>(settings.baudRate);
    t.c_ospeed = static_cast<speed_t>(settings.baudRate);
    // Linux knows one stop bit or more: CSTOPB gives two, or one and a half
    // with 5 data bits, which is what the UART does for "1.5" anyway.
    if (settings.stopBits != 0) t.c_cflag |= CSTOPB;
    // No CRTSCTS for RTS/CTS handshake (flowControl 1): the kernel would
    // drop RTS, which feeds the CTS contact, whenever it throttled the input.
    // The setting means "raise RTS", which Configure does itself.
    if (settings.flowControl == 2) t.c_iflag |= IXON | IXOFF;
    t.c_cc[VSTART] = 17;
    t.c_cc[VSTOP] = 19;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return t;
}

} // namespace zn
