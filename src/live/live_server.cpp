#include "live/live_server.h"

#include "core/system_errors.h"

#include "live/live_address.h"
#include "live/live_http.h"
#include "live/live_tcp_server.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <future>
#include <sys/resource.h>
#include <unistd.h>

namespace zn {

namespace {

struct Listening {
    bool ok = false;
    uint16_t port = 0;
    QString error;
};

QString ListenError(const QTcpServer& tcp, uint16_t port) {
    switch (tcp.serverError()) {
    case QAbstractSocket::AddressInUseError:
        return QCoreApplication::translate(
                   "LiveServer",
                   "Port %1 ist schon belegt: ein anderes Programm nutzt ihn. Bitte einen anderen "
                   "Port wählen.")
            .arg(port);
    case QAbstractSocket::SocketAccessError:
        return QCoreApplication::translate(
                   "LiveServer",
                   "Port %1 darf dieses Programm nicht öffnen (Ports unter 1024 sind dem System "
                   "vorbehalten). Bitte einen Port ab 1024 wählen.")
            .arg(port);
    default:
        // Qt's socket texts are the system's text of the errno behind them.
        return QCoreApplication::translate("LiveServer", "Port %1 kann nicht geöffnet werden: %2")
            .arg(port)
            .arg(SystemErrorText(ErrnoOfSystemText(tcp.errorString()), tcp.errorString()));
    }
}

// The server's thread: the sockets, the HTTP layer and every request live
// and die here, never on the console's main thread.
class ServerThread final : public QThread {
public:
    ServerThread(const LiveSource& source, uint16_t port) : source_(source), port_(port) {}
    std::future<Listening> Ready() { return ready_.get_future(); }

protected:
    void run() override {
        // Spectators may wait, the timing may not: nice 19 weighs 15 against
        // a normal thread's 1024, so on a busy laptop the contact readers and
        // the clock get the cores first and the page answers a little later.
        if (setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19) != 0)
            qCInfo(lcLive) << "server thread keeps its priority";
        LiveTcpServer tcp(source_, LiveLimits{});
        if (!tcp.listen(QHostAddress::Any, port_)) {
            ready_.set_value({false, port_, ListenError(tcp, port_)});
            return;
        }
        ready_.set_value({true, tcp.serverPort(), {}});
        exec();
    }

private:
    const LiveSource& source_;
    const uint16_t port_;
    std::promise<Listening> ready_;
};

} // namespace

static_assert(LiveLimits{}.maxConnections == LivePageServer::kMaxConnections);
static_assert(LiveLimits{}.maxRequestBytes == LivePageServer::kMaxRequestBytes);

struct LivePageServer::Impl {
    explicit Impl(ITickSource* clock) : source(clock) {}
    LiveSource source;
    std::unique_ptr<ServerThread> thread;
    std::atomic<uint16_t> port{0};
};

LivePageServer::LivePageServer(ITickSource* clock) : impl_(std::make_unique<Impl>(clock)) {}

LivePageServer::~LivePageServer() {
    Stop();
}

bool LivePageServer::Start(uint16_t port, QString* error) {
    Stop();
    impl_->thread = std::make_unique<ServerThread>(impl_->source, port);
    impl_->thread->setObjectName(QStringLiteral("live server"));
    std::future<Listening> ready = impl_->thread->Ready();
    impl_->thread->start();
    const Listening result = ready.get();
    if (!result.ok) {
        impl_->thread->wait();
        impl_->thread.reset();
        qCWarning(lcLive) << result.error;
        if (error) *error = result.error;
        return false;
    }
    impl_->port = result.port;
    qCInfo(lcLive) << "serving on port" << result.port;
    return true;
}

void LivePageServer::Stop() {
    if (!impl_->thread) return;
    impl_->thread->quit();
    impl_->thread->wait();
    impl_->thread.reset();
    impl_->port = 0;
}

bool LivePageServer::Running() const {
    return impl_->thread != nullptr;
}

uint16_t LivePageServer::Port() const {
    return impl_->port;
}

void LivePageServer::SetState(const BoardState& state) {
    impl_->source.Set(state);
}

QString LivePageServer::Address() const {
    return ChooseLiveAddresses(LocalInterfaces(), Port()).preferred;
}

QStringList LivePageServer::Addresses() const {
    return ChooseLiveAddresses(LocalInterfaces(), Port()).all;
}

} // namespace zn
