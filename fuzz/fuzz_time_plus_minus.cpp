// The time box and the plus/minus box: ParseTime, IsValidPlusMinus and the
// days a plus/minus text adds.
//
// Input: the text typed into either box.
//
// Properties: a time is refused (-1) or is a minute of the day, 0 to 1440;
// the time the program writes for that minute reads back to it, with blanks
// anywhere; a plus/minus text found valid adds a finite number of days,
// never negative without a "-"; and the Julian-date text of a moment moved by
// those days reads back to the moment.
#include <cmath>
#include <cstdio>
#include <string>

#include "app/date_entry.h"
#include "app/display.h"
#include "common/strproc.h"
#include "fuzz_check.h"

using namespace vemla;
using vemla::fuzz::Escaped;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const int minutes = ParseTime(text);
    FUZZ_CHECK(minutes == -1 || (minutes >= 0 && minutes <= 1440),
               "\"" + Escaped(text) + "\" gives " + std::to_string(minutes));
    if (minutes >= 0) {
        char written[16];
        std::snprintf(written, sizeof written, "%02d:%02d", minutes / 60, minutes % 60);
        FUZZ_CHECK(ParseTime(written) == minutes, "\"" + Escaped(text) + "\" as " + written);
        const std::string spaced =
            std::string(" ") + written[0] + " " + written[1] + " : " + (written + 3) + " ";
        FUZZ_CHECK(ParseTime(spaced) == minutes, "\"" + Escaped(text) + "\" as \"" + spaced + "\"");
        // The time of day the display shows for that minute reads back to it.
        if (minutes < 1440) {
            const std::string shown = TimeText(minutes / 1440.0, false);
            FUZZ_CHECK(ParseTime(shown) == minutes, "\"" + Escaped(text) + "\" shown as " + shown);
        }
    }

    if (IsValidPlusMinus(text)) {
        const double days = PlusMinusDays(Trim(text));
        FUZZ_CHECK(std::isfinite(days), "\"" + Escaped(text) + "\"");
        FUZZ_CHECK(days >= 0 || text.find('-') != std::string::npos,
                   "\"" + Escaped(text) + "\" gives " + std::to_string(days));
        FUZZ_CHECK(!Trim(text).empty(), "\"" + Escaped(text) + "\"");
        // A moved moment inside the range shows as a number the entry reads back.
        const double moved = 2451545.0 + days;
        if (moved >= kMinAJDate && moved <= kMaxAJDate) {
            const std::string shown = JulianDateNumberText(moved);
            FUZZ_CHECK(std::fabs(NumericValue(RemoveChar(shown, ',')) - moved) <= 0.00005 + 1e-9,
                       "\"" + Escaped(text) + "\" shown as " + shown);
        }
    }
    return 0;
}
