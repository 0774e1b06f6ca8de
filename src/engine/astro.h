// The astronomy beneath the calendar: moments of the Moon's phases, delta T and
// the true-sun solar terms. Every moment here is an astronomical Julian date in
// dynamical time (TT); the callers move it into Universal Time with delta T.
//
// Why these names look different: the lower-case C-style functions here
// (pointer arguments, int32_t codes, record fields in capitals) keep the
// interfaces of the date and astronomy libraries the calendar has always
// been computed with, field for field, so that records and codes written by
// older tools mean the same here. The rest of the engine wraps them in its
// own style (european.h, lunar_phases.h, solar_terms.h); new code calls the
// wrappers.
#pragma once

#include <cstdint>

namespace vemla {

// Scratch space a caller may hand to syzyg(). The functions never rely on it;
// it exists so that callers with their own work area (the moon display) keep it.
struct SyzygyWork {
    double unused = 0.0;
};

// Moment (TT, AJD) of phase `phase` (0 dark moon, 1 first quarter, 2 full moon,
// 3 last quarter) of lunation k. Lunation 0 begins with the dark moon of
// 2000-01-06; consecutive lunations follow one another and the four phases of
// one lunation come in order. `work` may be null.
double syzyg(int32_t k, int32_t phase, SyzygyWork* work);

// Delta T (TT - UT) in minutes for a whole Common Era year, by the Espenak and
// Meeus (2006) polynomials evaluated at mid-year. The second argument is the
// model code callers have always passed (1915); it is accepted and ignored.
double deltat(double year, int32_t model);

// Fills out[0..5] with the TT moments at which the Sun's apparent geocentric
// longitude equals L0, L0+15, ..., L0+75 degrees, where L0 is the multiple of
// 90 degrees of the quarter point nearest `start`. `start` and `end` are the
// TT moments of two consecutive quarter points; they serve only as first
// guesses, the quarter point itself is solved for exactly. An `end` that is not finite or not
// 80 to 100 days after `start` is ignored; if `start` is not finite or lies more than 20,000
// years from J2000, all six moments are NaN.
void solar_terms_true_sun(double start, double end, double out[6]);

}  // namespace vemla
