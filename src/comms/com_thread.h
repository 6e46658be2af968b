#pragma once

#include "comms/serial_device.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

namespace zn {

class ITickSource;
class IThreadPrioritySystem;
class TComPort;

// The reader thread of one open port. It blocks in the device's wait, takes
// the instant of each change the moment the wait returns, queues the change
// with its instant and waits again at once: a change that follows while the
// main thread is still busy with the one before keeps its own instant. The
// main thread fires the port's events of the queued changes one at a time, in
// order, so the handlers of one port never overlap. Before its first wait it
// raises its own priority (never the main thread's) and tells the port which
// it got.
class TComThread : public QThread {
public:
    // Created on the main thread by TComPort::Open; starts at once. Without
    // `priority` the thread runs at the priority of the main thread.
    TComThread(TComPort* owner, ISerialDevice* device, ITickSource* clock, uint32_t eventMask,
               IThreadPrioritySystem* priority);
    // Stops the thread, waits for its end and then fires the changes still
    // queued (even while the port holds its events): a change seen before the
    // close is never dropped.
    ~TComThread() override;

    void Stop();
    // Main thread: fires the port's events of the queued changes, oldest
    // first, unless the port holds its events. False when nothing was queued.
    bool DispatchEvents(bool evenWhenHeld = false);
    // Asks the main thread to dispatch the queue (after a hold ends).
    void PostDispatch();

    // So many changes wait at most; past it the reader waits for the main
    // thread before it queues more, so a main thread that hangs while a line
    // chatters costs bounded memory and loses nothing.
    static constexpr size_t kMaxQueued = 4096;

protected:
    void run() override;

private:
    struct Change {
        ModemEdge edge;
        uint32_t tick = 0;
    };

    // Reader thread: queues the changes of one wait and asks for a dispatch.
    void Queue(const std::vector<ModemEdge>& edges, uint32_t tick);

    TComPort* owner_;
    ISerialDevice* device_;
    ITickSource* clock_;
    uint32_t eventMask_;
    IThreadPrioritySystem* priority_;
    std::atomic<bool> stop_{false};

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Change> queue_;
    bool posted_ = false;  // a dispatch request is on its way to the main thread
    bool serving_ = false; // the main thread is firing a change's events

    // Lives on the main thread; queued dispatches die with it.
    QObject mainThreadContext_;
};

} // namespace zn
