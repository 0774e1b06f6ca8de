// The readers of typed Chinese dates, lunar (CHL) and solar (CHS), and their
// conversion to a day by the calendar engine.
//
// Input: TEXT \n OPTIONS; the option bytes choose the epoch, the solar-term
// method and the prime meridian.
//
// Properties: a refusal is one of the documented codes; a text read as a
// date of cycles -10 to 189 (the years the engine converts both ways) that
// the engine finds converts to a day whose lunar (solar) date is the one
// typed, and that day's date row text reads back to the same date and day.
// Beyond those cycles only the absence of faults is checked: the engine lays
// out years up to 20000 without promising consistent dates there.
#include <string>

#include "app/display.h"
#include "engine/chinese_dates.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "fuzz_check.h"

using namespace vemla;
using vemla::fuzz::Escaped;

namespace {

std::string Show(const ChDate& d) {
    return std::to_string(d.Cycle) + "-" + std::to_string(d.Position) + "-" +
           std::to_string(d.MonthOrTerm) + (d.Leap ? "*" : "") + "-" + std::to_string(d.Day) +
           " JDN " + std::to_string(d.JDN);
}

// Whether the year of a typed date lies in cycles -10 to 189.
bool InConvertibleCycles(const ChDate& d, int epoch) {
    const int64_t year = YearOf(d.Cycle, d.Position, epoch);
    return year >= YearOf(-10, 1, epoch) && year <= YearOf(189, 60, epoch);
}

bool SameDate(const ChDate& a, const ChDate& b, bool lunar) {
    return a.Cycle == b.Cycle && a.Position == b.Position && a.MonthOrTerm == b.MonthOrTerm &&
           a.Day == b.Day && (!lunar || a.Leap == b.Leap);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CalendarEngine engine;
    const auto fields = fuzz::Fields({reinterpret_cast<const char*>(data), size}, '\n', 2);
    const fuzz::Options options(fields[1]);
    engine.SetEpoch(options.Pick(0, 2, 0) == 0 ? kEpochHuangdi : kEpochAlternative);
    engine.SetMethod(options.Pick(1, 2, 0) == 0 ? kTrueSun : kMeanSun);
    const int longitude = kMinLongitude + options.Pick(2, kMaxLongitude - kMinLongitude + 1, 20);
    engine.SetLongitude(longitude);
    const std::string text(fields[0]);
    const std::string what = "\"" + Escaped(text) + "\" options \"" + Escaped(fields[1]) + "\": ";

    if (const auto typed = ReadChLDateText(text)) {
        const auto jdn = engine.ChLDateToJDN(*typed);
        if (jdn && InConvertibleCycles(*typed, engine.Epoch())) {
            const auto back = engine.CJDateToChDates(*jdn);
            FUZZ_CHECK(back.ok(), what + Show(*typed));
            FUZZ_CHECK(SameDate(back->chl, *typed, true),
                       what + Show(*typed) + " is day " + std::to_string(*jdn) +
                           " whose lunar date is " + Show(back->chl));
            // The row shows it, and the row's text reads back.
            const double ajd = CJDCToAJD(*jdn + 0.5, longitude);
            const ChineseDatesText shown = ChineseDatesOf(engine, ajd, "CCT");
            const auto reread = ReadChLDateText(shown.chl_text);
            FUZZ_CHECK(shown.ok && reread && SameDate(*reread, *typed, true),
                       what + Show(*typed) + " shown as \"" + shown.chl_text + "\"");
            FUZZ_CHECK(engine.ChLDateToJDN(*reread).value_or(0) == *jdn,
                       what + "\"" + shown.chl_text + "\" is not day " + std::to_string(*jdn));
        }
    }

    if (const auto typed = ReadChSDateText(text)) {
        const auto jdn = engine.ChSDateToJDN(*typed);
        if (jdn && InConvertibleCycles(*typed, engine.Epoch())) {
            const auto back = engine.CJDateToChDates(*jdn);
            FUZZ_CHECK(back.ok(), what + Show(*typed));
            FUZZ_CHECK(SameDate(back->chs, *typed, false),
                       what + Show(*typed) + " is day " + std::to_string(*jdn) +
                           " whose solar date is " + Show(back->chs));
            const double ajd = CJDCToAJD(*jdn + 0.5, longitude);
            const ChineseDatesText shown = ChineseDatesOf(engine, ajd, "CCT");
            const auto reread = ReadChSDateText(shown.chs_text);
            FUZZ_CHECK(shown.ok && reread && SameDate(*reread, *typed, false),
                       what + Show(*typed) + " shown as \"" + shown.chs_text + "\"");
        }
    }
    return 0;
}
