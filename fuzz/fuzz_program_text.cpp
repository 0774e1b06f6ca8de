// The program-text loader (lt) on a file of any content, and fetching texts
// from what it loaded (gt).
//
// Input: the content of vemla_text.dat.
//
// Properties: the result is a count of texts or one of the documented codes,
// a line code naming a line the file has; nothing is kept after a failure;
// the file cut before the line named by a line error loads without error;
// every plain ASCII text line is stored as written under its number; every
// stored text is valid UTF-8 of at most 1024 characters, and gt cuts it only
// between characters.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/program_text.h"
#include "fuzz_check.h"

using namespace vemla;
using vemla::fuzz::Escaped;

namespace {

const std::filesystem::path& FilePath() {
    static const std::filesystem::path path = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vemla-fuzz-text-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) std::abort();
        ::close(fd);
        std::atexit([] { std::filesystem::remove(FilePath()); });
        return std::filesystem::path(pattern);
    }();
    return path;
}

int32_t Load(ProgramTextStore& store, std::string_view content) {
    {
        std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    return store.Load(FilePath());
}

int64_t LineCount(std::string_view text) {
    int64_t lines = 0;
    for (std::size_t start = 0; start < text.size(); ++lines) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) return lines + 1;
        start = end + 1;
    }
    return lines;
}

// The line a line error names, or 0 for other codes.
int64_t LineOfCode(int32_t code, bool& duplicate) {
    duplicate = code < kTextLoadDuplicateBase;
    if (duplicate) return kTextLoadDuplicateBase - int64_t{code};
    if (code < kTextLoadTooLongBase) return kTextLoadTooLongBase - int64_t{code};
    if (code < kTextLoadMissingBase) return kTextLoadMissingBase - int64_t{code};
    return 0;
}

// Number of characters of well-formed UTF-8, or -1.
int64_t Utf8Length(std::string_view text) {
    int64_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++chars) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80             ? 1
                             : (lead & 0xE0) == 0xC0 ? 2
                             : (lead & 0xF0) == 0xE0 ? 3
                             : (lead & 0xF8) == 0xF0 ? 4
                                                     : 0;
        if (length == 0 || i + length > text.size()) return -1;
        uint32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80) return -1;
            code = code << 6 | (b & 0x3F);
        }
        static constexpr uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return -1;
        i += length;
    }
    return chars;
}

void CheckStoredText(const ProgramTextStore& store, int32_t number, const std::string& what) {
    const std::string text = store.GetText(number);
    const int64_t chars = Utf8Length(text);
    FUZZ_CHECK(chars >= 0 && chars <= kMaxTextChars,
               what + "text " + std::to_string(number) + " \"" + Escaped(text) + "\"");
    for (int32_t capacity = 1; capacity <= 6; ++capacity) {
        char buffer[6];
        const int32_t n = store.gt(number, 0, buffer, capacity, 0);
        const std::string_view cut(buffer, static_cast<std::size_t>(n));
        FUZZ_CHECK(n >= 0 && n <= capacity && text.compare(0, cut.size(), cut) == 0 &&
                       Utf8Length(cut) >= 0,
                   what + "gt of text " + std::to_string(number) + " into " +
                       std::to_string(capacity) + " bytes");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::string what = "\"" + Escaped(content) + "\": ";
    ProgramTextStore store;
    const int32_t code = Load(store, content);

    if (code < 1) {
        FUZZ_CHECK(store.size() == 0 && store.GetText(1).empty(), what + std::to_string(code));
        FUZZ_CHECK(!ProgramTextLoadMessage(code, "f").empty(), what + std::to_string(code));
        bool duplicate = false;
        const int64_t line = LineOfCode(code, duplicate);
        if (line == 0) {
            FUZZ_CHECK(code == kTextLoadNoText || code == kTextLoadTooMuchText ||
                           code == kTextLoadNotRecovered ||
                           (code == kTextLoadEmptyFile && content.empty()),
                       what + std::to_string(code));
            return 0;
        }
        FUZZ_CHECK(
            line >= 1 && line <= LineCount(content) && (duplicate || line <= kMaxBandLine),
            what + std::to_string(code) + " in " + std::to_string(LineCount(content)) + " lines");
        // Everything before the line at fault loads.
        std::size_t cut = 0;
        for (int64_t i = 1; i < line; ++i) cut = content.find('\n', cut) + 1;
        ProgramTextStore before;
        const int32_t prefix_code = Load(before, content.substr(0, cut));
        FUZZ_CHECK(prefix_code >= 0 || (prefix_code == kTextLoadEmptyFile && cut == 0),
                   what + std::to_string(code) + ", yet the lines before it give " +
                       std::to_string(prefix_code));
        return 0;
    }

    FUZZ_CHECK(store.size() == static_cast<std::size_t>(code), what + std::to_string(code));
    // Each line "NUMBER<TAB>TEXT" is stored under its number, a plain ASCII
    // text exactly as written. The file is read here independently of the
    // loader (its own line split and number check, not common/strproc's), so
    // that a fault in the shared helpers shows as a disagreement.
    std::string_view rest = content;
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0) continue;
        bool digits = true;
        for (char c : line.substr(0, tab)) digits = digits && c >= '0' && c <= '9';
        if (!digits || tab > 4) continue;
        const std::string_view text = line.substr(tab + 1);
        const int32_t number = std::stoi(std::string(line.substr(0, tab)));
        CheckStoredText(store, number, what);
        bool ascii = true;
        for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (ascii)
            FUZZ_CHECK(store.GetText(number) == text, what + "text " + std::to_string(number) +
                                                          " is \"" +
                                                          Escaped(store.GetText(number)) + "\"");
    }
    return 0;
}
