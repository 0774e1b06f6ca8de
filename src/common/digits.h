// Reading the decimal digits of the numbers people type: day counts, years, the fields of a
// Chinese date. Only the ASCII digits count (not the locale's, not exponents: "1e2" stops at
// the "e"), and a run of any length is read safely.
#pragma once

#include <cstddef>
#include <string_view>

namespace vemla {

constexpr bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips the blanks at text[pos] on and reads the sign a number may begin with; pos ends on the
// first character after them. True for "-", false for "+" or no sign.
constexpr bool ReadBlanksAndSign(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos >= text.size() || (text[pos] != '-' && text[pos] != '+')) return false;
    return text[pos++] == '-';
}

// Reads the run of decimal digits at text[pos] on and moves pos past all of them; returns how
// many there were (0 when text[pos] is no digit). `value` gets their number, built digit by
// digit as value * 10 + digit; once it exceeds `limit` it stops growing, so that a long run
// neither overflows an integer nor costs the reader its place, and the caller refuses any
// value above the limit. An integer limit must stay below the type's maximum / 10 - 9; a
// floating-point value may take an infinite limit and then follows every digit.
template <typename Number>
constexpr std::size_t ReadDigitRun(std::string_view text, std::size_t& pos, Number& value,
                                   Number limit) {
    const std::size_t start = pos;
    value = 0;
    for (; pos < text.size() && IsDecimalDigit(text[pos]); ++pos)
        if (!(value > limit)) value = value * 10 + (text[pos] - '0');
    return pos - start;
}

}  // namespace vemla
