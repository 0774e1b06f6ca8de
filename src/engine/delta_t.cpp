// Delta T = TT - UT, the drift of the Earth's rotation against uniform time.
//
// The piecewise polynomials are those of Espenak and Meeus (2006), fitted to
// the historical reconstruction of Morrison and Stephenson (2004) and to
// observation since the telescope. Each polynomial gives seconds; we return
// minutes. Far from the observed era (before -500 and after 2150) the
// long-term parabola -20 + 32 u^2 stands in, a tidal braking of the Earth of
// about 32 s per century squared counted from 1820; between 2050 and 2150 a
// linear term joins the parabola smoothly onto the 2005..2050 extrapolation.

#include <cmath>

#include "engine/arithmetic.h"
#include "engine/astro.h"

namespace vemla {

namespace {

// The long-term parabola, in seconds.
double Parabola(double y) {
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
}

// Delta T in seconds at decimal year y. Each piece is taken over the half-open
// interval [lower, upper) of its validity.
double DeltaTSeconds(double y) {
    if (y < -500.0 || y >= 2150.0) return Parabola(y);
    if (y < 500.0) {
        static constexpr double c[] = {10583.6,    -1014.41,    33.78311,    -5.952053,
                                       -0.1798452, 0.022174192, 0.0090316521};
        return Horner(c, y / 100.0);
    }
    if (y < 1600.0) {
        static constexpr double c[] = {1574.2,     -556.01,      71.23472,    0.319781,
                                       -0.8503463, -0.005050998, 0.0083572073};
        return Horner(c, (y - 1000.0) / 100.0);
    }
    if (y < 1700.0) {
        static constexpr double c[] = {120.0, -0.9808, -0.01532, 1.0 / 7129.0};
        return Horner(c, y - 1600.0);
    }
    if (y < 1800.0) {
        static constexpr double c[] = {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0};
        return Horner(c, y - 1700.0);
    }
    if (y < 1860.0) {
        static constexpr double c[] = {13.72,       -0.332447,    0.0068612,     0.0041116,
                                       -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
        return Horner(c, y - 1800.0);
    }
    if (y < 1900.0) {
        static constexpr double c[] = {7.62,       0.5737,        -0.251754,
                                       0.01680668, -0.0004473624, 1.0 / 233174.0};
        return Horner(c, y - 1860.0);
    }
    if (y < 1920.0) {
        static constexpr double c[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
        return Horner(c, y - 1900.0);
    }
    if (y < 1941.0) {
        static constexpr double c[] = {21.20, 0.84493, -0.076100, 0.0020936};
        return Horner(c, y - 1920.0);
    }
    if (y < 1961.0) {
        static constexpr double c[] = {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0};
        return Horner(c, y - 1950.0);
    }
    if (y < 1986.0) {
        static constexpr double c[] = {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0};
        return Horner(c, y - 1975.0);
    }
    if (y < 2005.0) {
        static constexpr double c[] = {63.86,     0.3345,      -0.060374,
                                       0.0017275, 0.000651814, 0.00002373599};
        return Horner(c, y - 2000.0);
    }
    if (y < 2050.0) {
        static constexpr double c[] = {62.92, 0.32217, 0.005589};
        return Horner(c, y - 2000.0);
    }
    return Parabola(y) - 0.5628 * (2150.0 - y);
}

}  // namespace

// Plain floating-point arithmetic throughout: a NaN year gives NaN, and a huge
// or infinite year falls to the parabola and gives a huge or infinite delta T,
// never undefined behaviour.
double deltat(double year, int32_t /*model*/) {
    if (std::isnan(year)) return year;
    return DeltaTSeconds(year + 0.5) / 60.0;
}

}  // namespace vemla
