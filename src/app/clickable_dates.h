// What a click on a date row's value puts into the entry boxes, and the rules
// of the element and animal boxes: when they may be used, and the text of the
// element-animal search target they describe.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vemla {

// The boxes a click on a row's value fills.
struct RowEntry {
    std::string date;                 // txbDate
    std::optional<std::string> time;  // txbTime; none leaves the box as it is
    int zone = -1;                    // cboTimeZone
    int element = 0;                  // cboElement
    int animal = 0;                   // cboAnimal
};

// The entry for the value caption of the row of `calendar` (kCalCE ..).
// Calendar rows give the date up to its code and the hh:mm of the caption;
// Julian-date rows give the whole caption and an empty time.
RowEntry EntryFromRowValue(int calendar, std::string_view caption);

// Whether the element and animal boxes can be used: for a lunar date whose
// position is unknown ("-?-" with "chl" in any case), or while an
// element-animal search target is chosen.
bool ElementAnimalBoxesEnabled(std::string_view date_text, int target_index);

// Whether a search-target index is one of the three element-animal targets.
bool IsElementAnimalTarget(int target_index);

// The text of element-animal target k (0 day, 1 month, 2 year) for the
// element and animal chosen (the empty last items when none):
// "Element-animal day", "Element-rat (-zi) day", "wood-rat (jia-zi) year"...
std::string ElementAnimalTargetText(int k, int element, int animal);

}  // namespace vemla
