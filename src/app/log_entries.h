// The texts of the log: the heading of an automatic entry and the entry that
// describes the displayed moment in the reckonings chosen in the log
// preferences, compact or expanded. Pure composition; the log model appends
// what these return.
#pragma once

#include <string>
#include <string_view>

#include "app/log_preferences.h"
#include "engine/chinese_dates.h"

namespace vemla {

// What an entry reads from the main window. The captions are the texts of the
// value labels exactly as shown, e.g. "2000-01-01 CE 12:00 GMT Saturday" or
// "[-1] 25 days, 17 hrs, 46 mins (87.2%)". The prime meridian and the epoch
// are the calendar engine's own settings, which the main window keeps in step
// with its boxes.
struct LogContext {
    double ajd = 0.0;            // the displayed moment
    std::string window_caption;  // the main window's caption
    std::string epoch_method;    // "Epoch = -2696, method = true sun"
    std::string ce_caption;      // Common Era date
    std::string jc_caption;      // Julian Calendar date
    std::string chl_caption;     // Chinese Lunar
    std::string chs_caption;     // Chinese Solar
    std::string phase_caption;   // phase of the Moon and illumination
    std::string age_caption;     // lunation and age of the Moon
};

// The main window's controls an automatic entry's heading depends on.
struct AutoLogInputs {
    bool auto_log = false;        // "Auto log" is checked
    std::string plus_minus_text;  // the plus/minus box as typed
    bool plus = true;             // "Plus" rather than "Minus"
    bool move_forward = true;     // move direction forward
    std::string move_step_item;   // the selected move step, e.g. "CHL month"
    bool next = true;             // search for the next rather than the previous
    std::string target_item;      // the selected search target, e.g. "Full moon"
};

// The operations after which an automatic entry is made.
enum LogOp : int {
    kLogNow = 1,
    kLogConvert = 2,
    kLogMoveStep = 3,
    kLogSearch = 4,
    kLogOneDayMove = 5,
};

// The heading naming the operation: "Now", "Plus 1 day", "Minus 30 days",
// "Move back 1 CHL month", "Search for next full moon", "Move forward one day "
// ... Empty for a conversion without a day count and for unknown operations.
std::string AutoLogHeading(int op, const AutoLogInputs& inputs);

// The heading's line and, for expanded entries, its underline of hyphens.
std::string AutoLogHeadingLines(std::string_view heading, bool expanded);

struct LogEntryText {
    std::string text;
    // False when no reckoning was chosen: no entry proper was written (the
    // text then holds at most the log's opening caption).
    bool has_entry = false;
};

// The entry for the displayed moment. An empty log opens with the main
// window's caption and a blank line. Converts the moment with `engine`, whose
// settings give the prime meridian and the epoch.
LogEntryText ComposeLogEntry(const LogContext& context, CalendarEngine& engine,
                             const LogPreferences& prefs, bool log_empty);

// "Log for " and the program's name: the main window's caption without the
// version that ends it ("Vemla 0.1.0" gives "Log for Vemla").
std::string LogWindowCaption(std::string_view main_caption);

}  // namespace vemla
