#include "engine/stepping.h"

#include <limits>

#include "engine/cycles.h"

namespace vemla {
namespace {

// Whether a date exists; when it does, its JDN is set.
bool LunarExists(CalendarEngine& engine, ChDate& chl) {
    const auto jdn = engine.ChLDateToJDN(chl);
    if (jdn) chl.JDN = *jdn;
    return jdn.ok();
}
bool SolarExists(CalendarEngine& engine, ChDate& chs) {
    const auto jdn = engine.ChSDateToJDN(chs);
    if (jdn) chs.JDN = *jdn;
    return jdn.ok();
}

// Day 29 goes back to day 30 when keeping the 30th and the month has one.
void RestoreDay30(CalendarEngine& engine, ChDate& chl, bool keep_30th) {
    if (!keep_30th || chl.Day != 29) return;
    chl.Day = 30;
    if (!LunarExists(engine, chl)) {
        chl.Day = 29;
        LunarExists(engine, chl);
    }
}

// Day 30 that does not exist falls back to day 29: true when that succeeded;
// otherwise the day is 30 again (or was never 30) and the caller goes on.
bool TryDay29(CalendarEngine& engine, ChDate& chl) {
    if (chl.Day != 30) return false;
    chl.Day = 29;
    if (LunarExists(engine, chl)) return true;
    chl.Day = 30;
    return false;
}

// A date that exists, after RestoreDay30; or day 29 instead of day 30.
bool ExistsOrDay29(CalendarEngine& engine, ChDate& chl, bool keep_30th) {
    if (LunarExists(engine, chl)) {
        RestoreDay30(engine, chl, keep_30th);
        return true;
    }
    return TryDay29(engine, chl);
}

bool StepCycle(int32_t& cycle, bool forward) {
    if (forward ? cycle == std::numeric_limits<int32_t>::max()
                : cycle == std::numeric_limits<int32_t>::min())
        return false;
    cycle += forward ? 1 : -1;
    return true;
}

// Position steps wrap into the next or previous cycle.
bool StepPosition(ChDate& date, bool forward) {
    if (date.Position < 1 || date.Position > 60) return false;
    if (forward && date.Position == 60) {
        if (!StepCycle(date.Cycle, true)) return false;
        date.Position = 1;
    } else if (!forward && date.Position == 1) {
        if (!StepCycle(date.Cycle, false)) return false;
        date.Position = 60;
    } else {
        date.Position += forward ? 1 : -1;
    }
    return true;
}

bool StepChLMonthBackward(CalendarEngine& engine, ChDate& chl, bool keep_30th) {
    if (chl.Leap == 1) {
        // The ordinary month of the same number comes before its leap month.
        chl.Leap = 0;
        if (LunarExists(engine, chl))
            RestoreDay30(engine, chl, keep_30th);
        else
            chl.Day = 29;
        return true;
    }
    auto try_month = [&](int month) {
        chl.MonthOrTerm = month;
        for (int leap : {1, 0}) {
            chl.Leap = leap;
            if (ExistsOrDay29(engine, chl, keep_30th)) return true;
        }
        return false;
    };
    if (chl.MonthOrTerm >= 2 && chl.MonthOrTerm <= 12) return try_month(chl.MonthOrTerm - 1);
    if (!StepPosition(chl, false)) return false;
    for (int month : {12, 11, 10})
        if (try_month(month)) return true;
    return false;
}

bool StepChLMonthForward(CalendarEngine& engine, ChDate& chl, bool keep_30th) {
    if (chl.Leap == 0) {
        // A leap month follows the ordinary month whose number it bears.
        chl.Leap = 1;
        if (ExistsOrDay29(engine, chl, keep_30th)) return true;
    }
    chl.Leap = 0;
    ++chl.MonthOrTerm;
    if (ExistsOrDay29(engine, chl, keep_30th)) return true;
    if (!StepPosition(chl, true)) return false;
    chl.MonthOrTerm = 1;
    return ExistsOrDay29(engine, chl, keep_30th);
}

// Runs a step on a copy of the date: the date reached, or the failure.
template <typename Step>
Result<ChDate, ChDateStepError> Stepped(const ChDate& from, Step step) {
    ChDate date = from;
    if (!step(date)) return Fail(ChDateStepError::kNoDate);
    return date;
}

// The ordinary month goes back to the leap month of its number when keeping
// the leap month and the nian has one (on its day 29 if it lacks day 30).
void RestoreLeap(CalendarEngine& engine, ChDate& chl, bool keep_leap) {
    if (!keep_leap || chl.Leap != 0) return;
    chl.Leap = 1;
    if (LunarExists(engine, chl)) return;
    if (TryDay29(engine, chl)) return;
    chl.Leap = 0;
    LunarExists(engine, chl);
}

// Makes a stepped lunar date exist by the fallbacks, then restores the leap
// month and day 30 where asked and possible.
bool SettleChLDate(CalendarEngine& engine, ChDate& chl, bool keep_30th, bool keep_leap) {
    if (LunarExists(engine, chl)) {
        RestoreLeap(engine, chl, keep_leap);
        RestoreDay30(engine, chl, keep_30th);
        return true;
    }
    if (TryDay29(engine, chl)) return true;
    chl.Leap = 0;
    if (LunarExists(engine, chl)) {
        RestoreDay30(engine, chl, keep_30th);
        return true;
    }
    return TryDay29(engine, chl);
}

}  // namespace

Result<ChDate, ChDateStepError> StepChLMonth(CalendarEngine& engine, const ChDate& from,
                                             bool forward, bool keep_30th) {
    return Stepped(from, [&](ChDate& chl) {
        if (chl.MonthOrTerm < 1 || chl.MonthOrTerm > 12) return false;
        return forward ? StepChLMonthForward(engine, chl, keep_30th)
                       : StepChLMonthBackward(engine, chl, keep_30th);
    });
}

Result<ChDate, ChDateStepError> StepChLYear(CalendarEngine& engine, const ChDate& from,
                                            bool forward, bool keep_30th, bool keep_leap) {
    return Stepped(from, [&](ChDate& chl) {
        return StepPosition(chl, forward) && SettleChLDate(engine, chl, keep_30th, keep_leap);
    });
}

Result<ChDate, ChDateStepError> StepChLCycle(CalendarEngine& engine, const ChDate& from,
                                             bool forward, bool keep_30th, bool keep_leap) {
    return Stepped(from, [&](ChDate& chl) {
        return StepCycle(chl.Cycle, forward) && SettleChLDate(engine, chl, keep_30th, keep_leap);
    });
}

Result<ChDate, ChDateStepError> StepChSYear(CalendarEngine& engine, const ChDate& from,
                                            bool forward) {
    return Stepped(from, [&](ChDate& chs) {
        if (!StepPosition(chs, forward)) return false;
        // Terms last 14 to 16 days, so two days less always reach one that exists.
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (attempt > 0) --chs.Day;
            if (SolarExists(engine, chs)) return true;
        }
        return false;
    });
}

