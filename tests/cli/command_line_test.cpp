// vemla-cli's commands, outputs and exit codes.
#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "app/state_file.h"
#include "app/state_file_io.h"
#include "app/fake_user_interface.h"
#include "common/temp_folder.h"
#include "engine/lunar_phases.h"

namespace vemla {
namespace {

struct Result {
    int code;
    std::string out, err;
};

Result RunCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = RunCommandLine(args, VEMLA_SOURCE_DATA_DIR, out, err);
    return {code, out.str(), err.str()};
}

class CommandLine : public ::testing::Test {
protected:
    test::ScopedTimeZone utc{"UTC"};
};

TEST_F(CommandLine, ConvertPrintsTheRowsAsTheWindowShowsThem) {
    Result r = RunCli({"convert", "2000-01-01 CE", "--time", "12:00"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("Common Era date: 2000-01-01 CE 12:00 GMT Saturday\n"), std::string::npos);
    EXPECT_NE(r.out.find("Julian Calendar date: 1999-12-19 JC 12:00 GMT Saturday\n"), std::string::npos);
    EXPECT_NE(r.out.find("Chinese Lunar: 79-16-11-25 CHL 20:00 CCT\n"), std::string::npos);
    EXPECT_NE(r.out.find("Chronological JD 120º East 2,451,545.8333 CJDC\n"), std::string::npos);
    EXPECT_NE(r.out.find("Astronomical Julian date: 2,451,545.0000 AJD\n"), std::string::npos);
    EXPECT_NE(r.out.find("Local time: GMT\n"), std::string::npos);
}

TEST_F(CommandLine, JsonIsTheDocumentedObject) {
    Result r = RunCli({"--json", "convert", "79-41-01-01", "--calendar", "CHL"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_DOUBLE_EQ(j["ajd"].get<double>() + 0.5 + 120.0 / 360.0, 2460351.5);  // noon at the meridian
    EXPECT_EQ(j["rows"]["CHL"], "79-41-01-01 CHL 12:00 CCT");
    EXPECT_EQ(j["rows"]["CE"], "2024-02-10 CE 04:00 GMT Saturday");
    EXPECT_EQ(j["rows"].size(), 9u);
    EXPECT_EQ(j["chl"], (nlohmann::json{{"cycle", 79}, {"position", 41}, {"month", 1}, {"leap", false}, {"day", 1}}));
    EXPECT_EQ(j["chs"], (nlohmann::json{{"cycle", 79}, {"position", 41}, {"term", 4}, {"day", 7}}));
    EXPECT_EQ(j["elementAnimal"]["year"], "wood-dragon");
    EXPECT_EQ(j["elementAnimal"]["month"], "fire-tiger");
    EXPECT_EQ(j["yearCount"], 4722);
    EXPECT_TRUE(j["moon"].contains("phase"));
    EXPECT_EQ(j["localOffset"], "GMT");
    EXPECT_TRUE(j.contains("deltaT"));
}

// Settings and convert's options, each seen in one row of the JSON.
TEST_F(CommandLine, OptionsReachTheRows) {
    struct Case {
        std::vector<std::string> args;
        const char* row;
        std::string part;
    };
    const std::vector<Case> cases = {
        {{"--epoch", "-2636", "convert", "2024-02-10 CE"}, "CHL", "78-41-"},
        {{"--longitude", "116", "convert", "2024-02-10 CE"}, "CHL", " BEI"},
        {{"--method", "mean", "--abbreviation", "abcdef", "convert", "2024-02-10 CE"}, "CHL", " abc"},
        {{"convert", "79-?-01-01 CHL", "--element", "wood", "--animal", "dragon"}, "CHL", "79-41-01-01 CHL 12:00 CCT"},
        {{"convert", "2000-01-01 CE", "--plus", "1"}, "CE", "2000-01-02 "},
        {{"convert", "2000-01-01 CE", "--minus", "1,000"}, "CE", "1997-04-06 "},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), "--json");
        const Result r = RunCli(args);
        ASSERT_EQ(r.code, kExitOk) << r.err;
        EXPECT_NE(nlohmann::json::parse(r.out)["rows"][c.row].get<std::string>().find(c.part), std::string::npos)
            << c.args.back() << " " << r.out;
    }
}

TEST_F(CommandLine, StateFileOnlyWhenNamed) {
    TempFolder folder;
    SavedState state;
    state.moment = 2451545.0;
    state.longitude_index = 16;
    state.abbreviations = DefaultAbbreviations();
    const auto path = folder.path() / "vemla.usr";
    ASSERT_FALSE(SaveStateFile(path, FormatStateFile(state)).has_value());
    Result r = RunCli({"--json", "--state", path.string(), "now"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_DOUBLE_EQ(j["ajd"].get<double>(), 2451545.0);
    EXPECT_NE(j["rows"]["CHL"].get<std::string>().find(" BEI"), std::string::npos);
    folder.Write("broken.usr", "2451545\r\n");
    r = RunCli({"--state", (folder.path() / "broken.usr").string(), "now"});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.err, "Unable to restore the saved state.\n");
}

TEST_F(CommandLine, MovePrintsEveryDisplayedMoment) {
    // 2023 has a leap second month of 29 days: with keep 30th, day 30 comes back in month 4.
    Result r = RunCli({"--json", "move", "chl month", "--from", "79-40-02-30 CHL", "--count", "3", "--keep-30th"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    std::istringstream lines(r.out);
    std::vector<std::string> chl;
    for (std::string line; std::getline(lines, line);) chl.push_back(nlohmann::json::parse(line)["rows"]["CHL"]);
    EXPECT_EQ(chl, (std::vector<std::string>{"79-40-2*-29 CHL 12:00 CCT", "79-40-03-29 CHL 12:00 CCT",
                                             "79-40-04-30 CHL 12:00 CCT"}));
    r = RunCli({"--log", "--log-items", "ce", "--compact", "move", "CE MONTH", "--from", "2024-01-31 CE", "--count", "2"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("\n\n2024-02-29 CE 12:00 GMT\n\n2024-03-29 CE 12:00 GMT\n\n"), std::string::npos) << r.out;
}

TEST_F(CommandLine, SearchShowsTheEventFound) {
    Result r = RunCli({"--json", "search", "full MOON", "--from", "2000-01-01 CE"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NEAR(nlohmann::json::parse(r.out)["ajd"].get<double>(), SyzygyUT(0, kFullMoon), 1e-6);
    r = RunCli({"--json", "search", "Full moon", "--previous", "--from", "2000-01-01 CE"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NEAR(nlohmann::json::parse(r.out)["ajd"].get<double>(), SyzygyUT(-1, kFullMoon), 1e-6);
    r = RunCli({"--json", "search", "Element-animal day", "--element", "wood", "--animal", "rat", "--from",
                "2024-02-10 CE"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["elementAnimal"]["day"], "wood-rat");
}

TEST_F(CommandLine, ListsPrintTheWindowsText) {
    Result r = RunCli({"list", "new-years", "--years", "3", "--from", "2024-02-10 CE"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("79-41-01-01 CHL = 2024-02-10 CE =  2460351 JDN 12m J1:0 Z1:1\n"
                         "79-42-01-01 CHL = 2025-01-29 CE =  2460705 JDN 13m J1:2 Z1:1\n"
                         "79-43-01-01 CHL = 2026-02-17 CE =  2461089 JDN 12m J1:1 Z1:1\n"),
              std::string::npos)
        << r.out;
    r = RunCli({"list", "leap-months", "--years", "2", "--leap-only", "--from", "2023-06-01 CE"});
    EXPECT_NE(r.out.find("79-40-2*-01  CHL =  2023-03-22 CE =  2460026 JDN  29 days"), std::string::npos) << r.out;
}

TEST_F(CommandLine, SelfTest) {
    Result r = RunCli({"selftest", "--seed", "7"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    const std::string header = "Doing 1000 random solar,lunar -> JDN -> solar,lunar\n";
    ASSERT_EQ(r.out.rfind(header, 0), 0u);
    const std::string results = r.out.substr(header.size());
    EXPECT_EQ(results.size(), 2001u);  // a clean run: 2000 results and the line end
    EXPECT_EQ(results.find_first_not_of("01\n"), std::string::npos);
    EXPECT_EQ(RunCli({"selftest", "--date", "79-40-2*-29 CHL"}).out, "11\n");
}

// An abbreviation keeps no bytes that are not UTF-8 (a fault found by
// fuzzing); here that keeps the JSON writer, which throws on such bytes,
// from ending the program.
TEST_F(CommandLine, AnyAbbreviationGivesValidJson) {
    for (const char* abbreviation : {"\xFF\xFE", "a\x01" "b", "\xE6\x9D", "\x80\x80\x80\x80"}) {
        Result r = RunCli({"--json", "--log", "--abbreviation", abbreviation, "convert", "79-16-11-25 CHL"});
        ASSERT_EQ(r.code, kExitOk) << r.err;
        EXPECT_NO_THROW(nlohmann::json::parse(r.out)) << r.out;
    }
}

TEST_F(CommandLine, ProgramTextsThatDoNotLoadEndTheRunWithTheirMessage) {
    TempFolder folder;
    folder.Write("vemla_text.dat", "1\tVemla\n1\tagain\n");
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"now"}, folder.path(), out, err), kExitRefused);
    EXPECT_EQ(err.str(), "Duplicate in program text at line 2.\n");
    EXPECT_EQ(out.str(), "");
}

TEST_F(CommandLine, LogEntryAsAddToLogWritesIt) {
    Result r = RunCli({"--log", "--log-items", "ce,cjdl", "--compact", "convert", "2000-01-01 CE"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    const std::string caption_end = "\n\n";
    const size_t body = r.out.find(caption_end);
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(r.out.substr(0, 6), "Vemla ");
    EXPECT_EQ(r.out.substr(body + 2), "2000-01-01 CE 12:00 GMT\n2,451,545.5000 CJDL\n\n");
}

}  // namespace
}  // namespace vemla
