#include "engine/hanzi_names.h"

#include "engine/cycles.h"

namespace vemla {
namespace {

template <size_t N>
std::string Entry(const std::array<std::string_view, N>& table, int number) {
    if (number < 1 || number > static_cast<int>(N)) return {};
    return std::string(table[static_cast<size_t>(number - 1)]);
}

// The index of the table's entry that begins `text`, the longest when
// several do; the text is advanced past it. -1 when none does.
template <size_t N>
int TakeEntry(std::string_view& text, const std::array<std::string_view, N>& table) {
    int found = -1;
    for (size_t i = 0; i < N; ++i)
        if (text.starts_with(table[i]) && (found < 0 || table[i].size() > table[found].size()))
            found = static_cast<int>(i);
    if (found >= 0) text.remove_prefix(table[static_cast<size_t>(found)].size());
    return found;
}

}  // namespace

std::string StemBranchHanzi(int position) {
    if (position < 1 || position > 60) return {};
    return Entry(kStemHanzi, StemOf(position)) + Entry(kBranchHanzi, AnimalOf(position) + 1);
}

std::string AnimalHanzi(int position) {
    if (position < 1 || position > 60) return {};
    return Entry(kAnimalHanzi, AnimalOf(position) + 1);
}

std::string MonthHanzi(int month, bool leap) {
    return Entry(leap ? kLeapMonthHanzi : kMonthHanzi, month);
}

std::string DayHanzi(int day) {
    return Entry(kDayHanzi, day);
}

std::string SolarTermHanzi(int term) {
    return Entry(kSolarTermHanzi, term);
}

std::string NumberHanzi(int n) {
    if (n < 1 || n > 99) return {};
    const int tens = n / 10, units = n % 10;
    std::string text;
    if (tens > 1) text += kNumeralHanzi[static_cast<size_t>(tens - 1)];
    if (tens > 0) text += kNumeralHanzi[9];
    if (units > 0) text += kNumeralHanzi[static_cast<size_t>(units - 1)];
    return text;
}

HanziDate HanziDateOf(const ChDate& chs, const ChDate& chl, int64_t day_number) {
    HanziDate out;
    const std::string nian = StemBranchHanzi(chl.Position);
    out.year = nian.empty() ? nian : nian + std::string(kNianHanzi);
    out.month = MonthHanzi(chl.MonthOrTerm, chl.Leap == 1);
    out.day = DayHanzi(chl.Day);
    out.animal = AnimalHanzi(chl.Position);
    out.term = SolarTermHanzi(chs.MonthOrTerm);

    // The sexagenary month is that of the lunar month (a leap month shares
    // the name of the month before it), the sexagenary day runs on unbroken.
    const std::string month_name =
        chl.MonthOrTerm >= 1 && chl.MonthOrTerm <= 12
            ? StemBranchHanzi(MonthPosition(chl.Position, chl.MonthOrTerm))
            : std::string();
    out.chl = out.year + out.month + out.day;
    if (!month_name.empty()) out.chl += " " + month_name + std::string(kMonthSuffixHanzi);
    out.chl += " " + StemBranchHanzi(DayPosition(day_number)) + std::string(kDaySuffixHanzi);
    if (!out.animal.empty()) out.chl += " " + out.animal + std::string(kNianHanzi);

    const std::string sui = StemBranchHanzi(chs.Position);
    const std::string day_of_term = NumberHanzi(chs.Day);
    if (!sui.empty()) out.chs = sui + std::string(kSuiHanzi);
    out.chs += out.term;
    if (!day_of_term.empty())
        out.chs += std::string(kOrdinalHanzi) + day_of_term + std::string(kDaySuffixHanzi);
    return out;
}

Result<ChDate, ChDateTextError> ReadHanziChLDate(std::string_view text, int32_t cycle) {
    const int stem = TakeEntry(text, kStemHanzi);
    const int branch = TakeEntry(text, kBranchHanzi);
    if (stem < 0 || branch < 0 || !text.starts_with(kNianHanzi))
        return Fail(ChDateTextError::kMalformed);
    text.remove_prefix(kNianHanzi.size());
    // Stem and branch advance together, so only pairs of like parity exist.
    if ((stem - branch) % 2 != 0) return Fail(ChDateTextError::kMalformed);
    int position = 1;
    while (StemOf(position) != stem + 1 || AnimalOf(position) != branch) ++position;

    int month = TakeEntry(text, kLeapMonthHanzi);
    const bool leap = month >= 0;
    if (!leap) month = TakeEntry(text, kMonthHanzi);
    const int day = TakeEntry(text, kDayHanzi);
    if (month < 0 || day < 0 || !(text.empty() || text.front() == ' '))
        return Fail(ChDateTextError::kMalformed);
    ChDate chl;
    chl.Cycle = cycle;
    chl.Position = position;
    chl.MonthOrTerm = month + 1;
    chl.Leap = leap ? 1 : 0;
    chl.Day = day + 1;
    return chl;
}

}  // namespace vemla