Result<ChDate, ChDateStepError> StepChSTermOrCycle(CalendarEngine& engine, const ChDate& from,
                                                   bool forward, bool by_cycle) {
    return Stepped(from, [&](ChDate& chs) {
        if (by_cycle) {
            if (!StepCycle(chs.Cycle, forward)) return false;
        } else {
            if (chs.MonthOrTerm < 1 || chs.MonthOrTerm > 24) return false;
            if (forward && chs.MonthOrTerm == 24) {
                if (!StepPosition(chs, true)) return false;
                chs.MonthOrTerm = 1;
            } else if (!forward && chs.MonthOrTerm == 1) {
                if (!StepPosition(chs, false)) return false;
                chs.MonthOrTerm = 24;
            } else {
                chs.MonthOrTerm += forward ? 1 : -1;
            }
        }
        if (SolarExists(engine, chs)) return true;
        --chs.Day;
        return SolarExists(engine, chs);
    });
}

Result<int32_t, ChDayError> FindTripleCoincidence(CalendarEngine& engine, int32_t n, bool forward) {
    const int64_t s = forward ? 1 : -1;
    auto convert = [&](int64_t day) -> Result<ChDate, ChDayError> {
        if (day < std::numeric_limits<int32_t>::min() || day > std::numeric_limits<int32_t>::max())
            return Fail(ChDayError::kBeyondEngineYears);
        return engine.CJDateToChLDate(static_cast<double>(day));
    };
    auto same_nian = [](const ChDate& a, const ChDate& b) {
        return a.Cycle == b.Cycle && a.Position == b.Position;
    };

    int64_t d = n + s;
    auto first = convert(d);
    if (!first) return Fail(first.error());
    ChDate current = *first;
    // Element and animal together name one position, so "the same
    // element-animal" means "the same position" for days, months and nian.
    for (;;) {
        bool nian_changed = false;
        while (DayPosition(d) != current.Position) {
            d += s;
            const auto next = convert(d);
            if (!next) return Fail(next.error());
            nian_changed = !same_nian(*next, current);
            current = *next;
            if (nian_changed) break;
        }
        if (nian_changed) continue;
        for (;;) {
            if (MonthPosition(current.Position, current.MonthOrTerm) == current.Position)
                return static_cast<int32_t>(d);
            d += 60 * s;  // the next day with the same element-animal
            const auto next = convert(d);
            if (!next) return Fail(next.error());
            nian_changed = !same_nian(*next, current);
            current = *next;
            if (nian_changed) break;
        }
    }
}

}  // namespace vemla
