// Equinoxes, solstices and the table of 79 solar terms around a day.
//
// The table runs from the December solstice of year y - 2 (index 0) over
// 78 terms; indexes 0, 24, 48 and 72 are December solstices, and index i
// holds solar term (i mod 24) + 1. The day being converted lies between
// indexes 24 and 48. Terms come either from the true Sun (the apparent solar
// longitude reaching each multiple of 15 degrees) or from the mean Sun (each
// solar year between December solstices cut into 24 equal parts).
#pragma once

#include <array>
#include <cstdint>

namespace vemla {

// Quarter points: 0 March equinox, 1 June solstice, 2 September equinox,
// 3 December solstice.
inline constexpr int kMarchEquinox = 0;
inline constexpr int kJuneSolstice = 1;
inline constexpr int kSeptemberEquinox = 2;
inline constexpr int kDecemberSolstice = 3;

// Methods for the solar terms (the position in the method list).
inline constexpr int kTrueSun = 0;
inline constexpr int kMeanSun = 1;

inline constexpr int kTermCount = 79;
inline constexpr int kQuarterCount = 14;

// Moment of quarter point k of a year: in dynamical time, as an AJD in
// Universal Time, and as a CJDC for a prime meridian. Defined for every year
// (the polynomials have no bound), though true only within a few thousand
// years of the present.
double QuarterPointTD(int k, int32_t year);
double QuarterPointUT(int k, int32_t year);
double QuarterPointCJDC(int k, int32_t year, int longitude);

// The solar year of a chronological Julian date: its Gregorian year, or the
// next one from the day of that year's December solstice on.
int32_t SolarYearOf(double cjd, int longitude);

struct SolarTermTable {
    int32_t SolarYear = 0;  // y: the table starts at the December solstice of y - 2
    std::array<double, kQuarterCount> TermQuarters{};  // quarter points used, CJDC
    std::array<double, kTermCount> TermMoments{};      // CJDC
    std::array<int32_t, kTermCount> TermDays{};        // floor of TermMoments
};

// How far from 2000 the true Sun's terms reach: the theory of the Sun's
// longitude stops 20,000 years out, and a table also needs the quarters of
// the two years either side. The engine's Chinese years lie well inside.
inline constexpr int32_t kTrueSunYears = 19000;

// The 79 terms around the solar year y (any method other than kMeanSun is
// the true Sun). A total function on its domain: with the true Sun, solar
// years within kTrueSunYears of 2000 (beyond them there are no moments to
// give); with the mean Sun, every year.
SolarTermTable ComputeSolarTerms(int32_t solar_year, int method, int longitude);

}  // namespace vemla
