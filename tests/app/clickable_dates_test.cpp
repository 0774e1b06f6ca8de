// Clicks on the date rows and the moon labels, Now and the web links.
#include <vector>

#include "common/web_links.h"
#include "main_state_fixture.h"

namespace vemla::test {
namespace {

class ClickTest : public MainStateTest {
protected:
    ClickTest() : MainStateTest("CST-8") {}

    // The calendar rows and the row clicked: the other Julian-date rows
    // carry fractions of a minute that a clicked calendar date drops.
    std::vector<std::string> Captions(int clicked) const {
        std::vector<std::string> captions;
        for (int i : {int{kCalCE}, int{kCalJC}, int{kCalCHL}, int{kCalCHS}, int{kCalCEX}, clicked}) captions.push_back(Value(i));
        return captions;
    }
};

TEST_F(ClickTest, ValueClickFillsTheEntryBoxesCaptionClickDoesNot) {
    state.ClickDateRow(kCalCE, 0);
    EXPECT_EQ(ui.clipboard.back(), "2000-01-01 CE 12:00 GMT Saturday");
    EXPECT_TRUE(state.View().rows[kCalCE].caption.highlighted);
    EXPECT_EQ(state.View().date_text, "");

    state.SetTimeText("09:09");
    state.ClickDateRow(kCalCJDX, 1);
    EXPECT_EQ(state.View().date_text, "2,451,545.8333 CJDX");
    EXPECT_EQ(state.View().time_text, "");
    EXPECT_EQ(Set().time_zone_index, -1);
    state.ClickDateRow(kCalCEX, 1);
    EXPECT_EQ(state.View().date_text, "2000-01-01 CEX");
    EXPECT_EQ(state.View().time_text, "20:00");
    EXPECT_EQ(Set().time_zone_index, kZoneLocal);
    EXPECT_EQ(state.View().focus, Focus::kDate);
    // The element and animal boxes take the names found in a Chinese caption.
    state.CommitAbbreviation("ox");
    state.ClickDateRow(kCalCHL, 1);
    EXPECT_EQ(Set().animal_index, 1);
    state.ClickDateRow(kCalCE, 1);
    EXPECT_EQ(Set().animal_index, 12);
}

TEST_F(ClickTest, EveryRowConvertsBackToTheSameCaptions) {
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

TEST_F(ClickTest, NowShowsTheClockToTheSecond) {
    std::vector<int> logged;
    state.auto_log = [&logged](int kind) { logged.push_back(kind); };
    state.SetDateText("79-?-01-01 CHL");
    state.SelectAnimal(4);
    state.SetTimeZoneIndex(kZoneLocal);
    ui.now = kJ2000 + 10.7 / 86400;
    state.ShowNow();
    EXPECT_EQ(state.CurrentAJD(), kJ2000 + 10.0 / 86400);
    EXPECT_EQ(state.View().date_text, "");
    EXPECT_EQ(Set().time_zone_index, -1);
    EXPECT_EQ(Set().animal_index, 12);
    EXPECT_TRUE(logged.empty());  // auto log is off
    state.SetAutoLog(true);
    state.ShowNow();
    EXPECT_EQ(logged, std::vector<int>{kAutoLogNow});
}

TEST_F(ClickTest, MoonLabelsAndWebLinks) {
    state.ClickMoonPhase();
    state.ClickMoonAge();
    EXPECT_EQ(ui.clipboard,
              (std::vector<std::string>{state.View().moon_phase.caption, state.View().moon_age.caption}));
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
