// Long-term precession of the equinox along the ecliptic.
//
// The Moon and the Sun turn the Earth's axis round the pole of the ecliptic in about 26,000
// years, while the planets slowly tilt the ecliptic itself; the equinox, where the two planes
// meet, slides back along the ecliptic by about 50" a year. Longitudes "of date" are counted
// from that moving equinox. Near J2000 any modern model will do, but over millennia the
// polynomial expansions part: the model here is the long-term one of Vondrák, Capitaine &
// Wallace (2011, with the 2012 corrigendum), which matches the IAU 2006 precession to 0.1 mas
// in the 20th and 21st centuries and stays within a few arcseconds of the numerical theories
// over the historical period. It describes the poles of the ecliptic and of the equator as
// polynomials plus long-period terms, valid over 200,000 years either side of J2000.
#pragma once

namespace vemla {

// General precession in longitude p_A in radians at `centuries` Julian centuries of TT from
// J2000: the longitude, on the ecliptic of date and from the mean equinox of date, of the node
// of the ecliptic of date on the J2000 ecliptic, minus the node's longitude on the J2000
// ecliptic. Zero at J2000, 5029" a century now; negative before J2000. Computed from the two
// poles, so it is exactly the precession those poles imply.
double general_precession(double centuries);

}  // namespace vemla
