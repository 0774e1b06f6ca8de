// The text form of the saved state: its exact layout, exact round trips, and
// refusal of anything short, long, out of range or damaged.
#include "app/state_file.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace vemla {
namespace {

// The text with line n (1-based) replaced by value.
std::string WithLine(const std::string& text, int n, const std::string& value) {
    std::size_t begin = 0;
    for (int i = 1; i < n; ++i) begin = text.find("\r\n", begin) + 2;
    std::size_t end = text.find("\r\n", begin);
    return text.substr(0, begin) + value + text.substr(end);
}

std::string FirstLines(const std::string& text, int n) {
    std::size_t end = 0;
    for (int i = 0; i < n; ++i) end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

const std::string kDefaultText = FormatStateFile(SavedState{});

TEST(StateFileFormat, DefaultStateLineByLine) {
    const std::string head =
        "2451545\r\n2\r\n-1\r\n-1\r\n-1\r\n2\r\n0\r\n2\r\n0\r\n-2696\r\n"  // lines 1..10
        "1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n"  // log boxes
        "1\r\n0\r\n0\r\n"                                                    // show local, CJDs, auto log
        "\"L00\"\r\n\"L01\"\r\n\"L02\"\r\n\"L03\"\r\n\"L04\"\r\n\"ICT\"\r\n\"HAN\"\r\n";
    EXPECT_EQ(FirstLines(kDefaultText, 33), head);
    EXPECT_EQ(WithLine(kDefaultText, 47, "\"CCT\""), kDefaultText);  // 120 degrees East
    const std::string tail = "\"L44\"\r\n\"L45\"\r\n20\r\n";
    ASSERT_GE(kDefaultText.size(), tail.size());
    EXPECT_EQ(kDefaultText.substr(kDefaultText.size() - tail.size()), tail);

    int line_ends = 0;
    for (std::size_t i = 0; i < kDefaultText.size(); ++i) {
        if (kDefaultText[i] == '\n') {
            ++line_ends;
            EXPECT_TRUE(i > 0 && kDefaultText[i - 1] == '\r') << "bare LF at " << i;
        }
    }
    EXPECT_EQ(line_ends, kStateFileLineCount);
    EXPECT_EQ(FirstLines(kDefaultText, kStateFileLineCount), kDefaultText);
}

TEST(StateFileFormat, TwoLetterAbbreviationKeepsItsBlank) {
    SavedState state;
    state.abbreviations[20] = "ab ";
    const std::string text = FormatStateFile(state);
    EXPECT_NE(text.find("\r\n\"ab \"\r\n"), std::string::npos);
    ParsedState parsed = ParseStateFile(text);
    ASSERT_TRUE(parsed) << parsed.line << ": " << parsed.reason;
    EXPECT_EQ(parsed.state->abbreviations[20], "ab ");
}

TEST(StateFileFormat, CaptureTakesTheEpochYearAndEverySetting) {
    Settings settings;
    settings.epoch_index = 1;
    settings.method_index = 1;
    settings.longitude_index = 45;
    settings.move_forward = false;
    settings.plus = false;
    settings.next = false;
    settings.move_step_index = 13;
    settings.target_index = 18;
    settings.refresh_period_index = 4;
    settings.show_local = false;
    settings.show_cjds = true;
    settings.auto_log = true;
    LogPreferences log;
    log.SetAll(false);
    log.lunation_and_age = true;
    AbbreviationTable abbreviations = DefaultAbbreviations();
    abbreviations[45] = "EOF";

    SavedState state = CaptureState(2816788.0, kCalCEX, settings, log, abbreviations);
    EXPECT_EQ(state.epoch_year, kEpochAlternative);
    EXPECT_EQ(state.EpochIndex(), 1);
    const std::string text = FormatStateFile(state);
    EXPECT_EQ(FirstLines(text, 10), "2816788\r\n8\r\n0\r\n0\r\n0\r\n13\r\n18\r\n4\r\n1\r\n-2636\r\n");
    EXPECT_EQ(text.substr(FirstLines(text, 10).size(), 13 * 3 + 9),
              "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n1\r\n1\r\n");
    const std::string tail = "\"EOF\"\r\n45\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

    ParsedState parsed = ParseStateFile(text);
    ASSERT_TRUE(parsed) << parsed.line << ": " << parsed.reason;
    EXPECT_EQ(FormatStateFile(*parsed.state), text);
}

TEST(StateFileFormat, MomentRoundTripsBitForBit) {
    std::mt19937_64 random(20240210);
    std::uniform_real_distribution<double> moments(kMinAJDate, kMaxAJDate);
    std::vector<double> samples = {kMinAJDate, kMaxAJDate, std::nextafter(kMaxAJDate, 0.0),
                                   std::nextafter(kMinAJDate, kMaxAJDate), 2451545.1, 2460000.0 + 1.0 / 3.0};
    for (int i = 0; i < 2000; ++i) samples.push_back(moments(random));
    for (double moment : samples) {
        SavedState state;
        state.moment = moment;
        ParsedState parsed = ParseStateFile(FormatStateFile(state));
        ASSERT_TRUE(parsed) << moment << " " << parsed.reason;
        EXPECT_EQ(std::memcmp(&parsed.state->moment, &moment, sizeof moment), 0) << moment;
    }
    SavedState state;
    state.moment = 2451545.5;
    EXPECT_EQ(FirstLines(FormatStateFile(state), 1), "2451545.5\r\n");
}

TEST(StateFileFormat, DecimalPointIsAFullStopInEveryLocale) {
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    if (!chosen) GTEST_SKIP() << "no locale with a decimal comma installed";
    SavedState state;
    state.moment = 2451545.25;
    const std::string text = FormatStateFile(state);
    ParsedState parsed = ParseStateFile(text);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(FirstLines(text, 1), "2451545.25\r\n");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed.state->moment, 2451545.25);
}

TEST(StateFileParse, LineEnds) {
    EXPECT_TRUE(ParseStateFile(kDefaultText));
    // No final line end.
    EXPECT_TRUE(ParseStateFile(kDefaultText.substr(0, kDefaultText.size() - 2)));
    // LF only.
    std::string lf;
    for (char c : kDefaultText)
        if (c != '\r') lf += c;
    ParsedState parsed = ParseStateFile(lf);
    ASSERT_TRUE(parsed) << parsed.line << ": " << parsed.reason;
    EXPECT_EQ(FormatStateFile(*parsed.state), kDefaultText);
    // A CR alone does not end a line.
    std::string cr;
    for (char c : kDefaultText)
        if (c != '\n') cr += c;
    EXPECT_FALSE(ParseStateFile(cr));
    EXPECT_FALSE(ParseStateFile(""));
    EXPECT_FALSE(ParseStateFile("\r\n"));
}

TEST(StateFileParse, ShortFilesAreRefusedWhole) {
    ParsedState two = ParseStateFile("2451545\r\n2\r\n");
    EXPECT_FALSE(two.state);
    EXPECT_EQ(two.line, 3);

    for (int n = 0; n < kStateFileLineCount; ++n) {
        ParsedState parsed = ParseStateFile(FirstLines(kDefaultText, n));
        EXPECT_FALSE(parsed) << n << " lines";
        EXPECT_EQ(parsed.line, n + 1);
    }
    // Cut anywhere before the last line, even inside a line.
    const std::size_t last_line = FirstLines(kDefaultText, kStateFileLineCount - 1).size();
    for (std::size_t size = 0; size < last_line; ++size)
        EXPECT_FALSE(ParseStateFile(kDefaultText.substr(0, size))) << size << " bytes";
}

TEST(StateFileParse, ExtraLinesAreRefused) {
    for (const char* extra : {"\r\n", "20\r\n", "\"CCT\"\r\n", "x"}) {
        ParsedState parsed = ParseStateFile(kDefaultText + extra);
        EXPECT_FALSE(parsed) << extra;
        EXPECT_EQ(parsed.line, 74);
    }
}

struct LineCase {
    int line;
    std::string value;
};

TEST(StateFileParse, ValuesAtTheEdgesOfTheirRanges) {
    const std::vector<LineCase> accepted = {
        {1, "625333"}, {1, "2816788"}, {1, "2816788.0"}, {1, "2.451545e6"}, {1, "2451545.123456789"},
        {2, "0"},      {2, "8"},       {6, "0"},         {6, "13"},         {7, "18"},
        {8, "4"},      {9, "1"},       {10, "-2636"},    {11, "0"},         {23, "1"},
        {24, "0"},     {26, "1"},      {73, "0"},        {73, "45"}};
    for (const LineCase& c : accepted) {
        ParsedState parsed = ParseStateFile(WithLine(kDefaultText, c.line, c.value));
        EXPECT_TRUE(parsed) << "line " << c.line << " = " << c.value << ": " << parsed.reason;
    }
    const std::vector<LineCase> refused = {
        {1, "625332.99999999"}, {1, "2816788.0000001"}, {1, "-2451545"}, {1, "nan"}, {1, "inf"},
        {1, "1e400"},  {2, "9"},  {2, "-1"},  {3, "1"},  {4, "-2"}, {5, "2"},   {6, "14"},
        {6, "-1"},     {7, "19"}, {8, "5"},   {9, "2"},  {10, "-2697"}, {10, "0"}, {10, "2696"},
        {11, "-1"},    {12, "2"}, {17, "2"},  {23, "2"}, {24, "-1"}, {25, "2"},  {26, "-1"},
        {73, "46"},    {73, "-1"}};
    for (const LineCase& c : refused) {
        ParsedState parsed = ParseStateFile(WithLine(kDefaultText, c.line, c.value));
        EXPECT_FALSE(parsed) << "line " << c.line << " = " << c.value;
        EXPECT_EQ(parsed.line, c.line) << c.value << ": " << parsed.reason;
    }
}

TEST(StateFileParse, WrongTypesAreRefused) {
    const std::vector<LineCase> refused = {
        {1, ""},          {1, "\"2451545\""}, {1, " 2451545"}, {1, "2451545 "}, {1, "+2451545"},
        {1, "2,451,545"}, {1, "2451545,5"},   {1, "0x1p21"},   {2, "2.0"},      {2, "CHL"},
        {2, "2e0"},       {2, "99999999999999999999"},         {3, "true"},     {3, "#TRUE#"},
        {10, "-2696.0"},  {11, ""},           {27, "L00"},     {27, "\"L00"},   {27, "L00\""},
        {27, "\""},       {27, " \"L00\""},   {73, "\"20\""},  {73, "20 "}};
    for (const LineCase& c : refused) {
        ParsedState parsed = ParseStateFile(WithLine(kDefaultText, c.line, c.value));
        EXPECT_FALSE(parsed) << "line " << c.line << " = " << c.value;
        EXPECT_EQ(parsed.line, c.line) << c.value;
    }
}

TEST(StateFileParse, AbbreviationsAreThreePrintableCharacters) {
    struct Case {
        std::string quoted;
        std::string stored;
    };
    const std::vector<Case> accepted = {
        {"\"ab \"", "ab "}, {"\"x  \"", "x  "}, {"\"a\"b\"", "a\"b"}, {"\"\"\"\"\"", "\"\"\""},
        {"\"\xE6\x9D\xB1\xE4\xBA\xAC \"", "\xE6\x9D\xB1\xE4\xBA\xAC "},  // two CJK characters and a blank
        {"\"\xF0\x9F\x8C\x91\xF0\x9F\x8C\x95\xF0\x9F\x8C\x97\"",
         "\xF0\x9F\x8C\x91\xF0\x9F\x8C\x95\xF0\x9F\x8C\x97"}};  // three 4-byte characters
    for (const Case& c : accepted) {
        ParsedState parsed = ParseStateFile(WithLine(kDefaultText, 50, c.quoted));
        ASSERT_TRUE(parsed) << c.quoted << ": " << parsed.reason;
        EXPECT_EQ(parsed.state->abbreviations[23], c.stored);
    }
    const std::vector<std::string> refused = {
        "\"\"", "\"ab\"", "\"abcd\"", "\"   \"", "\"a\tb\"", "\"ab\x7F\"", std::string("\"ab\0\"", 5),
        "\"a\xC2\x85z\"",           // C1 control
        "\"\xFF\xFE\x41\"",         // not UTF-8
        "\"a\xC0\xA0z\"",           // overlong blank
        "\"a\xED\xA0\x80z\"",       // surrogate
        "\"ab\xE6\x9D\"",           // cut inside a character
        "\"a\xF4\x90\x80\x80z\""};  // beyond U+10FFFF
    for (const std::string& quoted : refused) {
        ParsedState parsed = ParseStateFile(WithLine(kDefaultText, 50, quoted));
        EXPECT_FALSE(parsed) << quoted;
        EXPECT_EQ(parsed.line, 50);
    }
}

TEST(StateFileParse, HugeAndBinaryInputIsRefused) {
    // A valid number, but longer than any line of a state file.
    std::string padded = "2451545." + std::string(kMaxStateLineLength, '0');
    EXPECT_EQ(ParseStateFile(WithLine(kDefaultText, 1, padded)).line, 1);
    EXPECT_EQ(ParseStateFile(WithLine(kDefaultText, 40, "\"" + std::string(1 << 20, 'x') + "\"")).line, 0);
    EXPECT_FALSE(ParseStateFile(kDefaultText + std::string(kMaxStateFileSize, '\n')));
    EXPECT_FALSE(ParseStateFile(std::string(100000, '\0')));
    EXPECT_EQ(ParseStateFile(WithLine(kDefaultText, 2, std::string("2\0", 2))).line, 2);
    EXPECT_EQ(ParseStateFile(WithLine(kDefaultText, 6, std::string(1, '\0'))).line, 6);
}

// Damaged copies of a valid file never crash the reader, and whatever it
// accepts is a state that writes back to text it accepts again.
TEST(StateFileParse, RandomDamageIsHandled) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> position(0, kDefaultText.size() - 1);
    int accepted = 0;
    for (int i = 0; i < 5000; ++i) {
        std::string text = kDefaultText;
        for (int k = i % 3; k >= 0; --k) text[position(random)] = static_cast<char>(byte(random));
        if (i % 7 == 0) text.erase(position(random) % text.size(), 1);
        ParsedState parsed = ParseStateFile(text);
        if (!parsed) {
            EXPECT_GE(parsed.line, 0);
            EXPECT_LE(parsed.line, 74);
            continue;
        }
        ++accepted;
        ParsedState again = ParseStateFile(FormatStateFile(*parsed.state));
        ASSERT_TRUE(again) << again.reason;
        EXPECT_EQ(FormatStateFile(*again.state), FormatStateFile(*parsed.state));
    }
    EXPECT_GT(accepted, 0);
    for (int i = 0; i < 500; ++i) {
        std::string noise(static_cast<std::size_t>(byte(random)) * 4, '\0');
        for (char& c : noise) c = static_cast<char>(byte(random));
        EXPECT_FALSE(ParseStateFile(noise));
    }
}

}  // namespace
}  // namespace vemla
