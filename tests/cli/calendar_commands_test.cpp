// vemla-cli's calendar files: refusals with their messages and exit codes,
// and never a file, or a piece of one, after a refusal.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <fstream>
#include <sstream>

#include "app/calendar_export.h"
#include "cli/command_line.h"
#include "common/temp_folder.h"

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

TEST(CalendarCommands, AnniversariesOfADateInAnyReckoning) {
    const Result ce = RunCli({"anniversaries", "1990-08-15 CE", "--years", "3"});
    ASSERT_EQ(ce.code, kExitOk) << ce.err;
    EXPECT_NE(ce.out.find("79-07-06-25 CHL = 1990-08-15 CE =  2448119 JDN  0\n"), std::string::npos);
    EXPECT_NE(ce.out.find("79-09-06-25 CHL = 1992-07-24 CE =  2448828 JDN  2\n"), std::string::npos);
    const Result chl = RunCli({"anniversaries", "79-07-06-25 CHL", "--years", "3", "--ics"});
    ASSERT_EQ(chl.code, kExitOk) << chl.err;
    EXPECT_NE(chl.out.find("SUMMARY:2nd anniversary of 79-07-06-25 CHL\r\n"), std::string::npos);
    EXPECT_NE(chl.out.find("DTSTART;VALUE=DATE:19920724\r\n"), std::string::npos);
}

TEST(CalendarCommands, RefusalsSayWhyAndWriteNothing) {
    TempFolder folder;
    const std::string file = (folder.path() / "out.ics").string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"anniversaries", "79-40-2*-30 CHL", "--ics", "--output", file},
         "Day number exceeds number of days in the month."},
        {{"anniversaries", "1990-08-15 CE", "--years", "0", "--ics", "--output", file},
         "The number of years must be from 1 to 32,767."},
        {{"list", "new-years-jc-ce", "--ics", "--output", file},
         "This list cannot be exported to a calendar."},
        {{"search", "Full moon", "--count", "100001", "--ics", "--output", file},
         "a calendar takes at most 100,000."},
        {{"list", "new-years", "--from", "79-41-01-01 CHL", "--ics", "--output", "/proc/vemla/out.ics"},
         "Unable to write the calendar file /proc/vemla/out.ics: "},
    };
    for (const auto& [args, message] : cases) {
        const Result r = RunCli(args);
        EXPECT_EQ(r.code, kExitRefused) << args[0];
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << args[0];
    }
}

TEST(CalendarCommands, AFileSizeLimitKeepsTheOldFile) {
    TempFolder folder;
    const auto old = folder.Write("old.ics", "old calendar");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result r = RunCli({"list", "new-years", "--from", "79-41-01-01 CHL", "--years", "100", "--ics",
                             "--output", old.string()});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.err, "Unable to write the calendar file " + old.string() + ": File too large.\n");
    std::ifstream in(old);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old calendar");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace vemla
