// Texts of Chinese dates: the short numeric forms shown in the date rows and
// the sentences of the log that name days, months and years by element and
// animal or by stem and branch.
#pragma once

#include <string>

#include "engine/chinese_dates.h"

namespace vemla {

// "79-41-05-01 CHS", with " (Z1)" after it on the first day of a term when asked.
std::string ChSShortText(const ChDate& chs, bool show_term_code);
// "79-41-7*-12 CHL".
std::string ChLShortText(const ChDate& chl);

// "The 1st day of solar term 5 (Z1) in the year (sui) at position 41 of cycle 79."
// With day names the JDN of the record is completed first.
std::string ChSLongText(CalendarEngine& engine, ChDate& chs, bool with_day_names,
                        bool with_stem_branch);
// Two lines: "The 1st day of month 1 " and "in the wood-dragon year (nian) ...".
// With day names the JDN of the record is completed first.
std::string ChLLongText(CalendarEngine& engine, ChDate& chl, bool with_day_names,
                        bool with_month_names, bool with_stem_branch);
// The lunar date in stems and branches; completes the record's JDN.

// The month's element-animal ("fire-tiger"); with stem-branch followed by
// " bing-yin " (ending in a blank).
std::string MonthElementAnimalText(const ChDate& chl, bool with_stem_branch);
std::string DayElementAnimalText(int64_t day_number);
std::string DayStemBranchText(int64_t day_number);

}  // namespace vemla
