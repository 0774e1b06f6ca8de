// The readers of typed Common Era and Julian Calendar dates: ReadEuroDate
// (the date box's reader) and str_to_date beneath it.
//
// Input: the typed text; it is read as a date of both calendars.
//
// Properties: the status is one of the documented three; a date read as
// valid exists in its calendar (its month has that day, its day number gives
// back the same date) and its year lies within the readable range; the text
// the program writes for it reads back to the same day; str_to_date fills
// the record only with dates that exist.
#include <string>

#include "engine/european.h"
#include "fuzz_check.h"

using namespace vemla;
using vemla::fuzz::Escaped;

namespace {

// Days of a month, by the calendar's leap rule, independent of the library.
int MonthLength(int64_t year, int month, int32_t calendar) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (calendar == kJulian || year % 100 != 0 || year % 400 == 0);
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string Show(const EuroDate& d) {
    return std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" + std::to_string(d.Day) +
           " " + static_cast<char>(d.Calendar) + " JDN " + std::to_string(d.JDN);
}

void CheckExists(const EuroDate& date, const std::string& what) {
    FUZZ_CHECK(date.Year >= -kMaxEuroYear && date.Year <= kMaxEuroYear, what + Show(date));
    FUZZ_CHECK(date.Month >= 1 && date.Month <= 12, what + Show(date));
    FUZZ_CHECK(date.Day >= 1 && date.Day <= MonthLength(date.Year, date.Month, date.Calendar),
               what + Show(date));
    EuroDate back;
    back.Calendar = date.Calendar;
    back.JDN = date.JDN;
    JDNToDate(back);
    FUZZ_CHECK(back.Year == date.Year && back.Month == date.Month && back.Day == date.Day,
               what + Show(date) + " comes back as " + Show(back));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (int32_t calendar : {kGregorian, kJulian}) {
        const std::string what =
            "\"" + Escaped(text) + "\" as " + static_cast<char>(calendar) + ": ";
        const auto read = ReadEuroDate(text, calendar);
        if (read) {
            const EuroDate& date = *read;
            FUZZ_CHECK(date.Calendar == calendar, what);
            CheckExists(date, what);
            // As the date rows write it ("12,345-01-01" beyond four digits).
            const std::string written = DateText(date, 2, "-", ",");
            const auto again = ReadEuroDate(written, calendar);
            FUZZ_CHECK(again && again->JDN == date.JDN, what + "written as " + written);
        }

        EuroDate raw;
        const int32_t result = str_to_date(text, 2, &raw, calendar);
        FUZZ_CHECK(
            result == kStrDateOk || result == kStrDateInvalid || result == kStrDateOutOfRange,
            what + std::to_string(result));
        if (result == kStrDateOk) {
            FUZZ_CHECK(raw.Calendar == calendar, what);
            DateToJDN(raw);
            CheckExists(raw, what + "str_to_date: ");
        }
    }
    return 0;
}
