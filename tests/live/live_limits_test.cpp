// What one client may cost the console: the server runs in this thread, on a
// clock the tests move, so minutes pass without waiting.
#include "live/live_tcp_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>

using namespace zn;

namespace {

class FakeTicks final : public ITickSource {
public:
    std::atomic<uint32_t> now{1000};
    uint32_t TickCount() override { return now.load(); }
    void Sleep(int) override {}
};

// Runs this thread's loop, where the server lives, until `done` (false after `ms`).
bool Until(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer waited;
    waited.start();
    QTimer wake; // when nothing else comes
    wake.start(5);
    while (!done()) {
        if (waited.hasExpired(ms)) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // cut sockets
    }
    return true;
}

const QByteArray kPoll = "GET /state.json HTTP/1.1\r\nHost: test\r\n\r\n";

class LiveLimitsTest : public ::testing::Test {
protected:
    void Listen() { ASSERT_TRUE(tcp->listen(QHostAddress::LocalHost)); }
    // Connected and counted by the server.
    bool Connect(QTcpSocket& s, const QHostAddress& from = QHostAddress::LocalHost) {
        const int before = tcp->OpenConnections();
        if (from != QHostAddress::LocalHost && !s.bind(from)) return false;
        s.connectToHost(QHostAddress::LocalHost, tcp->serverPort());
        return Until([&] { return tcp->OpenConnections() > before; });
    }
    // One request and its whole answer on a connection that reads.
    static bool Poll(QTcpSocket& s) {
        s.write(kPoll);
        QByteArray got;
        return Until([&] {
            got += s.readAll();
            const qsizetype end = got.indexOf("\r\n\r\n");
            return end > 0 && got.startsWith("HTTP/1.1 200") &&
                   got.size() >=
                       end + 4 + got.mid(got.indexOf("Content-Length: ") + 16).split('\r')[0].toInt();
        });
    }
    static bool ClosedByServer(QTcpSocket& s) {
        return Until([&] { return s.state() == QAbstractSocket::UnconnectedState; });
    }
    void Pass(int ms) {
        clock.now += static_cast<uint32_t>(ms);
        tcp->Sweep();
    }

    FakeTicks clock;
    LiveSource source{&clock};
    LiveLimits limits;
    std::unique_ptr<LiveTcpServer> tcp;
};

} // namespace

TEST_F(LiveLimitsTest, APipeliningClientThatReadsNothingLeavesTheQueuedOutputBounded) {
    limits.maxTotalOutput = 100 * 1024;
    tcp = std::make_unique<LiveTcpServer>(source, limits);
    Listen();
    const QByteArray page = "GET / HTTP/1.1\r\nHost: test\r\n\r\n";
    QTcpSocket greedy[2];
    for (QTcpSocket& s : greedy) {
        s.setReadBufferSize(1024); // takes 1 KB off the network, then nothing
        ASSERT_TRUE(Connect(s));
        s.write(page.repeated(4000)); // 29 MB of answers asked for
    }
    // Each stops being read once 64 KB of its answers wait; the second is
    // cut when its answers would pass the console's total.
    ASSERT_TRUE(Until([&] { return tcp->PausedConnections() + (2 - tcp->OpenConnections()) == 2; }, 20000))
        << tcp->QueuedOutput();
    QTest::qWait(200); // more of their requests arrive meanwhile
    EXPECT_EQ(tcp->OpenConnections(), 1);
    EXPECT_EQ(tcp->PausedConnections(), 1);
    EXPECT_LE(tcp->QueuedOutput(), limits.maxTotalOutput);
    EXPECT_LE(tcp->QueuedOutput(), limits.pauseOutputBytes + 16 * 1024);

    QTcpSocket reader; // is answered throughout
    ASSERT_TRUE(Connect(reader));
    EXPECT_TRUE(Poll(reader));
    EXPECT_TRUE(Poll(reader));

    Pass(limits.idleMs); // nothing taken for 30 s: cut, its queue freed
    EXPECT_EQ(tcp->PausedConnections(), 0);
    EXPECT_TRUE(Until([&] { return tcp->OpenConnections() == 0; }));
    EXPECT_EQ(tcp->QueuedOutput(), 0);
}

TEST_F(LiveLimitsTest, ASlowSenderIsCutAtItsDeadlineWhileAPollerIsServed) {
    tcp = std::make_unique<LiveTcpServer>(source, limits);
    Listen();
    QTcpSocket slow;
    QTcpSocket poller;
    ASSERT_TRUE(Connect(slow));
    ASSERT_TRUE(Connect(poller));
    const QByteArray request = "GET / HTTP/1.1\r\nHost: test\r\n\r\n";
    slow.write(request.left(1));
    ASSERT_TRUE(Until([&] { return tcp->ReadingRequests() == 1; }));
    // A byte a second keeps it from being idle; the deadline counts from
    // the request's first byte all the same.
    for (int s = 1; s < limits.requestDeadlineMs / 1000; ++s) {
        Pass(1000);
        slow.write(request.mid(s, 1));
        EXPECT_TRUE(Poll(poller)) << s;
        EXPECT_EQ(slow.state(), QAbstractSocket::ConnectedState) << s;
    }
    Pass(999);
    EXPECT_EQ(tcp->OpenConnections(), 2) << "cut before its deadline";
    Pass(1);
    EXPECT_TRUE(ClosedByServer(slow));
    EXPECT_TRUE(Poll(poller));
}

TEST_F(LiveLimitsTest, OneAddressHoldsNoMoreThanItsShareOfTheConnections) {
    limits.maxPerAddress = 2;
    tcp = std::make_unique<LiveTcpServer>(source, limits);
    Listen();
    QTcpSocket a, b, c;
    ASSERT_TRUE(Connect(a));
    ASSERT_TRUE(Connect(b));
    c.connectToHost(QHostAddress::LocalHost, tcp->serverPort());
    EXPECT_TRUE(ClosedByServer(c));
    EXPECT_EQ(tcp->OpenConnections(), 2);

    QTcpSocket other; // another device still gets in
    ASSERT_TRUE(Connect(other, QHostAddress(QStringLiteral("127.0.0.2"))));
    EXPECT_TRUE(Poll(other));

    a.disconnectFromHost(); // the first device's slot comes free
    ASSERT_TRUE(Until([&] { return tcp->OpenConnections() == 2; }));
    QTcpSocket d;
    ASSERT_TRUE(Connect(d));
    EXPECT_TRUE(Poll(d));
}

TEST_F(LiveLimitsTest, AKeptConnectionPollingForMinutesIsServedThroughout) {
    tcp = std::make_unique<LiveTcpServer>(source, limits);
    Listen();
    QTcpSocket phone;
    ASSERT_TRUE(Connect(phone));
    for (int i = 0; i < 5 * 60; ++i) { // once a second for five minutes
        Pass(1000);
        ASSERT_TRUE(Poll(phone)) << "second " << i;
    }
    EXPECT_EQ(phone.state(), QAbstractSocket::ConnectedState);
    Pass(limits.idleMs - 1);
    EXPECT_EQ(tcp->OpenConnections(), 1);
    Pass(1); // then silent for 30 s
    EXPECT_TRUE(ClosedByServer(phone));
}
