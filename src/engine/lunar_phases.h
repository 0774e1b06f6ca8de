// Lunations and phases of the Moon in Universal Time, and delta T.
//
// Lunation k runs from its dark moon to the dark moon of lunation k + 1;
// lunation 0 begins with the dark moon of 2000-01-06 (about 18:13 GMT).
// Phase codes: 0 dark moon, 1 first quarter, 2 full moon, 3 last quarter.
#pragma once

#include <cstdint>

#include "engine/result.h"

namespace vemla {

inline constexpr double kSynodicMonth = 29.5305888531;  // mean length of a lunation, days

inline constexpr int kDarkMoon = 0;
inline constexpr int kFirstQuarter = 1;
inline constexpr int kFullMoon = 2;
inline constexpr int kLastQuarter = 3;

// A phase closer than this to a moment (and not after it) is exact: the
// moment's present phase. About 4 seconds.
inline constexpr double kExactPhaseDays = 0.00005;

// The last phase of a lunation passed at a moment.
struct PhaseFound {
    int phase = kDarkMoon;  // kDarkMoon .. kLastQuarter
    bool exact = false;     // whether it lies within kExactPhaseDays of the moment

    bool operator==(const PhaseFound&) const = default;
};

// Why no phase of lunation k is the last one passed at a moment: the moment
// lies outside the lunation.
enum class PhaseError {
    kAfterLunation,   // at or after the dark moon that ends it
    kBeforeLunation,  // before the dark moon that begins it
};

// AJD (Universal Time) of the dark moon that begins lunation 0.
double DarkMoonZero();

// Delta T in minutes for a Common Era year, and for the year of the day
// nearest a moment (AJD or a chronological Julian date).
double DeltaTForYear(int32_t year);
double DeltaTForMoment(double moment);

// Moment of phase `phase` of lunation k, in dynamical time and as an AJD in
// Universal Time.
double SyzygyTD(int32_t k, int phase);
double SyzygyUT(int32_t k, int phase);

// The lunation whose dark moon is not after the moment (AJD) and whose
// successor's dark moon is after it. Total: a moment beyond the lunations a
// 32-bit number can count (or NaN) gives the first or last of them.
int32_t LunationOf(double ajd);

// The last phase of lunation k not after x (dynamical time).
Result<PhaseFound, PhaseError> PhaseInLunation(int32_t k, double x);
// PhaseInLunation for a moment given as an AJD in Universal Time.
Result<PhaseFound, PhaseError> GetPhase(int32_t k, double ajd);

}  // namespace vemla
