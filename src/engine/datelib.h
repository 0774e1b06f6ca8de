// The European-calendar arithmetic and the readers of typed dates: day numbers
// of Gregorian and Julian dates, weekdays, date strings, digit grouping and the
// local time zone, plus the readers of typed Chinese dates.
//
// Day numbers are chronological Julian day numbers: day 2451545 is 2000-01-01
// in the Gregorian calendar. All arithmetic is exact integer arithmetic for
// every year whose magnitude is at most kMaxEuroYear.
//
// Why these names look different: the lower-case C-style functions here
// (pointer arguments, int32_t codes, record fields in capitals) keep the
// interfaces of the date and astronomy libraries the calendar has always
// been computed with, field for field, so that records and codes written by
// older tools mean the same here. The rest of the engine wraps them in its
// own style (european.h, chinese_dates.h, lunar_phases.h, solar_terms.h), and
// only the engine itself calls them: the application, the command line and
// the desktop program call the wrappers and use only the record types. Their
// status codes and the records' Valid fields stay inside the engine; the
// wrappers report failure as a Result (result.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vemla {

// Calendar codes held in EuroDate::Calendar.
inline constexpr int32_t kGregorian = 'G';
inline constexpr int32_t kJulian = 'J';

// Largest year magnitude the date functions accept; beyond it day numbers
// would no longer fit 32 bits.
inline constexpr int32_t kMaxEuroYear = 5800000;

struct EuroDate {
    int32_t Year = 0;               // astronomical numbering: year 0 exists
    int32_t Month = 1;              // [1, 12]
    int32_t Day = 1;                // [1, 31]
    int32_t Calendar = kGregorian;  // 'G' or 'J'
    int32_t JDN = 0;                // day number of the date
    int32_t Valid = 0;  // 1 when the record holds a valid date (set by the readers here)
};

// One record for dates of both Chinese calendars (lunar CHL and solar CHS).
struct ChDate {
    int32_t EpochYear = 0;  // epoch in force when the date was converted
    int32_t Cycle = 0;      // sexagenary cycle of the nian (CHL) or solar year (CHS)
    int32_t Position = 0;   // [1, 60] within the cycle
    int32_t Reserved1 = 0;
    int32_t Reserved2 = 0;
    int32_t MonthOrTerm = 0;  // month [1, 12] (CHL) or solar term [1, 24] (CHS)
    int32_t Day = 0;          // [1, 30] (CHL) or [1, 16] (CHS)
    int32_t Valid = 0;        // 1 when the date exists (set by the readers here)
    int32_t JDN = 0;          // day number of the date
    int32_t Leap = 0;         // CHL: 1 for a leap month
};

// Results of str_to_date().
inline constexpr int32_t kStrDateOk = 0;
inline constexpr int32_t kStrDateInvalid = -1;
inline constexpr int32_t kStrDateOutOfRange = -5;

// Day number of Year-Month-Day in the record's calendar; written to JDN and
// returned. The fields are not checked: an impossible day counts on (Feb 30 is
// Mar 1 or 2). Years beyond kMaxEuroYear give an unspecified but defined value.
int32_t euro_date_to_jdn(EuroDate* date);

// Year, Month and Day of the record's JDN in the record's calendar.
void jdn_to_euro_date(EuroDate* date);

// 0 Sunday .. 6 Saturday.
int32_t euro_day_of_week(int32_t jdn);

// Reads "year-month-day" (optional leading "-" on the year) as a date of
// `calendar` ('G' or 'J'). `order` must be 2 (year-month-day). Returns
// kStrDateOk and fills Year, Month and Day when the date exists;
// kStrDateOutOfRange when |year| > kMaxEuroYear; kStrDateInvalid otherwise.
int32_t str_to_date(std::string_view text, int32_t order, EuroDate* date, int32_t calendar);

// Writes the whole number `number` with `separator` between groups of three
// digits into `out` (zero-terminated, at most out_size bytes including the
// zero). Returns false and writes an empty text when it does not fit or the
// text is not a whole number.
bool separate_thousands(const char* number, int32_t separator, char* out, int32_t out_size);

// Readers of typed Chinese dates: "cycle-position-month[*]-day" (CHL) and
// "cycle-position-term-day" (CHS). The position may be "?" when the text then
// carries a blank and an element-animal pair ("70-?-12-30 wood-dog"). Text
// after the date (" CHL 20:00 CCT") is ignored. Valid becomes 1 when the text
// has that form, else 0; the date's existence is settled by the conversions.
void chl_datestr_to_chldate(std::string_view text, ChDate* date);
void chs_datestr_to_chsdate(std::string_view text, ChDate* date);

}  // namespace vemla
