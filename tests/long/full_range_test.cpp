// Every day of the admissible range, -3000-01-01 to 3000-01-01 CE, under the
// default settings: its lunar and solar dates convert back to the same day.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "engine/chinese_dates.h"

namespace vemla {
namespace {

constexpr int32_t kFirstDay = 625333;   // -3000-01-01 CE
constexpr int32_t kLastDay = 2816788;   // 3000-01-01 CE

TEST(FullRange, EveryDayRoundTripsThroughBothChineseCalendars) {
    CalendarEngine engine;
    auto start = std::chrono::steady_clock::now();
    int64_t failures = 0;
    for (int32_t n = kFirstDay; n <= kLastDay; ++n) {
        ChDate chs, chl;
        if (!engine.CJDateToChDates(n, chs, chl)) {
            ADD_FAILURE() << "day " << n << " does not convert";
            if (++failures > 20) return;
            continue;
        }
        ChDate lunar = chl, solar = chs;
        bool ok = engine.ChLDateToJDN(lunar) == kChLExists && lunar.JDN == n &&
                  engine.ChSDateToJDN(solar) && solar.JDN == n;
        if (!ok) {
            ADD_FAILURE() << "day " << n << " does not round-trip";
            if (++failures > 20) return;
        }
    }
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << (kLastDay - kFirstDay + 1) << " days round-tripped in " << seconds << " s\n";
}

}  // namespace
}  // namespace vemla
