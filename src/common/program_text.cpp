#include "common/program_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>
#include <utility>

#include "common/strproc.h"

namespace vemla {
namespace {

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsContinuationByte(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Appends `text` to `out` with every byte that does not belong to a well-formed
// UTF-8 sequence (overlong forms, surrogates and values past U+10FFFF included)
// replaced by U+FFFD. Returns the number of characters appended.
std::size_t AppendValidUtf8(std::string_view text, std::string& out) {
    std::size_t chars = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        ++chars;
        if (lead < 0x80) {
            out.push_back(text[i++]);
            continue;
        }
        std::size_t length = 0;
        uint32_t code = 0;
        uint32_t smallest = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, smallest = 0x10000;
        }
        std::size_t k = 1;
        while (length > 0 && k < length && i + k < text.size() &&
               IsContinuationByte(static_cast<unsigned char>(text[i + k]))) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
            ++k;
        }
        const bool well_formed = length > 0 && k == length && code >= smallest &&
                                 code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
        if (well_formed) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out.append(kReplacementChar);
            ++i;
        }
    }
    return chars;
}

// A text number: optional blanks, an optional sign, digits, optional blanks,
// and a value that fits 16 bits.
bool ParseTextNumber(std::string_view field, int32_t& number) {
    while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
    while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
        if (!field.empty() && field.front() == '-') return false;
    }
    if (field.empty()) return false;
    int64_t value = 0;
    const char* end = field.data() + field.size();
    const auto [next, error] = std::from_chars(field.data(), end, value);
    if (error != std::errc() || next != end) return false;
    if (value < INT16_MIN || value > INT16_MAX) return false;
    number = static_cast<int32_t>(value);
    return true;
}

int32_t BandCode(int32_t base, int64_t line, int32_t past_band_code) {
    return line <= kMaxBandLine ? base - static_cast<int32_t>(line) : past_band_code;
}

// Reads the whole file, or returns a load code.
int32_t ReadTextFile(const std::filesystem::path& path, std::string& content) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    // Only regular files: a directory cannot be read and a pipe could block for ever.
    if (error || !std::filesystem::is_regular_file(status)) return kTextLoadCannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in) return kTextLoadCannotOpen;
    // Piece by piece, so that a small file costs no more than its size;
    // reading stops one piece past the limit.
    char piece[16 * 1024];
    content.clear();
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        content.append(piece, static_cast<std::size_t>(in.gcount()));
        if (content.size() > kMaxTextFileBytes) return kTextLoadTooMuchText;
    }
    if (in.bad()) return kTextLoadReadError;
    if (content.empty()) return kTextLoadEmptyFile;
    return 1;
}

}  // namespace

int32_t ProgramTextStore::lt(const std::filesystem::path& path, int32_t language) {
    texts_.clear();
    language_ = language;

    std::string content;
    if (const int32_t code = ReadTextFile(path, content); code < 1) return code;

    std::string_view rest = content;
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);

    std::unordered_map<int32_t, std::string> texts;
    int64_t line_number = 0;
    while (!rest.empty()) {
        ++line_number;
        const std::string_view line = TakeLine(rest);

        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') continue;

        const std::size_t tab = line.find('\t');
        int32_t number = 0;
        if (tab == std::string_view::npos || tab + 1 == line.size() ||
            !ParseTextNumber(line.substr(0, tab), number))
            return BandCode(kTextLoadMissingBase, line_number, kTextLoadNotRecovered);

        std::string text;
        if (AppendValidUtf8(line.substr(tab + 1), text) > kMaxTextChars)
            return BandCode(kTextLoadTooLongBase, line_number, kTextLoadTooMuchText);
        if (!texts.emplace(number, std::move(text)).second)
            return kTextLoadDuplicateBase - static_cast<int32_t>(line_number);
    }
    texts_ = std::move(texts);
    return static_cast<int32_t>(texts_.size());
}

int32_t ProgramTextStore::gt(int32_t number, int32_t language, char* buffer, int32_t capacity,
                             int32_t /*flag*/) const {
    if (buffer == nullptr || capacity <= 0 || language != language_) return 0;
    const auto found = texts_.find(number);
    if (found == texts_.end()) return 0;
    const std::string& text = found->second;
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(capacity));
    while (n > 0 && n < text.size() && IsContinuationByte(static_cast<unsigned char>(text[n]))) --n;
    std::memcpy(buffer, text.data(), n);
    return static_cast<int32_t>(n);
}

std::string ProgramTextStore::GetText(int32_t number) const {
    char buffer[kMaxTextBytes];
    const int32_t n = gt(number, 0, buffer, kMaxTextBytes, 0);
    return n >= 1 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::string ProgramTextLoadMessage(int32_t code, std::string_view path) {
    const int64_t c = code;
    if (c >= 1) return "";
    switch (code) {
        case kTextLoadNoText:
            return "No program text was read.";
        case kTextLoadCannotOpen:
            return "Cannot open file containing program text.\r\n" + std::string(path);
        case kTextLoadAllocation:
            return "Particular memory allocation error.";
        case kTextLoadTooMuchText:
            return "Too much program text.";
        case kTextLoadNotRecovered:
            return "Text not recovered.";
        case kTextLoadEmptyFile:
            return "File is empty.";
        case kTextLoadReadError:
            return "Error reading file.";
        case kTextLoadGeneralAllocation:
            return "General memory allocation error.";
        default:
            break;
    }
    if (c < kTextLoadDuplicateBase)
        return "Duplicate in program text at line" + StrNumber(kTextLoadDuplicateBase - c) + ".";
    if (c < kTextLoadTooLongBase)
        return "String too long at line" + StrNumber(kTextLoadTooLongBase - c) + ".";
    if (c < kTextLoadMissingBase)
        return "Missing string at line" + StrNumber(kTextLoadMissingBase - c) + ".";
    return "Error " + StrNumber(c);
}

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return exe.parent_path();
}

ProgramTextLoad LoadProgramText(ProgramTextStore& store, const std::filesystem::path& exe_folder,
                                std::string_view file_name) {
    const std::filesystem::path beside = exe_folder / file_name;
    const std::filesystem::path shared =
        (exe_folder / ".." / "share" / "vemla" / file_name).lexically_normal();

    ProgramTextLoad result;
    std::error_code error;
    result.path = std::filesystem::exists(beside, error) || !std::filesystem::exists(shared, error)
                      ? beside
                      : shared;
    result.code = store.Load(result.path);
    result.message = ProgramTextLoadMessage(result.code, result.path.string());
    return result;
}

}  // namespace vemla
