#pragma once

#include "core/board_state.h"
#include "core/tick_source.h"

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QHttpServerRequest>
#include <QLoggingCategory>
#include <QTcpServer>
#include <memory>
#include <mutex>

namespace zn {

Q_DECLARE_LOGGING_CATEGORY(lcLive)

// What the server answers from: the latest board the main thread handed over
// and the console's clock. Shared between the main thread (SetState) and the
// server's thread (requests).
class LiveSource {
public:
    explicit LiveSource(ITickSource* clock) : clock_(clock) {}
    void Set(const BoardState& state);
    // The board as last set; never null.
    std::shared_ptr<const BoardState> State() const;
    uint32_t Now() const { return clock_->TickCount(); }

private:
    ITickSource* clock_;
    mutable std::mutex mutex_;
    std::shared_ptr<const BoardState> state_ = std::make_shared<const BoardState>();
};

// One answer of the fixed route table.
struct LiveAnswer {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers; // besides type and length
};

// The answer to `method` for `path`; `requestBytes` is the request's size
// (target, headers and body). Nothing in a request names a file: the three
// paths are the whole table.
LiveAnswer LiveRoute(QHttpServerRequest::Method method, const QString& path, qsizetype requestBytes,
                     qsizetype maxRequestBytes, const LiveSource& source);

// Accepts at most `maxConnections` sockets at a time; one more is closed at
// once, so a flood of connections cannot eat the console's file handles.
// A connection that sends more than `maxUnanswered` bytes without getting an
// answer, or stays silent for kIdleMs, is cut.
class LiveTcpServer final : public QTcpServer {
public:
    LiveTcpServer(int maxConnections, qsizetype maxUnanswered, QObject* parent = nullptr);
    int OpenConnections() const { return open_; }

    // A phone that sleeps keeps its socket; 30 s frees the slot without
    // troubling a page that polls four times a second.
    static constexpr int kIdleMs = 30000;

protected:
    void incomingConnection(qintptr handle) override;

private:
    int maxConnections_;
    qsizetype maxUnanswered_;
    int open_ = 0;
};

class LiveHttpServer final : public QAbstractHttpServer {
public:
    LiveHttpServer(const LiveSource& source, qsizetype maxRequestBytes, QObject* parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    const LiveSource& source_;
    qsizetype maxRequestBytes_;
};

} // namespace zn
