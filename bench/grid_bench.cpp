// Sorting cost of the grid's core: the lists of a competition hold a few
// hundred teams, so these sizes are far above use and show the headroom.
#include "core/sort_engine.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QTime>

#include <random>

using namespace zn;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

// A time protocol of `rows` teams: 11 columns, times in column 3 written as
// "%1.2f" with the German decimal comma, a penalty total in column 10.
TCellStore Protocol(int rows) {
    std::mt19937 random(42);
    TCellStore store(11, rows + 1);
    for (int c = 0; c < 11; ++c)
        store.SetCell(c, 0, QStringLiteral("Spalte %1").arg(c));
    for (int r = 1; r <= rows; ++r) {
        store.SetCell(0, r, QString::number(r));
        store.SetCell(1, r, QStringLiteral("FF Team %1").arg(random() % 100000));
        store.SetCell(2, r, QStringLiteral("Klasse %1").arg(random() % 5));
        store.SetCell(3, r, kGerman.toString((random() % 9000) / 100.0 + 20.0, 'f', 2));
        for (int c = 4; c < 10; ++c)
            store.SetCell(c, r, QString::number(random() % 10));
        store.SetCell(10, r, kGerman.toString((random() % 20) * 5.0, 'f', 2));
    }
    return store;
}

void SortOnce(benchmark::State& state, const TCellStore& original, const TSortOptions& givenOptions, int col,
              const TSortEvents& events) {
    // Copied and freed outside the timed part: only the sort counts. The
    // options are fresh each time too, as the sort writes into them (a
    // detected style would otherwise skip the detection after the first pass).
    TCellStore store;
    TSortOptions options;
    for (auto _ : state) {
        state.PauseTiming();
        store = original;
        options = givenOptions;
        state.ResumeTiming();
        TSortResult result = SortRows(store, options, col, {}, events, kGerman);
        benchmark::DoNotOptimize(result.Order.data());
    }
}

void BM_SortNumericWithSecondaryKey(benchmark::State& state) {
    const TCellStore original = Protocol(static_cast<int>(state.range(0)));
    TSortOptions options;
    options.SecondaryIndex = "10";
    TSortEvents events;
    events.OnGetSortStyle = [](int, TSortStyle& style) { style = ssNumeric; };
    SortOnce(state, original, options, 3, events);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SortNumericWithSecondaryKey)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SortText(benchmark::State& state) {
    const TCellStore original = Protocol(static_cast<int>(state.range(0)));
    TSortOptions options;
    options.SortStyle = ssNormal;
    SortOnce(state, original, options, 1, {});
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SortText)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

void BM_DetectAndSortNumeric(benchmark::State& state) {
    const TCellStore original = Protocol(static_cast<int>(state.range(0)));
    TSortOptions options;
    options.SortStyle = ssAutomatic;
    TCellStore store;
    for (auto _ : state) {
        state.PauseTiming();
        store = original;
        options.SortStyle = ssAutomatic;
        state.ResumeTiming();
        TSortResult result = SortRows(store, options, 3, {}, {}, kGerman);
        benchmark::DoNotOptimize(result.Order.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DetectAndSortNumeric)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

// Dates as the lists write them, every fourth with a time of day ("24.12.2023
// 08:05"), and times of day with and without seconds ("7:05:09", "12:40"):
// the forms that QLocale has to try one after the other.
TCellStore DatesAndTimes(int rows) {
    std::mt19937 random(42);
    TCellStore store(3, rows + 1);
    store.SetCell(0, 0, QStringLiteral("Datum"));
    store.SetCell(1, 0, QStringLiteral("Uhrzeit"));
    const QDate first(2000, 1, 1);
    for (int r = 1; r <= rows; ++r) {
        const QDate day = first.addDays(random() % 11000);
        const QTime time(random() % 24, random() % 60, random() % 60);
        store.SetCell(0, r,
                      r % 4 == 0 ? kGerman.toString(day, QStringLiteral("dd.MM.yyyy")) + u' ' +
                                       time.toString(QStringLiteral("HH:mm"))
                                 : kGerman.toString(day, QStringLiteral("dd.MM.yyyy")));
        store.SetCell(1, r, time.toString(r % 3 == 0 ? QStringLiteral("H:mm") : QStringLiteral("H:mm:ss")));
    }
    return store;
}

// Column 0 holds the dates, column 1 the times of day. Without a style
// (ssAutomatic) the column is detected first: every cell is tried as a number,
// a time and a date-time before the sort converts it again.
void BM_SortDatesAndTimes(benchmark::State& state, TSortStyle style, int col) {
    const TCellStore original = DatesAndTimes(static_cast<int>(state.range(0)));
    TSortOptions options;
    options.SortStyle = style;
    SortOnce(state, original, options, col, {});
}
BENCHMARK_CAPTURE(BM_SortDatesAndTimes, DateColumn, ssDateTime, 0)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortDatesAndTimes, TimeColumn, ssTime, 1)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortDatesAndTimes, DetectDates, ssAutomatic, 0)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
