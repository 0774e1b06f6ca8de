// Lunations, the phase test and delta T of moments, in Universal Time.
#include "engine/lunar_phases.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/astro.h"
#include "engine/european.h"

namespace vemla {
namespace {

TEST(Lunations, ADarkMoonBeginsItsLunation) {
    EXPECT_NEAR(DarkMoonZero(), 2451550.26, 0.01);  // 2000-01-06 about 18:14 TT, 18:13 UT
    for (int32_t k : {-61827, -1000, -1, 0, 1, 300, 12000}) {
        const double dark = SyzygyUT(k, kDarkMoon);
        EXPECT_EQ(LunationOf(dark), k);
        EXPECT_EQ(LunationOf(dark - 1e-6), k - 1);
        EXPECT_EQ(LunationOf(SyzygyUT(k + 1, kDarkMoon) - 1e-6), k);
    }
}

TEST(Lunations, ConvergesFromAGuessALunationOff) {
    // The first guess comes from the mean lunation; the true dark moon can lie
    // half a day either side of the mean one, so moments just after a dark moon
    // and just before the next start the search one lunation out.
    for (int32_t k = -2000; k <= 2000; k += 37) {
        const double dark = SyzygyUT(k, kDarkMoon);
        for (double offset : {1e-5, 0.3, 0.7, 14.0, 29.0}) {
            const double moment = dark + offset;
            const int32_t expected = moment < SyzygyUT(k + 1, kDarkMoon) ? k : k + 1;
            ASSERT_EQ(LunationOf(moment), expected) << k << " + " << offset;
        }
    }
}

TEST(Lunations, WildMomentsStillAnswer) {
    for (double moment : {-1e12, 1e12, double(NAN), double(INFINITY)}) {
        int32_t k = LunationOf(moment);
        (void)k;  // any lunation, but an answer and no hang
    }
    SUCCEED();
}

TEST(Phases, ExactAtTheMomentAndNotAfterwards) {
    bool exact = false;
    const int32_t k = 300;
    const double full = SyzygyUT(k, kFullMoon);
    EXPECT_EQ(GetPhase(k, full, exact), kFullMoon);
    EXPECT_TRUE(exact);
    EXPECT_EQ(GetPhase(k, full + 0.0001, exact), kFullMoon);
    EXPECT_FALSE(exact);
    EXPECT_EQ(GetPhase(k, full - 0.0001, exact), kFirstQuarter);
    EXPECT_FALSE(exact);
    EXPECT_EQ(GetPhase(k, SyzygyUT(k + 1, kDarkMoon), exact), kAfterLunation);
    EXPECT_EQ(GetPhase(k, SyzygyUT(k, kDarkMoon) - 0.01, exact), kBeforeLunation);
    // PhaseInLunation itself compares in dynamical time.
    EXPECT_EQ(PhaseInLunation(k, SyzygyTD(k, kLastQuarter), exact), kLastQuarter);
    EXPECT_TRUE(exact);
}

TEST(DeltaTOfMoments, TheNearestDayDecidesTheYear) {
    // 1999-12-31 at 18:00 GMT rounds to the day of 2000-01-01.
    EuroDate new_year;
    new_year.Year = 2000;
    new_year.Month = 1;
    new_year.Day = 1;
    const double day = DateToJDN(new_year);
    EXPECT_DOUBLE_EQ(DeltaTForMoment(day - 0.25), DeltaTForYear(2000));
    EXPECT_DOUBLE_EQ(DeltaTForMoment(day - 0.75), DeltaTForYear(1999));
    EXPECT_NE(DeltaTForYear(1999), DeltaTForYear(2000));
    // UT moments lie delta T before the dynamical ones.
    EXPECT_NEAR((SyzygyTD(0, kDarkMoon) - SyzygyUT(0, kDarkMoon)) * 1440.0, DeltaTForYear(2000), 1e-6);
}

}  // namespace
}  // namespace vemla
