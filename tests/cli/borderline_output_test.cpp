// vemla-cli on borderline dates: the JSON array and the explanatory line. The
// dates: 1914-11-18 (a dark moon minutes after midnight at 120 degrees East,
// where published tables disagree), the December solstice of 2021 (15:59 GMT,
// 23:59 at 120 degrees East) and the certain 2024-02-10.
#include <gtest/gtest.h>

#include <cmath>
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

class BorderlineOutput : public ::testing::Test {
  protected:
    test::ScopedTimeZone utc{"UTC"};
};

TEST_F(BorderlineOutput, JsonArrayNamesTheEventAndTheAlternative) {
    const auto j = nlohmann::json::parse(RunCli({"--json", "convert", "1914-11-18 CE"}));
    ASSERT_EQ(j["borderline"].size(), 1u) << j["borderline"];
    const auto& e = j["borderline"][0];
    EXPECT_EQ(e["event"], "dark moon");
    EXPECT_FALSE(e.contains("term"));
    const double minutes = e["minutesFromMidnight"];
    EXPECT_GT(minutes, 0);
    EXPECT_LT(minutes, 5);
    EXPECT_NEAR(double(e["uncertaintyMinutes"]), 1.0, 0.01);
    EXPECT_EQ(e["marginMinutes"], 5.0);
    // The moment falls on 1914-11-18 at 120 degrees East, minutes after midnight.
    const double cjdc = double(e["moment"]) + 0.5 + 120.0 / 360.0;
    EXPECT_EQ(std::floor(cjdc), 2420455);
    EXPECT_NEAR((cjdc - 2420455) * 1440, minutes, 1e-6);
    EXPECT_EQ(e["alternative"], (nlohmann::json{{"CHL", "77-51-10-02 CHL"}}));

    EXPECT_EQ(nlohmann::json::parse(RunCli({"--json", "convert", "2024-02-10 CE"}))["borderline"],
              nlohmann::json::array());
}

TEST_F(BorderlineOutput, PlainOutputExplainsInOneLine) {
    const std::string out = RunCli({"convert", "2021-12-21 CE"});
    const size_t at = out.find("Borderline: principal term Z11 (Dong zhi) came at 23:59:");
    ASSERT_NE(at, std::string::npos) << out;
    EXPECT_EQ(out.find("Borderline", at + 1), std::string::npos);
    EXPECT_NE(out.find("this day would be 79-38-24-15 CHS.\n", at), std::string::npos) << out;
    EXPECT_EQ(RunCli({"convert", "2024-02-10 CE"}).find("Borderline"), std::string::npos);
}

}  // namespace
}  // namespace vemla
