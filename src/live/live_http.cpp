#include "live/live_http.h"

#include "core/app_title.h"
#include "core/result_page_writer.h"
#include "core/stages.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>
#include <QTimer>
#include <unistd.h>

// Q_INIT_RESOURCE has to run outside any namespace.
static void InitLiveQrc() {
    Q_INIT_RESOURCE(live);
}

namespace zn {

Q_LOGGING_CATEGORY(lcLive, "zn.live", QtWarningMsg)

void LiveSource::Set(const BoardState& state) {
    auto copy = std::make_shared<const BoardState>(state);
    const std::lock_guard lock(mutex_);
    state_ = std::move(copy);
}

std::shared_ptr<const BoardState> LiveSource::State() const {
    const std::lock_guard lock(mutex_);
    return state_;
}

namespace {

const QByteArray kHtml = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray kText = QByteArrayLiteral("text/plain; charset=utf-8");

QByteArray PageBytes() {
    static const QByteArray page = [] {
        InitLiveQrc();
        QFile file(QStringLiteral(":/live/live_page.html"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return page;
}

// The result list the board shows, as the HTML export writes it.
QByteArray ResultBytes(const BoardState& state) {
    const QList<QStringList>& rows = state.lists[static_cast<size_t>(ShownResultList(state))];
    ResultPageInput page;
    page.applicationTitle = ApplicationTitle();
    page.listTitle = state.listTitle;
    page.listCaption = QStringLiteral("Ergebnis");
    page.rows = rows;
    for (const QStringList& row : rows)
        page.colCount = std::max(page.colCount, static_cast<int>(row.size()));
    // The board has no desktop locale to ask: a time written "21,50" says it.
    page.separator = u'.';
    for (qsizetype r = 1; r < rows.size() && page.separator == u'.'; ++r)
        for (const QString& cell : rows[r])
            if (cell.contains(u',') && cell.trimmed().front().isDigit() && cell.trimmed().back().isDigit())
                page.separator = u',';
    return ResultPageBytes(page);
}

LiveAnswer Text(int status, const QString& text) {
    return {status, kText, text.toUtf8() + '\n', {}};
}

} // namespace

LiveAnswer LiveRoute(QHttpServerRequest::Method method, const QString& path, qsizetype requestBytes,
                     qsizetype maxRequestBytes, const LiveSource& source) {
    if (requestBytes > maxRequestBytes) return Text(413, QStringLiteral("Anfrage zu groß."));
    if (method != QHttpServerRequest::Method::Get && method != QHttpServerRequest::Method::Head) {
        LiveAnswer a = Text(405, QStringLiteral("Diese Seite kann nur gelesen werden."));
        a.headers.append(std::pair<QByteArray, QByteArray>("Allow", "GET, HEAD"));
        return a;
    }
    if (path == u"/") {
        // The page's own script and styles only; it asks nothing of other sites.
        return {200,
                kHtml,
                PageBytes(),
                {{"Content-Security-Policy", "default-src 'self'; script-src 'unsafe-inline'; style-src "
                                             "'unsafe-inline'; img-src 'self' data:"}}};
    }
    if (path == u"/state.json") {
        const std::shared_ptr<const BoardState> state = source.State();
        return {200, "application/json", BoardJson(*state, source.Now()), {{"Cache-Control", "no-store"}}};
    }
    if (path == u"/ergebnis") {
        const std::shared_ptr<const BoardState> state = source.State();
        // No script may run on a page made of list texts.
        return {200,
                "text/html; charset=windows-1252",
                ResultBytes(*state),
                {{"Cache-Control", "no-store"},
                 {"Content-Security-Policy", "default-src 'none'; style-src "
                                             "'unsafe-inline'"}}};
    }
    return Text(404, QStringLiteral("Diese Seite gibt es nicht. Die Anzeige steht unter „/“."));
}

LiveTcpServer::LiveTcpServer(int maxConnections, qsizetype maxUnanswered, QObject* parent)
    : QTcpServer(parent), maxConnections_(maxConnections), maxUnanswered_(maxUnanswered) {
    setMaxPendingConnections(maxConnections);
}

void LiveTcpServer::incomingConnection(qintptr handle) {
    if (open_ >= maxConnections_) {
        qCInfo(lcLive) << "connection refused:" << open_ << "open";
        ::close(static_cast<int>(handle));
        return;
    }
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        ::close(static_cast<int>(handle));
        return;
    }
    ++open_;
    connect(socket, &QObject::destroyed, this, [this] { --open_; });
    // Owned by the socket and connected to it as receiver, so that they keep
    // working even when the HTTP layer has dropped its own connections to a
    // socket that sent garbage.
    const auto cut = [socket] {
        socket->abort();
        socket->deleteLater();
    };
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->setInterval(kIdleMs);
    connect(idle, &QTimer::timeout, socket, cut);
    idle->start();
    // Connected before the HTTP layer's own reader, so this sees each chunk
    // before it is parsed; the HTTP layer resets the count with each answer.
    connect(socket, &QTcpSocket::readyRead, socket, [socket, idle, cut, max = maxUnanswered_] {
        idle->start();
        const qsizetype unanswered = socket->property("znUnanswered").toLongLong() + socket->bytesAvailable();
        socket->setProperty("znUnanswered", unanswered);
        if (unanswered > max) {
            qCInfo(lcLive) << "request too large from" << socket->peerAddress();
            // After the HTTP layer's reader has taken this chunk, which it
            // would otherwise read from a closed socket.
            QTimer::singleShot(0, socket, cut);
        }
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    addPendingConnection(socket);
}

LiveHttpServer::LiveHttpServer(const LiveSource& source, qsizetype maxRequestBytes, QObject* parent)
    : QAbstractHttpServer(parent), source_(source), maxRequestBytes_(maxRequestBytes) {}

bool LiveHttpServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    socket->setProperty("znUnanswered", 0);
    qsizetype bytes = request.url().toString().size() + request.body().size();
    for (const auto& [key, value] : request.headers())
        bytes += key.size() + value.size() + 4;
    const LiveAnswer a = LiveRoute(request.method(), request.url().path(), bytes, maxRequestBytes_, source_);
    QHttpServerResponder responder = makeResponder(request, socket);
    responder.writeStatusLine(static_cast<QHttpServerResponder::StatusCode>(a.status));
    responder.writeHeader("Content-Type", a.contentType);
    responder.writeHeader("Content-Length", QByteArray::number(a.body.size()));
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    responder.writeHeader("Referrer-Policy", "no-referrer");
    for (const auto& [key, value] : a.headers)
        responder.writeHeader(key, value);
    // HEAD: the same headers, the body left out.
    responder.writeBody(request.method() == QHttpServerRequest::Method::Head ? QByteArray() : a.body);
    return true;
}

void LiveHttpServer::missingHandler(const QHttpServerRequest&, QTcpSocket* socket) {
    socket->abort(); // never reached: every request has an answer above
}

} // namespace zn
