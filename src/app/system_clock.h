// The computer's clock as the program counts time.
#pragma once

namespace vemla {

// The present moment as an astronomical Julian date (Universal Time), from
// the system clock.
double SystemClockAJD();

}  // namespace vemla
