// One move step of each kind, checked against dates known independently of
// the program: calendar rules, the 2023 leap second month, the 2023 and 2024
// solar terms.
#include "app/move_step.h"

#include <gtest/gtest.h>

#include "app/display.h"
#include "app/settings.h"
#include "engine/cycles.h"
#include "engine/european.h"

namespace vemla {
namespace {

int32_t CEDay(int y, int m, int d) {
    EuroDate date;
    date.Year = y, date.Month = m, date.Day = d, date.Calendar = kGregorian;
    return DateToJDN(date);
}
double AtGMT(int y, int m, int d, double hours) {
    return CJDLToAJD(CEDay(y, m, d) + hours / 24);
}
double AtCCT(int y, int m, int d, double hours) {
    return CJDCToAJD(CEDay(y, m, d) + hours / 24, 120);
}

class MoveStepTest : public ::testing::Test {
protected:
    // A step from a moment, reading the Chinese dates the window would show.
    StepOutcome Step(int step, bool forward, double ajd, bool keep_30th = false) {
        const ChineseDatesText shown = ChineseDatesOf(engine, ajd, "CCT");
        return MakeMoveStep(engine,
                            {step, forward, ajd, shown.chl_text, shown.chs_text, keep_30th, false});
    }
    // The CE or CHL row of a moment, without the weekday.
    std::string CE(double ajd) {
        const std::string row = WesternDatesOf(ajd, 0).ce;
        return row.substr(0, row.rfind(' '));
    }
    std::string CHL(double ajd) { return ChineseDatesOf(engine, ajd, "CCT").chl_text; }

