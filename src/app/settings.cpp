#include "app/settings.h"

#include <cmath>

#include "engine/chinese_dates.h"
#include "engine/european.h"

namespace vemla {

AbbreviationTable DefaultAbbreviations() {
    AbbreviationTable table;
    for (int i = 0; i < kLongitudeItemCount; ++i)
        table[i] = TimeZoneAbbreviation(kMinLongitude + i);
    return table;
}

bool InEngineMoments(double ajd) {
    // Far beyond the engine's years, before the day number could overflow.
    if (!std::isfinite(ajd) || std::fabs(ajd) > 1e9) return false;
    return InEngineYears(GregorianYearOf(DayNumberOf(AJDToCJDL(ajd))));
}

}  // namespace vemla
