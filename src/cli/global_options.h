// The options every subcommand takes (settings, output form, log), accepted
// before or after the subcommand's name.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "app/log_preferences.h"

namespace vemla {

struct GlobalOptions {
    std::optional<int> epoch;
    std::optional<std::string> method;
    std::optional<int> longitude;
    std::optional<std::string> abbreviation;
    std::optional<std::string> calendar;  // of an entry typed without a code
    std::optional<std::string> state_file;
    bool json = false;
    bool log = false;
    std::optional<std::string> log_items;
    bool expanded = false, compact = false;
    bool chinese_terms = false, no_chinese_terms = false;
};

// Declares the options on the program (the subcommands fall through to them).
void AddGlobalOptions(CLI::App& app, GlobalOptions& options);

// Sets the log preferences the options name; the others stay as they are.
void ApplyLogOptions(const GlobalOptions& options, LogPreferences& preferences);

}  // namespace vemla
