// Saving and reading the state file on disk: a save replaces the old file
// completely or not at all; reading refuses what cannot be a state file.
#include "app/state_file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "app/state_file.h"
#include "common/temp_folder.h"

namespace vemla {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) { return ReadWholeFile(path); }

// The error number, 0 for success; the description must be the system's.
int ErrorCode(const FileError* error) {
    if (!error) return 0;
    EXPECT_EQ(error->description, std::strerror(error->code));
    return error->code;
}
int ErrorCode(const std::optional<FileError>& saved) { return ErrorCode(saved ? &*saved : nullptr); }
int ErrorCode(const std::variant<std::string, FileError>& read) { return ErrorCode(std::get_if<FileError>(&read)); }

// A fresh folder holding an old state file, removed afterwards.
class StateFileIo : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vemla-state-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        std::ofstream(path_ = folder_ / "vemla.usr", std::ios::binary) << kOldText;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }
    // The folder holds the old file and nothing else: no temporary file is left.
    void ExpectOldFileAlone() const {
        EXPECT_EQ(Contents(path_), kOldText);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
    }

    const std::string kOldText = FormatStateFile(SavedState{});
    fs::path folder_, path_;
};

TEST_F(StateFileIo, SaveReplacesTheWholeFile) {
    EXPECT_EQ(ErrorCode(SaveStateFile(path_, "short")), 0);
    EXPECT_EQ(Contents(path_), "short");
    EXPECT_EQ(ErrorCode(SaveStateFile(path_, kOldText)), 0);
    EXPECT_EQ(std::get<std::string>(ReadStateFile(path_)), kOldText);
    ExpectOldFileAlone();
}

TEST_F(StateFileIo, FailedSavesKeepTheOldFile) {
    EXPECT_EQ(ErrorCode(SaveStateFile(folder_ / "absent" / "vemla.usr", "new")), ENOENT);
    EXPECT_EQ(ErrorCode(SaveStateFile(path_ / "vemla.usr", "new")), ENOTDIR);
    ExpectOldFileAlone();
}

TEST_F(StateFileIo, UnwritableFolder) {
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder_.c_str(), W_OK) == 0) GTEST_SKIP() << "folder permissions do not bind this user";
    EXPECT_EQ(ErrorCode(SaveStateFile(path_, "new")), EACCES);
    ExpectOldFileAlone();
}

TEST_F(StateFileIo, ReadRefusesMissingOversizedAndSpecialFiles) {
    EXPECT_EQ(ErrorCode(ReadStateFile(folder_ / "absent")), ENOENT);
    std::ofstream(path_, std::ios::binary) << std::string(kMaxStateFileSize, '\n');
    EXPECT_EQ(std::get<std::string>(ReadStateFile(path_)).size(), kMaxStateFileSize);
    std::ofstream(path_, std::ios::binary) << std::string(kMaxStateFileSize + 1, '\n');
    EXPECT_EQ(ErrorCode(ReadStateFile(path_)), EFBIG);
    // A named pipe without a writer would block an ordinary read.
    fs::remove(path_);
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    EXPECT_EQ(ErrorCode(ReadStateFile(path_)), EINVAL);
}

}  // namespace
}  // namespace vemla
