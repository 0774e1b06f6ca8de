// Day numbers of European dates, the time scales, the texts of dates and the readers of typed
// European and Chinese dates.
#include "engine/datelib.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <tuple>

#include "engine/european.h"

namespace vemla {
namespace {

EuroDate Make(int32_t y, int32_t m, int32_t d, int32_t calendar = kGregorian) {
    return {y, m, d, calendar, 0, 0};
}

// 2000-01-01 CE (a Saturday), 13 days behind in the Julian calendar; the day after the
// Gregorian reform; day 0 of the Julian period; the ends of the admissible range.
TEST(DayNumbers, KnownDaysAndWeekdays) {
    const std::tuple<EuroDate, int32_t> cases[] = {{Make(2000, 1, 1), 2451545},
                                                   {Make(1999, 12, 19, kJulian), 2451545},
                                                   {Make(1582, 10, 4, kJulian), 2299160},
                                                   {Make(1582, 10, 15), 2299161},
                                                   {Make(-4712, 1, 1, kJulian), 0},
                                                   {Make(-3000, 1, 1), 625333},
                                                   {Make(3000, 1, 1), 2816788}};
    for (auto [date, jdn] : cases) EXPECT_EQ(euro_date_to_jdn(&date), jdn) << date.Year;
    EXPECT_EQ(DayOfWeekName(DayOfWeek(2451545)), "Saturday");
    EXPECT_EQ(DayOfWeekName(DayOfWeek(-1)), "Sunday");
    for (int32_t n : {INT32_MIN, INT32_MAX}) EXPECT_NE(DayOfWeekName(DayOfWeek(n)), "") << n;
    EXPECT_EQ(DayOfWeekName(7), "");
}

TEST(DayNumbers, RoundTripAndContinuityOverWholeRange) {
    // Consecutive days must advance one day at a time through every month end
    // and leap day, in both calendars, over the whole range.
    for (int32_t calendar : {kGregorian, kJulian}) {
        EuroDate prev{0, 0, 0, calendar, 0, 0};
        jdn_to_euro_date(&prev);
        for (int32_t n = 1; n < 3200000; ++n) {
            EuroDate d{0, 0, 0, calendar, n, 0};
            jdn_to_euro_date(&d);
            const bool next_day =
                d.Year == prev.Year && d.Month == prev.Month && d.Day == prev.Day + 1;
            const bool next_month = d.Year == prev.Year && d.Month == prev.Month + 1 && d.Day == 1;
            const bool next_year = d.Year == prev.Year + 1 && d.Month == 1 && d.Day == 1 &&
                                   prev.Month == 12 && prev.Day == 31;
            ASSERT_TRUE(next_day || next_month || next_year) << "day " << n;
            EuroDate back = d;
            ASSERT_EQ(euro_date_to_jdn(&back), n);
            prev = d;
        }
    }
}

// Far beyond the continuous sweep: the outermost years, leap days included (5,800,000 is a
// leap year in both calendars, 5,799,999 in neither).
TEST(DayNumbers, ExactAtTheLibraryLimits) {
    for (EuroDate d : {Make(-kMaxEuroYear, 1, 1), Make(-kMaxEuroYear, 2, 29, kJulian),
                       Make(-kMaxEuroYear + 1, 3, 1), Make(kMaxEuroYear - 1, 2, 28, kJulian),
                       Make(kMaxEuroYear, 2, 29), Make(kMaxEuroYear, 12, 31, kJulian)}) {
        EuroDate back{0, 0, 0, d.Calendar, euro_date_to_jdn(&d), 0};
        jdn_to_euro_date(&back);
        EXPECT_EQ(std::tuple(back.Year, back.Month, back.Day), std::tuple(d.Year, d.Month, d.Day));
    }
}

TEST(TimeScales, WildMomentsAndGroupedNumbers) {
    for (const auto& [moment, day] :
         {std::pair(-0.5, -1), std::pair(1e300, INT32_MAX), std::pair(-1e300, INT32_MIN),
          std::pair<double, int>(NAN, INT32_MIN)})
        EXPECT_EQ(DayNumberOf(moment), day) << moment;
    EuroDate d = Make(-1234567, 3, 1, kJulian);
    EXPECT_EQ(LongDateText(d),
              "The 1st day of March in the year -1,234,567 in the Julian Calendar");
    char out[21];
    for (const char* refused :
         {"12a45", "-", "123456789012345678", static_cast<const char*>(nullptr)}) {
        EXPECT_FALSE(separate_thousands(refused, ',', out, sizeof out));
        EXPECT_STREQ(out, "");
    }
}

// Typed European dates: only existing dates in the chosen calendar, years up to 5,800,000 either
// way, and a status (never a crash) for whatever else is typed.
TEST(ReadEuroDate, StatusesAndFields) {
    constexpr int32_t G = kGregorian, J = kJulian;
    constexpr int kOk = -1, kNo = static_cast<int>(EuroDateError::kMalformed),
                  kFar = static_cast<int>(EuroDateError::kOutOfRange);
    const std::string digits(100000, '9');
    // clang-format off
    const std::tuple<std::string, int32_t, int> cases[] = {
        {"2024-02-29", G, kOk},           {"1900-02-29", G, kNo},
        {"1900-02-29", J, kOk},           {"2023-04-31", G, kNo},
        {"2023-13-01", G, kNo},           {"5800000-12-31", G, kOk},
        {"5800001-01-01", G, kFar},       {"-5800001-01-01", J, kFar},
        {digits + "-1-1", G, kFar},       {"2024-03", G, kNo},
        {"2024--01", G, kNo},             {"-2024-01-01-", G, kNo},
        {"1-1-" + digits, G, kNo},        {"\xe4\xb8\xad-\xe6\x96\x87-1", G, kNo},
        {std::string(100000, '-'), J, kNo}};
    // clang-format on
    for (const auto& [text, calendar, status] : cases) {
        const auto read = ReadEuroDate(text, calendar);
        EXPECT_EQ(read ? kOk : static_cast<int>(read.error()), status) << text.substr(0, 40);
    }
    EuroDate d;
    // Year-month-day is the only order read.
    EXPECT_EQ(str_to_date("2024-01-01", 1, &d, kGregorian), kStrDateInvalid);
    // Leading zeros in the year do not shift the month and day.
    const auto bc = ReadEuroDate("-0044-03-15 JC", kJulian);
    ASSERT_TRUE(bc);
    EXPECT_EQ(std::tuple(bc->Year, bc->Month, bc->Day), std::tuple(-44, 3, 15));
    // Anything other than "J" is the Gregorian calendar.
    EXPECT_EQ(ReadEuroDate("2024-02-29", 'X').value_or(d).Calendar, kGregorian);
}

TEST(ChineseReaders, FormsAndRefusals) {
    ChDate d;
    chl_datestr_to_chldate("79-41-01-01", &d);
    EXPECT_EQ(std::tuple(d.Valid, d.Cycle, d.Position, d.MonthOrTerm, d.Day, d.Leap),
              std::tuple(1, 79, 41, 1, 1, 0));
    // A whole caption as the main window shows it.
    chl_datestr_to_chldate("79-41-7*-12 CHL 20:00 CCT", &d);
    EXPECT_EQ(std::tuple(d.Valid, d.MonthOrTerm, d.Leap, d.Day), std::tuple(1, 7, 1, 12));
    // Unknown position, named by the year's element and animal.
    chl_datestr_to_chldate("-3-?-1-1 Water-Pig CHL", &d);
    EXPECT_EQ(std::tuple(d.Valid, d.Cycle, d.Position), std::tuple(1, -3, 60));
    chs_datestr_to_chsdate("79-41-05-01 CHS (Z1)", &d);
    EXPECT_EQ(std::tuple(d.Valid, d.MonthOrTerm), std::tuple(1, 5));
    chs_datestr_to_chsdate("79-41-05*-01", &d);  // no leap terms
    EXPECT_EQ(d.Valid, 0);
    const std::string huge(5000, '7');
    for (std::string text : std::initializer_list<std::string>{
             "", "79-41-01", "79-41-01-01x", "79-?-01-01 wood-cat", "----", huge + "-1-1-1"}) {
        ChDate lunar, solar;
        chl_datestr_to_chldate(text, &lunar);
        chs_datestr_to_chsdate(text, &solar);
        EXPECT_EQ(lunar.Valid + solar.Valid, 0) << text.substr(0, 40);
    }
}

}  // namespace
}  // namespace vemla
