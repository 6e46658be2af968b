#pragma once

#include "comms/serial_device.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace zn {

class ITickSource;
class TComPort;

// The reader thread of one open port. It blocks in the device's wait, reads
// the clock the moment a change arrives, and hands each change over to the
// main thread, waiting until the port's events have fired there before it
// waits again: so the handlers of one port never overlap and see the changes
// in order.
class TComThread : public QThread {
public:
    // Created on the main thread by TComPort::Open; starts at once.
    TComThread(TComPort* owner, ISerialDevice* device, ITickSource* clock, uint32_t eventMask);
    // Stops the thread and waits for its end, serving a hand-over that is
    // pending meanwhile, so a close while an event is handed over cannot
    // deadlock.
    ~TComThread() override;

    void Stop();
    // Main thread: fires the port's events of the change handed over, unless
    // the port holds its events. False when nothing was pending.
    bool DispatchEvents(bool evenWhenHeld = false);
    // Asks the main thread to dispatch a pending change (after a hold ends).
    void PostDispatch();

protected:
    void run() override;

private:
    // Reader thread: publishes one change and blocks until it was dispatched
    // (or the thread is being stopped and nobody will).
    void HandOver(const ModemEdge& edge, uint32_t tick);

    TComPort* owner_;
    ISerialDevice* device_;
    ITickSource* clock_;
    uint32_t eventMask_;
    std::atomic<bool> stop_{false};

    std::mutex mutex_;
    std::condition_variable changed_;
    bool pending_ = false;
    bool serving_ = false;
    bool finished_ = false;
    ModemEdge received_;
    uint32_t receivedTick_ = 0;

    // Lives on the main thread; queued dispatches die with it.
    QObject mainThreadContext_;
};

} // namespace zn
