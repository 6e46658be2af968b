#include "comms/simulated/contact_control.h"

#include "comms/simulated/simulated_serial.h"
#include "core/modem_lines.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QPointer>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <future>
#include <unistd.h>

namespace zn {

namespace {

Q_LOGGING_CATEGORY(lcContact, "zn.comms.contact", QtWarningMsg)

struct LineName {
    const char* word;  // as typed
    const char* label; // in the status text
    uint32_t bit;
};

constexpr LineName kLineNames[] = {
    {"dsr", "DSR", kModemDsrOn},
    {"cts", "CTS", kModemCtsOn},
    {"ri", "RI", kModemRingOn},
    {"dcd", "DCD", kModemRlsdOn},
};

// Longer than any contact a console needs to see, short enough that a typing
// slip ("pulse 50000000") does not hold a line for days.
constexpr int kMaxMs = 60000;
constexpr int kMaxBurst = 1000;
constexpr int kMaxBounce = 100;
constexpr int kDefaultPulseMs = 100;
constexpr int kDefaultBurstIntervalMs = 50;
constexpr int kDefaultBounceCount = 5;

// Gaps between the toggles of a bouncing contact: 1 to 3 ms, uneven like a
// real relay, and the same on every run so a demonstration can be repeated.
constexpr int kBounceGapsMs[] = {1, 3, 2, 2, 1, 3};

const QString kUsage = QStringLiteral("erwartet: <Name> <dsr|cts|ri|dcd> <on|off|pulse|burst|bounce> oder "
                                      "<Name> <unplug|plug|status>");

ContactParseResult Failure(const QString& error) {
    return {false, {}, error};
}

// Reads an optional or required whole number in [min, max].
bool ReadNumber(const QString& word, int min, int max, int& value) {
    bool ok = false;
    const int n = word.toInt(&ok);
    if (!ok || n < min || n > max) return false;
    value = n;
    return true;
}

ContactParseResult ParseLineCommand(ContactCommand command, const QStringList& words) {
    const QString action = words.size() > 2 ? words[2].toLower() : QString();
    using Action = ContactCommand::Action;
    int maxWords = 3;
    if (action == u"on" || action == u"off") {
        command.action = Action::Set;
        command.on = action == u"on";
    } else if (action == u"pulse") {
        command.action = Action::Pulse;
        command.ms = kDefaultPulseMs;
        maxWords = 4;
        if (words.size() > 3 && !ReadNumber(words[3], 0, kMaxMs, command.ms))
            return Failure(
                QStringLiteral("„%1“ ist keine Pulsdauer in ms (0 bis %2)").arg(words[3]).arg(kMaxMs));
    } else if (action == u"burst") {
        command.action = Action::Burst;
        command.ms = kDefaultBurstIntervalMs;
        maxWords = 5;
        if (words.size() < 4 || !ReadNumber(words[3], 1, kMaxBurst, command.count))
            return Failure(QStringLiteral("burst braucht eine Anzahl von 1 bis %1").arg(kMaxBurst));
        if (words.size() > 4 && !ReadNumber(words[4], 1, kMaxMs, command.ms))
            return Failure(
                QStringLiteral("„%1“ ist kein Abstand in ms (1 bis %2)").arg(words[4]).arg(kMaxMs));
    } else if (action == u"bounce") {
        command.action = Action::Bounce;
        command.count = kDefaultBounceCount;
        maxWords = 4;
        if (words.size() > 3 && !ReadNumber(words[3], 1, kMaxBounce, command.count))
            return Failure(
                QStringLiteral("„%1“ ist keine Anzahl für bounce (1 bis %2)").arg(words[3]).arg(kMaxBounce));
    } else if (action.isEmpty()) {
        return Failure(QStringLiteral("nach „%1“ fehlt on, off, pulse, burst oder bounce").arg(words[1]));
    } else {
        return Failure(QStringLiteral("unbekannter Befehl „%1“; erwartet on, off, pulse, burst oder bounce")
                           .arg(words[2]));
    }
    if (words.size() > maxWords)
        return Failure(QStringLiteral("überzählige Angabe „%1“").arg(words[maxWords]));
    return {true, command, {}};
}

} // namespace

ContactParseResult ParseContactCommand(const QString& text) {
    const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return Failure(QStringLiteral("leere Anfrage; ") + kUsage);
    if (words.size() < 2)
        return Failure(QStringLiteral("nach „%1“ fehlt der Befehl; ").arg(words[0]) + kUsage);
    ContactCommand command;
    command.device = words[0];
    const QString second = words[1].toLower();
    using Action = ContactCommand::Action;
    const std::pair<const char16_t*, Action> deviceActions[] = {
        {u"unplug", Action::Unplug}, {u"plug", Action::Plug}, {u"status", Action::Status}};
    for (const auto& [word, action] : deviceActions) {
        if (second != word) continue;
        if (words.size() > 2) return Failure(QStringLiteral("überzählige Angabe „%1“").arg(words[2]));
        command.action = action;
        return {true, command, {}};
    }
    for (const LineName& line : kLineNames) {
        if (second != QLatin1String(line.word)) continue;
        command.line = line.bit;
        return ParseLineCommand(command, words);
    }
    return Failure(QStringLiteral("unbekannte Leitung „%1“; erlaubt sind dsr, cts, ri, dcd "
                                  "(oder unplug, plug, status)")
                       .arg(words[1]));
}

std::vector<ContactStep> ContactSteps(const ContactCommand& command, bool lineOnNow) {
    using Action = ContactCommand::Action;
    std::vector<ContactStep> steps;
    const uint32_t line = command.line;
    switch (command.action) {
    case Action::Pulse:
        if (command.ms == 0) return {{0, line, lineOnNow, true}};
        return {{0, line, !lineOnNow, false}, {command.ms, line, lineOnNow, false}};
    case Action::Burst: {
        // Half of each interval in the other state; a 1 ms interval leaves
        // no time for that, so its pulses are there and back at once.
        const int hold = command.ms / 2;
        for (int i = 0; i < command.count; ++i) {
            const int gap = i == 0 ? 0 : command.ms - hold;
            if (hold == 0) {
                steps.push_back({gap, line, lineOnNow, true});
            } else {
                steps.push_back({gap, line, !lineOnNow, false});
                steps.push_back({hold, line, lineOnNow, false});
            }
        }
        return steps;
    }
    case Action::Bounce:
        for (int i = 0; i < command.count; ++i) {
            const int gap = i == 0 ? 0 : kBounceGapsMs[(i - 1) % std::size(kBounceGapsMs)];
            // Counted back from the last toggle, which closes the contact.
            steps.push_back({gap, line, (command.count - 1 - i) % 2 == 0, false});
        }
        return steps;
    default:
        return {};
    }
}

QString ContactStatusText(const QString& name, uint32_t status, bool plugged, bool open) {
    QStringList parts;
    for (const LineName& line : kLineNames)
        parts << QStringLiteral("%1 %2").arg(QLatin1String(line.label), status & line.bit ? u"an" : u"aus");
    parts << (!plugged ? QStringLiteral("ausgesteckt")
              : open   ? QStringLiteral("offen")
                       : QStringLiteral("geschlossen"));
    return name + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString DefaultContactSocketName() {
    return QStringLiteral("zeitnahme-kontakt-%1").arg(::getuid());
}

namespace {

// One client of the control socket. Its requests run one after another; a
// timed command keeps running when the client goes away, so a contact is not
// left in the middle of a pulse.
class Connection : public QObject {
public:
    Connection(QLocalSocket* socket, std::shared_ptr<SimulatedSerialHub> hub, QObject* parent)
        : QObject(parent), socket_(socket), hub_(std::move(hub)) {
        socket_->setParent(this);
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer); // bounce gaps are 1-3 ms
        connect(&timer_, &QTimer::timeout, this, &Connection::NextStep);
        connect(socket_, &QLocalSocket::readyRead, this, &Connection::NextRequest);
        connect(socket_, &QLocalSocket::disconnected, this, &Connection::EndIfIdle);
        NextRequest();
    }

private:
    void NextRequest() {
        while (steps_.empty() && socket_->canReadLine()) {
            const QString request = QString::fromUtf8(socket_->readLine()).trimmed();
            qCDebug(lcContact) << "request" << request;
            Apply(request);
        }
        EndIfIdle();
    }

    void Apply(const QString& request) {
        const ContactParseResult parsed = ParseContactCommand(request);
        if (!parsed.ok) return Answer(QStringLiteral("Fehler: ") + parsed.error);
        const ContactCommand& command = parsed.command;
        line_ = hub_->Line(command.device);
        using Action = ContactCommand::Action;
        switch (command.action) {
        case Action::Set:
            line_->Set(command.line, command.on);
            return Answer(QStringLiteral("ok"));
        case Action::Unplug:
            line_->Unplug();
            return Answer(QStringLiteral("ok"));
        case Action::Plug:
            line_->Replug();
            return Answer(QStringLiteral("ok"));
        case Action::Status:
            return Answer(
                ContactStatusText(line_->Name(), line_->Status(), line_->IsPlugged(), line_->IsOpen()));
        default:
            steps_ = ContactSteps(command, (line_->Status() & command.line) != 0);
            next_ = 0;
            NextStep();
        }
    }

    void NextStep() {
        const ContactStep& step = steps_[next_++];
        if (step.instantPulse)
            line_->Pulse(step.line, 0);
        else
            line_->Set(step.line, step.on);
        if (next_ < steps_.size()) return timer_.start(steps_[next_].delayMs);
        steps_.clear();
        Answer(QStringLiteral("ok"));
        // Further requests of this client wait for the command before them.
        QTimer::singleShot(0, this, &Connection::NextRequest);
    }

    void Answer(const QString& text) {
        if (socket_->state() != QLocalSocket::ConnectedState) return;
        socket_->write(text.toUtf8() + '\n');
        socket_->flush();
    }

    void EndIfIdle() {
        if (steps_.empty() && socket_->state() == QLocalSocket::UnconnectedState) deleteLater();
    }

    QLocalSocket* const socket_;
    const std::shared_ptr<SimulatedSerialHub> hub_;
    std::shared_ptr<SimulatedSerialLine> line_;
    std::vector<ContactStep> steps_;
    size_t next_ = 0;
    QTimer timer_;
};

} // namespace

class ContactControlServer::Thread : public QThread {
public:
    Thread(std::shared_ptr<SimulatedSerialHub> hub, QString socketName)
        : hub_(std::move(hub)), socketName_(std::move(socketName)) {
        setObjectName(QStringLiteral("zeitnahme-kontakt"));
    }

