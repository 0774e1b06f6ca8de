// Saving the state file on disk: a save replaces the old file completely or
// not at all, clears away what killed saves left and keeps a symbolic link a
// link. What reading refuses is met at start-up by the hostile-file tests.
#include "app/state_file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iterator>

#include "app/state_file.h"
#include "common/temp_folder.h"

namespace vemla {
namespace {

namespace fs = std::filesystem;

// The error number, 0 for success; the description must be the system's.
int ErrorCode(const std::optional<FileError>& error) {
    if (!error) return 0;
    EXPECT_EQ(error->description, std::strerror(error->code));
    return error->code;
}

long FilesIn(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// A folder holding an old state file.
class StateFileIo : public ::testing::Test {
  protected:
    TempFolder folder_;
    const std::string kOldText = FormatStateFile(SavedState{});
    const fs::path path_ = folder_.Write("vemla.usr", kOldText);
};

TEST_F(StateFileIo, SaveReplacesTheWholeFileOrNothing) {
    EXPECT_EQ(ErrorCode(SaveStateFile(path_, "short")), 0);
    EXPECT_EQ(ErrorCode(SaveStateFile(path_, kOldText)), 0);
    EXPECT_EQ(std::get<std::string>(ReadStateFile(path_)), kOldText);

    EXPECT_EQ(ErrorCode(SaveStateFile(folder_.path() / "absent" / "vemla.usr", "new")), ENOENT);
    EXPECT_EQ(ErrorCode(SaveStateFile(path_ / "vemla.usr", "new")), ENOTDIR);
    const fs::path in_the_way = folder_.Write("folder/vemla.usr/inside", "kept").parent_path();
    EXPECT_EQ(ErrorCode(SaveStateFile(in_the_way, "new")), EISDIR);
    EXPECT_EQ(ReadWholeFile(in_the_way / "inside"), "kept");
    EXPECT_EQ(FilesIn(in_the_way.parent_path()), 1);
    EXPECT_EQ(ReadWholeFile(path_), kOldText);
    EXPECT_EQ(FilesIn(folder_.path()), 2);  // no temporary file is left
}

TEST_F(StateFileIo, RemovesTheTemporaryFilesOfKilledSavesOnly) {
    const fs::path killed = folder_.Write("vemla.usr.tmp-a1B2c3", "x");
    const fs::path others[] = {folder_.Write("other.usr.tmp-a1B2c3", "x"),
                               folder_.Write("vemla.usr.tmp-a1B2c3d", "x"),
                               folder_.Write("vemla.usr.tmp-LIVE00", "x")};
    // A save running in another process holds the lock on its file.
    const int running = ::open(others[2].c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    ASSERT_FALSE(SaveStateFile(path_, "new"));
    ::close(running);
    EXPECT_EQ(ReadWholeFile(path_), "new");
    EXPECT_FALSE(fs::exists(killed));
    for (const fs::path& other : others) EXPECT_TRUE(fs::exists(other)) << other;
}

TEST_F(StateFileIo, ALinkStaysALinkAndItsTargetIsReplacedInItsOwnFolder) {
    const fs::path target = folder_.Write("dotfiles/vemla.usr", "old");
    fs::create_directories(folder_.path() / "config");
    const fs::path link = folder_.path() / "config" / "vemla.usr";
    fs::create_symlink("../dotfiles/vemla.usr", link);  // relative to the link's folder
    ASSERT_FALSE(SaveStateFile(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(target), "new");
    EXPECT_EQ(FilesIn(link.parent_path()), 1);
    EXPECT_EQ(FilesIn(target.parent_path()), 1);
}

}  // namespace
}  // namespace vemla
