// vemla-cli as a shell tool: options on either side of the subcommand, exit
// statuses, honest flags, batch conversion, the manual page and completion.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/fake_user_interface.h"
#include "cli/cli_run.h"
#include "common/temp_folder.h"

namespace vemla {
namespace {

class ShellBehaviour : public ::testing::Test {
  protected:
    test::ScopedTimeZone utc{"UTC"};
};

TEST_F(ShellBehaviour, ExitStatusAndWhereTheMessageGoes) {
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err_start;  // "" : nothing on standard error
    };
    const std::vector<Case> cases = {
        {{"convert", "2024-02-10 CE", "--json", "--epoch", "-2636"}, kExitOk, ""},
        {{"convert", "2000-01-01 CE", "--zone", "gmt"}, kExitUsage, "The following argument"},
        {{"convert", "2451545 AJD", "--time", "03:00"}, kExitUsage, "--time cannot"},
        {{"convert", "79-?-01-01 CHL"}, kExitRefused, "Invalid CHL date."},
        {{"convert", "2000-01-01 CE", "--plus", "1", "--minus", "1"}, kExitUsage, "--plus"},
        {{}, kExitUsage, "A subcommand is required"},
        {{"--longitude", "99", "now"}, kExitUsage, "--longitude"},
        {{"--log-items", "chl,moon", "now"}, kExitUsage, "--log-items"},
        {{"search", "Element-animal day"}, kExitRefused, "You must specify an element"},
        {{"search", "eclipse"}, kExitUsage, "target"},
        {{"move", "CE century", "--back", "--count", "3", "--from", "-2950-06-01 CE"},
         kExitRefused,
         "Earliest date exceeded."},
        {{"list", "leap-months", "--years", "1e2"}, kExitUsage, "--years: a whole number"},
        {{"list", "new-years", "--log"}, kExitUsage, "list writes no log entry"},
        {{"selftest", "--date", "x"}, kExitRefused, "Error code = 1"},
        // A number too large for a double fails its field as a large one does.
        {{"convert", "2000-01-01 CE", "--plus", std::string(309, '9')},
         kExitRefused,
         "Date is later"},
        {{"convert", "2000-01-01 CE", "--time", "12:" + std::string(309, '9')},
         kExitRefused,
         "Invalid time"},
        {{"convert", std::string(400, '9') + " AJD"}, kExitRefused, "Date is later"},
        {{"--version"}, kExitOk, ""},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCli(c.args);
        const std::string args = c.args.empty() ? "" : c.args[0] + " " + c.args.back();
        EXPECT_EQ(r.code, c.code) << args << "\n" << r.err;
        EXPECT_EQ(r.err.substr(0, c.err_start.size()), c.err_start) << args;
        if (c.code == kExitRefused) {
            EXPECT_NE(r.err.find('\n'), std::string::npos);
        }
    }
    // The window's advice points at its boxes; here at the options.
    EXPECT_NE(RunCli({"convert", "79-?-01-01 CHL"}).err.find("with --element and --animal."),
              std::string::npos);
}

TEST_F(ShellBehaviour, RepeatedMoveStopsAtTheLimitAfterPrintingTheLastDayInRange) {
    const CliResult r = RunCli({"move", "day", "--count", "3", "--from", "2999-12-31 CE", "--log",
                                "--log-items", "ce", "--compact"});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_NE(r.out.find("3000-01-01 CE"), std::string::npos);
    EXPECT_EQ(r.out.find("3000-01-02 CE"), std::string::npos);
    EXPECT_EQ(r.err, "Latest date exceeded.\n");
}

TEST_F(ShellBehaviour, BatchConversionKeepsGoingAndNumbersItsLines) {
    TempFolder folder;
    const auto input =
        folder.Write("in.txt", "2024-02-10 CE\r\n2000-13-01 CE\n79-41-01-01 CHL\t20:00\n");
    CliResult r = RunCli({"convert", "--input", input.string()});
    EXPECT_EQ(r.code, kExitRefused);
    std::istringstream lines(r.out);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(lines, line);) {
        rows.emplace_back();
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) rows.back().push_back(cell);
    }
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][1], "CE");
    EXPECT_EQ(rows[1].size(), rows[0].size() - 1);  // no error
    EXPECT_EQ(rows[1][3], "79-41-01-01 CHL 20:00 CCT");
    EXPECT_EQ(rows[2].front(), "2");
    EXPECT_EQ(rows[2].back().rfind("Invalid CE date.", 0), 0u);
    EXPECT_EQ(rows[3][1], rows[1][1]);  // 20:00 at the meridian is noon in London
    r = RunCli({"convert", "--input", input.string(), "--json", "--longitude", "116"});
    std::istringstream json(r.out);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(json, line);)
        objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[1]["line"], 2);
    EXPECT_TRUE(objects[1].contains("error"));
    EXPECT_EQ(objects[2]["rows"]["CHL"], "79-41-01-01 CHL 20:00 BEI");  // the settings apply
    EXPECT_EQ(RunCli({"convert", "--input", (folder.path() / "none").string()}).code, kExitRefused);
    // --hanzi adds both dates in characters, before the error column.
    r = RunCli({"convert", "--input", input.string(), "--hanzi"});
    EXPECT_NE(r.out.find("\thanzi_chl\thanzi_chs\terror\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n2\t\t\t\t\t\t\t\t\t\t\t\tInvalid CE date."), std::string::npos);
}

TEST_F(ShellBehaviour, ManualPageAndCompletionKnowEverySubcommandAndOption) {
    std::string page = ReadWholeFile(VEMLA_MAN_DIR "/vemla-cli.1");
    for (size_t at; (at = page.find("\\-")) != std::string::npos;) page.replace(at, 2, "-");
    const std::string completion = ReadWholeFile(VEMLA_MAN_DIR "/vemla-cli.bash");
    const std::string help = RunCli({"--help-all"}).out;
    std::istringstream words(help);
    int options = 0;
    for (std::string word; words >> word;) {
        if (word.rfind("--", 0) != 0) continue;
        word = word.substr(0, word.find_first_of(",:"));
        ++options;
        EXPECT_NE(page.find(word), std::string::npos) << word;
        if (word.rfind("--help", 0) != 0 && word != "--version") {
            EXPECT_NE(completion.find(word + " "), std::string::npos) << word;
        }
    }
    EXPECT_GT(options, 35);
    for (const char* sub : {"convert", "now", "move", "search", "list", "selftest"}) {
        EXPECT_NE(page.find(sub), std::string::npos) << sub;
        EXPECT_NE(completion.find(std::string(sub) + ")"), std::string::npos) << sub;
    }
    // Names with blanks are offered one a line.
    EXPECT_NE(completion.find("\nSolar term + dark moon\n"), std::string::npos);
}

}  // namespace
}  // namespace vemla
