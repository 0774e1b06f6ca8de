// A platform for the benchmarks that answers at once and shows nothing.
#pragma once

#include <string>

#include "app/user_interface.h"

namespace vemla::bench {

class QuietUserInterface : public UserInterface {
  public:
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageIcon,
                              MessageButtons) override {
        ++messages;
        return MessageAnswer::kOk;
    }
    void SetClipboardText(const std::string&) override {}
    void DoPendingEvents() override {}
    bool OpenWebLink(const std::string&) override { return true; }
    double CurrentAJD() override { return 2460351.25; }  // 2024-02-10 18:00 GMT
    int messages = 0;
};

}  // namespace vemla::bench
