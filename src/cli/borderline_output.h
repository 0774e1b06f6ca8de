// The borderline events of the displayed moment's day as the command line
// prints them: one explanatory line each in plain output, an array in JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "app/main_state.h"

namespace vemla {

// "Borderline: the dark moon that begins the month came at ...", one line per
// borderline event; "" when the day's dates are certain.
std::string BorderlineText(MainState& main);

// One object per borderline event, [] when the dates are certain. Keys:
//   event               "dark moon", "principal term" or "solar term"
//   term                the term's code ("Z11", "J1"), for terms only
//   moment              the event, an astronomical Julian date (number)
//   time                its time and date at the prime meridian, "00:01:43 CCT 1914-11-18"
//   minutesFromMidnight signed: positive after the midnight that opens its
//                       day, negative before the one that closes it
//   uncertaintyMinutes  the uncertainty of the moment
//   marginMinutes       the margin: the uncertainty, but at least 5 minutes
//   alternative         "CHL" and/or "CHS" -> the day's date had the event
//                       fallen on the other side of midnight
nlohmann::json BorderlineJson(MainState& main);

}  // namespace vemla
