// selftest: the list window's round-trip test of the conversions.
#include <memory>

#include "app/list_window.h"
#include "cli/commands.h"
#include "cli/list_json.h"

namespace vemla {
namespace {

struct SelfTestOptions {
    std::optional<std::string> date;
    std::optional<uint64_t> seed;
};

int RunSelfTest(Session& session, const SelfTestOptions& o) {
    ListWindow& lists = session.App().Lists();
    if (o.date) {
        // One typed date, as Enter in the window's start box tests it.
        lists.SetStartText(*o.date);
        lists.DoTest();
    } else {
        lists.OpenSelfTest(o.seed);
    }
    std::string text = WithUnixLineEnds(lists.View().text);
    if (!text.empty() && text.back() != '\n') text += "\n";
    if (session.ReportMessages()) return kExitRefused;
    // A refused date is the whole text; a failed round trip is in the text.
    if (text.rfind("Error code =", 0) == 0) {
        session.Err() << text;
        return kExitRefused;
    }
    const SelfTestTally& tally = lists.SelfTestResult();
    if (session.Options().json)
        session.Out() << SelfTestJson(tally).dump() << "\n";
    else
        session.Out() << text;
    if (!tally.failures.empty()) {
        session.Err() << "The self-test found conversions that do not round-trip.\n";
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace

void AddSelfTestCommand(CLI::App& app, Commands& commands) {
    auto o = std::make_shared<SelfTestOptions>();
    CLI::App* sub =
        app.add_subcommand("selftest",
                           "Run the round-trip self-test of the conversions; with --json one "
                           "object: dates, roundTrips, notExisting, failures, passed");
    sub->add_option("--date", o->date, "Test this one date instead of random ones");
    sub->add_option("--seed", o->seed, "Seed of the random run, for a repeatable test");
    commands.push_back(
        {sub, [o](Session& session) { return RunSelfTest(session, *o); }, ListingOnly("selftest")});
}

}  // namespace vemla
