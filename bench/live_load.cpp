// Whether spectators polling the live page slow the timing: the real console
// (main window, real clock, COM1 a simulated device with lane 1 on DSR and
// lane 2 on CTS) times runs while its live server serves the board, in blocks
// that take turns: without clients, and with 200 clients polling /state.json
// four times a second from a process of their own at nice 19 (so their CPU
// time is not the console's, and they yield the cores as phones on the
// network would). The same process runs hostile clients beside them: some
// pipeline requests and read nothing, some send a header byte every 5 s.
// The console's RSS is sampled throughout: before any client and at most.
//   QT_QPA_PLATFORM=offscreen build-bench/bin/live_load [runs] [clients]
// (or under xvfb-run). Per run a driver thread starts the run, closes DSR
// after 0.3-0.6 s and CTS 0.1-0.3 s later, noting the steady clock just before
// each change. Recorded = the moment the port's reader thread reads the tick
// source for that change minus the change; handled = the moment the console
// emits the lane's time minus the change. CPU = the console process's CPU
// time over the wall time of the runs.
#include "app/console_probe.h"
#include "app/demo_console.h"
#include "bench_util.h"
#include "comms/com_port.h"
#include "controls/bit_btn_with_color.h"
#include "controls/sort_grid.h"
#include "core/board_state.h"
#include "core/modem_lines.h"
#include "core/protocol_row.h"
#include "live/live_server.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using zn::bench::NowNs;
using zn::bench::StatsOf;

