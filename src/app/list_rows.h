// What a listing found, beside the text it prints: one row per date or
// moment of the list, in the order of the list. The text is written from
// these rows, and the calendar export turns the same rows into events, so
// both always agree.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "engine/datelib.h"

namespace vemla {

// The length of one nian and how many times the terms J1 and Z1 fall in it.
struct NianCounts {
    int months = 0;
    int j1 = 0;
    int z1 = 0;
};

// A lunar new year's day or an anniversary of a lunar date that exists in
// its year (a year whose date does not exist gives no row).
struct LunarDateRow {
    ChDate chl;      // the date listed, with its day number
    ChDate origin;   // the date the list started from
    int number = 0;  // years since the first line: the anniversary number
    bool new_year = false;
    std::optional<NianCounts> counts;  // of a new year's nian, where known
    std::string replaces;  // "79-41-02-30 CHL is invalid" when this date stands in for it
};

// The first day of a lunar month and the month's length.
struct MonthStartRow {
    ChDate chl;  // day 1 of the month, with its day number
    int days = 0;
};

// A phase of the Moon (kDarkMoon .. kLastQuarter) at a moment in Universal
// Time (an AJD).
struct PhaseRow {
    double ajd = 0.0;
    int phase = 0;
    int32_t lunation = 0;
    std::string note;  // what else it is: "LN302 M01", "on the first day of ST5 Z1"
};

// A solar term (0..23 from the December solstice) at a moment in Universal
// Time (an AJD).
struct SolarTermRow {
    double ajd = 0.0;
    int term = 0;
};

// A day found by an element-animal search, with what was searched for.
struct DayRow {
    int32_t day = 0;
    std::string what;  // "wood-rat day (jia-zi)"
};

// The 1st of January of a Julian or CE year with its Chinese dates (none
// when the engine cannot place the day).
struct NewYearRow {
    int32_t day = 0;
    bool jc = false;
    std::optional<ChDate> chs, chl;
};

using ListRow =
    std::variant<LunarDateRow, MonthStartRow, PhaseRow, SolarTermRow, DayRow, NewYearRow>;

}  // namespace vemla
