// The texts of log entries and of automatic entries' headings.
#include "app/log_entries.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "app/log_preferences_dialog.h"

namespace vemla {
namespace {

// 2000-01-01 12:00 GMT as the main window shows it with the defaults
// (longitude 120, epoch -2696, true sun).
LogContext Noon2000() {
    LogContext c;
    c.ajd = 2451545.0;
    c.window_caption = "Vemla 1.0.0";
    c.epoch_method = "Epoch = -2696, method = true sun";
    c.ce_caption = "2000-01-01 CE 12:00 GMT Saturday";
    c.jc_caption = "1999-12-19 JC 12:00 GMT Saturday";
    c.chl_caption = "79-16-11-25 CHL 20:00 CCT";
    c.chs_caption = "79-17-01-11 CHS 20:00 CCT";
    c.phase_caption = "Crescent moon (waning), 32.2%";
    c.age_caption = "[-1] 24 days, 13 hrs, 27 mins (82.4%)";
    return c;
}

LogPreferences Only(std::initializer_list<LogBox> boxes) {
    LogPreferences p;
    p.SetAll(false);
    for (LogBox box : boxes) *p.Boxes()[box] = true;
    return p;
}

class LogEntryTest : public ::testing::Test {
  protected:
    std::string Entry(const LogPreferences& prefs, bool log_empty = false) {
        return ComposeLogEntry(Noon2000(), engine_, prefs, log_empty).text;
    }
    CalendarEngine engine_;
};

TEST_F(LogEntryTest, ExpandedEntryWithChineseTerms) {
    LogPreferences all = Only({});
    all.SetAll(true);
    EXPECT_EQ(
        Entry(all),
        "79-17-01-11 CHS 20:00 CCT\r\n"
        "= the 11th day of solar term 1 (Z11, Winter solstice, Dong zhi)\r\n"
        "in the year (sui) at position 17 of cycle 79.\r\n"
        "79-16-11-25 CHL 20:00 CCT\r\n"
        "= the 25th day (earth-horse wu-wu) of month 11 (fire-rat bing-zi ) \r\n"
        "in the earth-rabbit ji-mao year (nian) at position 16 of cycle 79 (year 4697).\r\n"
        "2,451,545.8333 CJDC (chronological Julian date, longitude  120º E)\r\n"
        "Epoch = -2696, method = true sun, longitude = 120º E.\r\n"
        "--------------------\r\n"
        "2000-01-01 CE 12:00 GMT\r\n"
        "= the 1st day of January in the year 2000 in the Common Era Calendar, a Saturday.\r\n"
        "1999-12-19 JC 12:00 GMT\r\n"
        "= the 19th day of December in the year 1999 in the Julian Calendar, a Saturday.\r\n"
        "2,451,545.5000 CJDL (chronological Julian date, London)\r\n"
        "--------------------\r\n"
        "2,451,545.0000 AJD (astronomical Julian date)\r\n"
        "Crescent moon (waning), 32.2% illumination\r\n"
        "Lunation -1, age of Moon = 24 days, 13 hrs, 27 mins (82.4% of lunation)\r\n\r\n");
}

// Separators close a group only in expanded entries.
TEST_F(LogEntryTest, CompactEntryWithoutSeparators) {
    EXPECT_EQ(Entry(Only({kBoxCJDC, kBoxCJDL, kBoxAJD})),
              "2,451,545.8333 CJDC\r\n2,451,545.5000 CJDL\r\n2,451,545.0000 AJD\r\n\r\n");
}

TEST_F(LogEntryTest, NothingChosenWritesNoEntry) {
    for (bool empty : {true, false}) {
        LogEntryText entry =
            ComposeLogEntry(Noon2000(), engine_, Only({kBoxEpochEtc, kBoxVerbose}), empty);
        EXPECT_FALSE(entry.has_entry);
        EXPECT_EQ(entry.text, empty ? "Vemla 1.0.0\r\n\r\n" : "");
    }
}

TEST(AutoLogHeading, NamesTheOperationItsDirectionAndTheDayCount) {
    AutoLogInputs in;
    in.move_step_item = "CHL month";
    in.target_item = "Full moon";
    EXPECT_EQ(AutoLogHeading(kLogSearch, in), "Search for next full moon");
    EXPECT_EQ(AutoLogHeading(kLogOneDayMove, in), "Move forward one day ");
    EXPECT_EQ(AutoLogHeading(6, in), "");
    in.plus_minus_text = "-1";
    EXPECT_EQ(AutoLogHeading(kLogConvert, in), "Plus -1 day");
    in.move_forward = in.next = in.plus = false;
    EXPECT_EQ(AutoLogHeading(kLogMoveStep, in), "Move back 1 CHL month");
    EXPECT_EQ(AutoLogHeading(kLogSearch, in), "Search for previous full moon");
    in.plus_minus_text = " 30 ";
    EXPECT_EQ(AutoLogHeading(kLogConvert, in), "Minus 30 days");
    // Underlined in expanded entries.
    EXPECT_EQ(AutoLogHeadingLines("Now", true), "Now\r\n---\r\n");
    EXPECT_EQ(AutoLogHeadingLines("Now", false), "Now\r\n");
}

TEST(LogWindowCaption, DropsTheVersion) {
    EXPECT_EQ(LogWindowCaption("Vemla 0.10.0-rc1"), "Log for Vemla");
}

}  // namespace
}  // namespace vemla
