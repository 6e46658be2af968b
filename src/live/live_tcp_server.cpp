#include "live/live_tcp_server.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <unistd.h>

namespace zn {

namespace {

// One device, one count: an IPv4 peer on a dual-stack socket comes as
// "::ffff:a.b.c.d"; an IPv6 device picks new addresses within its /64.
QHostAddress DeviceOf(const QHostAddress& peer) {
    bool v4 = false;
    const quint32 ip4 = peer.toIPv4Address(&v4);
    if (v4) return QHostAddress(ip4);
    Q_IPV6ADDR ip6 = peer.toIPv6Address();
    for (int i = 8; i < 16; ++i)
        ip6[i] = 0;
    return QHostAddress(ip6);
}

// Where the blank line after the headers ends, and where it starts; -1 while
// it has not come.
std::pair<qsizetype, qsizetype> HeadEnd(const QByteArray& in) {
    for (qsizetype at = in.indexOf('\n'); at >= 0; at = in.indexOf('\n', at + 1)) {
        if (at + 1 < in.size() && in[at + 1] == '\n') return {at + 2, at};
        if (at + 2 < in.size() && in[at + 1] == '\r' && in[at + 2] == '\n') return {at + 3, at};
    }
    return {-1, -1};
}

} // namespace

struct LiveTcpServer::Connection {
    QTcpSocket* socket = nullptr;
    QHostAddress device;
    QByteArray in;             // the request being read, at most its head
    uint32_t lastActive = 0;   // tick of the last byte read or taken by the network
    uint32_t requestStart = 0; // tick of the first byte of the request being read
    bool requestOpen = false;
    bool paused = false;  // its answers are unread: its requests wait in the socket
    bool closing = false; // answered for the last time or cut
    qsizetype queued = 0; // its part of queued_
};

LiveTcpServer::LiveTcpServer(const LiveSource& source, const LiveLimits& limits, QObject* parent)
    : QTcpServer(parent), source_(source), limits_(limits) {
    sweep_.setInterval(limits_.sweepMs);
    connect(&sweep_, &QTimer::timeout, this, &LiveTcpServer::Sweep);
    sweep_.start();
}

LiveTcpServer::~LiveTcpServer() {
    for (auto& [socket, c] : connections_)
        QObject::disconnect(socket, nullptr, this, nullptr);
}

int LiveTcpServer::PausedConnections() const {
    int paused = 0;
    for (const auto& [socket, c] : connections_)
        paused += c->paused && !c->closing ? 1 : 0;
    return paused;
}

int LiveTcpServer::ReadingRequests() const {
    int reading = 0;
    for (const auto& [socket, c] : connections_)
        reading += c->requestOpen ? 1 : 0;
    return reading;
}

void LiveTcpServer::incomingConnection(qintptr handle) {
    if (OpenConnections() >= limits_.maxConnections) {
        qCInfo(lcLive) << "connection refused:" << OpenConnections() << "open";
        ::close(static_cast<int>(handle));
        return;
    }
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        ::close(static_cast<int>(handle));
        return;
    }
    const QHostAddress device = DeviceOf(socket->peerAddress());
    int& fromDevice = perAddress_[device];
    if (fromDevice >= limits_.maxPerAddress) {
        qCInfo(lcLive) << "connection refused:" << fromDevice << "open from" << socket->peerAddress();
        delete socket;
        return;
    }
    ++fromDevice;
    // What waits in the socket while the connection is paused, and a head
    // that never ends, stay within two heads.
    socket->setReadBufferSize(2 * limits_.maxRequestBytes);
    auto c = std::make_unique<Connection>();
    c->socket = socket;
    c->device = device;
    c->lastActive = source_.Now();
    Connection& conn = *c;
    connections_.emplace(socket, std::move(c));
    connect(socket, &QTcpSocket::readyRead, this, [this, &conn] {
        if (!conn.paused) Serve(conn);
    });
    connect(socket, &QTcpSocket::bytesWritten, this, [this, &conn] {
        conn.lastActive = source_.Now();
        Account(conn);
        if (conn.paused && conn.socket->bytesToWrite() <= limits_.pauseOutputBytes / 2) {
            conn.paused = false;
            Serve(conn);
        }
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, this, [this, socket] { Forget(socket); });
    if (socket->bytesAvailable() > 0) Serve(conn);
}

void LiveTcpServer::Forget(QTcpSocket* socket) {
    const auto it = connections_.find(socket);
    if (it == connections_.end()) return;
    queued_ -= it->second->queued;
    const auto count = perAddress_.find(it->second->device);
    if (count != perAddress_.end() && --count.value() <= 0) perAddress_.erase(count);
    connections_.erase(it);
}

void LiveTcpServer::Account(Connection& c) {
    const qsizetype now = c.socket->bytesToWrite();
    queued_ += now - c.queued;
    c.queued = now;
}

void LiveTcpServer::Cut(Connection& c, const char* why) {
    if (c.closing && c.socket->state() == QAbstractSocket::UnconnectedState) return;
    qCInfo(lcLive) << "connection cut:" << why << c.socket->peerAddress();
    c.closing = true;
    c.socket->abort();
    Account(c);
    c.socket->deleteLater();
}

void LiveTcpServer::Sweep() {
    const uint32_t now = source_.Now();
    for (auto& [socket, c] : connections_) {
        if (now - c->lastActive >= static_cast<uint32_t>(limits_.idleMs))
            Cut(*c, "idle");
        else if (c->requestOpen && now - c->requestStart >= static_cast<uint32_t>(limits_.requestDeadlineMs))
            Cut(*c, "request past its deadline");
    }
}

void LiveTcpServer::Serve(Connection& c) {
    while (!c.closing && !c.paused) {
        const qsizetype room = limits_.maxRequestBytes + 3 - c.in.size();
        if (room > 0 && c.socket->bytesAvailable() > 0) {
            const QByteArray more = c.socket->read(room);
            if (!more.isEmpty()) {
                c.lastActive = source_.Now();
                c.in += more;
            }
        }
        // Blank lines between requests are allowed and are no request.
        qsizetype blank = 0;
        while (blank < c.in.size() && (c.in[blank] == '\r' || c.in[blank] == '\n'))
            ++blank;
        c.in.remove(0, blank);
        if (c.in.isEmpty()) {
            c.requestOpen = false;
            return;
        }
        if (!c.requestOpen) {
            c.requestOpen = true;
            c.requestStart = source_.Now();
        }
        const auto [end, headEnd] = HeadEnd(c.in);
        if (end < 0 || headEnd > limits_.maxRequestBytes) {
            if (c.in.size() > limits_.maxRequestBytes)
                Answer(c, LiveRefusal(413, QCoreApplication::translate("LivePage", "Anfrage zu groß.")),
                       false, false);
            return; // else the rest is still on its way
        }
        const std::optional<LiveRequestHead> head = ParseRequestHead(QByteArrayView(c.in).first(headEnd));
        c.in.remove(0, end);
        c.requestOpen = false;
        if (!head || head->upgrade) {
            Answer(c,
                   LiveRefusal(400, QCoreApplication::translate(
                                        "LivePage", "Diese Anfrage versteht die Live-Seite nicht.")),
                   false, false);
            return;
        }
        // No route takes a body: it is left unread and the connection closed
        // after the answer, so its bytes are never taken for a request.
        if (head->contentLength != 0) {
            if (head->contentLength < 0 || head->contentLength > limits_.maxRequestBytes)
                Answer(c, LiveRefusal(413, QCoreApplication::translate("LivePage", "Anfrage zu groß.")),
                       false, false);
            else
                Answer(c, LiveRoute(head->method, head->path, source_), head->method == "HEAD", false);
            return;
        }
        Answer(c, LiveRoute(head->method, head->path, source_), head->method == "HEAD", head->keepAlive);
    }
}

void LiveTcpServer::Answer(Connection& c, const LiveAnswer& answer, bool head, bool keepAlive) {
    const QByteArray bytes = LiveResponseBytes(answer, head, keepAlive);
    if (c.queued > 0 && queued_ + bytes.size() > limits_.maxTotalOutput) {
        Cut(c, "answers unread while the console's output is at its limit");
        return;
    }
    c.socket->write(bytes);
    Account(c);
    if (!keepAlive) {
        c.closing = true;
        c.socket->disconnectFromHost(); // after the answer has gone out
        return;
    }
    if (c.socket->bytesToWrite() > limits_.pauseOutputBytes) c.paused = true;
}

} // namespace zn
