// convert and now: a typed date (or a file of them) and the present moment.
#include <memory>

#include "app/settings.h"
#include "cli/commands.h"

namespace vemla {
namespace {

struct ConvertOptions {
    EntryOptions entry;
};

int RunConvert(Session& session, const ConvertOptions& c) {
    if (int code = session.Enter(c.entry); code != kExitOk) return code;
    session.Print();
    return kExitOk;
}

// The time of a Julian-date entry is its fraction: a --time beside it would
// be ignored, so the pair is refused.
std::string CheckConvert(const ConvertOptions& c, const GlobalOptions& options) {
    if (!c.entry.time) return "";
    const int calendar = EntryCalendar(c.entry.entry, options.calendar.value_or("CE"));
    if (calendar == kCalAJD || calendar == kCalCJDC || calendar == kCalCJDL || calendar == kCalCJDX)
        return "--time cannot be combined with a Julian-date entry (AJD, CJDC, CJDL, CJDX): "
               "its fraction is the time of day";
    return "";
}

}  // namespace

void AddElementAnimalOptions(CLI::App* sub, EntryOptions& entry) {
    std::vector<std::string> elements(kElementNames.begin(), kElementNames.end());
    std::vector<std::string> animals(kAnimalNames.begin(), kAnimalNames.end());
    sub->add_option("--element", entry.element,
                    "Element of the year (of a lunar entry with position ?)")
        ->check(CLI::IsMember(elements));
    sub->add_option("--animal", entry.animal,
                    "Animal of the year (of a lunar entry with position ?)")
        ->check(CLI::IsMember(animals));
}

void AddFromOption(CLI::App* sub, EntryOptions& from) {
    sub->add_option("--from", from.entry, "Start from this entry instead of the present moment");
}

int EnterFrom(Session& session, const EntryOptions& from) {
    return from.entry.empty() ? kExitOk : session.Enter(from);
}

void AddConvertCommands(CLI::App& app, Commands& commands) {
    auto c = std::make_shared<ConvertOptions>();
    CLI::App* sub = app.add_subcommand(
        "convert",
        "Show a typed date: 2024-02-10 CE, 79-41-01-01 CHL, 79-41-04-07 CHS, 2460351.5 CJDL ...");
    sub->add_option("entry", c->entry.entry,
                    "The date as typed in the date box; without a code it is a date of "
                    "--calendar (CE by default)")
        ->required();
    sub->add_option("--time", c->entry.time, "Time of day, HH:MM (not with AJD or CJD entries)");
    auto* plus = sub->add_option("--plus", c->entry.plus, "Days to add");
    sub->add_option("--minus", c->entry.minus, "Days to subtract")->excludes(plus);
    AddElementAnimalOptions(sub, c->entry);
    commands.push_back({sub, [c](Session& session) { return RunConvert(session, *c); },
                        [c](const GlobalOptions& options) { return CheckConvert(*c, options); }});

    CLI::App* now = app.add_subcommand("now", "Show the present moment");
    commands.push_back({now, [](Session& session) {
                            session.Print();
                            return kExitOk;
                        }});
}

}  // namespace vemla
