// A move step as the user gets it: one CHL-month step with the whole
// redisplay (rows, moon, delta T) and its automatic log entry, on warm engine
// caches; and the Move button around it (a single move with its ending).
#include <benchmark/benchmark.h>

#include <string>

#include "app/application.h"
#include "quiet_user_interface.h"

namespace vemla {
namespace {

// Steps forward and back in turn, so that the moment stays among warm
// layouts; the log is emptied now and then, outside the timing.
template <typename MoveOnce>
void RunChLMonthSteps(benchmark::State& state, MoveOnce move_once) {
    bench::QuietUserInterface ui;
    auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::nullopt});
    if (!std::holds_alternative<std::unique_ptr<Application>>(made)) {
        state.SkipWithError("no program texts");
        return;
    }
    Application& app = *std::get<std::unique_ptr<Application>>(made);
    app.Startup();
    app.Main().SetAutoLog(true);
    app.Mover().SelectStep(kStepCHLMonth);
    move_once(app);
    if (app.Log().Text().find("Move forward 1 CHL month") == std::string::npos) {
        state.SkipWithError("no log entry was written");
        return;
    }
    bool forward = false;
    int64_t steps = 0;
    for (auto _ : state) {
        app.Mover().SelectDirection(forward);
        forward = !forward;
        move_once(app);
        if (++steps % 1000 == 0) {
            state.PauseTiming();
            app.Log().SetText("");
            state.ResumeTiming();
        }
    }
    if (ui.messages != 0) state.SkipWithError("the step reported a message");
}

void BM_ChLMonthStep(benchmark::State& state) {
    RunChLMonthSteps(state, [](Application& app) { app.Mover().MoveStep(); });
}
BENCHMARK(BM_ChLMonthStep)->Unit(benchmark::kMicrosecond);

void BM_MoveButtonChLMonth(benchmark::State& state) {
    RunChLMonthSteps(state, [](Application& app) { app.RepeatedMove().Move(); });
}
BENCHMARK(BM_MoveButtonChLMonth)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vemla
