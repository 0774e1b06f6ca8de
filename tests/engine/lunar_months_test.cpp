// Numbering lunar months into sui with the leap-month rule, on made-up
// layouts where the answer is known, and month starts on real ones.
#include "engine/lunar_months.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/chinese_dates.h"
#include "engine/european.h"

namespace vemla {
namespace {

// Principal terms (even indexes) every 30 days from day 1000, so index 24 is
// a December solstice at day 1360; months begin on the days given.
CalendarTables Layout(const std::vector<int32_t>& month_starts) {
    CalendarTables t;
    for (int i = 0; i < kTermCount; ++i) {
        t.TermDays[i] = 1000 + 15 * i;
        t.TermMoments[i] = t.TermDays[i] + 0.5;
    }
    t.MonthCount = static_cast<int>(month_starts.size());
    for (int m = 0; m < t.MonthCount; ++m) t.MonthStartDays[m] = month_starts[m];
    LabelMonths(t);
    return t;
}

std::vector<int32_t> MonthsFrom(int32_t first, int count, int length = 30) {
    std::vector<int32_t> starts;
    for (int m = 0; m < count; ++m) starts.push_back(first + length * m);
    return starts;
}

std::vector<std::string> Labels(const CalendarTables& t, int from, int count) {
    std::vector<std::string> labels;
    for (int m = from; m < from + count; ++m) labels.push_back(MonthLabelText(t.MonthLabels[m]));
    return labels;
}

TEST(LabelMonths, TwelveMonthsOfASuiRunFromElevenToTen) {
    CalendarTables t = Layout(MonthsFrom(995, 41));
    EXPECT_EQ(Labels(t, 0, 13), (std::vector<std::string>{"11", "12", "01", "02", "03", "04", "05", "06",
                                                          "07", "08", "09", "10", "11"}));
    for (int m = 0; m < 38; ++m) EXPECT_EQ(t.PrincipalCount[m], 1) << m;  // months up to the last principal term
    // The months after the last complete sui are not numbered.
    EXPECT_EQ(MonthLabelText(t.MonthLabels[36]), "stop here");
}

TEST(LabelMonths, TheFirstMonthWithoutAPrincipalTermIsTheLeapMonth) {
    std::vector<int32_t> starts = MonthsFrom(995, 8);  // months 0..7, the last holding day 1210
    starts.push_back(1235);                          // a month that holds no principal term
    for (int32_t s : MonthsFrom(1239, 30)) starts.push_back(s);
    CalendarTables t = Layout(starts);
    EXPECT_EQ(t.PrincipalCount[8], 0);
    EXPECT_EQ(Labels(t, 0, 14), (std::vector<std::string>{"11", "12", "01", "02", "03", "04", "05", "06",
                                                          "6*", "07", "08", "09", "10", "11"}));
    EXPECT_TRUE(t.MonthLabels[8].IsMonth(6, true));
}

TEST(LabelMonths, AMonthBeforeTheFirstSuiBecomesLeapTen) {
    // The dark moon falls on the day of the first solstice but before it, so
    // the table's first month ends the day the solstice's month begins.
    std::vector<int32_t> starts{970};
    for (int32_t s : MonthsFrom(1000, 40)) starts.push_back(s);
    CalendarTables t = Layout(starts);
    EXPECT_EQ(Labels(t, 0, 4), (std::vector<std::string>{"10*", "11", "12", "01"}));
    EXPECT_EQ(MonthLabelText(t.MonthLabels[13]), "11");  // the next sui is aligned again
}

TEST(MonthOfDay, NeverReachesPastTheLastStoredMonth) {
    CalendarTables t = Layout(MonthsFrom(995, 41));
    EXPECT_EQ(t.MonthOfDay(995), 0);
    EXPECT_EQ(t.MonthOfDay(994), -1);
    // The last stored month has no known end, so its days are not placed.
    EXPECT_EQ(t.MonthOfDay(995 + 30 * 39), 39);
    EXPECT_EQ(t.MonthOfDay(995 + 30 * 40), -1);
    EXPECT_EQ(t.MonthOfDay(995 + 30 * 40 + 1000), -1);
}

}  // namespace
}  // namespace vemla
