#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <cstdint>
#include <optional>

namespace zn {

// A resource limit as getrlimit gives it; kUnlimited stands for RLIM_INFINITY.
struct ResourceLimit {
    static constexpr uint64_t kUnlimited = ~uint64_t{0};
    uint64_t soft = 0;
    uint64_t hard = 0;
};

// RLIMIT_RTTIME (µs of CPU a real-time thread may use without blocking),
// RLIMIT_RTPRIO (highest SCHED_FIFO priority without privileges) and
// RLIMIT_NICE (20 - the lowest nice value allowed).
enum class LimitKind { RealtimeTime, RealtimePriority, Nice };

// What the system's RealtimeKit service grants, from its D-Bus properties.
struct RealtimeKitGrant {
    int maxRealtimePriority = 0;
    int64_t rtTimeUSecMax = 0;
};

// The system calls that raise the calling thread's priority, so a test can
// drive every way through RaiseReaderPriority without D-Bus or privileges.
// Called on the thread being raised; an implementation serves several
// threads at once.
class IThreadPrioritySystem {
public:
    virtual ~IThreadPrioritySystem() = default;
    // The kernel's id of the calling thread (gettid()).
    virtual uint64_t ThreadId() = 0;
    virtual std::optional<ResourceLimit> Limit(LimitKind kind) = 0;
    virtual bool SetLimit(LimitKind kind, const ResourceLimit& limit) = 0;
    // RealtimeKit's properties; nothing, with a German reason, when the
    // service cannot be asked or does not answer before the deadline.
    virtual std::optional<RealtimeKitGrant> AskRealtimeKit(QDeadlineTimer deadline, QString& why) = 0;
    // RealtimeKit's MakeThreadRealtime; false with a German reason.
    virtual bool MakeThreadRealtime(uint64_t threadId, uint32_t priority, QDeadlineTimer deadline,
                                    QString& why) = 0;
    // SCHED_FIFO at that priority for the calling thread: 0 or the errno.
    virtual int SetFifo(int priority) = 0;
    // The nice value of a thread, and setting it: 0 or the errno.
    virtual int Nice(uint64_t threadId) = 0;
    virtual int SetNice(uint64_t threadId, int nice) = 0;
};

// Raises the calling thread (a port's reader) to the best priority it can
// get without asking the operator: RealtimeKit's real time, else SCHED_FIFO
// where the limits allow it, else the lowest nice value allowed. Returns
// what is in effect, in German for the operator: "Echtzeit-Priorität
// (RealtimeKit)", "Echtzeit-Priorität (SCHED_FIFO 10)", "erhöhte Priorität
// (nice -11)" or "normale Priorität: " with the reasons. Takes at most about
// 0.5 s, even when RealtimeKit hangs.
QString RaiseReaderPriority(IThreadPrioritySystem& system);

} // namespace zn
