// The Sun's apparent geocentric longitude, the quantity the solar terms are defined by.
#pragma once

namespace vemla {

// Apparent geocentric ecliptic longitude of the Sun in degrees, [0, 360), referred to the true
// equinox and ecliptic of date, at the Julian date `jd_tt` (TT). Built from the truncated
// VSOP87D Earth (see vsop87_earth.h): heliocentric longitude + 180 degrees, referred to the
// long-term precession (see precession.h), IAU 1980 nutation in longitude and annual
// aberration. Within a few hundredths of an arcsecond of the full theory over 1900..2100, a few
// arcseconds over -3000..3000. NaN when `jd_tt` is not finite or more than 20,000 years from
// J2000.
double solar_longitude(double jd_tt);

// Arcseconds added to the VSOP87D longitude of date at `jd_tt` (TT) to refer it to the
// long-term precession instead of the one folded into the series: a few seconds of arc, a
// smooth function of time.
double series_precession_correction(double jd_tt);

}  // namespace vemla
