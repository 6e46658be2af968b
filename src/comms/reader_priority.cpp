#include "comms/reader_priority.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStringList>
#include <algorithm>

namespace zn {

Q_LOGGING_CATEGORY(lcReaderPriority, "zn.comms.priority", QtWarningMsg)

namespace {

// Above every normal thread, below the kernel's interrupt threads (50) that
// deliver the line change to the reader. Measured with two CPU-bound
// programs on 2 cores: the recorded instant p99 4.0 ms late at normal
// priority, 0.47 ms at SCHED_FIFO 10.
constexpr int kRealtimePriority = 10;
// All calls to RealtimeKit together: a hung service delays the reader's
// first wait (and the instant of a change that comes meanwhile) no longer.
constexpr int kRealtimeKitBudgetMs = 500;
// RealtimeKit's own default, for a service that does not say.
constexpr int64_t kDefaultRtTimeUSecMax = 200000;

QString LimitText(uint64_t limit) {
    return limit == ResourceLimit::kUnlimited ? QCoreApplication::translate("ReaderPriority", "unbegrenzt")
                                              : QString::number(limit);
}

// RealtimeKit serves only a process whose real-time threads cannot freeze the
// machine: RLIMIT_RTTIME at most its RTTimeUSecMax (200 ms of CPU without
// blocking, then SIGXCPU). The reader blocks in its wait after every change,
// a few µs of CPU, so only a runaway loop ever meets the limit. The hard limit
// is never raised, a lower one the user set stays.
bool LimitRealtimeTime(IThreadPrioritySystem& system, int64_t rtTimeUSecMax) {
    const std::optional<ResourceLimit> now = system.Limit(LimitKind::RealtimeTime);
    if (!now) return false;
    const uint64_t most = static_cast<uint64_t>(rtTimeUSecMax > 0 ? rtTimeUSecMax : kDefaultRtTimeUSecMax);
    ResourceLimit wanted;
    wanted.hard = std::min(now->hard, most);
    wanted.soft = std::min(now->soft, wanted.hard);
    if (wanted.soft == now->soft && wanted.hard == now->hard) return true;
    return system.SetLimit(LimitKind::RealtimeTime, wanted);
}

std::optional<QString> ByRealtimeKit(IThreadPrioritySystem& system, QStringList& why) {
    const QDeadlineTimer deadline(kRealtimeKitBudgetMs);
    QString reason;
    const std::optional<RealtimeKitGrant> grant = system.AskRealtimeKit(deadline, reason);
    if (!grant) {
        why << reason;
        return std::nullopt;
    }
    const int priority = std::min(kRealtimePriority, grant->maxRealtimePriority);
    if (priority < 1) {
        why << QCoreApplication::translate("ReaderPriority", "RealtimeKit gewährt keine Echtzeit");
        return std::nullopt;
    }
    if (!LimitRealtimeTime(system, grant->rtTimeUSecMax)) {
        why << QCoreApplication::translate("ReaderPriority",
                                           "RealtimeKit: Zeitgrenze RLIMIT_RTTIME nicht setzbar");
        return std::nullopt;
    }
    if (!system.MakeThreadRealtime(system.ThreadId(), static_cast<uint32_t>(priority), deadline, reason)) {
        why << reason;
        return std::nullopt;
    }
    qCInfo(lcReaderPriority) << "RealtimeKit, priority" << priority;
    return QCoreApplication::translate("ReaderPriority", "Echtzeit-Priorität (RealtimeKit)");
}

// RLIMIT_RTPRIO grants SCHED_FIFO up to its value; with none the kernel still
// grants it to root (CAP_SYS_NICE), so the request is made and judged by its
// answer.
std::optional<QString> ByFifo(IThreadPrioritySystem& system, QStringList& why) {
    const std::optional<ResourceLimit> limit = system.Limit(LimitKind::RealtimePriority);
    const uint64_t allowed = limit ? limit->soft : 0;
    const int priority =
        allowed >= 1 ? static_cast<int>(std::min<uint64_t>(kRealtimePriority, allowed)) : kRealtimePriority;
    if (system.SetFifo(priority) != 0) {
        why << QCoreApplication::translate("ReaderPriority", "kein Recht auf SCHED_FIFO (rtprio %1)")
                   .arg(LimitText(allowed));
        return std::nullopt;
    }
    qCInfo(lcReaderPriority) << "SCHED_FIFO" << priority;
    return QCoreApplication::translate("ReaderPriority", "Echtzeit-Priorität (SCHED_FIFO %1)").arg(priority);
}

// RLIMIT_NICE r allows nice values down to 20 - r (so 31 allows -11).
std::optional<QString> ByNice(IThreadPrioritySystem& system, QStringList& why) {
    const std::optional<ResourceLimit> limit = system.Limit(LimitKind::Nice);
    const uint64_t allowed = limit ? limit->soft : 0;
    const int best = allowed >= 40 ? -20 : std::min(19, 20 - static_cast<int>(allowed));
    const uint64_t thread = system.ThreadId();
    if (best >= system.Nice(thread) || system.SetNice(thread, best) != 0) {
        why << QCoreApplication::translate("ReaderPriority",
                                           "kein Recht auf niedrigeren nice-Wert (Limit %1)")
                   .arg(LimitText(allowed));
        return std::nullopt;
    }
    qCInfo(lcReaderPriority) << "nice" << best;
    return QCoreApplication::translate("ReaderPriority", "erhöhte Priorität (nice %1)").arg(best);
}

} // namespace

QString RaiseReaderPriority(IThreadPrioritySystem& system) {
    QStringList why;
    for (auto way : {ByRealtimeKit, ByFifo, ByNice})
        if (std::optional<QString> text = way(system, why)) return *text;
    qCInfo(lcReaderPriority) << "normal priority:" << why;
    return QCoreApplication::translate("ReaderPriority", "normale Priorität: %1")
        .arg(why.join(QStringLiteral(", ")));
}

} // namespace zn
