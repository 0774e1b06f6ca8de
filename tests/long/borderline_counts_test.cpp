// Borderline month starts over the whole range -3000..3000: every month whose
// dark moon lies within its margin of midnight must be flagged (the layout
// with the dark moon moved must convert, even at the edges of a layout), and
// the counts per century are printed for the record.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <map>

#include "engine/borderline.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"

namespace vemla {
namespace {

TEST(BorderlineCounts, MonthStartsPerCentury) {
    CalendarEngine engine;  // epoch -2696, true sun, 120 degrees East
    const int longitude = engine.Settings().Longitude;
    EuroDate first{-3000, 1, 1, kGregorian}, last{3000, 1, 1, kGregorian};
    const int32_t first_day = DateToJDN(first), last_day = DateToJDN(last);
    struct Count {
        int months = 0, flagged = 0, by_dark_moon = 0;
    };
    std::map<int, Count> centuries;
    for (int32_t k = LunationOf(first_day - 0.5) + 1;; ++k) {
        const double moment = AJDToCJDC(SyzygyUT(k, kDarkMoon), longitude);
        const int32_t day = DayNumberOf(moment);
        if (day >= last_day) break;
        const DayCertainty c = AssessDay(engine, day);
        ASSERT_TRUE(c.ok) << day;
        const bool near = DistanceFromMidnight(moment).near_midnight;
        if (near) {
            EXPECT_TRUE(c.ChLBorderline()) << "month starting on day " << day;
        }
        const int year = GregorianYearOf(day);
        Count& n = centuries[static_cast<int>(std::floor(year / 100.0))];
        ++n.months;
        n.flagged += c.ChLBorderline();
        n.by_dark_moon += near;
    }
    std::cout << "century\tmonths\tflagged\t%\tby its dark moon\n";
    for (const auto& [century, n] : centuries)
        std::cout << century * 100 << "\t" << n.months << "\t" << n.flagged << "\t"
                  << std::round(1000.0 * n.flagged / n.months) / 10 << "\t" << n.by_dark_moon
                  << "\n";
}

}  // namespace
}  // namespace vemla
