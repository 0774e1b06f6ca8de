// Start-up, Reset, the setting changes and the window's rules.
#include "main_state_fixture.h"

namespace vemla::test {
namespace {

TEST_F(MainStateTest, FirstStartShowsThePresentWithTheDefaults) {
    const MainView& v = state.View();
    EXPECT_TRUE(state.StartupCompleted());
    EXPECT_FALSE(state.Initializing());
    EXPECT_EQ(state.CurrentAJD(), kJ2000);
    EXPECT_EQ(Value(kCalCE), "2000-01-01 CE 12:00 GMT Saturday");
    EXPECT_EQ(v.window_caption.rfind("Vemla ", 0), 0u);

    for (int i = 0; i < kCalendarCount; ++i)
        EXPECT_EQ(v.rows[i].caption.highlighted, i == kCalCHL) << kCalendarCodes[i];
    EXPECT_EQ(state.EpochMethod(true), "Epoch = -2696, method = true sun");
    EXPECT_EQ(state.EpochMethod(false), "epoch = -2696, method = true sun");
    EXPECT_EQ(state.Longitude(), 120);
    EXPECT_EQ(state.CCT(), "CCT");
    EXPECT_EQ(v.cct_text, "CCT");
    EXPECT_EQ(v.time_zone_items[1], "CCT");

    const Settings& s = state.CurrentSettings();
    EXPECT_EQ(s.time_zone_index, -1);
    EXPECT_EQ(kMoveStepItems[s.move_step_index], "day");
    EXPECT_EQ(kRefreshPeriodItems[s.refresh_period_index], "1");
    EXPECT_EQ(kTargetItems[s.target_index], "Full moon");
    EXPECT_TRUE(s.show_local);
    EXPECT_FALSE(s.show_cjds);
    EXPECT_FALSE(s.auto_log);
    EXPECT_TRUE(s.plus && s.next && s.move_forward && !s.repeatedly);

    // Local dates shown, the Julian-date rows hidden, the month and year shown.
    EXPECT_TRUE(v.rows[kCalCEX].value.visible);
    EXPECT_FALSE(v.rows[kCalCJDC].value.visible);
    EXPECT_FALSE(v.rows[kCalCJDL].caption.visible);
    EXPECT_FALSE(v.rows[kCalCJDX].value.visible);
    EXPECT_TRUE(v.month_element_animal.visible && v.year_element_animal.visible);

    EXPECT_TRUE(Ctl(Control::kSaveState).enabled);
    EXPECT_TRUE(Ctl(Control::kRestoreState).enabled && Ctl(Control::kRestoreState).visible);
    EXPECT_FALSE(Ctl(Control::kViewLog).visible);  // the log is empty
    EXPECT_FALSE(Ctl(Control::kClearLog).visible);
    EXPECT_FALSE(Ctl(Control::kTest).visible);
    EXPECT_FALSE(v.clock_enabled);
    EXPECT_EQ(v.focus, Focus::kNow);
    EXPECT_FALSE(state.LogPrefs().include_ajd);
}

TEST_F(MainStateTest, RestoredStateIsShownInsteadOfThePresent) {
    MainState restored(ui);
    restored.Startup([](MainState& s) {
        EXPECT_TRUE(s.Initializing());
        s.MutableSettings().longitude_index = 16;
        s.SetCurrentAJD(kJ2000 + 100);
        s.SetCalendar(kCalAJD);
        return true;
    });
    EXPECT_EQ(restored.CurrentAJD(), kJ2000 + 100);
    EXPECT_EQ(restored.CCT(), "BEI");
    EXPECT_EQ(restored.View().rows[kCalCE].value.caption, "2000-04-10 CE 12:00 GMT Monday");
    EXPECT_EQ(restored.Calendar(), kCalCHL);  // the restored calendar does not survive
    EXPECT_FALSE(restored.View().control(Control::kSaveState).enabled);

    MainState failed(ui);
    ui.now = kJ2000 + 1;
    failed.Startup([](MainState&) { return false; });
    EXPECT_EQ(failed.CurrentAJD(), kJ2000 + 1);
    EXPECT_TRUE(failed.View().control(Control::kSaveState).enabled);
}

TEST_F(MainStateTest, LongitudeRenamesTheMeridianAndEmptiesTheEntry) {
    state.SetDateText("2000-01-01 CE");
    state.SetTimeText("10:00");
    state.SetTimeZoneIndex(kZoneGMT);
    state.SetLongitudeIndex(116 - 100);
    const MainView& v = state.View();
    EXPECT_EQ(v.cct_text, "BEI");
    EXPECT_EQ(v.time_zone_items[kZoneMeridian], "BEI");
    EXPECT_EQ(state.CurrentSettings().time_zone_index, -1);
    EXPECT_EQ(v.date_text, "");
    EXPECT_EQ(v.time_text, "");
    EXPECT_EQ(v.rows[kCalCJDC].caption.caption, "Chronological JD 116º East");
    // 12:00 GMT is 19:44 at 116 degrees East.
    EXPECT_EQ(Value(kCalCHL), "79-16-11-25 CHL 19:44 BEI");

    state.SetLongitudeIndex(30);
    EXPECT_EQ(state.CCT(), "L30");
    state.SetLongitudeIndex(0);
    EXPECT_EQ(state.CCT(), "L00");
    state.SetLongitudeIndex(46);  // no such item
    EXPECT_EQ(state.Longitude(), 100);
}

TEST_F(MainStateTest, AbbreviationIsCutOrPaddedToThreeCharacters) {
    state.SetControlEnabled(Control::kSaveState, false);
    state.CommitAbbreviation("abcdef");
    EXPECT_EQ(state.CCT(), "abc");
    EXPECT_EQ(state.View().time_zone_items[kZoneMeridian], "abc");
    EXPECT_EQ(Value(kCalCHL), "79-16-11-25 CHL 20:00 abc");
    EXPECT_TRUE(Ctl(Control::kSaveState).enabled);

    state.CommitAbbreviation("  x ");
    EXPECT_EQ(state.CCT(), "x  ");
    state.CommitAbbreviation("");
    EXPECT_EQ(state.CCT(), "L20");
    EXPECT_EQ(state.Abbreviations()[20], "L20");
    state.CommitAbbreviation("北京市场");
    EXPECT_EQ(state.CCT(), "北京市");

    // An unchanged entry does not count as a change of the settings.
    state.SetControlEnabled(Control::kSaveState, false);
    state.CommitAbbreviation("北京市");
    EXPECT_FALSE(Ctl(Control::kSaveState).enabled);

    // On the first day of a solar term the term's code replaces the name,
    // however many bytes its characters take: 1999-12-22 is Z11 day 1.
    ShowMoment(kJ2000 - 10);
    EXPECT_EQ(Value(kCalCHS), "79-17-01-01 CHS (Z11) 20:00 ");
    // Another longitude has its own name.
    state.SetLongitudeIndex(21);
    state.SetLongitudeIndex(20);
    EXPECT_EQ(state.CCT(), "北京市");
}

TEST_F(MainStateTest, ResetKeepsTheCalendarSettingsAndTheMoment) {
    state.SetEpochIndex(1);
    state.SetMethodIndex(1);
    state.SetLongitudeIndex(16);
    state.SetShowCJDs(true);
    state.SetShowLocal(false);
    state.SetAutoLog(true);
    state.SetTargetIndex(5);
    state.SetPlus(false);
    state.MutableSettings().move_step_index = 7;
    ShowMoment(kJ2000 + 3);
    state.ClickDateRow(kCalAJD, 0);

    state.Reset();
    const Settings& s = state.CurrentSettings();
    EXPECT_EQ(s.epoch_index, 1);
    EXPECT_EQ(s.method_index, 1);
    EXPECT_EQ(state.Longitude(), 116);
    EXPECT_EQ(state.CurrentAJD(), kJ2000 + 3);
    EXPECT_TRUE(s.show_local);
    EXPECT_FALSE(s.show_cjds);
    EXPECT_FALSE(s.auto_log);
    EXPECT_TRUE(s.plus);
    EXPECT_EQ(s.move_step_index, 2);
    EXPECT_EQ(s.target_index, 0);
    EXPECT_EQ(state.Calendar(), kCalCHL);
    EXPECT_TRUE(state.View().rows[kCalCHL].caption.highlighted);
    EXPECT_FALSE(state.View().rows[kCalAJD].caption.highlighted);
    EXPECT_TRUE(state.View().rows[kCalCEX].value.visible);
    EXPECT_FALSE(state.View().rows[kCalCJDL].value.visible);
}

TEST_F(MainStateTest, ShowLocalAndShowCJDsSwitchTheirRows) {
    const MainView& v = state.View();
    state.SetShowCJDs(true);
    EXPECT_TRUE(v.rows[kCalCJDC].value.visible && v.rows[kCalCJDL].caption.visible);
    EXPECT_TRUE(v.rows[kCalCJDX].value.visible);
    EXPECT_FALSE(v.month_element_animal.visible || v.year_element_animal.visible);

    state.SetShowLocal(false);
    EXPECT_FALSE(v.rows[kCalCEX].caption.visible || v.rows[kCalCEX].value.visible);
    EXPECT_FALSE(v.rows[kCalCJDX].value.visible);
    EXPECT_TRUE(v.rows[kCalCJDL].value.visible);

    // Without the Julian-date rows, local dates bring back only the CEX row.
    state.SetShowCJDs(false);
    state.SetShowLocal(true);
    EXPECT_TRUE(v.rows[kCalCEX].value.visible);
    EXPECT_FALSE(v.rows[kCalCJDX].value.visible || v.rows[kCalCJDC].value.visible);
    EXPECT_TRUE(v.month_element_animal.visible && v.year_element_animal.visible);
    EXPECT_EQ(v.month_element_animal.caption, "fire-rat month");
    EXPECT_EQ(v.year_element_animal.caption, "ji-mao earth-rabbit year");
}

TEST_F(MainStateTest, EpochAndMethodRedisplayTheChineseDates) {
    state.SetEpochIndex(1);
    EXPECT_EQ(Value(kCalCHL), "78-16-11-25 CHL 20:00 CCT");
    EXPECT_EQ(state.View().year_count.caption, "Year 4637");
    state.SetEpochIndex(0);
    EXPECT_EQ(state.View().year_count.caption, "Year 4697");

    // The mean sun reaches Z12 of 2000 a day after the true sun.
    ShowMoment(kJ2000 + 20);
    EXPECT_EQ(Value(kCalCHS), "79-17-03-01 CHS (Z12) 20:00 ");
    state.SetMethodIndex(1);
    EXPECT_EQ(state.EpochMethod(true), "Epoch = -2696, method = mean sun");
    EXPECT_EQ(Value(kCalCHS), "79-17-02-16 CHS 20:00 CCT");
}

TEST_F(MainStateTest, SaveStateAndLogButtonsFollowTheirRules) {
    bool log_empty = false;
    state.log_is_empty = [&log_empty] { return log_empty; };
    state.SetTheFocus();
    EXPECT_TRUE(Ctl(Control::kViewLog).visible && Ctl(Control::kViewLog).enabled);
    EXPECT_TRUE(Ctl(Control::kClearLog).visible && Ctl(Control::kClearLog).enabled);

    // A repeated move disables Save state and the log buttons.
    state.SetRepeat(true);
    state.CmdSaveStateEnabled(true);
    state.SetTheFocus();
    EXPECT_FALSE(Ctl(Control::kSaveState).enabled);
    EXPECT_FALSE(Ctl(Control::kRestoreState).enabled);
    EXPECT_FALSE(Ctl(Control::kViewLog).enabled || Ctl(Control::kClearLog).enabled);

    state.SetRepeat(false);
    state.CmdSaveStateEnabled(false);
    EXPECT_FALSE(Ctl(Control::kRestoreState).enabled);
    EXPECT_TRUE(Ctl(Control::kRestoreState).visible);
    log_empty = true;
    state.SetTheFocus();
    EXPECT_FALSE(Ctl(Control::kViewLog).visible || Ctl(Control::kClearLog).visible);
}

TEST_F(MainStateTest, FocusGoesToTheDateBoxOrNowOrMove) {
    state.SetDateText("2000");
    state.SetTheFocus();
    EXPECT_EQ(state.View().focus, Focus::kDate);
    state.SetControlEnabled(Control::kDate, false);
    state.SetTheFocus();
    EXPECT_EQ(state.View().focus, Focus::kNow);

    state.EnableDisableFunctions();
    EXPECT_TRUE(Ctl(Control::kDate).enabled);
    EXPECT_EQ(state.View().focus, Focus::kMove);
    state.SetControlEnabled(Control::kMove, false);
    state.MoveSetFocus();
    EXPECT_EQ(state.View().focus, Focus::kQuit);
}

TEST_F(MainStateTest, ElementAndAnimalBoxesServeUnknownPositionsAndSearches) {
    state.SetDateText("79-?-11-25 chl");
    EXPECT_TRUE(Ctl(Control::kElement).enabled && Ctl(Control::kAnimal).enabled);
    state.SelectElement(2);  // earth
    state.SelectAnimal(3);   // rabbit
    EXPECT_EQ(state.View().focus, Focus::kCompute);
    state.Convert();
    EXPECT_EQ(ui.TakeMessage(), "");
    EXPECT_EQ(Value(kCalCHL), "79-16-11-25 CHL 12:00 CCT");

    // A date text without an unknown position empties and disables them.
    state.SetDateText("79-16-11-25 CHL");
    EXPECT_FALSE(Ctl(Control::kElement).enabled);
    EXPECT_EQ(state.CurrentSettings().element_index, 5);
    EXPECT_EQ(state.CurrentSettings().animal_index, 12);

    // An element-animal search target takes its text from the boxes.
    state.SetTargetIndex(15);
    EXPECT_TRUE(Ctl(Control::kElement).enabled);
    state.SelectAnimal(0);
    EXPECT_EQ(state.View().target_items[15], "Element-rat (-zi) day");
    EXPECT_EQ(state.View().focus, Focus::kSearch);
    state.SelectElement(0);
    EXPECT_EQ(state.View().target_items[15], "wood-rat (jia-zi) day");
    state.SelectAnimal(12);
    EXPECT_EQ(state.View().target_items[15], "wood-animal (jia-, yi-) day");
    state.SetTargetIndex(17);
    state.SelectElement(5);
    EXPECT_EQ(state.View().target_items[17], "Element-animal year");
    EXPECT_EQ(state.View().target_items[15], "wood-animal (jia-, yi-) day");
    state.SetControlEnabled(Control::kSearch, false);
    state.SelectAnimal(11);
    EXPECT_EQ(state.View().target_items[17], "Element-pig (-hai) year");
    EXPECT_EQ(state.View().focus, Focus::kNow);
}

}  // namespace
}  // namespace vemla::test
