// Calendar export of a listing of 1000 lunar new years (1990-2989): the
// listing on a cold engine with the export (target 0.5 s), the export alone,
// and an export of the largest calendar taken, 100,000 events.
#include <benchmark/benchmark.h>

#include <vector>

#include "app/calendar_export.h"
#include "app/lunar_new_years.h"

namespace vemla {
namespace {

class RowsOutput : public ListOutput {
  public:
    void Write(std::string_view) override {}
    void Add(const ListRow& row) override { rows.push_back(row); }
    bool StopRequested() override { return false; }
    void RequestStop() override {}
    void LongListingStarted() override {}
    void ListingEnded() override {}
    void ShowMessage(std::string_view) override {}
    std::vector<ListRow> rows;
};

const ExportSettings kSettings{
    "Lunar new years", 120, "CCT", -2696, false, "epoch = -2696, method = true sun"};

std::vector<ListRow> ThousandNewYears(CalendarEngine& engine) {
    RowsOutput out;
    ListLunarNewYears({engine, 2447893.0, "CCT", "epoch = -2696, method = true sun", false},
                      "79-7-01-01 CHL", 1000, false, out);
    return out.rows;
}

void Export(benchmark::State& state, const std::vector<ListRow>& rows, int expected) {
    auto made = MakeCalendar(rows, kSettings, 2460351.0);
    const auto* file = std::get_if<CalendarFile>(&made);
    if (!file || file->events != expected) state.SkipWithError("not every event was written");
    benchmark::DoNotOptimize(made);
}

void BM_ListAndExportThousandLunarNewYears(benchmark::State& state) {
    for (auto _ : state) {
        CalendarEngine engine;
        Export(state, ThousandNewYears(engine), 1000);
    }
}
BENCHMARK(BM_ListAndExportThousandLunarNewYears)->Unit(benchmark::kMillisecond);

void BM_ExportThousandLunarNewYears(benchmark::State& state) {
    CalendarEngine engine;
    const std::vector<ListRow> rows = ThousandNewYears(engine);
    for (auto _ : state) Export(state, rows, 1000);
}
BENCHMARK(BM_ExportThousandLunarNewYears)->Unit(benchmark::kMillisecond);

void BM_ExportHundredThousandDays(benchmark::State& state) {
    std::vector<ListRow> rows(kMaxCalendarEvents, DayRow{2451545, "a day"});
    for (int32_t i = 0; i < kMaxCalendarEvents; ++i) std::get<DayRow>(rows[i]).day += i;
    for (auto _ : state) Export(state, rows, kMaxCalendarEvents);
}
BENCHMARK(BM_ExportHundredThousandDays)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace vemla
