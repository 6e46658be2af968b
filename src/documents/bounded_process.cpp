// fork/exec by hand rather than QProcess: the bounds must hold in a program
// without an event loop or a QCoreApplication (the reader tests), the memory
// limit has to be set between fork and exec, and the output must be counted
// as it arrives instead of after it was buffered.
#include "documents/bounded_process.h"

#include "core/system_errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zn::workbook {

namespace {

using Clock = std::chrono::steady_clock;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// A program killed at a bound is normally gone at once; one stuck in the
// kernel (a file on a network share that stopped answering) is left behind
// after this long rather than holding up the console.
constexpr int kReapMs = 2000;
// While the output pipe is quiet, the program is looked at this often, so one
// that exited while a child of its own holds the pipe open is noticed.
constexpr int kSliceMs = 100;

class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

int MsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

bool Reap(pid_t pid, int& status) {
    for (;;) {
        const pid_t got = ::waitpid(pid, &status, WNOHANG);
        if (got == pid) return true;
        if (got < 0 && errno == EINTR) continue;
        return false;
    }
}

// Kills the program and reaps it within kReapMs.
void Kill(pid_t pid) {
    ::kill(pid, SIGKILL);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kReapMs);
    int status = 0;
    while (!Reap(pid, status) && MsUntil(deadline) > 0)
        ::poll(nullptr, 0, 5);
}

// The environment of the program. Under AddressSanitizer a limit on the
// address space cannot work (the sanitizer reserves terabytes of shadow
// memory at start), so the sanitizer's own resident-memory limit stands in.
std::vector<std::string> Environment(const ProcessBounds& bounds) {
    std::vector<std::string> env;
    std::string asan;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "ASAN_OPTIONS=", 13) == 0)
            asan = *e + 13;
        else
            env.emplace_back(*e);
    }
    if (kAddressSanitizer && bounds.maxAddressSpace > 0)
        asan += (asan.empty() ? "" : ":") +
                ("hard_rss_limit_mb=" + std::to_string(bounds.maxAddressSpace / (1024 * 1024)));
    if (!asan.empty()) env.push_back("ASAN_OPTIONS=" + asan);
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    out.reserve(strings.size() + 1);
    for (std::string& s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// In the forked child: only async-signal-safe calls until exec.
[[noreturn]] void Exec(const char* path, char* const* argv, char* const* envp, int in, int out, int errorPipe,
                       const ProcessBounds& bounds) {
    // Not under AddressSanitizer: see Environment().
    if (!kAddressSanitizer && bounds.maxAddressSpace > 0) {
        const rlimit limit{static_cast<rlim_t>(bounds.maxAddressSpace),
                           static_cast<rlim_t>(bounds.maxAddressSpace)};
        ::setrlimit(RLIMIT_AS, &limit);
    }
    ::dup2(in, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::fcntl(STDIN_FILENO, F_SETFD, 0);
    ::fcntl(STDOUT_FILENO, F_SETFD, 0);
    // The console's files, ports and sockets are not the reader's business.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);
    ::execve(path, argv, envp);
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(errorPipe, &error, sizeof error);
    ::_exit(127);
}

ProcessRun NotStarted(const QString& reason) {
    ProcessRun run;
    run.error = reason;
    return run;
}

ProcessRun NotStartedErrno(int code) {
    return NotStarted(SystemErrorText(code, QString::fromLocal8Bit(strerror(code))));
}

ProcessRun Ended(int status, QByteArray output) {
    ProcessRun run;
    run.output = std::move(output);
    if (WIFSIGNALED(status)) {
        run.outcome = ProcessRun::Outcome::Crashed;
        run.signal = WTERMSIG(status);
    } else {
        run.outcome = ProcessRun::Outcome::Finished;
        run.exitCode = WEXITSTATUS(status);
    }
    return run;
}

ProcessRun Stopped(ProcessRun::Outcome outcome) {
    ProcessRun run;
    run.outcome = outcome;
    return run;
}

ProcessRun Killed(pid_t pid, ProcessRun::Outcome outcome) {
    Kill(pid);
    return Stopped(outcome);
}

} // namespace

ProcessRun RunBounded(const QString& program, const QStringList& arguments, const ProcessBounds& bounds) {
    const QFileInfo info(program);
    if (!info.isFile()) return NotStarted(QCoreApplication::translate("WorkbookReader", "nicht vorhanden"));
    if (!info.isExecutable())
        return NotStarted(QCoreApplication::translate("WorkbookReader", "nicht ausführbar"));

    const std::string path = QFile::encodeName(program).toStdString();
    std::vector<std::string> args{path};
    for (const QString& a : arguments)
        args.push_back(a.toStdString());
    std::vector<std::string> env = Environment(bounds);
    const std::vector<char*> argv = Pointers(args);
    const std::vector<char*> envp = Pointers(env);

    Fd devNull(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    int outPipe[2];
    int errorPipe[2];
    if (devNull.get() < 0 || ::pipe2(outPipe, O_CLOEXEC) != 0) return NotStartedErrno(errno);
    Fd outRead(outPipe[0]);
    Fd outWrite(outPipe[1]);
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) return NotStartedErrno(errno);
    Fd errorRead(errorPipe[0]);
    Fd errorWrite(errorPipe[1]);

    const pid_t pid = ::fork();
    if (pid < 0) return NotStartedErrno(errno);
    if (pid == 0)
        Exec(path.c_str(), argv.data(), envp.data(), devNull.get(), outWrite.get(), errorWrite.get(), bounds);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(bounds.timeoutMs);
    outWrite.Close();
    errorWrite.Close();

    // Closed by a successful exec; the errno of a failed one otherwise.
    int execError = 0;
    ssize_t got = 0;
    do
        got = ::read(errorRead.get(), &execError, sizeof execError);
    while (got < 0 && errno == EINTR);
    if (got == sizeof execError) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return NotStartedErrno(execError);
    }

    ::fcntl(outRead.get(), F_SETFL, O_NONBLOCK);
    QByteArray output;
    char buffer[65536];
    bool open = true;
    int status = 0;
    for (;;) {
        // An exited program's output is all in the pipe by now.
        const bool exited = Reap(pid, status);
        while (open) {
            const ssize_t n = ::read(outRead.get(), buffer, sizeof buffer);
            if (n > 0) {
                if (output.size() + n > bounds.maxOutputBytes)
                    return exited ? Stopped(ProcessRun::Outcome::OutputTooLarge)
                                  : Killed(pid, ProcessRun::Outcome::OutputTooLarge);
                output.append(buffer, n);
            } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
                open = false;
            } else if (errno == EAGAIN) {
                break;
            }
        }
        if (exited) return Ended(status, std::move(output));
        const int left = MsUntil(deadline);
        if (left == 0) return Killed(pid, ProcessRun::Outcome::TimedOut);
        pollfd p{outRead.get(), POLLIN, 0};
        ::poll(open ? &p : nullptr, open ? 1 : 0, std::min(left, open ? kSliceMs : 5));
    }
}

} // namespace zn::workbook
