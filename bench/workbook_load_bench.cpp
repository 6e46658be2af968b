// "Datenbank laden" of a big competition through the real console: the main
// window (offscreen unless a display is named), the journal on, the workbook
// chosen in a stand-in open dialog and loaded by a click on sbLoad. Two
// workbooks of 2,000 teams take turns, so every load replaces every cell;
// their protocols hold one-decimal times ("23,7"), which the load rewrites
// with two decimals. Printed: the time of each load (the click until the
// window has painted), the CPU time the console spent on it (all threads: on
// a busy machine the wall time is mostly waiting for a core) and how much the
// journal's files grew with it.
//   build-bench/bin/workbook_load_bench [loads] [teams]
#include "app/console_probe.h"
#include "app/demo_console.h"
#include "app/platform.h"
#include "bench_util.h"
#include "core/protocol_row.h"
#include "documents/workbook_writer.h"
#include "journal/journal.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class NoTicks final : public zn::ITickSource {
public:
    uint32_t TickCount() override { return 0; }
    void Sleep(int) override {}
};

// The open dialog answers with the file it is given.
class ChosenFile final : public zn::IFileDialogs {
public:
    QString chosen;
    bool GetSaveFileName(const QString&, int&, QString&, QString&) override { return false; }
    bool GetOpenFileName(const QString&, int&, QString& folder, QString& name) override {
        name = chosen;
        folder = QFileInfo(chosen).absolutePath();
        return true;
    }
};

// Team t's one-decimal time in workbook `variant`: "18,3" to "37,9".
QString TimeOf(int t, int variant) {
    return QStringLiteral("%1,%2").arg(18 + (t + variant) % 20).arg((t * 7 + variant) % 10);
}

zn::ListRows ProtocolOf(int teams, int variant) {
    zn::ListRows rows{QStringList(zn::ProtocolHeaders.begin(), zn::ProtocolHeaders.end())};
    for (int t = 1; t <= teams; ++t) {
        const QString first = TimeOf(t, variant);
        const QString second = TimeOf(t + 3, variant);
        rows.append({QString::number(t), QStringLiteral("FF Musterhausen-Süd %1-%2").arg(t).arg(variant),
                     QStringLiteral("Männer"), t % 3 ? QString() : QStringLiteral("v"), first,
                     QStringLiteral("0"), first, second, QStringLiteral("0"), second,
                     std::min(first, second)});
    }
    return rows;
}

zn::ListRows ResultOf(int teams, int variant) {
    zn::ListRows rows{QStringList(zn::ResultHeaders.begin(), zn::ResultHeaders.end())};
    for (int t = 1; t <= teams; ++t) {
        const QString time = TimeOf(t, variant);
        rows.append({QString::number(t), QStringLiteral("FF Musterhausen-Süd %1-%2").arg(t).arg(variant),
                     QStringLiteral("Männer"), time, QStringLiteral("0"), time});
    }
    return rows;
}

bool WriteCompetition(const QString& file, int teams, int variant) {
    const zn::ListRows protocol = ProtocolOf(teams, variant);
    const std::array<zn::ListRows, 4> lists{protocol, protocol, ResultOf(teams / 3, variant),
                                            ResultOf(teams, variant)};
    const zn::WorkbookExport book =
        zn::ListsWorkbook(lists, {zn::pc::Count, zn::pc::Count, zn::rc::Count, zn::rc::Count}, false,
                          QStringLiteral("Vorlauf"), QStringLiteral("Zeitnahme"));
    return zn::WriteNewWorkbook(file, book).ok;
}

qint64 JournalBytes(const QString& journal) {
    qint64 bytes = 0;
    for (const QString& suffix : {QString(), QStringLiteral("-wal")})
        bytes += QFileInfo(journal + suffix).size();
    return bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The console runs with the German locale at the track: "23,7" is a time.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    const int loads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 6;
    const int teams = argc > 2 ? std::max(2, std::atoi(argv[2])) : 2000;

    QTemporaryDir dir;
    const QString folder = dir.path();
    const std::array<QString, 2> files{dir.filePath(QStringLiteral("Vorlauf A.xlsx")),
                                       dir.filePath(QStringLiteral("Vorlauf B.xlsx"))};
    for (int v = 0; v < 2; ++v) {
        if (!WriteCompetition(files[static_cast<size_t>(v)], teams, v)) {
            std::fprintf(stderr, "cannot write the workbook\n");
            return 1;
        }
    }

    NoTicks ticks;
    ChosenFile dialogs;
    zn::SilentPlatform silent(ticks, folder);
    zn::PlatformServices platform = silent.Platform();
    platform.files = &dialogs;
    platform.dataFolder = dir.filePath(QStringLiteral("daten"));
    auto form = std::make_unique<zn::ConsoleProbe>(platform);
    form->UseResultFolder(zn::OutputLocation{folder, true});
    form->resize(zn::ConsoleProbe::kDesignWidth, zn::ConsoleProbe::kDesignHeight);
    form->show();
    form->StartJournal();
    if (!form->Journal()) {
        std::fprintf(stderr, "no journal\n");
        return 1;
    }
    const QString journal = zn::EventJournal::FileFor(platform.dataFolder, QDate::currentDate());
    QApplication::processEvents();

    std::printf("%d loads of %d teams (one-decimal times), journal on\n", loads, teams);
    std::printf("%5s %10s %10s %14s\n", "load", "ms", "CPU ms", "journal KiB");
    std::vector<double> ms;
    std::vector<double> cpu;
    qint64 grown = 0;
    for (int i = 0; i < loads; ++i) {
        dialogs.chosen = files[static_cast<size_t>(i % 2)];
        const qint64 before = JournalBytes(journal);
        const double cpu0 = zn::bench::ProcessCpuSeconds();
        const zn::bench::Clock::time_point start = zn::bench::Clock::now();
        form->sbLoad->click();
        QApplication::processEvents(); // the repaint the load asked for
        ms.push_back(zn::bench::Micros(zn::bench::Clock::now() - start) / 1e3);
        cpu.push_back((zn::bench::ProcessCpuSeconds() - cpu0) * 1e3);
        const qint64 growth = JournalBytes(journal) - before;
        grown += growth;
        std::printf("%5d %10.1f %10.1f %14.1f\n", i + 1, ms.back(), cpu.back(),
                    static_cast<double>(growth) / 1024.0);
    }
    form.reset(); // the journal is closed and its log folded into the database
    const zn::bench::Stats time = zn::bench::StatsOf(ms);
    std::printf("median %.1f ms per load (max %.1f), CPU %.1f ms; journal %.2f MB per load while running, "
                "%.2f MB per load once closed\n",
                time.median, time.max, zn::bench::Percentile(cpu, 50),
                static_cast<double>(grown) / loads / 1e6,
                static_cast<double>(JournalBytes(journal)) / loads / 1e6);
    return 0;
}
