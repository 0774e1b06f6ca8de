// The application layer: Convert of a typed date with the whole redisplay
// (all rows, moon, delta T) on warm engine caches, and start-up of the main
// state up to the first display of the present moment.
#include <benchmark/benchmark.h>

#include <string>

#include "app/main_state.h"
#include "quiet_user_interface.h"

namespace vemla {
namespace {

// Converts two typed dates in turn, so that every Convert redraws everything.
void BM_ConvertTypedDate(benchmark::State& state, const char* first, const char* second) {
    bench::QuietUserInterface ui;
    MainState main(ui);
    main.Startup();
    const std::string dates[2] = {first, second};
    size_t i = 0;
    for (auto _ : state) {
        main.SetDateText(dates[i++ & 1]);
        main.SetTimeText("10:00");
        main.Convert();
        benchmark::DoNotOptimize(main.CurrentAJD());
    }
    if (ui.messages != 0) state.SkipWithError("Convert reported a message");
}
BENCHMARK_CAPTURE(BM_ConvertTypedDate, ce, "2024-02-10 CE", "2024-02-11 CE");
BENCHMARK_CAPTURE(BM_ConvertTypedDate, chl, "79-41-01-01 CHL", "79-41-01-02 CHL");
BENCHMARK_CAPTURE(BM_ConvertTypedDate, ajd, "2,460,352.75 AJD", "2,460,353.25 AJD");

// A fresh main state each time: a cold engine, the defaults, the first display.
void BM_Startup(benchmark::State& state) {
    for (auto _ : state) {
        bench::QuietUserInterface ui;
        MainState main(ui);
        main.Startup();
        benchmark::DoNotOptimize(main.View().rows[kCalCHL].value.caption.data());
    }
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vemla
