#include "engine/datelib.h"

#include <cctype>
#include <cstring>
#include <ctime>

#include "common/digits.h"
#include "engine/arithmetic.h"
#include "engine/cycles.h"

namespace vemla {
namespace {

// The day-number conversions follow Howard Hinnant's days_from_civil and
// civil_from_days ("chrono-Compatible Low-Level Date Algorithms", 2013),
// extended to the Julian calendar by its own leap rule and epoch.
//
// Both calendars are counted from a March 1st of year 0, so that the leap day
// is the last day of a (March-based) year and months have the 153-day rhythm
// of 31-30-31-30-31 from March to July and August to December.
constexpr int64_t kGregorianMarch1Year0 = 1721120;  // day number of 0000-03-01 CE
constexpr int64_t kJulianMarch1Year0 = 1721118;     // day number of 0000-03-01 JC

// Days from March 1 to the first of month m, m counted from March = 0.
constexpr int64_t DaysBeforeMarchMonth(int64_t mp) {
    return (153 * mp + 2) / 5;
}  // [0, 337]

bool IsLeapYear(int64_t year, int32_t calendar) {
    if (year % 4 != 0) return false;
    if (calendar == kJulian) return true;
    return year % 100 != 0 || year % 400 == 0;
}

int DaysInMonth(int64_t year, int month, int32_t calendar) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year, calendar)) return 29;
    return kDays[month - 1];
}

// Reads an unsigned decimal number of at most max_digits digits starting at
// text[pos]; advances pos. Returns false when there is no digit or too many.
bool ReadDigits(std::string_view text, size_t& pos, int max_digits, int64_t& value) {
    constexpr int64_t kBeyondAnyField = 1000000000;  // more than max_digits (9 at most) can write
    const size_t digits = ReadDigitRun(text, pos, value, kBeyondAnyField);
    return digits > 0 && digits <= static_cast<size_t>(max_digits);
}

}  // namespace

int32_t euro_date_to_jdn(EuroDate* date) {
    // Normalise the month into the year so that any month value counts on.
    int64_t month0 = static_cast<int64_t>(date->Month) - 1;
    int64_t year = static_cast<int64_t>(date->Year) + FloorDiv(month0, 12);
    month0 -= 12 * FloorDiv(month0, 12);  // [0, 11]
    int64_t month = month0 + 1;           // [1, 12]

    int64_t y = month <= 2 ? year - 1 : year;         // March-based year
    int64_t mp = month <= 2 ? month + 9 : month - 3;  // [0, 11], March = 0
    int64_t days = DaysBeforeMarchMonth(mp) + date->Day - 1;
    int64_t jdn;
    if (date->Calendar == kJulian) {
        jdn = kJulianMarch1Year0 + 365 * y + FloorDiv(y, 4) + days;
    } else {
        jdn = kGregorianMarch1Year0 + 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) +
              FloorDiv(y, 400) + days;
    }
    date->JDN = static_cast<int32_t>(jdn);
    return date->JDN;
}

void jdn_to_euro_date(EuroDate* date) {
    int64_t year, doy;
    if (date->Calendar == kJulian) {
        int64_t z = static_cast<int64_t>(date->JDN) - kJulianMarch1Year0;
        int64_t era = FloorDiv(z, 1461);         // 4-year cycles
        int64_t doe = z - era * 1461;            // [0, 1460]
        int64_t yoe = (doe - doe / 1460) / 365;  // [0, 3]
        doy = doe - 365 * yoe;                   // [0, 365]
        year = yoe + era * 4;
    } else {
        int64_t z = static_cast<int64_t>(date->JDN) - kGregorianMarch1Year0;
        int64_t era = FloorDiv(z, 146097);                                    // 400-year cycles
        int64_t doe = z - era * 146097;                                       // [0, 146096]
        int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
        doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                        // [0, 365]
        year = yoe + era * 400;
    }
    int64_t mp = (5 * doy + 2) / 153;  // [0, 11], March = 0
    date->Day = static_cast<int32_t>(doy - DaysBeforeMarchMonth(mp) + 1);
    date->Month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    date->Year = static_cast<int32_t>(year + (date->Month <= 2 ? 1 : 0));
}

int32_t euro_day_of_week(int32_t jdn) {
    return static_cast<int32_t>(FloorMod(static_cast<int64_t>(jdn) + 1, 7));
}

