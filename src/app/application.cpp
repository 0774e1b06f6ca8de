#include "app/application.h"

#include "app/extra_settings.h"
#include "app/state_file_io.h"
#include "common/web_links.h"

namespace vemla {
namespace {

constexpr std::string_view kRestoreTitle = "Restore state";
constexpr std::string_view kChineseCharactersTitle = "Chinese characters";

}  // namespace

std::variant<std::unique_ptr<Application>, std::string> Application::Create(
    UserInterface& ui, ApplicationPaths paths) {
    ProgramTextStore texts;
    ProgramTextLoad load = LoadProgramText(texts, paths.executable_folder);
    if (!load.ok()) return load.message;
    return std::unique_ptr<Application>(new Application(ui, std::move(paths), std::move(texts)));
}

Application::Application(UserInterface& ui, ApplicationPaths paths, ProgramTextStore texts)
    : ui_(ui),
      paths_(std::move(paths)),
      texts_(std::move(texts)),
      main_(std::make_unique<MainState>(ui, texts_.GetText(1))),
      preferences_(main_->LogPrefs()),
      mover_(*main_, ui),
      run_(*main_, ui, mover_),
      searcher_(*main_, ui),
      lists_(ui, *main_, ListWindowTexts::From(texts_)) {
    main_->manual_file = FindManual(paths_.executable_folder);
    main_->log_is_empty = [this] { return log_.Text().empty(); };
    main_->auto_log = [this](int kind) {
        log_.AutoLog(kind, MakeAutoLogInputs(), MakeLogContext(), main_->Engine(),
                     main_->LogPrefs());
        // An entry shows View log and Clear log at once, as Add to log does.
        if (log_.LogButtonsVisible()) {
            main_->SetControlVisible(Control::kViewLog, true);
            main_->SetControlVisible(Control::kClearLog, true);
        }
    };
    main_->update_keep_30th = [this] { mover_.UpdateKeep30th(); };
}

void Application::Startup() {
    if (settings_file_)
        main_->SetChineseCharacters(
            LoadExtraSettings(*settings_file_).Flag(kChineseCharactersKey, false));
    main_->Startup([this](MainState&) { return RestoreState(false); });
    // "keep leap" is offered only where it can act, from the first display on.
    mover_.UpdateKeepLeap();
}

void Application::SetChineseCharacters(bool on) {
    main_->SetChineseCharacters(on);
    if (!settings_file_) return;
    // Read again rather than cached, so that keys written by another copy of
    // the program in the meantime are kept.
    ExtraSettings settings = LoadExtraSettings(*settings_file_);
    settings.SetFlag(kChineseCharactersKey, on);
    if (auto error = SaveExtraSettings(*settings_file_, settings))
        ui_.ShowMessage(std::string(kChineseCharactersTitle),
                        "Unable to remember the setting: " + error->description,
                        MessageIcon::kExclamation, MessageButtons::kOk);
}

LogContext Application::MakeLogContext() const {
    const MainState& m = *main_;
    LogContext context;
    context.ajd = m.CurrentAJD();
    context.window_caption = m.WindowCaption();
    context.epoch_method = m.EpochMethod(true);
    context.ce_caption = m.ValueCaption(kCalCE);
    context.jc_caption = m.ValueCaption(kCalJC);
    context.chl_caption = m.ValueCaption(kCalCHL);
    context.chs_caption = m.ValueCaption(kCalCHS);
    context.phase_caption = m.PhaseCaption();
    context.age_caption = m.AgeCaption();
    return context;
}

AutoLogInputs Application::MakeAutoLogInputs() const {
    const Settings& s = main_->CurrentSettings();
    AutoLogInputs inputs;
    inputs.auto_log = s.auto_log;
    inputs.plus_minus_text = main_->PlusMinusText();
    inputs.plus = s.plus;
    inputs.move_forward = s.move_forward;
    if (s.move_step_index >= 0 && s.move_step_index < static_cast<int>(kMoveStepItems.size()))
        inputs.move_step_item = kMoveStepItems[s.move_step_index];
    inputs.next = s.next;
    if (s.target_index >= 0 && s.target_index < static_cast<int>(kTargetItems.size()))
        inputs.target_item = kTargetItems[s.target_index];
    return inputs;
}

void Application::AddToLog() {
    log_.AddToLogOnRequest(MakeLogContext(), main_->Engine(), main_->LogPrefs());
    main_->SetTheFocus();
}

void Application::ViewLog() {
    if (log_.Text().empty()) {
        ui_.ShowMessage("View Log", "Log is empty", MessageIcon::kInformation, MessageButtons::kOk);
        main_->SetTheFocus();
        return;
    }
    log_.Show();
}

void Application::ClearLog() {
    log_.Clear(ui_);
    main_->SetTheFocus();
}

void Application::ClosePreferences() {
    preferences_.Close();
    main_->CmdSaveStateEnabled(true);
    main_->SetTheFocus();
}

void Application::SaveState() {
    const SavedState state =
        CaptureState(main_->CurrentAJD(), main_->Calendar(), main_->CurrentSettings(),
                     main_->LogPrefs(), main_->Abbreviations());
    std::optional<FileError> error;
    if (paths_.state_file)
        error = SaveStateFile(*paths_.state_file, FormatStateFile(state));
    else
        error = FileError{ENOENT, "no folder for the state file"};
    if (error) {
        ui_.ShowMessage("Save state",
                        "Error when attempting to save the state: " + error->description,
                        MessageIcon::kExclamation, MessageButtons::kOk);
        main_->CmdSaveStateEnabled(true);
        return;
    }
    main_->CmdSaveStateEnabled(false);
    main_->SetTheFocus();
}

void Application::ApplyState(const SavedState& s, bool apply_log_configuration) {
    MainState& m = *main_;
    m.SetCurrentAJD(s.moment);
    m.SetCalendar(s.calendar);
    Settings& settings = m.MutableSettings();
    settings.move_forward = s.move_forward;
    settings.plus = s.plus;
    settings.next = s.next;
    settings.move_step_index = s.move_step_index;
    settings.refresh_period_index = s.refresh_period_index;
    m.SetTargetIndex(s.target_index);
    m.SetMethodIndex(s.method_index);
    m.SetTimeZoneIndex(-1);
    // A restored state never resumes a repeated move nor keeps day 30 or the
    // leap month.
    settings.repeatedly = false;
    settings.keep_30th = false;
    settings.keep_leap = false;
    m.SetControlVisible(Control::kKeep30th, false);
    m.SetControlVisible(Control::kKeepLeap, false);
    m.SetEpochIndex(s.EpochIndex());
    if (apply_log_configuration) m.LogPrefs() = s.log;
    m.SetShowLocal(s.show_local);
    m.SetShowCJDs(s.show_cjds);
    m.SetAutoLog(s.auto_log);
    m.MutableAbbreviations() = s.abbreviations;
    m.SetLongitudeIndex(s.longitude_index);
    m.ApplySettings();
}

bool Application::RestoreState(bool ask_about_log) {
    if (!paths_.state_file) return false;
    auto read = ReadStateFile(*paths_.state_file);
    if (!std::holds_alternative<std::string>(read)) return false;
    ParsedState parsed = ParseStateFile(std::get<std::string>(read));
    if (!parsed) return false;
    bool apply_log = true;
    if (ask_about_log)
        apply_log =
            ui_.ShowMessage(std::string(kRestoreTitle), "Restore previous log configuration also?",
                            MessageIcon::kQuestion, MessageButtons::kYesNo) == MessageAnswer::kYes;
    ApplyState(*parsed.state, apply_log);
    return true;
}

void Application::RestoreStateButton() {
    if (!RestoreState(true)) {
        ui_.ShowMessage(std::string(kRestoreTitle), "Unable to restore the saved state.",
                        MessageIcon::kExclamation, MessageButtons::kOk);
        return;
    }
    main_->DisplayAll();
    main_->CmdSaveStateEnabled(false);
}

}  // namespace vemla
