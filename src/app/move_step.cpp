#include "app/move_step.h"

#include <cmath>

#include "app/settings.h"
#include "engine/european.h"
#include "engine/stepping.h"

namespace vemla {
namespace {

// A moment split into the day number of its day frame and the part of that
// day already elapsed, so that a calendar step keeps the time of day.
struct DayAndFraction {
    int32_t day;
    double fraction;
};

DayAndFraction Split(double cjd) {
    const double day = std::floor(cjd);
    return {DayNumberOf(cjd), cjd - day};
}

StepOutcome Moved(double ajd, int calendar = -1) {
    return {StepResult::kMoved, ajd, calendar, std::nullopt};
}

StepOutcome WithMessage(StepResult result, double ajd, std::string_view title,
                        std::string_view text, MessageIcon icon = MessageIcon::kNone) {
    return {result, ajd, -1, StepMessage{std::string(title), std::string(text), icon}};
}

StepOutcome Refused(bool forward) {
    return WithMessage(StepResult::kEnded, 0.0, kOutOfRangeTitle,
                       forward ? kLatestAdmissibleText : kEarliestAdmissibleText);
}

// A Chinese step that the calendar could not take by `unit`.
StepOutcome Unable(StepResult failure, const StepRequest& r, std::string_view unit) {
    return WithMessage(failure, r.ajd, kInabilityTitle, InabilityText(r.forward, unit),
                       MessageIcon::kExclamation);
}

// The moment on Chinese day `jdn` at the time of day the step started from.
StepOutcome MovedToChineseDay(CalendarEngine& engine, const StepRequest& r, int32_t jdn,
                              int calendar) {
    const int longitude = engine.Settings().Longitude;
    const DayAndFraction start = Split(AJDToCJDC(r.ajd, longitude));
    return Moved(CJDCToAJD(jdn + start.fraction, longitude), calendar);
}

// Whether the record's year, month and day name a day of its calendar.
bool EuroDateExists(EuroDate& date) {
    DateToJDN(date);
    EuroDate back;
    back.Calendar = date.Calendar;
    back.JDN = date.JDN;
    JDNToDate(back);
    return back.Year == date.Year && back.Month == date.Month && back.Day == date.Day;
}

// CE month, year and century, and the 80-year cycle of the Julian Calendar.
StepOutcome EuropeanStep(const StepRequest& r) {
    const DayAndFraction start = Split(AJDToCJDL(r.ajd));
    const bool julian = r.step == kStepJC80Years;
    EuroDate date;
    date.Calendar = julian ? kJulian : kGregorian;
    date.JDN = start.day;
    JDNToDate(date);
    if (CheckYearLimit(date.Year, r.forward)) return Refused(r.forward);

    if (r.step == kStepCEMonth) {
        if (r.forward) {
            if (++date.Month > 12) {
                date.Month = 1;
                ++date.Year;
            }
        } else if (--date.Month < 1) {
            date.Month = 12;
            --date.Year;
        }
        // The 31st of a shorter month becomes its last day.
        while (!EuroDateExists(date) && date.Day > 1) --date.Day;
    } else {
        const int32_t years = r.step == kStepCEYear ? 1 : r.step == kStepCECentury ? 100 : 80;
        date.Year += r.forward ? years : -years;
        if (!EuroDateExists(date)) {  // 29 February of a common year
            --date.Day;
            DateToJDN(date);
        }
    }
    return Moved(CJDLToAJD(date.JDN + start.fraction), julian ? kCalJC : kCalCE);
}

StepOutcome LunarStep(CalendarEngine& engine, const StepRequest& r) {
    const bool cycle_step = r.step == kStepCHLCycle;
    const auto chl = ReadChLDateText(r.chl_text);
    if (!chl) {
        if (cycle_step)
            return WithMessage(StepResult::kEnded, 0.0, kInvalidTitle, kLunarDateInvalidText);
        return WithMessage(StepResult::kFailed, r.ajd, "", kLunarDateInvalidText);
    }
    if (CheckCycleLimit(chl->Cycle, r.forward)) return Refused(r.forward);

    const StepResult failure = cycle_step ? StepResult::kEnded : StepResult::kFailed;
    std::string_view unit;
    auto stepped = [&]() {
        switch (r.step) {
            case kStepCHLMonth:
                unit = "lunar month";
                return StepChLMonth(engine, *chl, r.forward, r.keep_30th);
            case kStepCHLYear:
                unit = "lunar year";
                return StepChLYear(engine, *chl, r.forward, r.keep_30th, r.keep_leap);
            default:
                unit = "60-year cycle (CHL)";
                return StepChLCycle(engine, *chl, r.forward, r.keep_30th, r.keep_leap);
        }
    }();
    if (!stepped) return Unable(failure, r, unit);
    const auto jdn = engine.ChLDateToJDN(*stepped);
    if (!jdn)
        return WithMessage(
            failure, r.ajd, "",
            cycle_step ? "Invalid lunar date results." : "Invalid lunar date results");
    return MovedToChineseDay(engine, r, *jdn, kCalCHL);
}

StepOutcome SolarStep(CalendarEngine& engine, const StepRequest& r) {
    const bool cycle_step = r.step == kStepCHSCycle;
    const StepResult failure = cycle_step ? StepResult::kEnded : StepResult::kFailed;
    const auto chs = ReadChSDateText(r.chs_text);
    if (!chs) return WithMessage(failure, r.ajd, "", kSolarDateInvalidText);
    if (CheckCycleLimit(chs->Cycle, r.forward)) return Refused(r.forward);

    std::string_view unit;
    auto stepped = [&]() {
        switch (r.step) {
            case kStepCHSTerm:
                unit = "solar term";
                return StepChSTermOrCycle(engine, *chs, r.forward, false);
            case kStepCHSYear:
                unit = "solar year";
                return StepChSYear(engine, *chs, r.forward);
            default:
                unit = "60-year cycle (CHS)";
                return StepChSTermOrCycle(engine, *chs, r.forward, true);
        }
    }();
    if (!stepped) return Unable(failure, r, unit);
    const auto jdn = engine.ChSDateToJDN(*stepped);
    if (!jdn)
        return WithMessage(
            failure, r.ajd, "",
            cycle_step ? "Invalid solar date results." : "Invalid solar date results");
    return MovedToChineseDay(engine, r, *jdn, kCalCHS);
}

}  // namespace

bool CheckCycleLimit(int32_t cycle, bool forward) {
    return forward ? cycle >= kMaxMoveCycle : cycle <= kMinMoveCycle;
}

bool CheckYearLimit(int32_t year, bool forward) {
    return forward ? year >= kMaxMoveYear : year <= kMinMoveYear;
}

std::string InabilityText(bool forward, std::string_view unit) {
    return std::string("Unable to ") + (forward ? "add a" : "subtract a") + " " +
           std::string(unit) + ".";
}

StepOutcome MakeMoveStep(CalendarEngine& engine, const StepRequest& r) {
    auto by_days = [&r](double days) { return Moved(r.forward ? r.ajd + days : r.ajd - days); };
    switch (r.step) {
        case kStepMinute:
            return by_days(1.0 / 1440.0);
        case kStepHour:
            return by_days(1.0 / 24.0);
        case kStepDay:
            return by_days(1.0);
        case kStep60Days:
            return by_days(60.0);
        case kStepCEMonth:
        case kStepCEYear:
        case kStepCECentury:
        case kStepJC80Years:
            return EuropeanStep(r);
        case kStepCHLMonth:
        case kStepCHLYear:
        case kStepCHLCycle:
            return LunarStep(engine, r);
        case kStepCHSTerm:
        case kStepCHSYear:
        case kStepCHSCycle:
            return SolarStep(engine, r);
        default:
            return {};  // no such step: nothing happens
    }
}

}  // namespace vemla
