// The user manual: the help window's sections and the command line's usage as
// one HTML page, made at build time and installed with the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vemla {

// The usage of one command of the command line, as its --help prints it.
struct CommandUsage {
    std::string command;  // "vemla-cli" or "vemla-cli list"
    std::string usage;
};

// The subcommands that a --help text lists under "Subcommands:".
std::vector<std::string> SubcommandsInUsage(std::string_view help);

// The manual: a contents list, every help section under its heading, then
// the usage of every command.
std::string ManualHtml(const std::vector<CommandUsage>& commands);

}  // namespace vemla
