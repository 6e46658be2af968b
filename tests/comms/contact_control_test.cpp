#include "comms/simulated/contact_control.h"

#include "comms/simulated/simulated_serial.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zn {
namespace {

using Action = ContactCommand::Action;

TEST(ContactCommandTest, ReadsEachFormWithItsDefaults) {
    const ContactParseResult off = ParseContactCommand(QStringLiteral("  com1 DSR OFF "));
    ASSERT_TRUE(off.ok) << off.error.toStdString();
    EXPECT_EQ(off.command.device, QStringLiteral("com1"));
    EXPECT_EQ(off.command.action, Action::Set);
    EXPECT_EQ(off.command.line, kModemDsrOn);
    EXPECT_FALSE(off.command.on);
    EXPECT_TRUE(ParseContactCommand(QStringLiteral("COM1 dcd on")).command.on);
    EXPECT_EQ(ParseContactCommand(QStringLiteral("COM1 dcd on")).command.line, kModemRlsdOn);

    const ContactCommand pulse = ParseContactCommand(QStringLiteral("COM2 cts pulse")).command;
    EXPECT_EQ(pulse.action, Action::Pulse);
    EXPECT_EQ(pulse.line, kModemCtsOn);
    EXPECT_EQ(pulse.ms, 100);
    EXPECT_EQ(ParseContactCommand(QStringLiteral("COM2 cts pulse 0")).command.ms, 0);

    const ContactCommand burst = ParseContactCommand(QStringLiteral("COM1 ri burst 3 20")).command;
    EXPECT_EQ(burst.action, Action::Burst);
    EXPECT_EQ(burst.line, kModemRingOn);
    EXPECT_EQ(burst.count, 3);
    EXPECT_EQ(burst.ms, 20);
    EXPECT_EQ(ParseContactCommand(QStringLiteral("COM1 dsr burst 3")).command.ms, 50);
    EXPECT_EQ(ParseContactCommand(QStringLiteral("COM1 dsr bounce")).command.count, 5);
    EXPECT_EQ(ParseContactCommand(QStringLiteral("COM1 unplug")).command.action, Action::Unplug);
    EXPECT_EQ(ParseContactCommand(QStringLiteral("COM1 plug")).command.action, Action::Plug);
}

TEST(ContactCommandTest, RejectsWithAReason) {
    for (const char* bad :
         {"", "COM1", "COM1 rts on", "COM1 dsr", "COM1 dsr an", "COM1 dsr on now", "COM1 dsr pulse -1",
          "COM1 dsr pulse 60001", "COM1 dsr burst", "COM1 dsr burst 0", "COM1 dsr burst zwei",
          "COM1 dsr burst 2 0", "COM1 dsr bounce 0", "COM1 status x"}) {
        const ContactParseResult result = ParseContactCommand(QString::fromUtf8(bad));
        EXPECT_FALSE(result.ok) << bad;
        EXPECT_FALSE(result.error.isEmpty()) << bad;
    }
    EXPECT_TRUE(ParseContactCommand(QStringLiteral("COM1 rts on")).error.contains(QStringLiteral("rts")));
}

TEST(ContactCommandTest, TimedCommandsAlternateAndEndWhereTheyShould) {
    ContactCommand bounce{QStringLiteral("COM1"), Action::Bounce, kModemDsrOn, false, 0, 5};
    const std::vector<ContactStep> steps = ContactSteps(bounce, false);
    ASSERT_EQ(steps.size(), 5u);
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].on, i % 2 == 0) << i; // on, off, ..., on
        EXPECT_EQ(steps[i].line, kModemDsrOn);
        if (i > 0) {
            EXPECT_TRUE(steps[i].delayMs >= 1 && steps[i].delayMs <= 3) << i;
        }
    }
    bounce.count = 4;
    EXPECT_FALSE(ContactSteps(bounce, false).front().on);
    EXPECT_TRUE(ContactSteps(bounce, false).back().on);

    // A pulse from a closed contact opens it first, then closes it again.
    const ContactCommand pulse{QStringLiteral("COM1"), Action::Pulse, kModemCtsOn, false, 30, 0};
    const std::vector<ContactStep> pulseSteps = ContactSteps(pulse, true);
    ASSERT_EQ(pulseSteps.size(), 2u);
    EXPECT_FALSE(pulseSteps[0].on);
    EXPECT_TRUE(pulseSteps[1].on);
    EXPECT_EQ(pulseSteps[1].delayMs, 30);

    const ContactCommand burst{QStringLiteral("COM1"), Action::Burst, kModemCtsOn, false, 50, 3};
    const std::vector<ContactStep> burstSteps = ContactSteps(burst, false);
    ASSERT_EQ(burstSteps.size(), 6u);
    int total = 0;
    for (const ContactStep& step : burstSteps)
        total += step.delayMs;
    EXPECT_EQ(total, 2 * 50 + 25); // a pulse every 50 ms, each 25 ms long
    EXPECT_FALSE(burstSteps.back().on);
}

