// How much of one core the console uses while both lane clocks run: the real
// main window with the real millisecond clock, started on two teams, measured
// over 10 s of its own process CPU time after 2 s of settling. Run it under a
// real window system (X or Xvfb), where every paint is sent to the screen:
//   xvfb-run -s "-screen 0 1280x800x24" build-bench/bin/run_clock_cpu [seconds] [--paints] [--port]
// With --paints it also lists how often each widget was painted (the event
// filter that counts them costs time of its own, so measure without it).
// With --port, COM1 stands for a simulated device ("sim:bench") and the lanes
// stop on its DSR and CTS, so a reader thread waits on the device meanwhile,
// as at a competition with the timing contacts plugged in.
#include "app/console_probe.h"
#include "app/demo_console.h"
#include "app/platform_qt.h"
#include "bench_util.h"
#include "comms/com_port.h"
#include "controls/bit_btn_with_color.h"
#include "controls/sort_grid.h"
#include "core/protocol_row.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

// Counts the paint events each widget gets while the measurement runs.
class PaintCount : public QObject {
public:
    bool on = false;
    QMap<QString, int> paints;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (on && e->type() == QEvent::Paint)
            ++paints[o->objectName().isEmpty() ? o->metaObject()->className() : o->objectName()];
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    int seconds = 10;
    for (qsizetype i = 1; i < args.size(); ++i)
        if (!args[i].startsWith(u'-')) seconds = args[i].toInt();
    const bool withPort = args.contains(QStringLiteral("--port"));

    QTemporaryDir dir;
    QDir::setCurrent(dir.path()); // no cue files: the start does not wait for one
    zn::SteadyTickSource clock;
    zn::SilentPlatform platform(clock, dir.path());
    zn::PlatformServices services = platform.Platform();
    zn::bench::BenchSerialLine serial;
    if (withPort) {
        zn::bench::WriteBenchPortSettings(dir.path());
        services.serial = &serial;
    }

    zn::ConsoleProbe form(services);
    if (withPort && !form.ComPort1->Connected()) {
        std::fprintf(stderr, "COM1 (sim:bench) did not open\n");
        return 1;
    }
    form.UseResultFolder(zn::OutputLocation{dir.path(), true});
    form.resize(zn::ConsoleProbe::kDesignWidth, zn::ConsoleProbe::kDesignHeight);
    zn::PutDemoTeams(form, {QStringLiteral("  1 FF Kronvik"), QStringLiteral("  2 FF Zevezodid")});
    form.show();

    double cpu0 = 0;
    double wall0 = 0;
    long ticks = 0;
    long ticks0 = 0;
    QObject::connect(form.Clock, &QTimer::timeout, &form, [&] { ++ticks; });
    PaintCount painted;
    if (QCoreApplication::arguments().contains(QStringLiteral("--paints"))) app.installEventFilter(&painted);
    QTimer::singleShot(500, &form, [&] { form.mStartClick(form.bSTART); });
    QTimer::singleShot(2500, &form, [&] {
        cpu0 = zn::bench::ProcessCpuSeconds();
        wall0 = zn::bench::WallSeconds();
        ticks0 = ticks;
        painted.on = true;
    });
    QTimer::singleShot(2500 + seconds * 1000, &form, [&] {
        const double cpu = zn::bench::ProcessCpuSeconds() - cpu0;
        const double wall = zn::bench::WallSeconds() - wall0;
        const long n = ticks - ticks0;
        std::printf(
            "run clock on both lanes: %.2f s CPU over %.2f s = %.2f %% of one core; %ld ticks, %.0f us "
            "CPU per tick\n",
            cpu, wall, 100.0 * cpu / wall, n, n > 0 ? 1e6 * cpu / static_cast<double>(n) : 0.0);
        if (withPort)
            std::printf("  COM1 %s open, its reader thread waiting on the device\n",
                        qPrintable(form.ComPort1->DeviceName()));
        for (auto it = painted.paints.cbegin(); it != painted.paints.cend(); ++it)
            std::printf("  %-24s %6d paints\n", qPrintable(it.key()), it.value());
        form.Clock->stop();
        QApplication::exit(0);
    });
    return QApplication::exec();
}
