// Saving where others have been before: temporary files of killed saves, and
// a state file kept as a symbolic link by a dotfile manager.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "app/state_file_io.h"
#include "common/temp_folder.h"

namespace vemla {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) { return ReadWholeFile(path); }

TEST(StateSaving, RemovesTheTemporaryFilesOfKilledSavesOnly) {
    TempFolder folder;
    const fs::path state = folder.Write("vemla.usr", "old");
    const fs::path killed = folder.Write("vemla.usr.tmp-a1B2c3", "x");
    const fs::path others[] = {folder.Write("other.usr.tmp-a1B2c3", "x"),
                               folder.Write("vemla.usr.tmp-a1B2c3d", "x"),
                               folder.Write("vemla.usr.tmp-LIVE00", "x")};
    // A save running in another process holds the lock on its file.
    const int running = ::open(others[2].c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    ASSERT_FALSE(SaveStateFile(state, "new"));
    ::close(running);
    EXPECT_EQ(Contents(state), "new");
    EXPECT_FALSE(fs::exists(killed));
    for (const fs::path& other : others) EXPECT_TRUE(fs::exists(other)) << other;
}

TEST(StateSaving, ALinkStaysALinkAndItsTargetIsReplacedInItsOwnFolder) {
    TempFolder folder;
    const fs::path target = folder.Write("dotfiles/vemla.usr", "old");
    fs::create_directories(folder.path() / "config");
    const fs::path link = folder.path() / "config" / "vemla.usr";
    fs::create_symlink("../dotfiles/vemla.usr", link);  // relative to the link's folder
    ASSERT_FALSE(SaveStateFile(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() / "config"), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), {}), 1);
}

}  // namespace
}  // namespace vemla
