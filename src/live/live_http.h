#pragma once

#include "core/board_state.h"
#include "core/tick_source.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QLoggingCategory>
#include <memory>
#include <mutex>
#include <optional>

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
    ITickSource* Clock() const { return clock_; }

private:
    ITickSource* clock_;
    mutable std::mutex mutex_;
    std::shared_ptr<const BoardState> state_ = std::make_shared<const BoardState>();
};

// A request's line and headers as far as this server cares.
struct LiveRequestHead {
    QByteArray method; // as sent: "GET", "HEAD", ...
    QByteArray path;   // the target without its query
    bool keepAlive = true;
    bool upgrade = false;     // asks for another protocol (WebSocket)
    qint64 contentLength = 0; // -1: a body of unknown length (chunked)
};

// `head` is the request line and the header lines, without the blank line
// that ends them; lines end in CRLF or LF. None when it is not HTTP/1.x.
// HTTP/1.1 keeps the connection unless it says "Connection: close"; HTTP/1.0
// closes it unless it says "Connection: keep-alive".
std::optional<LiveRequestHead> ParseRequestHead(QByteArrayView head);

// One answer of the fixed route table.
struct LiveAnswer {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers; // besides type and length
};

// The answer to `method` for `path`. Nothing in a request names a file: the
// three paths are the whole table.
LiveAnswer LiveRoute(const QByteArray& method, const QByteArray& path, const LiveSource& source);

// A status-only answer with a German text, for requests that never reach the
// route table (too large, not HTTP).
LiveAnswer LiveRefusal(int status, const QString& text);

// The answer as it goes over the wire; HEAD gets the headers without the body.
QByteArray LiveResponseBytes(const LiveAnswer& answer, bool head, bool keepAlive);

} // namespace zn
