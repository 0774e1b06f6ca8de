#include "engine/lunar_phases.h"

#include <cmath>

#include "engine/astro.h"
#include "engine/european.h"
#include "engine/lunation_search.h"

namespace vemla {

double DarkMoonZero() {
    static const double dark_moon_zero = SyzygyUT(0, kDarkMoon);
    return dark_moon_zero;
}

double DeltaTForYear(int32_t year) {
    return deltat(static_cast<double>(year), 1915);
}

double DeltaTForMoment(double moment) {
    // The nearest whole day (halves to even) decides the year, so a moment
    // late on 31 December may already take the new year's value.
    double nearest = std::nearbyint(moment);
    return DeltaTForYear(GregorianYearOf(DayNumberOf(nearest)));
}

double SyzygyTD(int32_t k, int phase) {
    return syzyg(k, phase, nullptr);
}

double SyzygyUT(int32_t k, int phase) {
    double t = SyzygyTD(k, phase);
    return t - DeltaTForMoment(t) / 1440.0;
}

int32_t LunationOf(double ajd) {
    return lunation_search::FindLunation(ajd, DarkMoonZero(),
                                         [](int32_t k) { return SyzygyUT(k, kDarkMoon); });
}

Result<PhaseFound, PhaseError> PhaseInLunation(int32_t k, double x) {
    return lunation_search::LastPhase(k, x, SyzygyTD);
}

Result<PhaseFound, PhaseError> GetPhase(int32_t k, double ajd) {
    return PhaseInLunation(k, ajd + DeltaTForMoment(ajd) / 1440.0);
}

}  // namespace vemla
