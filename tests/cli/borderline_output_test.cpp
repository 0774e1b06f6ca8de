// vemla-cli on 1914-11-18 (a dark moon minutes after midnight at 120 degrees
// East, where published tables disagree), the December solstice of 2021
// (23:59 at 120 degrees East) and the certain 2024-02-10.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/fake_user_interface.h"
#include "cli/command_line.h"

namespace vemla {
namespace {

std::string RunCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(args, VEMLA_SOURCE_DATA_DIR, out, err), kExitOk) << err.str();
    return out.str();
}

TEST(BorderlineOutput, JsonArrayAndPlainLine) {
    test::ScopedTimeZone utc{"UTC"};
    const auto j =
        nlohmann::json::parse(RunCli({"--json", "convert", "1914-11-18 CE"}))["borderline"];
    ASSERT_EQ(j.size(), 1u) << j;
    EXPECT_EQ(j[0]["event"], "dark moon");
    EXPECT_EQ(j[0]["alternative"], (nlohmann::json{{"CHL", "77-51-10-02 CHL"}}));
    EXPECT_NEAR(double(j[0]["uncertaintyMinutes"]), 1.0, 0.01);
    EXPECT_TRUE(double(j[0]["minutesFromMidnight"]) > 0 && double(j[0]["minutesFromMidnight"]) < 5);
    EXPECT_EQ(nlohmann::json::parse(RunCli({"--json", "convert", "2024-02-10 CE"}))["borderline"],
              nlohmann::json::array());

    const std::string out = RunCli({"convert", "2021-12-21 CE"});
    EXPECT_NE(out.find("\nBorderline: principal term Z11 (Dong zhi) came at 23:59:"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("Borderline"), out.rfind("Borderline"));  // one line
}

}  // namespace
}  // namespace vemla
