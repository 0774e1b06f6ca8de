// One run of vemla-cli: the application built on the terminal's platform
// seam, the global options applied, and the printing of the displayed
// moment and of the program's messages. Every subcommand's handler works on
// a Session.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/application.h"
#include "cli/global_options.h"
#include "cli/terminal_ui.h"

namespace vemla {

// Exit codes: 0 success, 1 the program refused (its message is on standard
// error), 2 the command line itself is wrong, 130 interrupted (Ctrl-C).
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInterrupted = 130;

// A typed date as the convert panel takes it; --from of move, search and
// list takes the same, with the year's element and animal for a lunar
// date whose position is "?".
struct EntryOptions {
    std::string entry;
    std::optional<std::string> time, plus, minus;
    std::optional<std::string> element, animal;
};

// The calendar of a typed entry: its code, or `default_code` without one.
int EntryCalendar(std::string_view entry, std::string_view default_code);

// Texts without carriage returns, as a terminal wants them.
std::string WithUnixLineEnds(std::string text);

class Session {
  public:
    Session(std::ostream& out, std::ostream& err, const GlobalOptions& options)
        : out_(out), err_(err), options_(options) {}

    // Builds the application from the defaults (or the --state file) and
    // applies the settings; kExitOk or the exit code of the failure.
    int Start(const std::filesystem::path& program_folder);

    // Prints the messages shown since the last call on standard error; true
    // when there was one: every message refuses what was asked.
    bool ReportMessages();
    // Converts a typed entry to the displayed moment.
    int Enter(const EntryOptions& entry);
    // The displayed moment as text, JSON or log entry, as the options say.
    void Print();

    Application& App() { return *app_; }
    MainState& Main() { return app_->Main(); }
    const GlobalOptions& Options() const { return options_; }
    std::ostream& Out() { return out_; }
    std::ostream& Err() { return err_; }

  private:
    std::ostream& out_;
    std::ostream& err_;
    const GlobalOptions& options_;
    TerminalUserInterface ui_;
    std::unique_ptr<Application> app_;
};

}  // namespace vemla
