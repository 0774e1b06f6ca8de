// A ListOutput that keeps what a listing writes and can stop it after a
// chosen number of questions; and the text split into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/listing.h"

namespace vemla::test {

class RecordingListOutput : public ListOutput {
  public:
    void Write(std::string_view text) override { text_ += text; }
    bool StopRequested() override {
        ++questions;
        if (stop_at_question > 0 && questions >= stop_at_question) stop_ = true;
        return stop_;
    }
    void RequestStop() override { stop_ = true; }
    void LongListingStarted() override { ++long_listings; }
    void ListingEnded() override { ++endings; }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    const std::string& Text() const { return text_; }
    bool Stopped() const { return stop_; }

    // The text's lines without their "\r\n"; a last line without one is kept.
    std::vector<std::string> Lines() const { return SplitLines(text_); }

    static std::vector<std::string> SplitLines(const std::string& text) {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        if (start < text.size()) lines.push_back(text.substr(start));
        return lines;
    }

    int stop_at_question = 0;  // 0: never
    int questions = 0;
    int long_listings = 0;
    int endings = 0;
    std::vector<std::string> messages;

  private:
    std::string text_;
    bool stop_ = false;
};

}  // namespace vemla::test
