// The calendar engine: conversion between day numbers and dates of the
// Chinese lunar (CHL) and solar (CHS) calendars under the chosen prime
// meridian, epoch and solar-term method.
//
// Every conversion lays out the solar terms and lunar months around the day
// concerned. Layouts are kept in a cache keyed by everything a layout depends
// on (solar year, method, meridian), so a conversion near a recent one costs
// a table lookup; the results are exactly those of building afresh.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "engine/cycles.h"
#include "engine/datelib.h"
#include "engine/lunar_months.h"
#include "engine/result.h"

namespace vemla {

struct CalendarSettings {
    int Longitude = kDefaultLongitude;  // prime meridian, whole degrees east, 100..145
    int Epoch = kEpochHuangdi;          // -2696 or -2636
    int Method = kTrueSun;              // kTrueSun or kMeanSun
};

// Why a day could not be given its Chinese dates.
enum class ChDayError {
    kBeyondEngineYears,  // the day lies outside the years the engine lays out
    kNotInLayout,        // the layout around the day does not place it
};

// Why a CHL date has no day number.
enum class ChLDateError {
    kFieldOutOfRange,  // position, month, leap flag or day outside its range, or the
                       // nian beyond the engine's years
    kNoNianStart,      // the layout holds no second start of a nian
    kMonthsEnded,      // the months ended before the month was found
    kDayTooLarge,      // the day exceeds the length of that month
    kMonthNotInNian,   // the month (typically a leap month) is not in that nian
};

// Why a CHS date has no day number.
enum class ChSDateError {
    kFieldOutOfRange,    // position, term or day outside its range
    kBeyondEngineYears,  // the sui lies outside the years the engine lays out
    kDayTooLarge,        // the day exceeds the length of that term
};

// Why a typed Chinese date could not be read.
enum class ChDateTextError {
    kMalformed,  // the text does not have the form of a date
};

// The two Chinese dates of one day. Both records hold Cycle, Position,
// MonthOrTerm and Day (and chl its Leap); their JDN and Valid are not set.
struct ChDates {
    ChDate chs, chl;
};

// Chinese years the engine lays out. The calendar is only accurate within
// -3000..3000, but the self-test's cycles -10..189 must still convert both
// ways. Far from the present the quarter-point polynomials and the parabola of
// delta T drift, the December solstice creeps towards the middle of December
// in civil time, and a layout built around a date's Gregorian month no
// longer holds the month wanted. Measured day by day over every meridian and
// both methods: from CE 8897 (meridians 100..106 East; 9217..9228 for the
// others) a month 12 stops converting back, and from -14815 back (mean sun;
// -14997 true sun) the first solar term of a year does. Inside the bounds
// below every day converts to one lunar and one solar date and back and
// every nian has 12 or 13 months; they are whole sexagenary cycles of both
// epochs. Beyond them a date is reported as not existing.
inline constexpr int64_t kMinChineseYear =
    -14756;                                       // first of cycle -200 (epoch -2696), -201 (-2636)
inline constexpr int64_t kMaxChineseYear = 8883;  // last of cycle 193 (epoch -2696), 192 (-2636)

inline constexpr bool InEngineYears(int64_t year) {
    return year >= kMinChineseYear && year <= kMaxChineseYear;
}

class CalendarEngine {
  public:
    explicit CalendarEngine(CalendarSettings settings = {});

    const CalendarSettings& Settings() const { return settings_; }
    void SetLongitude(int longitude) { settings_.Longitude = longitude; }
    void SetEpoch(int epoch) { settings_.Epoch = epoch; }
    void SetMethod(int method) { settings_.Method = method; }
    int Epoch() const { return settings_.Epoch; }

    // Lays out the terms and months around a CJDC and makes them the current
    // tables; on failure (a day beyond the engine's years) they stay as they were.
    Result<void, ChDayError> BuildCalendarTables(double cjdc);
    // The tables of the last successful build (empty before the first).
    // Valid until the next conversion or build.
    const CalendarTables& Tables() const { return current_->tables; }

    // The CHS and CHL dates of the day of a CJDC (or a whole day number).
    Result<ChDates, ChDayError> CJDateToChDates(double cjdc);
    // The CHL date alone, for searches that walk many days by their lunar
    // date and would waste the search for the solar term.
    Result<ChDate, ChDayError> CJDateToChLDate(double cjdc);

    // Day numbers of a CHS and a CHL date (Cycle, Position, MonthOrTerm, Day
    // and Leap are read; the other fields are ignored).
    Result<int32_t, ChSDateError> ChSDateToJDN(const ChDate& chs);
    Result<int32_t, ChLDateError> ChLDateToJDN(const ChDate& chl);

    // Number of layouts built (not taken from the cache) so far.
    int64_t BuildCount() const { return builds_; }

  private:
    // One layout with the days of the solar year it was built for.
    struct CachedTables {
        CalendarTables tables;
        int32_t first_day = 0;  // the day of the December solstice that opens solar year y
        int32_t end_day = 0;    // the day of the one that closes it
    };
    // The layout around solar year y, from the cache or built afresh.
    const CachedTables& TablesFor(int32_t solar_year);
    bool BuildAroundDay(int32_t day);
    int64_t KeyOf(int32_t solar_year) const;

    static constexpr size_t kCacheCapacity = 1024;
    std::unordered_map<int64_t, std::unique_ptr<CachedTables>> cache_;
    CachedTables empty_;
    const CachedTables* current_ = &empty_;

    CalendarSettings settings_;
    int64_t builds_ = 0;
};

// The CHS and CHL dates of day n read from a layout, as
// CalendarEngine::CJDateToChDates gives them.
Result<ChDates, ChDayError> ChDatesFromTables(const CalendarTables& tables, int32_t n, int epoch);

// Readers of typed Chinese dates: "cycle-position-month[*]-day" (CHL) and
// "cycle-position-term-day" (CHS), as chl_datestr_to_chldate and
// chs_datestr_to_chsdate describe them. They check the form only; whether the
// date exists is settled by ChLDateToJDN and ChSDateToJDN.
Result<ChDate, ChDateTextError> ReadChLDateText(std::string_view text);
Result<ChDate, ChDateTextError> ReadChSDateText(std::string_view text);

}  // namespace vemla
