// What the program remembers beyond the state file: a small settings file
// beside it ("vemla.ini"), one "key=value" a line, so that the state file
// keeps its fixed 73-line layout and files move between versions unchanged.
//
// Reading is lenient: blank lines, comments ("#" or ";"), lines without "="
// and unknown keys are passed over (unknown keys are kept and written back,
// so a newer version's settings survive a save by an older one); a later
// line wins over an earlier one with the same key. A missing or unreadable
// file gives the defaults. Saving goes through the state file's atomic
// write: the old file stays whole until the new one is complete.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "app/state_file_io.h"

namespace vemla {

inline constexpr std::string_view kExtraSettingsFileName = "vemla.ini";

// Keys of the settings kept in the file.
inline constexpr std::string_view kChineseCharactersKey = "chinese_characters";

class ExtraSettings {
  public:
    static ExtraSettings Parse(std::string_view text);
    // The file's text: a comment line, then the keys in order, "\n" line ends.
    std::string Text() const;

    // The text of a key, if the file holds one.
    std::optional<std::string> Value(std::string_view key) const;
    // Stores a value; line breaks in it become blanks, so that a value can
    // never start a line of its own. Keys are the constants above.
    void Set(std::string_view key, std::string_view value);

    // A flag reads "true", "yes", "on" or "1" as true and "false", "no",
    // "off" or "0" as false, in any case; anything else gives the default.
    bool Flag(std::string_view key, bool default_value) const;
    void SetFlag(std::string_view key, bool value) { Set(key, value ? "true" : "false"); }

  private:
    std::map<std::string, std::string, std::less<>> values_;
};

// The settings in a file; the defaults (an empty set) when it is missing,
// unreadable or not a regular file.
ExtraSettings LoadExtraSettings(const std::filesystem::path& path);
// Writes the settings over the file, atomically; the error when that failed.
std::optional<FileError> SaveExtraSettings(const std::filesystem::path& path,
                                           const ExtraSettings& settings);

}  // namespace vemla
