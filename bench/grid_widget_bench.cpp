// What the operator waits for after a header click: TSortGrid::SortByColumn
// (style detection, sort, the rows written back, the current row followed)
// and the repaint of the shown grid, on a German desktop. Runs offscreen
// unless QT_QPA_PLATFORM says otherwise.
#include "controls/sort_grid.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTime>

#include <random>

using namespace zn;

namespace {

// Column 0 a random number (to shuffle the rows between runs), column 1 a
// date, every fourth with a time of day, column 2 a time of day.
void Fill(TSortGrid& grid, int rows) {
    std::mt19937 random(42);
    grid.SetColCount(3);
    grid.SetRowCount(rows + 1);
    grid.SetCell(0, 0, QStringLiteral("Nr."));
    grid.SetCell(1, 0, QStringLiteral("Datum"));
    grid.SetCell(2, 0, QStringLiteral("Uhrzeit"));
    const QDate first(2000, 1, 1);
    for (int r = 1; r <= rows; ++r) {
        const QDate day = first.addDays(random() % 11000);
        const QTime time(random() % 24, random() % 60, random() % 60);
        QString date = day.toString(QStringLiteral("dd.MM.yyyy"));
        if (r % 4 == 0) date += u' ' + time.toString(QStringLiteral("HH:mm"));
        grid.SetCell(0, r, QString::number(random() % 1000000));
        grid.SetCell(1, r, date);
        grid.SetCell(2, r, time.toString(r % 3 == 0 ? QStringLiteral("H:mm") : QStringLiteral("H:mm:ss")));
    }
}

// range(0): rows; range(1): the column sorted (1 dates, 2 times).
void BM_SortByColumnAndRepaint(benchmark::State& state) {
    TSortGrid grid;
    grid.resize(800, 600);
    grid.SetOptions(grid.Options() | goRowSelect);
    Fill(grid, static_cast<int>(state.range(0)));
    grid.show();
    QCoreApplication::processEvents();
    const int col = static_cast<int>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        grid.SortOptions.SortStyle = ssAutomatic;
        grid.SortByColumn(0); // back to a shuffled order
        grid.SortOptions.SortStyle = ssAutomatic;
        grid.viewport()->repaint();
        state.ResumeTiming();
        grid.SortByColumn(col);
        grid.viewport()->repaint();
    }
}
BENCHMARK(BM_SortByColumnAndRepaint)
    ->ArgNames({"rows", "col"})
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
