#pragma once

#include "comms/serial_device.h"

// termios2 (with BOTHER for speeds that have no B constant) lives in the
// kernel's header, which clashes with <termios.h>: files that include this
// header must not include <termios.h>.
#include <asm/termbits.h>

namespace zn {

// The raw line settings for `settings`: no input or output processing, no
// echo, CLOCAL|HUPCL with the receiver off (no CREAD), reads that return at
// once (VMIN 0, VTIME 0), speed, data bits, parity and stop bits as given,
// XON/XOFF for flow control 2 and no hardware handshake, whatever is given. A speed with
// a B constant is set through it (as cfsetspeed does); any other speed
// (14400, 56000, 128000, 256000, a user value) through BOTHER.
termios2 TermiosFromSettings(const SerialLineSettings& settings);

} // namespace zn
