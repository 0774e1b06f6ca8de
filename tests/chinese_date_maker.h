// Builds Chinese date records for tests.
#pragma once

#include "engine/datelib.h"

namespace vemla::test {

inline ChDate MakeChDate(int cycle, int position, int month_or_term, int leap, int day) {
    return {.Cycle = cycle,
            .Position = position,
            .MonthOrTerm = month_or_term,
            .Day = day,
            .Leap = leap};
}

}  // namespace vemla::test
