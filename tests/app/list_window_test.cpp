// The list window through the program: the main window's buttons, the years
// box, the captions while a listing runs and at its end, Stop and Close
// between lines, the options that redraw the year data, copying, and the
// self-test's window.
#include "app/list_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/application.h"
#include "fake_user_interface.h"
#include "recording_list_output.h"

namespace vemla {
namespace {

constexpr double k20240210 = 2460351.0;  // 2024-02-10 12:00 GMT, 79-41-01-01 CHL

// A platform whose pending events can act on the window, as the user would
// between two lines of a listing.
class EventfulUserInterface : public test::FakeUserInterface {
  public:
    void DoPendingEvents() override {
        ++pending;
        if (on_pending) on_pending();
    }
    std::function<void()> on_pending;
    int pending = 0;
};

class ListWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::nullopt});
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Application>>(made));
        app = std::move(std::get<std::unique_ptr<Application>>(made));
        app->Startup();
        app->Main().SetCurrentAJD(k20240210);
        app->Main().DisplayAll();
    }
    ListWindow& Lists() { return app->Lists(); }
    const ListWindowView& View() { return app->Lists().View(); }
    std::vector<std::string> Lines() { return test::RecordingListOutput::SplitLines(View().text); }
    std::string Text(int number) { return app->Texts().GetText(number); }

    test::ScopedTimeZone zone{"UTC0"};
    EventfulUserInterface ui;
    std::unique_ptr<Application> app;
};

TEST_F(ListWindowTest, MainWindowButtonsListWithTheDefaultNumbersOfYears) {
    std::string streamed;
    Lists().text_written = [&](std::string_view piece) { streamed += piece; };
    Lists().OpenList(ListKind::kLunarNewYears);
    EXPECT_TRUE(View().visible);
    EXPECT_EQ(View().caption, "Lunar new years & Chinese anniversaries");
    EXPECT_EQ(View().years_text, "20");
    EXPECT_EQ(Lines().size(), 3u + 20u);
    EXPECT_EQ(Lines()[3], "79-41-01-01 CHL = 2024-02-10 CE =  2460351 JDN 12m J1:0 Z1:1");
    EXPECT_EQ(streamed, View().text);
    EXPECT_TRUE(View().list_visible);
    EXPECT_TRUE(View().omit_invalid_dates_visible);
    EXPECT_FALSE(View().leap_months_only_visible);
    EXPECT_FALSE(View().terms_visible);
    EXPECT_FALSE(View().start_end_visible);
    EXPECT_EQ(View().years_caption, Text(17));
    EXPECT_EQ(View().close_caption, Text(18));
    EXPECT_EQ(View().copy_caption, "Copy to clipboard");
    EXPECT_FALSE(View().busy);
    EXPECT_TRUE(View().close_has_focus);

    Lists().OpenList(ListKind::kMonthStarts);
    EXPECT_EQ(View().caption, "Lunar month starts & leap months");
    EXPECT_EQ(View().years_text, "3");
    EXPECT_EQ(Lines()[1], "and Julian day number for 3 years from 2023 CE");
    EXPECT_TRUE(View().leap_months_only_visible);
    EXPECT_FALSE(View().omit_invalid_dates_visible);

    Lists().OpenList(ListKind::kNewYears);
    EXPECT_EQ(View().caption, "Julian and CE new years");
    EXPECT_EQ(View().years_text, "20");
    EXPECT_EQ(Lines().size(), 40u);
    EXPECT_EQ(Lines()[0], " 2024-01-01 CE = 79-40-11-20 CHL");
    EXPECT_TRUE(View().caret_at_start);
    EXPECT_FALSE(View().leap_months_only_visible);
    EXPECT_FALSE(View().omit_invalid_dates_visible);
}

