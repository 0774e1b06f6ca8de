#include "cli/calendar_output.h"

#include "cli/command_line.h"

namespace vemla {

void AddCalendarOptions(CLI::App& command, CalendarOptions& options) {
    auto* ics = command.add_flag("--ics", options.ics,
                                 "Print the events as an iCalendar file (RFC 5545) for calendar "
                                 "programs");
    command.add_option("--output", options.output, "Write the iCalendar file here instead")
        ->needs(ics);
}

CLI::App* AddAnniversariesCommand(CLI::App& app, AnniversaryOptions& options) {
    CLI::App* command =
        app.add_subcommand("anniversaries",
                           "List the Chinese anniversaries of a date (its lunar month and day in "
                           "the following years)");
    command->add_option("entry", options.entry, "The date in any reckoning: 1990-08-15 CE, ...")
        ->required();
    command
        ->add_option("--calendar", options.calendar,
                     "Calendar of an entry without a code (CE, JC, CHL ...)")
        ->check(CLI::IsMember({"CE", "JC", "CHL", "CHS", "AJD", "CJDC", "CJDL", "CJDX", "CEX"}));
    command->add_option("--years", options.years, "Number of years to list (1 to 32,767)");
    command->add_flag("--omit-invalid", options.omit_invalid,
                      "Leave out the lines of dates that do not exist in a year");
    command->add_flag("--julian", options.julian, "Dates in the Julian Calendar instead of CE");
    AddCalendarOptions(*command, options.calendar_file);
    return command;
}

int PrintCalendar(const std::variant<CalendarFile, std::string>& made,
                  const CalendarOptions& options, std::ostream& out, std::ostream& err) {
    if (const auto* message = std::get_if<std::string>(&made)) {
        err << *message << "\n";
        return kExitRefused;
    }
    const CalendarFile& file = std::get<CalendarFile>(made);
    if (options.output) {
        if (auto error = WriteCalendarFile(*options.output, file.text)) {
            err << *error << "\n";
            return kExitRefused;
        }
    } else {
        out << file.text << std::flush;
        if (!out) {
            err << "Unable to write the calendar to standard output.\n";
            return kExitRefused;
        }
    }
    if (file.left_out > 0) err << LeftOutMessage(file.left_out) << "\n";
    return kExitOk;
}

}  // namespace vemla
