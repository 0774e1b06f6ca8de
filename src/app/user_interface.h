// What the program asks of the platform: message boxes and questions, the
// clipboard, letting pending events run, opening a web page, the clock and the local time zone.
// The desktop program implements it with Qt, the command line with the
// terminal, and the tests with a recording fake.
#pragma once

#include <string>

#include "app/system_clock.h"

namespace vemla {

enum class MessageIcon { kNone, kInformation, kExclamation, kCritical, kQuestion };
enum class MessageButtons { kOk, kOkCancel, kYesNo };
enum class MessageAnswer { kOk, kCancel, kYes, kNo };

class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // A modal message box; returns the button pressed.
    virtual MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // Replaces the clipboard's content with plain text.
    virtual void SetClipboardText(const std::string& text) = 0;
    // Lets pending user input be processed (Stop and Pause during long runs).
    virtual void DoPendingEvents() = 0;
    // Opens a web address in the browser; false when that failed.
    virtual bool OpenWebLink(const std::string& url) = 0;
    // The present moment as an astronomical Julian date (UT).
    virtual double CurrentAJD() = 0;
    // The offset of local time from UTC in minutes east; the computer's own
    // unless a platform (or a test) says otherwise.
    virtual int LocalOffsetMinutes() { return SystemLocalOffsetMinutes(); }
};

}  // namespace vemla
