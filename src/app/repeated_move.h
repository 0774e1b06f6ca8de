// The Move button: a single step, or with "repeatedly" checked a run of
// steps paced by the Clock timer, with Pause, Resume and Stop.
//
// The run is a small state machine driven by events rather than a loop:
// Move makes the first step at once; each Tick() of the timer makes the next
// one; Pause, Resume and Stop act between steps. The timer itself belongs to
// the window (or to a test): it runs while TimerRunning() is true, at
// TimerIntervalMs(), and restarts its period whenever TimerStarts() has
// grown. While a run lasts the rest of the main window is locked.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/main_state.h"
#include "app/mover.h"
#include "app/user_interface.h"

namespace vemla {

inline constexpr std::string_view kStopCaption = "Stop";
inline constexpr std::string_view kPauseCaption = "Pause";
inline constexpr std::string_view kResumeCaption = "Resume";
inline constexpr std::string_view kRefreshPeriodCaption = "Refresh period (in seconds):";
inline constexpr std::string_view kEarliestExceededText = "Earliest date exceeded.";
inline constexpr std::string_view kLatestExceededText = "Latest date exceeded.";

// The refresh periods of kRefreshPeriodItems in milliseconds.
inline constexpr std::array<int, 5> kRefreshPeriodMs = {200, 500, 1000, 2000, 5000};
static_assert(kRefreshPeriodMs.size() == kRefreshPeriodItems.size());

enum class RunState { kIdle, kRunning, kPaused };

class RepeatedMove {
  public:
    // Hides the Stop/Pause frame: no run at first.
    RepeatedMove(MainState& main, UserInterface& ui, Mover& mover);
    RepeatedMove(const RepeatedMove&) = delete;
    RepeatedMove& operator=(const RepeatedMove&) = delete;

    // The Move button: takes over a typed date, then makes one step, or
    // starts a run when "repeatedly" is checked.
    void Move();
    // The Clock timer fired: the next step of a run is due.
    void Tick();
    // The Stop button: ends the run.
    void Stop();
    // The Pause/Resume button.
    void PauseResume();
    // A refresh period is chosen; while paused it becomes the timer's interval.
    void SelectRefreshPeriod(int index);

    RunState State() const { return state_; }
    bool TimerRunning() const { return timer_running_; }
    int TimerIntervalMs() const { return interval_ms_; }
    // How often the timer was (re)started; each start begins a new period.
    uint64_t TimerStarts() const { return timer_starts_; }
    // F1 on the Pause/Resume button opens the help only while it reads "Resume".
    bool PauseResumeF1OpensHelp() const { return state_ == RunState::kPaused; }

    // Enables or disables the controls a run locks.
    void EnableControls(bool enabled);

  private:
    void EnterRun();
    // The step that is due, and what follows it: the bounds of a run, its end.
    void StepIfDue();
    // What Stop does to the flags and the frame; the caller ends the move.
    void StopRun();
    void EndMove();
    void StartTimer();
    void StopTimer();
    int SelectedPeriodMs() const;

    MainState& main_;
    UserInterface& ui_;
    Mover& mover_;

    RunState state_ = RunState::kIdle;
    bool tick_ = false;      // a step is due
    bool error_ = false;     // a step of this move failed
    bool stepping_ = false;  // a step is being made (its messages may let a tick in)
    bool timer_running_ = false;
    int interval_ms_ = 1000;
    uint64_t timer_starts_ = 0;
};

}  // namespace vemla
