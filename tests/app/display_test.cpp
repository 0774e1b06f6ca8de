// The texts of the date rows, the element-animal labels, the local offset
// and delta T.
#include "app/display.h"

#include <clocale>

#include "main_state_fixture.h"

namespace vemla::test {
namespace {

class DisplayTest : public MainStateTest {
protected:
    DisplayTest() : MainStateTest("CST-8") {}
};

TEST_F(DisplayTest, NoonOfJ2000InEveryRow) {
    const MainView& v = state.View();
    EXPECT_EQ(Value(kCalCE), "2000-01-01 CE 12:00 GMT Saturday");
    EXPECT_EQ(v.rows[kCalCE].value.tooltip,
              "The 1st day of January in the year 2000 in the Common Era Calendar (London).");
    EXPECT_EQ(Value(kCalJC), "1999-12-19 JC 12:00 GMT Saturday");
    EXPECT_EQ(Value(kCalCEX), "2000-01-01 CEX 20:00 local Saturday");
    EXPECT_EQ(Value(kCalAJD), "2,451,545.0000 AJD");
    EXPECT_EQ(Value(kCalCJDC), "2,451,545.8333 CJDC");
    EXPECT_EQ(v.rows[kCalCJDC].caption.caption, "Chronological JD 120º East");
    EXPECT_EQ(Value(kCalCJDX), "2,451,545.8333 CJDX");
    // The 25th day of the eleventh month of the earth-rabbit year, a wu-wu day.
    EXPECT_EQ(Value(kCalCHL), "79-16-11-25 CHL 20:00 CCT");
    EXPECT_EQ(v.rows[kCalCHL].value.tooltip,
              "The 25th day (earth-horse) of month 11 (fire-rat) in the earth-rabbit year (nian) at "
              "position 16 of cycle 79 (year 4697).");
    EXPECT_EQ(Value(kCalCHS), "79-17-01-11 CHS 20:00 CCT");
    EXPECT_EQ(v.day_stem_branch.caption, "wu-wu");
    EXPECT_EQ(v.day_element_animal.caption, "earth-horse day");
    EXPECT_EQ(v.month_element_animal.caption, "fire-rat month");
    EXPECT_EQ(v.year_element_animal.caption, "ji-mao earth-rabbit year");
    EXPECT_EQ(v.year_count.caption, "Year 4697");
    EXPECT_EQ(v.day_stem * 100 + v.day_branch, 507);   // wu-wu
    EXPECT_EQ(v.year_stem * 100 + v.year_branch, 604);  // ji-mao
    EXPECT_EQ(v.local_offset.caption, "GMT +  8:00");
    EXPECT_EQ(v.delta_t.caption, "1 minute");
    // Five and a half days before the dark moon of 2000-01-06.
    EXPECT_EQ(v.moon_phase.caption.rfind("Crescent moon (waning), ", 0), 0u) << v.moon_phase.caption;
    EXPECT_EQ(v.moon_age.caption.rfind("[-1] 24 days, 13 hrs, ", 0), 0u) << v.moon_age.caption;
}

TEST_F(DisplayTest, TheEarliestMomentHasNegativeYearsAndCycles) {
    ShowMoment(kMinAJDate);
    EXPECT_EQ(Value(kCalCE), "-3000-01-01 CE 12:00 GMT Wednesday");
    EXPECT_EQ(Value(kCalAJD), "625,333.0000 AJD");
    EXPECT_EQ(Value(kCalCHL).rfind("-5-", 0), 0u) << Value(kCalCHL);
}

TEST_F(DisplayTest, TimesFrom23h59m31sShow24h00AndConvertBack) {
    ShowMoment(kJ2000 + (11 * 3600 + 59 * 60 + 45) / 86400.0);
    EXPECT_EQ(Value(kCalCE), "2000-01-01 CE 24:00 GMT Saturday");
    state.ClickDateRow(kCalCE, 1);
    state.Convert();
    EXPECT_EQ(ui.TakeMessage(), "");
    EXPECT_EQ(Value(kCalCE), "2000-01-02 CE 00:00 GMT Sunday");
}

TEST(JulianDateNumberTextTest, FourDecimalsWithCommaGroupsInAnyLocale) {
    EXPECT_EQ(JulianDateNumberText(12345.67891), "12,345.6789");
    EXPECT_EQ(JulianDateNumberText(2451545.99996), "2,451,546.0000");  // rounding carries
    EXPECT_EQ(JulianDateNumberText(999.25), "999.2500");
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {  // where installed
        EXPECT_EQ(JulianDateNumberText(2451545.5), "2,451,545.5000");
        std::setlocale(LC_ALL, "C");
    }
}

TEST(LocalOffsetTest, ComesFromTheTimeZoneInForce) {
    EXPECT_EQ(LocalOffsetText(-330), "GMT -  5:30");
    EXPECT_EQ(LocalOffsetText(645), "GMT +  10:45");
    FakeUserInterface ui;
    MainState state(ui);
    const std::pair<const char*, const char*> zones[] = {
        {"NST+3:30", "GMT -  3:30"},
        {"UTC0", "GMT"},
        {"AAA-1BBB,0/0,J365/25", "GMT +  2:00"},  // summer time all year
    };
    for (const auto& [zone, text] : zones) {
        ScopedTimeZone scoped(zone);
        state.ShowLocalOffset();
        EXPECT_EQ(state.View().local_offset.caption, text) << zone;
    }
}

TEST(DeltaTTextTest, UpToOneDayAsADuration) {
    EXPECT_EQ(DeltaTText(1440.0), "1 day");
    EXPECT_EQ(DeltaTText(1440.2), "More than 24 hours");
    EXPECT_EQ(DeltaTText(125.4), "2 hours and 5 minutes");
    EXPECT_EQ(DeltaTText(2.5), "2 minutes");  // halves to even
}

}  // namespace
}  // namespace vemla::test
