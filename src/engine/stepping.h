// Stepping Chinese dates by month, nian, cycle, solar term and solar year.
//
// A stepped date may not exist: a day 30 in a month of 29 days, a leap month
// the target nian lacks. Each step falls back by fixed rules (day 29 for day
// 30, the ordinary month for a leap month) and gives the date reached, with
// its JDN; it fails when no fallback exists. "keep 30th" and "keep leap"
// return to day 30 or to the leap month whenever the target allows it, so
// that a run of steps from a day 30 or a leap month comes back to them.
#pragma once

#include <cstdint>

#include "engine/chinese_dates.h"
#include "engine/result.h"

namespace vemla {

// Why a step reached no date.
enum class ChDateStepError {
    // No date exists at the target even by the fallbacks: the date stepped
    // from was no date, or the target lies beyond the engine's years or the
    // cycle count.
    kNoDate,
};

Result<ChDate, ChDateStepError> StepChLMonth(CalendarEngine& engine, const ChDate& chl,
                                             bool forward, bool keep_30th);
Result<ChDate, ChDateStepError> StepChLYear(CalendarEngine& engine, const ChDate& chl, bool forward,
                                            bool keep_30th, bool keep_leap);
Result<ChDate, ChDateStepError> StepChLCycle(CalendarEngine& engine, const ChDate& chl,
                                             bool forward, bool keep_30th, bool keep_leap);

Result<ChDate, ChDateStepError> StepChSYear(CalendarEngine& engine, const ChDate& chs,
                                            bool forward);
Result<ChDate, ChDateStepError> StepChSTermOrCycle(CalendarEngine& engine, const ChDate& chs,
                                                   bool forward, bool by_cycle);

// The nearest day after (or before) day n whose day, lunar month and nian
// bear one element-animal. Such a day always comes within the engine's
// years unless the search runs out of them: only that fails, with the
// reason of the conversion that failed.
Result<int32_t, ChDayError> FindTripleCoincidence(CalendarEngine& engine, int32_t n, bool forward);

}  // namespace vemla
