#include "cli/moment_output.h"

#include "app/display.h"
#include "cli/borderline_output.h"
#include "common/strproc.h"
#include "engine/chinese_dates.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"
#include "engine/moon_data.h"

namespace vemla {
namespace {

// The rows in the order the window shows them.
constexpr int kRowOrder[] = {kCalCE,   kCalCEX,  kCalJC,   kCalCHL, kCalCHS,
                             kCalCJDC, kCalCJDL, kCalCJDX, kCalAJD};

std::string MonthElementAnimalName(const ChDate& chl) {
    auto [element, animal] = MonthElementAnimal(chl.Position, chl.MonthOrTerm);
    return std::string(kElementNames[element]) + "-" + std::string(kAnimalNames[animal]);
}

// Trim without a copy: most texts have no blanks at their ends.
std::string Trimmed(std::string& text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const size_t last = text.find_last_not_of(kBlanks);
    if (last == std::string::npos) return "";
    text.erase(last + 1);
    text.erase(0, text.find_first_not_of(kBlanks));
    return std::move(text);
}

// The values of the batch table, from the rows both builders share (their
// texts are moved out).
Moment TableValues(CalendarEngine& engine, double ajd, LondonRowsText& london,
                   ChineseRowsText& chinese) {
    Moment m;
    m.ajd = ajd;
    m.rows[kCalCE] = Trimmed(london.ce);
    m.rows[kCalJC] = Trimmed(london.jc);
    m.rows[kCalCHL] = Trimmed(chinese.chl_text);
    m.rows[kCalCHS] = Trimmed(chinese.chs_text);
    m.rows[kCalAJD] = JulianDateNumberText(ajd) + " AJD";
    m.chl = chinese.chl;
    m.chs = chinese.chs;
    const int day_position = DayPosition(DayNumberOf(AJDToCJDC(ajd, engine.Settings().Longitude)));
    m.day = ElementAnimalText(day_position);
    m.month = MonthElementAnimalName(chinese.chl);
    m.year = ElementAnimalText(chinese.chl.Position);
    m.year_count = LinearYearCount(chinese.chl.Cycle, chinese.chl.Position);
    return m;
}

}  // namespace

Moment MomentAt(CalendarEngine& engine, double ajd, std::string_view abbreviation,
                int local_offset) {
    WesternDatesText western = WesternDatesOf(ajd, local_offset);
    ChineseDatesText chinese = ChineseDatesOf(engine, ajd, abbreviation);
    Moment m = TableValues(engine, ajd, western, chinese);
    m.rows[kCalCEX] = Trim(western.cex);
    m.rows[kCalCJDL] = Trim(western.cjdl);
    m.rows[kCalCJDX] = Trim(western.cjdx);
    m.rows[kCalCJDC] = Trim(chinese.cjdc);
    MoonDisplayData moon = ComputeMoonData(ajd);
    m.moon_age = Trim(moon.age_label);
    if (moon.view) m.moon_phase = Trim(moon.view->label);
    m.delta_t_minutes = DeltaTForMoment(ajd);
    m.local_offset_minutes = local_offset;
    return m;
}

Moment TableMomentAt(CalendarEngine& engine, LunationCache& lunations, double ajd,
                     std::string_view abbreviation) {
    LondonRowsText london = LondonRowsOf(ajd);
    ChineseRowsText chinese = ChineseRowsOf(engine, ajd, abbreviation);
    Moment m = TableValues(engine, ajd, london, chinese);
    std::string phase = lunations.PhaseLabel(ajd).value_or("");
    m.moon_phase = Trimmed(phase);
    return m;
}

Moment MomentOf(MainState& main) {
    return MomentAt(main.Engine(), main.CurrentAJD(), main.CCT(), main.LocalOffsetMinutes());
}

std::string MomentText(MainState& main) {
    const MainView& view = main.View();
    std::string text;
    for (int row : kRowOrder)
        text += view.rows[row].caption.caption + " " + view.rows[row].value.caption + "\n";
    const Moment m = MomentOf(main);
    const int day = DayPosition(DayNumberOf(AJDToCJDC(m.ajd, main.Longitude())));
    text += "Day: " + m.day + " (" + StemBranchText(day) + ")\n";
    text += "Month: " + m.month + "\n";
    text += "Year: " + m.year + " (" + StemBranchText(m.chl.Position) + "), " +
            view.year_count.caption + "\n";
    text += "Moon: " + view.moon_phase.caption + "; age " + view.moon_age.caption + "\n";
    text += "Delta T: " + view.delta_t.caption + "\n";
    text += "Local time: " + view.local_offset.caption + "\n";
    return text + BorderlineText(main);
}

nlohmann::json MomentJson(const Moment& m) {
    nlohmann::json rows = nlohmann::json::object();
    for (int row : kRowOrder) rows[std::string(kCalendarCodes[row])] = m.rows[row];
    return {
        {"ajd", m.ajd},
        {"rows", rows},
        {"chl",
         {{"cycle", m.chl.Cycle},
          {"position", m.chl.Position},
          {"month", m.chl.MonthOrTerm},
          {"leap", m.chl.Leap == 1},
          {"day", m.chl.Day}}},
        {"chs",
         {{"cycle", m.chs.Cycle},
          {"position", m.chs.Position},
          {"term", m.chs.MonthOrTerm},
          {"day", m.chs.Day}}},
        {"elementAnimal", {{"day", m.day}, {"month", m.month}, {"year", m.year}}},
        {"yearCount", m.year_count},
        {"moon", {{"phase", m.moon_phase}, {"age", m.moon_age}}},
        {"deltaT", Trim(DeltaTText(m.delta_t_minutes))},
        {"deltaTMinutes", m.delta_t_minutes},
        {"localOffset", Trim(LocalOffsetText(m.local_offset_minutes))},
        {"localOffsetMinutes", m.local_offset_minutes},
    };
}

}  // namespace vemla
