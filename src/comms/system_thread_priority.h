#pragma once

#include "comms/reader_priority.h"

namespace zn {

// The real calls: RealtimeKit on the system bus (org.freedesktop.RealtimeKit1),
// getrlimit/setrlimit, pthread_setschedparam and setpriority.
class SystemThreadPriority final : public IThreadPrioritySystem {
public:
    uint64_t ThreadId() override;
    std::optional<ResourceLimit> Limit(LimitKind kind) override;
    bool SetLimit(LimitKind kind, const ResourceLimit& limit) override;
    std::optional<RealtimeKitGrant> AskRealtimeKit(QDeadlineTimer deadline, QString& why) override;
    bool MakeThreadRealtime(uint64_t threadId, uint32_t priority, QDeadlineTimer deadline,
                            QString& why) override;
    int SetFifo(int priority) override;
    int Nice(uint64_t threadId) override;
    int SetNice(uint64_t threadId, int nice) override;
};

} // namespace zn
