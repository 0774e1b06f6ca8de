// The option "Chinese characters" and the small settings file beside the
// state file that remembers it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../common/temp_folder.h"
#include "app/application.h"
#include "app/extra_settings.h"
#include "fake_user_interface.h"

namespace vemla {
namespace {

TEST(ExtraSettings, ReadLenientlyKeepingUnknownKeys) {
    const ExtraSettings read = ExtraSettings::Parse(
        "# c\r\n; c\r\n\r\nno equals\r\n=v\r\n chinese_characters = no \r\nnew_key=a "
        "b\r\nchinese_characters=On");
    EXPECT_TRUE(read.Flag(kChineseCharactersKey, false));  // the later line wins
    EXPECT_EQ(ExtraSettings::Parse(read.Text()).Value("new_key"), "a b");
    ExtraSettings written;
    written.Set("new_key", "a\nchinese_characters=true");  // a value cannot start a line
    EXPECT_FALSE(ExtraSettings::Parse(written.Text()).Flag(kChineseCharactersKey, false));
}

TEST(ChineseCharactersOption, OffAtFirstThenRememberedWithoutTouchingTheStateFile) {
    TempFolder folder;
    test::FakeUserInterface ui;
    ui.now = 2460350.9;  // 2024-02-10 09:36 GMT, the lunar new year at 120 degrees East
    auto start = [&](const std::filesystem::path& settings) {
        auto app = std::get<std::unique_ptr<Application>>(
            Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, folder.path() / "vemla.usr"}));
        app->SetSettingsFile(settings);
        app->Startup();
        return app;
    };
    const std::filesystem::path settings = folder.Write("vemla.ini", "new_key=kept\n");
    auto first = start(settings);
    const MainView& view = first->Main().View();
    EXPECT_FALSE(first->Main().ChineseCharacters() || view.chinese_characters.visible);
    first->SetChineseCharacters(true);
    EXPECT_EQ(view.chinese_characters.caption,
              "甲辰年正月初一 丙寅月 甲辰日 龙年\u3000\u3000甲辰岁立春第七日");
    EXPECT_TRUE(view.rows[kCalCHS].value.tooltip.ends_with(".\n甲辰岁立春第七日"));
    std::stringstream text;
    text << std::ifstream(settings).rdbuf();
    EXPECT_EQ(text.str(),
              "# Vemla: settings beyond the saved state\nchinese_characters=true\nnew_key=kept\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "vemla.usr"));
    EXPECT_TRUE(start(settings)->Main().View().chinese_characters.visible);
    EXPECT_TRUE(ui.messages.empty());

    start(folder.path() / "no folder" / "vemla.ini")->SetChineseCharacters(true);
    EXPECT_EQ(ui.TakeMessage(), "Unable to remember the setting: No such file or directory");
}

}  // namespace
}  // namespace vemla
