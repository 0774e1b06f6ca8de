#include "cli/list_json.h"

#include <cmath>

#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"

namespace vemla {
namespace {

// "ce" or "jc": the key of a European date, named by its calendar.
std::string_view EuropeanKey(const ListJsonContext& context) {
    return context.jc ? "jc" : "ce";
}

// "2024-02-10 CE" (or JC) of a day number.
std::string EuropeanDate(int32_t day, const ListJsonContext& context) {
    EuroDate date;
    date.Calendar = context.jc ? kJulian : kGregorian;
    date.JDN = day;
    JDNToDate(date);
    return DateText(date, 2, "-", ",") + (context.jc ? " JC" : " CE");
}

// A moment (AJD, Universal Time) as the listing shows it, in the prime
// meridian's time: "2024-01-11 CE 19:57 CCT".
nlohmann::json MomentJson(double ajd, const ListJsonContext& context) {
    const double cjdc = AJDToCJDC(ajd, context.longitude);
    const int32_t day = DayNumberOf(cjdc);
    return {{"moment", EuropeanDate(day, context) + " " + TimeText(cjdc - std::floor(cjdc), false) +
                           " " + context.cct},
            {"ajd", ajd},
            {"cjdc", cjdc}};
}

nlohmann::json Json(const LunarDateRow& row, const ListJsonContext& context) {
    nlohmann::json object = {{"chl", ChLShortText(row.chl)},
                             {EuropeanKey(context), EuropeanDate(row.chl.JDN, context)},
                             {"jdn", row.chl.JDN},
                             {"newYear", row.new_year},
                             {"number", row.number}};
    if (row.counts) {
        object["months"] = row.counts->months;
        object["j1"] = row.counts->j1;
        object["z1"] = row.counts->z1;
    }
    if (!row.replaces.empty()) object["replaces"] = row.replaces;
    return object;
}

nlohmann::json Json(const MonthStartRow& row, const ListJsonContext& context) {
    return {{"chl", ChLShortText(row.chl)},
            {"leap", row.chl.Leap == 1},
            {EuropeanKey(context), EuropeanDate(row.chl.JDN, context)},
            {"jdn", row.chl.JDN},
            {"days", row.days}};
}

nlohmann::json Json(const PhaseRow& row, const ListJsonContext& context) {
    constexpr std::string_view kEvents[] = {"dark moon", "first quarter", "full moon",
                                            "last quarter"};
    nlohmann::json object = MomentJson(row.ajd, context);
    object["event"] = kEvents[row.phase >= kDarkMoon && row.phase <= kLastQuarter ? row.phase : 0];
    object["label"] = row.note;
    object["lunation"] = row.lunation;
    return object;
}

nlohmann::json Json(const SolarTermRow& row, const ListJsonContext& context) {
    const size_t term = static_cast<size_t>(row.term) % kSolarTermCodes.size();
    nlohmann::json object = MomentJson(row.ajd, context);
    object["event"] = "solar term";
    object["label"] = "ST" + std::to_string(term + 1) + " " + std::string(kSolarTermCodes[term]);
    object["term"] = term + 1;
    object["code"] = kSolarTermCodes[term];
    object["name"] = std::string(kSolarTermPinyinNames[term]) + " (" +
                     std::string(kSolarTermEnglishNames[term]) + ")";
    return object;
}

nlohmann::json Json(const DayRow& row, const ListJsonContext& context) {
    return {{EuropeanKey(context), EuropeanDate(row.day, context)},
            {"jdn", row.day},
            {"what", row.what}};
}

nlohmann::json Json(const NewYearRow& row, const ListJsonContext& context) {
    nlohmann::json object = {{EuropeanKey(context), EuropeanDate(row.day, context)},
                             {"jdn", row.day}};
    if (row.chl && row.chs) {
        object["chl"] = ChLShortText(*row.chl);
        object["chs"] = ChSShortText(*row.chs, false);
    } else {
        object["error"] = "no Chinese date found";
    }
    return object;
}

}  // namespace

nlohmann::json ListRowJson(const ListRow& row, const ListJsonContext& context) {
    return std::visit([&context](const auto& r) { return Json(r, context); }, row);
}

nlohmann::json SelfTestJson(const SelfTestTally& tally) {
    nlohmann::json failures = nlohmann::json::array();
    for (const SelfTestFailure& f : tally.failures)
        failures.push_back({{"date", f.date}, {"jdn", f.day}, {"back", f.back}});
    return {{"dates", tally.round_trips + tally.not_existing + static_cast<int>(failures.size())},
            {"roundTrips", tally.round_trips},
            {"notExisting", tally.not_existing},
            {"failures", failures},
            {"passed", tally.failures.empty()}};
}

}  // namespace vemla
