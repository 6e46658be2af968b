#include "comms/com_thread.h"

#include "comms/com_port.h"
#include "comms/reader_priority.h"
#include "core/tick_source.h"

#include <chrono>

namespace zn {

namespace {
// While stopping, the wake-up of a blocked wait is repeated this often: a
// signal that arrives just before the thread enters its wait is lost.
constexpr auto kStopRetry = std::chrono::milliseconds(5);
} // namespace

TComThread::TComThread(TComPort* owner, ISerialDevice* device, ITickSource* clock, uint32_t eventMask,
                       IThreadPrioritySystem* priority)
    : owner_(owner), device_(device), clock_(clock), eventMask_(eventMask), priority_(priority) {
    device_->SetEventMask(eventMask_);
    device_->SetClock(clock_);
    // Inherits the main thread's scheduling; run() raises it. (Qt's
    // TimeCriticalPriority sets the normal scheduler explicitly, where a
    // priority means nothing under Linux.)
    start();
}

TComThread::~TComThread() {
    Stop();
    while (!wait(static_cast<unsigned long>(kStopRetry.count()))) {
        changed_.notify_all(); // a reader waiting for room in the queue
        device_->Interrupt();
    }
    DispatchEvents(true);
}

void TComThread::Stop() {
    stop_ = true;
    changed_.notify_all();
    device_->Interrupt();
}

void TComThread::run() {
    if (priority_) {
        // Before the first wait, which reports the changes since Open: one
        // that comes while RealtimeKit is asked (0.5 s at most) is kept, only
        // its instant is taken when the wait begins.
        const QString text = RaiseReaderPriority(*priority_);
        TComPort* owner = owner_;
        QMetaObject::invokeMethod(
            &mainThreadContext_, [owner, text] { owner->PriorityKnown(text); }, Qt::QueuedConnection);
    }
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
        // The instant of the contact: taken here (or by the device as it
        // woke), not when the main thread gets to it, so a busy window never
        // shifts a recorded time.
        const uint32_t tick = result.tick ? *result.tick : clock_ ? clock_->TickCount() : 0;
        Queue(result.edges, tick);
    }
    device_->Purge();
    if (failed) {
        TComPort* owner = owner_;
        QMetaObject::invokeMethod(
            &mainThreadContext_, [owner, failure] { owner->ThreadFailed(failure); }, Qt::QueuedConnection);
    }
}

void TComThread::Queue(const std::vector<ModemEdge>& edges, uint32_t tick) {
    std::unique_lock lock(mutex_);
    for (const ModemEdge& edge : edges) {
        changed_.wait(lock, [this] { return queue_.size() < kMaxQueued || stop_; });
        if (stop_ && queue_.size() >= kMaxQueued) return;
        queue_.push_back({edge, tick});
    }
    if (posted_) return;
    posted_ = true;
    lock.unlock();
    PostDispatch();
}

void TComThread::PostDispatch() {
    QMetaObject::invokeMethod(
        &mainThreadContext_, [this] { DispatchEvents(); }, Qt::QueuedConnection);
}

bool TComThread::DispatchEvents(bool evenWhenHeld) {
    std::unique_lock lock(mutex_);
    posted_ = false;
    // A handler's local event loop can bring a second request while a change
    // is being dispatched: the running dispatch goes on with the queue.
    if (serving_ || queue_.empty()) return false;
    bool fired = false;
    while (!queue_.empty() && (evenWhenHeld || !owner_->EventsHeld())) {
        const Change change = queue_.front();
        queue_.pop_front();
        serving_ = true;
        changed_.notify_all();
        lock.unlock();
        owner_->DispatchEvents(change.edge.events & eventMask_, change.edge.status, change.tick);
        fired = true;
        lock.lock();
        serving_ = false;
    }
    return fired;
}

} // namespace zn