    CalendarEngine engine;
};

TEST_F(MoveStepTest, CEStepsKeepTheTimeInLondonAndShortenMissingDays) {
    StepOutcome o = Step(kStepCEMonth, true, AtGMT(2001, 1, 31, 12));
    EXPECT_EQ(CE(o.ajd), "2001-02-28 CE 12:00 GMT");
    EXPECT_EQ(o.calendar, kCalCE);
    EXPECT_EQ(CE(Step(kStepCEMonth, true, o.ajd).ajd), "2001-03-28 CE 12:00 GMT");
    EXPECT_EQ(CE(Step(kStepCEMonth, false, AtGMT(2000, 3, 31, 23.5)).ajd),
              "2000-02-29 CE 23:30 GMT");
    EXPECT_EQ(CE(Step(kStepCEMonth, false, AtGMT(2000, 1, 15, 0.25)).ajd),
              "1999-12-15 CE 00:15 GMT");

    const double leap_day = AtGMT(2000, 2, 29, 6);
    EXPECT_EQ(CE(Step(kStepCEYear, true, leap_day).ajd), "2001-02-28 CE 06:00 GMT");
    EXPECT_EQ(CE(Step(kStepCECentury, true, leap_day).ajd), "2100-02-28 CE 06:00 GMT");
    EXPECT_EQ(CE(Step(kStepCECentury, false, leap_day).ajd), "1900-02-28 CE 06:00 GMT");
}

TEST_F(MoveStepTest, CyclesKeepTheDaysElementAnimal) {
    const double start = AtGMT(2000, 1, 1, 12);
    const StepOutcome sixty = Step(kStep60Days, true, start);
    EXPECT_EQ(sixty.ajd, start + 60);
    EXPECT_EQ(sixty.calendar, -1);
    // 80 Julian years are 29220 days, a whole number of 60-day cycles.
    const StepOutcome julian = Step(kStepJC80Years, true, start);
    EXPECT_EQ(julian.ajd, start + 29220);
    EXPECT_EQ(julian.calendar, kCalJC);
    EXPECT_EQ(WesternDatesOf(julian.ajd, 0).jc.substr(0, 13),
              "2079-12-19 JC");  // from 1999-12-19 JC
}

// 2023 (cycle 79, position 40) has a leap second month: month 2 begins on
// 20 February, the leap month on 22 March, month 3 on 20 April.
TEST_F(MoveStepTest, LunarMonthsPassThroughTheLeapMonthAndKeepTheTimeInChina) {
    const double start = AtCCT(2023, 3, 6, 2);  // 2023-03-05 18:00 GMT
    ASSERT_EQ(CHL(start), "79-40-02-15 CHL 02:00 CCT");
    const StepOutcome leap = Step(kStepCHLMonth, true, start);
    EXPECT_EQ(leap.calendar, kCalCHL);
    EXPECT_EQ(CHL(leap.ajd), "79-40-2*-15 CHL 02:00 CCT");
    EXPECT_EQ(CE(leap.ajd), "2023-04-04 CE 18:00 GMT");
    const double third = Step(kStepCHLMonth, true, leap.ajd).ajd;
    EXPECT_EQ(CE(third), "2023-05-03 CE 18:00 GMT");
    EXPECT_EQ(CHL(Step(kStepCHLMonth, false, third).ajd), "79-40-2*-15 CHL 02:00 CCT");
    EXPECT_EQ(CHL(Step(kStepCHLMonth, false, leap.ajd).ajd), "79-40-02-15 CHL 02:00 CCT");

    // A year from the leap month goes to the ordinary month of 2024, and back.
    const double next_year = Step(kStepCHLYear, true, leap.ajd).ajd;
    EXPECT_EQ(CHL(next_year), "79-41-02-15 CHL 02:00 CCT");
    EXPECT_EQ(CHL(Step(kStepCHLYear, false, next_year).ajd), "79-40-02-15 CHL 02:00 CCT");
}

TEST_F(MoveStepTest, SolarStepsLandOnTheDaysOfTheTerms) {
    const double equinox = AtCCT(2023, 3, 21, 12);  // the March equinox, 2023-03-21 05:24 in China
    const StepOutcome term = Step(kStepCHSTerm, true, equinox);
    EXPECT_EQ(term.calendar, kCalCHS);
    EXPECT_EQ(CE(term.ajd), "2023-04-05 CE 04:00 GMT");  // qingming
    EXPECT_EQ(CE(Step(kStepCHSYear, true, equinox).ajd), "2024-03-20 CE 04:00 GMT");
    EXPECT_EQ(CE(Step(kStepCHSTerm, false, term.ajd).ajd), "2023-03-21 CE 04:00 GMT");
}

TEST_F(MoveStepTest, StepsFromTheLimitsAreRefused) {
    EXPECT_TRUE(CheckYearLimit(-3000, false) && CheckYearLimit(3000, true));
    EXPECT_FALSE(CheckYearLimit(-2999, false) || CheckYearLimit(2999, true) ||
                 CheckYearLimit(-3000, true));
    EXPECT_TRUE(CheckCycleLimit(0, false) && CheckCycleLimit(96, true));
    EXPECT_FALSE(CheckCycleLimit(1, false) || CheckCycleLimit(95, true) ||
                 CheckCycleLimit(0, true));

    const StepOutcome earliest = Step(kStepCEYear, false, AtGMT(-3000, 6, 1, 12));
    EXPECT_EQ(earliest.result, StepResult::kEnded);
    EXPECT_EQ(earliest.message->text, "Earliest admissible date reached.");
    EXPECT_EQ(Step(kStepCEMonth, true, AtGMT(3000, 1, 1, 0)).message->text,
              "Latest admissible date reached.");
    // From the year -2999 the step is made, even below the earliest moment.
    const StepOutcome below = Step(kStepCEYear, false, AtGMT(-2999, 1, 1, 0));
    EXPECT_EQ(below.result, StepResult::kMoved);
    EXPECT_LT(below.ajd, kMinAJDate);
    // -2750 lies in cycle 0: no Chinese step back from it.
    EXPECT_EQ(Step(kStepCHSYear, false, AtGMT(-2750, 6, 1, 12)).message->text,
              "Earliest admissible date reached.");
    EXPECT_EQ(Step(kStepCHLMonth, true, AtGMT(-2750, 6, 1, 12)).result, StepResult::kMoved);
}

TEST_F(MoveStepTest, UnreadableChineseDatesFailOrEndTheMove) {
    auto step = [this](int kind, std::string_view chl) {
        return MakeMoveStep(engine, {kind, true, 2451545.0, chl, "", false, false});
    };
    const StepOutcome month = step(kStepCHLMonth, "");
    EXPECT_EQ(month.result, StepResult::kFailed);  // the same moment is redisplayed
    EXPECT_EQ(month.ajd, 2451545.0);
    EXPECT_EQ(month.message->text, "Lunar date is invalid.");
    EXPECT_EQ(step(kStepCHLCycle, "").message->title, "Invalid");
    EXPECT_EQ(step(kStepCHLCycle, "").result, StepResult::kEnded);
    EXPECT_EQ(step(kStepCHSYear, "").result, StepResult::kFailed);
    EXPECT_EQ(step(kStepCHSCycle, "").result, StepResult::kEnded);

    const StepOutcome unable = step(kStepCHLMonth, "79-40-02-31 CHL");
    EXPECT_EQ(unable.result, StepResult::kFailed);
    EXPECT_EQ(unable.message->text, "Unable to add a lunar month.");
    EXPECT_EQ(unable.message->icon, MessageIcon::kExclamation);
}

}  // namespace
}  // namespace vemla
