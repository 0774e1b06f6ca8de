// The option "Chinese characters" and the small settings file that remembers
// it beside the state file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../common/temp_folder.h"
#include "app/application.h"
#include "app/extra_settings.h"
#include "fake_user_interface.h"

namespace vemla {
namespace {

TEST(ExtraSettings, ReadsLenientlyAndKeepsWhatItDoesNotKnow) {
    const ExtraSettings read = ExtraSettings::Parse(
        "# comment\r\n; another\r\n\r\nno equals sign here\r\n=no key\r\n"
        "  chinese_characters =  no \r\nfuture_key=some value\r\nchinese_characters=On");
    EXPECT_TRUE(read.Flag(kChineseCharactersKey, false));  // the later line wins
    EXPECT_EQ(read.Value("future_key"), "some value");
    EXPECT_EQ(ExtraSettings::Parse(read.Text()).Text(), read.Text());

    struct Case {
        const char* text;
        bool flag;
    };
    for (const Case& c :
         {Case{"chinese_characters=TRUE", true}, Case{"chinese_characters=0", false},
          Case{"chinese_characters=maybe", true}, Case{"", true},
          Case{"\xff\xfe\x00garbage", true}})
        EXPECT_EQ(ExtraSettings::Parse(c.text).Flag(kChineseCharactersKey, true), c.flag) << c.text;

    // A value can never break into a line of its own.
    ExtraSettings written;
    written.Set("future_key", "a\nchinese_characters=true");
    EXPECT_FALSE(ExtraSettings::Parse(written.Text()).Flag(kChineseCharactersKey, false));
}

class ChineseCharactersOption : public ::testing::Test {
  protected:
    std::unique_ptr<Application> Start(std::filesystem::path settings_file) {
        auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, folder.path() / "vemla.usr"});
        auto app = std::move(std::get<std::unique_ptr<Application>>(made));
        app->SetSettingsFile(std::move(settings_file));
        app->Startup();
        return app;
    }
    std::string Read(const std::filesystem::path& path) const {
        std::stringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }

    test::FakeUserInterface ui;
    TempFolder folder;
    std::filesystem::path settings = folder.path() / "vemla.ini";
};

TEST_F(ChineseCharactersOption, OffAtFirstThenRememberedFromOneRunToTheNext) {
    ui.now = 2460350.9;  // 2024-02-10, 09:36 GMT: the lunar new year
    folder.Write("vemla.ini", "future_key=kept\n");
    auto first = Start(settings);
    const MainView& view = first->Main().View();
    EXPECT_FALSE(first->Main().ChineseCharacters());
    EXPECT_FALSE(view.chinese_characters.visible);
    EXPECT_EQ(view.rows[kCalCHL].value.tooltip.find("正月"), std::string::npos);

    first->SetChineseCharacters(true);
    EXPECT_TRUE(view.chinese_characters.visible);
    EXPECT_EQ(view.chinese_characters.caption,
              "甲辰年正月初一 丙寅月 甲辰日 龙年\u3000\u3000甲辰岁立春第七日");
    const std::string& chl_tooltip = view.rows[kCalCHL].value.tooltip;
    EXPECT_EQ(chl_tooltip.substr(chl_tooltip.rfind('\n') + 1), "甲辰年正月初一 丙寅月 甲辰日 龙年");
    EXPECT_NE(view.rows[kCalCHS].value.tooltip.find("\n甲辰岁立春第七日"), std::string::npos);
    EXPECT_NE(Read(settings).find("chinese_characters=true\n"), std::string::npos);
    EXPECT_NE(Read(settings).find("future_key=kept\n"), std::string::npos);
    EXPECT_FALSE(
        std::filesystem::exists(folder.path() / "vemla.usr"));  // the state file is not touched

    auto second = Start(settings);
    EXPECT_TRUE(second->Main().ChineseCharacters());
    EXPECT_EQ(second->Main().View().chinese_characters.caption, view.chinese_characters.caption);
    second->SetChineseCharacters(false);
    EXPECT_FALSE(second->Main().View().chinese_characters.visible);
    EXPECT_FALSE(Start(settings)->Main().ChineseCharacters());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ChineseCharactersOption, AFailedSaveIsReportedAndTheOptionStillApplies) {
    auto app = Start(folder.path() / "missing folder" / "vemla.ini");
    app->SetChineseCharacters(true);
    EXPECT_TRUE(app->Main().View().chinese_characters.visible);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Chinese characters");
    EXPECT_EQ(ui.messages[0].text, "Unable to remember the setting: No such file or directory");
}

}  // namespace
}  // namespace vemla
