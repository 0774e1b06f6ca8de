// Long runs through the whole program: a repeated move of many steps with automatic logging,
// many consecutive searches of every target, and every day of the admissible range, -3000-01-01
// to 3000-01-01 CE, under the default settings: its lunar and solar dates convert back to the
// same day, and the captions the main window shows, clicked and converted, give back the same
// captions. Each step, hit and day is checked, and the memory a run takes apart from its log.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "app/application.h"
#include "app/event_search.h"
#include "app/fake_user_interface.h"
#include "app/main_state.h"
#include "app/move_step.h"
#include "app/settings.h"
#include "engine/chinese_dates.h"
#include "engine/chinese_text.h"
#include "engine/european.h"

namespace vemla {
namespace {

constexpr double kFirstDay2000 = 2451544.5;  // 2000-01-01 CE, midnight UT

long PeakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The whole program under the default settings at 120 degrees East, without a state file.
class LongRuns : public ::testing::Test {
  protected:
    void SetUp() override {
        auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::nullopt});
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Application>>(made))
            << std::get<std::string>(made);
        app = std::move(std::get<std::unique_ptr<Application>>(made));
        app->Startup();
    }
    void RunRepeatedMove(int step, int steps);

    test::ScopedTimeZone zone{"CST-8"};
    test::FakeUserInterface ui;
    std::unique_ptr<Application> app;
};

// The lunar date of a moment converted apart from the program's display.
std::optional<ChDate> LunarDateOf(CalendarEngine& engine, double ajd) {
    const auto chl = engine.CJDateToChLDate(AJDToCJDC(ajd, engine.Settings().Longitude));
    if (!chl) return std::nullopt;
    return *chl;
}

// Moves repeatedly by `step` until `steps` steps are made, checking each: the window shows the
// lunar date the engine gives apart from it, and a day step moves one day, a lunar month step
// 29 or 30 whole days to another month with the day kept (a 30th may become a 29th).
void LongRuns::RunRepeatedMove(int step, int steps) {
    MainState& main = app->Main();
    main.SetAutoLog(true);
    app->Mover().SelectStep(step);
    app->Mover().SelectDirection(true);
    app->Mover().SetRepeatedly(true);
    ui.messages.clear();
    CalendarEngine engine(main.Engine().Settings());
    const long rss_before = PeakRssKiB();
    double before = main.CurrentAJD();
    std::optional<ChDate> previous = LunarDateOf(engine, before);
    ASSERT_TRUE(previous);
    RepeatedMove& run = app->RepeatedMove();
    run.Move();
    int done = 0;
    for (; done < steps && run.State() != RunState::kIdle; run.Tick()) {
        SCOPED_TRACE(testing::Message() << "step " << ++done);
        const double after = main.CurrentAJD();
        ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
        const std::optional<ChDate> chl = LunarDateOf(engine, after);
        ASSERT_TRUE(chl) << "no lunar date for " << after;
        ASSERT_TRUE(main.ValueCaption(kCalCHL).starts_with(ChLShortText(*chl) + " "))
            << main.ValueCaption(kCalCHL);
        const double days = after - before;
        if (step == kStepDay) {
            ASSERT_EQ(days, 1.0);
        } else {
            ASSERT_NEAR(days, std::round(days), 1e-6);
            ASSERT_TRUE(days > 28.5 && days < 30.5);
            ASSERT_TRUE(chl->MonthOrTerm != previous->MonthOrTerm || chl->Leap != previous->Leap);
            ASSERT_TRUE(chl->Day == previous->Day || (previous->Day == 30 && chl->Day == 29))
                << ChLShortText(*previous) << " to " << ChLShortText(*chl);
        }
        before = after;
        previous = chl;
    }
    run.Stop();
    const size_t log_bytes = app->Log().Text().size();
    EXPECT_EQ(done, steps) << "the run ended by itself";
    EXPECT_GT(log_bytes, static_cast<size_t>(steps) * 20) << "each step is logged";
    EXPECT_LT((PeakRssKiB() - rss_before) * 1024.0 - log_bytes, 64.0 * 1024 * 1024)
        << "memory grows apart from the log";
}

