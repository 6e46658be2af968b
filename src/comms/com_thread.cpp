#include "comms/com_thread.h"

#include "comms/com_port.h"
#include "core/tick_source.h"

#include <chrono>

namespace zn {

namespace {
// While stopping, the wake-up of a blocked wait is repeated this often: a
// signal that arrives just before the thread enters its wait is lost.
constexpr auto kStopRetry = std::chrono::milliseconds(5);
} // namespace

TComThread::TComThread(TComPort* owner, ISerialDevice* device, ITickSource* clock, uint32_t eventMask)
    : owner_(owner), device_(device), clock_(clock), eventMask_(eventMask) {
    device_->SetEventMask(eventMask_);
    start(QThread::TimeCriticalPriority);
}

TComThread::~TComThread() {
    Stop();
    std::unique_lock lock(mutex_);
    while (!finished_) {
        if (pending_ && !serving_) {
            lock.unlock();
            DispatchEvents(true);
            lock.lock();
            continue;
        }
        changed_.wait_for(lock, kStopRetry);
        lock.unlock();
        device_->Interrupt();
        lock.lock();
    }
    lock.unlock();
    wait();
}

void TComThread::Stop() {
    stop_ = true;
    device_->Interrupt();
}

void TComThread::run() {
    SerialError failure;
    bool failed = false;
    while (!stop_) {
        SerialWaitResult result = device_->WaitEvent();
        if (result.kind == SerialWaitResult::Kind::Failed) {
            failed = !stop_;
            failure = result.error;
            break;
        }
        if (result.kind == SerialWaitResult::Kind::Interrupted) continue;
        // The instant of the contact: read here, not when the main thread
        // gets to it, so a busy window never shifts a recorded time.
        const uint32_t tick = clock_ ? clock_->TickCount() : 0;
        for (const ModemEdge& edge : result.edges) {
            if (stop_) break;
            HandOver(edge, tick);
        }
    }
    device_->Purge();
    if (failed) {
        TComPort* owner = owner_;
        QMetaObject::invokeMethod(
            &mainThreadContext_, [owner, failure] { owner->ThreadFailed(failure); }, Qt::QueuedConnection);
    }
    std::lock_guard lock(mutex_);
    finished_ = true;
    changed_.notify_all();
}

void TComThread::HandOver(const ModemEdge& edge, uint32_t tick) {
    std::unique_lock lock(mutex_);
    received_ = edge;
    receivedTick_ = tick;
    pending_ = true;
    changed_.notify_all();
    lock.unlock();
    PostDispatch();
    lock.lock();
    changed_.wait(lock, [this] { return !pending_; });
}

void TComThread::PostDispatch() {
    QMetaObject::invokeMethod(
        &mainThreadContext_, [this] { DispatchEvents(); }, Qt::QueuedConnection);
}

bool TComThread::DispatchEvents(bool evenWhenHeld) {
    std::unique_lock lock(mutex_);
    // A handler's local event loop can bring a second request for the change
    // that is being dispatched: it is served once.
    if (!pending_ || serving_) return false;
    if (owner_->EventsHeld() && !evenWhenHeld) return false;
    serving_ = true;
    const ModemEdge edge = received_;
    const uint32_t tick = receivedTick_;
    lock.unlock();

    owner_->DispatchEvents(edge.events & eventMask_, edge.status, tick);

    lock.lock();
    serving_ = false;
    pending_ = false;
    changed_.notify_all();
    return true;
}

} // namespace zn
