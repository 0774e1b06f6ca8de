// The fixed captions of the windows' controls, by control name. The texts
// that change while the program runs (date labels, the copy button, the
// time-zone items ...) come from the view models instead.
//
// A caption with "&" shows the character itself; it never marks a keyboard
// shortcut.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "app/list_window.h"
#include "app/mover.h"
#include "app/repeated_move.h"
#include "app/searcher.h"

namespace vemla {

struct ControlCaption {
    std::string_view name;
    std::string_view caption;
};

inline constexpr std::array kMainWindowCaptions = std::to_array<ControlCaption>({
    // Settings
    {"fraSettings", "Settings"},
    {"lblEpoch", "Epoch:"},
    {"lblMethod", "Method:"},
    {"lblLongitude", "Prime meridian (º East):"},
    {"chkShowLocal", "Show local dates"},
    {"chkShowCJDs", "Show chronological JDs"},
    {"chkChineseCharacters", "Chinese characters"},
    {"chkAutoLog", "Auto log"},
    // Date entry
    {"fraConvert", "Date entry"},
    {"lblDate", "Date:"},
    {"lblTime", "Time:"},
    {"lblPlusMinus", "days"},
    {"optPlus", "plus"},
    {"optMinus", "minus"},
    {"lblElement", "element"},
    {"lblAnimal", "animal"},
    {"cmdCompute", "Convert"},
    {"cmdClearDate", "Clear"},
    {"cmdReset", "Reset"},
    // Displayed moment
    {"fraDates", "Displayed moment"},
    {"lblLocalTime_0", "Local time:"},
    {"lblDeltaT_0", "Delta T:"},
    {"lblPhaseOfMoon_0", "Phase of Moon:"},
    {"lblAgeOfMoon_0", "Lunation and age:"},
    // Moves
    {"fraMove", "Move"},
    {"optMoveDirection_0", kForwardCaption},
    {"optMoveDirection_1", kBackCaption},
    {"chkRepeatedly", kRepeatedlyCaption},
    {"chkKeep30th", kKeep30thCaption},
    {"chkKeepLeap", kKeepLeapCaption},
    {"cmdMove", kMoveCaption},
    {"cmdMoveOneDay", kMoveOneDayCaption},
    {"lblRefreshPeriod", kRefreshPeriodCaption},
    {"cmdStop", kStopCaption},
    // Searches
    {"fraSearch", "Search"},
    {"optNext", "next"},
    {"optPrevious", "previous"},
    {"cmdSearch", "Search for"},
    // Buttons
    {"cmdNow", "Now"},
    {"cmdDisplayYearData", "Dates/times/CJDs of dark moons & solar terms"},
    {"cmdListLunarNewYears", "List lunar new years & Chinese anniversaries"},
    {"cmdListLeapMonths", "List lunar month starts & leap months"},
    {"cmdListJulianCENewYears", "List Julian & Common Era new years"},
    {"cmdTest", "Test"},
    {"cmdCompareSuns", "Compare suns"},
    {"cmdAddToLog", "Add to log"},
    {"cmdViewLog", "View log"},
    {"cmdClearLog", "Clear log"},
    {"cmdLogPreferences", "Configure log"},
    {"cmdSaveState", "Save state"},
    {"cmdRestoreState", "Restore state"},
    {"cmdHelp", "Help"},
    {"cmdQuit", "Quit"},
    {"lblTarvolinSystems", "Tarvolin Systems"},
    {"lblOnlineDocumentation", "Online documentation"},
});

inline constexpr std::array kLogWindowCaptions = std::to_array<ControlCaption>({
    {"cmdClear", "Clear"},
    {"cmdClose", "Close"},
});

inline constexpr std::array kListWindowCaptions = std::to_array<ControlCaption>({
    {"cmdList", "List"},
    {"cmdStop", kListStopCaption},
    {"chkLargeWindow", "Large window"},
    {"chkIncludeMajorSolarTerms", "Include major solar terms (the Zs)"},
    {"chkIncludeMinorSolarTerms", "Include minor solar terms (the Js)"},
    {"chkDisplaySolarTermNames", "Display solar term names"},
    {"chkLeapMonthsOnly", "Leap months only"},
    {"chkOmitInvalidDates", "Omit invalid dates"},
    {"lblEuroCal", "European calendar:"},
    {"optCE", "CE"},
    {"optJC", "JC"},
    {"lblStart", "Test date:"},
    {"lblEnd", "End:"},
    {"cmdExportToCalendar", "Export to calendar..."},
});

inline constexpr std::array kHelpWindowCaptions = std::to_array<ControlCaption>({
    {"cmdCredit", "Credits"},
    {"cmdClose", "Close"},
});

inline constexpr std::array kCreditsWindowCaptions = std::to_array<ControlCaption>({
    {"cmdClose", "Close"},
});

// The caption of control `name` in `table`, "" when it has none.
constexpr std::string_view CaptionOf(std::span<const ControlCaption> table, std::string_view name) {
    for (const ControlCaption& c : table)
        if (c.name == name) return c.caption;
    return {};
}

}  // namespace vemla
