#include "app/searcher.h"

#include <cmath>
#include <string>

#include "app/event_search.h"
#include "app/log_entries.h"
#include "app/move_step.h"
#include "app/repeated_move.h"
#include "common/strproc.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"
#include "engine/stepping.h"

namespace vemla {
namespace {

// A typed moment closer than this to the displayed one (about a minute) is
// taken for the displayed one.

}  // namespace

void EventSearcher::Search() {
    if (!main_.TakeOverTypedDate()) return;
    main_.SetClockEnabled(false);
    const int target = main_.CurrentSettings().target_index;
    const bool next = main_.CurrentSettings().next;
    const double x = main_.CurrentAJD();

    switch (target) {
        case kTargetFullMoon:
            Show(FindPhase(x, kFullMoon, next));
            return;
        case kTargetDarkMoon:
            Show(FindPhase(x, kDarkMoon, next));
            return;
        case kTargetLunarQuarter:
            Show(FindLunarQuarter(x, next));
            return;
        case kTargetLunarNewYear:
            SearchLunarNewYear(next);
            return;
        case kTargetWinterSolstice:
        case kTargetVernalEquinox:
        case kTargetSummerSolstice:
        case kTargetAutumnalEquinox:
        case kTargetSolsticeOrEquinox:
        case kTargetSolarTerm:
            if (auto found = FindSolarTerm(main_.Engine(), x, target, next)) Show(*found);
            return;
        case kTargetTermDarkMoon:
        case kTargetTermFullMoon:
        case kTargetWinterSolsticeDarkMoon:
        case kTargetQuarterDarkMoon:
        case kTargetQuarterFullMoon:
            SearchCoincidence(target, next);
            return;
        case kTargetElementAnimalDay:
        case kTargetElementAnimalMonth:
        case kTargetElementAnimalYear:
        case kTargetTripleElementAnimal:
            SearchElementAnimal(target, next);
            return;
        default:
            return;
    }
}

std::optional<ChDate> EventSearcher::DisplayedLunarDate() {
    const auto chl =
        main_.Engine().CJDateToChLDate(AJDToCJDC(main_.CurrentAJD(), main_.Longitude()));
    if (!chl) return std::nullopt;
    return *chl;
}

void EventSearcher::SetSearching(std::string_view text, bool repaint) {
    main_.SetSearchingText(text);
    if (repaint && repaint_searching) repaint_searching();
}

void EventSearcher::Show(double ajd) {
    // Searches are not bound to the typed range, but they stay in the years
    // the engine lays out (and a saved state can hold).
    if (!InEngineMoments(ajd)) {
        const bool later = ajd > main_.CurrentAJD();
        ui_.ShowMessage(std::string(kOutOfRangeTitle),
                        std::string(later ? kLatestExceededText : kEarliestExceededText),
                        MessageIcon::kExclamation, MessageButtons::kOk);
        return;
    }
    main_.SetCurrentAJD(ajd);
    main_.RedisplayAndLog(kLogSearch);
}

void EventSearcher::ShowNoonOf(int32_t day) {
    Show(NoonAtMeridian(day, main_.Longitude()));
}

void EventSearcher::SearchLunarNewYear(bool next) {
    const auto chl = DisplayedLunarDate();
    if (!chl) {
        ui_.ShowMessage("", std::string(kLunarDateInvalidText), MessageIcon::kNone,
                        MessageButtons::kOk);
        main_.RedisplayAndLog(kLogSearch);
        return;
    }
    if (auto day = FindLunarNewYear(main_.Engine(), *chl, next)) ShowNoonOf(*day);
}

void EventSearcher::SearchCoincidence(int target, bool next) {
    SetSearching(kSearchingText, false);
    auto blink = [this](int n) {
        if (n % kBlinkCandidates == 0)
            SetSearching(n % (2 * kBlinkCandidates) == 0 ? "" : kSearchingText, true);
    };
    const auto found =
        FindPhaseOnTermStart(main_.Engine(), main_.CurrentAJD(), target, next, blink);
    if (!found) {
        ui_.ShowMessage(std::string(kSearchFailedTitle), std::string(kNoCoincidenceText),
                        MessageIcon::kNone, MessageButtons::kOk);
        SetSearching("", true);
        return;
    }
    SetSearching("", false);
    Show(*found);
}

void EventSearcher::SearchElementAnimal(int target, bool next) {
    const Settings& settings = main_.CurrentSettings();
    const ElementAnimalChoice choice{settings.element_index, settings.animal_index};
    if (target != kTargetTripleElementAnimal && choice.Open()) {
        ui_.ShowMessage(std::string(kChoiceMissingTitle), std::string(kChoiceMissingText),
                        MessageIcon::kExclamation, MessageButtons::kOk);
        return;
    }
    CalendarEngine& engine = main_.Engine();
    const int32_t today = DayNumberOf(AJDToCJDC(main_.CurrentAJD(), main_.Longitude()));
    std::optional<int32_t> day;
    switch (target) {
        case kTargetElementAnimalDay:
            day = FindElementAnimalDay(today, choice, next);
            break;
        case kTargetElementAnimalMonth: {
            SetSearching(kSearchingText, false);
            if (const auto chl = DisplayedLunarDate())
                day = FindElementAnimalMonth(engine, *chl, choice, next);
            SetSearching("", true);
            break;
        }
        case kTargetElementAnimalYear: {
            if (const auto chl = DisplayedLunarDate())
                day = FindElementAnimalYear(engine, *chl, choice, next);
            break;
        }
        default:
            SetSearching(kSearchingText, true);
            if (const auto found = FindTripleCoincidence(engine, today, next)) day = *found;
            SetSearching("", true);
            break;
    }
    if (day) ShowNoonOf(*day);
}

}  // namespace vemla
