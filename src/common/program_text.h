// The numbered program-text store: captions kept outside the program in the
// file vemla_text.dat and fetched by number.
//
// File format: UTF-8, one text per line as NUMBER<TAB>TEXT. NUMBER is a whole
// number from -32768 to 32767 (blanks around it are allowed, a leading "+" too);
// TEXT is everything after the first tab up to the line end, kept as written.
// Lines whose first non-blank character is "#" are comments; lines holding
// nothing but blanks and tabs are ignored. Lines may end in LF or CRLF, and a
// byte-order mark at the start of the file is skipped. Bytes that are not valid
// UTF-8 are stored as U+FFFD, so every stored text is valid UTF-8.
//
// Loading is all or nothing: on any error the store is left empty.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vemla {

inline constexpr char kProgramTextFile[] = "vemla_text.dat";

// Longest text in characters (Unicode code points), and the most bytes such a
// text can take in UTF-8.
inline constexpr int32_t kMaxTextChars = 1024;
inline constexpr int32_t kMaxTextBytes = 4 * kMaxTextChars;

// Files larger than this are refused with kTextLoadTooMuchText.
inline constexpr std::uintmax_t kMaxTextFileBytes = 4 * 1024 * 1024;

// Results of ProgramTextStore::lt. A result of 1 or more is the number of
// texts read.
inline constexpr int32_t kTextLoadNoText = 0;         // the file held no text lines
inline constexpr int32_t kTextLoadCannotOpen = -1;    // missing, not a regular file, or unreadable
inline constexpr int32_t kTextLoadAllocation = -2;    // kept for the message table; not produced
inline constexpr int32_t kTextLoadTooMuchText = -3;   // file over kMaxTextFileBytes, or a text
                                                      // too long on a line past kMaxBandLine
inline constexpr int32_t kTextLoadNotRecovered = -4;  // a line without text past kMaxBandLine
inline constexpr int32_t kTextLoadEmptyFile = -6;     // the file has no bytes at all
inline constexpr int32_t kTextLoadReadError = -7;     // reading failed after opening
inline constexpr int32_t kTextLoadGeneralAllocation = -8;  // kept for the message table
// Line errors: the band's base minus the 1-based line number.
inline constexpr int32_t kTextLoadDuplicateBase = -1500;  // a number that came before
inline constexpr int32_t kTextLoadTooLongBase = -1000;    // a text over kMaxTextChars
// A line that holds no text: no tab, nothing after the tab, or a NUMBER that
// is not a whole number in 16-bit range.
inline constexpr int32_t kTextLoadMissingBase = -500;
// The too-long and missing-text bands are 500 codes wide, so they can name
// lines 1 to 500 only; past that the two errors fall back to kTextLoadTooMuchText
// and kTextLoadNotRecovered. Duplicates are reported at any line.
inline constexpr int32_t kMaxBandLine = 500;

class ProgramTextStore {
  public:
    // Reads the texts of the file at `path` for `language`, replacing whatever
    // the store held. Returns the number of texts read, or one of the codes above.
    int32_t lt(const std::filesystem::path& path, int32_t language);

    // Copies text `number` of `language` into buffer[0, capacity) and returns the
    // number of bytes written; 0 when the store has no such text, or buffer is
    // null or capacity is not positive. A text longer than capacity is cut at a
    // character boundary. The buffer is not NUL-terminated. `flag` is accepted and
    // ignored.
    int32_t gt(int32_t number, int32_t language, char* buffer, int32_t capacity,
               int32_t flag) const;

    // lt for language 0, the only one the program asks for.
    int32_t Load(const std::filesystem::path& path) { return lt(path, 0); }

    // Text `number` of language 0, or "" when the store does not know it.
    std::string GetText(int32_t number) const;

    std::size_t size() const { return texts_.size(); }

  private:
    int32_t language_ = 0;
    std::unordered_map<int32_t, std::string> texts_;
};

// The message for a failed load, word for word; "" for a code of 1 or more.
// `path` is the file that was tried and appears only in the cannot-open message.
std::string ProgramTextLoadMessage(int32_t code, std::string_view path);

// The folder of the running executable (from /proc/self/exe), or an empty path
// when it cannot be found.
std::filesystem::path ExecutableFolder();

struct ProgramTextLoad {
    int32_t code = kTextLoadCannotOpen;  // result of lt
    std::filesystem::path path;          // the file that was read or tried
    std::string message;                 // what to tell the user; "" on success
    bool ok() const { return code >= 1; }
};

// Loads `file_name` into `store` from beside the executable in `exe_folder` or,
// when no file is there, from ../share/vemla/ relative to it. When neither
// exists the result names the path beside the executable.
ProgramTextLoad LoadProgramText(ProgramTextStore& store, const std::filesystem::path& exe_folder,
                                std::string_view file_name = kProgramTextFile);

}  // namespace vemla
