// search: the next or previous event of the search panel.
#include <memory>

#include "app/system_clock.h"
#include "cli/calendar_output.h"
#include "cli/commands.h"

namespace vemla {
namespace {

struct SearchOptions {
    std::string target;
    bool previous = false;
    int count = 1;
    CalendarOptions calendar;
    EntryOptions from;  // its element and animal are also the target's
};

int RunSearch(Session& session, const SearchOptions& o) {
    // The element and animal boxes first: a --from entry with "?" reads them.
    if (int code = EnterFrom(session, o.from); code != kExitOk) return code;
    MainState& m = session.Main();
    m.SelectTarget(ItemIndex(kTargetItems, o.target));
    m.SetNext(!o.previous);
    if (o.from.element) m.SelectElement(ItemIndex(kElementNames, *o.from.element));
    if (o.from.animal) m.SelectAnimal(ItemIndex(kAnimalNames, *o.from.animal));
    const int target = ItemIndex(kTargetItems, o.target);
    if (o.calendar.ics && o.count > kMaxCalendarEvents) {
        session.Err() << TooManyEventsMessage(o.count) << "\n";
        return kExitRefused;
    }
    // `count` searches one after the other, each from the event found before.
    std::vector<ListRow> rows;
    for (int i = 0; i < o.count; ++i) {
        const double before = m.CurrentAJD();
        session.App().Searcher().Search();
        if (session.ReportMessages()) return kExitRefused;
        if (m.CurrentAJD() == before) {
            session.Err() << "No such event found.\n";
            return kExitRefused;
        }
        if (o.calendar.ics)
            rows.push_back(SearchResultRow(m.Engine(), target, m.CurrentAJD(), i));
        else
            session.Print();
    }
    if (!o.calendar.ics) return kExitOk;
    const ExportSettings settings =
        ExportSettingsOf(m.Engine(), "Vemla: " + std::string(kTargetItems[target]), m.CCT());
    return PrintCalendar(session, MakeCalendar(rows, settings, SystemClockAJD()), o.calendar);
}

}  // namespace

void AddSearchCommand(CLI::App& app, Commands& commands) {
    auto o = std::make_shared<SearchOptions>();
    std::vector<std::string> targets(kTargetItems.begin(), kTargetItems.end());
    CLI::App* sub = app.add_subcommand("search", "Find the next (or previous) event and show it");
    sub->add_option("target", o->target,
                    "The event as in the target box: Full moon, Dark moon, ...")
        ->required()
        ->check(CLI::IsMember(targets, CLI::ignore_case));
    sub->add_flag("--previous", o->previous, "Search backwards");
    sub->add_option("--count", o->count, "Number of events to find, one after the other")
        ->check(CLI::Range(1, 1000000));
    AddCalendarOptions(sub, o->calendar);
    AddFromOption(sub, o->from);
    AddElementAnimalOptions(sub, o->from);
    commands.push_back({sub, [o](Session& session) { return RunSearch(session, *o); }});
}

}  // namespace vemla
