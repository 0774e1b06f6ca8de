// Assessing a day for borderline dates: the work the main window adds to
// every redisplay and the lists to every month-start and new-year line
// (warm layouts, random days of 1901-2100).
#include <benchmark/benchmark.h>

#include "engine/borderline.h"
#include "random_days.h"

namespace vemla {
namespace {

void BM_AssessDay(benchmark::State& state) {
    CalendarEngine engine;
    auto days = vemla::bench::RandomDays1901To2100(8192);
    for (int32_t d : days) benchmark::DoNotOptimize(AssessDay(engine, d));  // warm the cache
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(AssessDay(engine, days[i++ & 8191]));
}
BENCHMARK(BM_AssessDay);

}  // namespace
}  // namespace vemla
