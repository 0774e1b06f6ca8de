// The two web pages the main window links to: the maker's home page and the
// online documentation.
#pragma once

#include <string_view>

namespace vemla {

inline constexpr std::string_view kHomePageAddress = "https://vemla.example.org/";
inline constexpr std::string_view kOnlineDocumentationAddress = "https://vemla.example.org/help/";

}  // namespace vemla
