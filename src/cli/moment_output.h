// The displayed moment as the command line prints it: the main window's rows
// as text, or one JSON object for scripts.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "app/main_state.h"

namespace vemla {

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
//   borderline     the events that make the day's dates borderline (see
//                  BorderlineJson), [] when they are certain
nlohmann::json MomentJson(MainState& main);

}  // namespace vemla
