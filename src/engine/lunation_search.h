// The two searches over a lunation's phases, written once for any source of
// phase moments: the lunar phase routines compute each moment afresh, a
// LunationCache keeps them between calls (both must give the same answers),
// and the event searches compare in Universal Time.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/lunar_phases.h"

namespace vemla::lunation_search {

// The lunation whose dark moon is not after `ajd` and whose successor's dark
// moon is after it. `dark_moon_ut(k)` is the AJD (Universal Time) of the dark
// moon that begins lunation k; `dark_moon_zero` that of lunation 0.
template <class DarkMoonUT>
int32_t FindLunation(double ajd, double dark_moon_zero, DarkMoonUT&& dark_moon_ut) {
    constexpr double kMaxLunation = std::numeric_limits<int32_t>::max() - 1;
    double guess = std::floor((ajd - dark_moon_zero) / kSynodicMonth);
    if (!(guess >= -kMaxLunation)) guess = -kMaxLunation;  // also NaN
    if (guess > kMaxLunation - 1) guess = kMaxLunation - 1;
    int32_t k = static_cast<int32_t>(guess);
    // The true dark moon is within about half a day of the mean one, so the
    // first guess is at most one lunation off; the bound only guards against
    // moments beyond any lunation we can number.
    for (int step = 0; step < 64; ++step) {
        const double t0 = dark_moon_ut(k);
        const double t1 = dark_moon_ut(k + 1);
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

// The last phase of lunation k not after x; `phase_td(k, p)` is the moment
// of phase p of lunation k in the time scale of x (dynamical time but for the
// event searches).
template <class PhaseTD>
Result<PhaseFound, PhaseError> LastPhase(int32_t k, double x, PhaseTD&& phase_td) {
    if (k < std::numeric_limits<int32_t>::max() && phase_td(k + 1, kDarkMoon) <= x)
        return Fail(PhaseError::kAfterLunation);
    for (int p = kLastQuarter; p >= kDarkMoon; --p) {
        const double t = phase_td(k, p);
        if (t <= x) return PhaseFound{p, std::fabs(t - x) < kExactPhaseDays};
    }
    return Fail(PhaseError::kBeforeLunation);
}

}  // namespace vemla::lunation_search
