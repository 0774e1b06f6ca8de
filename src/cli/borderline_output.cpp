#include "cli/borderline_output.h"

#include "app/borderline_text.h"
#include "common/strproc.h"
#include "engine/borderline.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"

namespace vemla {
namespace {

DayCertainty CertaintyOf(MainState& main) {
    // A day the engine cannot place has no borderline events to tell.
    return AssessDay(main.Engine(), DayNumberOf(AJDToCJDC(main.CurrentAJD(), main.Longitude())))
        .value_or({});
}

std::string EventKind(const DecidingEvent& e) {
    if (e.kind == DecidingEventKind::kMonthStart) return "dark moon";
    return e.IsPrincipalTerm() ? "principal term" : "solar term";
}

}  // namespace

std::string BorderlineText(MainState& main) {
    std::string text;
    for (const DecidingEvent& e : CertaintyOf(main).events)
        if (e.borderline) text += BorderlineSentence(e, main.CCT()) + "\n";
    return text;
}

nlohmann::json BorderlineJson(MainState& main) {
    nlohmann::json events = nlohmann::json::array();
    const int longitude = main.Longitude();
    for (const DecidingEvent& e : CertaintyOf(main).events) {
        if (!e.borderline) continue;
        EuroDate date;
        date.JDN = e.distance.day;
        JDNToDate(date);
        nlohmann::json event = {
            {"event", EventKind(e)},
            {"moment", CJDCToAJD(e.moment, longitude)},
            {"time", TimeText(e.moment - e.distance.day, true) + " " + main.CCT() + " " +
                         DateText(date, 2, "-", ",")},
            {"minutesFromMidnight", e.distance.minutes},
            {"uncertaintyMinutes", e.distance.uncertainty_minutes},
            {"marginMinutes", e.distance.margin_minutes},
            {"alternative", nlohmann::json::object()},
        };
        if (e.kind == DecidingEventKind::kTerm) event["term"] = kSolarTermCodes[e.term - 1];
        if (e.changes_chl) event["alternative"]["CHL"] = ChLShortText(e.chl_alternative);
        if (e.changes_chs) event["alternative"]["CHS"] = ChSShortText(e.chs_alternative, false);
        events.push_back(std::move(event));
    }
    return events;
}

}  // namespace vemla
