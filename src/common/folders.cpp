#include "common/folders.h"

#include <cstdlib>

namespace vemla {
namespace {

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

FolderEnvironment FolderEnvironment::OfProcess() {
    FolderEnvironment env;
    env.xdg_config_home = EnvironmentValue("XDG_CONFIG_HOME");
    env.home = EnvironmentValue("HOME");
    std::error_code error;
    env.working_folder = std::filesystem::current_path(error);
    if (error) env.working_folder.clear();
    return env;
}

std::filesystem::path AppDataFolder(const FolderEnvironment& env) {
    const std::filesystem::path xdg = env.xdg_config_home;
    if (xdg.is_absolute()) return xdg;
    const std::filesystem::path home = env.home;
    if (home.is_absolute()) return home / ".config";
    return env.working_folder;
}

StateFileLocation StateFilePath(std::string_view file, std::string_view folder,
                                const FolderEnvironment& env) {
    StateFileLocation location;
    const std::filesystem::path base = AppDataFolder(env);
    const std::filesystem::path dir = base / folder;
    location.path = dir / file;
    if (base.empty()) {
        location.error = std::make_error_code(std::errc::no_such_file_or_directory);
        return location;
    }
    if (FolderExists(dir)) return location;
    location.created = std::filesystem::create_directories(dir, location.error);
    // create_directories may succeed without making anything when something
    // that is not a folder already has the name.
    if (!location.error && !FolderExists(dir))
        location.error = std::make_error_code(std::errc::not_a_directory);
    if (location.error) location.created = false;
    return location;
}

StateFileLocation StateFilePath(std::string_view file, std::string_view folder) {
    return StateFilePath(file, folder, FolderEnvironment::OfProcess());
}

bool FolderExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

}  // namespace vemla
