// The bash completion script of vemla-cli, written from the program's own
// subcommands and options and the step, target, element and animal names,
// so that it never falls behind them.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace vemla {

std::string BashCompletion(const CLI::App& app);

}  // namespace vemla
