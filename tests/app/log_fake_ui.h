// A user interface for the log tests that records message boxes and
// clipboard writes and answers every question with `answer`.
#pragma once

#include <string>
#include <vector>

#include "app/user_interface.h"

namespace vemla::test {

class LogFakeUi : public UserInterface {
public:
    struct Message {
        std::string title, text;
        MessageIcon icon;
        MessageButtons buttons;
    };
    MessageAnswer answer = MessageAnswer::kOk;
    std::vector<Message> messages;
    std::vector<std::string> clipboard_writes;

    MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({title, text, icon, buttons});
        return answer;
    }
    void SetClipboardText(const std::string& text) override { clipboard_writes.push_back(text); }
    void DoPendingEvents() override {}
    bool OpenWebLink(const std::string&) override { return true; }
    double CurrentAJD() override { return 2451545.0; }
};

}  // namespace vemla::test
