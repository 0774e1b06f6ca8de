// Nutation in longitude by the IAU 1980 theory (Wahr; Seidelmann 1982).
//
// The Moon and the Sun pulling on the Earth's equatorial bulge make the equinox wobble about
// its mean precessing position: by up to 17" with the 18.6-year period of the Moon's node, by
// 1.3" with half a year, 0.2" with half a month and by a hundred smaller terms. Adding the
// nutation in longitude to a longitude referred to the mean equinox of date gives it on the true
// equinox of date, which is what the apparent longitude of the Sun is measured from. One second
// of time is about 0.04" of solar longitude, so the whole series is used.
#pragma once

#include "engine/fast_trig.h"

namespace vemla {
namespace nutation {

// One term (a + b T) sin(l L + lp L' + f F + d D + om Omega) of the series: the multipliers of
// the Delaunay arguments (stored as doubles for the arithmetic), a in 0.0001" and b in 0.0001"
// per Julian century.
struct Term {
    double l, lp, f, d, om;
    double a, b;
};

inline constexpr int kTermCount = 106;
extern const Term kIau1980[kTermCount];

// The Delaunay arguments of the IAU 1980 theory in radians, reduced to [-pi, pi]: mean anomaly of
// the Moon l and of the Sun l', argument of latitude of the Moon F, mean elongation of the Moon
// from the Sun D and longitude of the Moon's ascending node Omega.
struct DelaunayArguments {
    double l, lp, f, d, om;
};

// `centuries`: Julian centuries of TT from J2000.
DelaunayArguments delaunay_arguments(double centuries);

// Nutation in longitude (arcseconds) at N instants given in Julian centuries of TT from J2000.
// The loop over instants sits innermost so that it vectorises.
template <int N>
void nutation_in_longitude(const double (&centuries)[N], double (&dpsi)[N]) {
    double l[N], lp[N], f[N], d[N], om[N], sum[N];
    for (int i = 0; i < N; ++i) {
        const DelaunayArguments arg = delaunay_arguments(centuries[i]);
        l[i] = arg.l;
        lp[i] = arg.lp;
        f[i] = arg.f;
        d[i] = arg.d;
        om[i] = arg.om;
        sum[i] = 0.0;
    }
    for (const Term& term : kIau1980) {
        for (int i = 0; i < N; ++i) {
            const double x =
                term.l * l[i] + term.lp * lp[i] + term.f * f[i] + term.d * d[i] + term.om * om[i];
            sum[i] += (term.a + term.b * centuries[i]) * trig::fast_sin(x);
        }
    }
    for (int i = 0; i < N; ++i) dpsi[i] = sum[i] * 1e-4;
}

}  // namespace nutation

// Nutation in longitude (arcseconds) at the Julian date `jd_tt` (TT).
double nutation_in_longitude(double jd_tt);

}  // namespace vemla
