// The list window through the program: the main window's buttons, the years
// box, the captions while a listing runs, Stop and Close between lines, the
// year data's options, copying; and the self-test, its round trips and its
// window.
#include "app/list_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "app/application.h"
#include "app/self_test.h"
#include "chinese_date_maker.h"
#include "fake_user_interface.h"
#include "recording_list_output.h"

namespace vemla {
namespace {

using test::MakeChDate;
using test::RecordingListOutput;

constexpr std::string_view kRandomHeader =
    "Doing 1000 random solar,lunar -> JDN -> solar,lunar\r\n";

// A platform whose pending events act on the window, as the user would
// between two lines of a listing.
struct EventfulUserInterface : test::FakeUserInterface {
    void DoPendingEvents() override {
        if (on_pending) on_pending(++pending);
    }
    std::function<void(int)> on_pending;
    int pending = 0;
};

class ListWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::nullopt});
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Application>>(made));
        app = std::move(std::get<std::unique_ptr<Application>>(made));
        app->Startup();
        app->Main().SetCurrentAJD(2460351.0);  // 2024-02-10 12:00 GMT, 79-41-01-01 CHL
        app->Main().DisplayAll();
    }
    // Runs `action` at the n-th pending-events call from now on.
    void AtPendingEvents(int n, std::function<void()> action) {
        ui.pending = 0;
        ui.on_pending = [n, action](int call) {
            if (call == n) action();
        };
    }
    ListWindow& Lists() { return app->Lists(); }
    const ListWindowView& View() { return app->Lists().View(); }
    size_t LineCount() { return test::SplitLines(View().text).size(); }
    std::string Text(int number) { return app->Texts().GetText(number); }

    test::ScopedTimeZone zone{"UTC0"};
    EventfulUserInterface ui;
    std::unique_ptr<Application> app;
};

TEST_F(ListWindowTest, MainWindowButtonsListWithTheYearsOfTheBox) {
    std::string streamed;
    Lists().text_written = [&](std::string_view piece) { streamed += piece; };
    Lists().OpenList(ListKind::kLunarNewYears);
    EXPECT_EQ(View().caption, "Lunar new years & Chinese anniversaries");
    EXPECT_EQ(View().years_text, "20");
    EXPECT_EQ(LineCount(), 3u + 20u);
    EXPECT_EQ(streamed, View().text);
    EXPECT_TRUE(View().visible && View().omit_invalid_dates_visible &&
                !View().leap_months_only_visible);

    Lists().SetLeapMonthsOnly(true);
    Lists().OpenList(ListKind::kMonthStarts);
    EXPECT_EQ(View().caption, "Lunar month starts & leap months");
    EXPECT_EQ(View().years_text, "30");
    Lists().OpenList(ListKind::kNewYears);
    EXPECT_EQ(View().caption, "Julian and CE new years");
    EXPECT_EQ(LineCount(), 2u * 20u);

    // The box is read when a list starts and remembered for its kind.
    for (const char* typed : {"", "0", "-3", "abc"})
        EXPECT_EQ(NormaliseYears(typed, 20), 20) << typed;
    EXPECT_EQ(NormaliseYears("99999", 3), kMaxListYears);
    Lists().SetYearsText(" 2 ");
    Lists().List();
    EXPECT_EQ(View().years_text, "2");
    Lists().OpenList(ListKind::kLunarNewYears, "5");
    EXPECT_EQ(LineCount(), 3u + 5u);
    Lists().OpenList(ListKind::kNewYears);
    EXPECT_EQ(View().years_text, "2");
}

TEST_F(ListWindowTest, LongListingsSayCalculatingAndTurnCloseIntoStop) {
    std::string seen;
    auto look = [&] {
        seen = View().years_caption + "|" + View().close_caption + (View().busy ? "|busy" : "");
    };
    AtPendingEvents(1, look);
    Lists().OpenList(ListKind::kLunarNewYears, "30");
    EXPECT_EQ(seen, "years|Close");
    AtPendingEvents(1, look);
    Lists().OpenList(ListKind::kLunarNewYears, "31");
    EXPECT_EQ(seen, "years     Calculating ...|Stop|busy");
    EXPECT_EQ(View().close_caption, Text(18));
    EXPECT_FALSE(View().busy);
}

