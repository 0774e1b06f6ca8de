// A UserInterface that records what the program asks of the platform, and a
// scoped TZ for tests that depend on the local offset.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "app/user_interface.h"

namespace vemla::test {

struct ShownMessage {
    std::string title, text;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakeUserInterface : public UserInterface {
  public:
    MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({title, text, icon, buttons});
        return answer;
    }
    void SetClipboardText(const std::string& text) override { clipboard.push_back(text); }
    void DoPendingEvents() override {}
    bool OpenWebLink(const std::string& url) override {
        opened_links.push_back(url);
        return browser_works;
    }
    double CurrentAJD() override { return now; }

    // The text of the only message shown since the last call ("" for none or
    // several); forgets the messages.
    std::string TakeMessage() {
        std::string text = messages.size() == 1 ? messages[0].text : "";
        messages.clear();
        return text;
    }

    MessageAnswer answer = MessageAnswer::kOk;  // to every question
    std::vector<ShownMessage> messages;
    std::vector<std::string> clipboard, opened_links;
    bool browser_works = true;
    double now = 2451545.0;
};

class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

  private:
    std::optional<std::string> old_;
};

}  // namespace vemla::test