TEST_F(ListWindowTest, YearsBoxIsNormalisedAndRememberedForEachKind) {
    EXPECT_EQ(NormaliseYears("", 20), 20);
    EXPECT_EQ(NormaliseYears("0", 20), 20);
    EXPECT_EQ(NormaliseYears("-3", 20), 20);
    EXPECT_EQ(NormaliseYears("abc", 3), 3);
    EXPECT_EQ(NormaliseYears("  12 ", 3), 12);
    EXPECT_EQ(NormaliseYears("99999", 3), kMaxListYears);

    Lists().SetLeapMonthsOnly(true);
    Lists().OpenList(ListKind::kMonthStarts);
    EXPECT_EQ(View().years_text, "30");

    Lists().OpenList(ListKind::kLunarNewYears, "5");
    EXPECT_EQ(Lines().size(), 3u + 5u);
    Lists().SetYearsText("-1");
    Lists().List();
    EXPECT_EQ(View().years_text, "20");
    Lists().SetYearsText("2");
    Lists().List();
    EXPECT_EQ(Lines().size(), 3u + 2u);

    Lists().OpenList(ListKind::kNewYears);
    EXPECT_EQ(View().years_text, "20");
    Lists().OpenList(ListKind::kLunarNewYears);
    EXPECT_EQ(View().years_text, "2");
    Lists().OpenList(ListKind::kMonthStarts);
    EXPECT_EQ(View().years_text, "30");
}

TEST_F(ListWindowTest, LongListingsSayCalculatingAndTurnCloseIntoStop) {
    struct Seen {
        std::string years, close;
        bool busy;
    };
    std::vector<Seen> seen;
    ui.on_pending = [&] {
        if (seen.empty()) seen.push_back({View().years_caption, View().close_caption, View().busy});
    };
    Lists().OpenList(ListKind::kLunarNewYears, "30");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].years, "years");
    EXPECT_EQ(seen[0].close, "Close");
    EXPECT_FALSE(seen[0].busy);

    seen.clear();
    Lists().OpenList(ListKind::kLunarNewYears, "31");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].years, "years     Calculating ...");
    EXPECT_EQ(seen[0].close, "Stop");
    EXPECT_TRUE(seen[0].busy);
    EXPECT_EQ(View().years_caption, Text(17));
    EXPECT_EQ(View().close_caption, Text(18));
    EXPECT_FALSE(View().busy);
}

TEST_F(ListWindowTest, StopAndCloseEndAListingAfterTheCurrentLine) {
    ui.on_pending = [&] {
        if (ui.pending == 3) Lists().Stop();
    };
    Lists().OpenList(ListKind::kLunarNewYears, "40");
    EXPECT_EQ(Lines().size(), 3u + 3u);
    EXPECT_TRUE(View().visible);

    // Close while Close reads "Stop" only stops; the window stays.
    ui.pending = 0;
    ui.on_pending = [&] {
        if (ui.pending == 2) Lists().Close();
    };
    Lists().List();
    EXPECT_EQ(Lines().size(), 3u + 2u);
    EXPECT_TRUE(View().visible);
    EXPECT_EQ(View().close_caption, Text(18));

    // A new listing is not stopped by the old flag.
    ui.on_pending = nullptr;
    Lists().List();
    EXPECT_EQ(Lines().size(), 3u + 40u);

    // Close while it reads "Close" stops a short listing and hides the window.
    ui.pending = 0;
    ui.on_pending = [&] {
        if (ui.pending == 2) Lists().Close();
    };
    Lists().OpenList(ListKind::kMonthStarts, "3");
    EXPECT_EQ(Lines().size(), 3u + 2u);
    EXPECT_FALSE(View().visible);
    EXPECT_TRUE(Lists().StopFlag());

    // Closing an idle window from its title bar hides it.
    ui.on_pending = nullptr;
    Lists().OpenList(ListKind::kNewYears, "1");
    Lists().CloseFromTitleBar();
    EXPECT_FALSE(View().visible);
}

TEST_F(ListWindowTest, ListingsStartedWhileOneRunsAreIgnored) {
    ui.on_pending = [&] {
        Lists().List();
        Lists().ShowYearData();
        Lists().DoTest(1);
    };
    Lists().OpenList(ListKind::kNewYears, "3");
    EXPECT_EQ(Lines().size(), 6u);
    EXPECT_EQ(View().caption, "Julian and CE new years");
    EXPECT_FALSE(Lists().Running());
}

