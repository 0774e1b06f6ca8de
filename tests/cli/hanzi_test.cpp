// vemla-cli --hanzi: the Chinese dates in characters, in JSON and as text.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/fake_user_interface.h"
#include "cli/command_line.h"

namespace vemla {
namespace {

TEST(CommandLineHanzi, JsonObjectAndTextLine) {
    test::ScopedTimeZone utc{"UTC"};
    std::ostringstream json, text, err;
    ASSERT_EQ(RunCommandLine({"--json", "--hanzi", "convert", "2023-03-22 CE"},
                             VEMLA_SOURCE_DATA_DIR, json, err),
              kExitOk);
    EXPECT_EQ(nlohmann::json::parse(json.str())["hanzi"],
              (nlohmann::json{{"chl", "癸卯年闰二月初一 乙卯月 己卯日 兔年"},
                              {"chs", "癸卯岁春分第二日"},
                              {"year", "癸卯年"},
                              {"month", "闰二月"},
                              {"day", "初一"},
                              {"term", "春分"},
                              {"animal", "兔"}}));
    ASSERT_EQ(
        RunCommandLine({"--hanzi", "convert", "2024-02-10 CE"}, VEMLA_SOURCE_DATA_DIR, text, err),
        kExitOk);
    EXPECT_NE(text.str().find("\nChinese characters: 甲辰年正月初一 丙寅月 甲辰日 龙年 (CHL), "
                              "甲辰岁立春第七日 (CHS)\n"),
              std::string::npos);
    EXPECT_EQ(RunCommandLine({"--hanzi", "list", "new-years"}, VEMLA_SOURCE_DATA_DIR, text, err),
              kExitUsage);
}

}  // namespace
}  // namespace vemla
