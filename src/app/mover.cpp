#include "app/mover.h"

#include <cmath>

#include "app/log_entries.h"
#include "common/strproc.h"

namespace vemla {
namespace {

// A typed moment closer than this to the displayed one (about a minute) is
// taken for the displayed moment itself.

bool InRange(int index, size_t count) {
    return index >= 0 && static_cast<size_t>(index) < count;
}

}  // namespace

Mover::Mover(MainState& main, UserInterface& ui) : main_(main), ui_(ui) {}

// --- The panel's controls ---------------------------------------------------

void Mover::SelectDirection(bool forward) {
    main_.MutableSettings().move_forward = forward;
    if (!WindowShown()) return;
    main_.CmdSaveStateEnabled(true);
    main_.MoveSetFocus();
}

void Mover::SelectStep(int index) {
    if (!InRange(index, kMoveStepItems.size())) return;
    main_.MutableSettings().move_step_index = index;
    if (main_.Initializing() || !WindowShown()) return;
    UpdateKeep30th();
    UpdateKeepLeap();
    main_.CmdSaveStateEnabled(true);
    main_.MoveSetFocus();
}

void Mover::SetRepeatedly(bool checked) {
    main_.MutableSettings().repeatedly = checked;
    if (!WindowShown()) return;
    UpdateKeep30th();
    UpdateKeepLeap();
    main_.MoveSetFocus();
}

void Mover::SetKeep30th(bool checked) {
    main_.MutableSettings().keep_30th = checked;
    if (WindowShown()) main_.MoveSetFocus();
}

void Mover::SetKeepLeap(bool checked) {
    main_.MutableSettings().keep_leap = checked;
    if (WindowShown()) main_.MoveSetFocus();
}

// --- The keep options -------------------------------------------------------

bool Mover::KeepOption(Control box, bool checked) const {
    return main_.View().control(box).enabled && checked;
}

void Mover::SetKeepAvailable(Control box, bool available) {
    main_.SetControlEnabled(box, available);
    // Hidden after a restored state until it is of use again.
    if (available) main_.SetControlVisible(box, true);
}

void Mover::UpdateKeep30th() {
    const Settings& s = main_.CurrentSettings();
    const auto chl = ReadChLDateText(main_.ValueCaption(kCalCHL));
    const bool available = chl && chl->Day == 30 && s.move_step_index >= kStepCHLMonth &&
                           s.move_step_index <= kStepCHLCycle && s.repeatedly;
    SetKeepAvailable(Control::kKeep30th, available);
}

void Mover::UpdateKeepLeap() {
    const Settings& s = main_.CurrentSettings();
    const auto chl = ReadChLDateText(main_.ValueCaption(kCalCHL));
    const bool available =
        chl && chl->Leap == 1 &&
        (s.move_step_index == kStepCHLYear || s.move_step_index == kStepCHLCycle) && s.repeatedly;
    SetKeepAvailable(Control::kKeepLeap, available);
}

// --- Moving -----------------------------------------------------------------

StepResult Mover::MoveStep() {
    const Settings& s = main_.CurrentSettings();
    StepRequest request;
    request.step = s.move_step_index;
    request.forward = s.move_forward;
    request.ajd = main_.CurrentAJD();
    request.chl_text = main_.ValueCaption(kCalCHL);
    request.chs_text = main_.ValueCaption(kCalCHS);
    request.keep_30th = KeepOption(Control::kKeep30th, s.keep_30th);
    request.keep_leap = KeepOption(Control::kKeepLeap, s.keep_leap);
    const StepOutcome outcome = MakeMoveStep(main_.Engine(), request);

    if (outcome.message)
        ui_.ShowMessage(outcome.message->title, outcome.message->text, outcome.message->icon,
                        MessageButtons::kOk);
    if (outcome.result == StepResult::kEnded) return outcome.result;
    main_.SetCurrentAJD(outcome.ajd);
    if (outcome.calendar >= 0) {
        main_.SetCalendar(outcome.calendar);
        main_.HighlightCalendar();
    }
    main_.RedisplayAndLog(kLogMoveStep);
    return outcome.result;
}

void Mover::MoveOneDay() {
    if (main_.CurrentSettings().repeatedly) SetRepeatedly(false);
    const bool forward = main_.CurrentSettings().move_forward;
    const double ajd = main_.CurrentAJD();
    if (forward ? ajd + 1.0 > kMaxAJDate : ajd - 1.0 < kMinAJDate) {
        ui_.ShowMessage(std::string(kOutOfRangeTitle),
                        std::string(forward ? kLatestReachedText : kEarliestReachedText),
                        MessageIcon::kExclamation, MessageButtons::kOk);
        return;
    }
    main_.SetCurrentAJD(forward ? ajd + 1.0 : ajd - 1.0);
    main_.RedisplayAndLog(kLogOneDayMove);
    const bool has_log = !main_.LogIsEmpty();
    main_.SetControlVisible(Control::kViewLog, has_log);
    main_.SetControlVisible(Control::kClearLog, has_log);
    main_.CmdSaveStateEnabled(true);
    main_.MoveSetFocus();
}

}  // namespace vemla
