// --ics and --output FILE: the calendar file (iCalendar, RFC 5545) of what
// list, search and anniversaries found, on standard output or in a file.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <variant>

#include "app/calendar_export.h"
#include "cli/session.h"

namespace vemla {

struct CalendarOptions {
    bool ics = false;
    std::optional<std::string> output;
};

// Adds --ics and --output FILE (which needs --ics) to a subcommand.
void AddCalendarOptions(CLI::App* subcommand, CalendarOptions& options);

// Prints the calendar on standard output, or writes it to the --output
// file; kExitRefused with the message on standard error when there is none
// or it cannot be written. Dates left out are noted without failing.
int PrintCalendar(Session& session, const std::variant<CalendarFile, std::string>& made,
                  const CalendarOptions& options);

}  // namespace vemla
