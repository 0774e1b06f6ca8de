// What a log entry contains: the thirteen boxes of the log configuration,
// with their defaults and the dialog's rules.
#pragma once

#include <array>
#include <string_view>

namespace vemla {

struct LogPreferences {
    // In the order the state file keeps them.
    bool verbose = true;                 // "Expanded log entries"
    bool include_ganzhi = true;          // "Include Chinese terms"
    bool view_log_when_add = false;      // "View log after adding an entry"
    bool include_chl = true;             // "ChL (Chinese Lunar Calendar)"
    bool include_chs = false;            // "ChS (Chinese Solar Calendar)"
    bool include_cjdc = false;           // "CJDC (Chronological Julian Date, China)"
    bool epoch_etc = false;              // "Epoch, method, longitude"
    bool include_ce = true;              // "CE (Common Era Calendar)"
    bool include_jc = false;             // "JC (Julian Calendar)"
    bool include_cjdl = false;           // "CJDL (Chronological Julian Date, London)"
    bool include_ajd = false;            // "AJD (Astronomical Julian Date)"
    bool phase_and_illumination = true;  // "Phase of Moon and illumination"
    bool lunation_and_age = false;       // "Lunation and age of Moon"

    // "Include Chinese terms" can be changed only with expanded entries.
    bool IncludeGanzhiEnabled() const { return verbose; }

    static constexpr int kCount = 13;
    // The boxes in state-file order, for loops that treat them alike.
    std::array<bool*, kCount> Boxes() {
        return {&verbose,         &include_ganzhi, &view_log_when_add, &include_chl,
                &include_chs,     &include_cjdc,   &epoch_etc,         &include_ce,
                &include_jc,      &include_cjdl,   &include_ajd,       &phase_and_illumination,
                &lunation_and_age};
    }
    std::array<bool, kCount> Values() const {
        return {verbose,         include_ganzhi, view_log_when_add, include_chl,
                include_chs,     include_cjdc,   epoch_etc,         include_ce,
                include_jc,      include_cjdl,   include_ajd,       phase_and_illumination,
                lunation_and_age};
    }

    // The defaults of start-up: the Julian-date lines follow "Show
    // chronological JDs".
    static LogPreferences Defaults(bool show_cjds) {
        LogPreferences p;
        p.include_ajd = p.include_cjdl = p.include_cjdc = show_cjds;
        return p;
    }
    void SetAll(bool value) {
        for (bool* box : Boxes()) *box = value;
    }
    // Closing the dialog with nothing chosen keeps the lunar date.
    void OnClose() {
        for (bool value : Values())
            if (value) return;
        include_chl = true;
    }
};

}  // namespace vemla
