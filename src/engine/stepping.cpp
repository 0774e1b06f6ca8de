#include "engine/stepping.h"

#include <limits>

#include "engine/cycles.h"

namespace vemla {
namespace {

bool LunarExists(CalendarEngine& engine, ChDate& chl) { return engine.ChLDateToJDN(chl) == kChLExists; }
bool SolarExists(CalendarEngine& engine, ChDate& chs) { return engine.ChSDateToJDN(chs); }

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
    if (forward ? cycle == std::numeric_limits<int32_t>::max() : cycle == std::numeric_limits<int32_t>::min())
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

// Runs a step; on failure the record is left as it was.
template <typename Step>
bool Transaction(CalendarEngine& engine, ChDate& date, bool lunar, Step step) {
    ChDate saved = date;
    if (step()) return true;
    date = saved;
    // Put back the JDN and Valid of the original date.
    if (lunar)
        LunarExists(engine, date);
    else
        SolarExists(engine, date);
    return false;
}

}  // namespace

void RestoreDay30(CalendarEngine& engine, ChDate& chl, bool keep_30th) {
    if (!keep_30th || chl.Day != 29) return;
    chl.Day = 30;
    if (!LunarExists(engine, chl)) {
        chl.Day = 29;
        LunarExists(engine, chl);
    }
}

void RestoreLeap(CalendarEngine& engine, ChDate& chl, bool keep_leap) {
    if (!keep_leap || chl.Leap != 0) return;
    chl.Leap = 1;
    if (LunarExists(engine, chl)) return;
    if (TryDay29(engine, chl)) return;
    chl.Leap = 0;
    LunarExists(engine, chl);
}

bool StepChLMonth(CalendarEngine& engine, ChDate& chl, bool forward, bool keep_30th) {
    if (chl.MonthOrTerm < 1 || chl.MonthOrTerm > 12) return false;
    return Transaction(engine, chl, true, [&] {
        return forward ? StepChLMonthForward(engine, chl, keep_30th)
                       : StepChLMonthBackward(engine, chl, keep_30th);
    });
}

bool SettleChLDate(CalendarEngine& engine, ChDate& chl, bool keep_30th, bool keep_leap) {
    return Transaction(engine, chl, true, [&] {
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
    });
}

bool StepChLYear(CalendarEngine& engine, ChDate& chl, bool forward, bool keep_30th, bool keep_leap) {
    return Transaction(engine, chl, true, [&] {
        return StepPosition(chl, forward) && SettleChLDate(engine, chl, keep_30th, keep_leap);
    });
}

bool StepChLCycle(CalendarEngine& engine, ChDate& chl, bool forward, bool keep_30th, bool keep_leap) {
    return Transaction(engine, chl, true, [&] {
        return StepCycle(chl.Cycle, forward) && SettleChLDate(engine, chl, keep_30th, keep_leap);
    });
}

bool StepChSYear(CalendarEngine& engine, ChDate& chs, bool forward) {
    return Transaction(engine, chs, false, [&] {
        if (!StepPosition(chs, forward)) return false;
        // Terms last 14 to 16 days, so two days less always reach one that exists.
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (attempt > 0) --chs.Day;
            if (SolarExists(engine, chs)) return true;
        }
        return false;
    });
}

bool StepChSTermOrCycle(CalendarEngine& engine, ChDate& chs, bool forward, bool by_cycle) {
    return Transaction(engine, chs, false, [&] {
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

std::optional<int32_t> FindTripleCoincidence(CalendarEngine& engine, int32_t n, bool forward) {
    const int64_t s = forward ? 1 : -1;
    auto convert = [&](int64_t day, ChDate& chl) {
        if (day < std::numeric_limits<int32_t>::min() || day > std::numeric_limits<int32_t>::max())
            return false;
        ChDate chs;
        chs.Valid = kNoChSWanted;
        return engine.CJDateToChDates(static_cast<double>(day), chs, chl);
    };
    auto same_nian = [](const ChDate& a, const ChDate& b) {
        return a.Cycle == b.Cycle && a.Position == b.Position;
    };

    int64_t d = n + s;
    ChDate current;
    if (!convert(d, current)) return std::nullopt;
    // Element and animal together name one position, so "the same
    // element-animal" means "the same position" for days, months and nian.
    for (;;) {
        bool nian_changed = false;
        while (DayPosition(d) != current.Position) {
            d += s;
            ChDate next;
            if (!convert(d, next)) return std::nullopt;
            nian_changed = !same_nian(next, current);
            current = next;
            if (nian_changed) break;
        }
        if (nian_changed) continue;
        for (;;) {
            if (MonthPosition(current.Position, current.MonthOrTerm) == current.Position)
                return static_cast<int32_t>(d);
            d += 60 * s;  // the next day with the same element-animal
            ChDate next;
            if (!convert(d, next)) return std::nullopt;
            nian_changed = !same_nian(next, current);
            current = next;
            if (nian_changed) break;
        }
    }
}

}  // namespace vemla
