#include "engine/chinese_text.h"

#include "common/strproc.h"
#include "engine/cycles.h"

namespace vemla {
namespace {

std::string TwoDigits(int n) {
    if (n < 0 || n > 9) return std::to_string(n);
    return {'0', static_cast<char>('0' + n)};
}

std::string TermCode(int term) {
    return term >= 1 && term <= 24 ? std::string(kSolarTermCodes[term - 1]) : "";
}

}  // namespace

std::string ChSShortText(const ChDate& chs, bool show_term_code) {
    std::string text = std::to_string(chs.Cycle) + "-" + TwoDigits(chs.Position) + "-" +
                       TwoDigits(chs.MonthOrTerm) + "-" + TwoDigits(chs.Day) + " CHS";
    if (show_term_code && chs.Day == 1) text += " (" + TermCode(chs.MonthOrTerm) + ")";
    return text;
}

std::string ChLShortText(const ChDate& chl) {
    return std::to_string(chl.Cycle) + "-" + TwoDigits(chl.Position) + "-" +
           MonthLabel(chl.MonthOrTerm, chl.Leap == 1) + "-" + TwoDigits(chl.Day) + " CHL";
}

std::string MonthElementAnimalText(const ChDate& chl, bool with_stem_branch) {
    auto [element, animal] = MonthElementAnimal(chl.Position, chl.MonthOrTerm);
    std::string text =
        std::string(kElementNames[element]) + "-" + std::string(kAnimalNames[animal]);
    if (with_stem_branch) text += " " + StemBranchText(PositionOf(element, animal)) + " ";
    return text;
}

std::string DayElementAnimalText(int64_t day_number) {
    return ElementAnimalText(DayPosition(day_number));
}

std::string DayStemBranchText(int64_t day_number) {
    return StemBranchText(DayPosition(day_number));
}

std::string ChSLongText(CalendarEngine& engine, ChDate& chs, bool with_day_names,
                        bool with_stem_branch) {
    std::string text = "The " + OrdinalText(chs.Day) + " day ";
    if (with_day_names) {
        if (const auto jdn = engine.ChSDateToJDN(chs)) chs.JDN = *jdn;
        text += "(" + DayElementAnimalText(chs.JDN);
        if (with_stem_branch) text += ", " + DayStemBranchText(chs.JDN);
        text += ") ";
    }
    text += "of solar term" + StrNumber(chs.MonthOrTerm) + " (" + TermCode(chs.MonthOrTerm) + ")";
    text += " in the year (sui) at position" + StrNumber(chs.Position) + " of cycle " +
            std::to_string(chs.Cycle) + ".";
    return text;
}

std::string ChLLongText(CalendarEngine& engine, ChDate& chl, bool with_day_names,
                        bool with_month_names, bool with_stem_branch) {
    std::string text = "The " + OrdinalText(chl.Day) + " day ";
    if (with_day_names) {
        if (const auto jdn = engine.ChLDateToJDN(chl)) chl.JDN = *jdn;
        text += "(" + DayElementAnimalText(chl.JDN);
        if (with_stem_branch) text += " " + DayStemBranchText(chl.JDN);
        text += ") ";
    }
    text += "of ";
    if (chl.Leap == 1) text += "leap ";
    text += "month" + StrNumber(chl.MonthOrTerm) + " ";
    if (with_month_names) text += "(" + MonthElementAnimalText(chl, with_stem_branch) + ") ";
    text += "\r\nin the " + std::string(kElementNames[ElementOf(chl.Position)]) + "-" +
            std::string(kAnimalNames[AnimalOf(chl.Position)]);
    if (with_stem_branch) text += " " + StemBranchText(chl.Position);
    text += " year (nian) at position" + StrNumber(chl.Position) + " of cycle " +
            std::to_string(chl.Cycle);
    text += " (year " + std::to_string(LinearYearCount(chl.Cycle, chl.Position)) + ").";
    return text;
}

}  // namespace vemla
