#include "engine/lunar_phases.h"

#include <cmath>
#include <limits>

#include "engine/astro.h"
#include "engine/european.h"

namespace vemla {

double DarkMoonZero() {
    static const double dark_moon_zero = SyzygyUT(0, kDarkMoon);
    return dark_moon_zero;
}

double DeltaTForYear(int32_t year) { return deltat(static_cast<double>(year), 1915); }

double DeltaTForMoment(double moment) {
    // The nearest whole day (halves to even) decides the year, so a moment
    // late on 31 December may already take the new year's value.
    double nearest = std::nearbyint(moment);
    return DeltaTForYear(GregorianYearOf(DayNumberOf(nearest)));
}

double SyzygyTD(int32_t k, int phase) { return syzyg(k, phase, nullptr); }

double SyzygyUT(int32_t k, int phase) {
    double t = SyzygyTD(k, phase);
    return t - DeltaTForMoment(t) / 1440.0;
}

int32_t LunationOf(double ajd) {
    constexpr double kMaxLunation = std::numeric_limits<int32_t>::max() - 1;
    double guess = std::floor((ajd - DarkMoonZero()) / kSynodicMonth);
    if (!(guess >= -kMaxLunation)) guess = -kMaxLunation;  // also NaN
    if (guess > kMaxLunation - 1) guess = kMaxLunation - 1;
    int32_t k = static_cast<int32_t>(guess);
    // The true dark moon is within about half a day of the mean one, so the
    // first guess is at most one lunation off; the bound only guards against
    // moments beyond any lunation we can number.
    for (int step = 0; step < 64; ++step) {
        double t0 = SyzygyUT(k, kDarkMoon);
        double t1 = SyzygyUT(k + 1, kDarkMoon);
        if (t0 <= ajd && ajd < t1) return k;
        if (t0 <= ajd) {
            if (k >= kMaxLunation - 1) return k;
            ++k;
        } else {
            if (k <= -kMaxLunation) return k;
            --k;
        }
    }
    return k;
}

int PhaseInLunation(int32_t k, double x, bool& exact) {
    exact = false;
    if (k < std::numeric_limits<int32_t>::max() && SyzygyTD(k + 1, kDarkMoon) <= x) return kAfterLunation;
    for (int p = kLastQuarter; p >= kDarkMoon; --p) {
        double t = SyzygyTD(k, p);
        if (t <= x) {
            exact = std::fabs(t - x) < 0.00005;
            return p;
        }
    }
    return kBeforeLunation;
}

int GetPhase(int32_t k, double ajd, bool& exact) {
    return PhaseInLunation(k, ajd + DeltaTForMoment(ajd) / 1440.0, exact);
}

}  // namespace vemla
