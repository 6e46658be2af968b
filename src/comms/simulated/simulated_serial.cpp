#include "comms/simulated/simulated_serial.h"

#include "core/tick_source.h"

#include <cerrno>
#include <thread>

namespace zn {

namespace {

// The transition counter of a status bit; null for anything but one line's bit.
uint32_t* CountOf(ModemCounts& counts, uint32_t statusBit) {
    switch (statusBit) {
    case kModemCtsOn:
        return &counts.cts;
    case kModemDsrOn:
        return &counts.dsr;
    case kModemRingOn:
        return &counts.ring;
    case kModemRlsdOn:
        return &counts.rlsd;
    default:
        return nullptr;
    }
}

SerialError SystemError(int code) {
    return {code, qt_error_string(code)};
}

} // namespace

SimulatedSerialLine::SimulatedSerialLine(QString name) : name_(std::move(name)) {}

void SimulatedSerialLine::NotifyLocked() {
    changed_.notify_all();
}

void SimulatedSerialLine::Set(uint32_t statusBits, bool on) {
    std::lock_guard lock(mutex_);
    bool changed = false;
    for (uint32_t bit = 1; bit != 0 && bit <= statusBits; bit <<= 1) {
        uint32_t* count = (statusBits & bit) ? CountOf(counts_, bit) : nullptr;
        if (!count || ((status_ & bit) != 0) == on) continue;
        status_ ^= bit;
        ++*count;
        changed = true;
    }
    if (changed) NotifyLocked();
}

void SimulatedSerialLine::Pulse(uint32_t statusBit, int ms) {
    if (ms > 0) {
        const bool wasOn = (Status() & statusBit) != 0;
        Set(statusBit, !wasOn);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        Set(statusBit, wasOn);
        return;
    }
    std::lock_guard lock(mutex_);
    uint32_t* count = CountOf(counts_, statusBit);
    if (!count) return;
    *count += 2; // there and back within one reading
    NotifyLocked();
}

void SimulatedSerialLine::Unplug() {
    std::lock_guard lock(mutex_);
    plugged_ = false;
    owner_ = 0;
    NotifyLocked();
}

void SimulatedSerialLine::Replug() {
    std::lock_guard lock(mutex_);
    plugged_ = true;
}

uint32_t SimulatedSerialLine::Status() const {
    std::lock_guard lock(mutex_);
    return status_;
}

ModemCounts SimulatedSerialLine::Counts() const {
    std::lock_guard lock(mutex_);
    return counts_;
}

bool SimulatedSerialLine::IsPlugged() const {
    std::lock_guard lock(mutex_);
    return plugged_;
}

bool SimulatedSerialLine::IsOpen() const {
    std::lock_guard lock(mutex_);
    return owner_ != 0;
}

SerialLineSettings SimulatedSerialLine::Settings() const {
    std::lock_guard lock(mutex_);
    return settings_;
}

int SimulatedSerialLine::WaitersForTest() const {
    std::lock_guard lock(mutex_);
    return waiters_;
}

bool SimulatedSerialLine::WaitForWaitersForTest(int count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return waitersChanged_.wait_for(lock, timeout, [&] { return waiters_ >= count; });
}

std::shared_ptr<SimulatedSerialLine> SimulatedSerialHub::Line(const QString& name) {
    std::lock_guard lock(mutex_);
    std::shared_ptr<SimulatedSerialLine>& line = lines_[name.toCaseFolded()];
    if (!line) line = std::make_shared<SimulatedSerialLine>(name);
    return line;
}

SimulatedSerialDevice::SimulatedSerialDevice(std::shared_ptr<SimulatedSerialLine> line)
    : line_(std::move(line)) {}

SimulatedSerialDevice::~SimulatedSerialDevice() {
    Close();
}

QString SimulatedSerialDevice::Name() const {
    return QStringLiteral("sim:") + line_->Name();
}

int SimulatedSerialDevice::UnusableLocked() const {
    if (ticket_ == 0) return EBADF;
    if (line_->owner_ != ticket_) return EIO; // unplugged since it was opened
    return 0;
}

bool SimulatedSerialDevice::FailLocked(int code) {
    lastError_ = SystemError(code);
    return false;
}

bool SimulatedSerialDevice::Open() {
    std::lock_guard lock(line_->mutex_);
    if (!line_->plugged_) return FailLocked(ENOENT);
    if (line_->owner_ != 0) return FailLocked(EBUSY);
    ticket_ = line_->owner_ = ++line_->lastTicket_;
    lastStatus_ = line_->status_;
    lastCounts_ = line_->counts_;
    interrupted_ = false;
    lastError_ = {};
    return true;
}

bool SimulatedSerialDevice::Configure(const SerialLineSettings& settings) {
    std::lock_guard lock(line_->mutex_);
    if (const int code = UnusableLocked()) return FailLocked(code);
    line_->settings_ = settings;
    return true;
}

void SimulatedSerialDevice::Close() {
    std::lock_guard lock(line_->mutex_);
    if (ticket_ != 0 && line_->owner_ == ticket_) line_->owner_ = 0;
    ticket_ = 0;
    line_->NotifyLocked(); // a reader still waiting learns that the device is gone
}

bool SimulatedSerialDevice::ModemStatus(uint32_t& status) {
    std::lock_guard lock(line_->mutex_);
    if (const int code = UnusableLocked()) return FailLocked(code);
    status = line_->status_;
    return true;
}

void SimulatedSerialDevice::SetEventMask(uint32_t mask) {
    std::lock_guard lock(line_->mutex_);
    eventMask_ = mask;
}

void SimulatedSerialDevice::SetClock(ITickSource* clock) {
    std::lock_guard lock(line_->mutex_);
    clock_ = clock;
}

SerialWaitResult SimulatedSerialDevice::WaitEvent() {
    std::unique_lock lock(line_->mutex_);
    bool counted = false;
    SerialWaitResult result;
    for (;;) {
        if (interrupted_) {
            result.kind = SerialWaitResult::Kind::Interrupted;
            break;
        }
        if (const int code = UnusableLocked()) {
            result.kind = SerialWaitResult::Kind::Failed;
            result.error = lastError_ = SystemError(code);
            break;
        }
        result.edges =
            ModemEdgesFromCounts(eventMask_, lastStatus_, lastCounts_, line_->status_, line_->counts_);
        // Changes of unwatched lines are taken in as well, so they do not
        // come back as edges once the mask takes those lines in.
        lastStatus_ = line_->status_;
        lastCounts_ = line_->counts_;
        if (!result.edges.empty()) {
            result.kind = SerialWaitResult::Kind::Edges;
            if (clock_) result.tick = clock_->TickCount();
            break;
        }
        if (!counted) {
            counted = true;
            ++line_->waiters_;
            line_->waitersChanged_.notify_all();
        }
        line_->changed_.wait(lock);
    }
    if (counted) {
        --line_->waiters_;
        line_->waitersChanged_.notify_all();
    }
    return result;
}

void SimulatedSerialDevice::Interrupt() {
    std::lock_guard lock(line_->mutex_);
    interrupted_ = true;
    line_->NotifyLocked();
}

SerialError SimulatedSerialDevice::LastError() const {
    std::lock_guard lock(line_->mutex_);
    return lastError_;
}

} // namespace zn
