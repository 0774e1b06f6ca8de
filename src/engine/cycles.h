// The sexagenary cycles: positions 1..60 named by element and animal (or by
// heavenly stem and earthly branch), the numbering of years by cycle and
// position under an epoch, the 24 solar terms and the prime-meridian labels.
// Pure arithmetic on small integers over constant tables.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/result.h"

namespace vemla {

// The two epochs: the astronomical year of position 1 of cycle 1.
inline constexpr int kEpochHuangdi = -2696;
inline constexpr int kEpochAlternative = -2636;

inline constexpr std::array<std::string_view, 5> kElementNames = {"wood", "fire", "earth", "metal",
                                                                  "water"};
inline constexpr std::array<std::string_view, 12> kAnimalNames = {
    "rat",   "ox",    "tiger",  "rabbit",  "dragon", "snake",
    "horse", "sheep", "monkey", "rooster", "dog",    "pig"};
// Stems 1..10 and branches 1..12 at index number - 1.
inline constexpr std::array<std::string_view, 10> kStemNames = {
    "jia", "yi", "bing", "ding", "wu", "ji", "geng", "xin", "ren", "gui"};
inline constexpr std::array<std::string_view, 12> kBranchNames = {
    "zi", "chou", "yin", "mao", "chen", "si", "wu", "wei", "shen", "you", "xu", "hai"};

// Solar terms 1..24 at index term - 1, counted from the December solstice.
// Odd terms (codes "Z..") are the principal terms.
inline constexpr std::array<std::string_view, 24> kSolarTermCodes = {
    "Z11", "J12", "Z12", "J1", "Z1", "J2", "Z2", "J3", "Z3", "J4",  "Z4",  "J5",
    "Z5",  "J6",  "Z6",  "J7", "Z7", "J8", "Z8", "J9", "Z9", "J10", "Z10", "J11"};
inline constexpr std::array<std::string_view, 24> kSolarTermPinyinNames = {
    "Dong zhi", "Xiao han",  "Da han",       "Li chun", "Yu shui",  "Jing zhe",
    "Chun fen", "Qing ming", "Gu yu",        "Li xia",  "Xiao man", "Mang zhong",
    "Xia zhi",  "Xiao shu",  "Da shu",       "Li qiu",  "Chu shu",  "Bai lu",
    "Qiu fen",  "Han lu",    "Shuang jiang", "Li dong", "Xiao xue", "Da xue"};
inline constexpr std::array<std::string_view, 24> kSolarTermEnglishNames = {
    "Winter solstice",  "Slight cold",         "Great cold",     "Beginning of spring",
    "Rain water",       "Waking of insects",   "Spring equinox", "Pure brightness",
    "Grain rain",       "Beginning of summer", "Grain full",     "Grain in ear",
    "Summer solstice",  "Slight heat",         "Great heat",     "Beginning of autumn",
    "Limit of heat",    "White dew",           "Autumn equinox", "Cold dew",
    "Descent of frost", "Beginning of winter", "Slight snow",    "Great snow"};

// Prime meridians the calendar may be reckoned at, in whole degrees east.
inline constexpr int kMinLongitude = 100;
inline constexpr int kMaxLongitude = 145;
inline constexpr int kDefaultLongitude = 120;

// Label of a prime meridian: "L" and the two-digit offset from 100 degrees,
// or the name of a well-known meridian ("CCT" for 120). Empty outside 100..145.
std::string TimeZoneAbbreviation(int longitude);

// Element index 0..4 of a position 1..60 (two consecutive positions share one).
int ElementOf(int position);
// Animal index 0..11 of a position; the earthly branch is AnimalOf + 1.
int AnimalOf(int position);
// Heavenly stem 1..10 of a position.
int StemOf(int position);
// The position 1..60 that carries element e (0..4) and animal a (0..11):
// each element covers an even and an odd stem, so every pair names exactly
// one position, and the function is total on those ranges.
int PositionOf(int element, int animal);

// Why a text names no element-animal pair.
enum class ElementAnimalTextError {
    kUnknownName,  // not "element-animal" with names of kElementNames and kAnimalNames
};
// The position named by an element-animal text such as "wood-dog" (any case).
Result<int, ElementAnimalTextError> PositionOfElementAnimalText(std::string_view text);

std::string ElementAnimalText(int position);  // "wood-rat"
std::string StemBranchText(int position);     // "jia-zi"

// Position of a Common Era year in the cycle, the same under either epoch.
int YearPosition(int64_t year);
// Cycle of a Common Era year under an epoch; cycle 0 and negative cycles
// precede the epoch.
int64_t CycleOf(int64_t year, int epoch);
// Common Era year of a cycle and position under an epoch.
int64_t YearOf(int64_t cycle, int64_t position, int epoch);
// The years counted continuously from the epoch: 60 cycle + position - 59.
int64_t LinearYearCount(int64_t cycle, int64_t position);

// Position of a day from its day number in the prime meridian's time;
// 2000-01-01 is position 55.
int DayPosition(int64_t day_number);

// Element and animal of lunar month 1..12 of the year at `year_position`.
// Month 1 is always a tiger month; a leap month shares its number's names.
std::pair<int, int> MonthElementAnimal(int year_position, int month);
int MonthPosition(int year_position, int month);

}  // namespace vemla
