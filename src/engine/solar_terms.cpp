#include "engine/solar_terms.h"

#include <cassert>
#include <cmath>
#include <cstdlib>

#include "engine/astro.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"

namespace vemla {
namespace {

// The approximation of 2 pi with which the quarter-point terms were published;
// the formula's results are defined with it.
constexpr double kTwoPi = 6.283185307;
constexpr double kDegree = kTwoPi / 360.0;

// Periodic terms A cos(B + C T) of the equinox and solstice correction, with
// B and C in degrees (T in Julian centuries from J2000).
struct PeriodicTerm {
    double a, b, c;
};
constexpr PeriodicTerm kDegreeTerms[24] = {
    {485, 324.96, 1934.136},  {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886},  {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},  {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},  {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},  {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},  {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},  {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},  {9, 227.73, 1222.114},    {8, 15.45, 16859.074}};

struct RadianTerms {
    PeriodicTerm terms[24];
};
constexpr RadianTerms MakeRadianTerms() {
    RadianTerms r{};
    for (int i = 0; i < 24; ++i)
        r.terms[i] = {kDegreeTerms[i].a, kDegreeTerms[i].b * kDegree, kDegreeTerms[i].c * kDegree};
    return r;
}
constexpr RadianTerms kTerms = MakeRadianTerms();

// Mean moments (JDE) as polynomials in Y: before year 1000 Y = year / 1000,
// from 1000 on Y = (year - 2000) / 1000. Coefficients of Y^0 .. Y^4.
constexpr double kMeanEarly[4][5] = {{1721139.29189, 365242.1374, 0.06134, 0.00111, -0.00071},
                                     {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
                                     {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
                                     {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006}};
constexpr double kMeanLate[4][5] = {{2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
                                    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
                                    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
                                    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032}};

}  // namespace

double QuarterPointTD(int k, int32_t year) {
    k = ((k % 4) + 4) % 4;
    const double* c;
    double y;
    if (year < 1000) {
        y = year / 1000.0;
        c = kMeanEarly[k];
    } else {
        y = (year - 2000) / 1000.0;
        c = kMeanLate[k];
    }
    double mean = c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
    double t = (mean - 2451545.0) / 36525.0;
    double w = (35999.373 * t - 2.47) / 360.0 * kTwoPi;
    double delta_lambda = 1.0 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2.0 * w);
    double s = 0.0;
    for (const PeriodicTerm& term : kTerms.terms) s += term.a * std::cos(term.b + term.c * t);
    return mean + 0.00001 * s / delta_lambda;
}

double QuarterPointUT(int k, int32_t year) {
    return QuarterPointTD(k, year) - DeltaTForYear(year) / 1440.0;
}

double QuarterPointCJDC(int k, int32_t year, int longitude) {
    return AJDToCJDC(QuarterPointUT(k, year), longitude);
}

int32_t SolarYearOf(double cjd, int longitude) {
    int32_t day = DayNumberOf(cjd);
    int32_t year = GregorianYearOf(day);
    if (day >= DayNumberOf(QuarterPointCJDC(kDecemberSolstice, year, longitude))) ++year;
    return year;
}

SolarTermTable ComputeSolarTerms(int32_t y, int method, int longitude) {
    assert(method == kMeanSun || std::abs(static_cast<int64_t>(y) - 2000) <= kTrueSunYears);
    SolarTermTable table;
    table.SolarYear = y;
    auto& q = table.TermQuarters;
    auto& moments = table.TermMoments;
    if (method == kMeanSun) {
        for (int i = 0; i < 5; ++i)
            q[i] = QuarterPointCJDC(kDecemberSolstice, y - 2 + i, longitude);
        for (int i = 0; i < 4; ++i)
            for (int k = 0; k < 24 && 24 * i + k < kTermCount; ++k)
                moments[24 * i + k] = q[i] + (q[i + 1] - q[i]) * k / 24.0;
    } else {
        q[0] = QuarterPointCJDC(kDecemberSolstice, y - 2, longitude);
        for (int year = 0; year < 3; ++year)
            for (int k = 0; k < 4; ++k)
                q[1 + 4 * year + k] = QuarterPointCJDC(k, y - 1 + year, longitude);
        q[13] = QuarterPointCJDC(kMarchEquinox, y + 2, longitude);
        // Each quarter's six terms are moved into Universal Time with the
        // delta T of the year of the quarter point that opens them. A term
        // belongs to the tables of several neighbouring solar years; taking
        // delta T from the table's own year would put a term lying seconds
        // from midnight on different days in different tables, and a day
        // would then convert to a solar date that converts back to the day
        // after.
        double out[6];
        for (int i = 0; i < kQuarterCount - 1; ++i) {
            const int32_t year = i == 0 ? y - 2 : y - 1 + (i - 1) / 4;
            const double dt = DeltaTForYear(year) / 1440.0;
            solar_terms_true_sun(CJDCToAJD(q[i], longitude) + dt,
                                 CJDCToAJD(q[i + 1], longitude) + dt, out);
            for (int j = 0; j < 6; ++j) moments[6 * i + j] = AJDToCJDC(out[j] - dt, longitude);
        }
        moments[78] = q[13];
    }
    for (int i = 0; i < kTermCount; ++i) table.TermDays[i] = DayNumberOf(moments[i]);
    return table;
}

}  // namespace vemla
