// anniversaries: the lunar month and day of a date typed in any reckoning in
// the following years, as the list window lists them; with --ics a calendar.
#include <memory>

#include "app/list_window.h"
#include "cli/calendar_output.h"
#include "cli/commands.h"

namespace vemla {
namespace {

struct AnniversaryOptions {
    EntryOptions date;
    int years = kDefaultLunarNewYears;
    bool omit_invalid = false, julian = false;
    CalendarOptions calendar;
};

int RunAnniversaries(Session& session, const AnniversaryOptions& o) {
    if (o.years < 1 || o.years > kMaxListYears) {
        session.Err() << "The number of years must be from 1 to 32,767.\n";
        return kExitRefused;
    }
    if (int code = session.Enter(o.date); code != kExitOk) return code;
    ListWindow& lists = session.App().Lists();
    lists.SetOmitInvalidDates(o.omit_invalid);
    lists.SetJulianCalendar(o.julian);
    lists.OpenList(ListKind::kLunarNewYears, std::to_string(o.years));
    if (session.ReportMessages()) return kExitRefused;
    if (o.calendar.ics) return PrintCalendar(session, lists.Calendar(), o.calendar);
    session.Out() << WithUnixLineEnds(lists.View().text);
    return kExitOk;
}

}  // namespace

void AddAnniversariesCommand(CLI::App& app, Commands& commands) {
    auto o = std::make_shared<AnniversaryOptions>();
    CLI::App* sub =
        app.add_subcommand("anniversaries",
                           "List the Chinese anniversaries of a date: its lunar month and day in "
                           "the following years");
    sub->add_option("entry", o->date.entry, "The date in any reckoning: 1990-08-15 CE, ...")
        ->required();
    // Checked by the program, so that 0 is refused with its message.
    sub->add_option("--years", o->years, "Number of years to list, 1 to 32,767");
    sub->add_flag("--omit-invalid", o->omit_invalid,
                  "Leave out the lines of dates that do not exist in a year");
    sub->add_flag("--julian", o->julian, "Dates in the Julian Calendar instead of CE");
    AddElementAnimalOptions(sub, o->date);
    AddCalendarOptions(sub, o->calendar);
    commands.push_back({sub, [o](Session& session) { return RunAnniversaries(session, *o); }});
}

}  // namespace vemla
