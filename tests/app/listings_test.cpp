// The lunar new years, month starts and Julian and CE new years listings,
// line by line against texts built from the reference months and from
// hand-worked dates.
#include <gtest/gtest.h>

#include <regex>

#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/new_years.h"
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

}  // namespace
}  // namespace vemla
