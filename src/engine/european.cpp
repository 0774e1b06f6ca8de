#include "engine/european.h"

#include <cmath>
#include <limits>

#include "common/digits.h"
#include "common/strproc.h"

namespace vemla {

int32_t DayNumberOf(double cjd) {
    constexpr double kLow = std::numeric_limits<int32_t>::min();
    constexpr double kHigh = std::numeric_limits<int32_t>::max();
    double day = std::floor(cjd);
    if (!(day >= kLow)) return std::numeric_limits<int32_t>::min();  // also NaN
    if (day > kHigh) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(day);
}

int32_t DateToJDN(EuroDate& date) {
    return euro_date_to_jdn(&date);
}

void JDNToDate(EuroDate& date) {
    jdn_to_euro_date(&date);
}

void CEAndJCDates(double cjd, EuroDate& ce, EuroDate& jc) {
    ce.JDN = jc.JDN = DayNumberOf(cjd);
    ce.Calendar = kGregorian;
    jc.Calendar = kJulian;
    JDNToDate(ce);
    JDNToDate(jc);
}

int32_t GregorianYearOf(int32_t day_number) {
    EuroDate date;
    date.JDN = day_number;
    date.Calendar = kGregorian;
    JDNToDate(date);
    return date.Year;
}

int DayOfWeek(int32_t day_number) {
    return euro_day_of_week(day_number);
}

std::string DayOfWeekName(int n) {
    if (n < 0 || n > 6) return "";
    return std::string(kDayNames[n]);
}

namespace {

std::string YearText(int32_t year, std::string_view group_separator) {
    std::string text = std::to_string(year);
    if (year > 9999 || year < -9999) text = GroupThousands(text, group_separator);
    return text;
}

std::string TwoDigits(int n) {
    if (n < 0 || n > 9) return std::to_string(n);
    return {'0', static_cast<char>('0' + n)};
}

}  // namespace

std::string DateText(const EuroDate& date, int /*order*/, std::string_view separator,
                     std::string_view group_separator) {
    // Year-month-day is the only order the program writes.
    std::string text = YearText(date.Year, group_separator);
    text += separator;
    text += TwoDigits(date.Month);
    text += separator;
    text += TwoDigits(date.Day);
    return text;
}

std::string LongDateText(const EuroDate& date) {
    std::string month =
        date.Month >= 1 && date.Month <= 12 ? std::string(kMonthNames[date.Month - 1]) : "";
    return "The " + OrdinalText(date.Day) + " day of " + month + " in the year " +
           YearText(date.Year, ",") + " in the " +
           (date.Calendar == kJulian ? "Julian" : "Common Era") + " Calendar";
}

std::string GroupThousands(std::string_view number_text, std::string_view separator) {
    if (separator.empty()) return std::string(number_text);
    std::string number(number_text);
    char out[64];
    if (!separate_thousands(number.c_str(), static_cast<unsigned char>(separator[0]), out,
                            static_cast<int32_t>(sizeof out)))
        return number;
    return out;
}

Result<EuroDate, EuroDateError> ReadEuroDate(std::string_view text, int32_t calendar) {
    EuroDate date;
    date.Calendar = calendar == kJulian ? kJulian : kGregorian;
    std::string reduced;
    for (char c : text)
        if (c == '-' || IsDecimalDigit(c)) reduced += c;
    const int64_t dashes = CountChar(reduced, '-');
    const bool negative_year = !reduced.empty() && reduced[0] == '-';
    if (dashes != (negative_year ? 3 : 2)) return Fail(EuroDateError::kMalformed);
    // The year's magnitude is checked by the reader on the year it reads
    // from the text itself.
    const int32_t read = str_to_date(reduced, 2, &date, date.Calendar);
    if (read == kStrDateOutOfRange) return Fail(EuroDateError::kOutOfRange);
    if (read != kStrDateOk) return Fail(EuroDateError::kMalformed);
    DateToJDN(date);
    date.Valid = 1;
    return date;
}

}  // namespace vemla
