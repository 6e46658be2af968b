#pragma once

#include "comms/serial_system_calls.h"
#include "core/tick_source.h"

#include <atomic>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <sys/ioctl.h>

namespace zn::test {

// Milliseconds that move only when the fake device says so.
class FakeTicks : public ITickSource {
public:
    std::atomic<uint32_t> now = 5000;
    uint32_t TickCount() override { return now; }
    void Sleep(int ms) override { now += static_cast<uint32_t>(ms); }
};

// One serial device behind the system calls, driven by the test on the
// reader's own thread: its lines (TIOCM_* bits), the driver's counts, and
// what each call answers. A status query takes `statusQueryMs` on the clock
// (a USB adapter asks the adapter itself, about 1 ms); a pause its length.
class FakeSerialSystemCalls : public ISerialSystemCalls {
public:
    enum class Call { Status, Counts, Wait, Pause };

    FakeTicks clock;
    int lines = 0;
    serial_icounter_struct counts{};
    termios2 termios{};
    bool exists = true;
    int waitError = 0;
    uint32_t statusQueryMs = 0;
    // Runs after each call has taken its answer: a change made here falls
    // between this call and the next.
    std::function<void(Call)> after;
    // Runs when a wait would block; it must change a line or wake the wait.
    std::function<void()> idle;

    std::chrono::milliseconds selfWakePeriod{0};
    bool selfWakeRunning = false;
    int waits = 0;
    int pauses = 0;

    // A transition of `line` (TIOCM_DSR, TIOCM_CTS) as the driver counts it.
    void Toggle(int line) {
        lines ^= line;
        if (line == TIOCM_DSR) ++counts.dsr;
        if (line == TIOCM_CTS) ++counts.cts;
    }
    // The self-wake's timer fires.
    void FireSelfWake() {
        if (selfWakeRunning && inWait_) woken_ = true;
    }

    int Stat(const QByteArray&, struct stat& info) override {
        if (!exists) return ENOENT;
        info = {};
        info.st_mode = S_IFCHR | 0660;
        return 0;
    }
    int Open(const QByteArray&, int, int& fd) override {
        if (!exists) return ENOENT;
        fd = 42;
        return 0;
    }
    void Close(int) override {}
    int SetExclusive(int, bool) override { return 0; }
    int LockExclusive(int) override { return 0; }
    int GetTermios(int, termios2& t) override {
        t = termios;
        return 0;
    }
    int SetTermios(int, const termios2& t) override {
        termios = t;
        return 0;
    }
    int SetModemLines(int, int which, bool raise) override {
        lines = raise ? lines | which : lines & ~which;
        return 0;
    }
    int GetModemLines(int, int& answer) override {
        clock.now += statusQueryMs;
        answer = lines;
        if (after) after(Call::Status);
        return 0;
    }
    int GetCounts(int, serial_icounter_struct& answer) override {
        answer = counts;
        if (after) after(Call::Counts);
        return 0;
    }
    int WaitModemLines(int, int watched) override {
        ++waits;
        if (waitError) return waitError;
        const serial_icounter_struct start = counts;
        inWait_ = true;
        for (int round = 0;; ++round) {
            if (woken_) break;
            if (((watched & TIOCM_DSR) && counts.dsr != start.dsr) ||
                ((watched & TIOCM_CTS) && counts.cts != start.cts)) {
                inWait_ = false;
                if (after) after(Call::Wait);
                return 0;
            }
            if (!idle || round == 100) {
                ADD_FAILURE() << "the wait would block for ever";
                inWait_ = false;
                return EIO;
            }
            idle();
        }
        woken_ = false;
        inWait_ = false;
        return EINTR;
    }
    int InputCount(int, int& count) override {
        count = 0;
        return 0;
    }
    void FlushInput(int) override {}
    void Wake(pthread_t thread) override {
        if (inWait_ && pthread_equal(thread, pthread_self())) woken_ = true;
    }
    std::unique_ptr<ISelfWake> StartSelfWake(std::chrono::milliseconds period) override {
        struct Running : ISelfWake {
            bool& running;
            explicit Running(bool& r) : running(r) { running = true; }
            ~Running() override { running = false; }
        };
        selfWakePeriod = period;
        return std::make_unique<Running>(selfWakeRunning);
    }
    void Pause(std::chrono::microseconds duration) override {
        ++pauses;
        clock.now += static_cast<uint32_t>(duration.count() / 1000);
        if (after) after(Call::Pause);
    }

private:
    bool inWait_ = false;
    bool woken_ = false;
};

} // namespace zn::test
