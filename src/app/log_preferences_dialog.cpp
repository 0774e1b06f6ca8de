#include "app/log_preferences_dialog.h"

namespace vemla {

std::string_view LogBoxFrameCaption(LogBoxFrame frame) {
    switch (frame) {
        case LogBoxFrame::kChinese:
            return "Chinese";
        case LogBoxFrame::kWestern:
            return "Western";
        case LogBoxFrame::kAstronomical:
            return "Astronomical";
        case LogBoxFrame::kNone:
            break;
    }
    return "";
}

void LogPreferencesDialog::Close() {
    visible_ = false;
    prefs_.OnClose();
}

}  // namespace vemla
