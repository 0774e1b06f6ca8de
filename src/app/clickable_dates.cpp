#include "app/clickable_dates.h"

#include "app/date_entry.h"
#include "app/settings.h"
#include "engine/cycles.h"

namespace vemla {
namespace {

std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Index of the first name (in table order) found in the text, else `none`.
template <size_t N>
int FirstNameIn(const std::string& text, const std::array<std::string_view, N>& names, int none) {
    for (size_t i = 0; i < N; ++i)
        if (text.find(names[i]) != std::string::npos) return static_cast<int>(i);
    return none;
}

bool IsCalendarRow(int calendar) {
    return calendar == kCalCE || calendar == kCalCEX || calendar == kCalJC || calendar == kCalCHL ||
           calendar == kCalCHS;
}

}  // namespace

RowEntry EntryFromRowValue(int calendar, std::string_view caption) {
    RowEntry entry;
    entry.element = kNoElement;
    entry.animal = kNoAnimal;
    if (calendar < 0 || calendar >= static_cast<int>(kCalendarCodes.size())) return entry;

    if (!IsCalendarRow(calendar)) {
        entry.date = std::string(caption);
        entry.time = "";
        return entry;
    }
    const std::string_view code = kCalendarCodes[calendar];
    const size_t pos = caption.find(code);
    if (pos != std::string_view::npos)
        entry.date = std::string(caption.substr(0, pos + code.size()));
    if (const size_t colon = caption.find(':'); colon != std::string_view::npos) {
        const size_t start = colon >= 2 ? colon - 2 : 0;
        entry.time = std::string(caption.substr(start, 5));
    }
    entry.zone = calendar == kCalCEX                          ? kZoneLocal
                 : calendar == kCalCHL || calendar == kCalCHS ? kZoneMeridian
                                                              : kZoneGMT;
    if (calendar == kCalCHL || calendar == kCalCHS) {
        const std::string lower = LowerCase(caption);
        entry.element = FirstNameIn(lower, kElementNames, kNoElement);
        entry.animal = FirstNameIn(lower, kAnimalNames, kNoAnimal);
    }
    return entry;
}

bool IsElementAnimalTarget(int target_index) {
    return target_index >= kFirstElementAnimalTarget &&
           target_index <= kFirstElementAnimalTarget + 2;
}

bool ElementAnimalBoxesEnabled(std::string_view date_text, int target_index) {
    if (IsElementAnimalTarget(target_index)) return true;
    return date_text.find("-?-") != std::string_view::npos &&
           LowerCase(date_text).find("chl") != std::string::npos;
}

std::string ElementAnimalTargetText(int k, int element, int animal) {
    const bool has_element = element >= 0 && element < kNoElement;
    const bool has_animal = animal >= 0 && animal < kNoAnimal;
    std::string text = has_element ? std::string(kElementNames[element]) : "Element";
    text += "-";
    text += has_animal ? std::string(kAnimalNames[animal]) : "animal";
    if (has_element || has_animal) {
        text += " (";
        if (has_element && has_animal)
            text += StemBranchText(PositionOf(element, animal));
        else if (has_animal)
            text += "-" + std::string(kBranchNames[animal]);
        else
            text += std::string(kStemNames[2 * element]) + "-, " +
                    std::string(kStemNames[2 * element + 1]) + "-";
        text += ")";
    }
    static constexpr std::string_view kUnits[] = {" day", " month", " year"};
    if (k >= 0 && k <= 2) text += kUnits[k];
    return text;
}

}  // namespace vemla
