// Branch-free cosine and sine for summing long trigonometric series.
//
// The planetary and nutation series evaluate hundreds of terms A cos(B + C t) with small
// amplitudes, so they need neither correct rounding nor errno handling, only an absolute error
// far below the arcsecond budget. These kernels reduce the argument by a rounded multiple of
// 2 pi and evaluate Taylor polynomials of the half angle; without branches or library calls the
// compiler can vectorise a loop over several instants at once.
//
// The rounding trick below needs IEEE double arithmetic in round-to-nearest without
// reassociation: do not build this with -ffast-math.
#pragma once

#include "engine/arithmetic.h"

namespace vemla::trig {

// Nearest integer to x as a double, for |x| < 2^51: adding 1.5 * 2^52 pushes the fraction bits
// out of the significand. Unlike a cast to an integer this is defined for every input (NaN and
// infinities come out as NaN; huge finite values come out as a meaningless finite number).
inline double round_nearest(double x) {
    constexpr double kShift = 6755399441055744.0;
    return (x + kShift) - kShift;
}

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
    constexpr double kCoefficients[] = {1.0,
                                        -1.0 / 6.0,
                                        1.0 / 120.0,
                                        -1.0 / 5040.0,
                                        1.0 / 362880.0,
                                        -1.0 / 39916800.0,
                                        1.0 / 6227020800.0};
    return h * Horner(kCoefficients, h * h);
}

// cos(h) for |h| <= pi/2 through h^14; error below (pi/2)^16 / 16! = 7e-11.
inline double cos_half(double h) {
    constexpr double kCoefficients[] = {
        1.0,           -1.0 / 2.0,       1.0 / 24.0,        -1.0 / 720.0,
        1.0 / 40320.0, -1.0 / 3628800.0, 1.0 / 479001600.0, -1.0 / 87178291200.0};
    return Horner(kCoefficients, h * h);
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

}  // namespace vemla::trig
