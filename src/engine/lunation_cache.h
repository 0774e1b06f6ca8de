// The phases of lunations kept between calls. A file of dates from the same
// few centuries meets the same few thousand lunations again and again; here
// each one's phases are worked out once, and the answers are exactly those of
// ComputeMoonData.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/lunar_phases.h"
#include "engine/moon_data.h"
#include "engine/result.h"

namespace vemla {

class LunationCache {
  public:
    LunationCache();

    // The phase label ComputeMoonData(ajd) gives ("Crescent moon (waxing),
    // 23.4%"), or why it finds no phase.
    Result<std::string, PhaseError> PhaseLabel(double ajd);

  private:
    // As LunationOf and GetPhase, for moments within a million years or so.
    int32_t LunationOf(double ajd);
    Result<PhaseFound, PhaseError> GetPhase(int32_t k, double ajd);

    struct Lunation {
        bool filled = false;
        LunationMoments ut;              // the four phases and the next dark moon, in UT
        double td[5] = {0, 0, 0, 0, 0};  // the same five moments in dynamical time
    };
    // Lunation k, worked out when its slot holds another one.
    const Lunation& Get(int32_t k);

    // Slots by k modulo their number: a fixed few hundred kilobytes, more
    // lunations than 200 years hold.
    static constexpr int32_t kSlots = 4096;
    std::vector<Lunation> slots_;
};

}  // namespace vemla
