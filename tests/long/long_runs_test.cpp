// Long runs through the whole program: a repeated move of many steps with
// automatic logging, and many consecutive searches of every target. Each step
// and each hit is checked, and the memory a run takes apart from its log.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "app/application.h"
#include "app/event_search.h"
#include "app/fake_user_interface.h"
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

std::unique_ptr<Application> MakeApplication(test::FakeUserInterface& ui) {
    auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::nullopt});
    if (!std::holds_alternative<std::unique_ptr<Application>>(made)) {
        ADD_FAILURE() << std::get<std::string>(made);
        return nullptr;
    }
    auto app = std::move(std::get<std::unique_ptr<Application>>(made));
    app->Startup();
    return app;
}

// The lunar date of a moment converted apart from the program's display.
std::optional<ChDate> LunarDateOf(CalendarEngine& engine, double ajd) {
    ChDate chs, chl;
    if (!engine.CJDateToChDates(AJDToCJDC(ajd, engine.Settings().Longitude), chs, chl)) return std::nullopt;
    return chl;
}

// Moves repeatedly by `step` until `steps` steps are made, checking each: the window shows the
// lunar date the engine gives apart from it, and a day step moves one day, a lunar month step
// 29 or 30 whole days to another month with the day kept (a 30th may become a 29th).
void RunRepeatedMove(int step, int steps) {
    test::ScopedTimeZone zone("CST-8");
    test::FakeUserInterface ui;
    auto app = MakeApplication(ui);
    ASSERT_TRUE(app);
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
        ++done;
        const double after = main.CurrentAJD();
        ASSERT_TRUE(ui.messages.empty()) << "step " << done << ": " << ui.messages[0].text;
        const std::optional<ChDate> chl = LunarDateOf(engine, after);
        ASSERT_TRUE(chl) << "step " << done << ": no lunar date for " << after;
        const std::string expected = ChLShortText(*chl) + " ";
        ASSERT_EQ(main.ValueCaption(kCalCHL).compare(0, expected.size(), expected), 0)
            << "step " << done << ": shown " << main.ValueCaption(kCalCHL);
        const double days = after - before;
        if (step == kStepDay) {
            ASSERT_EQ(days, 1.0) << "step " << done;
        } else {
            ASSERT_NEAR(days, std::round(days), 1e-6) << "step " << done;
            ASSERT_TRUE(days > 28.5 && days < 30.5) << "step " << done;
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

TEST(LongRuns, TwentyThousandDaySteps) { RunRepeatedMove(kStepDay, 20000); }

TEST(LongRuns, TwoThousandLunarMonthSteps) { RunRepeatedMove(kStepCHLMonth, 2000); }

TEST(LongRuns, AThousandSearchesOfEveryTargetMoveForward) {
    test::ScopedTimeZone zone("CST-8");
    test::FakeUserInterface ui;
    auto app = MakeApplication(ui);
    ASSERT_TRUE(app);
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

}  // namespace
}  // namespace vemla
