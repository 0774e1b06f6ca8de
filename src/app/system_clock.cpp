#include "app/system_clock.h"

#include <chrono>

namespace vemla {

double SystemClockAJD() {
    using namespace std::chrono;
    constexpr double kUnixEpochAJD = 2440587.5;  // 1970-01-01 00:00 UT
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return kUnixEpochAJD + seconds / 86400.0;
}

}  // namespace vemla
