// The fast table of a batch conversion against the full conversion of each
// entry, and the JSON rows of list and selftest against known dates.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/fake_user_interface.h"
#include "cli/cli_run.h"
#include "common/temp_folder.h"

namespace vemla {
namespace {

std::vector<nlohmann::json> JsonLines(const std::string& text) {
    std::vector<nlohmann::json> objects;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        objects.push_back(nlohmann::json::parse(line));
    return objects;
}

class JsonRows : public ::testing::Test {
  protected:
    test::ScopedTimeZone utc{"UTC"};
};

// Every 7 hours over three lunations (phases, day changes, a term's first
// day, a leap month 2) and entries of other forms, under two settings: each
// table row holds what the full conversion of its entry shows.
TEST_F(JsonRows, BatchTableAgreesWithTheFullConversion) {
    std::string entries = "2023-03-22 CE\n79-41-04-01 CHS\n1900-01-31 CE\t23:59\n2024-02-04 CE\n";
    for (int i = 0; i < 300; ++i) entries += std::to_string(2460000 + i * 7 / 24.0) + " AJD\n";
    TempFolder folder;
    const std::string input = folder.Write("in.txt", entries).string();
    for (const std::vector<std::string>& settings :
         {std::vector<std::string>{}, {"--longitude", "135", "--method", "mean"}}) {
        std::vector<std::string> args = {"convert", "--input", input};
        args.insert(args.end(), settings.begin(), settings.end());
        const CliResult table = RunCli(args);
        ASSERT_EQ(table.code, kExitOk) << table.out;
        std::istringstream rows(table.out);
        std::string row, entry;
        std::getline(rows, row);  // the header
        for (std::istringstream lines(entries);
             std::getline(lines, entry) && std::getline(rows, row);) {
            std::vector<std::string> one = {"--json", "convert", entry.substr(0, entry.find('\t'))};
            if (entry.find('\t') != std::string::npos) one.insert(one.end(), {"--time", "23:59"});
            one.insert(one.end(), settings.begin(), settings.end());
            const nlohmann::json m = nlohmann::json::parse(RunCli(one).out);
            const nlohmann::json& r = m["rows"];
            const std::string expected =
                "\t" + r["CE"].get<std::string>() + "\t" + r["JC"].get<std::string>() + "\t" +
                r["CHL"].get<std::string>() + "\t" + r["CHS"].get<std::string>() + "\t" +
                r["AJD"].get<std::string>() + "\t" + m["elementAnimal"]["year"].get<std::string>() +
                "\t" + m["elementAnimal"]["month"].get<std::string>() + "\t" +
                m["elementAnimal"]["day"].get<std::string>() + "\t" +
                m["moon"]["phase"].get<std::string>() + "\t";
            EXPECT_EQ(row.substr(row.find('\t')), expected) << entry;
        }
    }
}

TEST_F(JsonRows, ListingsGiveOneObjectARow) {
    // The nian 79-40 has a leap second month: 13 months.
    auto rows = JsonLines(
        RunCli({"list", "new-years", "--json", "--years", "2", "--from", "2023-01-22 CE"}).out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]["chl"], "79-40-01-01 CHL");
    EXPECT_EQ(rows[0]["ce"], "2023-01-22 CE");
    EXPECT_EQ(rows[0]["months"], 13);
    EXPECT_EQ(rows[1]["jdn"], 2460351);
    EXPECT_EQ(rows[1]["months"], 12);

    rows = JsonLines(RunCli({"--json", "list", "leap-months", "--leap-only", "--years", "1",
                             "--from", "2023-06-01 CE", "--julian"})
                         .out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["chl"], "79-40-2*-01 CHL");
    EXPECT_EQ(rows[0]["leap"], true);
    EXPECT_EQ(rows[0]["jc"], "2023-03-09 JC");

    rows = JsonLines(RunCli({"list", "year-data", "--json", "--from", "2024-06-01 CE"}).out);
    const auto dark = std::find_if(rows.begin(), rows.end(),
                                   [](const auto& o) { return o["label"] == "LN285 M01"; });
    ASSERT_NE(dark, rows.end());
    EXPECT_EQ((*dark)["event"], "dark moon");
    EXPECT_EQ((*dark)["moment"], "2023-01-22 CE 04:53 CCT");
    EXPECT_NEAR((*dark)["cjdc"].get<double>(), 2459967.2036, 1e-4);
    const auto term = std::find_if(rows.begin(), rows.end(),
                                   [](const auto& o) { return o["label"] == "ST5 Z1"; });
    ASSERT_NE(term, rows.end());
    EXPECT_EQ((*term)["moment"], "2023-02-19 CE 06:34 CCT");

    rows = JsonLines(
        RunCli({"list", "new-years-jc-ce", "--json", "--years", "1", "--from", "2024-06-01 CE"})
            .out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["chl"], "79-40-11-20 CHL");
    EXPECT_EQ(rows[0]["chs"], "79-41-01-11 CHS");

    EXPECT_EQ(RunCli({"list", "new-years", "--json", "--ics"}).code, kExitUsage);
    EXPECT_EQ(RunCli({"selftest", "--log"}).code, kExitUsage);
}

TEST_F(JsonRows, SelfTestCountsAsOneObject) {
    const CliResult r = RunCli({"selftest", "--json", "--seed", "42"});
    ASSERT_EQ(r.code, kExitOk);
    const nlohmann::json o = nlohmann::json::parse(r.out);
    EXPECT_EQ(o["dates"], 2000);
    EXPECT_EQ(o["roundTrips"].get<int>() + o["notExisting"].get<int>(), 2000);
    // The same run's text: one digit a date, "1" for a round trip.
    std::string text = RunCli({"selftest", "--seed", "42"}).out;
    text.erase(0, text.find('\n'));
    EXPECT_EQ(o["roundTrips"], std::count(text.begin(), text.end(), '1'));
    EXPECT_EQ(o["failures"], nlohmann::json::array());
    EXPECT_EQ(o["passed"], true);
    EXPECT_EQ(nlohmann::json::parse(
                  RunCli({"--json", "selftest", "--date", "79-40-2*-29 CHL"}).out)["roundTrips"],
              2);
}

}  // namespace
}  // namespace vemla
