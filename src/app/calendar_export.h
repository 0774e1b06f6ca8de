// Calendar files: what the listings and searches found, as iCalendar events
// (RFC 5545) that calendar programs import. Lunar new years, anniversaries
// and month starts are all-day events on their day; phases of the Moon and
// solar terms are events at their minute in Universal Time.
//
// An event's UID names what the event is (its kind, its day or minute and
// the settings it was reckoned under), so importing a new export of the
// same listing updates the events rather than adding them twice.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/list_rows.h"
#include "engine/chinese_dates.h"

namespace vemla {

inline constexpr std::string_view kExportTitle = "Export to calendar";
// Calendar programs do not take more events from one file.
inline constexpr int kMaxCalendarEvents = 100000;

// What the events were reckoned under, named in every event's description.
struct ExportSettings {
    std::string name;      // the calendar's name (X-WR-CALNAME)
    int longitude = 120;   // prime meridian, degrees east
    std::string meridian;  // its abbreviation, "CCT"
    int epoch = -2696;
    bool mean_sun = false;
    std::string epoch_method;  // "epoch = -2696, method = true sun"
};

// The settings of an engine under a calendar name, with the meridian's name.
ExportSettings ExportSettingsOf(const CalendarEngine& engine, std::string name,
                                std::string meridian);

struct CalendarFile {
    std::string text;  // the iCalendar text, lines ending in CRLF
    int events = 0;    // events written
    int left_out = 0;  // rows outside the years a calendar file can hold
};

// The calendar of the rows, stamped (DTSTAMP) with the moment `stamp_ajd`;
// or the message why there is none: no event to write, or too many.
std::variant<CalendarFile, std::string> MakeCalendar(const std::vector<ListRow>& rows,
                                                     const ExportSettings& settings,
                                                     double stamp_ajd);

// "The list holds 100,001 events; a calendar takes at most 100,000. ..."
std::string TooManyEventsMessage(int64_t events);

// "3 events before 0001-01-01 or after 3000-01-01 CE were left out ...".
std::string LeftOutMessage(int left_out);

// Writes the calendar text to path: into a temporary file beside it that is
// then renamed over it, so a failed write leaves any old file as it was and
// no partial file behind. Nothing on success, otherwise the message.
std::optional<std::string> WriteCalendarFile(const std::filesystem::path& path,
                                             std::string_view text);

// The row of the event a search for `target` (event_search.h) found at `ajd`;
// `number` counts the searches made before it.
ListRow SearchResultRow(CalendarEngine& engine, int target, double ajd, int number);

}  // namespace vemla
