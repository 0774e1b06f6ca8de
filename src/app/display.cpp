#include "app/display.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"

namespace vemla {
namespace {

std::string TimeOfDay(double cjd) {
    return TimeText(cjd - std::floor(cjd), false);
}

std::string TwoDigits(int n) {
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

EuroDate EuroDateOf(int32_t day_number, int32_t calendar) {
    EuroDate date;
    date.JDN = day_number;
    date.Calendar = calendar;
    JDNToDate(date);
    return date;
}

// Date text, code, time and weekday: "2000-01-01 CE 12:00 GMT Saturday".
std::string EuroRowText(const EuroDate& date, std::string_view code, const std::string& time,
                        const std::string& weekday) {
    std::string text = DateText(date, 2, "-", ",");
    text.reserve(text.size() + code.size() + time.size() + weekday.size() + 3);
    text.append(" ").append(code).append(" ").append(time).append(" ").append(weekday);
    return text;
}

void RemoveLineBreaks(std::string& text) {
    RemoveChars(text, "\r\n");
}

// Drops the last n characters of a UTF-8 text (the meridian's name may be
// any three characters).
void DropLastCharacters(std::string& text, int n) {
    for (; n > 0 && !text.empty(); --n) {
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
            text.pop_back();
        if (!text.empty()) text.pop_back();
    }
}

}  // namespace

std::string JulianDateNumberText(double jd) {
    // std::to_chars ignores the locale, unlike printf.
    char buffer[512];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, jd, std::chars_format::fixed, 4);
    if (error != std::errc()) return "";
    const std::string_view text(buffer, static_cast<size_t>(end - buffer));
    const size_t point = text.find('.');
    if (point == std::string_view::npos) return std::string(text);  // infinities and NaN
    std::string out = GroupThousands(text.substr(0, point), ",");
    out.append(text.substr(point));
    return out;
}

std::string LondonTime(double cjdl) {
    return TimeOfDay(cjdl) + " GMT";
}

std::string BeijingTime(double cjdc, std::string_view abbreviation) {
    return TimeOfDay(cjdc) + " " + std::string(abbreviation);
}

std::string LocalTime(double cjdx) {
    return TimeOfDay(cjdx) + " local";
}

std::string LocalOffsetText(int offset_minutes) {
    if (offset_minutes == 0) return "GMT";
    const int magnitude = std::abs(offset_minutes);
    return std::string("GMT") + (offset_minutes > 0 ? " + " : " - ") + StrNumber(magnitude / 60) +
           ":" + TwoDigits(magnitude % 60);
}

std::string MoonPhaseErrorText(PhaseError error) {
    // The numbers the phase search has always been reported with.
    const int code = error == PhaseError::kAfterLunation ? -1 : -2;
    return "Error" + std::to_string(code) + " when calling GetPhase() in DisplayMoonData().";
}

std::string DeltaTText(double delta_t_minutes) {
    if (!(delta_t_minutes <= 1440.0)) return "More than 24 hours";
    // Delta T has never been far below zero; a wild value still prints.
    const double rounded = std::nearbyint(std::max(delta_t_minutes, -1e9));
    return DurationText(static_cast<int64_t>(rounded), true);
}

LondonRowsText LondonRowsOf(double ajd) {
    const double cjdl = AJDToCJDL(ajd);
    const int32_t day = DayNumberOf(cjdl);
    const std::string weekday = DayOfWeekName(DayOfWeek(day));
    const std::string london = LondonTime(cjdl);
    return {EuroRowText(EuroDateOf(day, kGregorian), "CE", london, weekday),
            EuroRowText(EuroDateOf(day, kJulian), "JC", london, weekday)};
}

WesternDatesText WesternDatesOf(double ajd, int local_offset) {
    WesternDatesText out;
    static_cast<LondonRowsText&>(out) = LondonRowsOf(ajd);
    const double cjdl = AJDToCJDL(ajd);
    out.cjdl = JulianDateNumberText(cjdl) + " CJDL";
    const int32_t day = DayNumberOf(cjdl);
    out.ce_tooltip = LongDateText(EuroDateOf(day, kGregorian)) + " (London).";
    out.jc_tooltip = LongDateText(EuroDateOf(day, kJulian)) + " (London).";

    const double cjdx = CJDLToCJDX(cjdl, local_offset);
    out.cjdx = JulianDateNumberText(cjdx) + " CJDX";
    const int32_t local_day = DayNumberOf(cjdx);
    const EuroDate local_date = EuroDateOf(local_day, kGregorian);
    out.cex = EuroRowText(local_date, "CEX", LocalTime(cjdx), DayOfWeekName(DayOfWeek(local_day)));
    out.cex_tooltip = LongDateText(local_date) + " (local).";
    return out;
}

std::string CJDCCaption(int longitude) {
    return "Chronological JD" + StrNumber(longitude) + "º East";
}

ChineseRowsText ChineseRowsOf(CalendarEngine& engine, double ajd, std::string_view abbreviation) {
    ChineseRowsText out;
    const double cjdc = AJDToCJDC(ajd, engine.Settings().Longitude);
    const auto dates = engine.CJDateToChDates(cjdc);
    if (!dates) return out;
    out.chs = dates->chs;
    out.chl = dates->chl;
    out.ok = true;
    const std::string time = BeijingTime(cjdc, abbreviation);
    out.chs_text = ChSShortText(out.chs, true) + " " + time;
    // On the first day of a term the term's code takes the place of the
    // meridian's three-letter name.
    if (out.chs.Day == 1) DropLastCharacters(out.chs_text, 3);
    out.chl_text = ChLShortText(out.chl) + " " + time;
    return out;
}

ChineseDatesText ChineseDatesOf(CalendarEngine& engine, double ajd, std::string_view abbreviation) {
    ChineseDatesText out;
    static_cast<ChineseRowsText&>(out) = ChineseRowsOf(engine, ajd, abbreviation);
    const int longitude = engine.Settings().Longitude;
    const double cjdc = AJDToCJDC(ajd, longitude);
    out.cjdc_caption = CJDCCaption(longitude);
    out.cjdc = JulianDateNumberText(cjdc) + " CJDC";
    if (!out.ok) return out;
    out.chs_tooltip = ChSLongText(engine, out.chs, true, false);

    if (const auto jdn = engine.ChLDateToJDN(out.chl)) out.chl.JDN = *jdn;
    out.chl_tooltip = ChLLongText(engine, out.chl, true, true, false);
    RemoveLineBreaks(out.chl_tooltip);

    const int day_position = DayPosition(DayNumberOf(cjdc));
    out.day_stem = StemOf(day_position);
    out.day_branch = AnimalOf(day_position) + 1;
    out.day_stem_branch = StemBranchText(day_position);
    out.day_element_animal = ElementAnimalText(day_position) + " day";

    const int year_position = out.chl.Position;
    out.year_stem = StemOf(year_position);
    out.year_branch = AnimalOf(year_position) + 1;
    out.year_text =
        StemBranchText(year_position) + " " + ElementAnimalText(year_position) + " year";
    out.month_text = MonthElementAnimalText(out.chl, false) + " month";
    out.year_count = "Year " + std::to_string(LinearYearCount(out.chl.Cycle, out.chl.Position));
    out.hanzi = HanziDateOf(out.chs, out.chl, DayNumberOf(cjdc));
    return out;
}

}  // namespace vemla
