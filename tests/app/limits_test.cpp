// The edges of what the program computes: moments past the range typing
// accepts survive a save and a restart, and a listing that reaches the end of
// the engine's years says so instead of printing what the tables do not hold.
#include <gtest/gtest.h>

#include <functional>

#include "app/application.h"
#include "app/event_search.h"
#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/move_step.h"
#include "app/new_years.h"
#include "common/temp_folder.h"
#include "fake_user_interface.h"
#include "recording_list_output.h"

namespace vemla {
namespace {

constexpr double k2950 = 2798526.0, k3300 = 2926361.0, k8870 = 4960762.0;  // noon, 1 January

TEST(Limits, AStateSavedPastTheTypedRangeRestores) {
    test::FakeUserInterface ui;
    TempFolder folder;
    auto start = [&] {
        auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, folder.path() / "vemla.usr"});
        auto app = std::move(std::get<std::unique_ptr<Application>>(made));
        app->Startup();
        return app;
    };
    auto app = start();
    MainState& m = app->Main();
    m.SetEpochIndex(1);
    m.SetLongitudeIndex(16);
    // A century step is checked before it is taken: from 2950 it shows 3050.
    m.MutableSettings().move_step_index = kStepCECentury;
    m.SetCurrentAJD(k2950);
    app->Mover().MoveStep();
    // A search knows no bound: winter solstices on a dark moon lie centuries apart.
    for (bool search : {false, true}) {
        if (search) {
            m.SetTargetIndex(kTargetWinterSolsticeDarkMoon);
            for (int i = 0; i < 20 && m.CurrentAJD() < k3300; ++i) app->Searcher().Search();
        }
        ASSERT_GT(m.CurrentAJD(), kMaxAJDate);
        app->SaveState();
        auto again = start();
        EXPECT_EQ(again->Main().CurrentAJD(), m.CurrentAJD()) << search;
        EXPECT_EQ(again->Main().CurrentSettings().longitude_index, 16) << search;
        EXPECT_EQ(again->Main().CurrentSettings().target_index, m.CurrentSettings().target_index);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(Limits, ListingsEndWithTheLineThatSaysWhere) {
    CalendarEngine engine;
    ListContext context{engine, k8870, "CCT", "epoch = -2696, method = true sun"};
    const std::function<void(test::RecordingListOutput&)> listings[] = {
        [&](auto& out) { ListNewYears(context, 32767, out); },
        [&](auto& out) { ListLunarNewYears(context, "193-47-01-01 CHL", 32767, false, out); },
        [&](auto& out) { ListMonthStarts(context, 8870, 30000, false, out); },
    };
    for (const auto& list : listings) {
        test::RecordingListOutput out;
        list(out);
        EXPECT_EQ(out.Lines().back() + "\r\n", EngineYearsEndLine());
        EXPECT_NE(out.text.find("8883-"), std::string::npos);  // the last of the engine's years
        EXPECT_EQ(out.text.find("8884-"), std::string::npos);
        EXPECT_EQ(out.text.find("Anomaly"), std::string::npos);
        EXPECT_TRUE(out.messages.empty());
    }
}

}  // namespace
}  // namespace vemla
