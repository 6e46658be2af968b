#include "comms/serial_system_calls.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace zn {

namespace {

// The signal that wakes a reader thread out of TIOCMIWAIT. glibc keeps the
// two signals below SIGRTMIN for itself; Qt and the sanitizers use no
// real-time signal. If something else has claimed SIGRTMIN+3 already, the
// next free one up is taken. The handler does nothing: the point is that
// without SA_RESTART the blocked ioctl returns EINTR.
void IgnoreWakeSignal(int) {}

int WakeSignal() {
    static const int signal = [] {
        for (int candidate = SIGRTMIN + 3; candidate <= SIGRTMAX; ++candidate) {
            struct sigaction old {};
            if (sigaction(candidate, nullptr, &old) != 0 || old.sa_handler != SIG_DFL) continue;
            struct sigaction action {};
            action.sa_handler = IgnoreWakeSignal;
            sigemptyset(&action.sa_mask);
            action.sa_flags = 0; // no SA_RESTART
            if (sigaction(candidate, &action, nullptr) == 0) return candidate;
        }
        return 0;
    }();
    return signal;
}

int Result(int returned) {
    return returned == 0 ? 0 : errno;
}

// A timer that sends the wake signal to the thread that made it.
class TimerSelfWake final : public ISelfWake {
public:
    explicit TimerSelfWake(std::chrono::milliseconds period) {
        sigevent event{};
        event.sigev_notify = SIGEV_THREAD_ID;
        event.sigev_signo = WakeSignal();
        event._sigev_un._tid = gettid();
        if (event.sigev_signo == 0 || timer_create(CLOCK_MONOTONIC, &event, &timer_) != 0) return;
        armed_ = true;
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(period).count();
        const timespec every{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
        const itimerspec periodic{every, every};
        timer_settime(timer_, 0, &periodic, nullptr);
    }
    ~TimerSelfWake() override {
        if (armed_) timer_delete(timer_);
    }
    TimerSelfWake(const TimerSelfWake&) = delete;
    TimerSelfWake& operator=(const TimerSelfWake&) = delete;

private:
    timer_t timer_{};
    bool armed_ = false;
};

class SystemCalls final : public ISerialSystemCalls {
public:
    SystemCalls() { WakeSignal(); } // installed before any thread can be signalled

    int Stat(const QByteArray& path, struct stat& info) override {
        return Result(stat(path.constData(), &info));
    }
    int Open(const QByteArray& path, int flags, int& fd) override {
        fd = ::open(path.constData(), flags);
        return fd < 0 ? errno : 0;
    }
    void Close(int fd) override { ::close(fd); }
    int SetExclusive(int fd, bool exclusive) override {
        return Result(ioctl(fd, exclusive ? TIOCEXCL : TIOCNXCL));
    }
    int LockExclusive(int fd) override { return Result(flock(fd, LOCK_EX | LOCK_NB)); }
    int GetTermios(int fd, termios2& settings) override { return Result(ioctl(fd, TCGETS2, &settings)); }
    int SetTermios(int fd, const termios2& settings) override {
        return Result(ioctl(fd, TCSETS2, &settings));
    }
    int SetModemLines(int fd, int lines, bool raise) override {
        return Result(ioctl(fd, raise ? TIOCMBIS : TIOCMBIC, &lines));
    }
    int GetModemLines(int fd, int& lines) override { return Result(ioctl(fd, TIOCMGET, &lines)); }
    int GetCounts(int fd, serial_icounter_struct& counts) override {
        return Result(ioctl(fd, TIOCGICOUNT, &counts));
    }
    int WaitModemLines(int fd, int lines) override { return Result(ioctl(fd, TIOCMIWAIT, lines)); }
    int InputCount(int fd, int& count) override { return Result(ioctl(fd, FIONREAD, &count)); }
    void FlushInput(int fd) override { ioctl(fd, TCFLSH, TCIFLUSH); }

    void Wake(pthread_t thread) override {
        if (WakeSignal() != 0) pthread_kill(thread, WakeSignal());
    }
    std::unique_ptr<ISelfWake> StartSelfWake(std::chrono::milliseconds period) override {
        return std::make_unique<TimerSelfWake>(period);
    }
    void Pause(std::chrono::microseconds duration) override {
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(duration).count();
        const timespec pause{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
        nanosleep(&pause, nullptr);
    }
};

} // namespace

ISerialSystemCalls& LinuxSystemCalls() {
    static SystemCalls calls;
    return calls;
}

} // namespace zn
