// The short and long texts of Chinese dates.
#include "engine/chinese_text.h"

#include <gtest/gtest.h>

#include "chinese_date_maker.h"

namespace vemla {
namespace {

using test::MakeChDate;
constexpr auto Lunar = MakeChDate;

TEST(ChineseText, ShortForms) {
    ChDate chs = Lunar(79, 41, 5, 0, 1);
    EXPECT_EQ(ChSShortText(chs, true), "79-41-05-01 CHS (Z1)");
    EXPECT_EQ(ChSShortText(chs, false), "79-41-05-01 CHS");
    chs.Day = 2;
    EXPECT_EQ(ChSShortText(chs, true), "79-41-05-02 CHS");
    EXPECT_EQ(ChSShortText(Lunar(2, 1, 1, 0, 1), false), "2-01-01-01 CHS");
    EXPECT_EQ(ChLShortText(Lunar(79, 31, 9, 1, 12)), "79-31-9*-12 CHL");
    EXPECT_EQ(ChLShortText(Lunar(-3, 5, 10, 0, 3)), "-3-05-10-03 CHL");
}

TEST(ChineseText, LunarSentences) {
    CalendarEngine engine;
    ChDate chl = Lunar(79, 41, 1, 0, 1);  // 2024-02-10, the lunar new year
    EXPECT_EQ(ChLLongText(engine, chl, false, false, false),
              "The 1st day of month 1 \r\nin the wood-dragon year (nian) at position 41 of cycle 79 "
              "(year 4722).");
    EXPECT_EQ(ChLLongText(engine, chl, true, true, true),
              "The 1st day (wood-dragon jia-chen) of month 1 (fire-tiger bing-yin ) \r\nin the "
              "wood-dragon jia-chen year (nian) at position 41 of cycle 79 (year 4722).");
    EXPECT_EQ(chl.JDN, 2460351);
    ChDate leap = Lunar(79, 40, 2, 1, 12);  // 2023, leap second month
    EXPECT_EQ(ChLLongText(engine, leap, false, true, false),
              "The 12th day of leap month 2 (wood-rabbit) \r\nin the water-rabbit year (nian) at "
              "position 40 of cycle 79 (year 4721).");
    ChDate y2003 = Lunar(79, 20, 3, 0, 3);
    EXPECT_NE(ChLLongText(engine, y2003, false, false, false).find("(year 4701)."), std::string::npos);
}

TEST(ChineseText, SolarSentence) {
    CalendarEngine engine;
    ChDate chs = Lunar(79, 41, 4, 0, 7);  // 2024-02-10: seventh day of the Beginning of spring
    EXPECT_EQ(ChSLongText(engine, chs, true, true),
              "The 7th day (wood-dragon, jia-chen) of solar term 4 (J1) in the year (sui) at "
              "position 41 of cycle 79.");
    EXPECT_EQ(chs.JDN, 2460351);
    EXPECT_EQ(ChSLongText(engine, chs, false, false),
              "The 7th day of solar term 4 (J1) in the year (sui) at position 41 of cycle 79.");
}

TEST(ChineseText, DaysAndMonthsByName) {
    EXPECT_EQ(DayElementAnimalText(2451545), "earth-horse");  // 2000-01-01
    EXPECT_EQ(DayStemBranchText(2451545), "wu-wu");
    EXPECT_EQ(MonthElementAnimalText(Lunar(79, 1, 1, 0, 1), false), "fire-tiger");
    EXPECT_EQ(MonthElementAnimalText(Lunar(79, 1, 1, 0, 1), true), "fire-tiger bing-yin ");
    // A leap month takes the names of the month whose number it bears.
    EXPECT_EQ(MonthElementAnimalText(Lunar(79, 40, 2, 1, 1), false),
              MonthElementAnimalText(Lunar(79, 40, 2, 0, 1), false));
}

}  // namespace
}  // namespace vemla
