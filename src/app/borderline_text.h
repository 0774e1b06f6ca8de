// What the program says about a borderline date: the mark beside the CHL and
// CHS rows with its tooltip, the mark after a borderline line of a listing,
// and the explanation of one borderline event.
#pragma once

#include <string>
#include <string_view>

#include "app/view_model.h"
#include "engine/borderline.h"

namespace vemla {

// The mark beside a date row, and after a listing line, of a borderline date.
inline constexpr std::string_view kBorderlineMark = "±";
inline constexpr std::string_view kBorderlineLineMark = "  ± borderline";

// "the dark moon that begins the month", "principal term Z1 (Yu shui)",
// "solar term J1 (Li chun)".
std::string DecidingEventName(const DecidingEvent& event);

// One sentence on one borderline event of a day, naming the dates it would
// change: "Borderline: the dark moon that begins the month came at 00:01:43
// CCT on 1914-11-18, 1.7 minutes after midnight, within its margin of 5.0
// minutes (uncertainty 1.0 minute); had it come before midnight, this day
// would be 77-51-10-02 CHL."
std::string BorderlineSentence(const DecidingEvent& event, std::string_view abbreviation);

// The marks beside the CHL and CHS rows for a day: visible only when that
// date is borderline, their tooltips one sentence per borderline event.
struct BorderlineMarkViews {
    LabelView chl, chs;
};
BorderlineMarkViews BorderlineMarksOf(const DayCertainty& day, std::string_view abbreviation);

}  // namespace vemla
