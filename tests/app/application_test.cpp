// The program as a whole without windows: program texts at start-up, the
// saved state through the Save and Restore buttons (also for moments past the
// range typing accepts), and the log buttons and headings.
#include "app/application.h"

#include <gtest/gtest.h>

#include "../common/temp_folder.h"
#include "app/event_search.h"
#include "app/move_step.h"
#include "fake_user_interface.h"

namespace vemla {
namespace {

class ApplicationTest : public ::testing::Test {
  protected:
    std::unique_ptr<Application> Make(std::optional<std::filesystem::path> state_file) {
        auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::move(state_file)});
        EXPECT_TRUE(std::holds_alternative<std::unique_ptr<Application>>(made));
        auto app = std::move(std::get<std::unique_ptr<Application>>(made));
        app->Startup();
        return app;
    }
    std::filesystem::path StatePath() const { return folder.path() / "vemla.usr"; }

    test::ScopedTimeZone zone{"UTC0"};
    test::FakeUserInterface ui;
    TempFolder folder;
};

TEST_F(ApplicationTest, SaveThenRestoreBringsBackSettingsAndMoment) {
    auto app = Make(StatePath());
    MainState& m = app->Main();
    m.SetEpochIndex(1);
    m.SetLongitudeIndex(16);  // 116 degrees East, "BEI"
    m.SetCurrentAJD(2451545.0);
    m.DisplayAll();
    app->SaveState();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    EXPECT_FALSE(m.View().control(Control::kSaveState).enabled);

    m.SetEpochIndex(0);
    m.SetLongitudeIndex(20);
    m.SetCurrentAJD(2460000.0);
    m.SetDateText("2024-01-01");
    m.LogPrefs().include_jc = true;
    ui.answer = MessageAnswer::kNo;  // keeps the log configuration
    app->RestoreStateButton();
    EXPECT_EQ(ui.TakeMessage(), "Restore previous log configuration also?");
    EXPECT_TRUE(m.LogPrefs().include_jc);
    EXPECT_EQ(m.CurrentSettings().epoch_index, 1);
    EXPECT_EQ(m.CCT(), "BEI");
    EXPECT_EQ(m.View().date_text, "");
    EXPECT_FALSE(m.View().control(Control::kSaveState).enabled);
    EXPECT_FALSE(m.View().control(Control::kRestoreState).enabled);
    EXPECT_EQ(m.ValueCaption(kCalCE), "2000-01-01 CE 12:00 GMT Saturday");  // redisplayed
    ui.answer = MessageAnswer::kYes;
    app->RestoreStateButton();
    EXPECT_FALSE(m.LogPrefs().include_jc);
}

TEST_F(ApplicationTest, AStateSavedPastTheTypedRangeRestores) {
    auto app = Make(StatePath());
    MainState& m = app->Main();
    // A century step is checked before it is taken: from 2950 it shows 3050.
    m.MutableSettings().move_step_index = kStepCECentury;
    m.SetCurrentAJD(2798526.0);  // noon, 2950-01-01
    app->Mover().MoveStep();
    // A search knows no bound: winter solstices on a dark moon lie centuries apart.
    for (bool search : {false, true}) {
        if (search) {
            m.SetTargetIndex(kTargetWinterSolsticeDarkMoon);
            for (int i = 0; i < 20 && m.CurrentAJD() < 2926361.0; ++i) app->Searcher().Search();
        }
        ASSERT_GT(m.CurrentAJD(), kMaxAJDate);
        app->SaveState();
        auto again = Make(StatePath());
        EXPECT_EQ(again->Main().CurrentAJD(), m.CurrentAJD()) << search;
        EXPECT_EQ(again->Main().CurrentSettings().target_index, m.CurrentSettings().target_index);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(ApplicationTest, LogButtonsAndTheHeadingsOfAutoLog) {
    auto app = Make(std::nullopt);
    app->ViewLog();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "View Log");
    EXPECT_EQ(ui.TakeMessage(), "Log is empty");
    app->AddToLog();
    EXPECT_EQ(app->Log().Text().rfind(app->Main().WindowCaption() + "\r\n\r\n", 0), 0u);
    EXPECT_TRUE(app->Main().View().control(Control::kViewLog).visible);

    // Auto log writes its heading after Convert, every step of a run and a search.
    MainState& m = app->Main();
    m.SetAutoLog(true);
    m.SetDateText("2000-01-01 CE");
    m.SetPlusMinusText("1");
    m.Convert();
    app->Mover().SelectStep(kStepCHLMonth);
    app->Mover().SetRepeatedly(true);
    app->RepeatedMove().Move();
    app->RepeatedMove().Tick();
    app->RepeatedMove().Stop();
    m.SelectTarget(kTargetDarkMoon);
    m.SetNext(false);
    app->Searcher().Search();
    const std::string& log = app->Log().Text();
    EXPECT_NE(log.find("\r\nPlus 1 day\r\n"), std::string::npos);
    const size_t first = log.find("Move forward 1 CHL month");
    EXPECT_NE(log.find("Move forward 1 CHL month", first + 1), std::string::npos);
    EXPECT_NE(log.find("Search for previous dark moon"), std::string::npos);

    ui.answer = MessageAnswer::kOk;
    app->ClearLog();
    EXPECT_TRUE(app->Log().Text().empty());
    EXPECT_FALSE(m.View().control(Control::kViewLog).visible);
}

}  // namespace
}  // namespace vemla
