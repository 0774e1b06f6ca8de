#include "app/event_search.h"

#include <climits>
#include <vector>

#include "app/date_entry.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"
#include "engine/lunation_search.h"
#include "engine/solar_terms.h"
#include "engine/stepping.h"

namespace vemla {
namespace {

// Lunar months between two months of one element-animal: 60 ordinary months
// and the leap months among them. A search that has not matched after this
// many months has left the engine's years.
constexpr int kMaxMonthsSearched = 120;

// Steps a nian (cycle and position) by one, position 60 being followed by
// position 1 of the next cycle.
void StepNian(ChDate& chl, int s) {
    chl.Position += s;
    if (chl.Position > 60) {
        chl.Position = 1;
        ++chl.Cycle;
    } else if (chl.Position < 1) {
        chl.Position = 60;
        --chl.Cycle;
    }
}

// The first day of month 1 of the nian of chl.
std::optional<int32_t> NewYearDay(CalendarEngine& engine, const ChDate& nian) {
    ChDate chl;
    chl.Cycle = nian.Cycle;
    chl.Position = nian.Position;
    chl.MonthOrTerm = 1;
    chl.Leap = 0;
    chl.Day = 1;
    const auto jdn = engine.ChLDateToJDN(chl);
    if (!jdn) return std::nullopt;
    return *jdn;
}

// Whether a solar-term index of the table (term (i mod 24) + 1) is of the
// kind a solar-term target asks for.
bool TermIndexWanted(int i, int target) {
    const int r = i % 24;
    switch (target) {
        case kTargetWinterSolstice:
            return r == 0;
        case kTargetVernalEquinox:
            return r == 6;
        case kTargetSummerSolstice:
            return r == 12;
        case kTargetAutumnalEquinox:
            return r == 18;
        case kTargetSolsticeOrEquinox:
            return r % 6 == 0;
        default:
            return true;
    }
}

// Whether a CHS term 1..24 is one whose first day a coincidence target asks for.
bool CoincidenceTermWanted(int term, int target) {
    switch (target) {
        case kTargetWinterSolsticeDarkMoon:
            return term == 1;
        case kTargetQuarterDarkMoon:
        case kTargetQuarterFullMoon:
            return (term + 5) % 6 == 0;
        default:
            return true;
    }
}

// The days of the solstice and equinox terms (terms 1, 7, 13 and 19; or
// only the December solstices, term 1) around a day, from the quarter-point
// formula. The tables' own terms fall on these days or a day beside them
// under either method, so a day further from all of them cannot begin such
// a term, and its tables need not be built.
class QuarterTermDays {
  public:
    QuarterTermDays(const CalendarSettings& settings, bool december_only)
        : method_(settings.Method), longitude_(settings.Longitude), december_only_(december_only) {}

    bool Near(int32_t day) {
        const int32_t year = GregorianYearOf(day);
        if (year != year_) Fill(year);
        for (int32_t d : days_)
            if (d - 1 <= day && day <= d + 1) return true;
        return false;
    }

  private:
    // The terms of the years before, of and after `year`.
    void Fill(int32_t year) {
        year_ = year;
        days_.clear();
        auto december = [this](int32_t y) {
            return QuarterPointCJDC(kDecemberSolstice, y, longitude_);
        };
        for (int32_t y = year - 1; y <= year + 1; ++y) {
            days_.push_back(DayNumberOf(december(y)));
            if (december_only_) continue;
            if (method_ == kMeanSun) {
                // The mean Sun cuts the solar year into equal parts.
                const double q0 = december(y - 1), q1 = december(y);
                for (int k : {6, 12, 18}) days_.push_back(DayNumberOf(q0 + (q1 - q0) * k / 24.0));
            } else {
                for (int k : {kMarchEquinox, kJuneSolstice, kSeptemberEquinox})
                    days_.push_back(DayNumberOf(QuarterPointCJDC(k, y, longitude_)));
            }
        }
    }

