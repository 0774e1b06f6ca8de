#include "app/system_clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace vemla {

double SystemClockAJD() {
    using namespace std::chrono;
    constexpr double kUnixEpochAJD = 2440587.5;  // 1970-01-01 00:00 UT
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return kUnixEpochAJD + seconds / 86400.0;
}

int SystemLocalOffsetMinutes() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0;
    return static_cast<int>(std::nearbyint(static_cast<double>(local.tm_gmtoff) / 60.0));
}

}  // namespace vemla
