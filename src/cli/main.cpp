// vemla-cli: the program's operations from the command line.
#include <unistd.h>

#include <csignal>
#include <iostream>

#include "cli/command_line.h"
#include "common/program_text.h"

namespace {

// Ctrl-C ends any run at once, a long listing or a batch included, with the
// shell's status for an interrupted command.
extern "C" void ExitInterrupted(int) {
    _exit(vemla::kExitInterrupted);
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGINT, ExitInterrupted);
    std::vector<std::string> args(argv + 1, argv + argc);
    return vemla::RunCommandLine(args, vemla::ExecutableFolder(), std::cout, std::cerr);
}
