// Moments of the Moon's phases against the reference table, which was
// computed from a full lunar theory and VSOP87 by solving for the geometric
// elongation; every moment is TT, so delta T plays no part.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/astro.h"
#include "tsv.h"

namespace vemla {
namespace {

constexpr double kSecondsPerDay = 86400.0;

struct PhaseRow {
    int32_t k;
    int32_t phase;
    double tt_jd;
};

std::vector<PhaseRow> LoadPhases() {
    const test::TsvTable table = test::ReadTsv("moon-phases.tsv");
    const int ck = table.column("k");
    const int cp = table.column("phase");
    const int cjd = table.column("tt_jd");
    std::vector<PhaseRow> rows;
    for (const auto& r : table.rows)
        rows.push_back({std::stoi(r[ck]), std::stoi(r[cp]), std::stod(r[cjd])});
    return rows;
}

// The table holds every lunation from 1900 to 2100 and every 37th one over
// -3000..3000. A lunation's year is near 2000 + k / 12.3685.
double LunationYear(int32_t k) {
    return 2000.0 + k / 12.3685;
}
bool InModernEra(int32_t k) {
    return LunationYear(k) >= 1899.9 && LunationYear(k) < 2101.0;
}

struct Worst {
    double error_s = 0.0;
    PhaseRow row{};
    size_t count = 0;
    void Take(const PhaseRow& r, double e) {
        ++count;
        if (std::fabs(e) > std::fabs(error_s)) {
            error_s = e;
            row = r;
        }
    }
};

std::string Describe(const Worst& w) {
    return "worst " + std::to_string(w.error_s) + " s at k=" + std::to_string(w.row.k) +
           " phase=" + std::to_string(w.row.phase) + " over " + std::to_string(w.count) + " rows";
}

TEST(MoonPhases, ModernEraWithinOneMinute) {
    Worst worst;
    for (const PhaseRow& r : LoadPhases()) {
        if (!InModernEra(r.k)) continue;
        worst.Take(r, (syzyg(r.k, r.phase, nullptr) - r.tt_jd) * kSecondsPerDay);
    }
    ASSERT_GT(worst.count, 9000u);  // 201 years of four phases
    EXPECT_LT(std::fabs(worst.error_s), 60.0) << Describe(worst);
}

// Away from the present the lunar theories part company: the reference's
// mean elongation runs ahead of the one in our series (fitted to lunar laser
// ranging and the JPL ephemerides) by about 1.9" per century squared, with a
// like drift in the Moon's anomaly. Since 1000 the two agree within ten
// minutes; at -3000 they are three and a half hours apart. The wide bound
// still catches a wrong lunation or phase, which would be days out.
TEST(MoonPhases, SampledMillenniaAgreeWithinTheirSecularDrift) {
    Worst since_1000;
    Worst all;
    for (const PhaseRow& r : LoadPhases()) {
        if (InModernEra(r.k)) continue;
        const double e = (syzyg(r.k, r.phase, nullptr) - r.tt_jd) * kSecondsPerDay;
        all.Take(r, e);
        if (LunationYear(r.k) >= 1000.0) since_1000.Take(r, e);
    }
    ASSERT_GT(all.count, 600u);
    EXPECT_LT(std::fabs(since_1000.error_s), 600.0) << Describe(since_1000);
    EXPECT_LT(std::fabs(all.error_s), 3.5 * 3600.0) << Describe(all);
}

// Quarter phases follow one another by 5.9 to 8.4 days and lunations by
// 29.27 to 29.84 days; a sign slip in any sizeable term breaks this.
TEST(MoonPhases, PhasesComeInOrderAtLunarSpacing) {
    for (int32_t k : {-61000, -30000, -5000, -1, 0, 1, 600, 12000}) {
        double previous = syzyg(k, 0, nullptr);
        for (int32_t step = 1; step <= 4 * 50; ++step) {
            const double t = syzyg(k + step / 4, step % 4, nullptr);
            EXPECT_GT(t - previous, 5.8) << "k=" << k << " step=" << step;
            EXPECT_LT(t - previous, 8.5) << "k=" << k << " step=" << step;
            previous = t;
        }
        for (int32_t i = 0; i < 50; ++i) {
            const double month = syzyg(k + i + 1, 0, nullptr) - syzyg(k + i, 0, nullptr);
            EXPECT_GT(month, 29.2);
            EXPECT_LT(month, 29.9);
        }
    }
}

TEST(MoonPhases, PhaseOutsideZeroToThreeCarriesIntoNeighbouringLunations) {
    EXPECT_EQ(syzyg(10, 4, nullptr), syzyg(11, 0, nullptr));
    EXPECT_EQ(syzyg(10, 6, nullptr), syzyg(11, 2, nullptr));
    EXPECT_EQ(syzyg(10, -1, nullptr), syzyg(9, 3, nullptr));
    EXPECT_EQ(syzyg(-10, -8, nullptr), syzyg(-12, 0, nullptr));
    SyzygyWork work;
    EXPECT_EQ(syzyg(5, 1, &work), syzyg(5, 1, nullptr));
}

TEST(MoonPhases, ExtremeArgumentsGiveFiniteMoments) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    for (int32_t k : {kMin, kMin + 1, -1, 0, kMax - 1, kMax})
        for (int32_t phase : {kMin, -5, -1, 0, 3, 4, kMax})
            EXPECT_TRUE(std::isfinite(syzyg(k, phase, nullptr))) << k << " " << phase;
}

}  // namespace
}  // namespace vemla
