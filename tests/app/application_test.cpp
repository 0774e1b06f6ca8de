// The program as a whole without windows: program texts at start-up, the
// saved state through the Save and Restore buttons, and the log buttons.
#include "app/application.h"

#include <gtest/gtest.h>

#include "../common/temp_folder.h"
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
    ui.answer = MessageAnswer::kYes;
    app->RestoreStateButton();
    ASSERT_EQ(ui.messages.size(), 1u);  // the question about the log configuration
    EXPECT_EQ(ui.messages[0].text, "Restore previous log configuration also?");
    EXPECT_EQ(m.CurrentSettings().epoch_index, 1);
    EXPECT_EQ(m.CurrentSettings().longitude_index, 16);
    EXPECT_EQ(m.CCT(), "BEI");
    EXPECT_DOUBLE_EQ(m.CurrentAJD(), 2451545.0);
    EXPECT_EQ(m.View().date_text, "");
    EXPECT_FALSE(m.View().control(Control::kSaveState).enabled);
    EXPECT_FALSE(m.View().control(Control::kRestoreState).enabled);
    EXPECT_EQ(m.ValueCaption(kCalCE), "2000-01-01 CE 12:00 GMT Saturday");
}

TEST_F(ApplicationTest, NoToTheQuestionKeepsTheLogConfiguration) {
    auto app = Make(StatePath());
    app->SaveState();
    app->Main().LogPrefs().include_jc = true;
    ui.answer = MessageAnswer::kNo;
    app->RestoreStateButton();
    EXPECT_TRUE(app->Main().LogPrefs().include_jc);
    ui.answer = MessageAnswer::kYes;
    app->RestoreStateButton();
    EXPECT_FALSE(app->Main().LogPrefs().include_jc);
}

TEST_F(ApplicationTest, LogButtons) {
    auto app = Make(std::nullopt);
    app->ViewLog();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "View Log");
    EXPECT_EQ(ui.messages[0].text, "Log is empty");
    app->AddToLog();
    const std::string& log = app->Log().Text();
    EXPECT_EQ(log.rfind(app->Main().WindowCaption() + "\r\n\r\n", 0), 0u);
    EXPECT_TRUE(app->Main().View().control(Control::kViewLog).visible);
    // Auto log writes its heading after Convert.
    app->Main().SetAutoLog(true);
    app->Main().SetDateText("2000-01-01 CE");
    app->Main().SetPlusMinusText("1");
    app->Main().Convert();
    EXPECT_NE(app->Log().Text().find("\r\nPlus 1 day\r\n"), std::string::npos);
    ui.answer = MessageAnswer::kOk;
    app->ClearLog();
    EXPECT_TRUE(app->Log().Text().empty());
    EXPECT_FALSE(app->Main().View().control(Control::kViewLog).visible);
}

}  // namespace
}  // namespace vemla
