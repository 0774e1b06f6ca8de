// The main window's rows and labels: the texts of the dates, the
// element-animal labels, the local offset and delta T; a clicked row converted
// back, the moon labels and message, and the web links.
#include "app/display.h"

#include <clocale>
#include <vector>

#include "common/web_links.h"
#include "main_state_fixture.h"

namespace vemla::test {
namespace {

class DisplayTest : public MainStateTest {
  protected:
    DisplayTest() : MainStateTest("CST-8") {}

    // The calendar rows and the row clicked: the other Julian-date rows
    // carry fractions of a minute that a clicked calendar date drops.
    std::vector<std::string> Captions(int clicked) const {
        std::vector<std::string> captions;
        for (int i : {int{kCalCE}, int{kCalJC}, int{kCalCHL}, int{kCalCHS}, int{kCalCEX}, clicked})
            captions.push_back(Value(i));
        return captions;
    }
};

TEST_F(DisplayTest, NoonOfJ2000InEveryRow) {
    const MainView& v = state.View();
    EXPECT_EQ(Value(kCalCE), "2000-01-01 CE 12:00 GMT Saturday");
    EXPECT_EQ(Value(kCalJC), "1999-12-19 JC 12:00 GMT Saturday");
    EXPECT_EQ(Value(kCalCEX), "2000-01-01 CEX 20:00 local Saturday");
    EXPECT_EQ(Value(kCalCJDC), "2,451,545.8333 CJDC");
    EXPECT_EQ(Value(kCalCJDX), "2,451,545.8333 CJDX");
    // The 25th day of the eleventh month of the earth-rabbit year, a wu-wu day.
    EXPECT_EQ(Value(kCalCHL), "79-16-11-25 CHL 20:00 CCT");
    EXPECT_EQ(
        v.rows[kCalCHL].value.tooltip,
        "The 25th day (earth-horse) of month 11 (fire-rat) in the earth-rabbit year (nian) at "
        "position 16 of cycle 79 (year 4697).");
    EXPECT_EQ(Value(kCalCHS), "79-17-01-11 CHS 20:00 CCT");
    EXPECT_EQ(v.day_stem_branch.caption, "wu-wu");
    EXPECT_EQ(v.day_element_animal.caption, "earth-horse day");
    EXPECT_EQ(v.month_element_animal.caption, "fire-rat month");
    EXPECT_EQ(v.year_element_animal.caption, "ji-mao earth-rabbit year");
    EXPECT_EQ(v.year_count.caption, "Year 4697");
    EXPECT_EQ(v.local_offset.caption, "GMT +  8:00");
    EXPECT_EQ(v.delta_t.caption, "1 minute");
    // Five and a half days before the dark moon of 2000-01-06.
    EXPECT_EQ(v.moon_phase.caption.rfind("Crescent moon (waning), ", 0), 0u)
        << v.moon_phase.caption;
    EXPECT_EQ(v.moon_age.caption.rfind("[-1] 24 days, 13 hrs, ", 0), 0u) << v.moon_age.caption;
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

TEST(MoonPhaseErrorTextTest, TheSideOfTheLunationAsItsNumber) {
    EXPECT_EQ(kMoonPhaseErrorTitle, "Error");
    EXPECT_EQ(MoonPhaseErrorText(PhaseError::kAfterLunation),
              "Error-1 when calling GetPhase() in DisplayMoonData().");
    EXPECT_EQ(MoonPhaseErrorText(PhaseError::kBeforeLunation),
              "Error-2 when calling GetPhase() in DisplayMoonData().");
}

TEST_F(DisplayTest, EveryRowConvertsBackToTheSameCaptions) {
    const double moments[] = {
        2460350.9008333,    // 2024-02-10 09:37:12 GMT: first day of a lunar year
        2460035.6325231,    // 2023-04-01 03:10:50 GMT: a leap second month
        2460300.7501157,    // 2023-12-22 06:00:10 GMT: first day of Z11, no meridian name
        2451545.3126,       // 2000-01-01 19:30:09 GMT: the next day locally
        kMinAJDate + 0.35,  // -3000-01-01 20:24 GMT: negative years and cycles
        kMaxAJDate - 0.26,  // 3000-01-01 05:45:36 GMT, hours before the end of the range
    };
    for (double moment : moments) {
        for (int row = 0; row < kCalendarCount; ++row) {
            ShowMoment(moment);
            const auto before = Captions(row);
            state.ClickDateRow(row, 1);
            state.Convert();
            EXPECT_EQ(ui.TakeMessage(), "Calendar dates unchanged.") << before.back();
            EXPECT_EQ(Captions(row), before) << before.back();
            EXPECT_EQ(state.Calendar(), row);
        }
    }
}

TEST_F(DisplayTest, MoonLabelsAndWebLinks) {
    state.ClickMoonPhase();
    state.ClickMoonAge();
    EXPECT_EQ(ui.clipboard, (std::vector<std::string>{state.View().moon_phase.caption,
                                                      state.View().moon_age.caption}));
    state.manual_file = "/usr/share/doc/vemla/vemla-manual.html";
    state.OpenOnlineDocumentation();
    EXPECT_EQ(ui.opened_links.back(), "file:///usr/share/doc/vemla/vemla-manual.html");
    EXPECT_TRUE(ui.messages.empty());
    ui.browser_works = false;
    state.OpenOnlineDocumentation();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Cannot launch web browser");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(ui.messages[0].text,
              "Error launching web browser.  Please make sure that your web browser is correctly "
              "installed and configured.\n\nThe user manual is the file "
              "/usr/share/doc/vemla/vemla-manual.html.");
}

}  // namespace
}  // namespace vemla::test
