// The move panel of the main window: direction, step kind and the keep
// options, one step of the selected kind with its messages, redisplay and
// log entry, and the one-day move. Repeating steps is RepeatedMove's job.
//
// The text colour of the direction options and of the check boxes follows
// their state: highlighted when selected or checked.
#pragma once

#include <string_view>

#include "app/main_state.h"
#include "app/move_step.h"
#include "app/user_interface.h"

namespace vemla {

inline constexpr std::string_view kMoveCaption = "Move";
inline constexpr std::string_view kMoveOneDayCaption = "one day";
inline constexpr std::string_view kForwardCaption = "forward";
inline constexpr std::string_view kBackCaption = "back";
inline constexpr std::string_view kRepeatedlyCaption = "repeatedly";
inline constexpr std::string_view kKeep30thCaption = "keep 30th";
inline constexpr std::string_view kKeepLeapCaption = "keep leap";

inline constexpr std::string_view kLatestReachedText = "Latest date reached.";
inline constexpr std::string_view kEarliestReachedText = "Earliest date reached.";

class Mover {
  public:
    Mover(MainState& main, UserInterface& ui);
    Mover(const Mover&) = delete;
    Mover& operator=(const Mover&) = delete;

    // --- The panel's controls --------------------------------------------
    void SelectDirection(bool forward);  // a direction option is clicked
    void SelectStep(int index);          // a step is chosen
    void SetRepeatedly(bool checked);
    void SetKeep30th(bool checked);
    void SetKeepLeap(bool checked);
    // One step of the selected kind: its message if any, then, unless the
    // move ends, the new (or, after an error, the same) moment displayed
    // and logged.
    StepResult MoveStep();
    // The "one day" button: exactly one day, never repeated.
    void MoveOneDay();

    // Availability of the keep options, from the displayed CHL date, the
    // step kind and the repeatedly box.
    void UpdateKeep30th();
    void UpdateKeepLeap();

  private:
    bool WindowShown() const { return main_.StartupCompleted(); }
    bool KeepOption(Control box, bool checked) const;
    void SetKeepAvailable(Control box, bool available);

    MainState& main_;
    UserInterface& ui_;
};

}  // namespace vemla
