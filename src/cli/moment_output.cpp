#include "cli/moment_output.h"

#include "cli/borderline_output.h"
#include "engine/chinese_dates.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"

namespace vemla {
namespace {

// The rows in the order the window shows them.
constexpr int kRowOrder[] = {kCalCE, kCalCEX, kCalJC, kCalCHL, kCalCHS, kCalCJDC, kCalCJDL, kCalCJDX, kCalAJD};

struct ChineseDates {
    ChDate chs, chl;
};

ChineseDates DatesOf(MainState& main) {
    ChineseDates dates;
    main.Engine().CJDateToChDates(AJDToCJDC(main.CurrentAJD(), main.Longitude()), dates.chs, dates.chl);
    return dates;
}

std::string MonthElementAnimalName(const ChDate& chl) {
    auto [element, animal] = MonthElementAnimal(chl.Position, chl.MonthOrTerm);
    return std::string(kElementNames[element]) + "-" + std::string(kAnimalNames[animal]);
}

}  // namespace

std::string MomentText(MainState& main) {
    const MainView& view = main.View();
    std::string text;
    for (int row : kRowOrder)
        text += view.rows[row].caption.caption + " " + view.rows[row].value.caption + "\n";
    const ChineseDates dates = DatesOf(main);
    const int32_t day = DayNumberOf(AJDToCJDC(main.CurrentAJD(), main.Longitude()));
    text += "Day: " + ElementAnimalText(DayPosition(day)) + " (" + StemBranchText(DayPosition(day)) + ")\n";
    text += "Month: " + MonthElementAnimalName(dates.chl) + "\n";
    text += "Year: " + ElementAnimalText(dates.chl.Position) + " (" + StemBranchText(dates.chl.Position) + "), " +
            view.year_count.caption + "\n";
    text += "Moon: " + view.moon_phase.caption + "; age " + view.moon_age.caption + "\n";
    text += "Delta T: " + view.delta_t.caption + "\n";
    text += "Local time: " + view.local_offset.caption + "\n";
    return text + BorderlineText(main);
}

nlohmann::json MomentJson(MainState& main) {
    const MainView& view = main.View();
    const ChineseDates dates = DatesOf(main);
    const int32_t day = DayNumberOf(AJDToCJDC(main.CurrentAJD(), main.Longitude()));
    nlohmann::json rows = nlohmann::json::object();
    for (int row : kRowOrder) rows[std::string(kCalendarCodes[row])] = view.rows[row].value.caption;
    return {
        {"ajd", main.CurrentAJD()},
        {"rows", rows},
        {"chl",
         {{"cycle", dates.chl.Cycle},
          {"position", dates.chl.Position},
          {"month", dates.chl.MonthOrTerm},
          {"leap", dates.chl.Leap == 1},
          {"day", dates.chl.Day}}},
        {"chs",
         {{"cycle", dates.chs.Cycle},
          {"position", dates.chs.Position},
          {"term", dates.chs.MonthOrTerm},
          {"day", dates.chs.Day}}},
        {"elementAnimal",
         {{"day", ElementAnimalText(DayPosition(day))},
          {"month", MonthElementAnimalName(dates.chl)},
          {"year", ElementAnimalText(dates.chl.Position)}}},
        {"yearCount", LinearYearCount(dates.chl.Cycle, dates.chl.Position)},
        {"moon", {{"phase", view.moon_phase.caption}, {"age", view.moon_age.caption}}},
        {"deltaT", view.delta_t.caption},
        {"deltaTMinutes", DeltaTForMoment(main.CurrentAJD())},
        {"localOffset", view.local_offset.caption},
        {"localOffsetMinutes", LocalOffsetMinutes()},
        {"borderline", BorderlineJson(main)},
    };
}

}  // namespace vemla
