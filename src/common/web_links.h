// The web pages the program opens, and what to tell the user when the browser
// cannot be started. Opening the page is the front end's job.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vemla {

// The project's home page, opened from the maker label. The project has none
// yet: while this is empty the label is hidden. This is the one place to set it.
inline constexpr std::string_view kMakerHomePage = "";

// The user manual, made when the program is built: beside the executable in
// the build tree, in ../share/doc/vemla relative to it once installed.
inline constexpr std::string_view kManualFileName = "vemla-manual.html";

// The manual's file for a program in `exe_folder`, or nothing when neither
// place holds it.
std::optional<std::filesystem::path> FindManual(const std::filesystem::path& exe_folder);

// The "file://" address of an absolute path, with every byte outside the
// unreserved characters and "/" percent-encoded.
std::string FileAddress(const std::filesystem::path& file);

// Shown when there is no manual to open.
inline constexpr std::string_view kNoManualTitle = "Online documentation";
inline constexpr std::string_view kNoManualText =
    "The user manual was not found. It is made when the program is built and installed in "
    "share/doc/vemla.";

struct WebLinkFailure {
    std::string_view title;
    std::string_view text;  // shown with the exclamation icon
};

// The message to show after trying to open a web page: none when the page
// opened, otherwise the browser-failure message.
std::optional<WebLinkFailure> WebLinkFailureMessage(bool opened);

}  // namespace vemla
