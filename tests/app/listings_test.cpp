// The listings of the list window (lunar new years, month starts, Julian and
// CE new years, the year data), line by line against texts built from the
// reference months and from hand-worked dates; their ends at the engine's
// last year and their borderline marks.
#include <gtest/gtest.h>

#include <functional>
#include <regex>

#include "app/borderline_text.h"
#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/new_years.h"
#include "app/year_data.h"
#include "recording_list_output.h"
#include "tsv.h"

namespace vemla {
namespace {

using Lines = std::vector<std::string>;

std::string TwoDigits(const std::string& n) {
    return n.size() < 2 ? "0" + n : n;
}

// The month-start lines of the reference months whose nian lies in [from, to]
// (leap months only when asked), as the list writes them.
Lines ReferenceMonthLines(int from, int to, bool leap_only) {
    Lines lines;
    for (const auto& r :
         test::ReadTsv("chinese-months.tsv").rows) {  // date day cycle position month leap length
        const int year = 60 * std::stoi(r[2]) + std::stoi(r[3]) - 2757;  // 79-40 is 2023
        const bool leap = r[5] == "1";
        if (year < from || year > to || (leap_only && !leap)) continue;
        const std::string month = leap ? r[4] + "*" : TwoDigits(r[4]);
        lines.push_back(r[2] + "-" + TwoDigits(r[3]) + "-" + month + "-01" +
                        (month.size() == 3 ? " CHL" : "  CHL") + " =  " + r[0] + " CE =  " + r[1] +
                        " JDN  " + r[6] + " days");
    }
    return lines;
}

class ListingTest : public ::testing::Test {
  protected:
    ListContext Context(double ajd = 2451545.0, bool jc = false) {
        return {engine, ajd, "CCT", "epoch = -2696, method = true sun", jc};
    }
    Lines YearData(double ajd, SolarTermOptions options, bool jc = false) {
        test::RecordingListOutput list;
        WriteYearData(Context(ajd, jc), options, list);
        return list.Lines();
    }
    static Lines Matching(const Lines& lines, const char* pattern) {
        Lines found;
        for (const auto& line : lines)
            if (std::regex_search(line, std::regex(pattern))) found.push_back(line);
        return found;
    }
    CalendarEngine engine;
    test::RecordingListOutput out;
};

TEST_F(ListingTest, MonthStartsMatchTheReferenceMonths) {
    // Leap months 2* (2023), 6* (2025) and 11*, whose longer label keeps one
    // blank before "CHL" (2033).
    for (int year : {2023, 2025, 2033}) {
        test::RecordingListOutput one_year;
        ListMonthStarts(Context(), year, 1, false, one_year);
        Lines expected = {"Starts of all months with corresponding date CE",
                          "and Julian day number for 1 year from " + std::to_string(year) + " CE",
                          "(epoch = -2696, method = true sun, longitude 120º E):"};
        for (const auto& line : ReferenceMonthLines(year, year, false)) expected.push_back(line);
        EXPECT_EQ(expected.size(), 16u);
        EXPECT_EQ(one_year.Lines(), expected);
        EXPECT_EQ(one_year.text.substr(one_year.text.size() - 2), "\r\n");
    }

    // Thirty years centred on 2024 start in 2010; only leap months.
    ListMonthStarts(Context(), 2024, 30, true, out);
    Lines expected = {"Leap months with corresponding date CE and Julian day number",
                      "for 30 years from 2010 CE (epoch = -2696, method = true sun,",
                      "longitude 120º E):"};
    for (const auto& line : ReferenceMonthLines(2010, 2039, true)) expected.push_back(line);
    EXPECT_EQ(out.Lines(), expected);
    EXPECT_EQ(out.long_listings, 1);
    EXPECT_TRUE(out.messages.empty());
}

TEST_F(ListingTest, MonthStartYearsAreCentredAndNegativeYearsFollowOn) {
    EXPECT_EQ(FirstListedYear(2006, 3), 2005);
    EXPECT_EQ(FirstListedYear(2006, 4), 2005);
    EXPECT_EQ(FirstListedYear(-5, 2), -5);

    // -2696 is position 1 of cycle 1; the shorter date gets a blank in front.
    ListMonthStarts(Context(), -2696, 1, false, out);
    const Lines lines = out.Lines();
    ASSERT_GE(lines.size(), 15u);
    EXPECT_TRUE(std::regex_match(
        lines[3],
        std::regex(R"( 1-01-01-01  CHL =  -2696-0[12]-\d\d CE =  \d+ JDN  (29|30) days)")))
        << lines[3];
}

TEST_F(ListingTest, LunarNewYearsGiveTheNianLengthsAndTermCounts) {
    // Months from the reference; J1 falls about 4 February, Z1 about 19 February.
    ASSERT_TRUE(ListLunarNewYears(Context(), "79-40-01-01 CHL 12:00 CCT", 3, false, out));
    EXPECT_EQ(out.Lines(), (Lines{"Lunar New Year's Day with corresponding European date and JDN",
                                  "(epoch = -2696, method = true sun, longitude 120º East)",
                                  "plus number of months, J1's and Z1's in the nian:",
                                  "79-40-01-01 CHL = 2023-01-22 CE =  2459967 JDN 13m J1:2 Z1:1",
                                  "79-41-01-01 CHL = 2024-02-10 CE =  2460351 JDN 12m J1:0 Z1:1",
                                  "79-42-01-01 CHL = 2025-01-29 CE =  2460705 JDN 13m J1:2 Z1:1"}));
}

TEST_F(ListingTest, AnniversariesFallBackToTheTwentyNinthAndTheOrdinaryMonth) {
    // Month 2 has 30 days in 2023 and 2024 but 29 in 2025.
    ASSERT_TRUE(ListLunarNewYears(Context(), "79-40-02-30 CHL 12:00 CCT", 3, false, out));
    EXPECT_EQ(
        out.Lines(),
        (Lines{"Chinese Lunar Calendar anniversaries", "with corresponding European date and JDN",
               "(epoch = -2696, method = true sun, longitude 120º East):",
               "79-40-02-30 CHL = 2023-03-21 CE =  2460025 JDN  0",
               "79-41-02-30 CHL = 2024-04-08 CE =  2460409 JDN  1", "79-42-02-30 CHL is invalid",
               "79-42-02-29 CHL = 2025-03-28 CE =  2460763 JDN  2"}));

    test::RecordingListOutput omitted, leap;
    ASSERT_TRUE(ListLunarNewYears(Context(), "79-40-02-30 CHL", 3, true, omitted));
    EXPECT_EQ(omitted.Lines().size(), 6u);
    EXPECT_EQ(omitted.Lines()[5], "79-42-02-29 CHL = 2025-03-28 CE =  2460763 JDN  2");

    // 2024 has no leap second month; the dates are given in the Julian calendar.
    ASSERT_TRUE(ListLunarNewYears(Context(2451545.0, true), "79-40-2*-10 CHL", 2, false, leap));
    const Lines leap_lines = leap.Lines();
    EXPECT_EQ(
        Lines(leap_lines.begin() + 3, leap_lines.end()),
        (Lines{"79-40-2*-10 CHL = 2023-03-18 JC =  2460035 JDN  0", "79-41-2*-10 CHL is invalid",
               "79-41-02-10 CHL = 2024-03-06 JC =  2460389 JDN  1"}));
}

TEST_F(ListingTest, UnreadableLunarDateGivesAMessageAndNoList) {
    EXPECT_FALSE(ListLunarNewYears(Context(), "", 3, false, out));
    EXPECT_EQ(out.messages, Lines{"Lunar date is invalid."});
    EXPECT_EQ(out.text, "");
}

TEST_F(ListingTest, JulianAndCENewYears) {
    // From 2024-12-30 the list still starts with 2024. The December solstices
    // fall on 2023-12-22, 2024-12-21 and 2025-12-21 (CCT).
    ListNewYears(Context(2460675.0), 3, out);
    EXPECT_EQ(out.text,
              " 2024-01-01 CE = 79-40-11-20 CHL\r\n79-41-01-11 CHS\r\n"
              " 2025-01-01 CE = 79-41-12-02 CHL\r\n79-42-01-12 CHS\r\n"
              " 2026-01-01 CE = 79-42-11-13 CHL\r\n79-43-01-12 CHS\r\n");

    // 2024-01-01 JC is 2024-01-14 CE: month 12 began on 01-11, term 2 on 01-06.
    test::RecordingListOutput julian, around_zero;
    ListNewYears(Context(2460351.0, true), 1, julian);
    EXPECT_EQ(julian.text, " 2024-01-01 JC = 79-40-12-04 CHL\r\n79-41-02-09 CHS\r\n");

    ListNewYears(Context(1720900.0), 3, around_zero);  // in -0001
    const Lines lines = around_zero.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].substr(0, 14), "-1-01-01 CE = ");
    EXPECT_EQ(lines[2].substr(0, 14), " 0-01-01 CE = ");
    EXPECT_EQ(lines[4].substr(0, 14), " 1-01-01 CE = ");
}

