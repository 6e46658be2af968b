#include "live/live_http.h"
#include "live/live_server.h"
#include "live/live_tcp_server.h"

#include "core/protocol_row.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>
#include <QTranslator>
#include <atomic>
#include <gtest/gtest.h>
#include <optional>

using namespace zn;
using Kind = CompetitionEventKind;

namespace {

class FakeTicks final : public ITickSource {
public:
    std::atomic<uint32_t> now{0};
    uint32_t TickCount() override { return now.load(); }
    void Sleep(int) override {}
};

struct Reply {
    int status = 0;
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

// A raw HTTP/1.1 client, so a test sees exactly what goes over the wire
// (a HEAD answer's missing body, a cut connection).
class Client {
public:
    explicit Client(uint16_t port) {
        socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
        connected_ = socket_.waitForConnected(5000);
    }
    bool Connected() const { return connected_; }
    void Send(const QByteArray& raw) {
        socket_.write(raw);
        socket_.flush();
    }
    void Request(const QByteArray& method, const QByteArray& target) {
        Send(method + ' ' + target + " HTTP/1.1\r\nHost: test\r\n\r\n");
    }
    // The next answer; none when the server closed the connection first.
    std::optional<Reply> Read(bool head = false) {
        qsizetype end = -1;
        while ((end = buffer_.indexOf("\r\n\r\n")) < 0)
            if (!More()) return std::nullopt;
        Reply r;
        const QList<QByteArray> lines = buffer_.left(end).split('\n');
        r.status = lines.value(0).split(' ').value(1).toInt();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            r.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        buffer_.remove(0, end + 4);
        const qsizetype length = head ? 0 : r.headers.value("content-length").toLongLong();
        while (buffer_.size() < length)
            if (!More()) return std::nullopt;
        r.body = buffer_.left(length);
        buffer_.remove(0, length);
        return r;
    }
    // True when the server closed the connection (whatever it sent before).
    bool Closed() {
        while (More()) {
        }
        return socket_.state() == QAbstractSocket::UnconnectedState;
    }

private:
    bool More() {
        if (socket_.bytesAvailable() == 0 && !socket_.waitForReadyRead(5000)) return false;
        buffer_ += socket_.readAll();
        return true;
    }
    QTcpSocket socket_;
    QByteArray buffer_;
    bool connected_ = false;
};

Reply Get(uint16_t port, const QByteArray& target, const QByteArray& method = "GET") {
    Client c(port);
    c.Request(method, target);
    return c.Read(method == "HEAD").value_or(Reply{});
}

QJsonObject StateOf(uint16_t port) {
    return QJsonDocument::fromJson(Get(port, "/state.json").body).object();
}

QJsonObject Lane(const QJsonObject& state, int lane) {
    return state["lanes"].toArray()[lane].toObject();
}

CompetitionEvent Event(Kind kind, const QString& team = {}, const QString& team2 = {}) {
    CompetitionEvent e;
    e.kind = kind;
    e.team = team;
    e.team2 = team2;
    return e;
}

CompetitionEvent Stop(int lane, int32_t ms, const QString& text) {
    CompetitionEvent e = Event(Kind::LaneStopped);
    e.lane = lane;
    e.timeMs = ms;
    e.newText = text;
    return e;
}

class LiveServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Start(0)) << "no free port"; }
    void Apply(const CompetitionEvent& e) {
        ApplyBoardEvent(state, e);
        server.SetState(state);
    }
    uint16_t Port() const { return server.Port(); }

    FakeTicks clock;
    LivePageServer server{&clock};
    BoardState state;
};

} // namespace

