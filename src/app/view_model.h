// What the main window shows, as plain data: labels with caption, tooltip,
// visibility and highlight, the enabled and visible states of its controls,
// and which control holds the keyboard focus. The window binds its widgets to
// these values; the application layer writes them.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/settings.h"
#include "engine/moon_data.h"

namespace vemla {

struct LabelView {
    std::string caption;
    std::string tooltip;
    bool visible = true;
    bool highlighted = false;  // back colour: highlight rather than dehighlight
};

// A date row: element 0 the caption at the left, element 1 the value.
struct DateRowView {
    LabelView caption;
    LabelView value;
};

// The controls whose enabled or visible state the application decides.
enum class Control : int {
    kMove,               // cmdMove
    kCompute,            // cmdCompute "Convert"
    kClearDate,          // cmdClearDate "Clear"
    kReset,              // cmdReset
    kSearch,             // cmdSearch
    kDate,               // txbDate
    kPlusMinus,          // txbPlusMinus
    kTime,               // txbTime
    kTimeZone,           // cboTimeZone
    kAddToLog,           // cmdAddToLog
    kLogPreferences,     // cmdLogPreferences
    kAutoLog,            // chkAutoLog
    kListLeapMonths,     // cmdListLeapMonths
    kListLunarNewYears,  // cmdListLunarNewYears
    kDisplayYearData,    // cmdDisplayYearData
    kNow,                // cmdNow
    kQuit,               // cmdQuit
    kSaveState,          // cmdSaveState
    kRestoreState,       // cmdRestoreState
    kViewLog,            // cmdViewLog
    kClearLog,           // cmdClearLog
    kElement,            // cboElement with its caption lblElement
    kAnimal,             // cboAnimal with its caption lblAnimal
    kTest,               // cmdTest
    kCompareSuns,        // cmdCompareSuns
    // The move panel and what a repeated move locks. A disabled frame
    // disables everything in it, whatever the enabled state of its controls.
    kMoveFrame,             // fraMove
    kMoveOneDay,            // cmdMoveOneDay "one day"
    kKeep30th,              // chkKeep30th "keep 30th"
    kKeepLeap,              // chkKeepLeap "keep leap"
    kRefreshPeriod,         // cboRefreshPeriod with its caption lblRefreshPeriod
    kStopPauseResume,       // fraStopPauseResume
    kStop,                  // cmdStop
    kPauseResume,           // cmdPauseResume
    kConvertFrame,          // fraConvert
    kSearchFrame,           // fraSearch
    kHelp,                  // cmdHelp
    kListJulianCENewYears,  // cmdListJulianCENewYears
    kEpoch,                 // cboEpoch
    kCount
};
inline constexpr int kControlCount = static_cast<int>(Control::kCount);

struct ControlView {
    bool enabled = true;
    bool visible = true;
};

// Where the keyboard focus goes.
enum class Focus {
    kNone,
    kDate,
    kNow,
    kCompute,
    kSearch,
    kMove,
    kQuit,
    kStop,
    kPauseResume,
    kHelp
};

inline constexpr int kCalendarCount = static_cast<int>(kCalendarCodes.size());

struct MainView {
    std::string window_caption;

    // Indexed by calendar code (kCalCE .. kCalCEX).
    std::array<DateRowView, kCalendarCount> rows;

    LabelView day_stem_branch;       // lblElementAnimalOfDay(0), "jia-zi"
    LabelView day_element_animal;    // lblElementAnimalOfDay(1), "wood-rat day"
    LabelView month_element_animal;  // lblElementAnimalOfMonth
    LabelView year_element_animal;   // lblElementAnimalOfYear
    LabelView year_count;            // lblYear, "Year 4722"
    // Marks beside the CHL and CHS rows of a borderline date, their tooltips
    // naming the deciding events; hidden when the date is certain.
    LabelView chl_borderline{"", "", false}, chs_borderline{"", "", false};
    // lblChineseCharacters: the CHL and CHS dates in Chinese characters,
    // shown while the option "Chinese characters" is on.
    LabelView chinese_characters{{}, {}, false, false};
    // Stem (1..10) and branch (1..12) pictures of the day and of the year;
    // 0 before the first display.
    int day_stem = 0, day_branch = 0, year_stem = 0, year_branch = 0;

    LabelView local_offset;  // lblLocalTime(1)
    LabelView delta_t;       // lblDeltaT(1)
    LabelView moon_phase;    // lblPhaseOfMoon(1)
    LabelView moon_age;      // lblAgeOfMoon(1)
    // What picMoon shows, drawn with kMoonShadowColour; none before the first display.
    std::optional<MoonDrawing> moon_drawing;
    LabelView searching;  // lblSearching

    // Texts of the entry boxes. Selections live in the settings.
    std::string date_text;        // txbDate
    std::string time_text;        // txbTime
    std::string plus_minus_text;  // txbPlusMinus
    std::string cct_text;         // txbCCT
    // The items of cboTimeZone: "GMT", the prime meridian's name, "local".
    std::array<std::string, 3> time_zone_items{"GMT", "CCT", "local"};
    // The items of cboTarget; the three element-animal items are rewritten
    // from the element and animal boxes.
    std::array<std::string, kTargetItems.size()> target_items;

    std::array<ControlView, kControlCount> controls;
    Focus focus = Focus::kNone;
    bool clock_enabled = false;                  // the Clock timer
    std::string pause_resume_caption = "Pause";  // cmdPauseResume: "Pause" or "Resume"

    const ControlView& control(Control c) const { return controls[static_cast<int>(c)]; }
    ControlView& control(Control c) { return controls[static_cast<int>(c)]; }
};

}  // namespace vemla
