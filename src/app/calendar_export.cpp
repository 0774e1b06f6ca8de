#include "app/calendar_export.h"

#include <libical/ical.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/event_search.h"
#include "app/state_file_io.h"
#include "common/program_identity.h"
#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"
#include "engine/solar_terms.h"

namespace vemla {
namespace {

constexpr int64_t kMinutesPerDay = 1440;
// Unix time 0, 1970-01-01 00:00 UT, as a day number.
constexpr int64_t kUnixEpochDay = 2440588;

// iCalendar writes years with four digits and calendar programs take none
// before year 1; the program's own range ends at noon of 3000-01-01 CE.
int32_t GregorianDay(int year, int month, int day) {
    EuroDate date;
    date.Year = year;
    date.Month = month;
    date.Day = day;
    date.Calendar = kGregorian;
    return DateToJDN(date);
}
const int32_t kFirstDay = GregorianDay(1, 1, 1);
const int32_t kLastDay = GregorianDay(3000, 1, 1);

// One event before it becomes an iCalendar component.
struct Event {
    bool all_day = true;
    int32_t day = 0;     // all-day events: the day number
    int64_t minute = 0;  // timed events: minutes from the start of day 0, UT
    std::string kind;    // first part of the UID: "lunar-new-year"
    std::string key;     // what else tells the event apart: "79-40-08-15.3"
    std::string summary;
    std::string details;  // the description's first lines
};

// The minute (UT) that the listings show for a moment, counted from day 0.
int64_t MinuteOf(double ajd) {
    const double cjdl = AJDToCJDL(ajd);
    const int32_t day = DayNumberOf(cjdl);
    return day * kMinutesPerDay + MinuteOfDay(cjdl - day);
}

int32_t DayOf(const Event& e) {
    return e.all_day ? e.day : static_cast<int32_t>(e.minute / kMinutesPerDay);
}

bool InRange(const Event& e) {
    if (e.all_day) return e.day >= kFirstDay && e.day <= kLastDay;
    return e.minute >= kFirstDay * kMinutesPerDay &&
           e.minute <= kLastDay * kMinutesPerDay + kMinutesPerDay / 2;
}

EuroDate GregorianDate(int32_t day) {
    EuroDate date;
    date.Calendar = kGregorian;
    date.JDN = day;
    JDNToDate(date);
    return date;
}

icaltimetype DateOf(int32_t day) {
    const EuroDate date = GregorianDate(day);
    icaltimetype t = icaltime_null_date();
    t.year = date.Year;
    t.month = date.Month;
    t.day = date.Day;
    return t;
}

icaltimetype UtcTimeOf(int64_t minute) {
    icaltimetype t = DateOf(static_cast<int32_t>(minute / kMinutesPerDay));
    t.is_date = 0;
    t.hour = static_cast<int>(minute % kMinutesPerDay / 60);
    t.minute = static_cast<int>(minute % 60);
    t.second = 0;
    return icaltime_set_timezone(&t, icaltimezone_get_utc_timezone());
}

std::string DateKey(const Event& e) {
    const EuroDate date = GregorianDate(DayOf(e));
    char buffer[48];
    if (e.all_day)
        std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.Year, date.Month, date.Day);
    else
        std::snprintf(buffer, sizeof buffer, "%04d%02d%02dT%02d%02dZ", date.Year, date.Month,
                      date.Day, static_cast<int>(e.minute % kMinutesPerDay / 60),
                      static_cast<int>(e.minute % 60));
    return buffer;
}

// "79-40-08-15": a lunar date without its calendar code, for UIDs.
std::string LunarKey(const ChDate& chl) {
    std::string text = ChLShortText(chl);
    const size_t blank = text.find(' ');
    return blank == std::string::npos ? text : text.substr(0, blank);
}

std::string SolarTermText(int term) {
    return "ST" + std::to_string(term + 1) + " " + std::string(kSolarTermCodes[term]) + " " +
           std::string(kSolarTermPinyinNames[term]) + " (" +
           std::string(kSolarTermEnglishNames[term]) + ")";
}

constexpr std::string_view kPhaseNames[] = {"Dark moon", "First quarter", "Full moon",
                                            "Last quarter"};
constexpr std::string_view kPhaseKinds[] = {"dark-moon", "first-quarter", "full-moon",
                                            "last-quarter"};

Event EventOf(const LunarDateRow& row) {
    Event e;
    e.day = row.chl.JDN;
    if (row.new_year) {
        const int position = row.chl.Position;
        e.kind = "lunar-new-year";
        e.summary = "Lunar new year " +
                    std::to_string(LinearYearCount(row.chl.Cycle, row.chl.Position)) + " " +
                    StemBranchText(position) + " (" + ElementAnimalText(position) + ")";
        e.details = ChLShortText(row.chl);
        if (row.counts)
            e.details += "\n" + std::to_string(row.counts->months) +
                         " months in the nian, J1: " + std::to_string(row.counts->j1) +
                         ", Z1: " + std::to_string(row.counts->z1);
    } else {
        e.kind = "anniversary";
        e.key = LunarKey(row.origin) + "." + std::to_string(row.number);
        e.summary = row.number == 0
                        ? "Lunar date " + ChLShortText(row.origin)
                        : OrdinalText(row.number) + " anniversary of " + ChLShortText(row.origin);
        e.details = ChLShortText(row.chl);
        if (!row.replaces.empty()) e.details += "\n" + row.replaces;
    }
    return e;
}

Event EventOf(const MonthStartRow& row) {
    Event e;
    e.day = row.chl.JDN;
    const bool leap = row.chl.Leap == 1;
    e.kind = leap ? "leap-month" : "month-start";
    e.summary = std::string(leap ? "Leap month " : "Lunar month ") + ChLShortText(row.chl) + ", " +
                std::to_string(row.days) + " days";
    return e;
}

Event EventOf(const PhaseRow& row) {
    Event e;
    e.all_day = false;
    e.minute = MinuteOf(row.ajd);
    const int phase = row.phase >= kDarkMoon && row.phase <= kLastQuarter ? row.phase : 0;
    e.kind = kPhaseKinds[phase];
    e.summary = std::string(kPhaseNames[phase]);
    if (!row.note.empty()) e.summary += " " + row.note;
    e.details = "Lunation " + std::to_string(row.lunation);
    return e;
}

Event EventOf(const SolarTermRow& row) {
    Event e;
    e.all_day = false;
    e.minute = MinuteOf(row.ajd);
    e.kind = "solar-term";
    e.summary = "Solar term " + SolarTermText(row.term);
    return e;
}

Event EventOf(const NewYearRow& row) {
    Event e;
    e.day = row.day;
    e.kind = "new-year";
    e.summary = "New year";
    if (row.chl) e.summary += " " + ChLShortText(*row.chl);
    return e;
}

Event EventOf(const DayRow& row) {
    Event e;
    e.day = row.day;
    e.kind = "day";
    // "fire-rat-day.bing-zi": the text without blanks and parentheses.
    for (size_t i = 0; i < row.what.size(); ++i) {
        const char c = row.what[i];
        const char next = i + 1 < row.what.size() ? row.what[i + 1] : ' ';
        if (c == ')' || (c == ' ' && next == '(')) continue;
        e.key += c == '(' || c == ',' ? '.' : c == ' ' ? (e.key.back() == '.' ? '\0' : '-') : c;
    }
    std::erase(e.key, '\0');
    e.summary = row.what;
    return e;
}

// Frees a libical object when it goes out of scope.
struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

void AddX(icalcomponent* parent, const char* name, const std::string& value) {
    icalproperty* p = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(p, name);
    icalcomponent_add_property(parent, p);
}

std::string SettingsText(const ExportSettings& s) {
    return "Chinese calendar at " + std::to_string(s.longitude) + "º East (" + s.meridian + "), " +
           s.epoch_method + ".";
}

std::string UidSuffix(const ExportSettings& s) {
    return ".epoch" + std::to_string(s.epoch) + ".l" + std::to_string(s.longitude) +
           (s.mean_sun ? ".mean" : ".true") + "@vemla";
}

icalcomponent* MakeEvent(const Event& e, const ExportSettings& settings, icaltimetype stamp) {
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    std::string uid = e.kind + "." + DateKey(e);
    if (!e.key.empty()) uid += "." + e.key;
    uid += UidSuffix(settings);
    icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    if (e.all_day) {
        icalcomponent_add_property(event, icalproperty_new_dtstart(DateOf(e.day)));
        icalcomponent_add_property(event, icalproperty_new_dtend(DateOf(e.day + 1)));
    } else {
        icalcomponent_add_property(event, icalproperty_new_dtstart(UtcTimeOf(e.minute)));
    }
    icalcomponent_add_property(event, icalproperty_new_summary(e.summary.c_str()));
    const std::string description =
        (e.details.empty() ? "" : e.details + "\n") + SettingsText(settings);
    icalcomponent_add_property(event, icalproperty_new_description(description.c_str()));
    // The events mark days; they do not make anyone busy.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

icaltimetype StampOf(double ajd) {
    const double seconds = std::floor((AJDToCJDL(ajd) - kUnixEpochDay) * 86400.0);
    return icaltime_from_timet_with_zone(static_cast<time_t>(seconds), 0,
                                         icaltimezone_get_utc_timezone());
}

std::string Grouped(int64_t n) {
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
    return digits;
}

}  // namespace

ExportSettings ExportSettingsOf(const CalendarEngine& engine, std::string name,
                                std::string meridian) {
    const CalendarSettings& s = engine.Settings();
    ExportSettings out;
    out.name = std::move(name);
    out.longitude = s.Longitude;
    out.meridian = std::move(meridian);
    out.epoch = s.Epoch;
    out.mean_sun = s.Method == kMeanSun;
    out.epoch_method = "epoch = " + std::to_string(s.Epoch) +
                       ", method = " + (out.mean_sun ? "mean sun" : "true sun");
    return out;
}

std::variant<CalendarFile, std::string> MakeCalendar(const std::vector<ListRow>& rows,
                                                     const ExportSettings& settings,
                                                     double stamp_ajd) {
    std::vector<Event> events;
    events.reserve(rows.size());
    int left_out = 0;
    for (const ListRow& row : rows) {
        Event e = std::visit([](const auto& r) { return EventOf(r); }, row);
        if (InRange(e))
            events.push_back(std::move(e));
        else
            ++left_out;
    }
    if (events.empty())
        return std::string(rows.empty() ? "There is nothing to export: the list holds no dates."
                                        : "There is nothing to export: every date of the list lies "
                                          "before 0001-01-01 or after 3000-01-01 CE.");
    if (events.size() > static_cast<size_t>(kMaxCalendarEvents))
        return TooManyEventsMessage(static_cast<int64_t>(events.size()));

    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(
        calendar.get(),
        icalproperty_new_prodid(
            ("-//Tarvolin Systems//Vemla " + std::string(kVersion) + "//EN").c_str()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    AddX(calendar.get(), "X-WR-CALNAME", settings.name);
    AddX(calendar.get(), "X-WR-CALDESC", SettingsText(settings));
    const icaltimetype stamp = StampOf(stamp_ajd);
    for (const Event& e : events)
        icalcomponent_add_component(calendar.get(), MakeEvent(e, settings, stamp));

    char* text = icalcomponent_as_ical_string_r(calendar.get());
    CalendarFile file{text ? std::string(text) : std::string(), static_cast<int>(events.size()),
                      left_out};
    std::free(text);
    return file;
}

std::string TooManyEventsMessage(int64_t events) {
    return "The list holds " + Grouped(events) + " events; a calendar takes at most " +
           Grouped(kMaxCalendarEvents) + ". List fewer years.";
}

std::string LeftOutMessage(int left_out) {
    return Grouped(left_out) + (left_out == 1 ? " event" : " events") +
           " before 0001-01-01 or after 3000-01-01 CE " + (left_out == 1 ? "was" : "were") +
           " left out: a calendar file holds no earlier dates, and the program none later.";
}

std::optional<std::string> WriteCalendarFile(const std::filesystem::path& path,
                                             std::string_view text) {
    // Beyond a limit on the size of files, a write fails (EFBIG) rather than
    // ending the program, so the temporary file is removed and the user told.
    std::signal(SIGXFSZ, SIG_IGN);
    if (auto error = SaveStateFile(path, text))
        return "Unable to write the calendar file " + path.string() + ": " + error->description +
               ".";
    return std::nullopt;
}

ListRow SearchResultRow(CalendarEngine& engine, int target, double ajd, int number) {
    const int longitude = engine.Settings().Longitude;
    const int32_t day = DayNumberOf(AJDToCJDC(ajd, longitude));
    auto [chs, chl] = engine.CJDateToChDates(day).value_or(ChDates{});
    chl.JDN = day;
    const int term = chs.MonthOrTerm >= 1 && chs.MonthOrTerm <= 24 ? chs.MonthOrTerm - 1 : 0;
    const int32_t lunation = LunationOf(ajd + kExactPhaseDays);
    switch (target) {
        case kTargetFullMoon:
        case kTargetDarkMoon:
        case kTargetLunarQuarter: {
            // A hit always lies within its lunation; the dark moon is only a fallback.
            const auto found = GetPhase(lunation, ajd + kExactPhaseDays / 2);
            return PhaseRow{ajd, found ? found->phase : kDarkMoon, lunation, ""};
        }
        case kTargetLunarNewYear:
            return LunarDateRow{chl, chl, number, true, std::nullopt, ""};
        case kTargetTermDarkMoon:
        case kTargetWinterSolsticeDarkMoon:
        case kTargetQuarterDarkMoon:
            return PhaseRow{ajd, kDarkMoon, lunation, "on the first day of " + SolarTermText(term)};
        case kTargetTermFullMoon:
        case kTargetQuarterFullMoon:
            return PhaseRow{ajd, kFullMoon, lunation, "on the first day of " + SolarTermText(term)};
        case kTargetElementAnimalDay:
            return DayRow{day, DayElementAnimalText(day) + " day (" + DayStemBranchText(day) + ")"};
        case kTargetElementAnimalMonth:
            return DayRow{day, MonthElementAnimalText(chl, false) + " month, " + ChLShortText(chl)};
        case kTargetElementAnimalYear:
            return DayRow{day, ElementAnimalText(chl.Position) + " year (" +
                                   StemBranchText(chl.Position) + "), " + ChLShortText(chl)};
        case kTargetTripleElementAnimal:
            return DayRow{day, "Triple " + DayElementAnimalText(day) + " day (" +
                                   DayStemBranchText(day) + "), " + ChLShortText(chl)};
        default:  // the solstices, equinoxes and solar terms
            return SolarTermRow{ajd, term};
    }
}

}  // namespace vemla
