// Moments of the Moon's phases.
//
// The method is that of Meeus, Astronomical Algorithms (2nd ed.), chapter 49:
// the mean phase follows from the mean elongation of the Moon as a polynomial
// in the lunation number, and a short series in the Sun's and Moon's mean
// anomalies, the Moon's argument of latitude and the node brings the mean
// phase to the true one. Fourteen small planetary terms finish the job. The
// series were fitted to the ELP-2000/82 lunar theory and agree with it to a
// few seconds over the modern era.
//
// A phase is the moment at which the apparent geocentric longitudes of the
// Moon and the Sun differ by 0, 90, 180 or 270 degrees, as almanacs and the
// Chinese calendar count it: the dark moon is the apparent conjunction. The
// series give exactly these moments (the Sun's longitude in their fit carries
// its annual aberration), so they are used as they stand.
//
// Only the arguments M, M', 2F and the node need real sines; every other
// combination in the series is built from them by angle addition, which keeps
// a call well under a microsecond.
//
// Over millennia the moments inherit the secular terms of the mean elements
// (fitted to lunar laser ranging and the JPL ephemerides). Against a modern
// long-span lunar theory (ELP/MPP02) the series stay within a few seconds over
// the modern era, within a minute from AD 1000 on and within a few minutes at
// -3000, where lunar theories themselves diverge by that much.

#include <cstdint>

#include "engine/astro.h"
#include "engine/fast_trig.h"