// The console's clock. Notes when a thread other than the main thread (the
// port's reader: the live server has a clock of its own) reads it.
class RecordingTicks final : public zn::ITickSource {
public:
    std::atomic<int64_t> readerReadNs{0};
    const std::thread::id mainThread = std::this_thread::get_id();
    uint32_t TickCount() override {
        const int64_t now = NowNs();
        if (std::this_thread::get_id() != mainThread) readerReadNs.store(now);
        return static_cast<uint32_t>(now / 1000000);
    }
    void Sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

// The same clock for the live server, without the notes.
class PlainTicks final : public zn::ITickSource {
public:
    uint32_t TickCount() override { return static_cast<uint32_t>(NowNs() / 1000000); }
    void Sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

// The console's resident memory in MB.
double RssMb() {
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// ---- the clients' process -------------------------------------------------

// `clients` keep-alive connections, each asking for /state.json every 250 ms
// (skipping a turn while its last answer is still out), four from each
// loopback address 127.0.1.x as phones on the network would be. Beside them
// the hostile ones: kNonReaders that pipeline "GET /" ten times every 5 ms
// and read nothing, and kSlowSenders (ten per address 127.0.3.x) that send
// one header byte every 5 s, each coming back 100 ms after being cut.
// Prints the honest answers counted so far once a second.
constexpr int kNonReaders = 8;
constexpr int kSlowSenders = 300;

QHostAddress ClientAddress(int net, int i, int perAddress) {
    return QHostAddress((127u << 24) | (static_cast<quint32>(net) << 8) |
                        static_cast<quint32>(1 + i / perAddress));
}

int RunClients(uint16_t port, int clients) {
    long answers = 0;
    long skipped = 0;
    long reconnects = 0;
    struct Poller {
        QTcpSocket socket;
        QByteArray buffer;
        bool waiting = false;
    };
    std::vector<std::unique_ptr<Poller>> pollers;
    const QByteArray request = "GET /state.json HTTP/1.1\r\nHost: bench\r\n\r\n";
    const auto connectFrom = [port](QTcpSocket& socket, const QHostAddress& from) {
        socket.abort();
        socket.bind(from);
        socket.connectToHost(QHostAddress::LocalHost, port);
    };
    for (int i = 0; i < clients; ++i) {
        auto p = std::make_unique<Poller>();
        Poller* raw = p.get();
        const QHostAddress from = ClientAddress(1, i, 4);
        QObject::connect(&raw->socket, &QTcpSocket::readyRead, [raw, &answers] {
            raw->buffer += raw->socket.readAll();
            for (;;) {
                const qsizetype end = raw->buffer.indexOf("\r\n\r\n");
                if (end < 0) return;
                const qsizetype at = raw->buffer.indexOf("Content-Length: ");
                const qsizetype length =
                    raw->buffer.mid(at + 16, raw->buffer.indexOf('\r', at) - at - 16).toLongLong();
                if (raw->buffer.size() < end + 4 + length) return;
                raw->buffer.remove(0, end + 4 + length);
                raw->waiting = false;
                ++answers;
            }
        });
        QObject::connect(&raw->socket, &QTcpSocket::disconnected, [raw, from, connectFrom, &reconnects] {
            ++reconnects;
            raw->waiting = false;
            raw->buffer.clear();
            QTimer::singleShot(100, &raw->socket,
                               [raw, from, connectFrom] { connectFrom(raw->socket, from); });
        });
        connectFrom(raw->socket, from);
        auto* timer = new QTimer(&raw->socket);
        timer->setInterval(250);
        QObject::connect(timer, &QTimer::timeout, [raw, &skipped, request] {
            if (raw->socket.state() != QAbstractSocket::ConnectedState || raw->waiting) {
                ++skipped;
                return;
            }
            raw->waiting = true;
            raw->socket.write(request);
        });
        // Spread over the 250 ms, as phones would be.
        QTimer::singleShot(i * 250 / std::max(1, clients), timer, qOverload<>(&QTimer::start));
        pollers.push_back(std::move(p));
    }

    // The hostile ones, started once the honest ones are in.
    std::vector<std::unique_ptr<QTcpSocket>> hostile;
    const QByteArray page = QByteArray("GET / HTTP/1.1\r\nHost: bench\r\n\r\n").repeated(10);
    const QByteArray slowRequest = "GET /state.json HTTP/1.1\r\nHost: bench\r\n\r\n";
    QTimer::singleShot(1000, [&] {
        for (int i = 0; i < kNonReaders + kSlowSenders; ++i) {
            const bool reads = i >= kNonReaders; // slow senders read what they get
            auto socket = std::make_unique<QTcpSocket>();
            QTcpSocket* raw = socket.get();
            const QHostAddress from = reads ? ClientAddress(3, i - kNonReaders, 10) : ClientAddress(2, 0, 1);
            if (!reads) raw->setReadBufferSize(1024);
            QObject::connect(raw, &QTcpSocket::disconnected, [raw, from, connectFrom] {
                QTimer::singleShot(100, raw, [raw, from, connectFrom] { connectFrom(*raw, from); });
            });
            if (reads) QObject::connect(raw, &QTcpSocket::readyRead, [raw] { raw->readAll(); });
            auto* timer = new QTimer(raw);
            int* sent = new int(0);
            QObject::connect(raw, &QObject::destroyed, [sent] { delete sent; });
            QObject::connect(raw, &QTcpSocket::connected, [sent] { *sent = 0; });
            timer->setInterval(reads ? 5000 : 5);
            QObject::connect(timer, &QTimer::timeout, [raw, reads, sent, &page, &slowRequest] {
                if (raw->state() != QAbstractSocket::ConnectedState) return;
                if (!reads) {
                    if (raw->bytesToWrite() < 64 * 1024) raw->write(page); // its own memory stays bounded too
                    return;
                }
                raw->write(slowRequest.mid(*sent % slowRequest.size(), 1));
                ++*sent;
            });
            connectFrom(*raw, from);
            QTimer::singleShot(i * 5000 / (kNonReaders + kSlowSenders), timer, qOverload<>(&QTimer::start));
            hostile.push_back(std::move(socket));
        }
    });
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&] {
        std::printf("%ld %ld %ld %.3f\n", answers, skipped, reconnects, zn::bench::ProcessCpuSeconds());
        std::fflush(stdout);
    });
    report.start(1000);
    return QCoreApplication::exec();
}

// ---- the console -----------------------------------------------------------

struct CaseResult {
    std::vector<double> recordedUs;
    std::vector<double> handledUs;
    double cpuSeconds = 0;
    double wallSeconds = 0;

    void Add(const CaseResult& block) {
        recordedUs.insert(recordedUs.end(), block.recordedUs.begin(), block.recordedUs.end());
        handledUs.insert(handledUs.end(), block.handledUs.begin(), block.handledUs.end());
        cpuSeconds += block.cpuSeconds;
        wallSeconds += block.wallSeconds;
    }
};

class Console {
public:
    explicit Console(const QString& folder) : platform_(ticks_, folder) {
        zn::bench::WriteBenchPortSettings(folder);
        services_ = platform_.Platform();
        services_.serial = &devices_;
        form_ = std::make_unique<zn::ConsoleProbe>(services_);
        form_->UseResultFolder(zn::OutputLocation{folder, true});
        form_->resize(zn::ConsoleProbe::kDesignWidth, zn::ConsoleProbe::kDesignHeight);
        QStringList teams;
        for (int i = 1; i <= 20; ++i)
            teams << zn::TeamKey(QString::number(i), QStringLiteral("FF Wehr %1").arg(i));
        zn::PutDemoTeams(*form_, teams);
        form_->show();

        follower_.changed = [this](const zn::BoardState& state) { server_.SetState(state); };
        // The board's protocol as a list load would have given it.
        zn::CompetitionEvent loaded;
        loaded.kind = zn::CompetitionEventKind::ListsLoaded;
        loaded.team = teams[0];
        loaded.team2 = teams[1];
        loaded.lists = {{2, form_->Model.Rows(2)}};
        follower_.CompetitionChanged(loaded);
        stops_.ticks = &ticks_;
        form_->Model.Events().Subscribe(&follower_);
        form_->Model.Events().Subscribe(&stops_);
    }
    ~Console() {
        form_->Model.Events().Unsubscribe(&stops_);
        form_->Model.Events().Unsubscribe(&follower_);
    }

