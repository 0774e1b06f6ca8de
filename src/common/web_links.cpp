#include "common/web_links.h"

#include <cctype>
#include <system_error>

namespace vemla {

std::optional<WebLinkFailure> WebLinkFailureMessage(bool opened) {
    if (opened) return std::nullopt;
    return WebLinkFailure{
        "Cannot launch web browser",
        "Error launching web browser.  "
        "Please make sure that your web browser is correctly installed and configured."};
}

std::optional<std::filesystem::path> FindManual(const std::filesystem::path& exe_folder) {
    std::error_code error;
    for (const std::filesystem::path& file :
         {exe_folder / kManualFileName,
          exe_folder / ".." / "share" / "doc" / "vemla" / kManualFileName})
        if (std::filesystem::is_regular_file(file, error))
            return std::filesystem::absolute(file, error).lexically_normal();
    return std::nullopt;
}

std::string FileAddress(const std::filesystem::path& file) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (unsigned char c : file.string()) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += kHex[c >> 4];
            address += kHex[c & 15];
        }
    }
    return address;
}

}  // namespace vemla
