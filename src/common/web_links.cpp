#include "common/web_links.h"

namespace vemla {

std::optional<WebLinkFailure> WebLinkFailureMessage(bool opened) {
    if (opened) return std::nullopt;
    return WebLinkFailure{
        "Cannot launch web browser",
        "Error launching web browser.  "
        "Please make sure that your web browser is correctly installed and configured."};
}

}  // namespace vemla
