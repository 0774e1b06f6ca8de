#include "common/strproc.h"

#include <cmath>
#include <limits>

#include "common/digits.h"

namespace vemla {

namespace {

// What Trim removes at the ends of a text.
constexpr std::string_view kBlanks = " \t\r\n";

// The whole second of the day of a fraction f in [0, 1).
int64_t SecondOfDay(double f) {
    // A hair below a whole second counts as that second.
    if (f > 0.0 && f < 0.99999999) f += 1e-8;
    int64_t s = static_cast<int64_t>(std::nearbyint(f * 86400.0));  // halves to even
    return s >= 86400 ? 86399 : s;
}

// At least two digits, as "%02lld" writes a number that is not negative.
void AppendTwoDigits(std::string& text, int64_t n) {
    if (n >= 100) {
        text += std::to_string(n);
        return;
    }
    text += static_cast<char>('0' + n / 10);
    text += static_cast<char>('0' + n % 10);
}

}  // namespace

int64_t MinuteOfDay(double f) {
    const int64_t s = SecondOfDay(f);
    return s / 60 + (s % 60 >= 31 ? 1 : 0);
}

std::string TimeText(double f, bool with_seconds) {
    if (!(f >= 0.0 && f < 1.0)) return "XX:XX:XX";
    const int64_t s = SecondOfDay(f);
    const int64_t sec = s % 60;
    const int64_t m = with_seconds ? s / 60 : MinuteOfDay(f);
    int64_t mm = m % 60;
    int64_t hh = (m - mm) / 60;
    // By hand rather than with snprintf, whose reading of the format cost
    // more than the digits: a batch conversion writes two times a line.
    std::string text;
    text.reserve(8);
    AppendTwoDigits(text, hh);
    text += ':';
    AppendTwoDigits(text, mm);
    if (with_seconds) {
        text += ':';
        AppendTwoDigits(text, sec);
    }
    return text;
}

std::string DurationText(int64_t minutes, bool long_form) {
    const int64_t input = minutes;
    int64_t d = minutes / 1440;
    minutes %= 1440;
    int64_t h = minutes / 60;
    minutes %= 60;
    std::string text;
    if (input >= 1440) {
        text += std::to_string(d);
        text += long_form ? (d == 1 ? " day" : " days") : "d ";
    }
    if (input % 1440 >= 60) {
        if (long_form && d >= 1) text += " and ";
        text += std::to_string(h);
        text += long_form ? (h == 1 ? " hour" : " hours") : "h ";
    }
    if (minutes > 0) {
        if (long_form && (h > 0 || d >= 1)) text += " and ";
        text += std::to_string(minutes);
        text += long_form ? (minutes == 1 ? " minute" : " minutes") : "m ";
    }
    if (text.empty()) text = long_form ? "0 minutes" : "0m";
    if (!long_form && !text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string OrdinalText(int64_t n) {
    std::string text = std::to_string(n);
    if (n < 0) return text;
    int64_t last_two = n % 100;
    if (last_two >= 11 && last_two <= 13) return text + "th";
    switch (n % 10) {
        case 1:
            return text + "st";
        case 2:
            return text + "nd";
        case 3:
            return text + "rd";
        default:
            return text + "th";
    }
}

int64_t CountChar(std::string_view text, char c) {
    int64_t count = 0;
    for (char ch : text)
        if (ch == c) ++count;
    return count;
}

std::string RemoveChar(std::string_view text, char c) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        if (ch != c) out += ch;
    return out;
}

void RemoveChars(std::string& text, std::string_view set) {
    std::erase_if(text, [set](char c) { return set.find(c) != std::string_view::npos; });
}

void KeepDigitsAndSign(std::string& text, bool minus_allowed) {
    std::string out;
    bool digit_seen = false, plus_seen = false, minus_seen = false;
    for (char ch : text) {
        if (IsDecimalDigit(ch)) {
            digit_seen = true;
            out += ch;
        } else if (ch == '+' && !digit_seen && !plus_seen) {
            plus_seen = true;
            out += ch;
        } else if (ch == '-' && minus_allowed && !digit_seen && !minus_seen) {
            minus_seen = true;
            out += ch;
        }
    }
    text = out;
}

bool IsValidPlusMinus(std::string_view text) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    size_t minus = t.find('-');
    if (minus != std::string::npos && minus != 0) return false;
    size_t plus = t.find('+');
    if (plus != std::string::npos && plus != 0) return false;
    RemoveChars(t, "0123456789-+,.");
    return t.empty();
}

std::string PadForWidth(int64_t n, int width) {
    int k = static_cast<int>(std::to_string(n).size());
    return k < width ? std::string(static_cast<size_t>(width - k), ' ') : std::string();
}

std::string StrNumber(int64_t n) {
    return (n >= 0 ? " " : "") + std::to_string(n);
}

double NumericValue(std::string_view text) {
    size_t pos = 0;
    const bool negative = ReadBlanksAndSign(text, pos);
    double value = 0.0;
    ReadDigitRun(text, pos, value, std::numeric_limits<double>::infinity());
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (double scale = 0.1; pos < text.size() && IsDecimalDigit(text[pos]); ++pos) {
            value += (text[pos] - '0') * scale;
            scale *= 0.1;
        }
    }
    // Too many digits for a double: the largest one, so that the number fails
    // its field's limit as any large number would, rather than reading as 0.
    if (!std::isfinite(value)) value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

std::string_view TrimView(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string& TrimInPlace(std::string& text) {
    const size_t last = text.find_last_not_of(kBlanks);
    if (last == std::string::npos) {
        text.clear();
    } else {
        text.erase(last + 1);
        text.erase(0, text.find_first_not_of(kBlanks));
    }
    return text;
}

std::string_view TakeLine(std::string_view& text) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::vector<std::string_view> SplitLines(std::string_view text, std::size_t max_lines) {
    std::vector<std::string_view> lines;
    while (!text.empty() && lines.size() < max_lines) lines.push_back(TakeLine(text));
    return lines;
}

std::size_t DecodeUtf8(std::string_view text, char32_t& code_point) {
    if (text.empty()) return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length;
    char32_t value;
    char32_t smallest;
    if (lead < 0x80) {
        code_point = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    code_point = value;
    return length;
}

}  // namespace vemla
