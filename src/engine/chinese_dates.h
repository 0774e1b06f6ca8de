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

namespace vemla {

struct CalendarSettings {
    int Longitude = kDefaultLongitude;  // prime meridian, whole degrees east, 100..145
    int Epoch = kEpochHuangdi;          // -2696 or -2636
    int Method = kTrueSun;              // kTrueSun or kMeanSun
};

// Codes of ChLDateToJDN.
enum ChLStatus : int {
    kChLExists = 0,
    kChLFieldOutOfRange = -1,   // position, month, leap flag or day outside its range
    kChLNoNianStart = -2,       // the layout holds no second start of a nian
    kChLMonthsEnded = -3,       // the months ended before the month was found
    kChLDayTooLarge = -4,       // the day exceeds the length of that month
    kChLMonthNotInNian = -5,    // the month (typically a leap month) is not in that nian
};

// Marker in ChDate::Valid asking CJDateToChDates for the lunar date only.
inline constexpr int32_t kNoChSWanted = -99;

// Chinese years the engine lays out. The calendar is only accurate within
// -3000..3000, but cycles -10..189 must still convert both ways; beyond these
// bounds a date is reported as not existing.
inline constexpr int64_t kMinChineseYear = -20000;
inline constexpr int64_t kMaxChineseYear = 20000;

class CalendarEngine {
public:
    explicit CalendarEngine(CalendarSettings settings = {});

    const CalendarSettings& Settings() const { return settings_; }
    void SetLongitude(int longitude) { settings_.Longitude = longitude; }
    void SetEpoch(int epoch) { settings_.Epoch = epoch; }
    void SetMethod(int method) { settings_.Method = method; }
    int Epoch() const { return settings_.Epoch; }

    // Lays out the terms and months around a CJDC and makes them the current
    // tables. False (tables unchanged) when the day lies beyond the engine's
    // years.
    bool BuildCalendarTables(double cjdc);
    // The tables of the last successful build (empty before the first).
    // Valid until the next conversion or build.
    const CalendarTables& Tables() const { return current_->tables; }

    // The CHS and CHL dates of the day of a CJDC (or a whole day number).
    // Fills Cycle, Position, MonthOrTerm and Day of both, Leap of chl; chs is
    // left alone, but for Valid = 0, when its Valid is kNoChSWanted. JDN and
    // Valid are not set. False when the day cannot be placed in the tables.
    bool CJDateToChDates(double cjdc, ChDate& chs, ChDate& chl);

    // Day number of a CHS date: true and JDN set with Valid = 1 when it exists.
    bool ChSDateToJDN(ChDate& chs);
    // Day number of a CHL date: kChLExists with JDN set and Valid = 1, or a
    // negative ChLStatus with Valid = 0.
    int ChLDateToJDN(ChDate& chl);

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
// CalendarEngine::CJDateToChDates gives them; false when the layout cannot
// place the day.
bool ChDatesFromTables(const CalendarTables& tables, int32_t n, int epoch, ChDate& chs, ChDate& chl);

// Readers of typed Chinese dates; true when the text has the form of a date.
bool ReadChLDateText(std::string_view text, ChDate& chl);
bool ReadChSDateText(std::string_view text, ChDate& chs);

}  // namespace vemla
