// The web pages the program opens, and what to tell the user when the browser
// cannot be started. Opening the page is the front end's job.
#pragma once

#include <optional>
#include <string_view>

namespace vemla {

// The maker's home page (opened from the maker label) and the online
// documentation. Both are placeholders until the maker publishes the real
// addresses; this is the one place to change them.
inline constexpr std::string_view kMakerHomePage = "https://vemla.example.org/";
inline constexpr std::string_view kOnlineHelpPage = "https://vemla.example.org/help/";

struct WebLinkFailure {
    std::string_view title;
    std::string_view text;  // shown with the exclamation icon
};

// The message to show after trying to open a web page: none when the page
// opened, otherwise the browser-failure message.
std::optional<WebLinkFailure> WebLinkFailureMessage(bool opened);

}  // namespace vemla
