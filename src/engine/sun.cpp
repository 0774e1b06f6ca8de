// The true sun: the moments at which the Sun's apparent longitude crosses multiples of 15
// degrees, the 24 solar terms.
//
// The apparent longitude seen from the Earth is the Earth's heliocentric longitude turned by
// 180 degrees, moved from the series' own equinox of date to the long-term one (see below), to
// the true equinox of date by the nutation in longitude, and back along the orbit by the
// aberration, -20.4898"/R: the Sun is seen where it was 8.3 minutes earlier, during which the
// Earth moves 20.5" round it (less when further out, as the Earth is slower).
//
// VSOP87D gives the longitude on the mean equinox and ecliptic of date by folding a precession
// into its secular terms: Laskar's (1986), through t^5. Near J2000 it is as good as any, but it
// parts from the modern long-term precession by 2" at 1000, 4" at 3000 and 8" at -3000, three
// minutes of time. So the series' precession is taken back out and the long-term one put in;
// both are functions of time alone, so this is one angle added to the longitude. The J2000
// ecliptic and equinox that model starts from are the dynamical ones VSOP87 is referred to
// (within a few hundredths of an arcsecond), so no frame correction is added on top.
//
// The solver works on the six moments of one call together, in lock step, so that every series
// term is fetched once and applied to six instants: the loops over instants are innermost and
// vectorise. Newton steps on a coarse series (25 terms, ~5" off) bring each moment within a
// few minutes of time of the answer; one step on the full truncated series then lands it, the
// coarse rate being more than good enough for a correction that small.
#include "engine/sun.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/arithmetic.h"
#include "engine/astro.h"
#include "engine/fast_trig.h"
#include "engine/nutation.h"
#include "engine/precession.h"
#include "engine/vsop87_earth.h"