namespace vemla {

namespace {

// A point on the unit circle: cos and sin of one angle. Products add angles,
// which lets multiples and sums of the fundamental arguments be had for a few
// multiplications instead of a call to sin each.
struct Rot {
    double c;
    double s;
};

inline Rot operator*(Rot a, Rot b) {
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}
// Angle a - b.
inline Rot Sub(Rot a, Rot b) {
    return {a.c * b.c + a.s * b.s, a.s * b.c - a.c * b.s};
}

// The point on the unit circle at an angle in degrees.
inline Rot RotDeg(double deg) {
    Rot r;
    trig::sincos_deg(deg, r.s, r.c);
    return r;
}

// Time (days) the phase series takes from the mean to the true moment of
// phase `phase` (0..3) of fractional lunation k.
// Long by nature: the published series term by term, one expression per phase group.
double MeeusPhase(double k, int phase) {
    // T: Julian centuries from J2000.0, close enough for the secular terms.
    const double t = k / 1236.85;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;

    const double mean_phase =
        2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    // Eccentricity factor of the Earth's orbit: terms in the Sun's anomaly
    // scale with the eccentricity, which slowly decreases.
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    const double e2 = e * e;

    // Sun's mean anomaly, Moon's mean anomaly, Moon's argument of latitude and
    // the longitude of the ascending node.
    const double m_deg = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
    const double mp_deg =
        201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double f_deg =
        160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double node_deg = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;

    const Rot m = RotDeg(m_deg);
    const Rot mp = RotDeg(mp_deg);
    const Rot f2 = RotDeg(2.0 * f_deg);
    const double sin_node = RotDeg(node_deg).s;

    const Rot m2 = m * m;
    const Rot m3 = m2 * m;
    const Rot mp2 = mp * mp;
    const Rot mp3 = mp2 * mp;
    const Rot mp4 = mp3 * mp;
    const Rot mp_p_m = mp * m;        // M' + M
    const Rot mp_m_m = Sub(mp, m);    // M' - M
    const Rot mp_m_f2 = Sub(mp, f2);  // M' - 2F
    const Rot mp_p_f2 = mp * f2;      // M' + 2F

    double corr;
    if (phase == 0 || phase == 2) {
        // New and full moon differ only in the last digit of a few terms.
        const bool full = phase == 2;
        corr = (full ? -0.40614 : -0.40720) * mp.s + (full ? 0.17302 : 0.17241) * e * m.s +
               (full ? 0.01614 : 0.01608) * mp2.s + (full ? 0.01043 : 0.01039) * f2.s +
               (full ? 0.00734 : 0.00739) * e * mp_m_m.s -
               (full ? 0.00515 : 0.00514) * e * mp_p_m.s + (full ? 0.00209 : 0.00208) * e2 * m2.s -
               0.00111 * mp_m_f2.s - 0.00057 * mp_p_f2.s + 0.00056 * e * (mp2 * m).s -
               0.00042 * mp3.s + 0.00042 * e * (m * f2).s + 0.00038 * e * Sub(m, f2).s -
               0.00024 * e * Sub(mp2, m).s - 0.00017 * sin_node - 0.00007 * (mp * m2).s +
               0.00004 * Sub(mp2, f2).s + 0.00004 * m3.s + 0.00003 * Sub(mp_p_m, f2).s +
               0.00003 * (mp2 * f2).s - 0.00003 * (mp_p_m * f2).s + 0.00003 * (mp_m_m * f2).s -
               0.00002 * Sub(mp_m_m, f2).s - 0.00002 * (mp3 * m).s + 0.00002 * mp4.s;
    } else {
        corr = -0.62801 * mp.s + 0.17172 * e * m.s - 0.01183 * e * mp_p_m.s + 0.00862 * mp2.s +
               0.00804 * f2.s + 0.00454 * e * mp_m_m.s + 0.00204 * e2 * m2.s - 0.00180 * mp_m_f2.s -
               0.00070 * mp_p_f2.s - 0.00040 * mp3.s - 0.00034 * e * Sub(mp2, m).s +
               0.00032 * e * (m * f2).s + 0.00032 * e * Sub(m, f2).s - 0.00028 * e2 * (mp * m2).s +
               0.00027 * e * (mp2 * m).s - 0.00017 * sin_node - 0.00005 * Sub(mp_m_m, f2).s +
               0.00004 * (mp2 * f2).s - 0.00004 * (mp_p_m * f2).s + 0.00004 * Sub(mp, m2).s +
               0.00003 * Sub(mp_p_m, f2).s + 0.00003 * m3.s + 0.00002 * Sub(mp2, f2).s +
               0.00002 * (mp_m_m * f2).s - 0.00002 * (mp3 * m).s;
        // The quarters are displaced symmetrically about the half-way points
        // by the asymmetry of the Moon's motion.
        const double w = 0.00306 - 0.00038 * e * m.c + 0.00026 * mp.c - 0.00002 * mp_m_m.c +
                         0.00002 * mp_p_m.c + 0.00002 * f2.c;
        corr += phase == 1 ? w : -w;
    }

    // Planetary perturbations: arguments A1..A14 (degrees, as a0 + a1 k; A1
    // alone has a secular term) with their amplitudes in days.
    static constexpr int kPlanetaryTerms = 14;
    static constexpr double kA0[kPlanetaryTerms] = {299.77, 251.88, 251.83, 349.42, 84.66,
                                                    141.74, 207.14, 154.84, 34.52,  207.19,
                                                    291.34, 161.72, 239.56, 331.55};
    static constexpr double kA1[kPlanetaryTerms] = {
        0.107408, 0.016321,  26.651886, 36.412478, 18.206239, 53.303771, 2.453732,
        7.306860, 27.261239, 0.121824,  1.844379,  24.198154, 25.513099, 3.592518};
    static constexpr double kAmplitude[kPlanetaryTerms] = {
        0.000325, 0.000165, 0.000164, 0.000126, 0.000110, 0.000062, 0.000060,
        0.000056, 0.000047, 0.000042, 0.000040, 0.000037, 0.000035, 0.000023};
    double arg[kPlanetaryTerms];
    for (int i = 0; i < kPlanetaryTerms; ++i) arg[i] = kA0[i] + kA1[i] * k;
    arg[0] -= 0.009173 * t2;
    double sine[kPlanetaryTerms];
    for (int i = 0; i < kPlanetaryTerms; ++i) sine[i] = trig::sin_deg_short(arg[i]);
    double planetary = 0.0;
    for (int i = 0; i < kPlanetaryTerms; ++i) planetary += kAmplitude[i] * sine[i];

    return mean_phase + corr + planetary;
}

}  // namespace

// Phases beyond 0..3 carry into the neighbouring lunations: phase 4 of
// lunation k is the new moon of lunation k + 1, phase -1 the last quarter of
// lunation k - 1. The arithmetic is done in 64 bits so that no k overflows.
double syzyg(int32_t k, int32_t phase, SyzygyWork* /*work*/) {
    const int64_t quarter = 4 * static_cast<int64_t>(k) + phase;
    const int64_t lunation = quarter >= 0 ? quarter / 4 : -((-quarter + 3) / 4);
    const int p = static_cast<int>(quarter - 4 * lunation);
    const double kf = static_cast<double>(lunation) + 0.25 * p;
    return MeeusPhase(kf, p);
}

}  // namespace vemla
