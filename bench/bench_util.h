#pragma once

// What the hand-timed benchmarks share: one clock, CPU time, one percentile,
// and a console whose COM1 is a simulated device with the lanes on its
// contacts.

#include "comms/serial_devices.h"
#include "comms/simulated/simulated_serial.h"

#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace zn::bench {

// Every wall-time figure comes from this clock.
using Clock = std::chrono::steady_clock;

// Now, in nanoseconds of Clock (comparable between threads).
int64_t NowNs();
// Now, in seconds of Clock.
double WallSeconds();
double Micros(Clock::duration d);

// CPU time this process has used, all its threads together, in seconds.
double ProcessCpuSeconds();
// CPU time the calling thread has used, in seconds.
double ThreadCpuSeconds();

// The nearest-rank percentile: the smallest sample that at least p % of the
// samples are less than or equal to, i.e. sorted[ceil(p / 100 * n) - 1]
// (the 0th is the smallest). Always one of the samples, never interpolated;
// the median is Percentile(v, 50), the lower of the two middle samples when
// n is even. 0 for no samples.
double Percentile(std::vector<double> samples, double p);

struct Stats {
    double median = 0;
    double p99 = 0;
    double max = 0;
};
// Median and p99 as Percentile gives them, and the largest sample.
Stats StatsOf(std::vector<double> samples);

// ---- the simulated console --------------------------------------------------

// The device name COM1 is mapped to.
inline const QString kBenchDevice = QStringLiteral("sim:bench");

// One simulated line, "sim:bench", both as the port numbers a bare TComPort
// opens (COM1 is the line) and as the device factory of a whole console.
class BenchSerialLine final : public ISerialDevices, public ISerialDeviceFactory {
public:
    BenchSerialLine();

    SimulatedSerialLine& Line() { return *line_; }

    std::unique_ptr<ISerialDevice> Device(int port) override;
    QString DeviceName(int port) const override;
    std::unique_ptr<ISerialDevice> Create(const QString& device) override;

private:
    SimulatedSerialHub hub_;
    std::shared_ptr<SimulatedSerialLine> line_;
};

// Writes the console's settings file in `folder` (read at start-up) so that
// COM1 is kBenchDevice, lane 1 stops on its DSR and lane 2 on its CTS, both
// when the contact closes.
void WriteBenchPortSettings(const QString& folder);

} // namespace zn::bench
