// A ListOutput that keeps what a listing writes and can stop it at a chosen
// question; and a text split into its "\r\n" lines.
#pragma once

#include <string>
#include <vector>

#include "app/listing.h"

namespace vemla::test {

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

struct RecordingListOutput : ListOutput {
    void Write(std::string_view piece) override { text += piece; }
    bool StopRequested() override {
        stopped = stopped || ++questions == stop_at_question;
        return stopped;
    }
    void RequestStop() override { stopped = true; }
    void LongListingStarted() override { ++long_listings; }
    void ListingEnded() override { ++endings; }
    void ShowMessage(std::string_view message) override { messages.emplace_back(message); }
    std::vector<std::string> Lines() const { return SplitLines(text); }

    std::string text;
    int stop_at_question = 0;  // 0: never
    int questions = 0, long_listings = 0, endings = 0;
    bool stopped = false;
    std::vector<std::string> messages;
};

}  // namespace vemla::test
