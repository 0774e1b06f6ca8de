// Cost of one phase moment and one delta T. A calendar table for one year
// asks for about 45 phases, so syzyg must stay well under a microsecond.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "engine/astro.h"

namespace {

// Lunations spread over -3000..3000 in a scrambled order, with all phases.
std::vector<int32_t> SpreadOfLunations() {
    std::vector<int32_t> ks;
    uint32_t x = 12345;
    for (int i = 0; i < 4096; ++i) {
        x = x * 1664525u + 1013904223u;
        ks.push_back(static_cast<int32_t>(x % 74186u) - 61827);
    }
    return ks;
}

void BM_Syzyg(benchmark::State& state) {
    const std::vector<int32_t> ks = SpreadOfLunations();
    size_t i = 0;
    for (auto _ : state) {
        const int32_t k = ks[i & 4095];
        benchmark::DoNotOptimize(vemla::syzyg(k, static_cast<int32_t>(i & 3), nullptr));
        ++i;
    }
}
BENCHMARK(BM_Syzyg);

void BM_DeltaT(benchmark::State& state) {
    double year = -3000.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vemla::deltat(year, 1915));
        year = year < 3000.0 ? year + 7.25 : -3000.0;
    }
}
BENCHMARK(BM_DeltaT);

}  // namespace
