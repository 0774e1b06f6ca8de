// The names in Chinese characters against the Unicode Han Database, and
// whole dates against almanac facts.
#include "engine/hanzi_names.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/datelib.h"
#include "tsv.h"

namespace vemla {
namespace {

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
    ASSERT_EQ(
        kStemHanzi.size() + kBranchHanzi.size() + kSolarTermHanzi.size() + kAnimalHanzi.size(),
        kStemNames.size() + kBranchNames.size() + kSolarTermPinyinNames.size() +
            kAnimalNames.size());
    for (size_t i = 0; i < kStemHanzi.size(); ++i) EXPECT_EQ(Unihan(kStemHanzi[i]), kStemNames[i]);
    for (size_t i = 0; i < kBranchHanzi.size(); ++i)
        EXPECT_EQ(Unihan(kBranchHanzi[i]), kBranchNames[i]);
    for (size_t i = 0; i < kSolarTermHanzi.size(); ++i) {
        std::string pinyin(kSolarTermPinyinNames[i]);
        pinyin[0] = static_cast<char>(std::tolower(pinyin[0]));
        EXPECT_EQ(Unihan(kSolarTermHanzi[i]), pinyin);
    }
    for (size_t i = 0; i < kAnimalHanzi.size();
         ++i)  // Unihan: 鸡 "chicken", whose male is the rooster
        EXPECT_NE(Unihan(kAnimalHanzi[i], "kDefinition").find(i == 9 ? "chicken" : kAnimalNames[i]),
                  std::string::npos);
}

HanziDate OfDay(int year, int month, int day) {
    EuroDate ce{year, month, day, kGregorian, 0, 0};
    const int32_t jdn = euro_date_to_jdn(&ce);
    CalendarEngine engine;  // 120 degrees East
    ChDate chs{}, chl{};
    EXPECT_TRUE(engine.CJDateToChDates(jdn, chs, chl));
    return HanziDateOf(chs, chl, jdn);
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
        ChDate chs{}, chl{}, read{};
        ASSERT_TRUE(engine.CJDateToChDates(day, chs, chl));
        const std::string text = HanziDateOf(chs, chl, day).chl;
        read.Cycle = chl.Cycle;  // not written in characters
        ASSERT_TRUE(ReadHanziChLDate(text, read) && engine.ChLDateToJDN(read) == kChLExists)
            << text;
        ASSERT_EQ(read.JDN, day) << text;
    }
    ChDate untouched{};
    for (const char* text : {"甲丑年正月初一", "甲辰年十三月初一", "甲辰年正月卅一", "甲辰正月初一",
                             "甲辰年正月初一日", ""})
        EXPECT_FALSE(ReadHanziChLDate(text, untouched)) << text;
    EXPECT_EQ(untouched.Position, 0);
}

}  // namespace
}  // namespace vemla
