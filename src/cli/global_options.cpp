#include "cli/global_options.h"

#include <map>

#include "app/settings.h"

namespace vemla {
namespace {

// Log items by their command-line names.
const std::map<std::string, bool LogPreferences::*> kLogItems = {
    {"chl", &LogPreferences::include_chl},
    {"chs", &LogPreferences::include_chs},
    {"cjdc", &LogPreferences::include_cjdc},
    {"epoch", &LogPreferences::epoch_etc},
    {"ce", &LogPreferences::include_ce},
    {"jc", &LogPreferences::include_jc},
    {"cjdl", &LogPreferences::include_cjdl},
    {"ajd", &LogPreferences::include_ajd},
    {"phase", &LogPreferences::phase_and_illumination},
    {"lunation", &LogPreferences::lunation_and_age}};

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        items.push_back(text.substr(start, comma - start));
    items.push_back(text.substr(start));
    return items;
}

std::string CheckLogItems(const std::string& items) {
    for (const auto& item : SplitCommas(items))
        if (!kLogItems.count(item)) return "unknown log item '" + item + "'";
    return "";
}

}  // namespace

void AddGlobalOptions(CLI::App& app, GlobalOptions& options) {
    app.add_option("--epoch", options.epoch, "Year of position 1 of cycle 1: -2696 or -2636")
        ->check(CLI::IsMember({kEpochHuangdi, kEpochAlternative}));
    app.add_option("--method", options.method,
                   "Solar terms from the true or the mean Sun: true or mean")
        ->check(CLI::IsMember({"true", "mean"}));
    app.add_option("--longitude", options.longitude,
                   "Prime meridian of the Chinese calendar, 100 to 145 degrees East")
        ->check(CLI::Range(kMinLongitude, kMaxLongitude));
    app.add_option("--abbreviation", options.abbreviation,
                   "Name shown for the prime meridian's time (three characters kept)");
    std::vector<std::string> codes(kCalendarCodes.begin(), kCalendarCodes.end());
    app.add_option("--calendar", options.calendar,
                   "Calendar of an entry typed without a code; CE unless a --state file names "
                   "another")
        ->check(CLI::IsMember(codes, CLI::ignore_case));
    app.add_option("--state", options.state_file,
                   "Take the settings and the moment from this saved state file");
    app.add_flag("--json", options.json,
                 "Print JSON instead of text: one object, or one a line (JSON Lines) for the "
                 "steps of move and search, the rows of list and a file of entries");
    app.add_flag("--hanzi", options.hanzi, "Also write the Chinese dates in Chinese characters");
    app.add_flag("--log", options.log, "Print the log entry that Add to log would write");
    app.add_option("--log-items", options.log_items,
                   "Comma-separated log lines: chl, chs, cjdc, epoch, ce, jc, cjdl, ajd, phase, "
                   "lunation")
        ->check(CheckLogItems);
    auto* expanded = app.add_flag("--expanded", options.expanded, "Expanded log entries");
    app.add_flag("--compact", options.compact, "Compact log entries")->excludes(expanded);
    auto* terms =
        app.add_flag("--chinese-terms", options.chinese_terms, "Chinese terms in expanded entries");
    app.add_flag("--no-chinese-terms", options.no_chinese_terms,
                 "No Chinese terms in expanded entries")
        ->excludes(terms);
}

void ApplyLogOptions(const GlobalOptions& options, LogPreferences& preferences) {
    if (options.log_items) {
        for (const auto& [name, member] : kLogItems) preferences.*member = false;
        for (const auto& item : SplitCommas(*options.log_items))
            preferences.*(kLogItems.at(item)) = true;
    }
    if (options.expanded) preferences.verbose = true;
    if (options.compact) preferences.verbose = false;
    if (options.chinese_terms) preferences.include_ganzhi = true;
    if (options.no_chinese_terms) preferences.include_ganzhi = false;
}

std::string HanziUsageError(const GlobalOptions& options, std::string_view command) {
    if (!options.hanzi) return "";
    return "--hanzi applies to the commands that show a moment, not to " + std::string(command);
}

}  // namespace vemla
