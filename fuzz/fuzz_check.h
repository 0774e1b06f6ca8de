// Shared pieces of the fuzz targets: a property check that stops the run
// with the input shown readably, and the splitting of an input into fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace vemla::fuzz {

// The text with every byte outside printable ASCII written as \xHH.
inline std::string Escaped(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
            out += buffer;
        }
    }
    return out;
}

[[noreturn]] inline void Fail(const char* file, int line, const char* condition,
                              const std::string& detail) {
    std::fprintf(stderr, "\n%s:%d: property does not hold: %s\n  %s\n", file, line, condition,
                 detail.c_str());
    std::abort();
}

// Checks a property of the program; `detail` (a std::string expression) is
// built only when the property fails.
#define FUZZ_CHECK(condition, detail)                                                    \
    do {                                                                                 \
        if (!(condition)) ::vemla::fuzz::Fail(__FILE__, __LINE__, #condition, (detail)); \
    } while (false)

// Splits the text at `separator` into at most `count` fields; the last field
// keeps the rest, separators included. Missing fields are empty.
inline std::vector<std::string_view> Fields(std::string_view text, char separator,
                                            std::size_t count) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t end = text.find(separator);
        if (end == std::string_view::npos) break;
        fields.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    fields.push_back(text);
    fields.resize(count);
    return fields;
}

// Small choices taken from the bytes of an options field: byte i modulo
// `count`, or `fallback` when the field is shorter.
class Options {
  public:
    explicit Options(std::string_view bytes) : bytes_(bytes) {}
    int Pick(std::size_t i, int count, int fallback) const {
        if (i >= bytes_.size()) return fallback;
        return static_cast<unsigned char>(bytes_[i]) % count;
    }
    // Four bytes from i on as a fraction in [0, 1), or `fallback`.
    double Fraction(std::size_t i, double fallback) const {
        if (i + 4 > bytes_.size()) return fallback;
        uint32_t value = 0;
        for (std::size_t k = 0; k < 4; ++k)
            value = value << 8 | static_cast<unsigned char>(bytes_[i + k]);
        return value / 4294967296.0;
    }

  private:
    std::string_view bytes_;
};

}  // namespace vemla::fuzz
