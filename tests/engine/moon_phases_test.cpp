// Moments of the Moon's phases against the reference (a modern long-span lunar theory, apparent
// longitudes of the Moon and the Sun); every moment is TT, so delta T plays no part.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/astro.h"
#include "tsv.h"
#include "worst_by_era.h"

namespace vemla {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

// Within a minute from 1000 CE on; before, the secular terms of the series part from the modern
// theory by up to six minutes at -3000, about the spread of modern lunar theories there.
TEST(MoonPhases, EveryReferenceMomentOverSixMillennia) {
    const test::TsvTable table = test::ReadTsv("moon-phases.tsv");
    test::WorstByEra worst;
    for (const auto& r : table.rows) {
        const int32_t k = std::stoi(r[0]), phase = std::stoi(r[1]);
        const double tt = std::stod(r[2]);
        worst.Take(2000.0 + (tt - 2451545.0) / 365.25, (syzyg(k, phase, nullptr) - tt) / kSecond,
                   "k " + std::to_string(k) + " phase " + std::to_string(phase));
    }
    worst.Print("moon phase");
    ASSERT_EQ(worst.spans.size(), 12u);
    for (const auto& [span, w] : worst.spans)
        EXPECT_LT(std::fabs(w.error), span >= 1000 ? 60.0 : 360.0) << span << ": " << w.where;
}

// Meeus's worked example 49.a: the new moon of 1977-02-18 at 03:37:40 TD by the ELP theory.
TEST(MoonPhases, PublishedNewMoonOf1977) {
    EXPECT_NEAR(syzyg(-283, 0, nullptr), 2443192.65118, 5 * kSecond);
}

TEST(MoonPhases, PhasesBeyondZeroToThreeCarryAndExtremeArgumentsStayFinite) {
    EXPECT_EQ(syzyg(10, 4, nullptr), syzyg(11, 0, nullptr));
    EXPECT_EQ(syzyg(10, -1, nullptr), syzyg(9, 3, nullptr));
    EXPECT_EQ(syzyg(-10, -8, nullptr), syzyg(-12, 0, nullptr));
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    for (int32_t k : {kMin, -1, kMax})
        for (int32_t phase : {kMin, -5, 0, 4, kMax})
            EXPECT_TRUE(std::isfinite(syzyg(k, phase, nullptr))) << k << " " << phase;
}

}  // namespace
}  // namespace vemla
