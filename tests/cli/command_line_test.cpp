// vemla-cli's commands and outputs: convert's rows and JSON, the options,
// saved states, moves, searches, listings, the self-test, the borderline and
// Chinese character outputs, and calendar files refused.
#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/fake_user_interface.h"
#include "app/state_file.h"
#include "app/state_file_io.h"
#include "cli/cli_run.h"
#include "common/temp_folder.h"

namespace vemla {
namespace {

// The JSON object of a run with --json that must succeed.
nlohmann::json Json(std::vector<std::string> args) {
    args.insert(args.begin(), "--json");
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.code, kExitOk) << args.back() << "\n" << r.err;
    return r.code == kExitOk ? nlohmann::json::parse(r.out) : nlohmann::json();
}

class CommandLine : public ::testing::Test {
  protected:
    test::ScopedTimeZone utc{"UTC"};
};

TEST_F(CommandLine, ConvertPrintsTheRowsAsTheWindowShowsThem) {
    CliResult r = RunCli({"convert", "2000-01-01 CE", "--time", "12:00"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("Common Era date: 2000-01-01 CE 12:00 GMT Saturday\n"), std::string::npos);
    EXPECT_NE(r.out.find("Chinese Lunar: 79-16-11-25 CHL 20:00 CCT\n"), std::string::npos);
    EXPECT_NE(r.out.find("Chronological JD 120º East 2,451,545.8333 CJDC\n"), std::string::npos);
}

TEST_F(CommandLine, JsonIsTheDocumentedObject) {
    const auto j = Json({"convert", "79-41-01-01", "--calendar", "CHL"});
    // Noon at the meridian of 120 degrees East.
    EXPECT_DOUBLE_EQ(j["ajd"].get<double>() + 0.5 + 120.0 / 360.0, 2460351.5);
    EXPECT_EQ(j["rows"]["CHL"], "79-41-01-01 CHL 12:00 CCT");
    EXPECT_EQ(j["rows"].size(), 9u);
    EXPECT_EQ(j["chl"],
              (nlohmann::json{
                  {"cycle", 79}, {"position", 41}, {"month", 1}, {"leap", false}, {"day", 1}}));
    EXPECT_EQ(j["chs"], (nlohmann::json{{"cycle", 79}, {"position", 41}, {"term", 4}, {"day", 7}}));
    EXPECT_EQ(j["elementAnimal"]["month"], "fire-tiger");
    EXPECT_EQ(j["yearCount"], 4722);
}

// Settings, entries and options, each seen in one field of the JSON.
TEST_F(CommandLine, OptionsReachTheirField) {
    struct Case {
        std::vector<std::string> args;
        const char* field;
        std::string part;
    };
    const std::vector<Case> cases = {
        {{"--epoch", "-2636", "convert", "2024-02-10 CE"}, "/rows/CHL", "78-41-"},
        {{"--longitude", "116", "convert", "2024-02-10 CE"}, "/rows/CHL", " BEI"},
        {{"--method", "mean", "--abbreviation", "abcdef", "convert", "2024-02-10 CE"},
         "/rows/CHL",
         " abc"},
        {{"convert", "79-?-01-01 CHL", "--element", "wood", "--animal", "dragon"},
         "/rows/CHL",
         "79-41-01-01 CHL 12:00 CCT"},
        {{"convert", "2000-01-01 CE", "--plus", "1"}, "/rows/CE", "2000-01-02 "},
        {{"convert", "2000-01-01 CE", "--minus", "1,000"}, "/rows/CE", "1997-04-06 "},
        // A plain ISO date is CE, not the window's lunar default.
        {{"convert", "2000-01-01"}, "/rows/CE", "2000-01-01 CE"},
        // A "?" position read with --element and --animal, in search as in convert.
        {{"search", "Full moon", "--from", "79-?-01-01 CHL", "--element", "wood", "--animal",
          "dragon"},
         "/rows/CE",
         "2024-02-24 CE"},
        {{"search", "Element-animal day", "--element", "wood", "--animal", "rat", "--from",
          "2024-02-10 CE"},
         "/elementAnimal/day",
         "wood-rat"},
        {{"search", "full MOON", "--previous", "--from", "2000-01-01 CE"},
         "/rows/CE",
         "1999-12-22 CE"},
    };
    for (const Case& c : cases) {
        const auto j = Json(c.args);
        const auto field = nlohmann::json::json_pointer(c.field);
        ASSERT_TRUE(j.contains(field)) << c.args.back() << " " << j;
        EXPECT_NE(j[field].get<std::string>().find(c.part), std::string::npos) << j[field];
    }
    // On the first day of a term the time has no meridian name: no blank is left.
    EXPECT_EQ(Json({"convert", "2024-02-04 CE"})["rows"]["CHS"], "79-41-04-01 CHS (J1) 20:00");
}

TEST_F(CommandLine, StateFileOnlyWhenNamed) {
    TempFolder folder;
    SavedState state;
    state.moment = 2451545.0;
    state.longitude_index = 16;
    state.abbreviations = DefaultAbbreviations();
    const auto path = folder.path() / "vemla.usr";
    ASSERT_FALSE(SaveStateFile(path, FormatStateFile(state)).has_value());
    const auto j = Json({"--state", path.string(), "now"});
    EXPECT_DOUBLE_EQ(j["ajd"].get<double>(), 2451545.0);
    EXPECT_NE(j["rows"]["CHL"].get<std::string>().find(" BEI"), std::string::npos);
    folder.Write("broken.usr", "2451545\r\n");
    const CliResult r = RunCli({"--state", (folder.path() / "broken.usr").string(), "now"});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.err, "Unable to restore the saved state.\n");
}

TEST_F(CommandLine, MovePrintsEveryDisplayedMoment) {
    // 2023 has a leap second month of 29 days: with keep 30th, day 30 comes back in month 4.
    CliResult r = RunCli({"--json", "move", "chl month", "--from", "79-40-02-30 CHL", "--count",
                          "3", "--keep-30th"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    ASSERT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);  // one JSON object a moment
    const std::string last = r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1);
    EXPECT_EQ(nlohmann::json::parse(last)["rows"]["CHL"], "79-40-04-30 CHL 12:00 CCT");
    // The log entries as Add to log writes them: the caption, then the items asked for.
    r = RunCli({"--log", "--log-items", "ce,cjdl", "--compact", "move", "CE MONTH", "--from",
                "2024-01-31 CE", "--count", "2"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out.substr(0, 6), "Vemla ");
    EXPECT_NE(r.out.find("\n\n2024-02-29 CE 12:00 GMT\n2,460,370.5000 CJDL\n\n"
                         "2024-03-29 CE 12:00 GMT\n2,460,399.5000 CJDL\n\n"),
              std::string::npos)
        << r.out;
}

TEST_F(CommandLine, ListsPrintTheWindowsText) {
    CliResult r = RunCli({"list", "new-years", "--years", "3", "--from", "2024-02-10 CE"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("\n79-42-01-01 CHL = 2025-01-29 CE =  2460705 JDN 13m J1:2 Z1:1\n"),
              std::string::npos)
        << r.out;
    r = RunCli({"list", "leap-months", "--years", "2", "--leap-only", "--from", "2023-06-01 CE"});
    EXPECT_NE(r.out.find("79-40-2*-01  CHL =  2023-03-22 CE =  2460026 JDN  29 days"),
              std::string::npos)
        << r.out;
}

TEST_F(CommandLine, SelfTest) {
    CliResult r = RunCli({"selftest", "--seed", "7"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    const std::string header = "Doing 1000 random solar,lunar -> JDN -> solar,lunar\n";
    ASSERT_EQ(r.out.rfind(header, 0), 0u);
    // A clean run: 2000 results and the line end.
    EXPECT_EQ(r.out.size(), header.size() + 2001u);
    EXPECT_EQ(r.out.find_first_not_of("01\n", header.size()), std::string::npos);
    EXPECT_EQ(RunCli({"selftest", "--date", "79-40-2*-29 CHL"}).out, "11\n");
}

// An abbreviation keeps no bytes that are not UTF-8 (a fault found by
// fuzzing); here that keeps the JSON writer, which throws on such bytes,
// from ending the program.
TEST_F(CommandLine, AnyAbbreviationGivesValidJson) {
    for (const char* abbreviation : {"\xFF\xFE",
                                     "a\x01"
                                     "b",
                                     "\xE6\x9D", "\x80\x80\x80\x80"}) {
        CliResult r = RunCli(
            {"--json", "--log", "--abbreviation", abbreviation, "convert", "79-16-11-25 CHL"});
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

// 1914-11-18: a dark moon minutes after midnight at 120 degrees East, where
// published tables disagree; the December solstice of 2021 came at 23:59
// there; 2024-02-10 is certain.
TEST_F(CommandLine, BorderlineJsonArrayAndPlainLine) {
    const auto j = Json({"convert", "1914-11-18 CE"})["borderline"];
    ASSERT_EQ(j.size(), 1u) << j;
    EXPECT_EQ(j[0]["event"], "dark moon");
    EXPECT_EQ(j[0]["alternative"], (nlohmann::json{{"CHL", "77-51-10-02 CHL"}}));
    EXPECT_EQ(Json({"convert", "2024-02-10 CE"})["borderline"], nlohmann::json::array());

    const std::string out = RunCli({"convert", "2021-12-21 CE"}).out;
    EXPECT_NE(out.find("\nBorderline: principal term Z11 (Dong zhi) came at 23:59:"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("Borderline"), out.rfind("Borderline"));  // one line
}

TEST_F(CommandLine, HanziJsonObjectAndTextLine) {
    const auto hanzi = Json({"--hanzi", "convert", "2023-03-22 CE"})["hanzi"];
    EXPECT_EQ(hanzi.size(), 7u);  // chl, chs, year, month, day, term, animal
    EXPECT_EQ(hanzi["chl"], "癸卯年闰二月初一 乙卯月 己卯日 兔年");
    EXPECT_NE(RunCli({"--hanzi", "convert", "2024-02-10 CE"})
                  .out.find("\nChinese characters: 甲辰年正月初一 丙寅月 甲辰日 龙年 (CHL), "
                            "甲辰岁立春第七日 (CHS)\n"),
              std::string::npos);
    EXPECT_EQ(RunCli({"--hanzi", "list", "new-years"}).code, kExitUsage);
}

// Calendar files refused: the message, exit code 1, and no file or piece of
// one left behind; an old file stays as it was.
TEST_F(CommandLine, CalendarRefusalsSayWhyAndLeaveTheOldFile) {
    TempFolder folder;
    const std::string old = folder.Write("old.ics", "old calendar").string();
    // /proc takes no new files from anyone, root included.
    const std::string unwritable = "/proc/a.ics";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"anniversaries", "1990-08-15 CE", "--years", "0", "--ics", "--output", old},
         "The number of years must be from 1 to 32,767."},
        {{"list", "new-years-jc-ce", "--ics", "--output", old},
         "This list cannot be exported to a calendar."},
        {{"list", "new-years", "--years", "100", "--ics", "--output", unwritable},
         "Unable to write the calendar file " + unwritable + ": "},
        // A full disk, as a limit on the size of files.
        {{"list", "new-years", "--years", "100", "--ics", "--output", old}, ": File too large."},
    };
    for (const auto& [args, message] : cases) {
        rlimit saved{}, small{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        small = {4096, saved.rlim_max};
        if (message == cases.back().second) {
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        const CliResult r = RunCli(args);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(r.code, kExitRefused) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(ReadWholeFile(old), "old calendar");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    }
}

}  // namespace
}  // namespace vemla