TEST_F(ListWindowTest, YearDataFollowsItsOptions) {
    Lists().ShowYearData();
    EXPECT_TRUE(View().visible);
    EXPECT_EQ(View().caption, "Dates, times and CJDs of dark moons and solar terms");
    EXPECT_TRUE(View().terms_visible);
    EXPECT_FALSE(View().list_visible);
    EXPECT_FALSE(View().stop_visible);
    EXPECT_FALSE(View().start_end_visible);
    const std::string all_terms = View().text;
    EXPECT_EQ(all_terms.rfind("Dates, times and chronological Julian dates of dark moons\r\n", 0),
              0u);
    EXPECT_NE(all_terms.find("  ST 1 Z11\r\n"), std::string::npos);

    Lists().SetIncludeMajorTerms(false);
    EXPECT_EQ(View().text.find("  ST 1 Z11"), std::string::npos);
    EXPECT_NE(View().text.find("  ST 2 J12\r\n"), std::string::npos);
    Lists().SetDisplayTermNames(true);
    EXPECT_NE(View().text.find("  ST 2 J12 Xiao han (Slight cold)\r\n"), std::string::npos);
    Lists().SetIncludeMinorTerms(false);
    EXPECT_EQ(View().text.find("  ST "), std::string::npos);
    Lists().SetJulianCalendar(true);
    EXPECT_NE(View().text.find("(2023 JC),"), std::string::npos);

    // Other lists are not redrawn by the year data's options.
    Lists().OpenList(ListKind::kNewYears, "1");
    const std::string listed = View().text;
    Lists().SetIncludeMajorTerms(true);
    Lists().SetJulianCalendar(false);
    EXPECT_EQ(View().text, listed);
}

TEST_F(ListWindowTest, LargeWindowIsClearedForTheFirstTwoListKinds) {
    Lists().SetLargeWindow(true);
    EXPECT_TRUE(View().large);
    Lists().ShowYearData();
    EXPECT_TRUE(View().large);
    Lists().OpenList(ListKind::kLunarNewYears, "1");
    EXPECT_FALSE(View().large_window);
    EXPECT_FALSE(View().large);
    Lists().SetLargeWindow(true);
    Lists().OpenList(ListKind::kNewYears, "1");
    EXPECT_TRUE(View().large);
}

TEST_F(ListWindowTest, CopyTakesTheSelectionOrTheWholeText) {
    Lists().OpenList(ListKind::kNewYears, "2");
    Lists().SelectionMade(true);
    EXPECT_EQ(View().copy_caption, Text(10));
    Lists().SelectionMade(false);
    EXPECT_EQ(View().copy_caption, Text(11));

    EXPECT_TRUE(Lists().CopyToClipboard("79-40-11-20 CHL"));
    EXPECT_TRUE(Lists().CopyToClipboard(""));
    EXPECT_EQ(ui.clipboard, (std::vector<std::string>{"79-40-11-20 CHL", View().text}));
    EXPECT_EQ(View().copy_caption, "Copy to clipboard");
    EXPECT_TRUE(View().close_has_focus);
}

TEST_F(ListWindowTest, EmptyTextCopiesNothing) {
    Lists().SelectionMade(false);
    EXPECT_FALSE(Lists().CopyToClipboard(""));
    EXPECT_TRUE(ui.clipboard.empty());
    EXPECT_EQ(View().copy_caption, "Copy to clipboard");
}

TEST_F(ListWindowTest, SelfTestWindowRunsRandomPairsThenTypedDates) {
    ui.on_pending = [&] {
        if (ui.pending == 11) Lists().Stop();
    };
    Lists().SetStartText("left over");
    Lists().OpenSelfTest(3);
    EXPECT_EQ(View().caption, "Second test");
    EXPECT_TRUE(View().start_end_visible);
    EXPECT_TRUE(View().stop_visible);
    EXPECT_FALSE(View().list_visible);
    EXPECT_FALSE(View().terms_visible);
    EXPECT_EQ(View().start_text, "");
    EXPECT_EQ(View().text.rfind("Doing 1000 random solar,lunar -> JDN -> solar,lunar\r\n", 0), 0u);
    EXPECT_EQ(View().text.size(), 53u + 2 * 10);

    ui.on_pending = nullptr;
    Lists().SetStartText("79-40-2*-01 CHL");
    Lists().DoTest();
    EXPECT_EQ(View().text.substr(View().text.size() - 2), "11");
    EXPECT_EQ(app->Main().View().date_text, "79-40-2*-01 CHL");

    Lists().SetStartText("79-41-01-30 CHL");  // the first month of 2024 has 29 days
    Lists().DoTest();
    EXPECT_EQ(View().text.substr(View().text.size() - 17), "Error code = 13\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace vemla
