// The moon display for real moments, with the phases from the lunar routines.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/lunar_phases.h"
#include "engine/moon_data.h"

namespace vemla {
namespace {

// Lunation 0 from tests/data/moon-phases.tsv (TT), and delta T for 2000
// from tests/data/delta-t.tsv.
constexpr double kDark0TT = 2451550.26021226;
constexpr double kFirstQuarter0TT = 2451558.06614724;
constexpr double kDark1TT = 2451580.04467663;
constexpr double kDeltaT2000 = 1.066873565 / 1440.0;

TEST(MoonDataForMoments, January2000AgainstTheReferenceTable) {
    // 3.5 days before the dark moon of 2000-02-05: 3.5 / 8.213 / 2 lit.
    MoonDisplayData data = ComputeMoonData(kDark1TT - kDeltaT2000 - 3.5);
    ASSERT_TRUE(data.view);
    EXPECT_EQ(data.view->label, "Crescent moon (waning), 21.3%");

    // 1.5 days (and half a minute) after the dark moon of 2000-01-06, in a
    // lunation of 29.784 days.
    data = ComputeMoonData(kDark0TT - kDeltaT2000 + 1.5 + 30.0 / 86400);
    EXPECT_EQ(data.age_label, "[0] 1 day, 12 hrs, 0 mins (5.0%)");

    // Two days after the first quarter, a quarter of the way to the full moon
    // of 6.629 days later.
    data = ComputeMoonData(kFirstQuarter0TT - kDeltaT2000 + 2.0);
    ASSERT_TRUE(data.view);
    EXPECT_EQ(data.view->label, "Gibbous moon (waxing), 65.1%");

    // A minute and a half either side of the dark moon of lunation 1.
    data = ComputeMoonData(kDark1TT - kDeltaT2000 - 90.0 / 86400);
    EXPECT_EQ(data.lunation, 0);
    ASSERT_TRUE(data.view);
    EXPECT_EQ(data.view->label, "Dark moon, 0.0%");
    data = ComputeMoonData(kDark1TT - kDeltaT2000 + 90.0 / 86400);
    EXPECT_EQ(data.lunation, 1);
    EXPECT_EQ(data.age_label.rfind("[1] 0 days, 0 hrs, 1 min (0.0%)", 0), 0u) << data.age_label;
}

// Through a few lunations the share rises to the full moon and falls after
// it, never jumps and never leaves 0..1.
TEST(MoonDataForMoments, ShareIsSmoothAndWaxesUntilFullMoon) {
    double previous = -1.0;
    for (double ajd = SyzygyUT(-3, kDarkMoon) + 0.01; ajd < SyzygyUT(3, kDarkMoon); ajd += 0.25) {
        MoonDisplayData data = ComputeMoonData(ajd);
        ASSERT_FALSE(data.error) << data.error->text;
        ASSERT_TRUE(data.view);
        const double f = data.view->f;
        EXPECT_GE(f, 0.0);
        EXPECT_LE(f, 1.0);
        EXPECT_EQ(data.view->waxing, ajd < SyzygyUT(data.lunation, kFullMoon)) << ajd;
        EXPECT_GE(data.age, 0.0);
        EXPECT_LT(data.age, 30.0);
        if (previous >= 0.0) {
            EXPECT_LT(std::fabs(f - previous), 0.05) << ajd;
        }
        previous = f;
    }
}

}  // namespace
}  // namespace vemla