// A socket name no other test run or console uses.
QString UniqueSocketName() {
    static int serial = 0;
    return QStringLiteral("zn-kontakt-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
}

QString Ask(QLocalSocket& socket, const QString& request) {
    socket.write(request.toUtf8() + '\n');
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(5000)) return QStringLiteral("<keine Antwort>");
    }
    return QString::fromUtf8(socket.readLine()).trimmed();
}

TEST(ContactControlServerTest, AppliesRequestsToTheHubsLines) {
    auto hub = std::make_shared<SimulatedSerialHub>();
    ContactControlServer server(hub);
    const QString name = UniqueSocketName();
    ASSERT_TRUE(server.Start(name)) << server.ErrorText().toStdString();

    QLocalSocket socket;
    socket.connectToServer(name);
    ASSERT_TRUE(socket.waitForConnected(5000));
    EXPECT_EQ(Ask(socket, QStringLiteral("COM1 dsr on")), QStringLiteral("ok"));
    const std::shared_ptr<SimulatedSerialLine> line = hub->Line(QStringLiteral("COM1"));
    EXPECT_EQ(line->Status(), kModemDsrOn);

    EXPECT_EQ(Ask(socket, QStringLiteral("COM1 dsr pulse 2")), QStringLiteral("ok"));
    EXPECT_EQ(line->Status(), kModemDsrOn);
    EXPECT_EQ(line->Counts().dsr, 3u);
    EXPECT_EQ(Ask(socket, QStringLiteral("COM1 unplug")), QStringLiteral("ok"));
    EXPECT_EQ(Ask(socket, QStringLiteral("COM1 status")),
              QStringLiteral("COM1: DSR an, CTS aus, RI aus, DCD aus, ausgesteckt"));
    EXPECT_TRUE(Ask(socket, QStringLiteral("COM1 dsr")).startsWith(QStringLiteral("Fehler: ")));
}

TEST(ContactControlServerTest, LeavesAServedNameAloneAndTakesOverAStaleOne) {
    auto hub = std::make_shared<SimulatedSerialHub>();
    const QString name = UniqueSocketName();
    {
        ContactControlServer first(hub);
        ASSERT_TRUE(first.Start(name));
        ContactControlServer second(hub);
        EXPECT_FALSE(second.Start(name));
        EXPECT_FALSE(second.ErrorText().isEmpty());
        EXPECT_FALSE(second.IsRunning());

        QLocalSocket socket; // still the first one's
        socket.connectToServer(name);
        ASSERT_TRUE(socket.waitForConnected(5000));
        EXPECT_EQ(Ask(socket, QStringLiteral("COM1 cts on")), QStringLiteral("ok"));
    }

    // A console that died leaves its socket file behind with no one on it.
    const QByteArray path = QDir(QDir::tempPath()).filePath(name).toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(path.size()), sizeof(address.sun_path));
    std::copy(path.begin(), path.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ContactControlServer next(hub);
    EXPECT_TRUE(next.Start(name)) << next.ErrorText().toStdString();
}

} // namespace
} // namespace zn
