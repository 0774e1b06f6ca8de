// The year data: headers, sui and nian headings and summaries, month lines
// against the reference months, term lines against known solstice and
// equinox times, and the three solar-term options.
#include "app/year_data.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "recording_list_output.h"
#include "tsv.h"

namespace vemla {
namespace {

using test::RecordingListOutput;

constexpr double k20240210 = 2460351.0;  // 2024-02-10 12:00 GMT

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

class YearDataTest : public ::testing::Test {
  protected:
    std::vector<std::string> Lines(double ajd, SolarTermOptions options, bool jc = false) {
        RecordingListOutput out;
        WriteYearData({engine, ajd, "CCT", "epoch = -2696, method = true sun", jc}, options, out);
        return out.Lines();
    }
    static std::vector<std::string> Matching(const std::vector<std::string>& lines,
                                             const std::regex& pattern) {
        std::vector<std::string> found;
        for (const auto& line : lines)
            if (std::regex_search(line, pattern)) found.push_back(line);
        return found;
    }

    CalendarEngine engine;
};

TEST_F(YearDataTest, ThreeSuiWithTheirNianHeadingsAndSummaries) {
    const auto lines = Lines(k20240210, {});
    ASSERT_GT(lines.size(), 6u);
    const std::vector<std::string> expected_header = {
        "Dates, times and chronological Julian dates of dark moons",
        "and solar terms for 3 solar years beginning 79-40 (2023 CE),",
        "epoch = -2696, method = true sun.  Times are CCT times,",
        "which assume longitude 120º E as prime meridian.",
        "",  // the first sui start only ends a line
        "---------- Sui 79-40"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), expected_header);

    EXPECT_EQ(Matching(lines, std::regex("^(---------- )?(Sui|Nian)")),
              (std::vector<std::string>{
                  "---------- Sui 79-40",
                  "---------- Nian  79-40",
                  "Sui 79-40 was a long sui, with 13 months.",
                  "---------- Sui 79-41",
                  "Nian 79-40 was a long nian, with 13 months.",
                  "---------- Nian  79-41",
                  "Sui 79-41 was a normal sui, with 12 months.",
                  "---------- Sui 79-42",
                  "Nian 79-41 was a normal nian, with 12 months.",
                  "---------- Nian  79-42",
                  "Sui 79-42 was a long sui, with 13 months.",
              }));
    EXPECT_EQ(lines.back(), "Sui 79-42 was a long sui, with 13 months.");
}

TEST_F(YearDataTest, MonthLinesFollowTheReferenceMonths) {
    const auto lines = Lines(k20240210, {});
    const std::regex month_line(
        R"( (\d{4}-\d\d-\d\d) CE \d\d:\d\d CCT  2,4\d\d,\d{3}\.\d{4}  LN (\d+) M(\d\d|\d+\*) \((\d) zq\))");
    std::vector<std::string> found;
    int lunation = 283;  // the month of 2022-11-24
    for (const auto& line : lines) {
        if (line.find("  LN") == std::string::npos) continue;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, month_line)) << line;
        EXPECT_EQ(std::stoi(m[2]), lunation++) << line;
        const bool leap = m[3].str().back() == '*';
        EXPECT_EQ(m[4] == "0", leap) << line;
        found.push_back(m[1].str() + " M" + m[3].str());
    }

    std::vector<std::string> expected;
    for (const auto& r : test::ReadTsv("chinese-months.tsv").rows)
        if (r[0] >= "2022-11-24" && r[0] < "2025-12-20")
            expected.push_back(r[0] + " M" +
                               (r[5] == "1" ? r[4] + "*" : TwoDigits(std::stoi(r[4]))));
    EXPECT_EQ(found, expected);
}

TEST_F(YearDataTest, TermLinesFollowTheTermsInOrder) {
    const auto lines = Lines(k20240210, {true, true, false});
    const auto terms = Matching(lines, std::regex("  ST"));
    ASSERT_EQ(terms.size(), 72u);
    const std::regex term_line(
        R"( \d{4}-\d\d-\d\d CE \d\d:\d\d CCT  2,4\d\d,\d{3}\.\d{4}  ST (\d+) ([JZ]\d+))");
    for (size_t i = 0; i < terms.size(); ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(terms[i], m, term_line)) << terms[i];
        EXPECT_EQ(std::stoi(m[1]), static_cast<int>(i % 24) + 1) << terms[i];
    }
    // December solstice 2022 at 21:48 GMT, March equinox 2023 at 21:24 GMT,
    // June solstice 2024 at 20:51 GMT: the next mornings in China.
    EXPECT_TRUE(std::regex_match(
        terms[0], std::regex(R"( 2022-12-22 CE 05:48 CCT  2,459,936\.24\d\d  ST 1 Z11)")))
        << terms[0];
    EXPECT_TRUE(std::regex_match(terms[6], std::regex(R"( 2023-03-21 CE 05:24 CCT  .*  ST 7 Z2)")))
        << terms[6];
    EXPECT_TRUE(
        std::regex_match(terms[36], std::regex(R"( 2024-06-21 CE 04:51 CCT  .*  ST 13 Z5)")))
        << terms[36];
    // Every month line stands under its own dashes.
    for (size_t i = 1; i < lines.size(); ++i)
        if (lines[i].find("  LN") != std::string::npos) {
            EXPECT_EQ(lines[i - 1].rfind("---------- ", 0), 0u) << lines[i];
        }
}

