// Quarter points by their formula, the solar year of a day, and the reach of the true Sun's table.
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

TEST(SolarYears, TheDayOfTheDecemberSolsticeBeginsTheNext) {
    for (int32_t year : {-2500, 1, 1999, 2024, 2900}) {
        const int32_t solstice_day = DayNumberOf(QuarterPointCJDC(kDecemberSolstice, year, 120));
        EXPECT_EQ(SolarYearOf(solstice_day, 120), year + 1);
        EXPECT_EQ(SolarYearOf(solstice_day - 1, 120), year);
        EXPECT_EQ(SolarYearOf(solstice_day + 0.999, 120), year + 1);
    }
}

// The true Sun's table has every moment out to the edges of its years (if
// not in good order that far out: the quarter points' polynomials drift).
TEST(SolarTermTables, TrueSunMomentsOutToTheEdgesOfItsYears) {
    for (int32_t year : {2000 - kTrueSunYears, 2000 + kTrueSunYears})
        for (double moment : ComputeSolarTerms(year, kTrueSun, 120).TermMoments)
            ASSERT_TRUE(std::isfinite(moment)) << year;
}

}  // namespace
}  // namespace vemla
