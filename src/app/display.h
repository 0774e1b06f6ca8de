// The texts of the main window's date rows for one moment: the Western rows
// (CE, JC, CEX and the London and local chronological Julian dates) and the
// Chinese rows (CHL, CHS, CJDC, the element-animal names of day, month and
// year, the year count), with their tooltips; the texts of the local
// offset and delta T; and the message of a moon display that finds no phase.
#pragma once

#include <string>
#include <string_view>

#include "engine/chinese_dates.h"
#include "engine/hanzi_names.h"
#include "engine/lunar_phases.h"

namespace vemla {

// A Julian-date number with four decimals, "," between groups of three
// digits and "." as the decimal point, whatever the locale: the date entry
// reads exactly this form back. "2,451,545.0000".
std::string JulianDateNumberText(double jd);

// "12:00 GMT", "20:00 CCT", "20:00 local": the hours and minutes of the day
// fraction of a chronological Julian date and the zone's name.
std::string LondonTime(double cjdl);
std::string BeijingTime(double cjdc, std::string_view abbreviation);
std::string LocalTime(double cjdx);

// "GMT", or "GMT +  8:00" / "GMT -  5:30" for an offset in minutes east.
std::string LocalOffsetText(int offset_minutes);

// "1 day", "2 hours and 5 minutes" ... up to a day; "More than 24 hours" beyond.
std::string DeltaTText(double delta_t_minutes);

// The message shown, under kMoonPhaseErrorTitle, when the moon display finds
// no phase of the moment's lunation: "Error-1 when calling GetPhase() in
// DisplayMoonData()." for a moment after the lunation, "Error-2 ..." before it.
inline constexpr std::string_view kMoonPhaseErrorTitle = "Error";
std::string MoonPhaseErrorText(PhaseError error);

// The CE and JC rows of a moment (AJD), the London day's dates, without
// their tooltips.
struct LondonRowsText {
    std::string ce, jc;
};
LondonRowsText LondonRowsOf(double ajd);

struct WesternDatesText : LondonRowsText {
    std::string ce_tooltip, jc_tooltip;
    std::string cex, cex_tooltip;
    std::string cjdl, cjdx;
};

// The Western rows of a moment (AJD) under a local offset in minutes east.
WesternDatesText WesternDatesOf(double ajd, int local_offset);

// "Chronological JD 120º East".
std::string CJDCCaption(int longitude);

// The CHS and CHL rows of a moment (AJD) at the engine's prime meridian,
// epoch and method, without their tooltips; `abbreviation` names the
// meridian after the times.
struct ChineseRowsText {
    bool ok = false;  // false when the day lies beyond the engine's years
    ChDate chs, chl;  // chl.JDN and the Valid fields are not set
    std::string chs_text, chl_text;
};
ChineseRowsText ChineseRowsOf(CalendarEngine& engine, double ajd, std::string_view abbreviation);

// The rows above with their tooltips and the rest the window shows.
struct ChineseDatesText : ChineseRowsText {
    std::string cjdc_caption, cjdc;
    std::string chs_tooltip, chl_tooltip;
    std::string day_stem_branch;     // "jia-zi"
    std::string day_element_animal;  // "wood-rat day"
    std::string month_text;          // "fire-tiger month"
    std::string year_text;           // "jia-chen wood-dragon year"
    std::string year_count;          // "Year 4722"
    int day_stem = 0, day_branch = 0, year_stem = 0, year_branch = 0;
    HanziDate hanzi;  // both dates in Chinese characters
};

// The Chinese rows of a moment (AJD), as ChineseRowsOf, with the rest.
ChineseDatesText ChineseDatesOf(CalendarEngine& engine, double ajd, std::string_view abbreviation);

}  // namespace vemla
