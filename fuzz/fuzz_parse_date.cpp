// The date-entry grammar on its own: a typed date with its time, zone,
// element, animal and plus/minus boxes.
//
// Input: DATE \n TIME \n PLUS/MINUS \n OPTIONS, where the option bytes choose
// the zone box, the element and animal boxes, the current calendar, the local
// offset and the engine's epoch, method and meridian.
//
// Properties: the result is success or one of the documented error numbers;
// a parsed moment is finite and no earlier than a day before the admissible
// range (the range check proper is Convert's); the boxes the parser leaves
// behind hold a valid time and zone and parse again to the very same moment.
#include <cmath>
#include <string>

#include "app/date_entry.h"
#include "common/strproc.h"
#include "engine/european.h"
#include "fuzz_check.h"

using namespace vemla;
using vemla::fuzz::Escaped;

namespace {

std::string Describe(const EntryBoxes& b, const EntryContext& c) {
    return "date \"" + Escaped(b.date) + "\" time \"" + Escaped(b.time) + "\" zone " +
           std::to_string(b.zone) + " element " + std::to_string(b.element) + " animal " +
           std::to_string(b.animal) + " plus/minus \"" + Escaped(c.plus_minus) + "\" calendar " +
           std::to_string(c.calendar) + " offset " + std::to_string(c.local_offset);
}

// What a click on the displayed lunar date would put into the boxes.
void CopyDisplayedDate(EntryBoxes& boxes) {
    boxes.date = "79-16-11-25 CHL";
    boxes.time = "20:00";
    boxes.zone = kZoneMeridian;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CalendarEngine engine;
    const auto fields = fuzz::Fields({reinterpret_cast<const char*>(data), size}, '\n', 4);
    const fuzz::Options options(fields[3]);

    EntryBoxes boxes;
    boxes.date = std::string(fields[0]);
    boxes.time = std::string(fields[1]);
    boxes.zone = options.Pick(0, 4, 0) - 1;
    boxes.element = options.Pick(1, kNoElement + 1, kNoElement);
    boxes.animal = options.Pick(2, kNoAnimal + 1, kNoAnimal);
    const std::string plus_minus = Trim(fields[2]);
    EntryContext context;
    context.plus_minus = plus_minus;
    context.calendar = options.Pick(3, 11, kCalCHL + 1) - 1;       // -1 and 9 lie outside the list
    context.local_offset = (options.Pick(4, 241, 120) - 120) * 7;  // -840 .. 840 minutes
    engine.SetEpoch(options.Pick(5, 2, 0) == 0 ? kEpochHuangdi : kEpochAlternative);
    engine.SetMethod(options.Pick(6, 2, 0) == 0 ? kTrueSun : kMeanSun);
    engine.SetLongitude(kMinLongitude + options.Pick(7, kMaxLongitude - kMinLongitude + 1, 20));

    const EntryBoxes typed = boxes;
    const ParsedDate parsed = ParseDate(boxes, context, engine, CopyDisplayedDate);
    const std::string what = Describe(typed, context);

    FUZZ_CHECK(parsed.error >= kParseOk && parsed.error <= kTooEarly,
               what + " error " + std::to_string(parsed.error));
    if (parsed.error != kParseOk) {
        FUZZ_CHECK(!ParseErrorText(parsed.error).empty(), what);
        return 0;
    }
    FUZZ_CHECK(parsed.calendar >= 0 && parsed.calendar < static_cast<int>(kCalendarCodes.size()),
               what);
    FUZZ_CHECK(std::isfinite(parsed.ajd), what);
    FUZZ_CHECK(parsed.ajd >= kMinAJDate - 1.5, what + " ajd " + std::to_string(parsed.ajd));

    // The boxes as the window now shows them.
    const int minutes = ParseTime(boxes.time);
    FUZZ_CHECK(minutes >= 0 && minutes <= 1440,
               what + " leaves time \"" + Escaped(boxes.time) + "\"");
    FUZZ_CHECK(boxes.zone >= kZoneGMT && boxes.zone <= kZoneLocal,
               what + " leaves zone " + std::to_string(boxes.zone));
    // Blanks and commas do not count in the date box: "C EX" is "CEX".
    std::string date_box = boxes.date;
    RemoveChars(date_box, " ,");
    FUZZ_CHECK(date_box.find(kCalendarCodes[parsed.calendar]) != std::string::npos,
               what + " leaves date \"" + Escaped(boxes.date) + "\"");

    // Convert pressed again: the same moment.
    EntryBoxes again = boxes;
    const ParsedDate reparsed = ParseDate(again, context, engine, CopyDisplayedDate);
    FUZZ_CHECK(reparsed.error == kParseOk && reparsed.ajd == parsed.ajd &&
                   reparsed.calendar == parsed.calendar,
               what + " then \"" + Escaped(boxes.date) + "\" " + Escaped(boxes.time) +
                   " gives error " + std::to_string(reparsed.error) + " ajd " +
                   std::to_string(reparsed.ajd) + " instead of " + std::to_string(parsed.ajd));
    FUZZ_CHECK(again.date == boxes.date && again.time == boxes.time && again.zone == boxes.zone,
               what);
    return 0;
}
