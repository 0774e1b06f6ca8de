// The calendar's names in Chinese characters: the tables against the Unicode
// Han Database's readings and definitions, and whole dates against almanac
// facts.
#include "engine/hanzi_names.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "engine/cycles.h"
#include "engine/datelib.h"
#include "tsv.h"

namespace vemla {
namespace {

struct Reading {
    std::string pinyin;  // without tone marks
    std::string definition;
};

// Unihan writes the tones as marks on the vowels; the program's pinyin has none.
std::string WithoutTones(std::string text) {
    static const std::map<std::string, std::string> kPlain = {
        {"ā", "a"}, {"á", "a"}, {"ǎ", "a"}, {"à", "a"}, {"ē", "e"}, {"é", "e"}, {"ě", "e"},
        {"è", "e"}, {"ī", "i"}, {"í", "i"}, {"ǐ", "i"}, {"ì", "i"}, {"ō", "o"}, {"ó", "o"},
        {"ǒ", "o"}, {"ò", "o"}, {"ū", "u"}, {"ú", "u"}, {"ǔ", "u"}, {"ù", "u"}};
    for (const auto& [marked, plain] : kPlain)
        for (size_t at; (at = text.find(marked)) != std::string::npos;)
            text.replace(at, marked.size(), plain);
    return text;
}

const std::map<std::string, Reading>& Readings() {
    static const std::map<std::string, Reading> readings = [] {
        std::map<std::string, Reading> out;
        const test::TsvTable table = test::ReadTsv("hanzi-readings.tsv");
        for (const auto& row : table.rows)
            out[row[table.column("character")]] = {WithoutTones(row[table.column("kMandarin")]),
                                                   row[table.column("kDefinition")]};
        return out;
    }();
    return readings;
}

// "立春" -> "li chun": the readings of the characters, one word each.
std::string PinyinOf(std::string_view hanzi) {
    std::string out;
    for (size_t at = 0; at < hanzi.size(); at += 3) {  // CJK ideographs take three bytes
        auto found = Readings().find(std::string(hanzi.substr(at, 3)));
        if (found == Readings().end()) return "(no reading for " + std::string(hanzi) + ")";
        out += (out.empty() ? "" : " ") + found->second.pinyin;
    }
    return out;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

TEST(HanziNames, ReadAsThePinyinNamesInTheSameOrder) {
    ASSERT_EQ(kStemHanzi.size(), kStemNames.size());
    ASSERT_EQ(kBranchHanzi.size(), kBranchNames.size());
    ASSERT_EQ(kSolarTermHanzi.size(), kSolarTermPinyinNames.size());
    ASSERT_EQ(kAnimalHanzi.size(), kAnimalNames.size());
    for (size_t i = 0; i < kStemHanzi.size(); ++i)
        EXPECT_EQ(PinyinOf(kStemHanzi[i]), kStemNames[i]) << "stem " << i + 1;
    for (size_t i = 0; i < kBranchHanzi.size(); ++i)
        EXPECT_EQ(PinyinOf(kBranchHanzi[i]), kBranchNames[i]) << "branch " << i + 1;
    for (size_t i = 0; i < kSolarTermHanzi.size(); ++i)
        EXPECT_EQ(PinyinOf(kSolarTermHanzi[i]), Lower(kSolarTermPinyinNames[i]))
            << "term " << i + 1;
    // Unihan defines 鸡 as "chicken", of which the rooster is the male.
    for (size_t i = 0; i < kAnimalHanzi.size(); ++i) {
        const std::string animal =
            kAnimalNames[i] == "rooster" ? "chicken" : std::string(kAnimalNames[i]);
        EXPECT_NE(Readings().at(std::string(kAnimalHanzi[i])).definition.find(animal),
                  std::string::npos)
            << kAnimalNames[i];
    }
}

TEST(HanziNames, DaysMonthsAndNumbers) {
    struct Case {
        int n;
        const char *day, *number;
    };
    for (const Case& c :
         {Case{1, "初一", "一"}, Case{10, "初十", "十"}, Case{11, "十一", "十一"},
          Case{16, "十六", "十六"}, Case{20, "二十", "二十"}, Case{21, "廿一", "二十一"},
          Case{29, "廿九", "二十九"}, Case{30, "三十", "三十"}}) {
        EXPECT_EQ(DayHanzi(c.n), c.day);
        EXPECT_EQ(NumberHanzi(c.n), c.number);
    }
    EXPECT_EQ(MonthHanzi(1, false), "正月");
    EXPECT_EQ(MonthHanzi(10, false), "十月");
    EXPECT_EQ(MonthHanzi(11, false), "冬月");
    EXPECT_EQ(MonthHanzi(12, false), "腊月");
    EXPECT_EQ(MonthHanzi(1, true), "闰正月");
    EXPECT_EQ(MonthHanzi(4, true), "闰四月");
    // Nothing outside the ranges, rather than a neighbour's name.
    EXPECT_EQ(DayHanzi(0) + DayHanzi(31) + MonthHanzi(13, false) + SolarTermHanzi(25) +
                  StemBranchHanzi(61) + AnimalHanzi(0) + NumberHanzi(100),
              "");
}

// The Chinese dates of a CE day at the default meridian (120 degrees East).
HanziDate HanziOfDay(int year, int month, int day) {
    EuroDate ce{year, month, day, kGregorian, 0, 0};
    const int32_t jdn = euro_date_to_jdn(&ce);
    CalendarEngine engine;
    ChDate chs{}, chl{};
    EXPECT_TRUE(engine.CJDateToChDates(jdn, chs, chl));
    return HanziDateOf(chs, chl, jdn);
}

TEST(HanziNames, DatesAsTheAlmanacsPrintThem) {
    // The lunar new year of 2024, a jia-chen day in the first month of the
    // jia-chen year; Li chun had fallen on 2024-02-04.
    const HanziDate new_year = HanziOfDay(2024, 2, 10);
    EXPECT_EQ(new_year.chl, "甲辰年正月初一 丙寅月 甲辰日 龙年");
    EXPECT_EQ(new_year.chs, "甲辰岁立春第七日");
    EXPECT_EQ(new_year.year + new_year.month + new_year.day + new_year.term + new_year.animal,
              "甲辰年正月初一立春龙");
    EXPECT_EQ(HanziOfDay(2024, 2, 4).chs, "甲辰岁立春第一日");
    EXPECT_EQ(HanziOfDay(2024, 2, 3).term, "大寒");
    // The sui begins at the winter solstice, the nian only at the new year.
    const HanziDate solstice = HanziOfDay(2023, 12, 22);
    EXPECT_EQ(solstice.chs, "甲辰岁冬至第一日");
    EXPECT_EQ(solstice.year, "癸卯年");

    EXPECT_EQ(HanziOfDay(2023, 3, 22).chl.substr(0, 24), "癸卯年闰二月初一");
    // The leap month of 2033, which the older rule-of-thumb tables put elsewhere.
    EXPECT_EQ(HanziOfDay(2033, 12, 22).month, "闰十一月");
}

}  // namespace
}  // namespace vemla

namespace vemla {
namespace {

TEST(HanziNames, LunarDatesReadBackFromCharacters) {
    std::mt19937 random(15);
    std::uniform_int_distribution<int32_t> days(625334, 2816787);  // -3000 to 3000 CE
    CalendarEngine engine;
    for (int i = 0; i < 1000; ++i) {
        const int32_t day = days(random);
        ChDate chs{}, chl{};
        ASSERT_TRUE(engine.CJDateToChDates(day, chs, chl));
        const std::string text = HanziDateOf(chs, chl, day).chl;
        ChDate read{};
        read.Cycle = chl.Cycle;  // not written in characters
        ASSERT_TRUE(ReadHanziChLDate(text, read)) << text;
        ASSERT_EQ(engine.ChLDateToJDN(read), kChLExists) << text;
        ASSERT_EQ(read.JDN, day) << text;
    }
    ChDate untouched{};
    for (const char* text : {"甲丑年正月初一", "甲辰年十三月初一", "甲辰年正月卅一", "甲辰正月初一",
                             "甲辰年正月初一日", "甲辰年闰冬月初一", ""})
        EXPECT_FALSE(ReadHanziChLDate(text, untouched)) << text;
    EXPECT_EQ(untouched.Position, 0);
}

}  // namespace
}  // namespace vemla
