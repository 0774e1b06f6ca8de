// The search panel's "Search for" button: takes over a typed date, finds the
// next or previous event of the selected target from the displayed moment
// (event_search.h), makes it the displayed moment and logs it; or says why it
// cannot.
//
// A search runs to its end without letting other events run. While the
// longer ones run, the main view's searching label shows "Searching ..." and
// blinks; `repaint_searching` asks the window to repaint that label at once.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "app/main_state.h"
#include "app/move_step.h"  // kLunarDateInvalidText, shared with the moves
#include "app/user_interface.h"

namespace vemla {

inline constexpr std::string_view kSearchingText = "Searching ...";
inline constexpr std::string_view kSearchFailedTitle = "Failed";
inline constexpr std::string_view kNoCoincidenceText = "Cannot find required dark moon.";
inline constexpr std::string_view kChoiceMissingTitle = "Error";
inline constexpr std::string_view kChoiceMissingText =
    "You must specify an element, an animal or both.";

// Candidates of a coincidence search between two changes of the blinking
// searching label.
inline constexpr int kBlinkCandidates = 16;

class EventSearcher {
  public:
    EventSearcher(MainState& main, UserInterface& ui) : main_(main), ui_(ui) {}
    EventSearcher(const EventSearcher&) = delete;
    EventSearcher& operator=(const EventSearcher&) = delete;

    // Repaints the searching label (View().searching) at once; none by default.
    std::function<void()> repaint_searching;

    // The search for the selected target in the selected direction.
    void Search();

  private:
    // The displayed moment's lunar date; false when it has none.
    std::optional<ChDate> DisplayedLunarDate();
    void SetSearching(std::string_view text, bool repaint);
    // The found moment becomes the displayed one: redisplay, log, Save state.
    void Show(double ajd);
    void ShowNoonOf(int32_t day);

    void SearchLunarNewYear(bool next);
    void SearchCoincidence(int target, bool next);
    void SearchElementAnimal(int target, bool next);

    MainState& main_;
    UserInterface& ui_;
};

}  // namespace vemla
