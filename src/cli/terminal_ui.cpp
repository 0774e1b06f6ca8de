#include "cli/terminal_ui.h"

#include <chrono>

namespace vemla {

MessageAnswer TerminalUserInterface::ShowMessage(const std::string& title, const std::string& text,
                                                 MessageIcon icon, MessageButtons buttons) {
    messages_.push_back({title, text, icon});
    // Nobody answers questions on the command line: the cautious answer.
    switch (buttons) {
        case MessageButtons::kOk:
            return MessageAnswer::kOk;
        case MessageButtons::kOkCancel:
            return MessageAnswer::kCancel;
        case MessageButtons::kYesNo:
            return MessageAnswer::kNo;
    }
    return MessageAnswer::kOk;
}

double TerminalUserInterface::CurrentAJD() {
    using namespace std::chrono;
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return 2440587.5 + seconds / 86400.0;  // 1970-01-01 00:00 UT
}

std::vector<TerminalUserInterface::Message> TerminalUserInterface::TakeMessages() {
    std::vector<Message> taken;
    taken.swap(messages_);
    return taken;
}

}  // namespace vemla
