// The long-term general precession against the IAU 2006 one near J2000.
#include "engine/precession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vemla {
namespace {

constexpr double kArcsec = std::numbers::pi / 648000.0;

TEST(GeneralPrecession, MatchesIau2006NearJ2000) {
    // Capitaine, Wallace & Chapront (2003), adopted as IAU 2006: p_A in arcseconds.
    for (double t = -1.0; t <= 1.0; t += 0.0625) {
        const double iau2006 =
            t * (5028.796195 + t * (1.1054348 + t * (0.00007964 + t * -0.000023857)));
        EXPECT_NEAR(general_precession(t) / kArcsec, iau2006, 0.001) << t;
    }
    // The node of the two ecliptics vanishes at J2000; the angle must not.
    EXPECT_NEAR(general_precession(0.0) / kArcsec, 0.0, 1e-6);
    EXPECT_NEAR(general_precession(1e-7) / kArcsec, 5028.8e-7, 1e-6);
}

}  // namespace
}  // namespace vemla
