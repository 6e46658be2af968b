// Loading and exporting a competition of 2,000 teams: the workbook written
// new, written into an existing workbook, read back and turned into the lists.
#include "core/protocol_row.h"
#include "documents/workbook_import.h"
#include "documents/workbook_reader.h"
#include "documents/workbook_writer.h"

#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace zn;

namespace {

constexpr int kTeams = 2000;

ListRows ProtocolOf(int teams) {
    ListRows rows{QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end())};
    for (int t = 1; t <= teams; ++t) {
        const QString time = QStringLiteral("%1,%2").arg(18 + t % 20).arg(t % 100, 2, 10, QChar(u'0'));
        rows.append({QString::number(t), QStringLiteral("FF Musterhausen-Süd %1").arg(t),
                     QStringLiteral("Männer"), t % 3 ? QString() : QStringLiteral("v"), time,
                     QStringLiteral("0"), time, QString(), QString(), QString(), time});
    }
    return rows;
}

ListRows ResultOf(int teams) {
    ListRows rows{QStringList(ResultHeaders.begin(), ResultHeaders.end())};
    for (int t = 1; t <= teams; ++t) {
        const QString time = QStringLiteral("%1,%2").arg(18 + t / 100).arg(t % 100, 2, 10, QChar(u'0'));
        rows.append({QString::number(t), QStringLiteral("FF Musterhausen-Süd %1").arg(t),
                     QStringLiteral("Männer"), time, QStringLiteral("0"), time});
    }
    return rows;
}

WorkbookExport Competition() {
    const ListRows protocol = ProtocolOf(kTeams);
    const std::array<ListRows, 4> lists{protocol, protocol, ResultOf(kTeams / 3), ResultOf(kTeams)};
    return ListsWorkbook(lists, {pc::Count, pc::Count, rc::Count, rc::Count}, false,
                         QStringLiteral("Vorlauf"), QStringLiteral("Zeitnahme"));
}

void BM_ExportNewWorkbook(benchmark::State& state) {
    QTemporaryDir dir;
    const WorkbookExport book = Competition();
    const QString file = dir.filePath(QStringLiteral("Vorlauf.xlsx"));
    for (auto _ : state) {
        if (!WriteNewWorkbook(file, book).ok) state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_ExportNewWorkbook)->Unit(benchmark::kMillisecond);

void BM_ExportIntoWorkbook(benchmark::State& state) {
    QTemporaryDir dir;
    const WorkbookExport book = Competition();
    const QString file = dir.filePath(QStringLiteral("Vorlauf.xlsx"));
    if (!WriteNewWorkbook(file, book).ok) state.SkipWithError("export failed");
    for (auto _ : state) {
        if (!WriteIntoWorkbook(file, book).ok) state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_ExportIntoWorkbook)->Unit(benchmark::kMillisecond);

void BM_LoadWorkbook(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Vorlauf.xlsx"));
    if (!WriteNewWorkbook(file, Competition()).ok) state.SkipWithError("export failed");
    const QLocale german(QLocale::German, QLocale::Germany);
    for (auto _ : state) {
        const WorkbookSheets sheets = ReadWorkbook(file, german);
        const ImportedLists lists = ImportLists(sheets, {pc::Count, pc::Count, rc::Count, rc::Count}, file);
        if (!lists.ok() || lists.lists.at(1).size() < kTeams) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(lists);
    }
}
BENCHMARK(BM_LoadWorkbook)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
