// Stepping Chinese dates by month, nian, cycle, solar term and solar year.
//
// A stepped date may not exist: a day 30 in a month of 29 days, a leap month
// the target nian lacks. Each step changes the record in place and falls back
// by fixed rules (day 29 for day 30, the ordinary month for a leap month);
// it returns false, leaving the record as it was, when no fallback exists.
// "keep 30th" and "keep leap" return to day 30 or to the leap month whenever
// the target allows it, so that a run of steps from a day 30 or a leap month
// comes back to them.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/chinese_dates.h"

namespace vemla {

bool StepChLMonth(CalendarEngine& engine, ChDate& chl, bool forward, bool keep_30th);
bool StepChLYear(CalendarEngine& engine, ChDate& chl, bool forward, bool keep_30th, bool keep_leap);
bool StepChLCycle(CalendarEngine& engine, ChDate& chl, bool forward, bool keep_30th, bool keep_leap);
// Makes a stepped lunar date exist by the fallbacks, then restores the leap
// month and day 30 where asked and possible.
bool SettleChLDate(CalendarEngine& engine, ChDate& chl, bool keep_30th, bool keep_leap);
void RestoreDay30(CalendarEngine& engine, ChDate& chl, bool keep_30th);
void RestoreLeap(CalendarEngine& engine, ChDate& chl, bool keep_leap);

bool StepChSYear(CalendarEngine& engine, ChDate& chs, bool forward);
bool StepChSTermOrCycle(CalendarEngine& engine, ChDate& chs, bool forward, bool by_cycle);

// The nearest day after (or before) day n whose day, lunar month and nian
// bear one element-animal; nothing when the search leaves the engine's years.
std::optional<int32_t> FindTripleCoincidence(CalendarEngine& engine, int32_t n, bool forward);

}  // namespace vemla
