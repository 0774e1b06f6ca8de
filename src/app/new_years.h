// Julian and CE new years: the Chinese lunar and solar dates of the 1st of
// January of consecutive years from the year of the displayed moment.
#pragma once

#include <string_view>

#include "app/listing.h"

namespace vemla {

inline constexpr std::string_view kNewYearsCaption = "Julian and CE new years";

// Two lines a year: " 2024-01-01 CE = 79-40-11-20 CHL" and "79-41-02-15 CHS".
void ListNewYears(const ListContext& context, int years, ListOutput& out);

}  // namespace vemla