TEST_F(LongRuns, TwentyThousandDaySteps) {
    RunRepeatedMove(kStepDay, 20000);
}

TEST_F(LongRuns, TwoThousandLunarMonthSteps) {
    RunRepeatedMove(kStepCHLMonth, 2000);
}

TEST_F(LongRuns, AThousandSearchesOfEveryTargetMoveForward) {
    MainState& main = app->Main();
    for (int target = 0; target < static_cast<int>(kTargetItems.size()); ++target) {
        main.SelectTarget(target);
        if (target >= kFirstElementAnimalTarget) {
            main.SelectElement(0);  // wood
            main.SelectAnimal(0);   // rat
        }
        main.SetNext(true);
        main.SetCurrentAJD(kFirstDay2000);
        main.DisplayAll();
        ui.messages.clear();
        double before = main.CurrentAJD();
        // A hit may lie beyond the admissible range; the searches end there.
        for (int hits = 0; hits < 1000 && before <= kMaxAJDate; ++hits) {
            app->Searcher().Search();
            ASSERT_TRUE(ui.messages.empty()) << kTargetItems[target] << ": search " << hits + 1
                                             << " from " << before << ": " << ui.messages[0].text;
            ASSERT_GT(main.CurrentAJD(), before) << kTargetItems[target] << ": " << hits + 1;
            before = main.CurrentAJD();
        }
    }
}

constexpr int32_t kFirstDay = 625333;  // -3000-01-01 CE
constexpr int32_t kLastDay = 2816788;  // 3000-01-01 CE

// Days apart of the days swept through the window: VEMLA_SWEEP_STEP, 1 (every day) unless set.
int32_t SweepStep() {
    const char* step = std::getenv("VEMLA_SWEEP_STEP");
    const int value = step ? std::atoi(step) : 1;
    return value >= 1 ? value : 1;
}

using FullRange = LongRuns;

// Every day converts to both Chinese calendars and back with the engine alone; every day the
// sweep step picks is also shown, and each of its captions clicked and converted must give back
// the same captions.
TEST_F(FullRange, EveryDayRoundTripsAndItsCaptionsConvertBack) {
    MainState& state = app->Main();
    CalendarEngine engine;
    const int32_t sweep_step = SweepStep();
    auto captions = [&] {
        return std::array{state.ValueCaption(kCalCE), state.ValueCaption(kCalJC),
                          state.ValueCaption(kCalCHL), state.ValueCaption(kCalCHS)};
    };
    int failures = 0;
    for (int32_t day = kFirstDay; day <= kLastDay && failures < 20; ++day) {
        const auto dates = engine.CJDateToChDates(day);
        if (!dates || engine.ChLDateToJDN(dates->chl).value_or(0) != day ||
            engine.ChSDateToJDN(dates->chs).value_or(0) != day) {
            ADD_FAILURE() << "day " << day << " does not convert or round-trip";
            ++failures;
        }
        if ((day - kFirstDay) % sweep_step != 0) continue;
        // A different minute of each day, so that the lunar and solar dates
        // (at 120 degrees East) fall on either side of the Common Era date's
        // midnight; kept inside the range at both ends.
        const int minute = static_cast<int>((int64_t{day} * 37) % 1440);
        const double moment = std::clamp(day - 0.5 + minute / 1440.0, kMinAJDate, kMaxAJDate);
        state.SetCurrentAJD(moment);
        state.DisplayAll();
        const auto shown = captions();
        for (int row : {int{kCalCE}, int{kCalJC}, int{kCalCHL}, int{kCalCHS}}) {
            ui.messages.clear();
            state.ClickDateRow(row, 1);
            state.Convert();
            if (ui.TakeMessage() != kUnchangedText || captions() != shown) {
                ADD_FAILURE() << "day " << day << ": " << shown[row]
                              << " clicked and converted shows " << state.ValueCaption(row);
                ++failures;
                state.SetCurrentAJD(moment);
                state.DisplayAll();
            }
        }
    }
}

}  // namespace
}  // namespace vemla
