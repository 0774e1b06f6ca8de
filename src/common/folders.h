// Where the per-user state file lives, and whether a folder exists.
//
// The per-user application-data folder is $XDG_CONFIG_HOME, or $HOME/.config
// when that is unset, so the state file is ~/.config/<folder>/<file>. Without a
// home folder the state file goes under the current working directory, never
// under the filesystem root.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace vemla {

// The parts of the process environment that decide the state-file folder.
// Tests build one by hand; the program takes FolderEnvironment::OfProcess().
struct FolderEnvironment {
    std::string xdg_config_home;           // $XDG_CONFIG_HOME, "" when unset
    std::string home;                      // $HOME, "" when unset
    std::filesystem::path working_folder;  // the current working directory, empty if unknown

    static FolderEnvironment OfProcess();
};

// The per-user application-data folder: $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config when $HOME is an absolute path, else the working
// folder. Relative values are ignored, as the XDG base-directory rules ask.
std::filesystem::path AppDataFolder(const FolderEnvironment& env);

struct StateFileLocation {
    std::filesystem::path path;  // <base>/<folder>/<file>, set even when `error` is
    bool created = false;        // true when the folder had to be made
    std::error_code error;       // why the folder is not usable; empty on success
    bool ok() const { return !error; }
};

// The full path of `file` in `folder` under the application-data folder,
// creating that folder (and the base above it) when missing. An existing folder
// is left as it is. A folder that cannot be made, or a file standing in its
// place, gives an error; so does an unknown working folder when it is needed.
StateFileLocation StateFilePath(std::string_view file, std::string_view folder,
                                const FolderEnvironment& env);
StateFileLocation StateFilePath(std::string_view file, std::string_view folder);

// True when `path` names a folder that exists.
bool FolderExists(const std::filesystem::path& path);

}  // namespace vemla
