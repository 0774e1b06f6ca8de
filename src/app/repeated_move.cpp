#include "app/repeated_move.h"

namespace vemla {
namespace {

// The list buttons and Now, hidden while a run lasts.
constexpr Control kHiddenDuringRun[] = {Control::kListJulianCENewYears, Control::kDisplayYearData,
                                        Control::kListLunarNewYears, Control::kListLeapMonths,
                                        Control::kNow};

}  // namespace

RepeatedMove::RepeatedMove(MainState& main, UserInterface& ui, Mover& mover)
    : main_(main), ui_(ui), mover_(mover) {
    main_.SetControlVisible(Control::kStopPauseResume, false);
}

void RepeatedMove::Move() {
    if (state_ != RunState::kIdle || stepping_) return;
    if (!main_.TakeOverTypedDate()) return;
    const bool repeat = main_.CurrentSettings().repeatedly;
    main_.SetRepeat(repeat);
    error_ = false;
    if (repeat) EnterRun();
    tick_ = true;
    StepIfDue();
}

void RepeatedMove::EnterRun() {
    EnableControls(false);
    for (Control c : kHiddenDuringRun) main_.SetControlVisible(c, false);
    main_.SetControlEnabled(Control::kEpoch, false);

    main_.SetPauseResumeCaption(kPauseCaption);
    state_ = RunState::kRunning;
    main_.SetControlEnabled(Control::kRefreshPeriod, false);
    main_.SetControlVisible(Control::kStopPauseResume, true);
    main_.SetFocus(Focus::kStop);

    StopTimer();
    interval_ms_ = SelectedPeriodMs();
    StartTimer();
    error_ = false;
}

void RepeatedMove::Tick() {
    if (!main_.Repeat()) return;
    tick_ = true;
    StepIfDue();
}

void RepeatedMove::StepIfDue() {
    // A tick that comes while a step shows a message waits for the step's end.
    if (stepping_) return;
    while (tick_ && state_ != RunState::kPaused) {
        // Cleared before the step, so that ticks during the step count as one.
        tick_ = false;
        stepping_ = true;
        const StepResult result = mover_.MoveStep();
        stepping_ = false;
        if (result == StepResult::kEnded) {
            EndMove();
            return;
        }
        if (result == StepResult::kFailed) error_ = true;

        if (main_.Repeat()) {
            const double ajd = main_.CurrentAJD();
            if (ajd < kMinAJDate || ajd > kMaxAJDate) {
                StopRun();
                ui_.ShowMessage(
                    std::string(kOutOfRangeTitle),
                    std::string(ajd < kMinAJDate ? kEarliestExceededText : kLatestExceededText),
                    MessageIcon::kExclamation, MessageButtons::kOk);
                EndMove();
                return;
            }
        }
        if (error_) main_.SetRepeat(false);
        if (!main_.Repeat()) {
            EndMove();
            return;
        }
    }
}

void RepeatedMove::Stop() {
    const bool in_move = state_ != RunState::kIdle;
    StopRun();
    // During a step (behind one of its messages) the step ends the move.
    if (in_move && !stepping_) EndMove();
}

void RepeatedMove::StopRun() {
    main_.SetRepeat(false);
    if (state_ == RunState::kPaused) state_ = RunState::kRunning;
    main_.SetControlVisible(Control::kStopPauseResume, false);
}

void RepeatedMove::PauseResume() {
    if (state_ == RunState::kRunning) {
        main_.SetPauseResumeCaption(kResumeCaption);
        state_ = RunState::kPaused;
        main_.SetControlEnabled(Control::kRefreshPeriod, true);
        StopTimer();
        main_.SetFocus(Focus::kPauseResume);
    } else if (state_ == RunState::kPaused) {
        main_.SetPauseResumeCaption(kPauseCaption);
        state_ = RunState::kRunning;
        main_.SetControlEnabled(Control::kRefreshPeriod, false);
        interval_ms_ = SelectedPeriodMs();
        StartTimer();
        main_.SetFocus(Focus::kStop);
        StepIfDue();  // a tick that came before the pause
    }
}

void RepeatedMove::SelectRefreshPeriod(int index) {
    if (index < 0 || index >= static_cast<int>(kRefreshPeriodItems.size())) return;
    main_.MutableSettings().refresh_period_index = index;
    if (!main_.StartupCompleted() || main_.Initializing() || state_ != RunState::kPaused) return;
    interval_ms_ = SelectedPeriodMs();  // the timer stays stopped until Resume
    main_.SetFocus(Focus::kPauseResume);
}

void RepeatedMove::EndMove() {
    main_.SetRepeat(false);
    state_ = RunState::kIdle;
    tick_ = false;
    if (main_.CurrentSettings().repeatedly) mover_.SetRepeatedly(false);
    StopTimer();

    EnableControls(true);
    for (Control c : kHiddenDuringRun) main_.SetControlVisible(c, true);
    main_.SetControlEnabled(Control::kEpoch, true);
    // Whatever ended the move, the run's own controls go back to rest.
    main_.SetControlVisible(Control::kStopPauseResume, false);
    main_.SetPauseResumeCaption(kPauseCaption);
    main_.SetControlEnabled(Control::kRefreshPeriod, true);

    const bool has_log = !main_.LogIsEmpty();
    main_.SetControlVisible(Control::kViewLog, has_log);
    main_.SetControlVisible(Control::kClearLog, has_log);
    main_.CmdSaveStateEnabled(true);
    main_.MoveSetFocus();
}

void RepeatedMove::EnableControls(bool enabled) {
    for (Control c :
         {Control::kMoveFrame, Control::kMove, Control::kMoveOneDay, Control::kConvertFrame,
          Control::kCompute, Control::kClearDate, Control::kSearchFrame, Control::kSearch,
          Control::kReset, Control::kAddToLog, Control::kLogPreferences, Control::kViewLog,
          Control::kClearLog, Control::kHelp, Control::kQuit, Control::kSaveState,
          Control::kRestoreState}) {
        const bool only_if_visible = c == Control::kViewLog || c == Control::kClearLog;
        if (only_if_visible && !main_.View().control(c).visible) continue;
        main_.SetControlEnabled(c, enabled);
    }
}

void RepeatedMove::StartTimer() {
    timer_running_ = true;
    ++timer_starts_;
    main_.SetClockEnabled(true);
}

void RepeatedMove::StopTimer() {
    timer_running_ = false;
    main_.SetClockEnabled(false);
}

int RepeatedMove::SelectedPeriodMs() const {
    const int index = main_.CurrentSettings().refresh_period_index;
    if (index < 0 || index >= static_cast<int>(kRefreshPeriodMs.size())) return 1000;
    return kRefreshPeriodMs[index];
}

}  // namespace vemla
