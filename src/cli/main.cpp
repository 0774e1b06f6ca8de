// vemla-cli: the program's operations from the command line.
#include <iostream>

#include "cli/command_line.h"
#include "common/program_text.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return vemla::RunCommandLine(args, vemla::ExecutableFolder(), std::cout, std::cerr);
}
