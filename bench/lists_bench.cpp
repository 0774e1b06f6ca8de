// The list window's long runs on a cold engine (nothing laid out yet, as
// after start-up): the self-test's 1000 random pairs and a listing of 1000
// lunar new years with their nian counts. Targets: 0.5 s each.
#include <benchmark/benchmark.h>

#include <string>

#include "app/lunar_new_years.h"
#include "app/self_test.h"

namespace vemla {
namespace {

// Counts what a listing writes and never stops it.
class CountingOutput : public ListOutput {
  public:
    void Write(std::string_view text) override { written += text.size(); }
    bool StopRequested() override { return false; }
    void RequestStop() override { ++failures; }
    void LongListingStarted() override {}
    void ListingEnded() override {}
    void ShowMessage(std::string_view) override { ++failures; }
    size_t written = 0;
    int failures = 0;
};

void BM_SelfTestRandomPairs(benchmark::State& state) {
    uint64_t seed = 1;
    for (auto _ : state) {
        CalendarEngine engine;
        CountingOutput out;
        RunRandomSelfTest(engine, seed++, out);
        if (out.failures != 0) state.SkipWithError("a round trip failed");
        benchmark::DoNotOptimize(out.written);
    }
}
BENCHMARK(BM_SelfTestRandomPairs)->Unit(benchmark::kMillisecond);

void BM_ListThousandLunarNewYears(benchmark::State& state) {
    for (auto _ : state) {
        CalendarEngine engine;
        CountingOutput out;
        ListLunarNewYears({engine, 2460351.0, "CCT", "epoch = -2696, method = true sun", false},
                          "79-41-01-01 CHL 20:00 CCT", 1000, false, out);
        if (out.failures != 0) state.SkipWithError("the lunar date was refused");
        benchmark::DoNotOptimize(out.written);
    }
}
BENCHMARK(BM_ListThousandLunarNewYears)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vemla
