// vemla-cli's calendar files refused: the message, exit code 1, and no file
// or piece of one left behind; an old file stays as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "cli/command_line.h"
#include "common/temp_folder.h"

namespace vemla {
namespace {

TEST(CalendarCommands, RefusalsSayWhyAndLeaveTheOldFile) {
    TempFolder folder;
    const std::string old = folder.Write("old.ics", "old calendar").string();
    namespace fs = std::filesystem;
    const fs::path locked = folder.path() / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    // Permissions do not bind root; /proc takes no new files from anyone.
    const std::string unwritable =
        ::access(locked.c_str(), W_OK) != 0 ? (locked / "a.ics").string() : "/proc/a.ics";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"anniversaries", "79-40-2*-30 CHL", "--ics", "--output", old},
         "Day number exceeds number of days"},
        {{"anniversaries", "1990-08-15 CE", "--years", "0", "--ics", "--output", old},
         "The number of years must be from 1 to 32,767."},
        {{"list", "new-years-jc-ce", "--ics", "--output", old},
         "This list cannot be exported to a calendar."},
        {{"search", "Full moon", "--count", "100001", "--ics", "--output", old},
         "a calendar takes at most 100,000."},
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
        std::ostringstream out, err;
        const int code = RunCommandLine(args, VEMLA_SOURCE_DATA_DIR, out, err);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(code, kExitRefused) << message;
        EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(ReadWholeFile(old), "old calendar");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);
        EXPECT_TRUE(fs::is_empty(locked));
    }
    fs::permissions(locked, fs::perms::owner_all);
}

}  // namespace
}  // namespace vemla
