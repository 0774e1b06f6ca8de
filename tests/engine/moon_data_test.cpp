// The moon display's texts and pictures, from numbers handed in and for real moments.
#include "engine/moon_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

#include "engine/lunar_phases.h"

namespace vemla {
namespace {

constexpr uint32_t kShadow = kMoonShadowColour;

// A lit pixel is bright; the shadow colour and the dark grey of the unlit
// disc both have little green.
bool IsLit(uint32_t colour) {
    return ((colour >> 8) & 0xFF) > 128;
}

TEST(MoonAgeText, DaysHoursAndMinutesWithPlurals) {
    // Parts are cut down, not rounded: 59.9 minutes stay 59.
    for (const auto& [age, text] : std::initializer_list<std::pair<double, const char*>>{
             {5.0 + 1.0 / 24 + 12.5 / 1440, "5 days, 1 hr, 12 mins"},
             {1.0 + 1.0 / 24 + 1.5 / 1440, "1 day, 1 hr, 1 min"},
             {2.0 + 59.9 / 1440, "2 days, 0 hrs, 59 mins"},
             {std::nan(""), ""}})
        EXPECT_EQ(AgeText(age), text) << age;
}

// The mark appears from 0.05% to 99.95%; the name follows the unrounded share; halves go up.
TEST(MoonPhaseLabel, NamesAndMarksAtTheirBoundaries) {
    const std::tuple<double, bool, const char*> cases[] = {
        {0.5, false, "Half moon (waning), 50.0%"},
        {0.0004, true, "Dark moon, 0.0%"},
        {0.0006, true, "Dark moon (waxing), 0.1%"},
        {0.9996, false, "Full moon, 100.0%"},
        {0.0101, true, "Crescent moon (waxing), 1.0%"},
        {0.5499, true, "Half moon (waxing), 55.0%"},
        {0.5501, true, "Gibbous moon (waxing), 55.0%"},
        {0.9901, true, "Full moon (waxing), 99.0%"},
        {0.12355, true, "Crescent moon (waxing), 12.4%"}};
    for (const auto& [f, waxing, text] : cases) EXPECT_EQ(PhaseLabelText(f, waxing), text) << f;
}

TEST(MoonDataFromMoments, PhaseNotFoundLeavesOnlyThePhaseOut) {
    // A made-up lunation 7: dark moon at 100, quarters 7 and 22 days on, full moon at 15.
    LunationMoments m;
    m.k = 7;
    std::tie(m.phase[0], m.phase[1], m.phase[2], m.phase[3], m.next_dark) =
        std::tuple(100.0, 107.0, 115.0, 122.0, 129.5);
    for (PhaseError why : {PhaseError::kAfterLunation, PhaseError::kBeforeLunation}) {
        const MoonDisplayData data = MoonDataFor(101.5, m, Fail(why));
        ASSERT_FALSE(data.view);
        EXPECT_EQ(data.view.error(), why);
        // The age label comes before the phase and is still filled in.
        EXPECT_EQ(data.age_label, "[7] 1 day, 12 hrs, 0 mins (5.1%)");
    }
}

// Lunation 0 from tests/data/moon-phases.tsv (TT), less delta T for 2000 from
// tests/data/delta-t.tsv.
TEST(MoonDataForMoments, January2000AgainstTheReferenceTable) {
    constexpr double kDeltaT = 1.066873565 / 1440.0;
    constexpr double kDark0 = 2451550.26021226 - kDeltaT,
                     kFirstQuarter0 = 2451558.06614724 - kDeltaT;
    constexpr double kDark1 = 2451580.04467663 - kDeltaT;
    // 3.5 days before the dark moon of 2000-02-05: 3.5 / 8.213 / 2 lit.
    MoonDisplayData data = ComputeMoonData(kDark1 - 3.5);
    ASSERT_TRUE(data.view);
    EXPECT_EQ(data.view->label, "Crescent moon (waning), 21.3%");
    // 1.5 days (and half a minute) after the dark moon of 2000-01-06, in a lunation of 29.784 days.
    data = ComputeMoonData(kDark0 + 1.5 + 30.0 / 86400);
    EXPECT_EQ(data.age_label, "[0] 1 day, 12 hrs, 0 mins (5.0%)");
    // Two days after the first quarter, a quarter of the way to the full moon 6.629 days later.
    data = ComputeMoonData(kFirstQuarter0 + 2.0);
    ASSERT_TRUE(data.view);
    EXPECT_EQ(data.view->label, "Gibbous moon (waxing), 65.1%");
    // A minute and a half either side of the dark moon of lunation 1.
    data = ComputeMoonData(kDark1 - 90.0 / 86400);
    EXPECT_EQ(data.lunation, 0);
    ASSERT_TRUE(data.view);
    EXPECT_EQ(data.view->label, "Dark moon, 0.0%");
    data = ComputeMoonData(kDark1 + 90.0 / 86400);
    EXPECT_EQ(data.age_label.rfind("[1] 0 days, 0 hrs, 1 min (0.0%)", 0), 0u) << data.age_label;
}

TEST(MoonPictures, BasePicturesAndTheEdgeOfTheDisc) {
    const MoonImage first = MakeMoonPicture(MoonPicture::kFirstQuarter);
    ASSERT_EQ(first.pixels.size(), 90u * 90u);
    EXPECT_TRUE(IsLit(first.at(45, 46)));  // the centre column belongs to the right half
    EXPECT_FALSE(IsLit(first.at(44, 46)));
    EXPECT_NE(first.at(44, 46), first.at(0, 0));  // the unlit disc stands out from the ground
    EXPECT_TRUE(MakeMoonPicture(MoonPicture::kFull, 0, 90).pixels.empty());
    // Points at exactly the radius (45) are inside, the ground outside takes the shadow colour.
    const MoonImage image = LoadMoonPicture(MoonPicture::kFull, kShadow);
    EXPECT_NE(image.at(0, 46), kShadow);
    EXPECT_EQ(image.at(0, 45), kShadow);
    EXPECT_NE(image.at(72, 10), kShadow);  // 27^2 + 36^2 = 45^2
    EXPECT_EQ(image.at(73, 10), kShadow);
}

// The lit area of the drawn disc is the share f of the disc: a crescent is a
// half disc less a half ellipse, (1 - d) / 2 = f; a gibbous Moon a half disc
// and a half ellipse, (1 + d) / 2 = f. Lit pixels must sit on the lit side,
// and nothing outside the disc may show.
TEST(MoonPictures, LitAreaFollowsTheShareOnTheRightSide) {
    const MoonDisc disc = MoonDiscOf(90, 90);
    for (bool waxing : {true, false}) {
        for (double f = 0.0; f <= 1.0001; f += 0.02) {
            SCOPED_TRACE(testing::Message() << "f " << f << " waxing " << waxing);
            const MoonImage image = DrawMoon(MoonDrawingOf(f, waxing), kShadow);
            int inside = 0, lit = 0;
            double lit_x = 0.0;
            for (int y = 0; y < image.height; ++y) {
                for (int x = 0; x < image.width; ++x) {
                    const int dx = x - disc.x0, dy = disc.y0 - y;
                    const uint32_t c = image.at(x, y);
                    if (dx * dx + dy * dy > disc.r2) {
                        ASSERT_EQ(c, kShadow) << x << "," << y;
                        continue;
                    }
                    ++inside;
                    if (IsLit(c)) {
                        ++lit;
                        lit_x += dx;
                    }
                }
            }
            // Pictures shown unpainted near the phases are off by up to 0.01.
            EXPECT_NEAR(static_cast<double>(lit) / inside, f, 0.03);
            if (lit > 50 && f < 0.97) {
                EXPECT_EQ(lit_x > 0.0, waxing);
            }
        }
    }
}

}  // namespace
}  // namespace vemla
