// vemla-cli --hanzi: the Chinese dates in characters, in JSON and as text.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/fake_user_interface.h"
#include "cli/command_line.h"

namespace vemla {
namespace {

struct Output {
    int code;
    std::string out, err;
};

Output Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCommandLine(args, VEMLA_SOURCE_DATA_DIR, out, err);
    return {code, out.str(), err.str()};
}

TEST(CommandLineHanzi, JsonObjectAndTextLine) {
    test::ScopedTimeZone utc{"UTC"};
    Output r = Cli({"--json", "--hanzi", "convert", "2023-03-22 CE"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["hanzi"],
              (nlohmann::json{{"chl", "癸卯年闰二月初一 乙卯月 己卯日 兔年"},
                              {"chs", "癸卯岁春分第二日"},
                              {"year", "癸卯年"},
                              {"month", "闰二月"},
                              {"day", "初一"},
                              {"term", "春分"},
                              {"animal", "兔"}}));
    EXPECT_FALSE(
        nlohmann::json::parse(Cli({"--json", "convert", "2023-03-22 CE"}).out).contains("hanzi"));

    r = Cli({"--hanzi", "convert", "2024-02-10 CE"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("\nChinese characters: 甲辰年正月初一 丙寅月 甲辰日 龙年 (CHL), "
                         "甲辰岁立春第七日 (CHS)\n"),
              std::string::npos);
    // One line per step of a move.
    r = Cli({"--hanzi", "move", "day", "--from", "2033-12-21 CE", "--count", "2"});
    EXPECT_NE(r.out.find("癸丑年闰十一月初一"), std::string::npos);
    EXPECT_NE(r.out.find("癸丑年闰十一月初二"), std::string::npos);

    EXPECT_EQ(Cli({"--hanzi", "list", "new-years"}).code, kExitUsage);  // would be ignored
}

}  // namespace
}  // namespace vemla
