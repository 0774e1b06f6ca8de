// move: steps of the move panel. Several steps are a repeated move, run by
// the same state machine as the window's Move button with "repeatedly"
// checked, so its bounds and messages are the window's.
#include <memory>

#include "app/repeated_move.h"
#include "cli/commands.h"

namespace vemla {
namespace {

struct MoveOptions {
    std::string step;
    bool back = false;
    int count = 1;
    bool keep_30th = false, keep_leap = false;
    EntryOptions from;
};

int RunMove(Session& session, const MoveOptions& o) {
    if (int code = EnterFrom(session, o.from); code != kExitOk) return code;
    Mover& mover = session.App().Mover();
    RepeatedMove& run = session.App().RepeatedMove();
    mover.SelectDirection(!o.back);
    mover.SelectStep(ItemIndex(kMoveStepItems, o.step));
    // The keep options apply to runs and are decided once, from the date the
    // run starts on.
    mover.SetRepeatedly(o.count > 1);
    mover.SetKeep30th(o.keep_30th);
    mover.SetKeepLeap(o.keep_leap);
    run.Move();  // the first step
    for (int done = 0;;) {
        if (session.ReportMessages()) {
            run.Stop();
            return kExitRefused;
        }
        session.Print();
        if (++done == o.count) break;
        run.Tick();  // the timer's next beat
    }
    run.Stop();
    return kExitOk;
}

}  // namespace

void AddMoveCommand(CLI::App& app, Commands& commands) {
    auto o = std::make_shared<MoveOptions>();
    std::vector<std::string> steps(kMoveStepItems.begin(), kMoveStepItems.end());
    CLI::App* sub =
        app.add_subcommand("move", "Move the moment by a step and show it after each step");
    sub->add_option("step", o->step,
                    "The step as in the step box: minute, hour, day, CE month, ...")
        ->required()
        ->check(CLI::IsMember(steps, CLI::ignore_case));
    sub->add_flag("--back", o->back, "Move back instead of forward");
    sub->add_option("--count", o->count, "Number of steps (a repeated move when above 1)")
        ->check(CLI::Range(1, 100000));
    sub->add_flag("--keep-30th", o->keep_30th, "Return to day 30 where the month has one");
    sub->add_flag("--keep-leap", o->keep_leap, "Return to the leap month where the year has one");
    AddFromOption(sub, o->from);
    AddElementAnimalOptions(sub, o->from);
    commands.push_back({sub, [o](Session& session) { return RunMove(session, *o); }});
}

}  // namespace vemla
