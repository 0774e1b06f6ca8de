// Builds Chinese date records for tests.
#pragma once

#include "engine/datelib.h"

namespace vemla::test {

inline ChDate MakeChDate(int cycle, int position, int month_or_term, int leap, int day) {
    ChDate d;
    d.Cycle = cycle;
    d.Position = position;
    d.MonthOrTerm = month_or_term;
    d.Leap = leap;
    d.Day = day;
    return d;
}

}  // namespace vemla::test
