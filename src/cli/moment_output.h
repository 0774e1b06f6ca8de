// The displayed moment as the command line prints it: the main window's rows
// as text, or one JSON object for scripts. The values of both, and of the
// batch conversion's rows, are built in one place, MomentAt.
#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <string>

#include "app/main_state.h"
#include "engine/lunation_cache.h"

namespace vemla {

// The values a printed moment holds, the texts trimmed of blanks.
struct Moment {
    double ajd = 0.0;
    std::array<std::string, kCalendarCount> rows;  // by calendar, the window's value texts
    ChDate chl, chs;
    std::string day, month, year;  // element-animal names: "wood-rat"
    int64_t year_count = 0;
    std::string moon_phase, moon_age;
    double delta_t_minutes = 0.0;
    int local_offset_minutes = 0;
};

// The moment `ajd` under the engine's settings; `abbreviation` names the
// prime meridian's time, `local_offset` is in minutes east of GMT.
Moment MomentAt(CalendarEngine& engine, double ajd, std::string_view abbreviation,
                int local_offset);
// Only the values of the batch table (rows CE, JC, CHL, CHS and AJD, the
// chl and chs dates, the element-animal names, the year count and the Moon's
// phase), exactly as MomentAt gives them, with the lunations kept in
// `lunations` between calls: a small share of MomentAt's work.
Moment TableMomentAt(CalendarEngine& engine, LunationCache& lunations, double ajd,
                     std::string_view abbreviation);
// The displayed moment of the main window.
Moment MomentOf(MainState& main);

// "Common Era date: 2000-01-01 CE 12:00 GMT Saturday" and the other rows, one
// a line, then the element-animal names, the year count, the Moon, delta T
// and the local offset; last, a line on each event that makes the day's date
// borderline.
std::string MomentText(MainState& main);

// The same values as one JSON object. Its keys are a stable interface:
//   ajd            the displayed moment (number)
//   rows           calendar code ("CE", "CEX", "JC", "CHL", "CHS", "CJDC", "CJDL",
//                  "CJDX", "AJD") -> the value text the window shows
//   chl            {cycle, position, month, leap (true/false), day}
//   chs            {cycle, position, term, day}
//   elementAnimal  {day, month, year}: "wood-rat" names
//   yearCount      cycle * 60 + position - 59 of the lunar year (number)
//   moon           {phase, age}: the window's phase and age texts
//   deltaT         delta T as the window shows it; deltaTMinutes the number
//   localOffset    the local offset as the window shows it; localOffsetMinutes the number
//   borderline     (added by the session for the displayed moment) the events
//                  that make the day's dates borderline, see BorderlineJson
nlohmann::json MomentJson(const Moment& moment);

}  // namespace vemla