TEST_F(LiveServerTest, StateFollowsTheRunWithTheClockReadAtEachRequest) {
    Apply(Event(Kind::ListsLoaded, "  1 Süd", "  2 Nord"));
    CompetitionEvent start = Event(Kind::RunStarted, "  1 Süd", "  2 Nord");
    start.tick = 1000;
    Apply(start);
    clock.now = 3500;
    QJsonObject s = StateOf(Port());
    EXPECT_EQ(s["phase"], "running");
    EXPECT_EQ(Lane(s, 0)["team"], "1 Süd");
    EXPECT_EQ(Lane(s, 1)["team"], "2 Nord");
    EXPECT_EQ(Lane(s, 1)["elapsedMs"], 2500);
    clock.now = 4000; // no new state: the elapsed time still moves
    EXPECT_EQ(Lane(StateOf(Port()), 0)["elapsedMs"], 3000);

    Apply(Stop(1, 23450, "23,45"));
    clock.now = 30000;
    s = StateOf(Port());
    EXPECT_EQ(Lane(s, 1)["running"], false);
    EXPECT_EQ(Lane(s, 1)["elapsedMs"], 23450);
    EXPECT_EQ(Lane(s, 0)["running"], true);
    EXPECT_EQ(Lane(s, 0)["elapsedMs"], 29000);
    Apply(Stop(0, 24000, "24,00"));
    EXPECT_EQ(StateOf(Port())["phase"], "finished");

    Apply(Event(Kind::Reset, "  3 Ost", "  4 West"));
    s = StateOf(Port());
    EXPECT_EQ(s["phase"], "idle");
    EXPECT_EQ(Lane(s, 0)["team"], "3 Ost");
    const QJsonArray last = s["lastRun"].toArray();
    ASSERT_EQ(last.size(), 2);
    EXPECT_EQ(last[0].toObject()["team"], "1 Süd");
    EXPECT_EQ(last[1].toObject()["time"], "23,45");

    start.tick = 40000;
    Apply(start);
    Apply(Event(Kind::FalseStart));
    s = StateOf(Port());
    EXPECT_EQ(s["phase"], "falsestart");
    EXPECT_EQ(Lane(s, 0)["running"], false);
}

TEST_F(LiveServerTest, AnswersTheFixedRoutesOnlyAndReadsNothingElse) {
    const Reply page = Get(Port(), "/");
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.headers.value("content-type"), "text/html; charset=utf-8");
    EXPECT_TRUE(page.body.contains("/state.json"));
    EXPECT_FALSE(page.body.contains("innerHTML")) << "names must go in as text";
    const Reply json = Get(Port(), "/state.json");
    EXPECT_EQ(json.status, 200);
    EXPECT_EQ(json.headers.value("content-type"), "application/json");
    EXPECT_EQ(json.headers.value("cache-control"), "no-store");
    const Reply result = Get(Port(), "/ergebnis");
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.headers.value("content-type"), "text/html; charset=windows-1252");

    for (const QByteArray target :
         {"/etc/passwd", "/../", "/state.json/x", "/..%2fstate.json", "//", "/ergebnis/", "/index.html"}) {
        const Reply r = Get(Port(), target);
        EXPECT_EQ(r.status, 404) << target.constData();
        EXPECT_FALSE(r.body.contains("root:")) << target.constData();
    }
    for (const QByteArray method : {"POST", "PUT", "DELETE", "PATCH"}) {
        const Reply r = Get(Port(), "/state.json", method);
        EXPECT_EQ(r.status, 405) << method.constData();
        EXPECT_EQ(r.headers.value("allow"), "GET, HEAD") << method.constData();
    }

    // HEAD: the GET's headers, no body; the next answer on the same
    // connection follows the headers at once.
    Client c(Port());
    c.Request("HEAD", "/state.json");
    c.Request("GET", "/");
    const std::optional<Reply> head = c.Read(true);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 200);
    EXPECT_EQ(head->headers.value("content-type"), "application/json");
    EXPECT_GT(head->headers.value("content-length").toInt(), 0);
    const std::optional<Reply> next = c.Read();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->status, 200);
    EXPECT_EQ(next->body, page.body);
}

TEST_F(LiveServerTest, TeamNamesComeOutIntactInJsonAndEscapedInTheResultPage) {
    const QString script = QStringLiteral("<script>alert(1)</script>");
    const QString quoted = QStringLiteral("FF \"Süd\" 'Žďár'");
    Apply(Event(Kind::ListsLoaded, "  1 " + script, "  2 " + quoted));
    CompetitionEvent lists = Event(Kind::ResultsGenerated);
    lists.stageTag = 13;
    QList<QStringList> rows{QStringList(ResultHeaders.begin(), ResultHeaders.end())};
    rows << QStringList{"1", "  1 " + script, "A", "21,50", "0", "21,50"}
         << QStringList{"2", "  2 " + quoted, "A", "22,10", "5", "27,10"};
    lists.lists = {{3, rows}};
    Apply(lists);

    const QJsonObject s = StateOf(Port());
    EXPECT_EQ(Lane(s, 0)["team"].toString(), "1 " + script);
    EXPECT_EQ(Lane(s, 1)["team"].toString(), "2 " + quoted);

    const QByteArray page = Get(Port(), "/ergebnis").body;
    EXPECT_FALSE(page.contains("<script>"));
    EXPECT_TRUE(page.contains("&lt;script&gt;alert(1)&lt;/script&gt;"));
    EXPECT_TRUE(page.contains("&quot;S\xFC"
                              "d&quot;"));         // ü in Windows-1252
    EXPECT_TRUE(page.contains("\x8E&#271;\xE1r")); // Ž and á in 1252, ď as a reference
    EXPECT_TRUE(page.contains("21.50")) << "times with a comma are published with a point";
    EXPECT_TRUE(page.contains("Vorlauf Qualifikations-Ergebnis")) << "named after its stage and list";
}