namespace vemla {
namespace {

using std::numbers::pi;

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMillennium = 365250.0;
constexpr double kArcsec = pi / 648000.0;
constexpr double kAberration = -20.4898 * kArcsec;  // divided by R in AU

// Beyond this distance from J2000 the secular polynomials of VSOP87 (t^5 terms) stop meaning
// anything; inputs further out produce NaN rather than a made-up answer.
constexpr double kMaxDaysFromJ2000 = 20.0 * kDaysPerMillennium;

constexpr double kTropicalYear = 365.24219;
constexpr double kMeanRate = 2.0 * pi / kTropicalYear;  // rad/day
constexpr int kTerms = 6;
constexpr double kQuarter = pi / 2.0;
constexpr double kTermStep = pi / 12.0;  // 15 degrees

// Newton steps. Near the root, Newton's method on the longitude leaves an error of about
// k d^2 after a step d, where k = |lambda''| / (2 lambda') <= 3e-4 per day (the Sun's speed
// varies by 3.4% over the year). The coarse steps stop once every correction is below
// kCoarseTolerance, leaving the moments within 3e-8 day of the coarse root. The full series
// differs from the coarse one by a few arcseconds, a few minutes of time, and the precise step
// corrects that using the last coarse rate, whose relative error of ~1e-4 leaves a hundredth of
// a second; a correction larger than kPreciseTolerance (far from J2000, where the coarse
// series is cruder) earns another precise step.
constexpr int kMaxCoarseSteps = 8;
constexpr double kCoarseTolerance = 1e-2;  // day
constexpr int kMaxPreciseSteps = 3;
constexpr double kPreciseTolerance = 5e-3;  // day

// Wraps an angle difference into [-pi, pi].
double wrap(double x) {
    return trig::reduce_angle(x);
}

// General precession in longitude built into the series of date: Laskar (1986) through t^5,
// arcseconds, t in Julian millennia.
constexpr double kSeriesPrecession[] = {0.0, 50290.966, 111.1971, 0.07732, -0.235316, -0.0018055};

// What to add to a longitude of the series to refer it to the long-term precession, radians.
// It moves by a thousandth of an arcsecond a month or less over -6000..6000 and faster beyond,
// where the series' polynomial precession runs away, but always smoothly.
double precession_correction(double days) {
    const double t = days / kDaysPerMillennium;
    return wrap(general_precession(10.0 * t) - Horner(kSeriesPrecession, t) * kArcsec);
}

// One coordinate of the Earth at N instants, t in millennia from J2000 TT: the sum over n of
// t^n S_n(t), by Horner's scheme from the highest power down, each S_n a series of terms
// A cos(B + C t).
template <int N, int Powers>
void sum_vsop87(const vsop87::Series (&coordinate)[Powers], const double (&t)[N],
                double (&value)[N]) {
    for (int i = 0; i < N; ++i) value[i] = 0.0;
    for (int n = Powers - 1; n >= 0; --n) {
        const vsop87::Series& series = coordinate[n];
        double s[N] = {};
        for (int k = 0; k < series.size; ++k) {
            const vsop87::Term& term = series.terms[k];
            for (int i = 0; i < N; ++i) s[i] += term.a * trig::fast_cos(term.b + term.c * t[i]);
        }
        for (int i = 0; i < N; ++i) value[i] = value[i] * t[i] + s[i];
    }
}

// Apparent longitude in radians (not reduced to one turn) at N instants, days from J2000 TT,
// given the precession correction at each.
template <int N>
void precise_longitude(const double (&days)[N], const double (&precession)[N], double (&lon)[N]) {
    double t[N];
    double centuries[N];
    for (int i = 0; i < N; ++i) {
        t[i] = days[i] / kDaysPerMillennium;
        centuries[i] = 10.0 * t[i];
    }
    double l[N];
    double r[N];
    sum_vsop87(vsop87::kEarthLongitude, t, l);
    sum_vsop87(vsop87::kEarthRadius, t, r);
    double dpsi[N];
    nutation::nutation_in_longitude(centuries, dpsi);
    for (int i = 0; i < N; ++i)
        lon[i] = l[i] + pi + precession[i] + dpsi[i] * kArcsec + kAberration / r[i];
}

// Geocentric longitude of date from the coarse series (no nutation, no aberration) and its rate
// in rad/day, at N instants in days from J2000 TT.
template <int N>
void coarse_longitude(const double (&days)[N], double (&lon)[N], double (&rate)[N]) {
    double t[N];
    double value[N] = {};
    double slope[N] = {};
    for (int i = 0; i < N; ++i) t[i] = days[i] / kDaysPerMillennium;
    for (int n = vsop87::kEarthLongitudeSeries - 1; n >= 0; --n) {
        const vsop87::Series& series = vsop87::kEarthLongitude[n];
        double s[N] = {};
        double ds[N] = {};
        for (int k = 0; k < series.coarse_size; ++k) {
            const vsop87::Term& term = series.terms[k];
            for (int i = 0; i < N; ++i) {
                double sin_x;
                double cos_x;
                trig::fast_sincos(term.b + term.c * t[i], sin_x, cos_x);
                s[i] += term.a * cos_x;
                ds[i] -= term.a * term.c * sin_x;
            }
        }
        // Horner for P(t) = P_high(t) t + S_n and its derivative P' = P_high' t + P_high + S_n'.
        for (int i = 0; i < N; ++i) {
            slope[i] = slope[i] * t[i] + value[i] + ds[i];
            value[i] = value[i] * t[i] + s[i];
        }
    }
    for (int i = 0; i < N; ++i) {
        lon[i] = value[i] + pi;
        rate[i] = slope[i] / kDaysPerMillennium;
    }
}

// What the coarse series leaves out, held constant over the few days the coarse steps span:
// the precession correction, aberration at the mean distance and the 18.6-year nutation term.
// The rest of the nutation (1.3" at most) is left to the precise step.
double coarse_offset(double days, double precession) {
    const double omega = nutation::delaunay_arguments(days / 36525.0).om;
    return precession + kAberration - 17.1996 * kArcsec * trig::fast_sin(omega);
}

bool in_range(double jd) {
    return std::fabs(jd - kJ2000) <= kMaxDaysFromJ2000;
}

}  // namespace

double solar_longitude(double jd_tt) {
    if (!in_range(jd_tt)) return std::numeric_limits<double>::quiet_NaN();
    const double days[1] = {jd_tt - kJ2000};
    const double precession[1] = {precession_correction(days[0])};
    double lon[1];
    precise_longitude(days, precession, lon);
    const double degrees = trig::reduce_angle(lon[0] - pi) * (180.0 / pi) + 180.0;
    return degrees >= 360.0 ? degrees - 360.0 : degrees;
}

double series_precession_correction(double jd_tt) {
    return precession_correction(jd_tt - kJ2000) / kArcsec;
}

// `end` only sets the spacing of the first guesses; a missing or implausible one (not finite,
// or not a quarter of a year after `start`) falls back to the mean spacing of the terms. Every
// output is NaN when `start` is not finite or lies more than 20,000 years from J2000.
// Long: one Newton iteration in two stages (coarse, then precise series) over six moments.
void solar_terms_true_sun(double start, double end, double out[6]) {
    if (!in_range(start)) {
        for (int j = 0; j < kTerms; ++j) out[j] = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    // Quarters last 88.9 to 93.7 days today and drift by a few days over the millennia.
    const double span = end - start;
    const double step = (span > 80.0 && span < 100.0) ? span / kTerms : kTropicalYear / 24.0;

    double days[kTerms];
    for (int j = 0; j < kTerms; ++j) days[j] = (start - kJ2000) + j * step;
    // Over the few months one call spans, the precession correction is a straight line through
    // its values at the first and last guesses, to a microarcsecond (0.03 mas 20,000 years out).
    const double first_day = days[0];
    const double first_correction = precession_correction(first_day);
    const double slope = (precession_correction(days[kTerms - 1]) - first_correction) /
                         (days[kTerms - 1] - first_day);
    double precession[kTerms];
    double offset[kTerms];
    for (int j = 0; j < kTerms; ++j) {
        precession[j] = first_correction + slope * (days[j] - first_day);
        offset[j] = coarse_offset(days[j], precession[j]);
    }

    double lon[kTerms];
    double rate[kTerms];
    double target[kTerms];
    for (int step_count = 0; step_count < kMaxCoarseSteps; ++step_count) {
        coarse_longitude(days, lon, rate);
        if (step_count == 0) {
            // The quarter point nearest `start`: its longitude rounded to a multiple of 90
            // degrees. The targets need not be reduced to one turn, differences are wrapped.
            const double quarter = trig::round_nearest((lon[0] + offset[0]) / kQuarter);
            for (int j = 0; j < kTerms; ++j) target[j] = quarter * kQuarter + j * kTermStep;
        }
        double largest = 0.0;
        for (int j = 0; j < kTerms; ++j) {
            // The rate stays within 3.5% of the mean; guard it all the same so that nothing
            // below can divide by a vanishing number.
            if (!(rate[j] > 0.5 * kMeanRate && rate[j] < 2.0 * kMeanRate)) rate[j] = kMeanRate;
            const double correction = -wrap(lon[j] + offset[j] - target[j]) / rate[j];
            days[j] += correction;
            largest = std::fmax(largest, std::fabs(correction));
        }
        if (largest < kCoarseTolerance) break;
    }
    // The coarse steps may have moved a moment by up to a month and a half from its guess.
    for (int j = 0; j < kTerms; ++j)
        precession[j] = first_correction + slope * (days[j] - first_day);
    for (int step_count = 0; step_count < kMaxPreciseSteps; ++step_count) {
        precise_longitude(days, precession, lon);
        double largest = 0.0;
        for (int j = 0; j < kTerms; ++j) {
            const double correction = -wrap(lon[j] - target[j]) / rate[j];
            days[j] += correction;
            largest = std::fmax(largest, std::fabs(correction));
        }
        if (largest < kPreciseTolerance) break;
    }
    for (int j = 0; j < kTerms; ++j) out[j] = kJ2000 + days[j];
}

}  // namespace vemla
