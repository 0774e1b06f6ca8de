// Saving and reading the state file on disk: a save replaces the old file
// completely or not at all, and reading refuses what cannot be a state file.
#include "app/state_file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/state_file.h"

namespace vemla {
namespace {

namespace fs = std::filesystem;

class StateFileIo : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vemla-state-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = folder_ / "vemla.usr";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }

    static std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // The names in the folder, so that leftover temporary files show.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename());
        return names;
    }
    static void ExpectSystemError(const std::optional<FileError>& error, int code) {
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->code, code);
        EXPECT_EQ(error->description, std::strerror(code));
    }

    fs::path folder_;
    fs::path path_;
    const std::string old_text_ = FormatStateFile(SavedState{});
};

TEST_F(StateFileIo, SaveCreatesAndThenReplacesTheFile) {
    EXPECT_FALSE(SaveStateFile(path_, old_text_));
    auto read = ReadStateFile(path_);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), old_text_);

    SavedState changed;
    changed.epoch_year = kEpochAlternative;
    changed.longitude_index = 16;
    const std::string new_text = FormatStateFile(changed);
    EXPECT_FALSE(SaveStateFile(path_, new_text));
    EXPECT_EQ(Contents(path_), new_text);
    // A shorter text leaves nothing of the longer one behind.
    EXPECT_FALSE(SaveStateFile(path_, "short"));
    EXPECT_EQ(Contents(path_), "short");
    EXPECT_EQ(Names(), std::vector<std::string>{"vemla.usr"});
}

TEST_F(StateFileIo, FolderInPlaceOfTheFile) {
    fs::create_directory(path_);
    Write(path_ / "inside", "kept");
    ExpectSystemError(SaveStateFile(path_, old_text_), EISDIR);
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_EQ(Contents(path_ / "inside"), "kept");
    EXPECT_EQ(Names(), std::vector<std::string>{"vemla.usr"});

    auto read = ReadStateFile(path_);
    ASSERT_TRUE(std::holds_alternative<FileError>(read));
    EXPECT_EQ(std::get<FileError>(read).code, EISDIR);
}

TEST_F(StateFileIo, MissingFolderOrAFileAsFolder) {
    ExpectSystemError(SaveStateFile(folder_ / "absent" / "vemla.usr", old_text_), ENOENT);
    Write(folder_ / "plain", "kept");
    ExpectSystemError(SaveStateFile(folder_ / "plain" / "vemla.usr", old_text_), ENOTDIR);
    EXPECT_EQ(Contents(folder_ / "plain"), "kept");
    EXPECT_EQ(Names(), std::vector<std::string>{"plain"});
}

TEST_F(StateFileIo, UnwritableFolderKeepsTheOldFile) {
    Write(path_, old_text_);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder_.c_str(), W_OK) == 0) GTEST_SKIP() << "permissions do not bind this user";
    ExpectSystemError(SaveStateFile(path_, "new"), EACCES);
    EXPECT_EQ(Contents(path_), old_text_);
}

// A write that fails part of the way (here: the file-size limit, as a full
// disk would) removes the partial temporary file and keeps the old one.
TEST_F(StateFileIo, FailedWriteKeepsTheOldFile) {
    Write(path_, old_text_);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::optional<FileError> error = SaveStateFile(path_, std::string(1000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);

    ExpectSystemError(error, EFBIG);
    EXPECT_EQ(Contents(path_), old_text_);
    EXPECT_EQ(Names(), std::vector<std::string>{"vemla.usr"});
}

TEST_F(StateFileIo, ReadRefusesMissingOversizedAndSpecialFiles) {
    auto missing = ReadStateFile(path_);
    ASSERT_TRUE(std::holds_alternative<FileError>(missing));
    EXPECT_EQ(std::get<FileError>(missing).code, ENOENT);
    EXPECT_EQ(std::get<FileError>(missing).description, std::strerror(ENOENT));

    Write(path_, "");
    ASSERT_TRUE(std::holds_alternative<std::string>(ReadStateFile(path_)));
    EXPECT_EQ(std::get<std::string>(ReadStateFile(path_)), "");

    Write(path_, std::string(kMaxStateFileSize, '\n'));
    auto largest = ReadStateFile(path_);
    ASSERT_TRUE(std::holds_alternative<std::string>(largest));
    EXPECT_EQ(std::get<std::string>(largest).size(), kMaxStateFileSize);

    Write(path_, std::string(kMaxStateFileSize + 1, '\n'));
    auto oversized = ReadStateFile(path_);
    ASSERT_TRUE(std::holds_alternative<FileError>(oversized));
    EXPECT_EQ(std::get<FileError>(oversized).code, EFBIG);

    // A named pipe without a writer would block an ordinary read.
    fs::remove(path_);
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    auto pipe = ReadStateFile(path_);
    ASSERT_TRUE(std::holds_alternative<FileError>(pipe));
    EXPECT_EQ(std::get<FileError>(pipe).code, EINVAL);
}

}  // namespace
}  // namespace vemla
