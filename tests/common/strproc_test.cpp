// The fixed text forms of times, durations, ordinals and the small string helpers.
#include "common/strproc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vemla {
namespace {

TEST(TimeText, FormsAndRounding) {
    EXPECT_EQ(TimeText(0.5, false), "12:00");
    EXPECT_EQ(TimeText(0.0, true), "00:00:00");
    EXPECT_EQ(TimeText(1.0, false), "XX:XX:XX");
    EXPECT_EQ(TimeText(-0.1, true), "XX:XX:XX");
    EXPECT_EQ(TimeText(NAN, true), "XX:XX:XX");
    const double t235931 = (23 * 3600 + 59 * 60 + 31) / 86400.0;
    EXPECT_EQ(TimeText(t235931, false), "24:00");
    EXPECT_EQ(TimeText(t235931, true), "23:59:31");
    // Thirty seconds round down, thirty-one up.
    EXPECT_EQ(TimeText((10 * 3600 + 5 * 60 + 30) / 86400.0, false), "10:05");
    EXPECT_EQ(TimeText((10 * 3600 + 5 * 60 + 31) / 86400.0, false), "10:06");
    // A hair below a whole second counts as that second.
    EXPECT_EQ(TimeText(3600.0 / 86400.0 - 1e-12, true), "01:00:00");
    EXPECT_EQ(TimeText(0.99999999999, true), "23:59:59");
}

TEST(DurationText, LongAndShort) {
    EXPECT_EQ(DurationText(1445, true), "1 day and 5 minutes");
    EXPECT_EQ(DurationText(1445, false), "1d 5m");
    EXPECT_EQ(DurationText(60, true), "1 hour");
    EXPECT_EQ(DurationText(0, false), "0m");
    EXPECT_EQ(DurationText(0, true), "0 minutes");
    EXPECT_EQ(DurationText(2880, true), "2 days");
    EXPECT_EQ(DurationText(61, false), "1h 1m");
    EXPECT_EQ(DurationText(2 * 1440 + 3 * 60 + 5, true), "2 days and 3 hours and 5 minutes");
    EXPECT_EQ(DurationText(1, true), "1 minute");
}

TEST(OrdinalText, SuffixesIncludingTheTeens) {
    EXPECT_EQ(OrdinalText(1), "1st");
    EXPECT_EQ(OrdinalText(22), "22nd");
    EXPECT_EQ(OrdinalText(23), "23rd");
    EXPECT_EQ(OrdinalText(12), "12th");
    EXPECT_EQ(OrdinalText(0), "0th");
    EXPECT_EQ(OrdinalText(-3), "-3");
    // Every number ending in 11, 12 or 13 takes "th".
    EXPECT_EQ(OrdinalText(111), "111th");
    EXPECT_EQ(OrdinalText(112), "112th");
    EXPECT_EQ(OrdinalText(213), "213th");
    EXPECT_EQ(OrdinalText(101), "101st");
}

TEST(StringHelpers, RemovingAndKeeping) {
    EXPECT_EQ(CountChar("a-b-c", '-'), 2);
    EXPECT_EQ(RemoveChar(" 12 : 30 ", ' '), "12:30");
    std::string text = "1,234.5 days";
    RemoveChars(text, ", ");
    EXPECT_EQ(text, "1234.5days");
    std::string signed_text = "a-+12-3+4";
    KeepDigitsAndSign(signed_text, true);
    EXPECT_EQ(signed_text, "-+1234");
    std::string unsigned_text = "-12";
    KeepDigitsAndSign(unsigned_text, false);
    EXPECT_EQ(unsigned_text, "12");
    EXPECT_EQ(PadForWidth(42, 5), "   ");
    EXPECT_EQ(PadForWidth(-42, 3), "");
    EXPECT_EQ(StrNumber(5), " 5");
    EXPECT_EQ(StrNumber(-5), "-5");
    EXPECT_EQ(Trim("  a b \r\n"), "a b");
}

TEST(StringHelpers, PlusMinusCounts) {
    EXPECT_TRUE(IsValidPlusMinus("-1.5"));
    EXPECT_TRUE(IsValidPlusMinus("+1,000"));
    EXPECT_TRUE(IsValidPlusMinus(" 5 "));
    EXPECT_FALSE(IsValidPlusMinus("1-2"));
    EXPECT_FALSE(IsValidPlusMinus("5 days"));
    EXPECT_FALSE(IsValidPlusMinus(""));
    EXPECT_FALSE(IsValidPlusMinus("   "));
}

TEST(StringHelpers, NumericValueReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(NumericValue("  -12.5abc"), -12.5);
    EXPECT_DOUBLE_EQ(NumericValue("7*"), 7.0);
    EXPECT_DOUBLE_EQ(NumericValue("abc"), 0.0);
    EXPECT_DOUBLE_EQ(NumericValue(""), 0.0);
    // Beyond any double: the largest one, so that it fails every limit.
    EXPECT_EQ(NumericValue(std::string(400, '9')), std::numeric_limits<double>::max());
}

}  // namespace
}  // namespace vemla
