// The platform seam for the command line: message boxes become lines on
// standard error, there is no clipboard and no browser, and the clock is the
// system's.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/user_interface.h"

namespace vemla {

class TerminalUserInterface : public UserInterface {
  public:
    struct Message {
        std::string title, text;
        MessageIcon icon;
    };

    MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;
    void SetClipboardText(const std::string&) override {}
    void DoPendingEvents() override {}
    bool OpenWebLink(const std::string&) override { return false; }
    double CurrentAJD() override;

    // The messages shown since the last call; forgets them.
    std::vector<Message> TakeMessages();

  private:
    std::vector<Message> messages_;
};

}  // namespace vemla
