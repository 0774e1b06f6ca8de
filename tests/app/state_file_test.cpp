// The text form of the saved state: exact layout, exact round trips, and
// refusal of anything short, long, out of range or damaged.
#include "app/state_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "state_text_lines.h"

namespace vemla {
namespace {

const std::string kDefaultText = FormatStateFile(SavedState{});

using test::FirstLines;
using test::WithLine;

TEST(StateFileFormat, DefaultStateText) {
    EXPECT_EQ(FirstLines(kDefaultText, 33),
              "2451545\r\n2\r\n-1\r\n-1\r\n-1\r\n2\r\n0\r\n2\r\n0\r\n-2696\r\n"    // lines 1..10
              "1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n"  // log boxes
              "1\r\n0\r\n0\r\n"  // show local, show CJDs, auto log
              "\"L00\"\r\n\"L01\"\r\n\"L02\"\r\n\"L03\"\r\n\"L04\"\r\n\"ICT\"\r\n\"HAN\"\r\n");
    EXPECT_EQ(WithLine(kDefaultText, 47, "\"CCT\""), kDefaultText);  // 120 degrees East
    EXPECT_EQ(kDefaultText.substr(FirstLines(kDefaultText, 71).size()), "\"L45\"\r\n20\r\n");
    EXPECT_EQ(std::count(kDefaultText.begin(), kDefaultText.end(), '\r'), kStateFileLineCount);
}

TEST(StateFileFormat, EverySettingRoundTrips) {
    Settings settings;
    settings.epoch_index = settings.method_index = 1;
    settings.move_forward = settings.plus = settings.show_local = false;
    settings.show_cjds = settings.auto_log = true;
    settings.move_step_index = 13, settings.target_index = 18, settings.refresh_period_index = 4;
    settings.longitude_index = 45;
    LogPreferences log;
    log.SetAll(false);
    log.lunation_and_age = true;
    AbbreviationTable abbreviations = DefaultAbbreviations();
    abbreviations[20] = "ab ";  // an entry of two letters, padded

    const std::string text =
        FormatStateFile(CaptureState(2816788.0, kCalCEX, settings, log, abbreviations));
    EXPECT_EQ(FirstLines(text, 10),
              "2816788\r\n8\r\n0\r\n0\r\n-1\r\n13\r\n18\r\n4\r\n1\r\n-2636\r\n");
    ParsedState parsed = ParseStateFile(text);
    ASSERT_TRUE(parsed) << parsed.line << ": " << parsed.reason;
    EXPECT_EQ(parsed.state->abbreviations[20], "ab ");
    EXPECT_EQ(FormatStateFile(*parsed.state), text);
}

TEST(StateFileFormat, MomentRoundTripsBitForBit) {
    std::mt19937_64 random(20240210);
    std::uniform_real_distribution<double> moments(kMinAJDate, kMaxAJDate);
    SavedState state;
    for (int i = 0; i < 2000; ++i) {
        double moment = i == 0   ? kMinAJDate
                        : i == 1 ? std::nextafter(kMaxAJDate, 0.0)
                                 : moments(random);
        state.moment = moment;
        ParsedState parsed = ParseStateFile(FormatStateFile(state));
        ASSERT_TRUE(parsed) << moment << " " << parsed.reason;
        EXPECT_EQ(std::memcmp(&parsed.state->moment, &moment, sizeof moment), 0) << moment;
    }
}

TEST(StateFileParse, LineEndsAndLineCount) {
    std::string lf = kDefaultText;
    std::erase(lf, '\r');
    EXPECT_TRUE(ParseStateFile(lf));
    EXPECT_TRUE(
        ParseStateFile(kDefaultText.substr(0, kDefaultText.size() - 2)));  // no final line end
    for (const char* extra : {"\r\n", "20\r\n", "x"})
        EXPECT_EQ(ParseStateFile(kDefaultText + extra).line, 74);
    EXPECT_EQ(ParseStateFile(FirstLines(kDefaultText, 72)).line, 73);
}

struct LineCase {
    int line;
    std::string value;
};

TEST(StateFileParse, ValuesAtTheEdgesOfTheirRangesAndTypes) {
    for (const LineCase& c : std::vector<LineCase>{{1, "625333"},
                                                   {1, "2.451545e6"},
                                                   {23, "1"},
                                                   {24, "0"},
                                                   {73, "0"},
                                                   {50, "\"a\"b\""},
                                                   {50, "\"\xE6\x9D\xB1\xE4\xBA\xAC \""},
                                                   {50, "\"\xF0\x9F\x8C\x91\xF0\x9F\x8C\x95z\""}})
        EXPECT_TRUE(ParseStateFile(WithLine(kDefaultText, c.line, c.value)))
            << c.line << " = " << c.value;
    EXPECT_EQ(ParseStateFile(WithLine(kDefaultText, 50, "\"a\"b\"")).state->abbreviations[23],
              "a\"b");

    for (const LineCase& c :
         std::vector<LineCase>{// out of range
                               {1, "-3700000.5"},
                               {1, "4966000.5"},
                               {1, "nan"},
                               {1, "inf"},
                               {1, "1e400"},
                               {2, "9"},
                               {2, "-1"},
                               {3, "1"},
                               {5, "-2"},
                               {6, "14"},
                               {7, "19"},
                               {8, "5"},
                               {9, "2"},
                               {10, "-2697"},
                               {10, "0"},
                               {11, "-1"},
                               {23, "2"},
                               {26, "-1"},
                               {73, "46"},
                               // wrong type or form
                               {1, ""},
                               {1, "\"2451545\""},
                               {1, " 2451545"},
                               {1, "+2451545"},
                               {1, "2451545,5"},
                               {1, "0x1p21"},
                               {2, "2.0"},
                               {2, "CHL"},
                               {2, "99999999999999999999"},
                               {3, "#TRUE#"},
                               {10, "-2696.0"},
                               {27, "L00"},
                               {27, "\"L00"},
                               {27, "\""},
                               {27, " \"L00\""},
                               {73, "\"20\""},
                               {73, "20 "},
                               // abbreviations: three printable characters of UTF-8
                               {50, "\"\""},
                               {50, "\"ab\""},
                               {50, "\"abcd\""},
                               {50, "\"   \""},
                               {50, "\"a\tb\""},
                               {50, "\"ab\x7F\""},
                               {50, std::string("\"ab\0\"", 5)},
                               {50, "\"a\xC2\x85z\""},
                               {50, "\"\xFF\xFE\x41\""},
                               {50, "\"a\xC0\xA0z\""},
                               {50, "\"a\xED\xA0\x80z\""},
                               {50, "\"ab\xE6\x9D\""},
                               {50, "\"a\xF4\x90\x80\x80z\""},
                               // longer than any line of a state file
                               {1, "2451545." + std::string(kMaxStateLineLength, '0')},
                               {2, std::string("2\0", 2)}}) {
        ParsedState parsed = ParseStateFile(WithLine(kDefaultText, c.line, c.value));
        EXPECT_FALSE(parsed.state) << c.line << " = " << c.value;
        EXPECT_EQ(parsed.line, c.line) << c.value << ": " << parsed.reason;
    }
}

// Huge or damaged texts never crash the reader, and whatever it accepts
// writes back to a text it accepts again.
TEST(StateFileParse, HugeAndDamagedTexts) {
    EXPECT_EQ(ParseStateFile(WithLine(kDefaultText, 40, std::string(1 << 20, 'x'))).line, 0);
    EXPECT_FALSE(ParseStateFile(std::string(100000, '\0')));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> position(0, kDefaultText.size() - 1);
    for (int i = 0; i < 5000; ++i) {
        std::string text = kDefaultText;
        for (int k = i % 3; k >= 0; --k) text[position(random)] = static_cast<char>(byte(random));
        if (i % 7 == 0) text.erase(position(random), 1);
        if (ParsedState parsed = ParseStateFile(text)) {
            const std::string again = FormatStateFile(*parsed.state);
            ASSERT_TRUE(ParseStateFile(again));
            EXPECT_EQ(FormatStateFile(*ParseStateFile(again).state), again);
        }
    }
}

}  // namespace
}  // namespace vemla
