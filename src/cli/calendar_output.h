// vemla-cli's calendar files: --ics (with --output FILE) on list and search,
// and the anniversaries command, which lists the anniversaries of a date
// given in any reckoning.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "app/calendar_export.h"

namespace vemla {

struct CalendarOptions {
    bool ics = false;
    std::optional<std::string> output;
};

// Adds --ics and --output FILE to a command.
void AddCalendarOptions(CLI::App& command, CalendarOptions& options);

struct AnniversaryOptions {
    std::string entry;
    std::optional<std::string> calendar;  // of an entry without a code
    int years = 20;
    bool omit_invalid = false;
    bool julian = false;
    CalendarOptions calendar_file;
};

CLI::App* AddAnniversariesCommand(CLI::App& app, AnniversaryOptions& options);

// Prints the calendar to `out`, or writes it to the --output file; the
// message on `err` and exit code 1 when there is none or it cannot be
// written. Dates left out are noted on `err` without failing.
int PrintCalendar(const std::variant<CalendarFile, std::string>& made,
                  const CalendarOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vemla