TEST_F(ListWindowTest, StopAndCloseEndAListingAfterTheCurrentLine) {
    AtPendingEvents(3, [this] { Lists().Stop(); });
    Lists().OpenList(ListKind::kLunarNewYears, "40");
    EXPECT_EQ(LineCount(), 3u + 3u);

    // While Close reads "Stop" it only stops; the window stays.
    AtPendingEvents(2, [this] { Lists().Close(); });
    Lists().List();
    EXPECT_EQ(LineCount(), 3u + 2u);
    EXPECT_TRUE(View().visible);

    // A new listing is not stopped by the old flag, nor disturbed by others
    // started from its pending events.
    ui.on_pending = [this](int) {
        Lists().List();
        Lists().ShowYearData();
        Lists().DoTest(1);
    };
    Lists().List();
    EXPECT_EQ(LineCount(), 3u + 40u);
    EXPECT_EQ(View().caption, "Lunar new years & Chinese anniversaries");

    // While it reads "Close" it stops a listing and hides the window.
    AtPendingEvents(2, [this] { Lists().CloseFromTitleBar(); });
    Lists().OpenList(ListKind::kMonthStarts, "3");
    EXPECT_EQ(LineCount(), 3u + 2u);
    EXPECT_FALSE(View().visible);
}

TEST_F(ListWindowTest, YearDataFollowsItsOptionsAndKeepsTheLargeWindow) {
    Lists().SetLargeWindow(true);
    Lists().ShowYearData();
    EXPECT_EQ(View().caption, "Dates, times and CJDs of dark moons and solar terms");
    EXPECT_TRUE(View().terms_visible && View().large && !View().list_visible);
    // Each option redraws the data at once.
    Lists().SetIncludeMinorTerms(true);
    Lists().SetIncludeMajorTerms(false);
    EXPECT_EQ(View().text.find("  ST 1 Z11"), std::string::npos);
    Lists().SetDisplayTermNames(true);
    EXPECT_NE(View().text.find("  ST 2 J12 Xiao han (Slight cold)\r\n"), std::string::npos);
    Lists().SetJulianCalendar(true);
    EXPECT_NE(View().text.find("(2023 JC),"), std::string::npos);

    // Other lists are not redrawn by them; the first two kinds clear the
    // large window.
    Lists().OpenList(ListKind::kLunarNewYears, "1");
    const std::string listed = View().text;
    Lists().SetIncludeMajorTerms(true);
    Lists().SetJulianCalendar(false);
    EXPECT_EQ(View().text, listed);
    EXPECT_FALSE(View().large);
}

TEST_F(ListWindowTest, CopyTakesTheSelectionOrTheWholeText) {
    EXPECT_FALSE(Lists().CopyToClipboard(""));  // nothing listed yet
    Lists().OpenList(ListKind::kNewYears, "2");
    Lists().SelectionMade(true);
    EXPECT_EQ(View().copy_caption, Text(10));
    Lists().SelectionMade(false);
    EXPECT_EQ(View().copy_caption, Text(11));
    EXPECT_TRUE(Lists().CopyToClipboard("79-40-11-20 CHL"));
    EXPECT_TRUE(Lists().CopyToClipboard(""));
    EXPECT_EQ(ui.clipboard, (std::vector<std::string>{"79-40-11-20 CHL", View().text}));
    EXPECT_EQ(View().copy_caption, "Copy to clipboard");
}

