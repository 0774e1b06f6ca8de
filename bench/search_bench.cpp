// Searches for events: the longest coincidence searches, on a fresh engine
// (every layout built on the way) and on one that has built them before, and
// a typical full-moon search through the Search button with its redisplay.
#include <benchmark/benchmark.h>

#include <string>

#include "app/event_search.h"
#include "app/main_state.h"
#include "app/searcher.h"
#include "engine/lunar_phases.h"
#include "quiet_user_interface.h"

namespace vemla {
namespace {

// The start from which "Solstice/equinox + dark moon" looks furthest among
// starts 150 days apart over the admissible range: 607 candidates (true Sun).
constexpr double kLongestQuarterSearch = 1056650.0;
// No dark moon falls on the day of a December solstice in the 1000
// lunations after this moment: the search gives up.
constexpr double kFruitlessWinterSearch = 769400.0;

// 1000 candidates of "Solstice/equinox + dark moon" from its longest start:
// the searches one after another from each hit, the last one cut short.
int QuarterDarkMoonCandidates(CalendarEngine& engine) {
    double x = kLongestQuarterSearch;
    int examined = 0;
    while (examined < kMaxCoincidenceCandidates) {
        int n = 0;
        const auto found = FindPhaseOnTermStart(
            engine, x, kTargetQuarterDarkMoon, true, [&](int c) { n = c; },
            kMaxCoincidenceCandidates - examined);
        examined += n;
        if (!found) break;
        x = *found;
    }
    return examined;
}

void BM_QuarterDarkMoon1000Candidates(benchmark::State& state) {
    const bool cold = state.range(0) != 0;
    CalendarEngine warm_engine;
    QuarterDarkMoonCandidates(warm_engine);
    int64_t builds = 0;
    for (auto _ : state) {
        CalendarEngine fresh;
        benchmark::DoNotOptimize(QuarterDarkMoonCandidates(cold ? fresh : warm_engine));
        builds = fresh.BuildCount();
    }
    state.counters["layouts_built"] = static_cast<double>(builds);
}
BENCHMARK(BM_QuarterDarkMoon1000Candidates)
    ->ArgName("cold")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

void BM_QuarterDarkMoonLongest(benchmark::State& state) {
    const bool cold = state.range(0) != 0;
    CalendarEngine warm_engine;
    FindPhaseOnTermStart(warm_engine, kLongestQuarterSearch, kTargetQuarterDarkMoon, true);
    int64_t builds = 0;
    for (auto _ : state) {
        CalendarEngine fresh;
        benchmark::DoNotOptimize(FindPhaseOnTermStart(
            cold ? fresh : warm_engine, kLongestQuarterSearch, kTargetQuarterDarkMoon, true));
        builds = fresh.BuildCount();
    }
    state.counters["layouts_built"] = static_cast<double>(builds);
}
BENCHMARK(BM_QuarterDarkMoonLongest)
    ->ArgName("cold")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

void BM_WinterSolsticeDarkMoonFruitless(benchmark::State& state) {
    const bool cold = state.range(0) != 0;
    CalendarEngine warm_engine;
    FindPhaseOnTermStart(warm_engine, kFruitlessWinterSearch, kTargetWinterSolsticeDarkMoon, true);
    int64_t builds = 0;
    for (auto _ : state) {
        CalendarEngine fresh;
        const auto found = FindPhaseOnTermStart(cold ? fresh : warm_engine, kFruitlessWinterSearch,
                                                kTargetWinterSolsticeDarkMoon, true);
        if (found) state.SkipWithError("a coincidence was found");
        builds = fresh.BuildCount();
    }
    state.counters["layouts_built"] = static_cast<double>(builds);
}
BENCHMARK(BM_WinterSolsticeDarkMoonFruitless)
    ->ArgName("cold")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

// The next and the previous full moon in turn through the Search button,
// each with the whole redisplay of the moment found.
void BM_SearchFullMoon(benchmark::State& state) {
    bench::QuietUserInterface ui;
    MainState main(ui);
    main.Startup();
    EventSearcher searcher(main, ui);
    main.SelectTarget(kTargetFullMoon);
    bool next = true;
    for (auto _ : state) {
        main.SetNext(next);
        next = !next;
        searcher.Search();
        benchmark::DoNotOptimize(main.CurrentAJD());
    }
    if (ui.messages != 0) state.SkipWithError("the search reported a message");
}
BENCHMARK(BM_SearchFullMoon)->Unit(benchmark::kMicrosecond);

// The search alone, without the redisplay.
void BM_FindFullMoon(benchmark::State& state) {
    double x = 2460351.25;
    for (auto _ : state) benchmark::DoNotOptimize(FindPhase(x, kFullMoon, true));
}
BENCHMARK(BM_FindFullMoon)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vemla
