// The same random days of 1901..2100 through ICU's Chinese calendar and ours,
// side by side in one run.
#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>
#include <vector>

#include "engine/chinese_dates.h"
#include "random_days.h"

namespace {

// Noon at UTC+8 of a day number, in ICU's milliseconds since 1970.
UDate NoonChinaTime(int32_t day) {
    return (day - 2440588) * 86400000.0 + 4 * 3600000.0;
}

std::unique_ptr<icu::Calendar> MakeChineseCalendar() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("zh@calendar=chinese"), status));
    if (U_FAILURE(status)) return nullptr;
    return calendar;
}

void BM_IcuDayToChinese(benchmark::State& state) {
    auto calendar = MakeChineseCalendar();
    if (!calendar) {
        state.SkipWithError("no ICU Chinese calendar");
        return;
    }
    auto days = vemla::bench::RandomDays1901To2100(8192);
    size_t i = 0;
    for (auto _ : state) {
        UErrorCode status = U_ZERO_ERROR;
        calendar->setTime(NoonChinaTime(days[i++ & 8191]), status);
        int32_t year = calendar->get(UCAL_EXTENDED_YEAR, status);
        int32_t month = calendar->get(UCAL_MONTH, status);
        int32_t leap = calendar->get(UCAL_IS_LEAP_MONTH, status);
        int32_t date = calendar->get(UCAL_DATE, status);
        benchmark::DoNotOptimize(year + month + leap + date);
    }
}
BENCHMARK(BM_IcuDayToChinese);

void BM_IcuChineseToDay(benchmark::State& state) {
    auto calendar = MakeChineseCalendar();
    if (!calendar) {
        state.SkipWithError("no ICU Chinese calendar");
        return;
    }
    struct Fields {
        int32_t year, month, leap, date;
    };
    auto days = vemla::bench::RandomDays1901To2100(8192);
    std::vector<Fields> fields;
    for (int32_t d : days) {
        UErrorCode status = U_ZERO_ERROR;
        calendar->setTime(NoonChinaTime(d), status);
        fields.push_back(
            {calendar->get(UCAL_EXTENDED_YEAR, status), calendar->get(UCAL_MONTH, status),
             calendar->get(UCAL_IS_LEAP_MONTH, status), calendar->get(UCAL_DATE, status)});
    }
    size_t i = 0;
    for (auto _ : state) {
        const Fields& f = fields[i++ & 8191];
        UErrorCode status = U_ZERO_ERROR;
        calendar->clear();
        calendar->set(UCAL_EXTENDED_YEAR, f.year);
        calendar->set(UCAL_MONTH, f.month);
        calendar->set(UCAL_IS_LEAP_MONTH, f.leap);
        calendar->set(UCAL_DATE, f.date);
        benchmark::DoNotOptimize(calendar->getTime(status));
    }
}
BENCHMARK(BM_IcuChineseToDay);

void BM_VemlaDayToChinese(benchmark::State& state) {
    vemla::CalendarEngine engine;
    auto days = vemla::bench::RandomDays1901To2100(8192);
    for (int32_t d : days) benchmark::DoNotOptimize(engine.CJDateToChDates(d));
    size_t i = 0;
    for (auto _ : state) {
        auto dates = engine.CJDateToChDates(days[i++ & 8191]);
        benchmark::DoNotOptimize(dates);
    }
}
BENCHMARK(BM_VemlaDayToChinese);

void BM_VemlaChineseToDay(benchmark::State& state) {
    vemla::CalendarEngine engine;
    auto days = vemla::bench::RandomDays1901To2100(8192);
    std::vector<vemla::ChDate> dates(days.size());
    for (size_t i = 0; i < days.size(); ++i) {
        dates[i] = engine.CJDateToChDates(days[i]).value_or(vemla::ChDates{}).chl;
        benchmark::DoNotOptimize(engine.ChLDateToJDN(dates[i]));
    }
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(engine.ChLDateToJDN(dates[i++ & 8191]));
}
BENCHMARK(BM_VemlaChineseToDay);

}  // namespace
