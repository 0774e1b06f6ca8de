// The computer's clock as the program counts time.
#pragma once

namespace vemla {

// The present moment as an astronomical Julian date (Universal Time), from
// the system clock.
double SystemClockAJD();

// The computer's offset of local time from UTC now, in minutes east of
// Greenwich (UTC+8 gives 480), daylight-saving time included.
int SystemLocalOffsetMinutes();

}  // namespace vemla
