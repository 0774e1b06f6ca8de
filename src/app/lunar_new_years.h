// Lunar new years and Chinese anniversaries: the lunar month and day shown in
// the main window in consecutive nian, with the European date and day number
// of each; for a new year's day also the nian's months and its counts of the
// solar terms J1 and Z1.
#pragma once

#include <optional>
#include <string_view>

#include "app/listing.h"

namespace vemla {

inline constexpr std::string_view kLunarNewYearsCaption = "Lunar new years & Chinese anniversaries";
inline constexpr std::string_view kLunarDateInvalid = "Lunar date is invalid.";
// Above this many years the window shows that it is calculating.
inline constexpr int kLunarNewYearsQuickYears = 30;

// The counts of the nian whose month 1 begins on `new_year_day`, read from
// the tables laid out around that day; none when the tables do not hold
// the whole nian.
std::optional<NianCounts> CountNian(CalendarEngine& engine, int32_t new_year_day);

// Lists `years` nian from the lunar date of `chl_caption` (the main window's
// lunar date, read with its time after it). False, after the message "Lunar
// date is invalid.", when the caption holds no lunar date.
bool ListLunarNewYears(const ListContext& context, std::string_view chl_caption, int years,
                       bool omit_invalid, ListOutput& out);

}  // namespace vemla
