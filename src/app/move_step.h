// One step of the move panel, computed from the displayed moment and the
// displayed Chinese dates: the fourteen step kinds with their day frames,
// their limit checks and the messages a step can end with. Pure: the caller
// shows the message and applies the outcome.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/user_interface.h"
#include "engine/chinese_dates.h"

namespace vemla {

// Step kinds: the list positions of the step box (kMoveStepItems).
enum MoveStepKind : int {
    kStepMinute = 0,
    kStepHour = 1,
    kStepDay = 2,
    kStepCEMonth = 3,
    kStepCEYear = 4,
    kStepCECentury = 5,
    kStepCHLMonth = 6,
    kStepCHLYear = 7,
    kStepCHLCycle = 8,
    kStepCHSTerm = 9,
    kStepCHSYear = 10,
    kStepCHSCycle = 11,
    kStep60Days = 12,
    kStepJC80Years = 13,
};

// Chinese steps start only from cycles within these; European steps only
// from years within these.
inline constexpr int32_t kMinMoveCycle = 0;
inline constexpr int32_t kMaxMoveCycle = 96;
inline constexpr int32_t kMinMoveYear = -3000;
inline constexpr int32_t kMaxMoveYear = 3000;

inline constexpr std::string_view kOutOfRangeTitle = "Out of range";
inline constexpr std::string_view kEarliestAdmissibleText = "Earliest admissible date reached.";
inline constexpr std::string_view kLatestAdmissibleText = "Latest admissible date reached.";
inline constexpr std::string_view kInabilityTitle = "Inability";
inline constexpr std::string_view kInvalidTitle = "Invalid";
inline constexpr std::string_view kLunarDateInvalidText = "Lunar date is invalid.";
inline constexpr std::string_view kSolarDateInvalidText = "Solar date is invalid.";

// True when a step from this cycle (or year) in this direction is refused.
bool CheckCycleLimit(int32_t cycle, bool forward);
bool CheckYearLimit(int32_t year, bool forward);

// "Unable to add a lunar month." / "Unable to subtract a lunar month."
std::string InabilityText(bool forward, std::string_view unit);

enum class StepResult {
    kMoved,   // the moment moved
    kFailed,  // an error: the same moment is redisplayed and logged, and a run stops
    kEnded,   // refused or failed so that the move ends at once: nothing changes
};

// A message box the step ends with; an empty title is the program's default.
struct StepMessage {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::kNone;
};

struct StepOutcome {
    StepResult result = StepResult::kEnded;
    double ajd = 0.0;   // the moment after the step (kMoved, kFailed)
    int calendar = -1;  // the calendar the step worked in, or -1 to keep the current one
    std::optional<StepMessage> message;
};

struct StepRequest {
    int step = kStepDay;
    bool forward = true;
    double ajd = 0.0;           // the displayed moment
    std::string_view chl_text;  // the displayed CHL value, read by the CHL steps
    std::string_view chs_text;  // the displayed CHS value, read by the CHS steps
    bool keep_30th = false;     // the option is available and checked
    bool keep_leap = false;
};

// The step. Calendar steps keep the time of day of their day frame: London
// for the CE and JC steps, the engine's prime meridian for the Chinese ones.
StepOutcome MakeMoveStep(CalendarEngine& engine, const StepRequest& request);

}  // namespace vemla
