// The European-calendar arithmetic and the typed-date readers.
#include "engine/datelib.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <tuple>

namespace vemla {
namespace {

EuroDate Make(int32_t y, int32_t m, int32_t d, int32_t calendar = kGregorian) {
    EuroDate date;
    date.Year = y;
    date.Month = m;
    date.Day = d;
    date.Calendar = calendar;
    return date;
}

// 2000-01-01 CE, 13 days behind in the Julian calendar; the day after the Gregorian reform;
// day 0 of the Julian period; the ends of the admissible range.
TEST(DayNumbers, KnownDays) {
    const std::tuple<EuroDate, int32_t> cases[] = {
        {Make(2000, 1, 1), 2451545},          {Make(1999, 12, 19, kJulian), 2451545},
        {Make(1582, 10, 4, kJulian), 2299160}, {Make(1582, 10, 15), 2299161},
        {Make(-4712, 1, 1, kJulian), 0},       {Make(-3000, 1, 1), 625333},
        {Make(3000, 1, 1), 2816788}};
    for (auto [date, jdn] : cases) {
        EXPECT_EQ(euro_date_to_jdn(&date), jdn) << date.Year;
        EXPECT_EQ(date.JDN, jdn);
    }
}

TEST(DayNumbers, RoundTripAndContinuityOverWholeRange) {
    // Consecutive days must advance one day at a time through every month end
    // and leap day, in both calendars, over the whole range.
    for (int32_t calendar : {kGregorian, kJulian}) {
        EuroDate prev;
        prev.Calendar = calendar;
        prev.JDN = 0;
        jdn_to_euro_date(&prev);
        for (int32_t n = 1; n < 3200000; ++n) {
            EuroDate d;
            d.Calendar = calendar;
            d.JDN = n;
            jdn_to_euro_date(&d);
            bool next_day = d.Year == prev.Year && d.Month == prev.Month && d.Day == prev.Day + 1;
            bool next_month = d.Year == prev.Year && d.Month == prev.Month + 1 && d.Day == 1;
            bool next_year = d.Year == prev.Year + 1 && d.Month == 1 && d.Day == 1 && prev.Month == 12 &&
                             prev.Day == 31;
            ASSERT_TRUE(next_day || next_month || next_year) << "day " << n;
            EuroDate back = d;
            ASSERT_EQ(euro_date_to_jdn(&back), n);
            prev = d;
        }
    }
}

TEST(DayNumbers, ExactAtTheLibraryLimits) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> year(-kMaxEuroYear, kMaxEuroYear);
    for (int i = 0; i < 20000; ++i) {
        for (int32_t calendar : {kGregorian, kJulian}) {
            EuroDate d = Make(year(rng), 1 + i % 12, 1 + i % 28, calendar);
            EuroDate back;
            back.Calendar = calendar;
            back.JDN = euro_date_to_jdn(&d);
            jdn_to_euro_date(&back);
            ASSERT_EQ(std::tuple(back.Year, back.Month, back.Day), std::tuple(d.Year, d.Month, d.Day));
        }
    }
}

TEST(DayNumbers, Weekdays) {
    EXPECT_EQ(euro_day_of_week(2451545), 6);  // 2000-01-01 was a Saturday
    EXPECT_EQ(euro_day_of_week(-1), 0);
    for (int32_t n : {INT32_MIN, INT32_MAX}) {
        EXPECT_GE(euro_day_of_week(n), 0);
        EXPECT_LE(euro_day_of_week(n), 6);
    }
}

TEST(StrToDate, AcceptsExistingDatesOnly) {
    EuroDate d;
    EXPECT_EQ(str_to_date("2024-02-29", 2, &d, kGregorian), kStrDateOk);
    EXPECT_EQ(std::tuple(d.Year, d.Month, d.Day), std::tuple(2024, 2, 29));
    EXPECT_EQ(str_to_date("1900-02-29", 2, &d, kGregorian), kStrDateInvalid);
    EXPECT_EQ(str_to_date("1900-02-29", 2, &d, kJulian), kStrDateOk);
    for (const char* text : {"2023-04-31", "2023-13-01", "2023-00-01", "2023-01-00"})
        EXPECT_EQ(str_to_date(text, 2, &d, kGregorian), kStrDateInvalid) << text;
    EXPECT_EQ(str_to_date("5800000-12-31", 2, &d, kGregorian), kStrDateOk);
    EXPECT_EQ(str_to_date("5800001-01-01", 2, &d, kGregorian), kStrDateOutOfRange);
    EXPECT_EQ(str_to_date("-5800001-01-01", 2, &d, kGregorian), kStrDateOutOfRange);
}

TEST(StrToDate, HostileTextGivesAStatus) {
    EuroDate d;
    const std::string long_digits(100000, '9');
    for (std::string text : std::initializer_list<std::string>{
             "", "-", "--", "---", "2024", "2024-01", "2024--01", "-2024-01-01-",
             "99999999999999999999-1-1", "1-99999999999999999999-1", "\xff\xfe-\x80-1",
             long_digits, long_digits + "-1-1", "1-1-" + long_digits}) {
        int32_t r = str_to_date(text, 2, &d, kGregorian);
        EXPECT_TRUE(r == kStrDateInvalid || r == kStrDateOutOfRange) << text.substr(0, 40);
    }
    EXPECT_EQ(str_to_date(long_digits + "-1-1", 2, &d, kGregorian), kStrDateOutOfRange);
    EXPECT_EQ(str_to_date("2024-01-01", 1, &d, kGregorian), kStrDateInvalid);
}

TEST(SeparateThousands, GroupsAndRefusesWhatDoesNotFit) {
    char out[21];
    ASSERT_TRUE(separate_thousands("-5800000", ',', out, sizeof out));
    EXPECT_STREQ(out, "-5,800,000");
    EXPECT_FALSE(separate_thousands("12a45", ',', out, sizeof out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(separate_thousands("-", ',', out, sizeof out));
    EXPECT_FALSE(separate_thousands("123456789012345678", ',', out, sizeof out));
    EXPECT_FALSE(separate_thousands(nullptr, ',', out, sizeof out));
}

TEST(ChineseReaders, LunarForms) {
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
}

TEST(ChineseReaders, SolarFormsAndRefusals) {
    ChDate d;
    chs_datestr_to_chsdate("79-41-05-01 CHS (Z1)", &d);
    EXPECT_EQ(d.Valid, 1);
    EXPECT_EQ(d.MonthOrTerm, 5);
    chs_datestr_to_chsdate("79-41-05*-01", &d);  // no leap terms
    EXPECT_EQ(d.Valid, 0);
    const std::string huge(5000, '7');
    for (std::string text : std::initializer_list<std::string>{
             "", "79", "79-41-01", "79-41-01-01x", "79-?-01-01", "79-?-01-01 wood-cat",
             "79-?-01-01 wood", "----", "9999999999-1-1-1", huge, huge + "-1-1-1", "\x80\x81-\x82-1-1"}) {
        ChDate lunar, solar;
        chl_datestr_to_chldate(text, &lunar);
        chs_datestr_to_chsdate(text, &solar);
        EXPECT_EQ(lunar.Valid, 0) << text.substr(0, 40);
        EXPECT_EQ(solar.Valid, 0) << text.substr(0, 40);
    }
}

}  // namespace
}  // namespace vemla
