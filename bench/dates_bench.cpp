// European day-number arithmetic.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/datelib.h"

namespace vemla {
namespace {

std::vector<EuroDate> RandomDates(size_t count) {
    std::mt19937 rng(1);
    std::uniform_int_distribution<int32_t> year(-3000, 3000), month(1, 12), day(1, 28);
    std::vector<EuroDate> dates(count);
    for (auto& d : dates) {
        d.Year = year(rng);
        d.Month = month(rng);
        d.Day = day(rng);
        d.Calendar = rng() % 2 ? kGregorian : kJulian;
    }
    return dates;
}

void BM_EuroDateToJdn(benchmark::State& state) {
    auto dates = RandomDates(4096);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(euro_date_to_jdn(&dates[i++ & 4095]));
    }
}
BENCHMARK(BM_EuroDateToJdn);

void BM_JdnToEuroDate(benchmark::State& state) {
    auto dates = RandomDates(4096);
    for (auto& d : dates) euro_date_to_jdn(&d);
    size_t i = 0;
    for (auto _ : state) {
        EuroDate& d = dates[i++ & 4095];
        jdn_to_euro_date(&d);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_JdnToEuroDate);

}  // namespace
}  // namespace vemla
