// ComputeMoonData: the moon display's one use of the lunar phase routines,
// kept apart from the texts and pictures so those stay free of astronomy.
#include "engine/lunar_phases.h"
#include "engine/moon_data.h"

namespace vemla {

MoonDisplayData ComputeMoonData(double ajd) {
    LunationMoments moments;
    moments.k = LunationOf(ajd);
    for (int p = kDarkMoon; p <= kLastQuarter; ++p) moments.phase[p] = SyzygyUT(moments.k, p);
    moments.next_dark = SyzygyUT(moments.k + 1, kDarkMoon);
    return MoonDataFor(ajd, moments, GetPhase(moments.k, ajd));
}

}  // namespace vemla
