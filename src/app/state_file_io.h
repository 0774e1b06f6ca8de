// Reading and writing the state file on disk. Saving never leaves a
// half-written file behind: the text goes to a temporary file in the same
// folder, is flushed to the disk and then renamed over the old file, so a
// failed save keeps the previous state intact.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vemla {

// A failed file operation: the system's error number and its description
// (as strerror gives it), which the caller shows after
// "Error when attempting to save the state: ".
struct FileError {
    int code = 0;
    std::string description;
};

// What follows the state file's name in the name of a save's temporary file
// (then six letters or digits).
inline constexpr std::string_view kTemporarySuffix = ".tmp-";

// Writes text to path, replacing any old file; nothing on success. The
// folder must exist. The new file is readable and writable by its owner only.
// A path that is a symbolic link stays one: the file it leads to is replaced,
// with the temporary file in that file's folder. Temporary files that earlier
// saves left behind (killed before their rename) are removed first; those of a
// save still running in another process are kept.
std::optional<FileError> SaveStateFile(const std::filesystem::path& path, std::string_view text);

// The whole content of a regular file of at most kMaxStateFileSize bytes;
// a larger file is refused with EFBIG, anything but a regular file with
// EISDIR (a folder) or EINVAL.
std::variant<std::string, FileError> ReadStateFile(const std::filesystem::path& path);

}  // namespace vemla
