// The platform seam for the desktop program: message boxes, the clipboard,
// pending events, the browser and the clock through Qt.
//
// Each service can be replaced by a hook, so that tests see what the program
// asks without a modal box ever waiting for an answer.
#pragma once

#include <functional>
#include <string>

#include "app/user_interface.h"

namespace vemla {

class QtUserInterface : public UserInterface {
  public:
    using MessageHook = std::function<MessageAnswer(
        const std::string& title, const std::string& text, MessageIcon, MessageButtons)>;

    MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;
    void SetClipboardText(const std::string& text) override;
    void DoPendingEvents() override;
    bool OpenWebLink(const std::string& url) override;
    double CurrentAJD() override;

    // Called before every message box, hook or not, so that the window
    // behind it first shows the state the message speaks of.
    std::function<void()> before_message;

    // Replacements for the real services; unset ones use Qt and the system clock.
    MessageHook message_hook;
    std::function<bool(const std::string& url)> web_link_hook;
    std::function<double()> clock_hook;
};

// A modal message box with the given title, text, icon and buttons, over the
// active window; returns the button pressed (closing the box counts as the
// last button: Cancel or No).
MessageAnswer ShowMessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                             MessageButtons buttons);

}  // namespace vemla
