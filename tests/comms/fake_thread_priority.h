#pragma once

#include "comms/reader_priority.h"

#include <QStringList>
#include <map>
#include <mutex>
#include <thread>

namespace zn::test {

// The system as a test sets it up: which way grants what. Every call that
// changes something is logged ("rttime 200000/200000", "rtkit 4711 10",
// "fifo 10", "nice 4711 -11"); calls come from the reader threads.
class FakeThreadPriority : public IThreadPrioritySystem {
public:
    static constexpr uint64_t kThread = 4711;
    static constexpr uint64_t kUnlimited = ResourceLimit::kUnlimited;

    std::optional<RealtimeKitGrant> realtimeKit; // nothing: the service is missing
    bool realtimeKitRefuses = false;
    int fifoError = 0; // what pthread_setschedparam answers
    int nice = 0;      // the thread's nice value now
    std::map<LimitKind, ResourceLimit> limits{{LimitKind::RealtimeTime, {kUnlimited, kUnlimited}},
                                              {LimitKind::RealtimePriority, {0, 0}},
                                              {LimitKind::Nice, {0, 0}}};

    QStringList Log() const {
        std::lock_guard lock(mutex_);
        return log_;
    }
    // The thread of the first call, default-constructed before any.
    std::thread::id Caller() const {
        std::lock_guard lock(mutex_);
        return caller_;
    }

    uint64_t ThreadId() override {
        std::lock_guard lock(mutex_);
        if (caller_ == std::thread::id()) caller_ = std::this_thread::get_id();
        return kThread;
    }
    std::optional<ResourceLimit> Limit(LimitKind kind) override {
        std::lock_guard lock(mutex_);
        return limits.at(kind);
    }
    bool SetLimit(LimitKind kind, const ResourceLimit& limit) override {
        std::lock_guard lock(mutex_);
        if (kind == LimitKind::RealtimeTime)
            log_ << QStringLiteral("rttime %1/%2").arg(limit.soft).arg(limit.hard);
        limits[kind] = limit;
        return true;
    }
    std::optional<RealtimeKitGrant> AskRealtimeKit(QDeadlineTimer, QString& why) override {
        if (!realtimeKit) why = QStringLiteral("RealtimeKit fehlt");
        return realtimeKit;
    }
    bool MakeThreadRealtime(uint64_t threadId, uint32_t priority, QDeadlineTimer, QString& why) override {
        std::lock_guard lock(mutex_);
        log_ << QStringLiteral("rtkit %1 %2").arg(threadId).arg(priority);
        if (realtimeKitRefuses) why = QStringLiteral("RealtimeKit lehnt ab");
        return !realtimeKitRefuses;
    }
    int SetFifo(int priority) override {
        std::lock_guard lock(mutex_);
        if (caller_ == std::thread::id()) caller_ = std::this_thread::get_id();
        log_ << QStringLiteral("fifo %1").arg(priority);
        return fifoError;
    }
    int Nice(uint64_t) override { return nice; }
    int SetNice(uint64_t threadId, int value) override {
        std::lock_guard lock(mutex_);
        log_ << QStringLiteral("nice %1 %2").arg(threadId).arg(value);
        return 0;
    }

private:
    mutable std::mutex mutex_;
    QStringList log_;
    std::thread::id caller_;
};

} // namespace zn::test
