// How well the engine knows the moment of a dark moon or a solar term.
//
// Two things stand between a computed moment and the true one:
// - the astronomy: our Moon and Sun against modern long-span theories
//   (ELP/MPP02 with VSOP87 and long-term precession, and the Moshier
//   ephemeris fitted to DE404) differ by about a minute from 1000 to 3000 CE
//   and by up to about five minutes at -3000, where the lunar theories
//   themselves diverge;
// - delta T, the difference between dynamical time, in which the astronomy
//   runs, and Universal Time, in which days are counted. Its uncertainty is
//   taken as sigma = 0.8 t^2 seconds, t in centuries from 1820, the estimate
//   of Morrison & Stephenson (2004) used by Espenak & Meeus, "Five Millennium
//   Canon of Solar Eclipses" (NASA TP-2006-214141): seconds today, about
//   31 minutes at -3000.
// The two are independent and combine as the root of the sum of squares.
//
// A date is borderline when a deciding moment lies within its margin of
// midnight. The margin is the uncertainty, but never less than five minutes:
// published almanacs computed with older theories spread that far even where
// our own uncertainty is a minute.
#pragma once

namespace vemla {

inline constexpr double kMinimumMarginMinutes = 5.0;

// Uncertainty of our Moon and Sun in minutes for a (fractional) CE year:
// 1 minute from 1000 on, growing linearly to 5 minutes at -3000 and on
// beyond it.
double AstronomyUncertaintyMinutes(double year);

// One standard deviation of delta T in minutes: 0.8 t^2 seconds,
// t = (year - 1820) / 100.
double DeltaTUncertaintyMinutes(double year);

// Both combined (root-sum-square), in minutes.
double MomentUncertaintyMinutes(double year);

// The margin around midnight within which a moment leaves its day in doubt.
double BorderlineMarginMinutes(double year);

// The fractional CE year of a chronological Julian date (good to a day,
// which is all the models need).
double YearOfMoment(double cjd);

}  // namespace vemla