TEST_F(YearDataTest, SolarTermOptionsChooseTheTermsAndNames) {
    const std::regex any_term("  ST");
    const auto major = Matching(Lines(k20240210, {true, false, false}), any_term);
    ASSERT_EQ(major.size(), 36u);
    for (const auto& line : major) EXPECT_NE(line.find(" Z"), std::string::npos) << line;

    const auto minor = Matching(Lines(k20240210, {false, true, false}), any_term);
    ASSERT_EQ(minor.size(), 36u);
    for (const auto& line : minor) EXPECT_NE(line.find(" J"), std::string::npos) << line;

    const auto named = Matching(Lines(k20240210, {true, true, true}), any_term);
    ASSERT_EQ(named.size(), 72u);
    EXPECT_EQ(named[0].substr(named[0].find("  ST")), "  ST 1 Z11 Dong zhi (Winter solstice)");
    EXPECT_EQ(named[3].substr(named[3].find("  ST")), "  ST 4 J1 Li chun (Beginning of spring)");

    // Without terms: no "and solar terms", no dashes; sui and nian headings
    // keep their own lines, and every month line is one line.
    const auto bare = Lines(k20240210, {false, false, true});
    EXPECT_EQ(bare[1], "for 3 solar years beginning 79-40 (2023 CE),");
    EXPECT_TRUE(Matching(bare, any_term).empty());
    EXPECT_TRUE(Matching(bare, std::regex("----------")).empty());
    EXPECT_EQ(bare[4], "");
    EXPECT_EQ(bare[5], "Sui 79-40");
    EXPECT_NE(bare[6].find("  LN 283 M11 (1 zq)"), std::string::npos) << bare[6];
    EXPECT_EQ(Matching(bare, std::regex("^Nian  79-4[012]$")).size(), 3u);
}

TEST_F(YearDataTest, JulianCalendarDates) {
    const auto lines = Lines(k20240210, {}, true);
    EXPECT_EQ(lines[1], "and solar terms for 3 solar years beginning 79-40 (2023 JC),");
    const auto first_term = Matching(lines, std::regex("  ST 1 Z11"))[0];
    EXPECT_EQ(first_term.substr(0, 25), " 2022-12-09 JC 05:48 CCT ");
}

TEST_F(YearDataTest, FirstPositionOfACycleSteppedBackAndForward) {
    // 2045-02-10: the sui data begin with 2044, position 1 of cycle 80.
    const auto lines = Lines(2468021.0, {});
    EXPECT_EQ(lines[1], "and solar terms for 3 solar years beginning 80-1 (2044 CE),");
    EXPECT_EQ(lines[5], "---------- Sui 80-1");
    EXPECT_EQ(Matching(lines, std::regex("^---------- Nian")),
              (std::vector<std::string>{"---------- Nian  80-1", "---------- Nian  80-2",
                                        "---------- Nian  80-3"}));
}

TEST_F(YearDataTest, NegativeYears) {
    // -2999-06-01: the sui data begin with -3000, position 57 of cycle -5.
    const auto lines = Lines(625849.0, {});
    EXPECT_EQ(lines[1], "and solar terms for 3 solar years beginning-5-57 (-3000 CE),");
    EXPECT_EQ(lines[5], "---------- Sui-5-57");
    const auto months = Matching(lines, std::regex("  LN"));
    ASSERT_GE(months.size(), 36u);
    for (const auto& line : months)
        EXPECT_TRUE(std::regex_match(
            line,
            std::regex(
                R"(-(299[89]|300[0-2])-\d\d-\d\d CE \d\d:\d\d CCT  6\d\d,\d{3}\.\d{4}  LN-\d+ M.*)")))
            << line;
}

}  // namespace
}  // namespace vemla
