#include "cli/calendar_output.h"

namespace vemla {

void AddCalendarOptions(CLI::App* subcommand, CalendarOptions& options) {
    auto* ics = subcommand->add_flag(
        "--ics", options.ics, "Print the events as an iCalendar file (RFC 5545) for calendars");
    subcommand->add_option("--output", options.output, "Write the iCalendar file here instead")
        ->needs(ics);
}

int PrintCalendar(Session& session, const std::variant<CalendarFile, std::string>& made,
                  const CalendarOptions& options) {
    if (const auto* message = std::get_if<std::string>(&made)) {
        session.Err() << *message << "\n";
        return kExitRefused;
    }
    const CalendarFile& file = std::get<CalendarFile>(made);
    if (options.output) {
        if (auto error = WriteCalendarFile(*options.output, file.text)) {
            session.Err() << *error << "\n";
            return kExitRefused;
        }
    } else if (!(session.Out() << file.text << std::flush)) {
        session.Err() << "Unable to write the calendar to standard output.\n";
        return kExitRefused;
    }
    if (file.left_out > 0) session.Err() << LeftOutMessage(file.left_out) << "\n";
    return kExitOk;
}

}  // namespace vemla
