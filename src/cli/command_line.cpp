#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/completion.h"
#include "cli/global_options.h"
#include "cli/session.h"
#include "common/program_identity.h"

namespace vemla {
namespace {

constexpr const char* kDescription =
    "Vemla: one moment in the Common Era, Julian and Chinese calendars, Julian dates and the "
    "Moon's phase.";

constexpr const char* kFooter =
    "The options above the subcommands may come before or after the subcommand.\n"
    "An entry without a calendar code is a CE date unless --calendar (or the --state file) "
    "names another.\n"
    "Exit status: 0 done; 1 the program refused the request (its message is on standard error); "
    "2 the command line is wrong; 130 interrupted.";

int ParseArguments(CLI::App& app, const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err) {
    std::vector<std::string> argv_storage{"vemla-cli"};
    argv_storage.insert(argv_storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argv_storage) argv.push_back(a.data());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return kExitOk;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << "\n";
        return kExitOk;
    } catch (const CLI::Success&) {
        return kExitOk;  // the completion script is printed
    } catch (const CLI::ParseError& e) {
        err << e.what() << "\nRun with --help for more information.\n";
        return kExitUsage;
    }
    return -1;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args,
                   const std::filesystem::path& program_folder, std::ostream& out,
                   std::ostream& err) {
    CLI::App app{kDescription, "vemla-cli"};
    app.footer(kFooter);
    app.require_subcommand(1);
    // Options the subcommand does not know fall through to the program's:
    // the global options are accepted on either side of the subcommand.
    app.fallthrough();
    app.set_version_flag("--version", "vemla-cli " + std::string(kVersion));
    app.set_help_all_flag("--help-all", "Print the help of every subcommand");
    GlobalOptions options;
    AddGlobalOptions(app, options);
    const Commands commands = AddAllCommands(app);
    // For the build, which installs the script; hidden from the help.
    app.add_flag_callback(
           "--bash-completion",
           [&app, &out] {
               out << BashCompletion(app);
               throw CLI::Success();
           },
           "Print the bash completion script")
        ->group("");

    if (int code = ParseArguments(app, args, out, err); code >= 0) return code;
    for (const Command& command : commands) {
        if (!command.subcommand->parsed()) continue;
        if (command.usage_error) {
            if (std::string error = command.usage_error(options); !error.empty()) {
                err << error << "\nRun with --help for more information.\n";
                return kExitUsage;
            }
        }
        Session session(out, err, options);
        if (int code = session.Start(program_folder); code != kExitOk) return code;
        return command.run(session);
    }
    return kExitUsage;  // require_subcommand makes this unreachable
}

}  // namespace vemla
