// Text and number helpers whose output the user sees in labels, the log and
// the lists: times of day, durations, ordinals, padding, and the small string
// operations the date entry relies on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vemla {

// hh:mm or hh:mm:ss of a day fraction f in [0, 1); "XX:XX:XX" outside. Without
// seconds, 30 seconds round down and 31 round up, and the round-up is not
// carried into the next day: 23:59:31 prints 24:00.
std::string TimeText(double f, bool with_seconds);
// The minute of the day that TimeText shows without seconds for a day
// fraction f in [0, 1): 0 .. 1440.
int64_t MinuteOfDay(double f);

// "2 days and 3 hours and 5 minutes" (long) or "2d 3h 5m" (short).
std::string DurationText(int64_t minutes, bool long_form);

// 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st, 111th ...; negative numbers
// carry no suffix.
std::string OrdinalText(int64_t n);

int64_t CountChar(std::string_view text, char c);
std::string RemoveChar(std::string_view text, char c);
// Removes every character of `set` from `text`.
void RemoveChars(std::string& text, std::string_view set);
// Keeps the digits and at most one leading "+" (and "-" when allowed).
void KeepDigitsAndSign(std::string& text, bool minus_allowed);
// True for a day count such as "5", "-1.5" or "+1,000".
bool IsValidPlusMinus(std::string_view text);
// The blanks that right-align the number n in `width` characters.
std::string PadForWidth(int64_t n, int width);

// Str(n): a number as text with a leading blank when it is not negative.
std::string StrNumber(int64_t n);
// The leading number of a text: optional blanks, an optional sign, digits with
// an optional "." decimal point; reading stops at the first other character,
// and an empty or non-numeric text is 0; one too large for a double is the
// largest double (with its sign).
double NumericValue(std::string_view text);

// Removes blanks (and tabs, carriage returns and line feeds) at both ends.
std::string Trim(std::string_view text);
// The same as a view into `text`.
std::string_view TrimView(std::string_view text);
// The same in place, without a copy (most texts have no blanks at their ends); returns `text`.
std::string& TrimInPlace(std::string& text);

// Takes the first line off `text` and returns it: the characters up to the first line feed,
// without a carriage return before it (so LF and CR LF line ends read alike); `text` moves
// past the line feed, or to its end when there is none.
std::string_view TakeLine(std::string_view& text);
// The lines of a text as TakeLine takes them, at most max_lines of them: a final line end adds
// no empty line, and an empty text has none.
std::vector<std::string_view> SplitLines(std::string_view text, std::size_t max_lines = SIZE_MAX);

// Decodes the UTF-8 character at the front of the text: its length in bytes
// with its code point, or 0 when the bytes there are not well-formed UTF-8
// (overlong forms, surrogates and values past U+10FFFF included) or the text
// is empty.
std::size_t DecodeUtf8(std::string_view text, char32_t& code_point);
// C0 and C1 control characters and DEL.
inline bool IsControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace vemla
