// The log's text, window, copy and clear, and the preferences dialog.
#include "app/log_model.h"

#include <gtest/gtest.h>

#include "app/log_preferences_dialog.h"
#include "fake_user_interface.h"

namespace vemla {
namespace {

class LogModelTest : public ::testing::Test {
  protected:
    LogModelTest() {
        context_.ajd = 2451545.0;
        context_.window_caption = "Vemla 1.0.0";
        context_.ce_caption = "2000-01-01 CE 12:00 GMT Saturday";
        prefs_.SetAll(false);
        prefs_.include_ce = true;
        inputs_.auto_log = true;
    }
    LogModel log_;
    LogContext context_;
    LogPreferences prefs_;
    AutoLogInputs inputs_;
    CalendarEngine engine_;
    test::FakeUserInterface ui_;
};

TEST_F(LogModelTest, FirstEntryOpensWithCaptionOrHeading) {
    log_.AddToLogOnRequest(context_, engine_, prefs_);
    EXPECT_EQ(log_.Text(), "Vemla 1.0.0\r\n\r\n2000-01-01 CE 12:00 GMT\r\n\r\n");
    EXPECT_FALSE(log_.Visible());
    prefs_.view_log_when_add = true;
    log_.AddToLogOnRequest(context_, engine_, prefs_);
    EXPECT_TRUE(log_.Visible());

    LogModel automatic;
    automatic.AutoLog(kLogNow, inputs_, context_, engine_, prefs_);
    EXPECT_EQ(automatic.Text(), "Now\r\n2000-01-01 CE 12:00 GMT\r\n\r\n");
}

TEST_F(LogModelTest, AutoLogWithoutReckoningsWritesOnlyTheHeading) {
    prefs_.include_ce = false;
    prefs_.epoch_etc = true;
    log_.AutoLog(0, inputs_, context_, engine_, prefs_);
    log_.AutoLog(kLogNow, inputs_, context_, engine_, prefs_);
    inputs_.auto_log = false;
    log_.AutoLog(kLogNow, inputs_, context_, engine_, prefs_);
    EXPECT_EQ(log_.Text(), "Now\r\n");
    EXPECT_FALSE(log_.LogButtonsVisible());
}

TEST_F(LogModelTest, ClearAsksAndEmptiesOnlyOnOk) {
    log_.AddToLog(context_, engine_, prefs_);
    ui_.answer = MessageAnswer::kCancel;
    EXPECT_FALSE(log_.Clear(ui_));
    EXPECT_EQ(ui_.TakeMessage(), "Erase all data in the log?");
    EXPECT_FALSE(log_.Text().empty());
    ui_.answer = MessageAnswer::kOk;
    EXPECT_TRUE(log_.Clear(ui_));
    EXPECT_EQ(log_.Text(), "");
}

TEST_F(LogModelTest, CopySelectionOrWholeLog) {
    EXPECT_FALSE(log_.CopyToClipboard(ui_, ""));
    log_.SetText("line one\r\nline two\r\n");
    log_.SelectionMade(true);
    EXPECT_EQ(log_.CopyButtonCaption(), "Copy selected text to clipboard");
    EXPECT_TRUE(log_.CopyToClipboard(ui_, "one"));
    EXPECT_TRUE(log_.CopyToClipboard(ui_, ""));
    EXPECT_EQ(ui_.clipboard, (std::vector<std::string>{"one", "line one\r\nline two\r\n"}));
}

// "Include Chinese terms" serves only expanded entries; closing with nothing
// chosen keeps the lunar date.
TEST(LogPreferencesDialog, SetAllClearAllAndClose) {
    LogPreferences prefs;
    LogPreferencesDialog dialog(prefs);
    dialog.SetAll();
    EXPECT_TRUE(dialog.BoxEnabled(kBoxIncludeGanzhi));
    dialog.ClearAll();
    EXPECT_FALSE(dialog.BoxEnabled(kBoxIncludeGanzhi));
    dialog.SetBox(kBoxViewLogWhenAdd, true);
    dialog.Close();
    EXPECT_TRUE(dialog.Box(kBoxViewLogWhenAdd) && !dialog.Box(kBoxChL));
    dialog.ClearAll();
    dialog.Close();
    EXPECT_TRUE(dialog.Box(kBoxChL));
}

}  // namespace
}  // namespace vemla
