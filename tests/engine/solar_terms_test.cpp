// Quarter points by their formula, the solar year of a day, and the 79-term
// tables of both methods.
#include "engine/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/european.h"
#include "tsv.h"

namespace vemla {
namespace {

TEST(QuarterPoints, MatchTheFormulasReferenceValues) {
    auto table = test::ReadTsv("quarter-points.tsv");
    const int ck = table.column("k"), cy = table.column("year"), cjd = table.column("td_jd");
    double worst = 0.0;
    for (const auto& row : table.rows) {
        double error = QuarterPointTD(std::stoi(row[ck]), std::stoi(row[cy])) - std::stod(row[cjd]);
        worst = std::max(worst, std::fabs(error));
    }
    EXPECT_LT(worst, 1e-6);
    EXPECT_GT(table.rows.size(), 3000u);
}

TEST(QuarterPoints, KnownSolsticeAndTheSeamAtTheYear1000) {
    EXPECT_NEAR(QuarterPointTD(kDecemberSolstice, 2000), 2451900.07, 0.01);
    // Years 999 and 1000 use different polynomials; the quarter points still
    // follow one another a tropical year apart. The seam costs at most about a
    // quarter of an hour (the June solstice), no more than the year-to-year
    // wobble of the periodic terms.
    for (int k = 0; k < 4; ++k) {
        const double step_before = QuarterPointTD(k, 999) - QuarterPointTD(k, 998);
        const double step_across = QuarterPointTD(k, 1000) - QuarterPointTD(k, 999);
        EXPECT_NEAR(step_across, step_before, 15.0 / 1440.0) << k;
    }
}

TEST(SolarYears, TheDayOfTheDecemberSolsticeBeginsTheNext) {
    for (int32_t year : {-2500, 1, 1999, 2024, 2900}) {
        const int32_t solstice_day = DayNumberOf(QuarterPointCJDC(kDecemberSolstice, year, 120));
        EXPECT_EQ(SolarYearOf(solstice_day, 120), year + 1);
        EXPECT_EQ(SolarYearOf(solstice_day - 1, 120), year);
        EXPECT_EQ(SolarYearOf(solstice_day + 0.999, 120), year + 1);
    }
}

TEST(SolarTermTables, MeanSunCutsEachYearIntoEqualParts) {
    const SolarTermTable t = ComputeSolarTerms(2024, kMeanSun, 120);
    for (int i : {24, 48, 72})
        EXPECT_DOUBLE_EQ(t.TermMoments[i], QuarterPointCJDC(kDecemberSolstice, 2024 - 2 + i / 24, 120));
    for (int i = 25; i < 48; ++i) {
        const double year = t.TermMoments[48] - t.TermMoments[24];
        EXPECT_NEAR(t.TermMoments[i] - t.TermMoments[i - 1], year / 24.0, 1e-9);
    }
}

TEST(SolarTermTables, AMeridianShiftsEveryTermAlike) {
    const SolarTermTable east = ComputeSolarTerms(2024, kTrueSun, 135);
    const SolarTermTable west = ComputeSolarTerms(2024, kTrueSun, 105);
    for (int i = 0; i < kTermCount; ++i)
        EXPECT_NEAR(east.TermMoments[i] - west.TermMoments[i], 30.0 / 360.0, 1e-9);
}

}  // namespace
}  // namespace vemla
