#include "bench_util.h"

#include <QDir>
#include <QSettings>
#include <algorithm>
#include <cmath>
#include <ctime>

namespace zn::bench {

namespace {

double Seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

double WallSeconds() {
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

double Micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double ProcessCpuSeconds() {
    return Seconds(CLOCK_PROCESS_CPUTIME_ID);
}

double ThreadCpuSeconds() {
    return Seconds(CLOCK_THREAD_CPUTIME_ID);
}

double Percentile(std::vector<double> samples, double p) {
    if (samples.empty()) return 0;
    const double n = static_cast<double>(samples.size());
    const auto rank = static_cast<size_t>(std::clamp(std::ceil(p / 100.0 * n), 1.0, n));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(rank - 1), samples.end());
    return samples[rank - 1];
}

Stats StatsOf(std::vector<double> samples) {
    Stats s;
    if (samples.empty()) return s;
    s.median = Percentile(samples, 50);
    s.p99 = Percentile(samples, 99);
    s.max = *std::max_element(samples.begin(), samples.end());
    return s;
}

BenchSerialLine::BenchSerialLine()
    : line_(hub_.Line(kBenchDevice.mid(SerialPortMap::kSimulatedPrefix.size()))) {}

std::unique_ptr<ISerialDevice> BenchSerialLine::Device(int port) {
    return port == 1 ? std::make_unique<SimulatedSerialDevice>(line_) : nullptr;
}

QString BenchSerialLine::DeviceName(int port) const {
    return port == 1 ? kBenchDevice : QString();
}

std::unique_ptr<ISerialDevice> BenchSerialLine::Create(const QString& device) {
    return device == kBenchDevice ? std::make_unique<SimulatedSerialDevice>(line_) : nullptr;
}

void WriteBenchPortSettings(const QString& folder) {
    // Port<lane> = line * 256 + port number: DSR is line 0, CTS line 1.
    QSettings store(QDir(folder).filePath(QStringLiteral("settings.conf")), QSettings::IniFormat);
    store.setValue(QStringLiteral("Schnittstellen/COM1"), kBenchDevice);
    store.setValue(QStringLiteral("Port1"), 1);
    store.setValue(QStringLiteral("Port2"), 257);
    store.setValue(QStringLiteral("Alg1"), 0);
    store.setValue(QStringLiteral("Alg2"), 0);
    store.sync();
}

} // namespace zn::bench
