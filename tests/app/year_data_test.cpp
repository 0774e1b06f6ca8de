// The year data: headers, sui and nian headings and summaries, month lines
// against the reference months, term lines against known solstice and
// equinox times, and the three solar-term options.
#include "app/year_data.h"

#include <gtest/gtest.h>

#include <regex>

#include "recording_list_output.h"
#include "tsv.h"

namespace vemla {
namespace {

using Lines = std::vector<std::string>;

constexpr double k20240210 = 2460351.0;  // 2024-02-10 12:00 GMT

class YearDataTest : public ::testing::Test {
  protected:
    Lines Write(double ajd, SolarTermOptions options, bool jc = false) {
        test::RecordingListOutput out;
        WriteYearData({engine, ajd, "CCT", "epoch = -2696, method = true sun", jc}, options, out);
        return out.Lines();
    }
    static Lines Matching(const Lines& lines, const char* pattern) {
        Lines found;
        for (const auto& line : lines)
            if (std::regex_search(line, std::regex(pattern))) found.push_back(line);
        return found;
    }
    CalendarEngine engine;
};

TEST_F(YearDataTest, ThreeSuiWithTheirNianHeadingsAndSummaries) {
    const Lines lines = Write(k20240210, {true, true, false});
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 6),
              (Lines{"Dates, times and chronological Julian dates of dark moons",
                     "and solar terms for 3 solar years beginning 79-40 (2023 CE),",
                     "epoch = -2696, method = true sun.  Times are CCT times,",
                     "which assume longitude 120º E as prime meridian.",
                     "",  // the first sui start only ends a line
                     "---------- Sui 79-40"}));
    EXPECT_EQ(Matching(lines, "^(---------- )?(Sui|Nian)"),
              (Lines{"---------- Sui 79-40", "---------- Nian  79-40",
                     "Sui 79-40 was a long sui, with 13 months.", "---------- Sui 79-41",
                     "Nian 79-40 was a long nian, with 13 months.", "---------- Nian  79-41",
                     "Sui 79-41 was a normal sui, with 12 months.", "---------- Sui 79-42",
                     "Nian 79-41 was a normal nian, with 12 months.", "---------- Nian  79-42",
                     "Sui 79-42 was a long sui, with 13 months."}));
    EXPECT_EQ(lines.back(), "Sui 79-42 was a long sui, with 13 months.");
}

TEST_F(YearDataTest, MonthAndTermLinesFollowTheReferenceAndKnownMoments) {
    const Lines lines = Write(k20240210, {true, true, false});
    const std::regex month_line(
        R"( (\d{4}-\d\d-\d\d) CE \d\d:\d\d CCT  2,4\d\d,\d{3}\.\d{4}  LN (\d+) M(\d\d|\d+\*) \((\d) zq\))");
    Lines months;
    int lunation = 283;  // the month of 2022-11-24
    for (size_t i = 0; i < lines.size(); ++i) {
        std::smatch m;
        if (!std::regex_match(lines[i], m, month_line)) continue;
        EXPECT_EQ(std::stoi(m[2]), lunation++) << lines[i];
        EXPECT_EQ(m[4] == "0", m[3].str().back() == '*')
            << lines[i];  // leap months hold no principal term
        EXPECT_EQ(lines[i - 1].rfind("---------- ", 0), 0u) << lines[i];
        months.push_back(m[1].str() + " M" + m[3].str());
    }
    Lines expected;
    for (const auto& r : test::ReadTsv("chinese-months.tsv").rows)
        if (r[0] >= "2022-11-24" && r[0] < "2025-12-20")
            expected.push_back(r[0] + " M" +
                               (r[5] == "1" ? r[4] + "*" : (r[4].size() < 2 ? "0" : "") + r[4]));
    EXPECT_EQ(months, expected);

    const Lines terms = Matching(lines, "  ST");
    ASSERT_EQ(terms.size(), 72u);
    for (size_t i = 0; i < terms.size(); ++i)
        EXPECT_NE(terms[i].find("  ST " + std::to_string(i % 24 + 1) + " "), std::string::npos)
            << terms[i];
    // December solstice 2022 at 21:48 GMT, March equinox 2023 at 21:24 GMT,
    // June solstice 2024 at 20:51 GMT: the next mornings in China.
    EXPECT_TRUE(std::regex_match(
        terms[0], std::regex(R"( 2022-12-22 CE 05:48 CCT  2,459,936\.24\d\d  ST 1 Z11)")));
    EXPECT_TRUE(std::regex_match(
        terms[6], std::regex(R"( 2023-03-21 CE 05:24 CCT  2,460,025\.2\d{3}  ST 7 Z2)")));
    EXPECT_TRUE(std::regex_match(
        terms[36], std::regex(R"( 2024-06-21 CE 04:51 CCT  2,460,483\.20\d\d  ST 13 Z5)")));
}

