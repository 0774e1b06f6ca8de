// The sexagenary cycles, their names and the numbering of years.
#include "engine/cycles.h"

#include <gtest/gtest.h>

#include <set>

namespace vemla {
namespace {

TEST(Cycles, NamesOfPositions) {
    EXPECT_EQ(ElementAnimalText(1), "wood-rat");
    EXPECT_EQ(StemBranchText(1), "jia-zi");
    EXPECT_EQ(StemBranchText(60), "gui-hai");
}

TEST(Cycles, PositionOfIsTheInverseOfElementAndAnimal) {
    EXPECT_EQ(PositionOf(4, 11), 60);
    EXPECT_EQ(PositionOf(0, 0), 1);
    std::set<int> seen;
    for (int p = 1; p <= 60; ++p) {
        EXPECT_EQ(PositionOf(ElementOf(p), AnimalOf(p)), p);
        EXPECT_EQ(PositionOfElementAnimalText(ElementAnimalText(p)), p);
        EXPECT_EQ(StemOf(p) - 1, (p - 1) % 10);
        seen.insert(PositionOf(p % 5, p % 12));
    }
    EXPECT_EQ(seen.size(), 60u);  // every element-animal pair names one position
    EXPECT_EQ(PositionOfElementAnimalText("wood"), 0);
    EXPECT_EQ(PositionOfElementAnimalText("-rat"), 0);
    EXPECT_EQ(PositionOfElementAnimalText("WOOD-RAT"), 1);
}

TEST(Cycles, YearsUnderBothEpochs) {
    EXPECT_EQ(YearPosition(2024), 41);
    EXPECT_EQ(CycleOf(2024, kEpochHuangdi), 79);
    EXPECT_EQ(CycleOf(2024, kEpochAlternative), 78);
    EXPECT_EQ(CycleOf(-2697, kEpochHuangdi), 0);
    EXPECT_EQ(CycleOf(-2756, kEpochHuangdi), 0);
    EXPECT_EQ(CycleOf(-2757, kEpochHuangdi), -1);
    EXPECT_EQ(YearPosition(-2696), 1);
    EXPECT_EQ(YearPosition(-100000), YearPosition(-100000 + 60 * 1000));
    EXPECT_EQ(LinearYearCount(79, 20), 4701);  // 2003 CE
    for (int64_t year : {-5000, -2757, -2696, -1, 0, 1, 2024, 8600}) {
        for (int epoch : {kEpochHuangdi, kEpochAlternative})
            EXPECT_EQ(YearOf(CycleOf(year, epoch), YearPosition(year), epoch), year);
    }
}

TEST(Cycles, DaysAndMonths) {
    EXPECT_EQ(DayPosition(2451545), 55);  // 2000-01-01
    EXPECT_EQ(DayPosition(2451545 + 6), 1);
    EXPECT_EQ(DayPosition(-1), DayPosition(59));
    // Month 1 is a tiger month, fire-tiger in a year at position 1.
    auto [element, animal] = MonthElementAnimal(1, 1);
    EXPECT_EQ(element, 1);
    EXPECT_EQ(animal, 2);
    for (int year = 1; year <= 60; ++year) {
        EXPECT_EQ(MonthElementAnimal(year, 1).second, 2);
        // Months run on through the cycle of sixty from one year to the next.
        EXPECT_EQ(MonthPosition(year % 60 + 1, 1), MonthPosition(year, 12) % 60 + 1) << year;
    }
}

TEST(Cycles, PrimeMeridianLabels) {
    EXPECT_EQ(TimeZoneAbbreviation(120), "CCT");
    EXPECT_EQ(TimeZoneAbbreviation(121), "L21");
    EXPECT_EQ(TimeZoneAbbreviation(145), "L45");
    EXPECT_EQ(TimeZoneAbbreviation(116), "BEI");
    EXPECT_EQ(TimeZoneAbbreviation(99), "");
}

}  // namespace
}  // namespace vemla
