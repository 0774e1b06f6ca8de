#include "app/borderline_text.h"

#include <cmath>
#include <cstdio>

#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"

namespace vemla {
namespace {

std::string Minutes(double minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f minute%s", minutes,
                  std::fabs(minutes - 1.0) < 0.05 ? "" : "s");
    return text;
}

std::string DayText(int32_t day) {
    EuroDate date;
    date.JDN = day;
    JDNToDate(date);
    return DateText(date, 2, "-", ",");
}

}  // namespace

std::string DecidingEventName(const DecidingEvent& event) {
    if (event.kind == DecidingEventKind::kMonthStart) return "the dark moon that begins the month";
    const int i = event.term - 1;
    return std::string(event.IsPrincipalTerm() ? "principal term " : "solar term ") +
           std::string(kSolarTermCodes[i]) + " (" + std::string(kSolarTermPinyinNames[i]) + ")";
}

std::string BorderlineSentence(const DecidingEvent& event, std::string_view abbreviation) {
    const MidnightDistance& d = event.distance;
    const bool after = d.minutes >= 0;
    std::string alternative;
    if (event.changes_chl) alternative = ChLShortText(event.chl_alternative);
    if (event.changes_chs)
        alternative +=
            (alternative.empty() ? "" : " and ") + ChSShortText(event.chs_alternative, false);
    return "Borderline: " + DecidingEventName(event) + " came at " +
           TimeText(event.moment - d.day, true) + " " + std::string(abbreviation) + " on " +
           DayText(d.day) + ", " + Minutes(std::fabs(d.minutes)) + (after ? " after" : " before") +
           " midnight, within its margin of " + Minutes(d.margin_minutes) + " (uncertainty " +
           Minutes(d.uncertainty_minutes) + "); had it come " + (after ? "before" : "after") +
           " midnight, this day would be " + alternative + ".";
}

BorderlineMarkViews BorderlineMarksOf(const DayCertainty& day, std::string_view abbreviation) {
    BorderlineMarkViews marks;
    for (LabelView* mark : {&marks.chl, &marks.chs}) {
        mark->caption = std::string(kBorderlineMark);
        mark->visible = false;
    }
    for (const DecidingEvent& e : day.events) {
        if (!e.borderline) continue;
        for (const bool chl : {true, false}) {
            if (!(chl ? e.changes_chl : e.changes_chs)) continue;
            LabelView& mark = chl ? marks.chl : marks.chs;
            if (!mark.tooltip.empty()) mark.tooltip += "\n";
            mark.tooltip += BorderlineSentence(e, abbreviation);
            mark.visible = true;
        }
    }
    return marks;
}

}  // namespace vemla
