#include "app/system_clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace vemla {

TEST(SystemClock, LocalOffsetIncludesDaylightSaving) {
    const char* old = getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "IST-5:30", 1);
    tzset();
    EXPECT_EQ(SystemLocalOffsetMinutes(), 330);
    setenv("TZ", "XST+5XDT+4,J1/0,J365/25", 1);  // daylight saving all year
    tzset();
    EXPECT_EQ(SystemLocalOffsetMinutes(), -240);
    if (old) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
    tzset();
}

}  // namespace vemla
