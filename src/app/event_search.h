// Finding the next or previous event of each search target from a moment:
// phases of the Moon, lunar new years, solstices, equinoxes and solar terms,
// dark and full moons on the first day of a solar term, and days, months and
// years of a chosen element and animal. Pure computation on the calendar
// engine; the search panel (searcher.h) shows what these find.
//
// Moments are astronomical Julian dates (AJD, Universal Time). Days, Chinese
// dates and solar terms are those of the engine's prime meridian, and a day
// found is shown at its noon there.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/chinese_dates.h"
#include "engine/lunar_phases.h"
#include "engine/result.h"

namespace vemla {

// Search targets: positions in kTargetItems.
enum SearchTarget : int {
    kTargetFullMoon = 0,
    kTargetDarkMoon = 1,
    kTargetLunarQuarter = 2,
    kTargetLunarNewYear = 3,
    kTargetWinterSolstice = 4,
    kTargetVernalEquinox = 5,
    kTargetSummerSolstice = 6,
    kTargetAutumnalEquinox = 7,
    kTargetSolsticeOrEquinox = 8,
    kTargetSolarTerm = 9,
    kTargetTermDarkMoon = 10,
    kTargetTermFullMoon = 11,
    kTargetWinterSolsticeDarkMoon = 12,
    kTargetQuarterDarkMoon = 13,
    kTargetQuarterFullMoon = 14,
    kTargetElementAnimalDay = 15,
    kTargetElementAnimalMonth = 16,
    kTargetElementAnimalYear = 17,
    kTargetTripleElementAnimal = 18,
};

// The coincidence searches give up after this many candidate phases.
inline constexpr int kMaxCoincidenceCandidates = 1000;

// Noon at the prime meridian (L degrees east) of day n.
double NoonAtMeridian(int32_t day, int longitude);

// The last phase of lunation k not after a moment, compared in Universal
// Time, and whether it is the moment's present phase (within
// kExactPhaseDays: both directions of a search pass over it); or that the
// moment lies outside lunation k.
Result<PhaseFound, PhaseError> PhaseAt(int32_t lunation, double ajd);

// The next or previous full moon (kFullMoon) or dark moon (kDarkMoon).
double FindPhase(double ajd, int phase, bool next);
// The next or previous of the four phases, whichever it is.
double FindLunarQuarter(double ajd, bool next);

// Solar-term targets (kTargetWinterSolstice .. kTargetSolarTerm): the moment
// of the next or previous term of that kind. A term at the moment itself is
// neither. Nothing beyond the engine's years.
std::optional<double> FindSolarTerm(CalendarEngine& engine, double ajd, int target, bool next);

// Coincidence targets (kTargetTermDarkMoon .. kTargetQuarterFullMoon): the
// next or previous dark or full moon that falls on the first day of a solar
// term of the target's kind. `on_candidate(n)` runs before candidate n
// (1-based) is looked for; nothing after `limit` candidates.
std::optional<double> FindPhaseOnTermStart(CalendarEngine& engine, double ajd, int target,
                                           bool next,
                                           const std::function<void(int)>& on_candidate = {},
                                           int limit = kMaxCoincidenceCandidates);

// The day number of the first day of month 1 of the next nian after the
// lunar date chl, or of the nian of chl (the one before when chl is that
// very day) looking back. Nothing when that day does not exist.
std::optional<int32_t> FindLunarNewYear(CalendarEngine& engine, const ChDate& chl, bool next);

// The element (0..4) and animal (0..11) searched for; kNoElement or
// kNoAnimal (date_entry.h) leave one open.
struct ElementAnimalChoice {
    int element;
    int animal;
    bool Open() const;  // neither is chosen
    bool Matches(int position) const;
};

// The nearest day after (or before) day n of the chosen element-animal.
std::optional<int32_t> FindElementAnimalDay(int32_t day, const ElementAnimalChoice& choice,
                                            bool next);
// The first day of the nearest lunar month after (or before) the month of
// chl whose element-animal is the chosen one; a leap month has those of the
// ordinary month of its number.
std::optional<int32_t> FindElementAnimalMonth(CalendarEngine& engine, ChDate chl,
                                              const ElementAnimalChoice& choice, bool next);
// The first day of the nearest nian after (or before) the nian of chl whose
// element-animal is the chosen one.
std::optional<int32_t> FindElementAnimalYear(CalendarEngine& engine, const ChDate& chl,
                                             const ElementAnimalChoice& choice, bool next);

}  // namespace vemla
