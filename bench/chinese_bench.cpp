// Chinese date conversion: warm conversions both ways, and building the
// tables of one solar year from nothing.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/chinese_dates.h"
#include "engine/lunar_months.h"

namespace vemla {
namespace {

// Random day numbers of 1901..2100.
std::vector<int32_t> RandomDays(size_t count) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int32_t> day(2415386, 2488434);
    std::vector<int32_t> days(count);
    for (auto& d : days) d = day(rng);
    return days;
}

void BM_CJDateToChDates(benchmark::State& state) {
    CalendarEngine engine({120, -2696, static_cast<int>(state.range(0))});
    auto days = RandomDays(8192);
    ChDate chs, chl;
    for (int32_t d : days) engine.CJDateToChDates(d, chs, chl);  // warm the cache
    size_t i = 0;
    for (auto _ : state) {
        engine.CJDateToChDates(days[i++ & 8191], chs, chl);
        benchmark::DoNotOptimize(chl);
        benchmark::DoNotOptimize(chs);
    }
}
BENCHMARK(BM_CJDateToChDates)->Arg(kTrueSun)->Arg(kMeanSun);

void BM_ChLDateToJDN(benchmark::State& state) {
    CalendarEngine engine;
    auto days = RandomDays(8192);
    std::vector<ChDate> dates(days.size());
    for (size_t i = 0; i < days.size(); ++i) {
        ChDate chs;
        engine.CJDateToChDates(days[i], chs, dates[i]);
        engine.ChLDateToJDN(dates[i]);  // warm the cache
    }
    size_t i = 0;
    for (auto _ : state) {
        ChDate& d = dates[i++ & 8191];
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
BENCHMARK(BM_BuildCalendarTablesUncached)->Arg(kTrueSun)->Arg(kMeanSun)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vemla
