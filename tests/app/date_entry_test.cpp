// Typed dates: the grammar, the parse errors and their messages, the range of
// the displayed moment and Convert's plus/minus days.
#include "app/date_entry.h"

#include "main_state_fixture.h"

namespace vemla::test {
namespace {

TEST_F(MainStateTest, EachFaultyEntryGetsItsMessageAndChangesNothing) {
    const std::string chl_form =
        "Invalid CHL date.  CHL dates must be in the form: cycle-position-month-day "
        "element-animal\r\n"
        "Use '?' for position if only element-animal known, e.g., 70-?-12-30 wood-dog.\r\n"
        "Specify element-animal using the drop-down boxes.";
    struct {
        const char *date, *time, *plus_minus;
        std::string message;
    } const cases[] = {
        {"", "", "", "No date specified."},
        {"2000-01-01 1", "", "",
         "Calendar must be specified (one of CE, CEX, JC, CHL, CHS, CJDL, CJDC, CJDX and AJD)."},
        {"2000-01-01 12:00 CE", "", "", "Time specification not permitted in date string."},
        {"2000-01-01 CE", "24:01", "", "Invalid time specification.  Times must be, e.g., 23:50."},
        {"2000/01/01 CE", "", "", "Date separator must be a dash, '-'."},
        {"2000-02-30 CE", "", "",
         "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day"},
        {"1901-02-29 JC", "", "",
         "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day"},
        {"79-16-13-01 CHL", "", "", chl_form},
        {"79-17-01-17 CHS", "", "",
         "Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day\r\n"},
        {"2451545-1-1 AJD", "", "",
         "Invalid CJDL, CJDC, CJDX or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 "
         "AJD."},
        {"2000-13-01 CEX", "", "",
         "Invalid CEX date.  CEX dates must be in ISO 8601 format: year-month-day"},
        // The twelfth month of 1999 (from 2000-01-07) has 29 days.
        {"79-16-12-30 CHL", "", "",
         "Invalid CHL date.  Day number exceeds number of days in the month."},
        {"", "", "5 days", "Invalid plus/minus days."},
        {"625332.9 AJD", "", "", "Date too early."},
    };
    for (const auto& c : cases) {
        state.SetPlusMinusText(c.plus_minus);
        Convert(c.date, c.time);
        ASSERT_EQ(ui.messages.size(), 1u) << c.date;
        EXPECT_EQ(ui.messages[0].title, "Invalid date or time entry");
        EXPECT_EQ(ui.TakeMessage(), c.message) << c.date;
        EXPECT_EQ(state.View().time_text, "") << c.date;  // the report empties the time box
        EXPECT_EQ(state.CurrentAJD(), kJ2000);
    }
    // Without a code the current calendar's is added: here a lunar date.
    Convert("2000-01-01");
    EXPECT_EQ(state.View().date_text, "2000-01-01 CHL");
    EXPECT_EQ(ui.TakeMessage(), chl_form);
}

// Each calendar reads the time box in its own zone; Julian-date numbers bring
// their own time, which fills the time box.
TEST_F(MainStateTest, EachCalendarReadsItsTimeInItsOwnZone) {
    struct {
        const char *date, *time, *time_box;
        int zone;
        const char* ce;
    } const cases[] = {
        {"2000-01-01 ce", "7:5", "7:5", kZoneGMT, "2000-01-01 CE 07:05 GMT Saturday"},
        {"79-16-11-25 CHL", "", "12:00", kZoneMeridian, "2000-01-01 CE 04:00 GMT Saturday"},
        {"2000-01-01 CE", "24:00", "24:00", kZoneGMT, "2000-01-02 CE 00:00 GMT Sunday"},
        {"2451545.75 CJDL", "03:00", "18:00", kZoneGMT, "2000-01-01 CE 18:00 GMT Saturday"},
        {"2,451,545 AJD", "", "12:00", kZoneGMT, "2000-01-01 CE 12:00 GMT Saturday"},
    };
    for (const auto& c : cases) {
        Convert(c.date, c.time);
        EXPECT_EQ(ui.TakeMessage(), "") << c.date;
        EXPECT_EQ(state.View().time_text, c.time_box) << c.date;
        EXPECT_EQ(Set().time_zone_index, c.zone) << c.date;
        EXPECT_EQ(Value(kCalCE), c.ce) << c.date;
        EXPECT_TRUE(state.View().rows[state.Calendar()].caption.highlighted) << c.date;
    }
    Convert("2000-01-01 ce");
    EXPECT_EQ(state.View().date_text, "2000-01-01 CE");
}

TEST_F(MainStateTest, TheRangeEndsAtNoonOfBothMillennialNewYears) {
    Convert("3000-01-01 CE", "12:00");
    EXPECT_EQ(state.CurrentAJD(), kMaxAJDate);
    Convert("3000-01-01 CE", "12:01");
    EXPECT_EQ(ui.messages.at(0).title, "Date out of range");
    EXPECT_EQ(ui.TakeMessage(), "Date is later than 3000-01-01 CE.");
    Convert("-3000-01-01 CE", "12:00");
    EXPECT_EQ(state.CurrentAJD(), kMinAJDate);
    Convert("-3000-01-01 CE", "11:59");
    EXPECT_EQ(ui.TakeMessage(), "Date is earlier than -3000-01-01 CE.");
    state.SetPlusMinusText("99999999999999999999");
    Convert("2000-01-01 CE");
    EXPECT_EQ(ui.TakeMessage(), "Date is later than 3000-01-01 CE.");
    EXPECT_EQ(state.CurrentAJD(), kMinAJDate);
}

// Found by fuzzing: "J" typed last and the current calendar's "CHL" appended
// formed "JC", and the entry converted as a Julian Calendar date while the
// date box said CHL; Convert pressed again then refused the box.
TEST_F(MainStateTest, AnAppendedCodeReadsAsTheDateBoxShowsIt) {
    for (const char* typed : {"2000-01-01J", "2451545J"}) {
        for (int calendar : {int{kCalCHL}, int{kCalCJDX}}) {
            state.SetCalendar(calendar);
            Convert(typed);
            EXPECT_EQ(ui.TakeMessage(), ParseErrorText(kNoCalendar)) << typed;
            EXPECT_EQ(state.View().date_text,
                      std::string(typed) + " " + std::string(kCalendarCodes[calendar]));
            state.Convert();
            EXPECT_EQ(ui.TakeMessage(), ParseErrorText(kNoCalendar)) << typed;
            EXPECT_EQ(state.CurrentAJD(), kJ2000);
        }
    }
    state.SetCalendar(kCalCE);
    Convert("2000-01-02J");  // "JCE" holds CE at its end: a CE date
    EXPECT_EQ(ui.TakeMessage(), "");
    EXPECT_EQ(Value(kCalCE), "2000-01-02 CE 12:00 GMT Sunday");
}

// Found by fuzzing: the four decimals of a Julian-date row can put the text of
// the first or last admissible moment just outside the range, and clicking it
// gave "Date too early." The text stands for the end of the range itself.
TEST_F(MainStateTest, JulianDatesShownAtTheEndsOfTheRangeConvertBack) {
    test::ScopedTimeZone chatham("CHAST-12:45");
    for (double end : {kMinAJDate, kMaxAJDate}) {
        ShowMoment(end);
        for (int row : {int{kCalCJDX}, int{kCalCJDC}, int{kCalAJD}, int{kCalCJDL}}) {
            state.ClickDateRow(row, 1);
            state.Convert();
            EXPECT_EQ(ui.messages.at(0).title, "Convert date");
            EXPECT_EQ(ui.TakeMessage(), "Calendar dates unchanged.") << state.View().date_text;
            EXPECT_NEAR(state.CurrentAJD(), end, 0.0000501) << state.View().date_text;
        }
    }
    EXPECT_EQ(Value(kCalCJDX), "2,816,789.0312 CJDX");  // .03125, to the even digit
    Convert("625332.99994 AJD");
    EXPECT_EQ(ui.TakeMessage(), "Date too early.");
    Convert("2816788.00006 AJD");
    EXPECT_EQ(ui.TakeMessage(), "Date is later than 3000-01-01 CE.");
}

TEST_F(MainStateTest, PlusMinusDaysStartFromTheDisplayedDate) {
    int logged = 0;
    state.auto_log = [&logged](int kind) { logged = kind; };
    state.SetPlusMinusText(" +1.5 ");
    state.PlusMinusEnter();  // nothing without a date
    EXPECT_EQ(state.CurrentAJD(), kJ2000);
    state.Convert();  // the lunar date shown, 20:00 CCT
    EXPECT_EQ(state.CurrentAJD(), kJ2000 + 1.5);
    EXPECT_EQ(logged, 0);  // auto log is off
    state.SetPlus(false);
    state.SetPlusMinusText("1,000");
    Convert("2000-01-01 CE");
    EXPECT_EQ(state.CurrentAJD(), kJ2000 - 1000);
}

}  // namespace
}  // namespace vemla::test
