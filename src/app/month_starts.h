// Month starts and leap months: the first day of every lunar month (or of
// the leap months only) of a run of years centred on a Common Era year, with
// its European date, day number and length.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/listing.h"

namespace vemla {

inline constexpr std::string_view kMonthStartsCaption = "Lunar month starts & leap months";
// Above this many years the window shows that it is calculating.
inline constexpr int kMonthStartsQuickYears = 10;

// The first of `years` years centred on `centre`; an even count puts the
// extra year after the centre.
int64_t FirstListedYear(int64_t centre, int years);

// Lists the months (with `leap_only`, the leap months) of the nian of `years`
// years centred on the CE year `centre`.
void ListMonthStarts(const ListContext& context, int64_t centre, int years, bool leap_only,
                     ListOutput& out);

}  // namespace vemla