int32_t str_to_date(std::string_view text, int32_t order, EuroDate* date, int32_t calendar) {
    if (order != 2 || date == nullptr) return kStrDateInvalid;
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && text[pos] == '-') {
        negative = true;
        ++pos;
    }
    // Year digits: anything longer than kMaxEuroYear's digits is out of range,
    // however many digits follow.
    int64_t year = 0;
    if (ReadDigitRun(text, pos, year, int64_t{kMaxEuroYear}) == 0) return kStrDateInvalid;
    const bool year_too_large = year > kMaxEuroYear;
    if (pos >= text.size() || text[pos] != '-') return kStrDateInvalid;
    ++pos;
    int64_t month = 0, day = 0;
    if (!ReadDigits(text, pos, 4, month)) return kStrDateInvalid;
    if (pos >= text.size() || text[pos] != '-') return kStrDateInvalid;
    ++pos;
    if (!ReadDigits(text, pos, 4, day)) return kStrDateInvalid;
    if (pos != text.size()) return kStrDateInvalid;
    if (year_too_large) return kStrDateOutOfRange;
    if (negative) year = -year;
    int32_t cal = calendar == kJulian ? kJulian : kGregorian;
    if (month < 1 || month > 12) return kStrDateInvalid;
    if (day < 1 || day > DaysInMonth(year, static_cast<int>(month), cal)) return kStrDateInvalid;
    date->Year = static_cast<int32_t>(year);
    date->Month = static_cast<int32_t>(month);
    date->Day = static_cast<int32_t>(day);
    date->Calendar = cal;
    return kStrDateOk;
}

bool separate_thousands(const char* number, int32_t separator, char* out, int32_t out_size) {
    if (out == nullptr || out_size <= 0) return false;
    out[0] = '\0';
    if (number == nullptr) return false;
    size_t len = std::strlen(number);
    size_t sign = (len > 0 && (number[0] == '-' || number[0] == '+')) ? 1 : 0;
    size_t digits = len - sign;
    if (digits == 0) return false;
    for (size_t i = sign; i < len; ++i)
        if (!IsDecimalDigit(number[i])) return false;
    size_t groups = (digits - 1) / 3;
    size_t needed = len + groups + 1;
    if (needed > static_cast<size_t>(out_size)) return false;
    size_t o = 0;
    if (sign) out[o++] = number[0];
    for (size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0) out[o++] = static_cast<char>(separator);
        out[o++] = number[sign + i];
    }
    out[o] = '\0';
    return true;
}

namespace {

// The shared grammar of both Chinese readers; `lunar` admits the leap mark.
void ReadChineseDate(std::string_view text, ChDate* date, bool lunar) {
    date->Valid = 0;
    size_t pos = 0;
    const bool negative = ReadBlanksAndSign(text, pos);
    int64_t cycle, position = 0, month, day;
    if (!ReadDigits(text, pos, 9, cycle)) return;
    if (pos >= text.size() || text[pos] != '-') return;
    ++pos;
    bool unknown_position = false;
    if (pos < text.size() && text[pos] == '?') {
        unknown_position = true;
        ++pos;
    } else if (!ReadDigits(text, pos, 9, position)) {
        return;
    }
    if (pos >= text.size() || text[pos] != '-') return;
    ++pos;
    if (!ReadDigits(text, pos, 9, month)) return;
    bool leap = false;
    if (lunar && pos < text.size() && text[pos] == '*') {
        leap = true;
        ++pos;
    }
    if (pos >= text.size() || text[pos] != '-') return;
    ++pos;
    if (!ReadDigits(text, pos, 9, day)) return;
    // The date ends here; what follows must be separated from it by a blank.
    if (pos < text.size() && text[pos] != ' ') return;
    if (unknown_position) {
        while (pos < text.size() && text[pos] == ' ') ++pos;
        size_t end = text.find(' ', pos);
        std::string_view pair =
            text.substr(pos, end == std::string_view::npos ? text.size() - pos : end - pos);
        const auto found = PositionOfElementAnimalText(pair);
        if (!found) return;
        position = *found;
    }
    date->Cycle = static_cast<int32_t>(negative ? -cycle : cycle);
    date->Position = static_cast<int32_t>(position);
    date->MonthOrTerm = static_cast<int32_t>(month);
    date->Day = static_cast<int32_t>(day);
    if (lunar) date->Leap = leap ? 1 : 0;
    date->Valid = 1;
}

}  // namespace

void chl_datestr_to_chldate(std::string_view text, ChDate* date) {
    if (date != nullptr) ReadChineseDate(text, date, true);
}

void chs_datestr_to_chsdate(std::string_view text, ChDate* date) {
    if (date != nullptr) ReadChineseDate(text, date, false);
}

}  // namespace vemla
