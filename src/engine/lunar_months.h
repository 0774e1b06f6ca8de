// Lunar months around a day, numbered into sui and nian.
//
// A lunar month begins at midnight (prime meridian's time) of the day of its
// dark moon. A sui runs from the month containing the December solstice
// (principal term Z11, always month 11) to the month before the next such
// month. A sui of thirteen months has one leap month: its first month in
// which no principal term falls, numbered after the month before it and
// marked "*". The nian (lunar year) begins with month 1.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <string>

#include "engine/solar_terms.h"

namespace vemla {

inline constexpr int kMaxMonths = 51;

// The label of one month of the table: a month number with or without the
// leap mark, or one of the working marks the labelling leaves where it
// stopped.
struct MonthLabelValue {
    enum Kind : uint8_t { kEmpty, kMonth, kStartOfSui, kLeapMonth, kStopHere };
    Kind kind = kEmpty;
    int8_t month = 0;  // [1, 12] for kMonth
    bool leap = false;

    bool IsMonth(int m, bool l) const { return kind == kMonth && month == m && leap == l; }
    bool IsNewYear() const { return IsMonth(1, false); }
};

// "01".."12" for an ordinary month, "7*" or "10*" for a leap month.
std::string MonthLabel(int month, bool leap);
// The text of a table label: a month label, "start of sui", "leap month",
// "stop here" or "".
std::string MonthLabelText(const MonthLabelValue& label);

// The solar terms and the lunar months around one solar year.
struct CalendarTables : SolarTermTable {
    int Method = 0;
    int Longitude = 0;
    int32_t FirstLunation = 0;
    int MonthCount = 0;
    std::array<double, kMaxMonths> MonthStartMoments{};  // dark moons, CJDC
    std::array<int32_t, kMaxMonths> MonthStartDays{};    // first day of each month
    std::array<int16_t, kMaxMonths> PrincipalCount{};    // principal terms in each month
    std::array<MonthLabelValue, kMaxMonths> MonthLabels{};
    // CE year in which month m's nian began (the year of its month 1), or
    // kNoNianYear for the months before the first month 1 of the table.
    std::array<int32_t, kMaxMonths> NianYear{};
    static constexpr int32_t kNoNianYear = INT32_MIN;

    // The month m (0 .. MonthCount - 2) with MonthStartDays[m] <= day <
    // MonthStartDays[m + 1], or -1: the last stored month has no known end.
    int MonthOfDay(int32_t day) const;
};

// Fills FirstLunation, MonthStartMoments, MonthStartDays and MonthCount from
// the solar terms: every dark moon from the one at or before the first
// December solstice until 40 days past the last term.
void ComputeMonthStarts(CalendarTables& tables);
// Fills PrincipalCount and MonthLabels.
void LabelMonths(CalendarTables& tables);
// Fills NianYear from the labels.
void MarkNianYears(CalendarTables& tables);
// The whole layout around solar year y: solar terms, month starts, labels.
CalendarTables BuildTablesForSolarYear(int32_t solar_year, int method, int longitude);

}  // namespace vemla
