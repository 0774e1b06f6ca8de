#include "app/settings.h"

namespace vemla {

AbbreviationTable DefaultAbbreviations() {
    AbbreviationTable table;
    for (int i = 0; i < kLongitudeItemCount; ++i) table[i] = TimeZoneAbbreviation(kMinLongitude + i);
    return table;
}

}  // namespace vemla
