// Branch-free sine and cosine for summing long trigonometric series.
//
// The planetary, nutation and lunar-phase series evaluate hundreds of terms A sin(B + C t) with
// small amplitudes, so they need neither correct rounding nor errno handling, only an absolute
// error far below their own accuracy. These kernels reduce the argument by a rounded multiple of
// a whole turn and evaluate truncated Taylor series; without branches or library calls the
// compiler can vectorise a loop over several terms or instants at once, at a few nanoseconds a
// value where the library's sin and cos cost tens.
//
// Two entry points share the rounding and the Taylor tables:
//   - radians (fast_cos, fast_sin, fast_sincos): the reduced angle is halved into
//     [-pi/2, pi/2] and put through the double-angle formulas; 3e-9 absolute, for the VSOP87,
//     nutation and precession series.
//   - degrees (sincos_deg, sin_deg_short): the angle is reduced to the nearest multiple of 90
//     degrees, which is exact in floating point, and the quadrant swaps and signs the sine and
//     cosine of a remainder within 45 degrees; 1e-16 with the long polynomials, 1e-9 with the
//     short ones, for the Moon's phase series whose arguments are in degrees.
//
// The rounding trick below needs IEEE double arithmetic in round-to-nearest without
// reassociation: do not build this with -ffast-math.
#pragma once

#include <cmath>
#include <cstddef>

#include "engine/arithmetic.h"

namespace vemla::trig {

// Nearest integer to x as a double, for |x| < 2^51: adding 1.5 * 2^52 pushes the fraction bits
// out of the significand. Unlike a cast to an integer this is defined for every input (NaN and
// infinities come out as NaN; huge finite values come out as a meaningless finite number).
inline double round_nearest(double x) {
    constexpr double kShift = 6755399441055744.0;
    return (x + kShift) - kShift;
}

// Taylor coefficients of sin(r)/r and of cos(r) in powers of r^2, through r^15 and r^16. Each
// kernel evaluates as many of them as its accuracy needs.
inline constexpr double kSinTaylor[] = {1.0,
                                        -1.0 / 6.0,
                                        1.0 / 120.0,
                                        -1.0 / 5040.0,
                                        1.0 / 362880.0,
                                        -1.0 / 39916800.0,
                                        1.0 / 6227020800.0,
                                        -1.0 / 1307674368000.0};
inline constexpr double kCosTaylor[] = {1.0,
                                        -1.0 / 2.0,
                                        1.0 / 24.0,
                                        -1.0 / 720.0,
                                        1.0 / 40320.0,
                                        -1.0 / 3628800.0,
                                        1.0 / 479001600.0,
                                        -1.0 / 87178291200.0,
                                        1.0 / 20922789888000.0};

// ---- Radians ----

// x - 2 pi k with k chosen to land in [-pi, pi]. 2 pi is split in two parts so that the
// reduction stays exact to ~1e-16 rad times k.
inline double reduce_angle(double x) {
    constexpr double kInvTwoPi = 0.15915494309189533577;
    constexpr double kTwoPiHi = 6.28318530717958623200;
    constexpr double kTwoPiLo = 2.44929359829470635445e-16;
    const double k = round_nearest(x * kInvTwoPi);
    return (x - k * kTwoPiHi) - k * kTwoPiLo;
}

// sin(h) for |h| <= pi/2 by its Taylor series through h^13: the first omitted term,
// (pi/2)^15 / 15!, bounds the error by 7e-10.
inline double sin_half(double h) {
    return h * HornerFirst<7>(kSinTaylor, h * h);
}

// cos(h) for |h| <= pi/2 through h^14; error below (pi/2)^16 / 16! = 7e-11.
inline double cos_half(double h) {
    return HornerFirst<8>(kCosTaylor, h * h);
}

// cos(x) to within 3e-9 for |x| < 2^50 (cos x = 1 - 2 sin^2(x/2) with x/2 in [-pi/2, pi/2]).
inline double fast_cos(double x) {
    const double s = sin_half(0.5 * reduce_angle(x));
    return 1.0 - 2.0 * s * s;
}

// sin(x) = cos(x - pi/2), same accuracy as fast_cos.
inline double fast_sin(double x) {
    return fast_cos(x - 1.57079632679489661923);
}

// sin(x) and cos(x) together, same accuracy as fast_cos.
inline void fast_sincos(double x, double& sin_x, double& cos_x) {
    const double h = 0.5 * reduce_angle(x);
    const double s = sin_half(h);
    sin_x = 2.0 * s * cos_half(h);
    cos_x = 1.0 - 2.0 * s * s;
}

// ---- Degrees ----

// An angle in degrees less its nearest whole number of turns: within [-180, 180] for every
// argument below 2^51 turns.
inline double without_turns(double deg) {
    return deg - 360.0 * round_nearest(deg * (1.0 / 360.0));
}

// An angle x = 90 q + r in degrees (|x| within a turn or so) split into its quadrant q (0..3)
// and the sine and cosine of the remainder r, |r| <= 45 degrees, by the first SinTerms and
// CosTerms Taylor coefficients.
struct QuadrantSplit {
    double sin_r;
    double cos_r;
    int q;
};
template <size_t SinTerms, size_t CosTerms>
inline QuadrantSplit split_quadrant(double x) {
    constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
    const double quadrant = round_nearest(x * (1.0 / 90.0));
    const double r = (x - 90.0 * quadrant) * kDegToRad;
    const double r2 = r * r;
    return {r * HornerFirst<SinTerms>(kSinTaylor, r2), HornerFirst<CosTerms>(kCosTaylor, r2),
            static_cast<int>(quadrant) & 3};
}

// sin(90 q + r): odd quadrants take the cosine of r, and quadrants 2 and 3 are negative. The
// choices are arithmetic rather than branches so that loops over many angles vectorise.
inline double quadrant_sin(const QuadrantSplit& a) {
    const double odd = static_cast<double>(a.q & 1);
    return (1.0 - static_cast<double>(a.q & 2)) * (a.sin_r + odd * (a.cos_r - a.sin_r));
}

// cos(90 q + r): odd quadrants take the sine of r, and quadrants 1 and 2 are negative.
inline double quadrant_cos(const QuadrantSplit& a) {
    const double odd = static_cast<double>(a.q & 1);
    const double sign = 1.0 - 2.0 * static_cast<double>((a.q ^ (a.q >> 1)) & 1);
    return sign * (a.cos_r + odd * (a.sin_r - a.cos_r));
}

// Sine and cosine of an angle in degrees to about 1e-16, by Taylor polynomials through the 15th
// and 16th powers of the remainder. A non-finite or absurdly large argument is taken as zero,
// so that no NaN reaches the integer conversion of the quadrant.
inline void sincos_deg(double deg, double& sin_x, double& cos_x) {
    double x = without_turns(deg);
    x = std::fabs(x) <= 1e6 ? x : 0.0;
    const QuadrantSplit a = split_quadrant<8, 9>(x);
    sin_x = quadrant_sin(a);
    cos_x = quadrant_cos(a);
}

// Sine of an angle in degrees to about 1e-9, by polynomials through the 9th and 10th powers, for
// small terms whose amplitudes make that plenty. No guard: the argument must be finite and below
// 2^51 turns. Without a branch a loop over many terms vectorises.
inline double sin_deg_short(double deg) {
    return quadrant_sin(split_quadrant<5, 6>(without_turns(deg)));
}

}  // namespace vemla::trig
