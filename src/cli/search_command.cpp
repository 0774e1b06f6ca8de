// search: the next or previous event of the search panel.
#include <memory>

#include "cli/commands.h"

namespace vemla {
namespace {

struct SearchOptions {
    std::string target;
    bool previous = false;
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
    const double before = m.CurrentAJD();
    session.App().Searcher().Search();
    if (session.ReportMessages()) return kExitRefused;
    if (m.CurrentAJD() == before) {
        session.Err() << "No such event found.\n";
        return kExitRefused;
    }
    session.Print();
    return kExitOk;
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
    AddFromOption(sub, o->from);
    AddElementAnimalOptions(sub, o->from);
    commands.push_back({sub, [o](Session& session) { return RunSearch(session, *o); }});
}

}  // namespace vemla
