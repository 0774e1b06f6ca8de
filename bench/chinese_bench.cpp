// Chinese date conversion: warm conversions both ways, and building the
// tables of one solar year from nothing.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/chinese_dates.h"
#include "engine/lunar_months.h"
#include "random_days.h"

namespace vemla {
namespace {

void BM_CJDateToChDates(benchmark::State& state) {
    CalendarEngine engine({120, -2696, static_cast<int>(state.range(0))});
    auto days = vemla::bench::RandomDays1901To2100(8192);
    for (int32_t d : days) benchmark::DoNotOptimize(engine.CJDateToChDates(d));  // warm the cache
    size_t i = 0;
    for (auto _ : state) {
        auto dates = engine.CJDateToChDates(days[i++ & 8191]);
        benchmark::DoNotOptimize(dates);
    }
}
BENCHMARK(BM_CJDateToChDates)->Arg(kTrueSun)->Arg(kMeanSun);

void BM_ChLDateToJDN(benchmark::State& state) {
    CalendarEngine engine;
    auto days = vemla::bench::RandomDays1901To2100(8192);
    std::vector<ChDate> dates(days.size());
    for (size_t i = 0; i < days.size(); ++i) {
        dates[i] = engine.CJDateToChDates(days[i]).value_or(ChDates{}).chl;
        benchmark::DoNotOptimize(engine.ChLDateToJDN(dates[i]));  // warm the cache
    }
    size_t i = 0;
    for (auto _ : state) {
        const ChDate& d = dates[i++ & 8191];
        benchmark::DoNotOptimize(engine.ChLDateToJDN(d));
    }
}
BENCHMARK(BM_ChLDateToJDN);

void BM_BuildCalendarTablesUncached(benchmark::State& state) {
    const int method = static_cast<int>(state.range(0));
    int32_t year = 1901;
    for (auto _ : state) {
        CalendarTables t = BuildTablesForSolarYear(year, method, 120);
        benchmark::DoNotOptimize(t);
        if (++year > 2100) year = 1901;
    }
}
BENCHMARK(BM_BuildCalendarTablesUncached)
    ->Arg(kTrueSun)
    ->Arg(kMeanSun)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vemla
