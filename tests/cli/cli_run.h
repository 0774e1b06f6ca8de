// vemla-cli run in this process: its exit status and what it wrote.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace vemla {

struct CliResult {
    int code;
    std::string out, err;
};

inline CliResult RunCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCommandLine(args, VEMLA_SOURCE_DATA_DIR, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace vemla
