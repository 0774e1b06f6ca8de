// Stepping Chinese dates with their fallbacks, and triple element-animal days.
#include "engine/stepping.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "chinese_date_maker.h"

namespace vemla {
namespace {

// 2023 (cycle 79, position 40) has a leap second month: 02 has 30 days, 2*
// 29, 03 29 and 04 30. 2024 (position 41) has no leap month.
ChDate Lunar(int position, int month, int leap, int day, int cycle = 79) {
    return test::MakeChDate(cycle, position, month, leap, day);
}

auto Fields(const ChDate& d) { return std::tuple(d.Cycle, d.Position, d.MonthOrTerm, d.Leap, d.Day); }

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
        ASSERT_TRUE(s.unit == 'm'   ? StepChLMonth(engine, d, s.forward, s.keep_30th)
                    : s.unit == 'y' ? StepChLYear(engine, d, s.forward, s.keep_30th, s.keep_leap)
                                    : StepChLCycle(engine, d, s.forward, s.keep_30th, s.keep_leap));
        EXPECT_EQ(Fields(d), Fields(s.expected));
        ChDate converted = s.expected;
        ASSERT_EQ(engine.ChLDateToJDN(converted), kChLExists);
        EXPECT_EQ(std::tuple(d.Valid, d.JDN), std::tuple(1, converted.JDN));
    }
}

TEST(Stepping, FailuresLeaveTheRecordAlone) {
    CalendarEngine engine;
    auto refused = [&](ChDate bad, auto step) {
        ChDate d = bad;
        EXPECT_FALSE(step(d));
        EXPECT_EQ(Fields(d), Fields(bad));
    };
    for (ChDate bad : {Lunar(0, 1, 0, 1), Lunar(40, 13, 0, 1), Lunar(40, 1, 0, 1, INT32_MAX),
                       Lunar(60, 12, 0, 1, INT32_MAX), Lunar(40, 1, 0, 45)}) {
        refused(bad, [&](ChDate& d) { return StepChLMonth(engine, d, true, true); });
        refused(bad, [&](ChDate& d) { return StepChLYear(engine, d, true, true, true); });
    }
    for (ChDate bad : {Lunar(0, 1, 0, 1), Lunar(40, 25, 0, 1), Lunar(60, 12, 0, 1, INT32_MAX),
                       Lunar(40, 1, 0, 45)}) {
        refused(bad, [&](ChDate& d) { return StepChSTermOrCycle(engine, d, true, false); });
        refused(bad, [&](ChDate& d) { return StepChSYear(engine, d, true); });
    }
    refused(Lunar(40, 1, 0, 1, 400), [&](ChDate& d) {  // beyond the engine's years
        return StepChLCycle(engine, d, true, false, false);
    });
}

TEST(StepChS, TermsYearsAndShortTerms) {
    CalendarEngine engine;
    ChDate chs, chl;
    // Walk every day of two decades; wherever a term has a day 16, the year
    // step keeps the term and settles on its last day when the target is shorter.
    int seen = 0;
    for (int32_t n = 2451545; n < 2451545 + 7300; ++n) {
        ASSERT_TRUE(engine.CJDateToChDates(n, chs, chl));
        if (chs.Day != 16) continue;
        ChDate stepped = chs;
        ASSERT_TRUE(StepChSYear(engine, stepped, true));
        EXPECT_EQ(stepped.MonthOrTerm, chs.MonthOrTerm);
        EXPECT_EQ(stepped.Position, chs.Position % 60 + 1);
        ChDate sixteenth = stepped;
        sixteenth.Day = 16;
        EXPECT_EQ(stepped.Day, engine.ChSDateToJDN(sixteenth) ? 16 : 15);
        seen += stepped.Day == 15;
    }
    EXPECT_GT(seen, 0);
    // A term step runs on into the next sui, and back; a cycle step keeps the rest.
    ChDate term = Lunar(41, 24, 0, 3);
    ASSERT_TRUE(StepChSTermOrCycle(engine, term, true, false));
    EXPECT_EQ(std::tuple(term.Position, term.MonthOrTerm, term.Day), std::tuple(42, 1, 3));
    ASSERT_TRUE(StepChSTermOrCycle(engine, term, false, false));
    EXPECT_EQ(std::tuple(term.Position, term.MonthOrTerm), std::tuple(41, 24));
    ASSERT_TRUE(StepChSTermOrCycle(engine, term, true, true));
    EXPECT_EQ(term.Cycle, 80);
}

TEST(FindTripleCoincidence, NearestDayWhoseDayMonthAndYearShareANameBothWays) {
    CalendarEngine engine;
    auto is_triple = [&](int32_t d) {
        ChDate chs, chl;
        chs.Valid = kNoChSWanted;
        EXPECT_TRUE(engine.CJDateToChDates(d, chs, chl));
        return DayPosition(d) == chl.Position && MonthPosition(chl.Position, chl.MonthOrTerm) == chl.Position;
    };
    for (int32_t start : {2451545, 2460351, 1000000}) {
        for (bool forward : {true, false}) {
            auto found = FindTripleCoincidence(engine, start, forward);
            ASSERT_TRUE(found.has_value());
            EXPECT_TRUE(is_triple(*found));
            const int step = forward ? 1 : -1;
            EXPECT_GT((*found - start) * step, 0);
            for (int32_t d = start + step; d != *found; d += step) ASSERT_FALSE(is_triple(d)) << d;
        }
    }
}

}  // namespace
}  // namespace vemla
