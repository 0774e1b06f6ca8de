// Batch conversion of the command line: lines of random days 1901-2100
// (as CJDL numbers) to tab-separated rows, through the same code as
// `vemla-cli convert --tsv --input FILE`; scripts/bench-batch times the real
// executable on a million CE entries.
#include <benchmark/benchmark.h>

#include <sstream>

#include "cli/batch_convert.h"
#include "random_days.h"

namespace vemla {
namespace {

void BM_BatchToTsv(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    std::ostringstream entries;
    for (int32_t day : bench::RandomDays1901To2100(lines)) entries << day << ".5 CJDL\n";
    const std::string text = entries.str();
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
BENCHMARK(BM_BatchToTsv)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vemla
