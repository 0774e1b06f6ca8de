// Batch conversion of the command line: lines of random days 1901-2100 to
// tab-separated rows, through the same code as `vemla-cli convert --tsv
// --input FILE`, as "YYYY-MM-DD CE" entries (ce:1, as scripts/bench-batch
// writes them) or CJDL numbers (ce:0, read by the date box's general parser).
// The lines are converted on worker threads, so the time is the elapsed one;
// scripts/bench-batch times the real executable on a million CE entries.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>

#include "cli/batch_convert.h"
#include "engine/datelib.h"
#include "random_days.h"

namespace vemla {
namespace {

std::string Entries(int lines, bool ce) {
    std::string text;
    for (int32_t day : bench::RandomDays1901To2100(lines)) {
        EuroDate date{0, 1, 1, kGregorian, day};
        jdn_to_euro_date(&date);
        char line[32];
        if (ce)
            std::snprintf(line, sizeof line, "%04d-%02d-%02d CE\n", date.Year, date.Month,
                          date.Day);
        else
            std::snprintf(line, sizeof line, "%d.5 CJDL\n", day);
        text += line;
    }
    return text;
}

void BM_BatchToTsv(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const std::string text = Entries(lines, state.range(1) != 0);
    GlobalOptions options;
    std::ostringstream out, err;
    Session session(out, err, options);
    if (session.Start(VEMLA_SOURCE_DATA_DIR) != kExitOk) state.SkipWithError("no program texts");
    for (auto _ : state) {
        std::istringstream in(text);
        out.str("");
        benchmark::DoNotOptimize(ConvertBatch(session, in, BatchFormat::kTsv, {}));
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_BatchToTsv)
    ->ArgsProduct({{100000}, {0, 1}})
    ->ArgNames({"lines", "ce"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vemla