    int method_;
    int longitude_;
    bool december_only_;
    int32_t year_ = INT32_MIN;
    std::vector<int32_t> days_;
};

// The last phase of its lunation a moment has passed; a moment outside the
// lunation (only beyond every lunation that can be numbered) has passed none.
int PhasePassed(const Result<PhaseFound, PhaseError>& now) {
    return now ? now->phase : kDarkMoon - 1;
}

// The lunation of the next or previous phase p from a moment of lunation k;
// the moment's present phase (kExactPhaseDays) is passed over both ways.
int32_t LunationOfPhaseFrom(int32_t k, double ajd, int p, bool next) {
    const auto now = PhaseAt(k, ajd);
    const int passed = PhasePassed(now);
    if (next) return passed >= p ? k + 1 : k;
    const bool present = passed == p && now->exact;
    return p > passed || present ? k - 1 : k;
}

}  // namespace

double NoonAtMeridian(int32_t day, int longitude) {
    return CJDCToAJD(day + 0.5, longitude);
}

Result<PhaseFound, PhaseError> PhaseAt(int32_t lunation, double ajd) {
    return lunation_search::LastPhase(lunation, ajd, SyzygyUT);
}

double FindPhase(double ajd, int phase, bool next) {
    const int32_t k = LunationOf(ajd);
    return SyzygyUT(LunationOfPhaseFrom(k, ajd, phase, next), phase);
}

double FindLunarQuarter(double ajd, bool next) {
    int32_t k = LunationOf(ajd);
    const auto now = PhaseAt(k, ajd);
    int p = PhasePassed(now);
    if (next) {
        if (++p > kLastQuarter) {
            p = kDarkMoon;
            ++k;
        }
    } else if (now && now->exact) {
        if (--p < kDarkMoon) {
            p = kLastQuarter;
            --k;
        }
    }
    return SyzygyUT(k, p);
}

std::optional<double> FindSolarTerm(CalendarEngine& engine, double ajd, int target, bool next) {
    const int longitude = engine.Settings().Longitude;
    if (!engine.BuildCalendarTables(AJDToCJDC(ajd, longitude)).ok()) return std::nullopt;
    const auto& moments = engine.Tables().TermMoments;
    // Terms are compared as displayed moments, so that a term found and
    // displayed is exactly the present one for the next search.
    auto moment = [&](int i) { return CJDCToAJD(moments[i], longitude); };
    constexpr int kLastExamined = 72;
    int i = -1;
    if (next) {
        for (int j = 0; j <= kLastExamined && i < 0; ++j)
            if (moment(j) > ajd) i = j;
        while (i >= 0 && i <= kLastExamined && !TermIndexWanted(i, target)) ++i;
    } else {
        for (int j = kLastExamined; j >= 0 && i < 0; --j)
            if (moment(j) < ajd) i = j;
        while (i >= 0 && !TermIndexWanted(i, target)) --i;
    }
    if (i < 0 || i > kLastExamined) return std::nullopt;
    return moment(i);
}

std::optional<double> FindPhaseOnTermStart(CalendarEngine& engine, double ajd, int target,
                                           bool next, const std::function<void(int)>& on_candidate,
                                           int limit) {
    const int p =
        target == kTargetTermFullMoon || target == kTargetQuarterFullMoon ? kFullMoon : kDarkMoon;
    const int longitude = engine.Settings().Longitude;
    std::optional<QuarterTermDays> quarters;
    if (target == kTargetWinterSolsticeDarkMoon || target == kTargetQuarterDarkMoon ||
        target == kTargetQuarterFullMoon)
        quarters.emplace(engine.Settings(), target == kTargetWinterSolsticeDarkMoon);
    int32_t k = LunationOf(ajd);
    for (int n = 1; n <= limit; ++n) {
        if (on_candidate) on_candidate(n);
        if (n == 1) {
            k = LunationOfPhaseFrom(k, ajd, p, next);
        } else {
            // The last candidate is exactly phase p of lunation k.
            k += next ? 1 : -1;
        }
        const double y = SyzygyUT(k, p);
        const double cjdc = AJDToCJDC(y, longitude);
        if (quarters && !quarters->Near(DayNumberOf(cjdc))) continue;
        const auto dates = engine.CJDateToChDates(cjdc);
        if (!dates) continue;
        const ChDate& chs = dates->chs;
        if (chs.Day == 1 && CoincidenceTermWanted(chs.MonthOrTerm, target)) return y;
    }
    return std::nullopt;
}

std::optional<int32_t> FindLunarNewYear(CalendarEngine& engine, const ChDate& chl, bool next) {
    ChDate nian = chl;
    if (next)
        StepNian(nian, 1);
    else if (chl.MonthOrTerm == 1 && chl.Leap == 0 && chl.Day == 1)
        StepNian(nian, -1);
    return NewYearDay(engine, nian);
}

bool ElementAnimalChoice::Open() const {
    return element == kNoElement && animal == kNoAnimal;
}

bool ElementAnimalChoice::Matches(int position) const {
    return (animal == kNoAnimal || AnimalOf(position) == animal) &&
           (element == kNoElement || ElementOf(position) == element);
}

std::optional<int32_t> FindElementAnimalDay(int32_t day, const ElementAnimalChoice& choice,
                                            bool next) {
    const int s = next ? 1 : -1;
    int64_t n = day;
    for (int i = 0; i < 60; ++i) {
        n += s;
        if (choice.Matches(DayPosition(n))) return static_cast<int32_t>(n);
    }
    return std::nullopt;  // a choice of no existing element or animal
}

std::optional<int32_t> FindElementAnimalMonth(CalendarEngine& engine, ChDate chl,
                                              const ElementAnimalChoice& choice, bool next) {
    chl.Day = 1;
    for (int i = 0; i < kMaxMonthsSearched; ++i) {
        const auto stepped = StepChLMonth(engine, chl, next, false);
        if (!stepped) return std::nullopt;
        chl = *stepped;
        if (choice.Matches(MonthPosition(chl.Position, chl.MonthOrTerm))) {
            const auto jdn = engine.ChLDateToJDN(chl);
            if (!jdn) return std::nullopt;
            return *jdn;
        }
    }
    return std::nullopt;
}

std::optional<int32_t> FindElementAnimalYear(CalendarEngine& engine, const ChDate& chl,
                                             const ElementAnimalChoice& choice, bool next) {
    ChDate nian = chl;
    for (int i = 0; i < 60; ++i) {
        StepNian(nian, next ? 1 : -1);
        if (choice.Matches(nian.Position)) return NewYearDay(engine, nian);
    }
    return std::nullopt;
}

}  // namespace vemla
