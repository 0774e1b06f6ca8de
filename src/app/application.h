// The whole program without its windows: the program texts, the main
// window's state, the log with its preferences, and the saved state. The
// desktop program and the command line each build one and forward the
// user's actions to it.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "app/list_window.h"
#include "app/log_entries.h"
#include "app/log_model.h"
#include "app/log_preferences_dialog.h"
#include "app/main_state.h"
#include "app/mover.h"
#include "app/repeated_move.h"
#include "app/searcher.h"
#include "app/state_file.h"
#include "app/user_interface.h"
#include "common/program_text.h"

namespace vemla {

inline constexpr std::string_view kStateFileName = "vemla.usr";
inline constexpr std::string_view kStateFolderName = "Tarvolin_Systems";

struct ApplicationPaths {
    std::filesystem::path executable_folder;          // where the program texts are looked for
    std::optional<std::filesystem::path> state_file;  // none: nothing is restored or saved
};

class Application {
  public:
    // Loads the program texts; when that fails, the message to show (with
    // the critical icon and an empty title) before the program ends.
    static std::variant<std::unique_ptr<Application>, std::string> Create(UserInterface& ui,
                                                                          ApplicationPaths paths);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The main window's start-up: the saved state if it restores, else Reset
    // and the present moment.
    void Startup();

    MainState& Main() { return *main_; }
    LogModel& Log() { return log_; }
    LogPreferencesDialog& Preferences() { return preferences_; }
    EventSearcher& Searcher() { return searcher_; }
    ListWindow& Lists() { return lists_; }
    const ProgramTextStore& Texts() const { return texts_; }
    // The move panel: its controls, the one-day move; and the Move button
    // with its repeated runs.
    vemla::Mover& Mover() { return mover_; }
    vemla::RepeatedMove& RepeatedMove() { return run_; }

    // The buttons of the main window that reach the log and the saved state.
    void AddToLog();
    void ViewLog();
    void ClearLog();
    void ClosePreferences();
    void SaveState();
    void RestoreStateButton();
    // The file of the settings beyond the state file (ExtraSettings), read by
    // Startup; without one, the defaults apply and nothing is remembered.
    void SetSettingsFile(std::filesystem::path path) { settings_file_ = std::move(path); }
    // The option "Chinese characters", remembered at once in the settings file.
    void SetChineseCharacters(bool on);

    // Reads and applies the saved state; `ask_about_log` asks whether the log
    // configuration comes back too. Nothing changes unless the whole file is
    // sound.
    bool RestoreState(bool ask_about_log);
    // Applies a state read from a file (the command line's --state).
    void ApplyState(const SavedState& state, bool apply_log_configuration);

    // What a log entry reads from the main window.
    LogContext MakeLogContext() const;
    AutoLogInputs MakeAutoLogInputs() const;

  private:
    Application(UserInterface& ui, ApplicationPaths paths, ProgramTextStore texts);

    UserInterface& ui_;
    ApplicationPaths paths_;
    std::optional<std::filesystem::path> settings_file_;
    ProgramTextStore texts_;
    std::unique_ptr<MainState> main_;
    LogModel log_;
    LogPreferencesDialog preferences_;
    vemla::Mover mover_;
    vemla::RepeatedMove run_;
    EventSearcher searcher_;
    ListWindow lists_;
};

}  // namespace vemla
