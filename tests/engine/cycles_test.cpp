// The sexagenary cycles, their names and the numbering of years, and the short and long texts
// of Chinese dates built from them.
#include "engine/cycles.h"

#include <gtest/gtest.h>

#include <set>

#include "chinese_date_maker.h"
#include "engine/chinese_text.h"

namespace vemla {
namespace {

constexpr auto Lunar = test::MakeChDate;

TEST(Cycles, PositionsAndTheirNames) {
    EXPECT_EQ(ElementAnimalText(1), "wood-rat");
    EXPECT_EQ(StemBranchText(60), "gui-hai");
    EXPECT_EQ(PositionOf(4, 11), 60);
    std::set<int> seen;
    for (int p = 1; p <= 60; ++p) {
        EXPECT_EQ(PositionOf(ElementOf(p), AnimalOf(p)), p);
        EXPECT_EQ(PositionOfElementAnimalText(ElementAnimalText(p)), p);
        EXPECT_EQ(StemOf(p) - 1, (p - 1) % 10);
        seen.insert(PositionOf(p % 5, p % 12));
    }
    EXPECT_EQ(seen.size(), 60u);  // every element-animal pair names one position
    EXPECT_EQ(PositionOfElementAnimalText("wood"), 0);
    EXPECT_EQ(PositionOfElementAnimalText("-rat"), 0);
    EXPECT_EQ(PositionOfElementAnimalText("WOOD-RAT"), 1);
}

TEST(Cycles, YearsUnderBothEpochs) {
    EXPECT_EQ(YearPosition(2024), 41);
    EXPECT_EQ(CycleOf(2024, kEpochHuangdi), 79);
    EXPECT_EQ(CycleOf(2024, kEpochAlternative), 78);
    EXPECT_EQ(CycleOf(-2697, kEpochHuangdi), 0);
    EXPECT_EQ(CycleOf(-2756, kEpochHuangdi), 0);
    EXPECT_EQ(CycleOf(-2757, kEpochHuangdi), -1);
    EXPECT_EQ(YearPosition(-2696), 1);
    EXPECT_EQ(YearPosition(-100000), YearPosition(-100000 + 60 * 1000));
    EXPECT_EQ(LinearYearCount(79, 20), 4701);  // 2003 CE
    for (int64_t year : {-5000, -2757, -2696, -1, 0, 1, 2024, 8600}) {
        for (int epoch : {kEpochHuangdi, kEpochAlternative})
            EXPECT_EQ(YearOf(CycleOf(year, epoch), YearPosition(year), epoch), year);
    }
}

TEST(Cycles, DaysMonthsAndMeridians) {
    EXPECT_EQ(DayPosition(2451545), 55);  // 2000-01-01
    EXPECT_EQ(DayElementAnimalText(2451545), "earth-horse");
    EXPECT_EQ(DayStemBranchText(2451545), "wu-wu");
    EXPECT_EQ(DayPosition(2451545 + 6), 1);
    EXPECT_EQ(DayPosition(-1), DayPosition(59));
    for (int year = 1; year <= 60; ++year) {
        EXPECT_EQ(MonthElementAnimal(year, 1).second, 2);  // month 1 is a tiger month
        // Months run on through the cycle of sixty from one year to the next.
        EXPECT_EQ(MonthPosition(year % 60 + 1, 1), MonthPosition(year, 12) % 60 + 1) << year;
    }
    EXPECT_EQ(TimeZoneAbbreviation(120), "CCT");
    EXPECT_EQ(TimeZoneAbbreviation(145), "L45");
    EXPECT_EQ(TimeZoneAbbreviation(116), "BEI");
    EXPECT_EQ(TimeZoneAbbreviation(99), "");
}

TEST(ChineseText, ShortForms) {
    ChDate chs = Lunar(79, 41, 5, 0, 1);
    EXPECT_EQ(ChSShortText(chs, true), "79-41-05-01 CHS (Z1)");  // a term's code on its first day
    EXPECT_EQ(ChSShortText(chs, false), "79-41-05-01 CHS");
    chs.Day = 2;
    EXPECT_EQ(ChSShortText(chs, true), "79-41-05-02 CHS");
    EXPECT_EQ(ChLShortText(Lunar(79, 31, 9, 1, 12)), "79-31-9*-12 CHL");
    EXPECT_EQ(ChLShortText(Lunar(-3, 5, 10, 0, 3)), "-3-05-10-03 CHL");
}

TEST(ChineseText, LunarSentences) {
    CalendarEngine engine;
    ChDate chl = Lunar(79, 41, 1, 0, 1);  // 2024-02-10, the lunar new year
    EXPECT_EQ(ChLLongText(engine, chl, true, true, true),
              "The 1st day (wood-dragon jia-chen) of month 1 (fire-tiger bing-yin ) \r\nin the "
              "wood-dragon jia-chen year (nian) at position 41 of cycle 79 (year 4722).");
    EXPECT_EQ(chl.JDN, 2460351);
    EXPECT_EQ(ChLStemBranchText(engine, chl),
              "(jia-chen) day 1, (bing-yin) month 1, (jia-chen) year 41 of cycle 79");
    // A leap month takes the names of the month whose number it bears (yi-mao, wood-rabbit).
    ChDate leap = Lunar(79, 40, 2, 1, 12);
    EXPECT_EQ(ChLLongText(engine, leap, false, true, false),
              "The 12th day of leap month 2 (wood-rabbit) \r\nin the water-rabbit year (nian) at "
              "position 40 of cycle 79 (year 4721).");
    EXPECT_NE(ChLStemBranchText(engine, leap).find("(yi-mao) month 2*, "), std::string::npos);
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

}  // namespace
}  // namespace vemla