    // Empty when listening, else the reason why not.
    QString ListenResult() { return listened_.get_future().get(); }

protected:
    void run() override {
        QLocalServer server;
        const QString error = Listen(server);
        listened_.set_value(error);
        if (!error.isEmpty()) return;
        connect(&server, &QLocalServer::newConnection, &server, [&] {
            while (QLocalSocket* socket = server.nextPendingConnection())
                new Connection(socket, hub_, &server);
        });
        exec();
    }

private:
    QString Listen(QLocalServer& server) {
        // Asked first: with user-only access, listen() puts its socket file in
        // place by renaming over any existing one, which would cut another
        // console off from its contacts.
        QLocalSocket probe;
        probe.connectToServer(socketName_);
        if (probe.waitForConnected(1000)) {
            return QCoreApplication::translate(
                       "ContactControl", "Die Kontaktsteuerung „%1“ wird schon von einer anderen Zeitnahme "
                                         "bedient; diese nimmt keine Kontakt-Befehle an.")
                .arg(socketName_);
        }
        // Whatever is left is the file of a console that ended without closing it.
        QLocalServer::removeServer(socketName_);
        server.setSocketOptions(QLocalServer::UserAccessOption);
        if (server.listen(socketName_)) return {};
        return QCoreApplication::translate("ContactControl",
                                           "Die Kontaktsteuerung „%1“ kann nicht eingerichtet werden: %2")
            .arg(socketName_, server.errorString());
    }

    const std::shared_ptr<SimulatedSerialHub> hub_;
    const QString socketName_;
    std::promise<QString> listened_;
};

ContactControlServer::ContactControlServer(std::shared_ptr<SimulatedSerialHub> hub) : hub_(std::move(hub)) {}

ContactControlServer::~ContactControlServer() {
    Stop();
}

bool ContactControlServer::Start(const QString& socketName) {
    Stop();
    thread_ = std::make_unique<Thread>(hub_, socketName);
    thread_->start();
    errorText_ = thread_->ListenResult();
    if (errorText_.isEmpty()) return true;
    qCWarning(lcContact) << errorText_;
    Stop();
    return false;
}

void ContactControlServer::Stop() {
    if (!thread_) return;
    thread_->quit(); // also when its event loop has not begun yet
    thread_->wait();
    thread_.reset();
}

} // namespace zn
