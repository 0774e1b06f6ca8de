// The calendar's names in Chinese characters (simplified forms, as the
// mainland almanacs print them): the heavenly stems and earthly branches, the
// zodiac animals, the 24 solar terms, the lunar months and the days of a
// lunar month. Each table runs in the order of its pinyin or English
// counterpart in cycles.h, so one index serves both.
//
// Month 11 and 12 carry their popular names, 冬月 ("winter month") and 腊月
// (the month of the year-end sacrifice); a leap month is written 闰 before
// the number it shares with the month before it, as the official tables write
// it (闰十一月), except that a leap first month keeps the name 正月.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/chinese_dates.h"
#include "engine/result.h"

namespace vemla {

// Stems 1..10 and branches 1..12 at index number - 1.
inline constexpr std::array<std::string_view, 10> kStemHanzi = {"甲", "乙", "丙", "丁", "戊",
                                                                "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> kBranchHanzi = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
// Animal index 0..11, the order of kAnimalNames.
inline constexpr std::array<std::string_view, 12> kAnimalHanzi = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
// Solar terms 1..24 at index term - 1, from the December solstice.
inline constexpr std::array<std::string_view, 24> kSolarTermHanzi = {
    "冬至", "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种",
    "夏至", "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"};
// Lunar months 1..12 at index month - 1, and the same months when leap.
inline constexpr std::array<std::string_view, 12> kMonthHanzi = {
    "正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"};
inline constexpr std::array<std::string_view, 12> kLeapMonthHanzi = {
    "闰正月", "闰二月", "闰三月", "闰四月", "闰五月",   "闰六月",
    "闰七月", "闰八月", "闰九月", "闰十月", "闰十一月", "闰十二月"};
// Days 1..30 of a lunar month at index day - 1.
inline constexpr std::array<std::string_view, 30> kDayHanzi = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
// The digits one to ten, for the days of a solar term.
inline constexpr std::array<std::string_view, 10> kNumeralHanzi = {"一", "二", "三", "四", "五",
                                                                   "六", "七", "八", "九", "十"};

inline constexpr std::string_view kNianHanzi = "年";  // the lunar year, from a new moon
inline constexpr std::string_view kSuiHanzi = "岁";   // the solar year, from a winter solstice
inline constexpr std::string_view kMonthSuffixHanzi = "月";
inline constexpr std::string_view kDaySuffixHanzi = "日";
inline constexpr std::string_view kOrdinalHanzi = "第";

// Every name of a position, month, day or term is empty outside its range.
std::string StemBranchHanzi(int position);     // "甲子"
std::string AnimalHanzi(int position);         // the animal of a position, "龙"
std::string MonthHanzi(int month, bool leap);  // "正月", "闰二月"
std::string DayHanzi(int day);                 // "初一" .. "三十"
std::string SolarTermHanzi(int term);          // "冬至" .. "大雪"
std::string NumberHanzi(int n);                // 1..99: "七", "十六", "二十三"

// The Chinese dates of one day written in characters.
struct HanziDate {
    std::string chl;     // "甲辰年正月初一 丙寅月 甲子日 龙年"
    std::string chs;     // "甲辰岁立春第七日"
    std::string year;    // the nian by stem and branch, "甲辰年"
    std::string month;   // "正月"
    std::string day;     // "初一"
    std::string term;    // the solar term the day lies in, "立春"
    std::string animal;  // the animal of the nian, "龙"
};

// The character forms of the CHS and CHL dates of the day `day_number` (in
// the prime meridian's time), as CalendarEngine::CJDateToChDates gives them.
HanziDate HanziDateOf(const ChDate& chs, const ChDate& chl, int64_t day_number);

// Reads a lunar date in characters, "甲辰年正月初一" (the beginning of
// HanziDate::chl; a blank and anything after it are passed over): its
// Position, MonthOrTerm, Leap and Day. The characters do not say the cycle:
// the caller gives it.
Result<ChDate, ChDateTextError> ReadHanziChLDate(std::string_view text, int32_t cycle);

}  // namespace vemla
