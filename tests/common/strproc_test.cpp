// The fixed text forms of times, durations, ordinals and the small string helpers.
#include "common/strproc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

namespace vemla {
namespace {

TEST(TimeText, FormsAndRounding) {
    auto at = [](int h, int m, int s) { return (h * 3600 + m * 60 + s) / 86400.0; };
    // Thirty seconds round down, thirty-one up; a hair below a whole second counts as it.
    const std::tuple<double, bool, const char*> cases[] = {{0.5, false, "12:00"},
                                                           {0.0, true, "00:00:00"},
                                                           {1.0, false, "XX:XX:XX"},
                                                           {-0.1, true, "XX:XX:XX"},
                                                           {NAN, true, "XX:XX:XX"},
                                                           {at(23, 59, 31), false, "24:00"},
                                                           {at(23, 59, 31), true, "23:59:31"},
                                                           {at(10, 5, 30), false, "10:05"},
                                                           {at(10, 5, 31), false, "10:06"},
                                                           {at(1, 0, 0) - 1e-12, true, "01:00:00"},
                                                           {0.99999999999, true, "23:59:59"}};
    for (const auto& [t, seconds, text] : cases) EXPECT_EQ(TimeText(t, seconds), text) << t;
}

TEST(DurationText, LongAndShort) {
    const std::tuple<int, bool, const char*> cases[] = {
        {1445, true, "1 day and 5 minutes"},
        {1445, false, "1d 5m"},
        {0, false, "0m"},
        {0, true, "0 minutes"},
        {61, false, "1h 1m"},
        {1, true, "1 minute"},
        {2 * 1440 + 3 * 60 + 5, true, "2 days and 3 hours and 5 minutes"}};
    for (const auto& [minutes, long_form, text] : cases)
        EXPECT_EQ(DurationText(minutes, long_form), text) << minutes;
}

TEST(OrdinalText, SuffixesIncludingTheTeens) {
    for (const auto& [n, text] : std::initializer_list<std::pair<int, const char*>>{{1, "1st"},
                                                                                    {22, "22nd"},
                                                                                    {23, "23rd"},
                                                                                    {0, "0th"},
                                                                                    {-3, "-3"},
                                                                                    {111, "111th"},
                                                                                    {112, "112th"},
                                                                                    {213, "213th"},
                                                                                    {101, "101st"}})
        EXPECT_EQ(OrdinalText(n), text);
}

// Signs count only before the first digit, and a minus only where it is allowed.
TEST(StringHelpers, SignsDigitsAndNumbers) {
    std::string signed_text = "a-+12-3+4", unsigned_text = "-12";
    KeepDigitsAndSign(signed_text, true);
    KeepDigitsAndSign(unsigned_text, false);
    EXPECT_EQ(signed_text, "-+1234");
    EXPECT_EQ(unsigned_text, "12");
    for (const char* text : {"-1.5", "+1,000", " 5 "}) EXPECT_TRUE(IsValidPlusMinus(text)) << text;
    for (const char* text : {"1-2", "5 days", "", "   "})
        EXPECT_FALSE(IsValidPlusMinus(text)) << text;
    EXPECT_DOUBLE_EQ(NumericValue("  -12.5abc"), -12.5);
    EXPECT_DOUBLE_EQ(NumericValue("abc"), 0.0);
    // Beyond any double: the largest one, so that it fails every limit.
    EXPECT_EQ(NumericValue(std::string(400, '9')), std::numeric_limits<double>::max());
}

// LF and CR LF read alike, a final line end adds no empty line, and a cap counts lines.
TEST(StringHelpers, LinesAndTrimming) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(SplitLines("a\r\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r"), Lines{""});
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\nb\nc", 2), (Lines{"a", "b"}));
    std::string blanks = " \t\r\n", padded = "\t x y \n";
    EXPECT_EQ(TrimInPlace(blanks), "");
    EXPECT_EQ(TrimInPlace(padded), "x y");
}

}  // namespace
}  // namespace vemla
