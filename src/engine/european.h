// Time scales and European-calendar services.
//
// The displayed moment is an astronomical Julian date (AJD): days from noon,
// Universal Time. Calendar days begin at midnight, so the engine works on
// chronological Julian dates: CJDL for London, CJDC for the Chinese prime
// meridian (L whole degrees east) and CJDX for local time (Z minutes east).
// The day number of a chronological Julian date is its floor.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/datelib.h"
#include "engine/result.h"

namespace vemla {

inline double AJDToCJDL(double ajd) {
    return ajd + 0.5;
}
inline double CJDLToAJD(double cjdl) {
    return cjdl - 0.5;
}
inline double CJDLToCJDC(double cjdl, int longitude) {
    return cjdl + longitude / 360.0;
}
inline double CJDCToCJDL(double cjdc, int longitude) {
    return cjdc - longitude / 360.0;
}
inline double CJDLToCJDX(double cjdl, int offset_minutes) {
    return cjdl + offset_minutes / 1440.0;
}
inline double CJDXToCJDL(double cjdx, int offset_minutes) {
    return cjdx - offset_minutes / 1440.0;
}
inline double AJDToCJDC(double ajd, int longitude) {
    return CJDLToCJDC(AJDToCJDL(ajd), longitude);
}
inline double CJDCToAJD(double cjdc, int longitude) {
    return CJDLToAJD(CJDCToCJDL(cjdc, longitude));
}

// Day number of a chronological Julian date. A total function, not one that
// can fail: the days of every moment the program admits, and of moments
// millions of years beyond, fit 32 bits, and no caller passes any other. A
// moment beyond them (or NaN) is clamped into the 32-bit range only so that
// it converts without undefined behaviour.
int32_t DayNumberOf(double cjd);

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
inline constexpr std::array<std::string_view, 7> kDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// Day number of the record's date (also written to its JDN).
int32_t DateToJDN(EuroDate& date);
// Year, Month and Day of the record's JDN in its calendar.
void JDNToDate(EuroDate& date);
// The Gregorian (CE) and Julian (JC) dates of the day of a chronological Julian date.
void CEAndJCDates(double cjd, EuroDate& ce, EuroDate& jc);
// The Gregorian year of a day number.
int32_t GregorianYearOf(int32_t day_number);

// 0 Sunday .. 6 Saturday, and its name ("" for anything else).
int DayOfWeek(int32_t day_number);
std::string DayOfWeekName(int n);

// "2024-03-12"; years beyond four digits are grouped ("12,345-01-01").
std::string DateText(const EuroDate& date, int order, std::string_view separator,
                     std::string_view group_separator);
// "The 12th day of March in the year 2024 in the Common Era Calendar".
std::string LongDateText(const EuroDate& date);
// Digits of a whole number grouped by threes with `separator`.
std::string GroupThousands(std::string_view number_text, std::string_view separator);

// Why a typed CE or JC date could not be read.
enum class EuroDateError {
    kMalformed,   // not year-month-day, or no such day in the calendar
    kOutOfRange,  // the year's magnitude exceeds kMaxEuroYear
};

// Reads a typed date of `calendar` (kGregorian for CE, kJulian for JC;
// anything else counts as kGregorian). Everything but digits and "-" is
// dropped first; then year-month-day must remain. The date comes back with
// its Calendar and JDN set.
Result<EuroDate, EuroDateError> ReadEuroDate(std::string_view text, int32_t calendar);

}  // namespace vemla
