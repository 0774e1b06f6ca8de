// The Move button, the one-day move and repeated runs on the main state, with
// the timer played by a fake clock.
#include "app/repeated_move.h"

#include <gtest/gtest.h>

#include "app/application.h"
#include "engine/european.h"
#include "main_state_fixture.h"

namespace vemla::test {
namespace {

double AtGMT(int y, int m, int d, double hours) {
    EuroDate date;
    date.Year = y, date.Month = m, date.Day = d, date.Calendar = kGregorian;
    return CJDLToAJD(DateToJDN(date) + hours / 24);
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
    clock.Advance(20000);
    EXPECT_EQ(logged.size(), 2u);
    run.SelectRefreshPeriod(0);  // "0.2"
    run.PauseResume();
    clock.Advance(199);
    EXPECT_EQ(logged.size(), 2u);
    clock.Advance(401);
    EXPECT_EQ(state.CurrentAJD(), kJ2000 + 5);

    run.Stop();
    ExpectWindowFree();
    clock.Advance(5000);
    EXPECT_EQ(logged, std::vector<int>(5, kLogMoveStep));
    run.Move();  // "repeatedly" is unchecked now: one step
    EXPECT_EQ(logged.size(), 6u);
    ExpectWindowFree();
}

TEST_F(RepeatedMoveTest, TickBeforeAPauseIsTakenOnResumeAndStopEndsAPause) {
    Choose(kStepHour, false, true);
    run.Move();
    run.PauseResume();
    run.Tick();  // already queued when the pause came
    EXPECT_EQ(logged.size(), 1u);
    run.PauseResume();
    EXPECT_DOUBLE_EQ(state.CurrentAJD(), kJ2000 - 2.0 / 24);
    run.PauseResume();
    run.Stop();
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
    for (const char* expected : {"79-40-2*-29", "79-40-03-29", "79-40-04-29"}) {
        run.Move();
        EXPECT_EQ(CHL(), expected);
    }

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

TEST_F(RepeatedMoveTest, TypedDateIsTakenOverFromAboutAMinuteAway) {
    Choose(kStepDay, true, false);
    state.SetDateText(" 2000-01-01 CE ");
    state.SetTimeText("12:01");  // 0.000694 day away: ignored
    state.SetTimeZoneIndex(kZoneGMT);
    run.Move();
    EXPECT_EQ(state.CurrentAJD(), kJ2000 + 1);
    EXPECT_EQ(state.View().date_text + state.View().time_text, "");

    state.SetDateText("79-40-02-15 CHL");  // 2023-03-06
    state.SetTimeText("02:00");
    state.SetTimeZoneIndex(kZoneMeridian);
    mover.SelectStep(kStepCHLMonth);
    run.Move();
    EXPECT_EQ(Value(kCalCHL), "79-40-2*-15 CHL 02:00 CCT");

    const double before = state.CurrentAJD();
    state.SetDateText("2000-13-01 CE");
    run.Move();
    EXPECT_EQ(ui.messages.at(0).title, "Invalid date or time entry");
    EXPECT_EQ(state.CurrentAJD(), before);
    EXPECT_EQ(logged.size(), 2u);
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

TEST(MoveThroughApplication, EveryStepOfARunIsLoggedWithItsHeading) {
    ScopedTimeZone zone("UTC0");
    FakeUserInterface ui;
    auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::nullopt});
    Application& app = *std::get<std::unique_ptr<Application>>(made);
    app.Startup();
    app.Main().SetAutoLog(true);
    app.Mover().SelectStep(kStepCHLMonth);
    app.Mover().SetRepeatedly(true);
    app.RepeatedMove().Move();
    app.RepeatedMove().Tick();
    app.RepeatedMove().Stop();
    const std::string& log = app.Log().Text();
    const size_t first = log.find("Move forward 1 CHL month");
    EXPECT_NE(log.find("Move forward 1 CHL month", first + 1), std::string::npos);
    EXPECT_TRUE(app.Main().View().control(Control::kViewLog).visible);
}

}  // namespace
}  // namespace vemla::test
