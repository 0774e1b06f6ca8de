// Moving: one move step of each kind, checked against dates known
// independently of the program (calendar rules, the 2023 leap second month,
// the 2023 and 2024 solar terms); then the Move button, the one-day move and
// repeated runs on the main state, with the timer played by a fake clock.
#include "app/move_step.h"

#include <gtest/gtest.h>

#include "app/display.h"
#include "app/log_entries.h"
#include "app/repeated_move.h"
#include "app/settings.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "main_state_fixture.h"

namespace vemla::test {
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

// Steps that land on a known day and keep the time of day: in London for
// the European steps, at the meridian for the solar terms. A missing day of
// the month becomes its last day. 80 Julian years are 29220 days, a whole
// number of 60-day cycles. The March equinox of 2023 fell on the 21st at
// 05:24 in China, qingming on 5 April; that of 2024 on 20 March.
TEST_F(MoveStepTest, StepsLandOnTheKnownDaysAndKeepTheTime) {
    const struct {
        int step;
        bool forward;
        double from;
        int calendar;  // the row highlighted, -1 for none
        const char* ce;
    } cases[] = {
        {kStepCEMonth, true, AtGMT(2001, 1, 31, 12), kCalCE, "2001-02-28 CE 12:00 GMT"},
        {kStepCEMonth, true, AtGMT(2001, 2, 28, 12), kCalCE, "2001-03-28 CE 12:00 GMT"},
        {kStepCEMonth, false, AtGMT(2000, 3, 31, 23.5), kCalCE, "2000-02-29 CE 23:30 GMT"},
        {kStepCEMonth, false, AtGMT(2000, 1, 15, 0.25), kCalCE, "1999-12-15 CE 00:15 GMT"},
        {kStepCEYear, true, AtGMT(2000, 2, 29, 6), kCalCE, "2001-02-28 CE 06:00 GMT"},
        {kStepCECentury, true, AtGMT(2000, 2, 29, 6), kCalCE, "2100-02-28 CE 06:00 GMT"},
        {kStepCECentury, false, AtGMT(2000, 2, 29, 6), kCalCE, "1900-02-28 CE 06:00 GMT"},
        {kStep60Days, true, AtGMT(2000, 1, 1, 12), -1, "2000-03-01 CE 12:00 GMT"},
        {kStepJC80Years, true, AtGMT(2000, 1, 1, 12), kCalJC, "2080-01-01 CE 12:00 GMT"},
        {kStepHour, false, AtGMT(2000, 1, 1, 12), -1, "2000-01-01 CE 11:00 GMT"},
        {kStepCHSTerm, true, AtCCT(2023, 3, 21, 12), kCalCHS, "2023-04-05 CE 04:00 GMT"},
        {kStepCHSTerm, false, AtCCT(2023, 4, 5, 12), kCalCHS, "2023-03-21 CE 04:00 GMT"},
        {kStepCHSYear, true, AtCCT(2023, 3, 21, 12), kCalCHS, "2024-03-20 CE 04:00 GMT"},
    };
    for (const auto& c : cases) {
        const StepOutcome o = Step(c.step, c.forward, c.from);
        EXPECT_EQ(CE(o.ajd), c.ce);
        EXPECT_EQ(o.calendar, c.calendar) << c.ce;
    }
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

TEST_F(MoveStepTest, StepsFromTheLimitsAreRefused) {
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
    // Months and years fail (the moment is redisplayed); cycles end the move.
    EXPECT_EQ(step(kStepCHLCycle, "").message->title, "Invalid");
    EXPECT_EQ(step(kStepCHLCycle, "").result, StepResult::kEnded);
    EXPECT_EQ(step(kStepCHSYear, "").result, StepResult::kFailed);
    EXPECT_EQ(step(kStepCHSCycle, "").result, StepResult::kEnded);

    const StepOutcome unable = step(kStepCHLMonth, "79-40-02-31 CHL");
    EXPECT_EQ(unable.result, StepResult::kFailed);
    EXPECT_EQ(unable.message->text, "Unable to add a lunar month.");
    EXPECT_EQ(unable.message->icon, MessageIcon::kExclamation);
}

// The window's timer: ticks once per interval while it runs; each restart
// begins a new period.
struct FakeClock {
    RepeatedMove& run;
    int64_t now = 0, due = 0;
    uint64_t starts = 0;
    void Advance(int64_t ms) {
        for (const int64_t end = now + ms;;) {
            if (run.TimerStarts() != starts)
                starts = run.TimerStarts(), due = now + run.TimerIntervalMs();
            if (!run.TimerRunning() || due > end) return void(now = end);
            now = due;
            due += run.TimerIntervalMs();
            run.Tick();
        }
    }
};

class RepeatedMoveTest : public MainStateTest {
  protected:
    void SetUp() override {
        MainStateTest::SetUp();
        state.auto_log = [this](int kind) { logged.push_back(kind); };
        state.update_keep_30th = [this] { mover.UpdateKeep30th(); };
        state.SetAutoLog(true);
    }
    void Choose(int step, bool forward, bool repeatedly) {
        mover.SelectStep(step);
        mover.SelectDirection(forward);
        mover.SetRepeatedly(repeatedly);
    }
    std::string CHL() const { return Value(kCalCHL).substr(0, Value(kCalCHL).find(" CHL")); }
    void ExpectWindowFree() {
        EXPECT_EQ(run.State(), RunState::kIdle);
        for (Control c : {Control::kMoveFrame, Control::kMove, Control::kSearchFrame,
                          Control::kEpoch, Control::kSaveState})
            EXPECT_TRUE(Ctl(c).enabled) << static_cast<int>(c);
        EXPECT_TRUE(Ctl(Control::kNow).visible && Ctl(Control::kListLunarNewYears).visible);
        EXPECT_FALSE(Ctl(Control::kStopPauseResume).visible || state.View().clock_enabled);
        EXPECT_FALSE(Set().repeatedly || state.Repeat());
        EXPECT_EQ(state.View().focus, Focus::kMove);
    }

    Mover mover{state, ui};
    RepeatedMove run{state, ui, mover};
    FakeClock clock{run};
    std::vector<int> logged;
};

TEST_F(RepeatedMoveTest, RunStepsAtOnceThenOnEachTickAndPausesResumesAndStops) {
    run.SelectRefreshPeriod(4);  // "5"
    Choose(kStepDay, true, true);
    run.Move();
    EXPECT_EQ(state.CurrentAJD(), kJ2000 + 1);
    EXPECT_FALSE(Ctl(Control::kMoveFrame).enabled || Ctl(Control::kEpoch).enabled ||
                 Ctl(Control::kNow).visible);
    EXPECT_TRUE(Ctl(Control::kStopPauseResume).visible);
    clock.Advance(4999);
    EXPECT_EQ(logged.size(), 1u);
    clock.Advance(1);
    EXPECT_EQ(logged.size(), 2u);
    EXPECT_FALSE(Ctl(Control::kSaveState).enabled);  // not while running, though every step asks

    run.PauseResume();
    EXPECT_EQ(state.View().pause_resume_caption, "Resume");
    run.Tick();  // already queued when the pause came: taken on resume
    clock.Advance(20000);
    EXPECT_EQ(logged.size(), 2u);
    run.SelectRefreshPeriod(0);  // "0.2"
    run.PauseResume();
    EXPECT_EQ(logged.size(), 3u);
    clock.Advance(199);
    EXPECT_EQ(logged.size(), 3u);
    clock.Advance(401);
    EXPECT_EQ(state.CurrentAJD(), kJ2000 + 6);

    run.PauseResume();
    run.Stop();  // also ends a pause
    ExpectWindowFree();
    clock.Advance(5000);
    EXPECT_EQ(logged, std::vector<int>(6, kLogMoveStep));
    run.Move();  // "repeatedly" is unchecked now: one step
    EXPECT_EQ(logged.size(), 7u);
    ExpectWindowFree();
}

TEST_F(RepeatedMoveTest, RunPastTheEarliestDateStopsAfterShowingIt) {
    ShowMoment(AtGMT(-2950, 6, 1, 12));
    Choose(kStepCECentury, false, true);
    run.Move();
    EXPECT_EQ(Value(kCalCE).substr(0, 13), "-3050-06-01 C");
    EXPECT_TRUE(state.Calendar() == kCalCE && state.View().rows[kCalCE].caption.highlighted);
    EXPECT_EQ(logged.size(), 1u);
    EXPECT_EQ(ui.TakeMessage(), "Earliest date exceeded.");
    ExpectWindowFree();

    // From the year -3000 the first step is refused and nothing changes.
    const double start = AtGMT(-3000, 6, 1, 12);
    ShowMoment(start);
    mover.SetRepeatedly(true);
    run.Move();
    EXPECT_EQ(ui.TakeMessage(), "Earliest admissible date reached.");
    EXPECT_EQ(state.CurrentAJD(), start);
    EXPECT_EQ(logged.size(), 1u);
    ExpectWindowFree();
}

// 2023: month 2 has 30 days, the leap month 2* and month 3 have 29, month 4 has 30.
TEST_F(RepeatedMoveTest, KeepThirtiethOnlyInRunsFromADayThirty) {
    const double day30 = CJDCToAJD(2460025 + 0.5, 120);  // 2023-03-21, 79-40-02-30
    ShowMoment(day30);
    ASSERT_EQ(CHL(), "79-40-02-30");
    Choose(kStepCHLMonth, true, false);
    EXPECT_FALSE(Ctl(Control::kKeep30th).enabled);
    mover.SetKeep30th(true);
    run.Move();
    EXPECT_EQ(CHL(), "79-40-2*-29");

    ShowMoment(day30);
    mover.SetRepeatedly(true);
    EXPECT_TRUE(Ctl(Control::kKeep30th).enabled);
    EXPECT_FALSE(Ctl(Control::kKeepLeap).enabled);  // not a leap month, not a year step
    run.Move();
    EXPECT_EQ(CHL(), "79-40-2*-29");
    clock.Advance(2000);
    EXPECT_EQ(CHL(), "79-40-04-30");
    run.Stop();
    EXPECT_FALSE(Ctl(Control::kKeep30th).enabled);

    ShowMoment(CJDCToAJD(2460035 + 0.5, 120));  // 79-40-2*-10
    Choose(kStepCHLYear, true, true);
    EXPECT_TRUE(Ctl(Control::kKeepLeap).enabled);
}

TEST_F(RepeatedMoveTest, UnreadableLunarDateEndsTheRunAfterOneRedisplayAndEntry) {
    MainState fresh(ui);  // never displayed: its Chinese rows are empty
    fresh.SetAutoLog(true);
    fresh.auto_log = [this](int kind) { logged.push_back(kind); };
    Mover fresh_mover(fresh, ui);
    RepeatedMove fresh_run(fresh, ui, fresh_mover);
    fresh.MutableSettings().move_step_index = kStepCHLMonth;
    fresh.MutableSettings().repeatedly = true;
    fresh_run.Move();
    EXPECT_EQ(ui.TakeMessage(), "Lunar date is invalid.");
    EXPECT_EQ(logged, std::vector<int>{kLogMoveStep});
    EXPECT_EQ(fresh.ValueCaption(kCalCHL).substr(0, 11), "79-16-11-25");  // 2000-01-01 redisplayed
    EXPECT_EQ(fresh_run.State(), RunState::kIdle);
}

TEST_F(RepeatedMoveTest, TypedDateIsTakenOverAndAnUnreadableOneStopsTheMove) {
    state.SetDateText("79-40-02-15 CHL");  // 2023-03-06
    state.SetTimeText("02:00");
    state.SetTimeZoneIndex(kZoneMeridian);
    Choose(kStepCHLMonth, true, false);
    run.Move();
    EXPECT_EQ(Value(kCalCHL), "79-40-2*-15 CHL 02:00 CCT");

    const double before = state.CurrentAJD();
    state.SetDateText("2000-13-01 CE");
    run.Move();
    EXPECT_EQ(ui.messages.at(0).title, "Invalid date or time entry");
    EXPECT_EQ(state.CurrentAJD(), before);
    EXPECT_EQ(logged.size(), 1u);
}

TEST_F(RepeatedMoveTest, OneDayMoveReachesTheLimitsButNotBeyond) {
    ShowMoment(kMaxAJDate - 1);
    mover.SetRepeatedly(true);
    mover.MoveOneDay();
    EXPECT_EQ(state.CurrentAJD(), kMaxAJDate);
    EXPECT_FALSE(Set().repeatedly);
    mover.MoveOneDay();
    EXPECT_EQ(ui.TakeMessage(), "Latest date reached.");
    EXPECT_EQ(state.CurrentAJD(), kMaxAJDate);

    ShowMoment(kMinAJDate + 1);
    mover.SelectDirection(false);
    mover.MoveOneDay();
    mover.MoveOneDay();
    EXPECT_EQ(state.CurrentAJD(), kMinAJDate);
    EXPECT_EQ(ui.TakeMessage(), "Earliest date reached.");
    EXPECT_EQ(logged, (std::vector<int>{kLogOneDayMove, kLogOneDayMove}));
}

}  // namespace
}  // namespace vemla::test
