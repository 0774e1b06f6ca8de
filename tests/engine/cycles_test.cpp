// The sexagenary cycles, their names and the numbering of years, and the texts of Chinese dates
// built from them, in letters and in Chinese characters.
#include "engine/cycles.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "chinese_date_maker.h"
#include "engine/chinese_text.h"
#include "engine/hanzi_names.h"
#include "tsv.h"

namespace vemla {
namespace {

constexpr auto Lunar = test::MakeChDate;

TEST(Cycles, PositionsAndTheirNames) {
    EXPECT_EQ(StemBranchText(60), "gui-hai");
    std::set<int> seen;
    for (int p = 1; p <= 60; ++p) {
        EXPECT_EQ(PositionOf(ElementOf(p), AnimalOf(p)), p);
        EXPECT_EQ(PositionOfElementAnimalText(ElementAnimalText(p)).value_or(0), p);
        EXPECT_EQ(StemOf(p) - 1, (p - 1) % 10);
        seen.insert(PositionOf(p % 5, p % 12));
    }
    EXPECT_EQ(seen.size(), 60u);  // every element-animal pair names one position
    EXPECT_FALSE(PositionOfElementAnimalText("wood"));
    EXPECT_EQ(PositionOfElementAnimalText("WOOD-RAT").value_or(0), 1);
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

TEST(Cycles, DaysAndMonths) {
    EXPECT_EQ(DayStemBranchText(2451545), "wu-wu");  // 2000-01-01
    EXPECT_EQ(DayPosition(-1), DayPosition(59));
    for (int year = 1; year <= 60; ++year) {
        EXPECT_EQ(MonthElementAnimal(year, 1).second, 2);  // month 1 is a tiger month
        // Months run on through the cycle of sixty from one year to the next.
        EXPECT_EQ(MonthPosition(year % 60 + 1, 1), MonthPosition(year, 12) % 60 + 1) << year;
    }
}

TEST(ChineseText, ShortForms) {
    ChDate chs = Lunar(79, 41, 5, 0, 1);
    EXPECT_EQ(ChSShortText(chs, true), "79-41-05-01 CHS (Z1)");  // a term's code on its first day
    chs.Day = 2;
    EXPECT_EQ(ChSShortText(chs, true), "79-41-05-02 CHS");
    EXPECT_EQ(ChLShortText(Lunar(79, 31, 9, 1, 12)), "79-31-9*-12 CHL");
    EXPECT_EQ(ChLShortText(Lunar(-3, 5, 10, 0, 3)), "-3-05-10-03 CHL");
}

TEST(ChineseText, Sentences) {
    CalendarEngine engine;
    ChDate chl = Lunar(79, 41, 1, 0, 1);  // 2024-02-10, the lunar new year
    EXPECT_EQ(ChLLongText(engine, chl, true, true, true),
              "The 1st day (wood-dragon jia-chen) of month 1 (fire-tiger bing-yin ) \r\nin the "
              "wood-dragon jia-chen year (nian) at position 41 of cycle 79 (year 4722).");
    EXPECT_EQ(chl.JDN, 2460351);
    // A leap month takes the names of the month whose number it bears.
    ChDate leap = Lunar(79, 40, 2, 1, 12);
    EXPECT_NE(ChLLongText(engine, leap, false, true, false).find("of leap month 2 (wood-rabbit)"),
              std::string::npos);
    ChDate chs = Lunar(79, 41, 4, 0, 7);  // 2024-02-10: seventh day of the Beginning of spring
    EXPECT_EQ(ChSLongText(engine, chs, true, true),
              "The 7th day (wood-dragon, jia-chen) of solar term 4 (J1) in the year (sui) at "
              "position 41 of cycle 79.");
    EXPECT_EQ(chs.JDN, 2460351);
    EXPECT_TRUE(ChSLongText(engine, chs, false, false).starts_with("The 7th day of solar term 4"));
}

// Unihan's reading ("立春" -> "li chun", tone marks dropped, as the program's
// pinyin has none) or English definition of each character.
std::string Unihan(std::string_view hanzi, const char* column = "kMandarin") {
    static const test::TsvTable table = test::ReadTsv("hanzi-readings.tsv");
    std::string out;
    for (size_t at = 0; at < hanzi.size(); at += 3)  // an ideograph takes three bytes in UTF-8
        for (const auto& row : table.rows)
            if (row[0] == hanzi.substr(at, 3))
                out += (out.empty() ? "" : " ") + row[table.column(column)];
    const std::string_view marked = "āáǎàēéěèīíǐìōóǒòūúǔù";  // two bytes each, four per vowel
    for (size_t m = 0; m < marked.size(); m += 2)
        for (size_t at; (at = out.find(marked.substr(m, 2))) != std::string::npos;)
            out.replace(at, 2, 1, "aeiou"[m / 8]);
    return out;
}

TEST(HanziNames, ReadAsThePinyinAndEnglishNamesInTheSameOrder) {
    for (size_t i = 0; i < kStemHanzi.size(); ++i) EXPECT_EQ(Unihan(kStemHanzi[i]), kStemNames[i]);
    for (size_t i = 0; i < kBranchHanzi.size(); ++i)
        EXPECT_EQ(Unihan(kBranchHanzi[i]), kBranchNames[i]);
    for (size_t i = 0; i < kSolarTermHanzi.size(); ++i) {
        std::string pinyin(kSolarTermPinyinNames[i]);
        pinyin[0] = static_cast<char>(std::tolower(pinyin[0]));
        EXPECT_EQ(Unihan(kSolarTermHanzi[i]), pinyin);
    }
    // Unihan: 鸡 "chicken", whose male is the rooster.
    for (size_t i = 0; i < kAnimalHanzi.size(); ++i)
        EXPECT_NE(Unihan(kAnimalHanzi[i], "kDefinition").find(i == 9 ? "chicken" : kAnimalNames[i]),
                  std::string::npos);
}

HanziDate OfDay(int year, int month, int day) {
    EuroDate ce{year, month, day, kGregorian, 0, 0};
    const int32_t jdn = euro_date_to_jdn(&ce);
    CalendarEngine engine;  // 120 degrees East
    const auto dates = engine.CJDateToChDates(jdn);
    EXPECT_TRUE(dates);
    return HanziDateOf(dates.value_or(ChDates{}).chs, dates.value_or(ChDates{}).chl, jdn);
}

TEST(HanziNames, DatesAsTheAlmanacsPrintThem) {
    EXPECT_EQ(OfDay(2024, 2, 10).chl, "甲辰年正月初一 丙寅月 甲辰日 龙年");  // a jia-chen day
    EXPECT_EQ(OfDay(2024, 2, 10).chs, "甲辰岁立春第七日");
    EXPECT_EQ(OfDay(2024, 2, 4).chs, "甲辰岁立春第一日");
    EXPECT_EQ(OfDay(2024, 2, 4).day + OfDay(2024, 2, 9).month + OfDay(2024, 2, 9).day,
              "廿五腊月三十");
    const HanziDate solstice = OfDay(2023, 12, 22);  // the sui begins here, the nian later
    EXPECT_EQ(solstice.chs + solstice.year + solstice.month + solstice.day,
              "甲辰岁冬至第一日癸卯年冬月初十");
    EXPECT_EQ(OfDay(2023, 3, 22).chl.substr(0, 24), "癸卯年闰二月初一");
    EXPECT_EQ(OfDay(2033, 12, 22).month, "闰十一月");
    EXPECT_EQ(DayHanzi(0) + MonthHanzi(13, true) + SolarTermHanzi(25) + StemBranchHanzi(61) +
                  NumberHanzi(100),
              "");
}

TEST(HanziNames, LunarDatesReadBackFromCharacters) {
    std::mt19937 random(15);
    std::uniform_int_distribution<int32_t> days(625334, 2816787);  // -3000 to 3000 CE
    CalendarEngine engine;
    for (int i = 0; i < 1000; ++i) {
        const int32_t day = days(random);
        const auto dates = engine.CJDateToChDates(day);
        ASSERT_TRUE(dates);
        const std::string text = HanziDateOf(dates->chs, dates->chl, day).chl;
        // The cycle is not written in characters.
        const auto read = ReadHanziChLDate(text, dates->chl.Cycle);
        ASSERT_TRUE(read) << text;
        ASSERT_EQ(engine.ChLDateToJDN(*read).value_or(0), day) << text;
    }
    for (const char* text : {"甲丑年正月初一", "甲辰年十三月初一", "甲辰年正月卅一", "甲辰正月初一",
                             "甲辰年正月初一日", ""})
        EXPECT_FALSE(ReadHanziChLDate(text, 79)) << text;
}

}  // namespace
}  // namespace vemla