TEST_F(ListWindowTest, SelfTestWindowRunsRandomPairsThenTypedDates) {
    AtPendingEvents(11, [this] { Lists().Stop(); });
    Lists().SetStartText("left over");
    Lists().OpenSelfTest(3);
    EXPECT_EQ(View().caption, "Second test");
    EXPECT_TRUE(View().start_end_visible && View().stop_visible && !View().list_visible);
    EXPECT_EQ(View().text.size(), kRandomHeader.size() + 2 * 10);  // stopped after ten pairs

    ui.on_pending = nullptr;
    Lists().SetStartText("79-40-2*-01 CHL");
    Lists().DoTest();
    EXPECT_EQ(app->Main().View().date_text, "79-40-2*-01 CHL");
    Lists().SetStartText("79-41-01-30 CHL");  // the first month of 2024 has 29 days
    Lists().DoTest();
    EXPECT_EQ(View().text.substr(kRandomHeader.size() + 20), "11Error code = 13\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(SelfTest, RandomRunsShowOnlyGoodRoundTripsAndImpossibleDates) {
    // One whole run, then the first 100 pairs of many more seeds.
    CalendarEngine engine;
    int ones = 0, zeros = 0;
    for (uint64_t seed = 1; seed <= 16; ++seed) {
        const int pairs = seed == 1 ? kRandomPairs : 100;
        RecordingListOutput run;
        if (pairs < kRandomPairs) run.stop_at_question = pairs + 1;
        RunRandomSelfTest(engine, seed, run);
        ASSERT_EQ(run.text.substr(0, kRandomHeader.size()), kRandomHeader);
        const std::string results = run.text.substr(kRandomHeader.size());
        ASSERT_EQ(results.size(), 2u * pairs) << "seed " << seed << ": " << results;
        ASSERT_EQ(results.find_first_not_of("01"), std::string::npos)
            << "seed " << seed << ": " << results;
        ones += static_cast<int>(std::count(results.begin(), results.end(), '1'));
        zeros += static_cast<int>(std::count(results.begin(), results.end(), '0'));
        if (pairs == kRandomPairs) {
            EXPECT_EQ(run.questions, kRandomPairs);
        }
    }
    // The ranges reach past the valid fields, so both results occur.
    EXPECT_GT(ones, 1500);
    EXPECT_GT(zeros, 1500);
}

TEST(SelfTest, ImpossibleDatesGiveZeroAndGoodOnesOne) {
    CalendarEngine engine;
    const ChDate impossible[][2] = {
        {MakeChDate(79, 0, 4, 0, 7), MakeChDate(79, 61, 1, 0, 1)},     // positions 0 and 61
        {MakeChDate(79, 41, 4, 0, 0), MakeChDate(79, 41, 1, 0, -2)},   // days 0 and -2
        {MakeChDate(79, 41, 25, 0, 1), MakeChDate(79, 41, 13, 0, 1)},  // term 25, month 13
        {MakeChDate(79, 41, 4, 0, 16),
         MakeChDate(79, 41, 1, 0, 30)},  // past the term's and month's end
        {MakeChDate(79, 41, 0, 0, 1),
         MakeChDate(79, 41, 4, 1, 1)},  // term 0; no leap month 4 in 2024
    };
    for (const auto& pair : impossible) {
        RecordingListOutput run;
        EXPECT_TRUE(TestDatePair(engine, pair[0], pair[1], run));
        EXPECT_EQ(run.text, "00");
        EXPECT_FALSE(run.stopped);
    }
    // 2024-02-10 is the 7th day of term 4 (J1 began 2024-02-04) and the first
    // of the nian; 2023-03-22 the first day of the leap second month.
    RecordingListOutput good;
    EXPECT_TRUE(
        TestDatePair(engine, MakeChDate(79, 41, 4, 0, 7), MakeChDate(79, 41, 1, 0, 1), good));
    EXPECT_TRUE(
        TestDatePair(engine, MakeChDate(-10, 1, 1, 0, 1), MakeChDate(79, 40, 2, 1, 1), good));
    EXPECT_EQ(good.text, "1111");
}

}  // namespace
}  // namespace vemla
