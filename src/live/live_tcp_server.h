#pragma once

#include "live/live_http.h"

#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTimer>
#include <memory>
#include <unordered_map>

class QTcpSocket;

namespace zn {

// What one spectator, and all of them together, may cost the console.
struct LiveLimits {
    int maxConnections = 512;
    // A phone's browser opens up to six connections to one server; 16 leave
    // room for a tablet with several tabs, and with one device at its share
    // 496 slots stay for the others.
    int maxPerAddress = 16;
    // Request line and headers; a browser sends well under 2 KB.
    qsizetype maxRequestBytes = 8192;
    // While this much of a connection's answers is unread (8 copies of the
    // page), its next requests stay unread: the kernel's buffers fill and the
    // client's sending stops, the console's memory does not grow.
    qsizetype pauseOutputBytes = 64 * 1024;
    // Unread answers of all connections together; past it only a connection
    // that has read all its answers gets the next one, others are cut.
    qsizetype maxTotalOutput = 4 * 1024 * 1024;
    // A phone that sleeps keeps its socket; 30 s frees the slot without
    // troubling a page that polls four times a second.
    int idleMs = 30000;
    // A request's headers come in one packet on a local network: 5 s from
    // its first byte is ample for a slow phone and cuts a sender that trickles.
    int requestDeadlineMs = 5000;
    // How often idle connections and overdue requests are looked for.
    int sweepMs = 500;
};

// The live page's connections: accepts at most `maxConnections` sockets
// (`maxPerAddress` from one device), reads each request's head, answers it
// from the route table and keeps the connection when the client asks for it.
// Times come from `clock` (the console's tick source), so a test can let
// minutes pass and call Sweep() itself.
class LiveTcpServer final : public QTcpServer {
public:
    LiveTcpServer(const LiveSource& source, const LiveLimits& limits, QObject* parent = nullptr);
    ~LiveTcpServer() override;

    int OpenConnections() const { return static_cast<int>(connections_.size()); }
    // Answers written and not yet taken by the network, all connections.
    qsizetype QueuedOutput() const { return queued_; }
    int PausedConnections() const;
    // Connections with part of a request read and its head not yet complete.
    int ReadingRequests() const;
    // Cuts connections idle for `idleMs` and requests older than
    // `requestDeadlineMs`; the sweep timer calls it every `sweepMs`.
    void Sweep();

protected:
    void incomingConnection(qintptr handle) override;

private:
    struct Connection;
    void Serve(Connection& c);
    void Answer(Connection& c, const LiveAnswer& answer, bool head, bool keepAlive);
    void Cut(Connection& c, const char* why);
    void Account(Connection& c);
    void Forget(QTcpSocket* socket);

    const LiveSource& source_;
    const LiveLimits limits_;
    QTimer sweep_;
    std::unordered_map<QTcpSocket*, std::unique_ptr<Connection>> connections_;
    QHash<QHostAddress, int> perAddress_;
    qsizetype queued_ = 0;
};

} // namespace zn
