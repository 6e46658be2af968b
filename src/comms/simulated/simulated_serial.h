#pragma once

#include "comms/serial_device.h"
#include "core/modem_lines.h"

#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace zn {

// One simulated serial device and the contacts wired to it: the modem lines'
// states, the driver's transition counts, whether the adapter is plugged in
// and whether a console has it open. Tests and the contact control socket
// change it from any thread; the SimulatedSerialDevice bound to it reports the
// changes to the port's reader thread.
class SimulatedSerialLine {
public:
    explicit SimulatedSerialLine(QString name);
    SimulatedSerialLine(const SimulatedSerialLine&) = delete;
    SimulatedSerialLine& operator=(const SimulatedSerialLine&) = delete;

    QString Name() const { return name_; }

    // Puts modem lines (kModemCtsOn, kModemDsrOn, kModemRingOn, kModemRlsdOn,
    // several at once when or-ed) into a state; a change counts as one
    // transition of its line, setting the state it already has changes nothing.
    void Set(uint32_t statusBits, bool on);
    // Puts the line into the other state and back. With `ms` 0 both
    // transitions happen at once, quicker than any reader can wake up; with
    // more, the calling thread sleeps `ms` in between.
    void Pulse(uint32_t statusBit, int ms);
    // Pulls the adapter: a waiting reader fails with EIO, the open device stays
    // dead until it is opened again, and Open fails with ENOENT until Replug.
    void Unplug();
    void Replug();

    uint32_t Status() const;
    ModemCounts Counts() const;
    bool IsPlugged() const;
    bool IsOpen() const;
    // The settings of the last successful Configure.
    SerialLineSettings Settings() const;

    // Readers blocked in WaitEvent right now.
    int WaitersForTest() const;
    // Blocks until at least `count` readers wait (true) or `timeout` passes
    // (false), so a test can act on a blocked reader without guessing a sleep.
    bool WaitForWaitersForTest(int count, std::chrono::milliseconds timeout) const;

private:
    friend class SimulatedSerialDevice;

    void NotifyLocked();

    const QString name_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    mutable std::condition_variable waitersChanged_;
    uint32_t status_ = 0;
    ModemCounts counts_;
    bool plugged_ = true;
    // The open device's ticket, 0 when none; each Open draws a new one, so a
    // device opened before an Unplug stays dead after the Replug.
    uint64_t owner_ = 0;
    uint64_t lastTicket_ = 0;
    SerialLineSettings settings_;
    int waiters_ = 0;
};

// The simulated lines by name ("COM1"; letter case does not matter), created
// on first use so that a console and the control socket meet on the same line
// whichever comes first.
class SimulatedSerialHub {
public:
    std::shared_ptr<SimulatedSerialLine> Line(const QString& name);

private:
    std::mutex mutex_;
    std::map<QString, std::shared_ptr<SimulatedSerialLine>> lines_;
};

// The ISerialDevice of one simulated line, as a port opens it.
class SimulatedSerialDevice final : public ISerialDevice {
public:
    explicit SimulatedSerialDevice(std::shared_ptr<SimulatedSerialLine> line);
    ~SimulatedSerialDevice() override;

    QString Name() const override;
    bool Open() override;
    bool Configure(const SerialLineSettings& settings) override;
    void Close() override;
    bool ModemStatus(uint32_t& status) override;
    int InputCount() override { return 0; }
    void Purge() override {}
    void SetEventMask(uint32_t mask) override;
    void SetClock(ITickSource* clock) override;
    SerialWaitResult WaitEvent() override;
    void Interrupt() override;
    SerialError LastError() const override;

private:
    // 0 when this device may use the line; otherwise the error number that
    // its operations fail with (EIO once unplugged, EBADF when not open).
    int UnusableLocked() const;
    bool FailLocked(int code);

    const std::shared_ptr<SimulatedSerialLine> line_;
    // All below are guarded by line_->mutex_.
    uint64_t ticket_ = 0;
    uint32_t eventMask_ = 0;
    ITickSource* clock_ = nullptr;
    uint32_t lastStatus_ = 0;
    ModemCounts lastCounts_;
    bool interrupted_ = false;
    SerialError lastError_;
};

} // namespace zn
