// list: the listings of the list window, as its text.
#include <memory>

#include "app/list_window.h"
#include "cli/calendar_output.h"
#include "cli/commands.h"
#include "cli/list_json.h"

namespace vemla {
namespace {

struct ListOptions {
    std::string kind;
    std::optional<int> years;
    bool leap_only = false, omit_invalid = false, julian = false;
    bool major = false, no_major = false, minor = false, no_minor = false, names = false;
    EntryOptions from;
    CalendarOptions calendar;
};

int RunList(Session& session, const ListOptions& o) {
    if (int code = EnterFrom(session, o.from); code != kExitOk) return code;
    ListWindow& lists = session.App().Lists();
    lists.SetLeapMonthsOnly(o.leap_only);
    lists.SetOmitInvalidDates(o.omit_invalid);
    lists.SetJulianCalendar(o.julian);
    if (o.major || o.no_major) lists.SetIncludeMajorTerms(o.major);
    if (o.minor || o.no_minor) lists.SetIncludeMinorTerms(o.minor);
    if (o.names) lists.SetDisplayTermNames(true);
    const std::string years = o.years ? std::to_string(*o.years) : "";
    // The listing is printed as it is written, so a long one shows progress;
    // with --json its rows, one object a line.
    std::ostream& out = session.Out();
    const bool json = session.Options().json;
    const ListJsonContext context{session.Main().Longitude(), session.Main().CCT(), o.julian};
    if (json)
        lists.row_added = [&out, &context](const ListRow& row) {
            out << ListRowJson(row, context).dump() << "\n";
        };
    else if (!o.calendar.ics)
        lists.text_written = [&out](std::string_view text) {
            out << WithUnixLineEnds(std::string(text));
        };
    if (o.kind == "year-data")
        lists.ShowYearData();
    else if (o.kind == "new-years")
        lists.OpenList(ListKind::kLunarNewYears, years);
    else if (o.kind == "leap-months")
        lists.OpenList(ListKind::kMonthStarts, years);
    else
        lists.OpenList(ListKind::kNewYears, years);
    lists.text_written = nullptr;
    lists.row_added = nullptr;
    // The note that a listing reached the end of the engine's years is not a row.
    if (json && lists.View().text.find(EngineYearsEndLine()) != std::string::npos)
        session.Err() << WithUnixLineEnds(EngineYearsEndLine());
    if (session.ReportMessages()) return kExitRefused;
    return o.calendar.ics ? PrintCalendar(session, lists.Calendar(), o.calendar) : kExitOk;
}

}  // namespace

void AddListCommand(CLI::App& app, Commands& commands) {
    auto o = std::make_shared<ListOptions>();
    CLI::App* sub = app.add_subcommand(
        "list",
        "Print a listing of the list window; with --json one object a row (JSON Lines): "
        "chl, ce or jc, jdn ... of dates; event, moment, ajd, cjdc, label ... of moments");
    sub->add_option("kind", o->kind, "new-years, leap-months, year-data or new-years-jc-ce")
        ->required()
        ->check(CLI::IsMember({"new-years", "leap-months", "year-data", "new-years-jc-ce"}));
    sub->add_option("--years", o->years, "Number of years to list, a whole number")
        ->check(WholeNumber)
        ->check(CLI::Range(1, kMaxListYears));
    sub->add_flag("--leap-only", o->leap_only, "Leap months only");
    sub->add_flag("--omit-invalid", o->omit_invalid, "Omit anniversaries that do not exist");
    sub->add_flag("--julian", o->julian, "Dates in the Julian Calendar instead of CE");
    auto* major =
        sub->add_flag("--major", o->major, "Include the principal solar terms (year-data)");
    sub->add_flag("--no-major", o->no_major, "Leave out the principal solar terms")
        ->excludes(major);
    auto* minor = sub->add_flag("--minor", o->minor, "Include the minor solar terms (year-data)");
    sub->add_flag("--no-minor", o->no_minor, "Leave out the minor solar terms")->excludes(minor);
    sub->add_flag("--names", o->names, "Show the solar terms' names (year-data)");
    AddFromOption(sub, o->from);
    AddElementAnimalOptions(sub, o->from);
    AddCalendarOptions(sub, o->calendar);
    commands.push_back({sub, [o](Session& session) { return RunList(session, *o); },
                        [o](const GlobalOptions& options) {
                            if (options.json && o->calendar.ics)
                                return std::string("--ics and --json exclude each other");
                            return ListingOnly("list")(options);
                        }});
}

}  // namespace vemla
