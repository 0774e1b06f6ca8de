// Saving where others have been before: temporary files of killed saves, and
// a state file kept as a symbolic link by a dotfile manager.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <set>

#include "app/state_file_io.h"
#include "common/temp_folder.h"

namespace vemla {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(StateSaving, RemovesTheTemporaryFilesOfKilledSavesOnly) {
    TempFolder folder;
    const fs::path state = folder.Write("vemla.usr", "old");
    for (const char* name : {"vemla.usr.tmp-a1B2c3", "vemla.usr.tmp-ZZZZZZ"})
        folder.Write(name, "x");
    // Not ours: another file's temporary, a longer or odd suffix, a folder.
    for (const char* name :
         {"other.usr.tmp-a1B2c3", "vemla.usr.tmp-a1B2c3d", "vemla.usr.tmp-a1 2c3"})
        folder.Write(name, "x");
    fs::create_directory(folder.path() / "vemla.usr.tmp-folder");
    // A save running in another process holds the lock on its file.
    const fs::path running = folder.Write("vemla.usr.tmp-LIVE00", "x");
    const int fd = ::open(running.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);

    ASSERT_FALSE(SaveStateFile(state, "new"));
    EXPECT_EQ(Contents(state), "new");
    EXPECT_EQ(Names(folder.path()),
              (std::set<std::string>{"vemla.usr", "other.usr.tmp-a1B2c3", "vemla.usr.tmp-a1B2c3d",
                                     "vemla.usr.tmp-a1 2c3", "vemla.usr.tmp-folder",
                                     "vemla.usr.tmp-LIVE00"}));
    ::close(fd);
    ASSERT_FALSE(SaveStateFile(state, "newer"));  // now the killed one's
    EXPECT_FALSE(fs::exists(running));
}

TEST(StateSaving, ALinkStaysALinkAndItsTargetIsReplaced) {
    TempFolder folder;
    const fs::path config = folder.path() / "config", dotfiles = folder.path() / "dotfiles";
    fs::create_directories(config);
    fs::create_directories(dotfiles / "sub");
    const fs::path target = folder.Write("dotfiles/sub/vemla.usr", "old");
    // A relative link to a second link, which holds an absolute path.
    fs::create_symlink(target, dotfiles / "link.usr");
    fs::create_symlink("../dotfiles/link.usr", config / "vemla.usr");

    ASSERT_FALSE(SaveStateFile(config / "vemla.usr", "new"));
    EXPECT_TRUE(fs::is_symlink(config / "vemla.usr"));
    EXPECT_TRUE(fs::is_symlink(dotfiles / "link.usr"));
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(Names(config), std::set<std::string>{"vemla.usr"});
    EXPECT_EQ(Names(dotfiles / "sub"), std::set<std::string>{"vemla.usr"});

    // A link whose target is not written yet gets it; a loop of links is an error.
    fs::remove(target);
    ASSERT_FALSE(SaveStateFile(config / "vemla.usr", "first"));
    EXPECT_EQ(Contents(target), "first");
    fs::create_symlink("loop.usr", config / "loop.usr");
    const auto error = SaveStateFile(config / "loop.usr", "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, ELOOP);
}

}  // namespace
}  // namespace vemla
