// The main window's settings: the items of its combo boxes (data) and the
// values of its controls, with the defaults of a first start.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/cycles.h"

namespace vemla {

inline constexpr std::array<std::string_view, 2> kEpochItems = {"-2696 = 2697 BC",
                                                                "-2636 = 2637 BC"};
inline constexpr std::array<std::string_view, 2> kMethodItems = {"true sun", "mean sun"};
inline constexpr int kLongitudeItemCount = kMaxLongitude - kMinLongitude + 1;  // "100" .. "145"
inline constexpr std::array<std::string_view, 14> kMoveStepItems = {"minute",
                                                                    "hour",
                                                                    "day",
                                                                    "CE month",
                                                                    "CE year",
                                                                    "CE century",
                                                                    "CHL month",
                                                                    "CHL year",
                                                                    "60-year cycle (CHL)",
                                                                    "CHS solar term",
                                                                    "CHS year",
                                                                    "60-year cycle (CHS)",
                                                                    "60-day cycle",
                                                                    "80-year cycle (JC)"};
inline constexpr std::array<std::string_view, 5> kRefreshPeriodItems = {"0.2", "0.5", "1", "2",
                                                                        "5"};
inline constexpr std::array<std::string_view, 19> kTargetItems = {"Full moon",
                                                                  "Dark moon",
                                                                  "Lunar quarter",
                                                                  "Lunar new year",
                                                                  "Winter solstice",
                                                                  "Vernal equinox",
                                                                  "Summer solstice",
                                                                  "Autumnal equinox",
                                                                  "Solstice or equinox",
                                                                  "Solar term",
                                                                  "Solar term + dark moon",
                                                                  "Solar term + full moon",
                                                                  "Winter solstice + dark moon",
                                                                  "Solstice/equinox + dark moon",
                                                                  "Solstice/equinox + full moon",
                                                                  "Element-animal day",
                                                                  "Element-animal month",
                                                                  "Element-animal year",
                                                                  "Triple element-animal"};
inline constexpr int kFirstElementAnimalTarget = 15;  // "Element-animal day"

// Calendar codes, indexed by intCalendar.
inline constexpr std::array<std::string_view, 9> kCalendarCodes = {
    "CE", "JC", "CHL", "CHS", "AJD", "CJDC", "CJDL", "CJDX", "CEX"};
enum CalendarIndex : int {
    kCalCE = 0,
    kCalJC = 1,
    kCalCHL = 2,
    kCalCHS = 3,
    kCalAJD = 4,
    kCalCJDC = 5,
    kCalCJDL = 6,
    kCalCJDX = 7,
    kCalCEX = 8
};
// Index of a calendar code (exact, case-sensitive), or -1.
inline int GetCalendar(std::string_view code) {
    for (int i = 0; i < static_cast<int>(kCalendarCodes.size()); ++i)
        if (kCalendarCodes[i] == code) return i;
    return -1;
}

// Items of the time-zone box: "GMT", the prime meridian's abbreviation, "local".
inline constexpr int kZoneGMT = 0;
inline constexpr int kZoneMeridian = 1;
inline constexpr int kZoneLocal = 2;

// The admissible displayed moment: noon GMT of -3000-01-01 and of 3000-01-01 CE.
inline constexpr double kMinAJDate = 625333.0;
inline constexpr double kMaxAJDate = 2816788.0;

// Whether a moment lies in the years the calendar engine lays out. Moves check
// the admissible range before a step and searches are not bounded by it, so
// the displayed moment may leave it; it never leaves these years, and a state
// file may hold any of them.
bool InEngineMoments(double ajd);

// The values of the main window's setting controls. Indexes are list
// positions; -1 is "no item selected".
struct Settings {
    int epoch_index = 0;
    int method_index = 0;
    int longitude_index = kDefaultLongitude - kMinLongitude;  // "120"
    std::string abbreviation = "CCT";                         // txbCCT, strCCT
    int time_zone_index = -1;
    bool show_local = true;
    bool show_cjds = false;
    bool auto_log = false;
    int move_step_index = 2;  // "day"
    bool move_forward = true;
    bool repeatedly = false;
    int refresh_period_index = 2;  // "1"
    bool keep_30th = false;
    bool keep_leap = false;
    bool plus = true;
    bool next = true;
    int target_index = 0;                                        // "Full moon"
    int element_index = static_cast<int>(kElementNames.size());  // the empty last item
    int animal_index = static_cast<int>(kAnimalNames.size());    // the empty last item

    int Epoch() const { return epoch_index == 0 ? kEpochHuangdi : kEpochAlternative; }
    int Longitude() const { return kMinLongitude + longitude_index; }
};

// The prime-meridian labels for 100..145 degrees East; the user may rename
// the selected one, and the names are saved with the state.
using AbbreviationTable = std::array<std::string, kLongitudeItemCount>;
AbbreviationTable DefaultAbbreviations();

}  // namespace vemla
