// Line surgery on state-file texts (lines end in CR LF) for the tests.
#pragma once

#include <cstddef>
#include <string>

namespace vemla::test {

// The text with line n (1-based) replaced by value.
inline std::string WithLine(const std::string& text, int n, const std::string& value) {
    std::size_t begin = 0;
    for (int i = 1; i < n; ++i) begin = text.find("\r\n", begin) + 2;
    return text.substr(0, begin) + value + text.substr(text.find("\r\n", begin));
}

// The first n lines of the text.
inline std::string FirstLines(const std::string& text, int n) {
    std::size_t end = 0;
    for (int i = 0; i < n; ++i) end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

}  // namespace vemla::test
