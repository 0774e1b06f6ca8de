// Cost of the true-sun solar terms: a calendar year's table makes 13 calls of six terms.
#include <benchmark/benchmark.h>

#include "engine/astro.h"
#include "engine/sun.h"

namespace {

// Approximate March equinox of a year: good to a day, like any caller's first guess.
double approximate_equinox(int year) {
    return 2451623.8 + (year - 2000) * 365.2422;
}

void BM_SolarTermsOneQuarter(benchmark::State& state) {
    int year = 1900;
    double out[6];
    for (auto _ : state) {
        const double start = approximate_equinox(year);
        vemla::solar_terms_true_sun(start, start + 92.8, out);
        benchmark::DoNotOptimize(out);
        year = year == 2100 ? 1900 : year + 1;
    }
}
BENCHMARK(BM_SolarTermsOneQuarter);

// A calendar table's worth: 13 consecutive quarters (a little over three years).
void BM_SolarTermsThirteenQuarters(benchmark::State& state) {
    const double quarters[4] = {92.76, 93.65, 89.84,
                                88.99};  // March to June, ... December to March
    double out[6];
    for (auto _ : state) {
        double start = approximate_equinox(2024);
        for (int q = 0; q < 13; ++q) {
            const double end = start + quarters[q % 4];
            vemla::solar_terms_true_sun(start, end, out);
            benchmark::DoNotOptimize(out);
            start = end;
        }
    }
}
BENCHMARK(BM_SolarTermsThirteenQuarters);

void BM_SolarLongitude(benchmark::State& state) {
    double jd = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vemla::solar_longitude(jd));
        jd += 0.37;
    }
}
BENCHMARK(BM_SolarLongitude);

}  // namespace
