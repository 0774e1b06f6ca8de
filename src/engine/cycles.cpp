#include "engine/cycles.h"

#include <cctype>

#include "engine/arithmetic.h"

namespace vemla {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
    return true;
}

}  // namespace

std::string TimeZoneAbbreviation(int longitude) {
    switch (longitude) {
        case 105:
            return "ICT";
        case 106:
            return "HAN";
        case 109:
            return "CHA";
        case 116:
            return "BEI";
        case 120:
            return "CCT";
        case 135:
            return "JST";
        case 140:
            return "EDO";
        default:
            break;
    }
    if (longitude < kMinLongitude || longitude > kMaxLongitude) return "";
    int index = longitude - kMinLongitude;  // [0, 45]
    return std::string("L") + static_cast<char>('0' + index / 10) +
           static_cast<char>('0' + index % 10);
}

int ElementOf(int position) {
    int64_t p = position;
    return static_cast<int>(FloorMod(FloorDiv(p + FloorMod(p, 2), 2) - 1, 5));
}

int AnimalOf(int position) {
    return static_cast<int>(FloorMod(int64_t{position} - 1, 12));
}

int StemOf(int position) {
    return static_cast<int>(FloorMod(int64_t{position} - 1, 10)) + 1;
}

int PositionOf(int element, int animal) {
    int b;
    if (animal % 2 != 0)
        b = animal > 2 * element + 1 ? 67 : 7;
    else
        b = animal > 2 * element ? 61 : 1;
    return 12 * element - 5 * animal + b;
}

Result<int, ElementAnimalTextError> PositionOfElementAnimalText(std::string_view text) {
    size_t dash = text.find('-');
    if (dash == std::string_view::npos) return Fail(ElementAnimalTextError::kUnknownName);
    std::string_view element = text.substr(0, dash);
    std::string_view animal = text.substr(dash + 1);
    for (int e = 0; e < 5; ++e) {
        if (!EqualsIgnoringCase(element, kElementNames[e])) continue;
        for (int a = 0; a < 12; ++a) {
            if (EqualsIgnoringCase(animal, kAnimalNames[a])) return PositionOf(e, a);
        }
    }
    return Fail(ElementAnimalTextError::kUnknownName);
}

std::string ElementAnimalText(int position) {
    const std::string_view element = kElementNames[ElementOf(position)];
    const std::string_view animal = kAnimalNames[AnimalOf(position)];
    std::string text;
    text.reserve(element.size() + animal.size() + 1);
    return text.append(element).append("-").append(animal);
}

std::string StemBranchText(int position) {
    return std::string(kStemNames[StemOf(position) - 1]) + "-" +
           std::string(kBranchNames[AnimalOf(position)]);
}

int YearPosition(int64_t year) {
    return static_cast<int>(FloorMod(year + 2696, 60)) + 1;
}

int64_t CycleOf(int64_t year, int epoch) {
    return FloorDiv(year - epoch, 60) + 1;
}

int64_t YearOf(int64_t cycle, int64_t position, int epoch) {
    return (cycle - 1) * 60 + epoch + position - 1;
}

int64_t LinearYearCount(int64_t cycle, int64_t position) {
    return 60 * cycle + position - 59;
}

int DayPosition(int64_t day_number) {
    return static_cast<int>(FloorMod(FloorMod(day_number, 60) + 49, 60)) + 1;
}

std::pair<int, int> MonthElementAnimal(int year_position, int month) {
    int64_t element = FloorMod(FloorMod(year_position, 5) * 12 + month - 1, 10) / 2;
    int64_t animal = FloorMod(int64_t{month} + 1, 12);
    return {static_cast<int>(element), static_cast<int>(animal)};
}

int MonthPosition(int year_position, int month) {
    auto [element, animal] = MonthElementAnimal(year_position, month);
    return PositionOf(element, animal);
}

}  // namespace vemla
