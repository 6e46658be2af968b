#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QThread;

namespace zn {

class SimulatedSerialHub;

// One request of the contact control socket, one line of text:
//   <name> <dsr|cts|ri|dcd> <on|off>
//   <name> <line> pulse [ms]                  (100 ms; 0 = both edges at once)
//   <name> <line> burst <count> [interval-ms] (a pulse every 50 ms)
//   <name> <line> bounce [count]              (5 toggles 1-3 ms apart, ending on)
//   <name> unplug | plug | status
struct ContactCommand {
    enum class Action { Set, Pulse, Burst, Bounce, Unplug, Plug, Status };
    QString device;
    Action action = Action::Status;
    uint32_t line = 0; // kModem... bit of the line
    bool on = false;   // Set
    int ms = 0;        // Pulse: time in the other state; Burst: from one pulse to the next
    int count = 0;     // Burst: pulses; Bounce: toggles
};

struct ContactParseResult {
    bool ok = false;
    ContactCommand command;
    QString error; // German, when !ok
};

ContactParseResult ParseContactCommand(const QString& text);

// One change of a simulated line, `delayMs` after the one before.
struct ContactStep {
    int delayMs = 0;
    uint32_t line = 0;
    bool on = false;
    bool instantPulse = false; // there and back at once instead of Set(on)
};

// The changes a timed command makes, given the line's state now.
std::vector<ContactStep> ContactSteps(const ContactCommand& command, bool lineOnNow);

// "COM1: DSR an, CTS aus, RI aus, DCD aus, offen"
QString ContactStatusText(const QString& name, uint32_t status, bool plugged, bool open);

// "zeitnahme-kontakt-<uid>": one control socket per user, so two operators
// on one machine do not drive each other's contacts.
QString DefaultContactSocketName();

// Serves the contact control socket on a thread of its own, so a console
// whose main thread is busy never holds back a simulated contact. Each
// request line is answered by one line: "ok", the status text, or
// "Fehler: <reason>". Timed commands are played out by timers on that thread
// and answered when done; requests of one connection run one after another.
class ContactControlServer {
public:
    explicit ContactControlServer(std::shared_ptr<SimulatedSerialHub> hub);
    ~ContactControlServer();
    ContactControlServer(const ContactControlServer&) = delete;
    ContactControlServer& operator=(const ContactControlServer&) = delete;

    // Listens on `socketName` (user-only access). False with ErrorText() when
    // another console already serves the name or the socket cannot be made.
    bool Start(const QString& socketName);
    bool Start() { return Start(DefaultContactSocketName()); }
    // Closes the socket and ends the thread; commands under way stop where
    // they are. Safe when not started.
    void Stop();

    bool IsRunning() const { return thread_ != nullptr; }
    QString ErrorText() const { return errorText_; }

private:
    class Thread;
    const std::shared_ptr<SimulatedSerialHub> hub_;
    std::unique_ptr<Thread> thread_;
    QString errorText_;
};

} // namespace zn
