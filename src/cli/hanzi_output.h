// The displayed moment's Chinese dates in Chinese characters, as --hanzi adds
// them to the command line's output.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "app/main_state.h"
#include "engine/hanzi_names.h"

namespace vemla {

// Both Chinese dates of the displayed moment's day at the engine's meridian.
HanziDate HanziOfMoment(MainState& main);

// "Chinese characters: 甲辰年正月初一 丙寅月 甲辰日 龙年 (CHL), 甲辰岁立春第七日 (CHS)"
std::string HanziText(const HanziDate& hanzi);

// The key "hanzi" of --json, a stable interface:
//   chl     the lunar date with its sexagenary month and day and the animal
//   chs     the solar date: the sui, the term and the day in it
//   year    the nian by stem and branch ("甲辰年"); month ("正月", "闰二月");
//   day     ("初一"); term (the solar term of the day, "立春"); animal ("龙")
nlohmann::json HanziJson(const HanziDate& hanzi);

}  // namespace vemla
