// The saved state: the displayed moment and the settings of the main window
// and of the log configuration, and their 73-line text form.
//
// The text is one value per line, lines ending in CR LF:
//   1      displayed moment (AJD), shortest decimal form that reads back exactly
//   2      current calendar index 0..8
//   3..5   move forward, plus, next: -1 true, 0 false
//   6..9   move step, search target, refresh period, method: list indexes
//   10     epoch year, -2696 or -2636
//   11..23 the thirteen log boxes, 0 or 1, in LogPreferences order
//   24..26 show local dates, show chronological JDs, auto log: 0 or 1
//   27..72 the prime-meridian abbreviations for 100..145 degrees East, quoted
//   73     prime-meridian list index (longitude - 100)
// Numbers use "." and no grouping whatever the locale.
//
// Reading is all or nothing: ParseStateFile checks every line before it
// returns a state, so a short or damaged file changes nothing. What it accepts:
//   - exactly 73 lines ending in CR LF or LF; the last line end may be missing;
//   - no line longer than kMaxStateLineLength bytes;
//   - numbers as std::from_chars reads them (no blanks, no "+"), integers
//     without a decimal point; the moment in the engine's years (moves and
//     searches may display moments outside the range typing accepts, and
//     a file the program wrote must always restore), every index inside
//     its list;
//   - a quoted line is the text between its first and its last character,
//     both of which must be '"'; a '"' in between is an ordinary character,
//     so any abbreviation reads back as written without escapes;
//   - an abbreviation is valid UTF-8 of exactly three characters (code
//     points), none of them a control character, not all blanks: the
//     program always stores three characters (a shorter entry is padded with
//     blanks), and the display relies on it. Anything else is refused, never
//     truncated or padded.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/log_preferences.h"
#include "app/settings.h"

namespace vemla {

inline constexpr int kStateFileLineCount = 73;
// Far above the longest valid line (a quoted abbreviation of three 4-byte
// characters); longer lines are refused unread.
inline constexpr std::size_t kMaxStateLineLength = 64;
// A valid state file is well under 1 KiB; larger texts are refused.
inline constexpr std::size_t kMaxStateFileSize = 64 * 1024;

struct SavedState {
    double moment = 2451545.0;  // dblCurrentAJDate, noon GMT of 2000-01-01 CE
    int calendar = kCalCHL;     // intCalendar
    bool move_forward = true;
    bool plus = true;
    bool next = true;
    int move_step_index = 2;       // "day"
    int target_index = 0;          // "Full moon"
    int refresh_period_index = 2;  // "1"
    int method_index = 0;          // "true sun"
    int epoch_year = kEpochHuangdi;
    LogPreferences log;  // lines 11..23: the caller decides whether to apply them
    bool show_local = true;
    bool show_cjds = false;
    bool auto_log = false;
    AbbreviationTable abbreviations = DefaultAbbreviations();
    int longitude_index = kDefaultLongitude - kMinLongitude;

    // The position of the epoch in the epoch box.
    int EpochIndex() const { return epoch_year == kEpochHuangdi ? 0 : 1; }
};

// The state of the running program in the form the file keeps.
SavedState CaptureState(double moment, int calendar, const Settings& settings,
                        const LogPreferences& log, const AbbreviationTable& abbreviations);

// The 73 lines, each ending in CR LF.
std::string FormatStateFile(const SavedState& state);

struct ParsedState {
    std::optional<SavedState> state;  // present only when every line is valid
    int line = 0;                     // first line at fault (1..74), 0 for the text as a whole
    std::string reason;               // what is wrong there, for diagnostics

    explicit operator bool() const { return state.has_value(); }
};

ParsedState ParseStateFile(std::string_view text);

// Whether a text may stand in the abbreviation table of a state file.
bool IsStorableAbbreviation(std::string_view text);

}  // namespace vemla