constexpr double k20240210 = 2460351.0;  // 2024-02-10 12:00 GMT

TEST_F(ListingTest, YearDataHasThreeSuiWithTheirNianHeadingsAndSummaries) {
    const Lines lines = YearData(k20240210, {true, true, false});
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

TEST_F(ListingTest, YearDataMonthAndTermLinesFollowTheReferenceAndKnownMoments) {
    const Lines lines = YearData(k20240210, {true, true, false});
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

TEST_F(ListingTest, YearDataSolarTermOptionsAndTheJulianCalendar) {
    const Lines major = Matching(YearData(k20240210, {true, false, false}), "  ST");
    EXPECT_EQ(major.size(), 36u);
    EXPECT_EQ(Matching(major, " Z\\d+$").size(), 36u);
    const Lines minor = Matching(YearData(k20240210, {false, true, false}), "  ST");
    EXPECT_EQ(minor.size(), 36u);
    EXPECT_EQ(Matching(minor, " J\\d+$").size(), 36u);

    const Lines named = Matching(YearData(k20240210, {true, true, true}), "  ST");
    EXPECT_EQ(named[0].substr(named[0].find("  ST")), "  ST 1 Z11 Dong zhi (Winter solstice)");
    EXPECT_EQ(named[3].substr(named[3].find("  ST")), "  ST 4 J1 Li chun (Beginning of spring)");

    // Without terms: no "and solar terms", no dashes; the headings keep their
    // own lines.
    const Lines bare = YearData(k20240210, {false, false, true});
    EXPECT_EQ(bare[1], "for 3 solar years beginning 79-40 (2023 CE),");
    EXPECT_TRUE(Matching(bare, "  ST|----------").empty());
    EXPECT_EQ(Lines(bare.begin() + 4, bare.begin() + 6), (Lines{"", "Sui 79-40"}));
    EXPECT_EQ(bare[6].substr(bare[6].find("  LN")), "  LN 283 M11 (1 zq)");
    EXPECT_EQ(Matching(bare, "^Nian  79-4[012]$").size(), 3u);

    const Lines julian = YearData(k20240210, {}, true);
    EXPECT_EQ(julian[1], "and solar terms for 3 solar years beginning 79-40 (2023 JC),");
    EXPECT_EQ(Matching(julian, "  ST 1 Z11")[0].substr(0, 25), " 2022-12-09 JC 05:48 CCT ");
}

TEST_F(ListingTest, YearDataCycleBoundariesAndNegativeYears) {
    // 2045-02-10: the data begin with 2044, position 1 of cycle 80, stepped
    // back to 60 of cycle 79 and forward again.
    const Lines lines = YearData(2468021.0, {});
    EXPECT_EQ(lines[1], "and solar terms for 3 solar years beginning 80-1 (2044 CE),");
    EXPECT_EQ(lines[5], "---------- Sui 80-1");
    EXPECT_EQ(Matching(lines, "^---------- Nian"),
              (Lines{"---------- Nian  80-1", "---------- Nian  80-2", "---------- Nian  80-3"}));

    // -2999-06-01: the data begin with -3000, position 57 of cycle -5.
    const Lines early = YearData(625849.0, {});
    EXPECT_EQ(early[1], "and solar terms for 3 solar years beginning-5-57 (-3000 CE),");
    EXPECT_EQ(early[5], "---------- Sui-5-57");
    EXPECT_TRUE(std::regex_match(
        early[6],
        std::regex(R"(-3001-1\d-\d\d CE \d\d:\d\d CCT  6\d\d,\d{3}\.\d{4}  LN-\d+ M11 .*)")))
        << early[6];
}

TEST_F(ListingTest, ListingsEndWithTheLineThatSaysWhere) {
    ListContext context = Context(4960762.0);  // noon, 8870-01-01
    const std::function<void(test::RecordingListOutput&)> listings[] = {
        [&](auto& list) { ListNewYears(context, 32767, list); },
        [&](auto& list) { ListLunarNewYears(context, "193-47-01-01 CHL", 32767, false, list); },
        [&](auto& list) { ListMonthStarts(context, 8870, 30000, false, list); },
    };
    for (const auto& write : listings) {
        test::RecordingListOutput list;
        write(list);
        EXPECT_EQ(list.Lines().back() + "\r\n", EngineYearsEndLine());
        EXPECT_NE(list.text.find("8883-"), std::string::npos);  // the last of the engine's years
        EXPECT_EQ(list.text.find("8884-"), std::string::npos);
        EXPECT_EQ(list.text.find("Anomaly"), std::string::npos);
        EXPECT_TRUE(list.messages.empty());
    }
}

// Published tables disagree on 1914-11-18 (a dark moon minutes after
// midnight at 120 degrees East): the one month start of 1914 marked.
TEST_F(ListingTest, MonthStartsAndYearDataMarkTheBorderlineLines) {
    test::RecordingListOutput year_data;
    ListMonthStarts(Context(2420455.0), 1914, 1, false, out);
    WriteYearData(Context(2420455.0), {}, year_data);
    for (const auto* list : {&out, &year_data})
        for (const std::string& line : list->Lines())
            EXPECT_EQ(line.find(kBorderlineLineMark) != std::string::npos,
                      line.find("1914-11-18 CE") != std::string::npos)
                << line;
}

}  // namespace
}  // namespace vemla
