#pragma once

#include "core/modem_lines.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zn {

class ITickSource;

// Line settings of a serial device, as TComPort's properties give them.
struct SerialLineSettings {
    int baudRate = 9600; // bits per second
    int dataBits = 8;    // 5..8
    int parity = 0;      // 0 none, 1 odd, 2 even, 3 mark, 4 space
    int stopBits = 0;    // 0 one, 1 one and a half, 2 two
    int flowControl = 0; // 0 none, 1 RTS/CTS, 2 XON/XOFF
    bool enableDtr = true;
    int readBufSize = 2048;
    int writeBufSize = 2048;
};

// Why a device operation failed: the system's error number (0 when there is
// none, e.g. a refused system console) and its text.
struct SerialError {
    int code = 0;
    QString text;
};

struct SerialWaitResult {
    enum class Kind {
        Edges,       // the watched lines changed; `edges` says how, in order
        Interrupted, // Interrupt() was called
        Failed,      // the device failed (unplugged, I/O error); `error` says why
    };
    Kind kind = Kind::Interrupted;
    std::vector<ModemEdge> edges;
    SerialError error;
    // Edges: the clock's tick the moment the device saw them (taken before it
    // read the lines), when it was given a clock.
    std::optional<uint32_t> tick;
};

// One serial device behind a port number: the Linux device or a simulated
// one. Open, Configure, Close and the queries are called by the port's owner;
// WaitEvent by its reader thread; Interrupt from any thread.
class ISerialDevice {
public:
    virtual ~ISerialDevice() = default;

    // The device's name for messages ("/dev/ttyUSB0", "sim:COM1").
    virtual QString Name() const = 0;

    // Opens the device exclusively; false with LastError() when it cannot.
    virtual bool Open() = 0;
    // Applies the line settings and raises DTR (when enabled) and RTS, which
    // supply the contacts; false with LastError() when the device refuses.
    virtual bool Configure(const SerialLineSettings& settings) = 0;
    // Releases the device; safe when it is not open.
    virtual void Close() = 0;

    // The modem status word (kModem... bits); false with LastError() on failure.
    virtual bool ModemStatus(uint32_t& status) = 0;
    // Bytes waiting in the input queue (0 when unknown).
    virtual int InputCount() = 0;
    // Discards pending input.
    virtual void Purge() = 0;

    // The line events (kEvent... flags) that WaitEvent reports.
    virtual void SetEventMask(uint32_t mask) = 0;
    // The clock WaitEvent reads the moment it sees a change; null for none.
    // Set before the reader thread starts; it must outlive the device.
    virtual void SetClock(ITickSource* clock) = 0;
    // Blocks until a watched line changes, Interrupt() is called or the device
    // fails. A change that happens while no one waits is reported by the next
    // call, so no change is lost between two waits.
    virtual SerialWaitResult WaitEvent() = 0;
    // Makes a blocked WaitEvent return Interrupted, and every later one until
    // the next Open. Any thread may call it, repeatedly.
    virtual void Interrupt() = 0;

    virtual SerialError LastError() const = 0;
};

// The devices that the port numbers 1 to 16 stand for.
class ISerialDevices {
public:
    virtual ~ISerialDevices() = default;
    // The device of port `port`, not yet open; null when the number stands for none.
    virtual std::unique_ptr<ISerialDevice> Device(int port) = 0;
    // The device's name for the operator ("/dev/ttyUSB0"), empty when none.
    virtual QString DeviceName(int port) const = 0;
};

} // namespace zn
