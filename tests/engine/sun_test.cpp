// The true-sun solar terms against the reference moments, and the pieces they are built from.
#include "engine/sun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

#include "engine/astro.h"
#include "engine/nutation.h"
#include "tsv.h"
#include "worst_by_era.h"

namespace vemla {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Reference moment (TT) by (year, longitude in degrees).
const std::map<std::pair<int, int>, double>& reference() {
    static const auto terms = [] {
        std::map<std::pair<int, int>, double> map;
        const test::TsvTable table = test::ReadTsv("solar-terms.tsv");
        for (const auto& row : table.rows)
            map[{std::stoi(row[table.column("year")]),
                 std::stoi(row[table.column("longitude_deg")])}] =
                std::stod(row[table.column("tt_jd")]);
        return map;
    }();
    return terms;
}

// Arcseconds from `lon_deg` to the apparent longitude at `jd`.
double longitude_error(double jd, double lon_deg) {
    const double d = solar_longitude(jd) - lon_deg;
    return (d - 360.0 * std::round(d / 360.0)) * 3600.0;
}

TEST(Nutation, PublishedValues) {
    // Meeus, Astronomical Algorithms, example 22.a: 1987 April 10, 0h TD.
    EXPECT_NEAR(nutation_in_longitude(2446895.5), -3.788, 0.002);
    // Example 25.b: 1992 October 13, 0h TD.
    EXPECT_NEAR(nutation_in_longitude(2448908.5), 15.908, 0.002);
}

// The truncated series against the whole of VSOP87D (the generator's input) with the same
// corrections on top: this bounds the error of the model itself.
TEST(SolarLongitude, FollowsTheFullVsop87Series) {
    struct Term {
        char coordinate;
        int power;
        double a, b, c;
    };
    std::vector<Term> terms;
    for (const auto& row : test::ReadTsv("../../tools/vsop87/vsop87d-earth.tsv").rows)
        terms.push_back(
            {row[0][0], row[0][1] - '0', std::stod(row[1]), std::stod(row[2]), std::stod(row[3])});
    ASSERT_EQ(terms.size(), 2425u);  // L, B and R
    auto full = [&](char coordinate, double t) {
        double sum = 0.0;
        for (const Term& term : terms)
            if (term.coordinate == coordinate)
                sum += term.a * std::cos(term.b + term.c * t) * std::pow(t, term.power);
        return sum;
    };
    auto worst_between = [&](double year0, double year1) {
        double worst = 0.0;
        for (double year = year0; year <= year1; year += (year1 - year0) / 300.0) {
            const double jd = kJ2000 + (year - 2000.0) * 365.25;
            const double t = (jd - kJ2000) / 365250.0;
            const double apparent = (full('L', t) + std::numbers::pi) * 180.0 / std::numbers::pi +
                                    (series_precession_correction(jd) + nutation_in_longitude(jd) -
                                     20.4898 / full('R', t)) /
                                        3600.0;
            worst = std::max(worst, std::fabs(longitude_error(jd, apparent)));
        }
        return worst;
    };
    EXPECT_LT(worst_between(1900.0, 2100.0), 0.05);  // 1.2 s of time
    EXPECT_LT(worst_between(-3000.0, 3000.0), 3.0);
    for (double jd : {kNaN, kInf, kJ2000 + 1e8}) EXPECT_TRUE(std::isnan(solar_longitude(jd))) << jd;
}

// Every reference term, each found once, from the reference's own quarter points moved by
// minutes (or a day and a half): the quarter point nearest `start` is solved for, not taken.
TEST(SolarTerms, EveryReferenceTerm) {
    const auto& ref = reference();
    test::WorstByEra worst;
    int count = 0;
    auto check = [&](double start, double end, int year, int first_lon, int j0, int j1) {
        double out[6];
        solar_terms_true_sun(start, end, out);
        for (int j = j0; j <= j1; ++j) {
            const int lon = (first_lon + 15 * j) % 360;
            const int term_year = first_lon == 270 && j > 0 ? year + 1 : year;
            worst.Take(term_year, (out[j] - ref.at({term_year, lon})) / kSecond,
                       std::to_string(term_year) + " " + std::to_string(lon));
            ++count;
        }
    };
    for (const auto& [key, tt] : ref) {
        const auto [year, lon] = key;
        const double shift = (lon == 90 ? -23.0 : 17.0) * 60.0 * kSecond;
        if (lon == 0 || lon == 90 || lon == 180)
            check(tt + shift, ref.at({year, lon + 90}) - shift, year, lon, 0, 5);
        if (lon == 270) check(tt + shift, kNaN, year, 270, 0, 0);  // no end: mean spacing
        if (lon == 0) check(tt - 89.0 - 1.5, tt, year - 1, 270, 1, 5);
    }
    worst.Print("solar term");
    EXPECT_EQ(count, static_cast<int>(ref.size()));
    for (const auto& [span, w] : worst.spans) {
        const double limit = span >= 1000 ? 60.0 : 180.0;
        EXPECT_LT(std::fabs(w.error), limit) << span << ": " << w.where;
    }
}

// Whatever the model, each output must be where its apparent longitude reaches the target: to
// 0.1 s of time over six millennia, to a second at the edges of the accepted range, where the
// series no longer describe the real Sun.
TEST(SolarTerms, LandOnTheirLongitude) {
    std::vector<double> years;
    for (double year = -3000.0; year <= 3000.0; year += 3.7) years.push_back(year);
    for (double year : {-18000.0, -11000.0, 11000.0, 21900.0}) years.push_back(year);
    double out[6];
    for (double year : years) {
        const double start = kJ2000 + (year - 2000.0) * 365.2422 + 79.0;  // a March equinox
        const double tolerance = std::fabs(year - 2000.0) < 5001.0 ? 0.004 : 0.05;
        solar_terms_true_sun(start, start + 93.0, out);
        const double quarter = std::round(solar_longitude(out[0]) / 90.0) * 90.0;
        EXPECT_LT(std::fabs(out[0] - start), 45.0) << year;
        for (int j = 0; j < 6; ++j)
            ASSERT_LT(std::fabs(longitude_error(out[j], quarter + 15.0 * j)), tolerance) << year;
    }
    // An unusable start gives no moments at all.
    for (double bad : {kNaN, kInf, -kInf, 1e300, kJ2000 + 7.4e6, kJ2000 - 7.4e6}) {
        solar_terms_true_sun(bad, bad + 92.0, out);
        for (double moment : out) EXPECT_TRUE(std::isnan(moment)) << bad;
    }
}

}  // namespace
}  // namespace vemla