TEST_F(LiveServerTest, RefusesOversizedAndMalformedRequestsAndKeepsServing) {
    {
        Client c(Port());
        c.Send("GET /state.json HTTP/1.1\r\nHost: test\r\nX-Fill: " + QByteArray(20 * 1024, 'a') +
               "\r\n\r\n");
        const std::optional<Reply> r = c.Read();
        EXPECT_TRUE(!r || r->status == 413) << r->status;
    }
    {
        Client c(Port());
        c.Request("GET", "/" + QByteArray(LivePageServer::kMaxRequestBytes, 'x'));
        const std::optional<Reply> r = c.Read();
        EXPECT_TRUE(!r || r->status == 413) << r->status;
    }
    {
        Client c(Port());
        // A TLS greeting, as a browser sends it to an "https://" address.
        static const char hello[] = "\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03 garbage \0\r\n\r\n\r\n";
        c.Send(QByteArray(hello, sizeof hello - 1));
        EXPECT_TRUE(c.Closed());
    }
    {
        Client c(Port()); // nothing here speaks WebSocket
        c.Send("GET / HTTP/1.1\r\nHost: test\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
               "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
        EXPECT_TRUE(c.Closed());
    }
    {
        Client c(Port()); // a body far beyond the limit is cut off while it comes in
        c.Send("POST / HTTP/1.1\r\nHost: test\r\nContent-Length: 10000000\r\n\r\n" +
               QByteArray(64 * 1024, 'b'));
        EXPECT_TRUE(c.Closed());
    }
    EXPECT_EQ(Get(Port(), "/state.json").status, 200);
}

// A phone keeps one connection and polls on it for as long as it watches:
// the 16 KB a request may take before its answer counts each request anew.
TEST_F(LiveServerTest, AKeptConnectionIsAnsweredPastSixteenKilobytes) {
    Client c(Port());
    ASSERT_TRUE(c.Connected());
    const QByteArray request =
        "GET /state.json HTTP/1.1\r\nHost: test\r\nUser-Agent: " + QByteArray(400, 'm') + "\r\n\r\n";
    for (int i = 0; i < 100; ++i) { // 45 KB in all
        c.Send(request);
        const std::optional<Reply> r = c.Read();
        ASSERT_TRUE(r) << "cut after request " << i;
        EXPECT_EQ(r->status, 200);
    }
}

// A client that reads to the end waits for the close; HTTP/1.0 asks for it
// unless it says keep-alive.
TEST_F(LiveServerTest, ClosesAfterTheAnswerWhenTheRequestAsksForIt) {
    for (const QByteArray request :
         {"GET /state.json HTTP/1.0\r\n\r\n",
          "GET /state.json HTTP/1.1\r\nHost: test\r\nConnection: close\r\n\r\n",
          "HEAD / HTTP/1.1\r\nHost: test\r\nConnection: Keep-Alive, Close\r\n\r\n"}) {
        Client c(Port());
        c.Send(request);
        const std::optional<Reply> r = c.Read(request.startsWith("HEAD"));
        ASSERT_TRUE(r) << request.constData();
        EXPECT_EQ(r->status, 200) << request.constData();
        EXPECT_EQ(r->headers.value("connection"), "close") << request.constData();
        EXPECT_TRUE(c.Closed()) << request.constData();
    }
    Client kept(Port());
    for (int i = 0; i < 2; ++i) {
        kept.Send("GET /state.json HTTP/1.0\r\nConnection: keep-alive\r\n\r\n");
        const std::optional<Reply> r = kept.Read();
        ASSERT_TRUE(r) << i;
        EXPECT_EQ(r->headers.value("connection"), "keep-alive");
    }
}

TEST(LiveServer, ATakenPortIsRefusedWithAReasonAndStopFreesIt) {
    FakeTicks clock;
    LivePageServer first(&clock);
    ASSERT_TRUE(first.Start(0));
    const uint16_t port = first.Port();
    EXPECT_TRUE(
        first.Address().contains(QRegularExpression(QStringLiteral("^http://[0-9a-z.]+:%1/$").arg(port))))
        << first.Address().toStdString();

    LivePageServer second(&clock);
    QString error;
    EXPECT_FALSE(second.Start(port, &error));
    EXPECT_FALSE(second.Running());
    EXPECT_TRUE(error.contains(QStringLiteral("belegt"))) << error.toStdString();

    first.Stop();
    EXPECT_FALSE(first.Running());
    EXPECT_TRUE(second.Start(port, &error)) << error.toStdString();
    EXPECT_EQ(Get(port, "/").status, 200);
}

// In this thread with a limit of two, so the test needs no thousand sockets.
TEST(LiveServer, ConnectionsBeyondTheLimitAreClosedAtOnce) {
    FakeTicks clock;
    LiveSource source(&clock);
    LiveLimits limits;
    limits.maxConnections = 2;
    LiveTcpServer tcp(source, limits);
    ASSERT_TRUE(tcp.listen(QHostAddress::LocalHost));
    QTcpSocket a, b, c;
    for (QTcpSocket* s : {&a, &b})
        s->connectToHost(QHostAddress::LocalHost, tcp.serverPort());
    EXPECT_TRUE(QTest::qWaitFor([&] { return tcp.OpenConnections() == 2; }, 5000));
    c.connectToHost(QHostAddress::LocalHost, tcp.serverPort());
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.state() == QAbstractSocket::UnconnectedState; }, 5000));
    EXPECT_EQ(a.state(), QAbstractSocket::ConnectedState);

    a.disconnectFromHost(); // a slot comes free again
    EXPECT_TRUE(QTest::qWaitFor([&] { return tcp.OpenConnections() == 1; }, 5000));
    QTcpSocket d;
    d.connectToHost(QHostAddress::LocalHost, tcp.serverPort());
    EXPECT_TRUE(QTest::qWaitFor([&] { return tcp.OpenConnections() == 2; }, 5000));
}