    bool PortOpen() const { return form_->ComPort1->Connected(); }
    bool StartServer(QString* error) { return server_.Start(0, error); }
    uint16_t ServerPort() const { return server_.Port(); }

    CaseResult Measure(int runs) {
        CaseResult result;
        stops_.result = &result;
        const double cpu0 = zn::bench::ProcessCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        std::thread driver([&] { Drive(runs); });
        QCoreApplication::exec();
        driver.join();
        result.wallSeconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
        result.cpuSeconds = zn::bench::ProcessCpuSeconds() - cpu0;
        stops_.result = nullptr;
        return result;
    }

private:
    // Takes the samples as the console emits each lane's time.
    class StopSamples final : public zn::ICompetitionObserver {
    public:
        CaseResult* result = nullptr;
        RecordingTicks* ticks = nullptr;
        std::atomic<int64_t> changedAtNs{0};
        std::atomic<int> stops{0};
        void CompetitionChanged(const zn::CompetitionEvent& e) override {
            if (e.kind != zn::CompetitionEventKind::LaneStopped || !e.byContact || !result) return;
            const int64_t changed = changedAtNs.load();
            result->recordedUs.push_back(static_cast<double>(ticks->readerReadNs.load() - changed) / 1e3);
            result->handledUs.push_back(static_cast<double>(NowNs() - changed) / 1e3);
            stops.fetch_add(1);
            stops.notify_all();
        }
    };

    void OnMain(const std::function<void()>& f) {
        QMetaObject::invokeMethod(form_.get(), f, Qt::BlockingQueuedConnection);
    }

    void Change(uint32_t bit) {
        if (!devices_.Line().WaitForWaitersForTest(1, std::chrono::seconds(5))) {
            std::fprintf(stderr, "the reader thread does not wait on the device\n");
            std::exit(1);
        }
        const int seen = stops_.stops.load();
        stops_.changedAtNs.store(NowNs());
        devices_.Line().Set(bit, true);
        for (int now = stops_.stops.load(); now == seen; now = stops_.stops.load())
            stops_.stops.wait(now);
    }

