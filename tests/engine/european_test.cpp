// Time scales, the texts of European dates and the reading of typed dates.
#include "engine/european.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <tuple>
#include <utility>

namespace vemla {
namespace {

TEST(TimeScales, Relations) {
    EXPECT_DOUBLE_EQ(AJDToCJDL(2451544.5), 2451545.0);
    EXPECT_EQ(DayNumberOf(AJDToCJDL(2451544.5)), 2451545);
    EXPECT_DOUBLE_EQ(AJDToCJDC(0.0, 120), 0.5 + 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(CJDCToAJD(AJDToCJDC(2451545.25, 105), 105), 2451545.25);
    EXPECT_DOUBLE_EQ(CJDXToCJDL(CJDLToCJDX(2451545.0, 480), 480), 2451545.0);
}

TEST(TimeScales, DayNumbersOfWildMomentsAreClamped) {
    for (const auto& [moment, day] : {std::pair(-0.5, -1), std::pair(1e300, INT32_MAX),
                                      std::pair(-1e300, INT32_MIN), std::pair<double, int>(NAN, INT32_MIN)})
        EXPECT_EQ(DayNumberOf(moment), day) << moment;
}

TEST(EuropeanServices, CEAndJCDatesOfOneDay) {
    EuroDate ce, jc;
    CEAndJCDates(2451545.75, ce, jc);
    EXPECT_EQ(std::tuple(ce.JDN, ce.Year, ce.Month, ce.Day), std::tuple(2451545, 2000, 1, 1));
    EXPECT_EQ(std::tuple(jc.Year, jc.Month, jc.Day), std::tuple(1999, 12, 19));
    EXPECT_EQ(DayOfWeekName(DayOfWeek(2451545)), "Saturday");
    EXPECT_EQ(DayOfWeekName(7), "");
    EXPECT_EQ(DayOfWeekName(-1), "");
}

TEST(DateTexts, ShortAndLong) {
    EuroDate d;
    std::tie(d.Year, d.Month, d.Day) = std::tuple(12345, 1, 1);
    EXPECT_EQ(DateText(d, 2, "-", ","), "12,345-01-01");
    d.Year = -12345;
    EXPECT_EQ(DateText(d, 2, "-", ","), "-12,345-01-01");
    std::tie(d.Year, d.Month, d.Day) = std::tuple(2024, 3, 12);
    EXPECT_EQ(LongDateText(d), "The 12th day of March in the year 2024 in the Common Era Calendar");
    std::tie(d.Calendar, d.Day, d.Year) = std::tuple(kJulian, 1, -1234567);
    EXPECT_EQ(LongDateText(d), "The 1st day of March in the year -1,234,567 in the Julian Calendar");
    EXPECT_EQ(GroupThousands("1234567", "."), "1.234.567");
}

TEST(ReadEuroDate, StatusesAndFields) {
    EuroDate d;
    d.Calendar = kGregorian;
    EXPECT_EQ(ReadEuroDate("2024-03-12 CE", d), kEuroDateValid);
    EXPECT_EQ(std::tuple(d.Valid, d.JDN, d.Month, d.Day), std::tuple(1, 2460382, 3, 12));
    // Leading zeros in the year do not shift the month and day.
    EXPECT_EQ(ReadEuroDate("-0044-03-15 JC", d), kEuroDateValid);
    EXPECT_EQ(std::tuple(d.Year, d.Month, d.Day), std::tuple(-44, 3, 15));
    // Anything other than "J" is the Gregorian calendar.
    d.Calendar = 'X';
    EXPECT_EQ(ReadEuroDate("1900-02-29", d), kEuroDateInvalid);
    EXPECT_EQ(std::tuple(d.Calendar, d.Valid), std::tuple(kGregorian, 0));
    d.Calendar = kJulian;
    EXPECT_EQ(ReadEuroDate("1900-02-29", d), kEuroDateValid);
    // A year and a month only is not a date.
    EXPECT_EQ(ReadEuroDate("2024-03", d), kEuroDateInvalid);
}

TEST(ReadEuroDate, YearMagnitudeIsCheckedOnTheTextRead) {
    EuroDate d;
    d.Year = 99999999;  // whatever the record held before must not matter
    EXPECT_EQ(ReadEuroDate("2024-01-01", d), kEuroDateValid);
    EXPECT_EQ(ReadEuroDate("5800001-01-01", d), kEuroDateOutOfRange);
    EXPECT_EQ(d.Valid, 0);
    EXPECT_EQ(ReadEuroDate("-99999999999999999999999-01-01", d), kEuroDateOutOfRange);
    EXPECT_EQ(ReadEuroDate("", d), kEuroDateInvalid);
    EXPECT_EQ(ReadEuroDate(std::string(100000, '-'), d), kEuroDateInvalid);
    EXPECT_EQ(ReadEuroDate("\xe4\xb8\xad-\xe6\x96\x87-1", d), kEuroDateInvalid);
}

}  // namespace
}  // namespace vemla