// The page speaks the console's language: headings and the script's texts.
TEST(LivePage, ServedInTheConsolesLanguage) {
    struct English : QTranslator {
        QString translate(const char* context, const char* source, const char*, int) const override {
            if (QByteArray(context) != "LivePage") return {};
            if (QByteArray(source) == "Letzter Lauf") return QStringLiteral("Last run");
            if (QByteArray(source) == "Bahn ") return QStringLiteral("Lane ");
            return {};
        }
        bool isEmpty() const override { return false; }
    } english;
    FakeTicks ticks;
    const LiveSource source(&ticks);
    const QByteArray german = LiveRoute("GET", "/", source).body;
    QCoreApplication::installTranslator(&english);
    const QByteArray page = LiveRoute("GET", "/", source).body;
    QCoreApplication::removeTranslator(&english);
    EXPECT_TRUE(page.contains("<h2>Last run</h2>"));
    EXPECT_FALSE(page.contains("Letzter Lauf"));
    EXPECT_TRUE(page.contains("cell(row, \"Lane \" + (i + 1)"));
    EXPECT_TRUE(page.contains(">Bahn 1<")) << "a label without translation stays";
    EXPECT_TRUE(german.contains("<h2>Letzter Lauf</h2>"));
    EXPECT_EQ(LiveRoute("GET", "/", source).body, german);
}

TEST(QrCode, EncodesAnAddressAsASquareWithItsFinderPatterns) {
    const QrMatrix m = QrCodeFor(QStringLiteral("http://192.168.178.20:8080/"));
    ASSERT_GT(m.size, 20);
    ASSERT_EQ(m.dark.size(), static_cast<size_t>(m.size * m.size));
    // The 7x7 finder in three corners: dark ring, light ring, dark core.
    for (const auto& [x0, y0] : {std::pair{0, 0}, {m.size - 7, 0}, {0, m.size - 7}}) {
        EXPECT_TRUE(m.Dark(x0, y0));
        EXPECT_TRUE(m.Dark(x0 + 6, y0 + 6));
        EXPECT_FALSE(m.Dark(x0 + 1, y0 + 1));
        EXPECT_TRUE(m.Dark(x0 + 3, y0 + 3));
    }
}
