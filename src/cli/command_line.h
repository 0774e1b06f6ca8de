// vemla-cli: the program's operations for scripts. Every run starts from the
// built-in defaults and the present moment; the user's saved state is read
// only when --state names it, so a script gets the same answer everywhere.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli/session.h"

namespace vemla {

// Runs one command. `args` excludes the program name; the program texts are
// looked for in `program_folder` (and ../share/vemla below it).
int RunCommandLine(const std::vector<std::string>& args,
                   const std::filesystem::path& program_folder, std::ostream& out,
                   std::ostream& err);

}  // namespace vemla
