// Writes the user manual: make_manual VEMLA_CLI OUTPUT. The command line's
// usage is taken from the program itself (its --help and every subcommand's).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "app/manual.h"

namespace {

// What `command` prints, or nothing when it cannot run or fails.
bool Output(const std::string& command, std::string& text) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return false;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, got);
    return ::pclose(pipe) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_manual VEMLA_CLI OUTPUT\n";
        return 2;
    }
    const std::string cli = std::string("'") + argv[1] + "'";
    std::vector<vemla::CommandUsage> commands(1, {"vemla-cli", ""});
    if (!Output(cli + " --help", commands[0].usage)) {
        std::cerr << "make_manual: " << argv[1] << " --help failed\n";
        return 1;
    }
    for (const std::string& name : vemla::SubcommandsInUsage(commands[0].usage)) {
        vemla::CommandUsage usage{"vemla-cli " + name, ""};
        if (!Output(cli + " " + name + " --help", usage.usage)) {
            std::cerr << "make_manual: " << argv[1] << " " << name << " --help failed\n";
            return 1;
        }
        commands.push_back(std::move(usage));
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << vemla::ManualHtml(commands);
    return out.flush() ? 0 : 1;
}
