#include "engine/lunation_cache.h"

#include <cmath>

#include "engine/arithmetic.h"
#include "engine/lunar_phases.h"
#include "engine/lunation_search.h"

namespace vemla {

LunationCache::LunationCache() : slots_(kSlots) {}

const LunationCache::Lunation& LunationCache::Get(int32_t k) {
    Lunation& slot = slots_[static_cast<size_t>(FloorMod(k, kSlots))];
    if (slot.filled && slot.ut.k == k) return slot;
    slot.filled = true;
    slot.ut.k = k;
    for (int p = kDarkMoon; p <= kLastQuarter; ++p) {
        slot.td[p] = SyzygyTD(k, p);
        slot.ut.phase[p] = SyzygyUT(k, p);
    }
    slot.td[4] = SyzygyTD(k + 1, kDarkMoon);
    slot.ut.next_dark = SyzygyUT(k + 1, kDarkMoon);
    return slot;
}

int32_t LunationCache::LunationOf(double ajd) {
    return lunation_search::FindLunation(ajd, DarkMoonZero(),
                                         [this](int32_t k) { return Get(k).ut.phase[kDarkMoon]; });
}

Result<PhaseFound, PhaseError> LunationCache::GetPhase(int32_t k, double ajd) {
    const double x = ajd + DeltaTForMoment(ajd) / 1440.0;
    // The only moment of another lunation asked for is the next dark moon.
    const Lunation& lunation = Get(k);
    return lunation_search::LastPhase(k, x, [&lunation, k](int32_t n, int p) {
        return n == k ? lunation.td[p] : lunation.td[4];
    });
}

Result<std::string, PhaseError> LunationCache::PhaseLabel(double ajd) {
    // Lunation numbers far out, where k + 1 could overflow, are left to the
    // routines that keep nothing.
    if (!(std::fabs(ajd - DarkMoonZero()) < 1e9)) {
        const MoonDisplayData data = ComputeMoonData(ajd);
        if (!data.view) return Fail(data.view.error());
        return data.view->label;
    }
    const int32_t k = LunationOf(ajd);
    const auto found = GetPhase(k, ajd);
    if (!found) return Fail(found.error());
    const int phase = found->phase;
    return PhaseLabelText(IlluminatedShare(ajd, Get(k).ut, phase), phase <= kFirstQuarter);
}

}  // namespace vemla
