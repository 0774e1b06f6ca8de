// The subcommands of vemla-cli. Each family declares its subcommands and
// options on the program and hands back one handler per subcommand; the
// handler runs when its subcommand was given, on a started Session.
//
// A new subcommand is one more Add...Commands function (or one more entry in
// an existing one) and its line in AddAllCommands.
#pragma once

#include <CLI/CLI.hpp>
#include <algorithm>
#include <functional>
#include <vector>

#include "cli/session.h"
#include "common/digits.h"

namespace vemla {

struct Command {
    CLI::App* subcommand;
    std::function<int(Session&)> run;
    // A combination the parser cannot see is wrong: its message, or "".
    std::function<std::string(const GlobalOptions&)> usage_error = {};
};
using Commands = std::vector<Command>;

void AddConvertCommands(CLI::App& app, Commands& commands);  // convert, now
void AddMoveCommand(CLI::App& app, Commands& commands);
void AddSearchCommand(CLI::App& app, Commands& commands);
void AddListCommand(CLI::App& app, Commands& commands);
void AddSelfTestCommand(CLI::App& app, Commands& commands);
void AddAnniversariesCommand(CLI::App& app, Commands& commands);

inline Commands AddAllCommands(CLI::App& app) {
    Commands commands;
    AddConvertCommands(app, commands);
    AddMoveCommand(app, commands);
    AddSearchCommand(app, commands);
    AddListCommand(app, commands);
    AddSelfTestCommand(app, commands);
    AddAnniversariesCommand(app, commands);
    return commands;
}

// --element and --animal: the year of a lunar entry whose position is "?".
void AddElementAnimalOptions(CLI::App* subcommand, EntryOptions& entry);
// --from with --element and --animal: the moment a command starts at.
void AddFromOption(CLI::App* subcommand, EntryOptions& from);
// Takes over --from when given; kExitOk or the refusal's code.
int EnterFrom(Session& session, const EntryOptions& from);

// A usage check for the commands that print the list window's text (or
// its rows as JSON): --log and --hanzi are refused rather than ignored.
inline std::function<std::string(const GlobalOptions&)> ListingOnly(std::string command) {
    return [command](const GlobalOptions& options) {
        if (options.log) return command + " writes no log entry: no --log";
        return HanziUsageError(options, command);
    };
}

// A number option's check: digits only, so that "1e2" or "5.5" is an error.
inline std::string WholeNumber(const std::string& text) {
    const bool digits = !text.empty() && std::all_of(text.begin(), text.end(), IsDecimalDigit);
    return digits ? "" : "a whole number is expected, not " + text;
}

// Index of a list item named case-insensitively, or -1.
template <size_t N>
int ItemIndex(const std::array<std::string_view, N>& items, const std::string& name) {
    for (size_t i = 0; i < N; ++i)
        if (items[i].size() == name.size() &&
            std::equal(name.begin(), name.end(), items[i].begin(),
                       [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
            return static_cast<int>(i);
    return -1;
}

}  // namespace vemla
