// Delta T against the Espenak-Meeus reference table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/astro.h"
#include "tsv.h"

namespace vemla {
namespace {

TEST(DeltaT, MatchesReferenceTable) {
    const test::TsvTable table = test::ReadTsv("delta-t.tsv");
    const int cy = table.column("year");
    const int cm = table.column("minutes");
    ASSERT_GT(table.rows.size(), 700u);
    for (const auto& r : table.rows) {
        const double year = std::stod(r[cy]);
        EXPECT_NEAR(deltat(year, 1915), std::stod(r[cm]), 0.01) << "year " << year;
    }
}

// The polynomials were fitted piece by piece and meet to within a fraction of
// a second; a mistyped coefficient shows up as a jump at a seam. Seams are at
// mid-year y, i.e. at year y - 0.5.
TEST(DeltaT, PiecesJoinAtTheirSeams) {
    for (double seam : {-500.0, 500.0, 1600.0, 1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0,
                        1961.0, 1986.0, 2005.0, 2050.0, 2150.0}) {
        const double year = seam - 0.5;
        const double jump_s = (deltat(year, 1915) - deltat(year - 1e-9, 1915)) * 60.0;
        EXPECT_LT(std::fabs(jump_s), 0.5) << "seam " << seam;
    }
}

TEST(DeltaT, NonFiniteAndHugeYears) {
    EXPECT_TRUE(std::isnan(deltat(std::numeric_limits<double>::quiet_NaN(), 1915)));
    // The long-term parabola takes over in both directions.
    EXPECT_GT(deltat(1e12, 1915), 0.0);
    EXPECT_GT(deltat(-1e12, 1915), 0.0);
    EXPECT_EQ(deltat(std::numeric_limits<double>::infinity(), 1915),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(deltat(-std::numeric_limits<double>::max(), 1915),
              std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace vemla