TEST_F(YearDataTest, SolarTermOptionsAndTheJulianCalendar) {
    const Lines major = Matching(Write(k20240210, {true, false, false}), "  ST");
    EXPECT_EQ(major.size(), 36u);
    EXPECT_EQ(Matching(major, " Z\\d+$").size(), 36u);
    const Lines minor = Matching(Write(k20240210, {false, true, false}), "  ST");
    EXPECT_EQ(minor.size(), 36u);
    EXPECT_EQ(Matching(minor, " J\\d+$").size(), 36u);

    const Lines named = Matching(Write(k20240210, {true, true, true}), "  ST");
    EXPECT_EQ(named[0].substr(named[0].find("  ST")), "  ST 1 Z11 Dong zhi (Winter solstice)");
    EXPECT_EQ(named[3].substr(named[3].find("  ST")), "  ST 4 J1 Li chun (Beginning of spring)");

    // Without terms: no "and solar terms", no dashes; the headings keep their
    // own lines.
    const Lines bare = Write(k20240210, {false, false, true});
    EXPECT_EQ(bare[1], "for 3 solar years beginning 79-40 (2023 CE),");
    EXPECT_TRUE(Matching(bare, "  ST|----------").empty());
    EXPECT_EQ(Lines(bare.begin() + 4, bare.begin() + 6), (Lines{"", "Sui 79-40"}));
    EXPECT_EQ(bare[6].substr(bare[6].find("  LN")), "  LN 283 M11 (1 zq)");
    EXPECT_EQ(Matching(bare, "^Nian  79-4[012]$").size(), 3u);

    const Lines julian = Write(k20240210, {}, true);
    EXPECT_EQ(julian[1], "and solar terms for 3 solar years beginning 79-40 (2023 JC),");
    EXPECT_EQ(Matching(julian, "  ST 1 Z11")[0].substr(0, 25), " 2022-12-09 JC 05:48 CCT ");
}

TEST_F(YearDataTest, CycleBoundariesAndNegativeYears) {
    // 2045-02-10: the data begin with 2044, position 1 of cycle 80, stepped
    // back to 60 of cycle 79 and forward again.
    const Lines lines = Write(2468021.0, {});
    EXPECT_EQ(lines[1], "and solar terms for 3 solar years beginning 80-1 (2044 CE),");
    EXPECT_EQ(lines[5], "---------- Sui 80-1");
    EXPECT_EQ(Matching(lines, "^---------- Nian"),
              (Lines{"---------- Nian  80-1", "---------- Nian  80-2", "---------- Nian  80-3"}));

    // -2999-06-01: the data begin with -3000, position 57 of cycle -5.
    const Lines early = Write(625849.0, {});
    EXPECT_EQ(early[1], "and solar terms for 3 solar years beginning-5-57 (-3000 CE),");
    EXPECT_EQ(early[5], "---------- Sui-5-57");
    EXPECT_TRUE(std::regex_match(
        early[6],
        std::regex(R"(-3001-1\d-\d\d CE \d\d:\d\d CCT  6\d\d,\d{3}\.\d{4}  LN-\d+ M11 .*)")))
        << early[6];
}

}  // namespace
}  // namespace vemla
