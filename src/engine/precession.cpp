#include "engine/precession.h"

#include <cmath>
#include <numbers>

#include "engine/arithmetic.h"
#include "engine/fast_trig.h"

namespace vemla {
namespace {

using std::numbers::pi;

constexpr double kArcsec = pi / 648000.0;
constexpr double kObliquityJ2000 = 84381.406 * kArcsec;
const double kSinObliquity = std::sin(kObliquityJ2000);
const double kCosObliquity = std::cos(kObliquityJ2000);

// One long-period term of a pole's two coordinates a and b (arcseconds): a_cos cos w +
// a_sin sin w and b_cos cos w + b_sin sin w, with w = 2 pi T / period, T and the period in
// Julian centuries.
struct PoleTerm {
    double period;
    double a_cos, b_cos, a_sin, b_sin;
};

// Cubic parts of the two coordinates, arcseconds, T^0..T^3.
struct PolePolynomial {
    double a[4];
    double b[4];
};

// Pole of the ecliptic: P_A = sin(pi_A) sin(Pi_A), Q_A = sin(pi_A) cos(Pi_A), where pi_A and
// Pi_A are the inclination and node of the ecliptic of date on the J2000 ecliptic.
constexpr PolePolynomial kEclipticPolynomial = {{5851.607687, -0.1189000, -0.00028913, 101e-9},
                                                {-1600.886300, 1.1689818, -0.00000020, -437e-9}};
constexpr PoleTerm kEclipticTerms[] = {
    {708.15, -5486.751211, -684.661560, 667.666730, -5523.863691},
    {2309.00, -17.127623, 2446.283880, -2354.886252, -549.747450},
    {1620.00, -617.517403, 399.671049, -428.152441, -310.998056},
    {492.20, 413.442940, -356.652376, 376.202861, 421.535876},
    {1183.00, 78.614193, -186.387003, 184.778874, -36.776172},
    {622.00, -180.732815, -316.800070, 335.321713, -145.278396},
    {882.00, -87.676083, 198.296701, -185.138669, -34.744450},
    {547.00, 46.140315, 101.135679, -120.972830, 22.885731},
};

// Pole of the equator: its X and Y on the J2000 mean equator and equinox.
constexpr PolePolynomial kEquatorPolynomial = {{5453.282155, 0.4252841, -0.00037173, -152e-9},
                                               {-73750.930350, -0.7675452, -0.00018725, 231e-9}};
constexpr PoleTerm kEquatorTerms[] = {
    {256.75, -819.940624, 75004.344875, 81491.287984, 1558.515853},
    {708.15, -8444.676815, 624.033993, 787.163481, 7774.939698},
    {274.20, 2600.009459, 1251.136893, 1251.296102, -2219.534038},
    {241.45, 2755.175630, -1102.212834, -1257.950837, -2523.969396},
    {2309.00, -167.659835, -2660.664980, -2966.799730, 247.850422},
    {492.20, 871.855056, 699.291817, 639.744522, -846.485643},
    {396.10, 44.769698, 153.167220, 131.600209, -1393.124055},
    {288.90, -512.313065, -950.865637, -445.040117, 368.526116},
    {231.10, -819.415595, 499.754645, 584.522874, 749.045012},
    {1610.00, -538.071099, -145.188210, -89.756563, 444.704518},
    {620.00, -189.793622, 558.116553, 524.429630, 235.934465},
    {157.87, -402.922932, -23.923029, -13.549067, 374.049623},
    {220.30, 179.516345, -165.405086, -210.157124, -171.330180},
    {1200.00, -9.814756, 9.344131, -44.919798, -22.899655},
};

struct Vector {
    double x, y, z;
};

Vector cross(const Vector& u, const Vector& v) {
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

double dot(const Vector& u, const Vector& v) {
    return u.x * v.x + u.y * v.y + u.z * v.z;
}

// The two coordinates of a pole in radians at T centuries. The terms' amplitudes reach 8e4",
// so the fast kernels' 3e-9 relative error stays below a milliarcsecond.
template <int N>
void pole(const PolePolynomial& polynomial, const PoleTerm (&terms)[N], double t, double& a,
          double& b) {
    a = Horner(polynomial.a, t);
    b = Horner(polynomial.b, t);
    const double turns = 2.0 * pi * t;
    for (const PoleTerm& term : terms) {
        double s;
        double c;
        trig::fast_sincos(turns / term.period, s, c);
        a += term.a_cos * c + term.a_sin * s;
        b += term.b_cos * c + term.b_sin * s;
    }
    a *= kArcsec;
    b *= kArcsec;
}

}  // namespace

double general_precession(double centuries) {
    const double t = centuries;
    const double sin_e0 = kSinObliquity;
    const double cos_e0 = kCosObliquity;

    // Poles of the ecliptic and of the equator of date, unit vectors on the J2000 mean equator
    // and equinox.
    double p;
    double q;
    pole(kEclipticPolynomial, kEclipticTerms, t, p, q);
    const double w = std::sqrt(std::fmax(0.0, 1.0 - p * p - q * q));
    const Vector ecliptic = {p, -q * cos_e0 - w * sin_e0, -q * sin_e0 + w * cos_e0};
    double x;
    double y;
    pole(kEquatorPolynomial, kEquatorTerms, t, x, y);
    const Vector equator = {x, y, std::sqrt(std::fmax(0.0, 1.0 - x * x - y * y))};

    // The equinox of date lies on both planes; the node on the J2000 ecliptic, whose pole is
    // (0, -sin e0, cos e0) and whose first and second axes are (1, 0, 0) and (0, cos e0,
    // sin e0). Neither needs normalising: only angles are taken.
    const Vector equinox = cross(equator, ecliptic);
    const Vector node = cross({0.0, -sin_e0, cos_e0}, ecliptic);
    // Angle from the equinox of date to the node, turning about the ecliptic pole of date...
    const double sin_date = dot(cross(equinox, node), ecliptic);
    const double cos_date = dot(equinox, node);
    // ...less the node's J2000 longitude, taken as one angle. Near J2000 the node is ill
    // defined, but both angles move with it and their difference does not.
    const double sin_j2000 = node.y * cos_e0 + node.z * sin_e0;
    const double cos_j2000 = node.x;
    const double angle = std::atan2(sin_date * cos_j2000 - cos_date * sin_j2000,
                                    cos_date * cos_j2000 + sin_date * sin_j2000);
    // atan2 gives the angle within a turn; p_A passes half a turn 13,000 years out. Today's
    // rate alone places it within ten degrees over the model's 200,000 years either way, so
    // take the turn nearest that.
    const double estimate = 5029.0 * kArcsec * t;
    return angle + 2.0 * pi * trig::round_nearest((estimate - angle) / (2.0 * pi));
}

}  // namespace vemla
