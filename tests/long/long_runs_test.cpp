// Long runs through the whole program: a repeated move of many steps with
// automatic logging, and many consecutive searches of every target. Each step
// and each hit is checked; the time taken and the peak memory are printed.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <iostream>
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

struct RunFigures {
    int steps = 0;
    double seconds = 0.0;
    long rss_before = 0, rss_after = 0;
    size_t log_bytes = 0;
};

// Moves repeatedly by `step` until `steps` steps are made, checking each.
RunFigures RunRepeatedMove(int step, int steps) {
    RunFigures figures;
    test::ScopedTimeZone zone("CST-8");
    test::FakeUserInterface ui;
    auto app = MakeApplication(ui);
    if (!app) return figures;
    MainState& main = app->Main();
    main.SetAutoLog(true);
    app->Mover().SelectStep(step);
    app->Mover().SelectDirection(true);
    app->Mover().SetRepeatedly(true);
    ui.messages.clear();
    CalendarEngine engine(main.Engine().Settings());

    figures.rss_before = PeakRssKiB();
    const auto start = std::chrono::steady_clock::now();
    double before = main.CurrentAJD();
    std::optional<ChDate> previous = LunarDateOf(engine, before);
    int failures = 0;
    RepeatedMove& run = app->RepeatedMove();
    run.Move();
    while (failures < 20) {
        ++figures.steps;
        const double after = main.CurrentAJD();
        if (!ui.messages.empty()) {
            ADD_FAILURE() << "step " << figures.steps << " shows " << ui.messages[0].text;
            ++failures;
            ui.messages.clear();
        }
        const std::optional<ChDate> chl = LunarDateOf(engine, after);
        if (!chl) {
            ADD_FAILURE() << "step " << figures.steps << ": no lunar date for " << after;
            ++failures;
            break;
        }
        const std::string expected = ChLShortText(*chl) + " ";
        const std::string& caption = main.ValueCaption(kCalCHL);
        if (caption.compare(0, expected.size(), expected) != 0) {
            ADD_FAILURE() << "step " << figures.steps << ": shown " << caption << ", converted " << expected;
            ++failures;
        }
        if (step == kStepDay) {
            if (after != before + 1.0) {
                ADD_FAILURE() << "step " << figures.steps << " moved from " << before << " to " << after;
                ++failures;
            }
        } else if (previous) {
            // One lunar month on: 29 or 30 whole days later, the month changed and
            // the day kept (a 30th becomes the 29th of a short month).
            const double days = after - before;
            const bool whole = std::fabs(days - std::round(days)) < 1e-6;
            const bool month_changed =
                chl->MonthOrTerm != previous->MonthOrTerm || chl->Leap != previous->Leap;
            const bool day_kept =
                chl->Day == previous->Day || (previous->Day == 30 && chl->Day == 29);
            if (!whole || days < 28.5 || days > 30.5 || !month_changed || !day_kept) {
                ADD_FAILURE() << "step " << figures.steps << ": " << ChLShortText(*previous) << " to "
                              << ChLShortText(*chl) << " in " << days << " days";
                ++failures;
            }
        }
        before = after;
        previous = chl;
        if (figures.steps >= steps || run.State() == RunState::kIdle) break;
        run.Tick();
    }
    const bool ended_early = run.State() == RunState::kIdle;
    run.Stop();
    figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.rss_after = PeakRssKiB();
    figures.log_bytes = app->Log().Text().size();
    EXPECT_FALSE(ended_early) << "the run ended by itself after " << figures.steps << " steps";
    EXPECT_EQ(figures.steps, steps);
    EXPECT_GT(figures.log_bytes, static_cast<size_t>(steps) * 20) << "each step is logged";

    const double growth = (figures.rss_after - figures.rss_before) * 1024.0 - figures.log_bytes;
    EXPECT_LT(growth, 64.0 * 1024 * 1024) << "memory grows apart from the log";
    std::cout << kMoveStepItems[step] << ": " << figures.steps << " steps in " << figures.seconds
              << " s, peak RSS " << figures.rss_before << " -> " << figures.rss_after << " KiB, log "
              << figures.log_bytes << " bytes\n";
    return figures;
}

TEST(LongRuns, TwentyThousandDaySteps) { RunRepeatedMove(kStepDay, 20000); }

TEST(LongRuns, TwoThousandLunarMonthSteps) { RunRepeatedMove(kStepCHLMonth, 2000); }

TEST(LongRuns, AThousandSearchesOfEveryTargetMoveForward) {
    test::ScopedTimeZone zone("CST-8");
    test::FakeUserInterface ui;
    auto app = MakeApplication(ui);
    ASSERT_TRUE(app);
    MainState& main = app->Main();
    const auto all = std::chrono::steady_clock::now();
    for (int target = 0; target < static_cast<int>(kTargetItems.size()); ++target) {
        const int searches = 1000;
        main.SelectTarget(target);
        if (target >= kFirstElementAnimalTarget) {
            main.SelectElement(0);  // wood
            main.SelectAnimal(0);   // rat
        }
        main.SetNext(true);
        main.SetCurrentAJD(kFirstDay2000);
        main.DisplayAll();
        ui.messages.clear();
        const auto start = std::chrono::steady_clock::now();
        double before = main.CurrentAJD();
        int hits = 0;
        bool reached_end = false;
        for (int i = 0; i < searches; ++i) {
            app->Searcher().Search();
            const double after = main.CurrentAJD();
            if (!ui.messages.empty()) {
                ADD_FAILURE() << kTargetItems[target] << ": search " << i + 1 << " from " << before
                              << " shows " << ui.messages[0].text;
                break;
            }
            if (!(after > before)) {
                ADD_FAILURE() << kTargetItems[target] << ": search " << i + 1 << " went from " << before
                              << " to " << after;
                break;
            }
            before = after;
            ++hits;
            // A hit may lie beyond the admissible range; the searches end there.
            if (after > kMaxAJDate) {
                reached_end = true;
                break;
            }
        }
        EXPECT_TRUE(hits == searches || reached_end) << kTargetItems[target] << ": " << hits << " hits";
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::cout << kTargetItems[target] << ": " << hits << " hits in " << seconds << " s, last at AJD "
                  << std::fixed << before << std::defaultfloat << ", peak RSS " << PeakRssKiB() << " KiB"
                  << (reached_end ? " (end of range reached)" : "") << "\n";
    }
    std::cout << "all targets: "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - all).count() << " s\n";
}

}  // namespace
}  // namespace vemla
