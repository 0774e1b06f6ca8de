#include "engine/uncertainty.h"

#include <algorithm>
#include <cmath>

namespace vemla {

double AstronomyUncertaintyMinutes(double year) {
    // Anchors: 1 minute at 1000, 5 minutes at -3000.
    if (year >= 1000.0) return 1.0;
    return 1.0 + 4.0 * (1000.0 - year) / 4000.0;
}

double DeltaTUncertaintyMinutes(double year) {
    const double t = (year - 1820.0) / 100.0;
    return 0.8 * t * t / 60.0;
}

double MomentUncertaintyMinutes(double year) {
    return std::hypot(AstronomyUncertaintyMinutes(year), DeltaTUncertaintyMinutes(year));
}

double BorderlineMarginMinutes(double year) {
    return std::max(kMinimumMarginMinutes, MomentUncertaintyMinutes(year));
}

double YearOfMoment(double cjd) {
    // Day 2451545 is 2000-01-01; a mean Gregorian year is 365.2425 days.
    return 2000.0 + (cjd - 2451545.0) / 365.2425;
}

}  // namespace vemla
