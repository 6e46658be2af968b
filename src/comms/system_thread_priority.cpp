#include "comms/system_thread_priority.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLoggingCategory>
#include <cerrno>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace zn {

Q_DECLARE_LOGGING_CATEGORY(lcReaderPriority)

namespace {

const QString kService = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString kPath = QStringLiteral("/org/freedesktop/RealtimeKit1");

int Resource(LimitKind kind) {
    switch (kind) {
    case LimitKind::RealtimeTime:
        return RLIMIT_RTTIME;
    case LimitKind::RealtimePriority:
        return RLIMIT_RTPRIO;
    case LimitKind::Nice:
        break;
    }
    return RLIMIT_NICE;
}

uint64_t FromRlim(rlim_t value) {
    return value == RLIM_INFINITY ? ResourceLimit::kUnlimited : static_cast<uint64_t>(value);
}

rlim_t ToRlim(uint64_t value) {
    return value == ResourceLimit::kUnlimited ? RLIM_INFINITY : static_cast<rlim_t>(value);
}

// One call to RealtimeKit within what is left of the deadline; false with the
// reason when it did not answer with a reply.
bool Call(const QDBusMessage& call, QDeadlineTimer deadline, QDBusMessage& reply, QString& why) {
    const qint64 left = deadline.remainingTime();
    if (left <= 0) {
        why = QCoreApplication::translate("ReaderPriority", "RealtimeKit antwortet nicht");
        return false;
    }
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        why = QCoreApplication::translate("ReaderPriority", "RealtimeKit fehlt (kein Systembus)");
        return false;
    }
    reply = bus.call(call, QDBus::Block, static_cast<int>(left));
    if (reply.type() == QDBusMessage::ReplyMessage) return true;
    qCInfo(lcReaderPriority) << call.member() << reply.errorName() << reply.errorMessage();
    switch (QDBusError(reply).type()) {
    case QDBusError::ServiceUnknown:
        why = QCoreApplication::translate("ReaderPriority", "RealtimeKit fehlt");
        break;
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
        why = QCoreApplication::translate("ReaderPriority", "RealtimeKit antwortet nicht");
        break;
    default:
        why = QCoreApplication::translate("ReaderPriority", "RealtimeKit lehnt ab");
        break;
    }
    return false;
}

} // namespace

uint64_t SystemThreadPriority::ThreadId() {
    return static_cast<uint64_t>(gettid());
}

std::optional<ResourceLimit> SystemThreadPriority::Limit(LimitKind kind) {
    rlimit limit{};
    if (getrlimit(Resource(kind), &limit) != 0) return std::nullopt;
    return ResourceLimit{FromRlim(limit.rlim_cur), FromRlim(limit.rlim_max)};
}

bool SystemThreadPriority::SetLimit(LimitKind kind, const ResourceLimit& limit) {
    const rlimit value{ToRlim(limit.soft), ToRlim(limit.hard)};
    return setrlimit(Resource(kind), &value) == 0;
}

std::optional<RealtimeKitGrant> SystemThreadPriority::AskRealtimeKit(QDeadlineTimer deadline, QString& why) {
    // One property at a time: RealtimeKit answers Get, not GetAll.
    const auto property = [&](const QString& name) -> std::optional<QVariant> {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        call << kService << name;
        QDBusMessage reply;
        if (!Call(call, deadline, reply, why)) return std::nullopt;
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    };
    const std::optional<QVariant> priority = property(QStringLiteral("MaxRealtimePriority"));
    if (!priority) return std::nullopt;
    const std::optional<QVariant> rtTime = property(QStringLiteral("RTTimeUSecMax"));
    if (!rtTime) return std::nullopt;
    return RealtimeKitGrant{priority->toInt(), rtTime->toLongLong()};
}

bool SystemThreadPriority::MakeThreadRealtime(uint64_t threadId, uint32_t priority, QDeadlineTimer deadline,
                                              QString& why) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("MakeThreadRealtime"));
    call << static_cast<qulonglong>(threadId) << static_cast<uint>(priority);
    QDBusMessage reply;
    return Call(call, deadline, reply, why);
}

int SystemThreadPriority::SetFifo(int priority) {
    sched_param param{};
    param.sched_priority = priority;
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
}

int SystemThreadPriority::Nice(uint64_t threadId) {
    // -1 is a valid nice value: only errno tells a failure.
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(threadId));
    return errno == 0 ? nice : 0;
}

int SystemThreadPriority::SetNice(uint64_t threadId, int nice) {
    return setpriority(PRIO_PROCESS, static_cast<id_t>(threadId), nice) == 0 ? 0 : errno;
}

} // namespace zn
