// Prints, per century of -3000..3000, how many lunar months begin on a
// borderline day (prime meridian 120 degrees East, epoch -2696, true sun),
// how many of them because their own dark moon lies within its margin of
// midnight, and how many such months were missed (always 0: the layout with
// the dark moon moved across midnight must convert, even at a layout's edge).
//
//   build/default/tools/borderline/borderline_counts
#include <array>
#include <cmath>
#include <cstdio>
#include <map>

#include "engine/borderline.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"

int main() {
    using namespace vemla;
    CalendarEngine engine;
    EuroDate first{-3000, 1, 1, kGregorian}, last{3000, 1, 1, kGregorian};
    std::map<int, std::array<int, 4>> centuries;  // months, flagged, by their dark moon, missed
    for (int32_t k = LunationOf(DateToJDN(first) - 0.5) + 1;; ++k) {
        const double moment = AJDToCJDC(SyzygyUT(k, kDarkMoon), engine.Settings().Longitude);
        const int32_t day = DayNumberOf(moment);
        if (day >= DateToJDN(last)) break;
        const bool flagged = AssessDay(engine, day).value_or({}).ChLBorderline();
        const bool near = DistanceFromMidnight(moment).near_midnight;
        auto& n = centuries[static_cast<int>(std::floor(GregorianYearOf(day) / 100.0))];
        n[0] += 1;
        n[1] += flagged;
        n[2] += near;
        n[3] += near && !flagged;
    }
    std::printf("century\tmonths\tflagged\t%%\tby their dark moon\tmissed\n");
    for (const auto& [c, n] : centuries)
        std::printf("%d\t%d\t%d\t%.1f\t%d\t%d\n", c * 100, n[0], n[1], 100.0 * n[1] / n[0], n[2],
                    n[3]);
}
