// Stepping Chinese dates with their fallbacks, and triple element-animal days.
#include "engine/stepping.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "chinese_date_maker.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"

namespace vemla {
namespace {

// 2023 (cycle 79, position 40) has a leap second month: 02 has 30 days, 2*
// 29, 03 29 and 04 30. 2024 (position 41) has no leap month.
ChDate Lunar(int position, int month, int leap, int day, int cycle = 79) {
    return test::MakeChDate(cycle, position, month, leap, day);
}

auto Fields(const ChDate& d) {
    return std::tuple(d.Cycle, d.Position, d.MonthOrTerm, d.Leap, d.Day);
}

// Each step starts from `from`, or from where the step before it ended; every
// result must be the day the conversion gives for it.
TEST(StepChL, MonthsYearsAndCyclesThroughLeapMonthsAndShortMonths) {
    const std::optional<ChDate> then;
    const struct {
        std::optional<ChDate> from;
        char unit;  // month, year or cycle
        bool forward, keep_30th, keep_leap;
        ChDate expected;
    } steps[] = {
        {Lunar(40, 2, 1, 10), 'm', false, false, false, Lunar(40, 2, 0, 10)},  // the leap month
        {then, 'm', true, false, false, Lunar(40, 2, 1, 10)},                  // follows its month
        {then, 'm', true, false, false, Lunar(40, 3, 0, 10)},
        {then, 'm', false, false, false, Lunar(40, 2, 1, 10)},  // back into the leap month
        {Lunar(40, 2, 0, 30), 'm', true, true, false, Lunar(40, 2, 1, 29)},  // day 30 falls back
        {then, 'm', true, true, false, Lunar(40, 3, 0, 29)},
        {then, 'm', true, true, false, Lunar(40, 4, 0, 30)},  // and comes back
        {Lunar(40, 2, 0, 30), 'm', true, false, false, Lunar(40, 2, 1, 29)},
        {then, 'm', true, false, false, Lunar(40, 3, 0, 29)},
        {then, 'm', true, false, false, Lunar(40, 4, 0, 29)},  // without keep 30th it stays
        {Lunar(40, 12, 0, 5), 'm', true, false, false, Lunar(41, 1, 0, 5)},
        {then, 'm', false, false, false, Lunar(40, 12, 0, 5)},
        // The last nian of a cycle runs into the next cycle.
        {Lunar(60, 12, 0, 5, 78), 'm', true, false, false, Lunar(1, 1, 0, 5, 79)},
        {Lunar(40, 2, 1, 10), 'y', true, false, false, Lunar(41, 2, 0, 10)},
        {Lunar(39, 2, 0, 10), 'y', true, false, true, Lunar(40, 2, 1, 10)},
        // 2* of 2023 has no day 30: keep leap settles on its day 29.
        {Lunar(39, 2, 0, 30), 'y', true, true, true, Lunar(40, 2, 1, 29)},
        {Lunar(41, 1, 0, 1), 'c', true, false, false, Lunar(41, 1, 0, 1, 80)},
    };
    CalendarEngine engine;
    ChDate d;
    for (const auto& s : steps) {
        if (s.from) d = *s.from;
        SCOPED_TRACE(testing::Message() << s.unit << " to " << ChLShortText(s.expected));
        const auto stepped = s.unit == 'm' ? StepChLMonth(engine, d, s.forward, s.keep_30th)
                             : s.unit == 'y'
                                 ? StepChLYear(engine, d, s.forward, s.keep_30th, s.keep_leap)
                                 : StepChLCycle(engine, d, s.forward, s.keep_30th, s.keep_leap);
        ASSERT_TRUE(stepped);
        d = *stepped;
        EXPECT_EQ(Fields(d), Fields(s.expected));
        EXPECT_EQ(d.JDN, engine.ChLDateToJDN(s.expected).value_or(0));
    }
}

TEST(Stepping, NoDateFromBadDatesOrBeyondTheCycleCount) {
    CalendarEngine engine;
    for (ChDate bad : {Lunar(0, 1, 0, 1), Lunar(40, 13, 0, 1), Lunar(40, 1, 0, 1, INT32_MAX),
                       Lunar(60, 12, 0, 1, INT32_MAX), Lunar(40, 1, 0, 45)}) {
        EXPECT_FALSE(StepChLMonth(engine, bad, true, true));
        EXPECT_FALSE(StepChLYear(engine, bad, true, true, true));
    }
    for (ChDate bad : {Lunar(0, 1, 0, 1), Lunar(40, 25, 0, 1), Lunar(60, 12, 0, 1, INT32_MAX),
                       Lunar(40, 1, 0, 45)}) {
        EXPECT_FALSE(StepChSTermOrCycle(engine, bad, true, false));
        EXPECT_FALSE(StepChSYear(engine, bad, true));
    }
    EXPECT_FALSE(
        StepChLCycle(engine, Lunar(40, 1, 0, 1, 400), true, false, false));  // beyond the years
}

TEST(StepChS, TermsYearsAndShortTerms) {
    CalendarEngine engine;
    // Walk every day of two decades; wherever a term has a day 16, the year
    // step keeps the term and settles on its last day when the target is shorter.
    int seen = 0;
    for (int32_t n = 2451545; n < 2451545 + 7300; ++n) {
        const ChDate chs = engine.CJDateToChDates(n).value_or(ChDates{}).chs;
        if (chs.Day != 16) continue;
        const ChDate stepped = StepChSYear(engine, chs, true).value_or(ChDate{});
        EXPECT_EQ(stepped.MonthOrTerm, chs.MonthOrTerm);
        EXPECT_EQ(stepped.Position, chs.Position % 60 + 1);
        ChDate sixteenth = stepped;
        sixteenth.Day = 16;
        EXPECT_EQ(stepped.Day, engine.ChSDateToJDN(sixteenth) ? 16 : 15);
        seen += stepped.Day == 15;
    }
    EXPECT_GT(seen, 0);
    // A term step runs on into the next sui, and back; a cycle step keeps the rest.
    const auto on = StepChSTermOrCycle(engine, Lunar(41, 24, 0, 3), true, false);
    ASSERT_TRUE(on);
    EXPECT_EQ(std::tuple(on->Position, on->MonthOrTerm, on->Day), std::tuple(42, 1, 3));
    const auto back = StepChSTermOrCycle(engine, *on, false, false);
    ASSERT_TRUE(back);
    EXPECT_EQ(std::tuple(back->Position, back->MonthOrTerm), std::tuple(41, 24));
    EXPECT_EQ(StepChSTermOrCycle(engine, *back, true, true).value_or(ChDate{}).Cycle, 80);
}

TEST(FindTripleCoincidence, NearestDayWhoseDayMonthAndYearShareANameBothWays) {
    CalendarEngine engine;
    auto is_triple = [&](int32_t d) {
        const ChDate chl = engine.CJDateToChLDate(d).value_or(ChDate{});
        return DayPosition(d) == chl.Position &&
               MonthPosition(chl.Position, chl.MonthOrTerm) == chl.Position;
    };
    for (int32_t start : {2451545, 2460351, 1000000}) {
        for (bool forward : {true, false}) {
            auto found = FindTripleCoincidence(engine, start, forward);
            ASSERT_TRUE(found);
            EXPECT_TRUE(is_triple(*found));
            const int step = forward ? 1 : -1;
            EXPECT_GT((*found - start) * step, 0);
            for (int32_t d = start + step; d != *found; d += step) ASSERT_FALSE(is_triple(d)) << d;
        }
    }
}

}  // namespace
}  // namespace vemla