    void Drive(int runs) {
        std::mt19937 random(11);
        std::uniform_int_distribution<int> firstMs(300, 600);
        std::uniform_int_distribution<int> secondMs(100, 300);
        for (int run = 0; run < runs; ++run) {
            OnMain([this] { form_->mStartClick(form_->bSTART); });
            std::this_thread::sleep_for(std::chrono::milliseconds(firstMs(random)));
            Change(zn::kModemDsrOn);
            std::this_thread::sleep_for(std::chrono::milliseconds(secondMs(random)));
            Change(zn::kModemCtsOn);
            devices_.Line().Set(zn::kModemDsrOn, false);
            devices_.Line().Set(zn::kModemCtsOn, false);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            OnMain([this] { form_->mResetClick(form_->bRESET); });
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
    }

    RecordingTicks ticks_;
    PlainTicks serverTicks_;
    zn::bench::BenchSerialLine devices_;
    zn::SilentPlatform platform_;
    zn::PlatformServices services_;
    std::unique_ptr<zn::ConsoleProbe> form_;
    zn::LivePageServer server_{&serverTicks_};
    zn::BoardFollower follower_;
    StopSamples stops_;
};

void PrintRow(const char* name, const CaseResult& r) {
    const zn::bench::Stats rec = StatsOf(r.recordedUs);
    const zn::bench::Stats hand = StatsOf(r.handledUs);
    std::printf("%-22s %8.1f %8.1f %8.1f   %8.1f %8.1f %8.1f   %6.1f %%\n", name, rec.median, rec.p99,
                rec.max, hand.median, hand.p99, hand.max, 100.0 * r.cpuSeconds / r.wallSeconds);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--clients") {
        QCoreApplication app(argc, argv);
        return RunClients(static_cast<uint16_t>(std::atoi(argv[2])), std::atoi(argv[3]));
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(10, std::atoi(argv[1])) : 100;
    const int clients = argc > 2 ? std::atoi(argv[2]) : 200;

    QTemporaryDir dir;
    QDir::setCurrent(dir.path()); // no cue files: the start does not wait for one
    Console console(dir.path());
    if (!console.PortOpen()) {
        std::fprintf(stderr, "COM1 (sim:bench) did not open\n");
        return 1;
    }
    QString error;
    if (!console.StartServer(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    // Memory before any client, and the most seen while they are served.
    const double rssBefore = RssMb();
    double rssMax = rssBefore;
    QTimer rssSample;
    QObject::connect(&rssSample, &QTimer::timeout, [&] { rssMax = std::max(rssMax, RssMb()); });
    rssSample.start(100);

    QProcess load;
    // The clients stand for the spectators' phones, which are not on the
    // console's machine: on this one they take only the cores nobody else
    // wants (nice 19), so that what is measured is the server's own effect.
    load.setChildProcessModifier([] {
        if (nice(19) < 0) std::perror("nice");
    });
    load.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--clients"), QString::number(console.ServerPort()), QString::number(clients)});
    if (!load.waitForStarted()) {
        std::fprintf(stderr, "the clients' process did not start\n");
        return 1;
    }
    // The clients' latest report line: answers, skipped turns, reconnects and
    // CPU seconds so far.
    const auto report = [&load] {
        load.waitForReadyRead(2000);
        const QList<QByteArray> lines = load.readAllStandardOutput().trimmed().split('\n');
        return lines.last().split(' ');
    };
    std::this_thread::sleep_for(std::chrono::seconds(3)); // all connected, the hostile ones at it

    // Blocks with and without the clients take turns (the clients' process
    // stopped in between, its connections kept), so both cases see the same
    // background on a shared machine.
    constexpr int kBlocks = 5;
    CaseResult quiet;
    CaseResult busy;
    std::array<double, 4> clientTotals{};
    const auto pid = static_cast<pid_t>(load.processId());
    for (int b = 0; b < 2 * kBlocks; ++b) {
        const bool withClients = b % 2 == 1;
        QList<QByteArray> before;
        if (withClients) {
            kill(pid, SIGCONT);
            std::this_thread::sleep_for(std::chrono::seconds(1));
            load.readAllStandardOutput();
            before = report();
        } else {
            kill(pid, SIGSTOP);
        }
        const CaseResult block = console.Measure(std::max(1, runs / kBlocks));
        (withClients ? busy : quiet).Add(block);
        if (withClients) {
            const QList<QByteArray> after = report();
            for (int i = 0; i < 4; ++i)
                clientTotals[i] += after.value(i).toDouble() - before.value(i).toDouble();
        }
    }
    kill(pid, SIGCONT);
    load.kill();
    load.waitForFinished();

    std::printf(
        "live page load: %d runs per case in %d blocks taking turns (2 contacts each), times in µs after the "
        "contact's change\n",
        runs, kBlocks);
    std::printf("%-22s %26s   %26s   %8s\n", "", "recorded instant (reader)", "lane time emitted (main)",
                "console");
    std::printf("%-22s %8s %8s %8s   %8s %8s %8s   %8s\n", "", "median", "p99", "max", "median", "p99", "max",
                "CPU");
    PrintRow("no clients", quiet);
    PrintRow(qPrintable(QStringLiteral("%1 clients at 4 Hz").arg(clients)), busy);
    const auto delta = [&](int i) { return clientTotals[static_cast<size_t>(i)]; };
    std::printf(
        "clients: %.0f answers in %.1f s = %.0f per second (%.0f turns skipped waiting for an answer, "
        "%.0f reconnects)\n",
        delta(0), busy.wallSeconds, delta(0) / std::max(1.0, busy.wallSeconds), delta(1), delta(2));
    std::printf("clients' own process (nice 19): %.1f %% of one core\n", 100.0 * delta(3) / busy.wallSeconds);
    std::printf(
        "hostile clients meanwhile: %d reading nothing while pipelining \"GET /\" 10 per 5 ms, %d sending a "
        "header byte every 5 s\n",
        kNonReaders, kSlowSenders);
    std::printf(
        "console RSS: %.1f MB before any client, at most %.1f MB with them (%+.1f MB; goal < 20 MB: %s)\n",
        rssBefore, rssMax, rssMax - rssBefore, rssMax - rssBefore < 20.0 ? "met" : "NOT met");
    const double moved = StatsOf(busy.recordedUs).p99 - StatsOf(quiet.recordedUs).p99;
    std::printf("goal: recorded instant p99 within 500 µs of the quiet case: %s (%+.1f µs)\n",
                moved < 500.0 ? "met" : "NOT met", moved);
    return 0;
}
