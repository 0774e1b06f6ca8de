// The lunar new years, month starts and Julian and CE new years listings,
// line by line against texts built from reference months and hand-worked
// dates.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/new_years.h"
#include "recording_list_output.h"
#include "tsv.h"

namespace vemla {
namespace {

using test::RecordingListOutput;

constexpr const char* kEpochMethod = "epoch = -2696, method = true sun";

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// One month of the reference table.
struct RefMonth {
    std::string date;
    int day, cycle, position, month, leap, length;
    int64_t NianYear() const { return 60LL * cycle + position - 2757; }  // 79-40 is 2023
};

const std::vector<RefMonth>& ReferenceMonths() {
    static const std::vector<RefMonth> months = [] {
        test::TsvTable table = test::ReadTsv("chinese-months.tsv");
        std::vector<RefMonth> out;
        for (const auto& r : table.rows)
            out.push_back({r[0], std::stoi(r[1]), std::stoi(r[2]), std::stoi(r[3]), std::stoi(r[4]),
                           std::stoi(r[5]), std::stoi(r[6])});
        return out;
    }();
    return months;
}

// A month-start line as the list writes it, from the month's reference data.
std::string MonthStartLine(const RefMonth& m) {
    std::string line = std::to_string(m.cycle) + "-" + TwoDigits(m.position) + "-" +
                       (m.leap ? std::to_string(m.month) + "*" : TwoDigits(m.month)) + "-01";
    line += m.leap && m.month >= 10 ? " CHL" : "  CHL";
    return line + " =  " + m.date + " CE =  " + std::to_string(m.day) + " JDN  " +
           std::to_string(m.length) + " days";
}

class ListingTest : public ::testing::Test {
  protected:
    ListContext Context(double ajd = 2451545.0, bool jc = false) {
        return {engine, ajd, "CCT", kEpochMethod, jc};
    }

    CalendarEngine engine;
    RecordingListOutput out;
};

// --- Month starts and leap months --------------------------------------------

TEST_F(ListingTest, MonthStartsOfOneYearMatchTheReferenceMonths) {
    // 2023 has a leap second month, 2025 a leap sixth, 2033 a leap eleventh
    // whose longer label keeps a single blank before "CHL".
    for (int64_t year : {2023, 2025, 2033}) {
        SCOPED_TRACE(year);
        RecordingListOutput listing;
        ListMonthStarts(Context(), year, 1, false, listing);
        std::vector<std::string> expected = {
            "Starts of all months with corresponding date CE",
            "and Julian day number for 1 year from " + std::to_string(year) + " CE",
            "(epoch = -2696, method = true sun, longitude 120º E):"};
        for (const RefMonth& m : ReferenceMonths())
            if (m.NianYear() == year) expected.push_back(MonthStartLine(m));
        ASSERT_EQ(expected.size(), 3u + 13u);
        EXPECT_EQ(listing.Lines(), expected);
        EXPECT_EQ(listing.Text().substr(listing.Text().size() - 2), "\r\n");
        EXPECT_EQ(listing.long_listings, 0);
        EXPECT_EQ(listing.endings, 1);
        EXPECT_TRUE(listing.messages.empty());
    }
}

TEST_F(ListingTest, LeapMonthsOnlyListsTheLeapMonthsOfThirtyYears) {
    ListMonthStarts(Context(), 2024, 30, true, out);
    std::vector<std::string> expected = {
        "Leap months with corresponding date CE and Julian day number",
        "for 30 years from 2010 CE (epoch = -2696, method = true sun,", "longitude 120º E):"};
    for (const RefMonth& m : ReferenceMonths())
        if (m.leap && m.NianYear() >= 2010 && m.NianYear() <= 2039)
            expected.push_back(MonthStartLine(m));
    ASSERT_EQ(expected.size(), 3u + 11u);
    EXPECT_EQ(out.Lines(), expected);
    EXPECT_EQ(out.long_listings, 1);
}

TEST_F(ListingTest, NianWithoutLeapMonthGivesNoLineWhenOnlyLeapMonthsAreListed) {
    ListMonthStarts(Context(), 2024, 1, true, out);
    EXPECT_EQ(out.Lines().size(), 3u);
    EXPECT_EQ(out.Lines()[1], "for 1 year from 2024 CE (epoch = -2696, method = true sun,");
}

TEST_F(ListingTest, YearsAreCentredWithTheExtraOneAfter) {
    EXPECT_EQ(FirstListedYear(2006, 3), 2005);
    EXPECT_EQ(FirstListedYear(2006, 4), 2005);
    EXPECT_EQ(FirstListedYear(2006, 1), 2006);
    EXPECT_EQ(FirstListedYear(-5, 2), -5);

    ListMonthStarts(Context(), 2006, 4, false, out);
    const auto lines = out.Lines();
    EXPECT_EQ(lines[1], "and Julian day number for 4 years from 2005 CE");
    // 2005's month 1 (79-22) opens the list; 2008's month 12 (79-25) ends it.
    EXPECT_EQ(lines[3].substr(0, 12), "79-22-01-01 ");
    EXPECT_EQ(lines.back().substr(0, 12), "79-25-12-01 ");
}

TEST_F(ListingTest, MonthStartsOfANegativeYearFollowEachOther) {
    // -2696 is position 1 of cycle 1; the short date gets a blank in front.
    ListMonthStarts(Context(), -2696, 1, false, out);
    const auto lines = out.Lines();
    ASSERT_GE(lines.size(), 3u + 12u);
    ASSERT_LE(lines.size(), 3u + 13u);
    const std::regex line(
        R"( 1-01-(\d\d|\d\*|1\d\*)-01 {1,2}CHL =  -269[56]-\d\d-\d\d CE =  (\d+) JDN  (29|30) days)");
    int previous_day = 0, previous_length = 0;
    for (size_t i = 3; i < lines.size(); ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(lines[i], m, line)) << lines[i];
        const int day = std::stoi(m[2]), length = std::stoi(m[3]);
        if (previous_day) {
            EXPECT_EQ(day - previous_day, previous_length) << lines[i];
        }
        previous_day = day;
        previous_length = length;
    }
    EXPECT_EQ(lines[3].substr(0, 17), " 1-01-01-01  CHL ");
}

TEST_F(ListingTest, MonthStartsShowCalculatingAboveTenYearsAndStopAfterALine) {
    ListMonthStarts(Context(), 2024, 10, false, out);
    EXPECT_EQ(out.long_listings, 0);

    RecordingListOutput stopped;
    stopped.stop_at_question = 5;
    ListMonthStarts(Context(), 2024, 11, false, stopped);
    EXPECT_EQ(stopped.long_listings, 1);
    EXPECT_EQ(stopped.endings, 1);
    EXPECT_EQ(stopped.Lines().size(), 3u + 5u);
}

// --- Lunar new years and anniversaries ----------------------------------------

TEST_F(ListingTest, LunarNewYearsGiveTheNianLengthsAndTermCounts) {
    ASSERT_TRUE(ListLunarNewYears(Context(), "79-40-01-01 CHL 12:00 CCT", 3, false, out));
    // Months from the reference; J1 falls about 4 February, Z1 about 19 February.
    EXPECT_EQ(out.Lines(), (std::vector<std::string>{
                               "Lunar New Year's Day with corresponding European date and JDN",
                               "(epoch = -2696, method = true sun, longitude 120º East)",
                               "plus number of months, J1's and Z1's in the nian:",
                               "79-40-01-01 CHL = 2023-01-22 CE =  2459967 JDN 13m J1:2 Z1:1",
                               "79-41-01-01 CHL = 2024-02-10 CE =  2460351 JDN 12m J1:0 Z1:1",
                               "79-42-01-01 CHL = 2025-01-29 CE =  2460705 JDN 13m J1:2 Z1:1",
                           }));
    EXPECT_EQ(out.endings, 1);
}

TEST_F(ListingTest, NianCountsComeFromTheWholeNian) {
    auto counts = CountNian(engine, 2460351);  // 2024-02-10
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->months, 12);
    EXPECT_EQ(counts->j1, 0);
    EXPECT_EQ(counts->z1, 1);
    // Far beyond the years the engine lays out, nothing is counted.
    EXPECT_FALSE(CountNian(engine, 12700000));
}

TEST_F(ListingTest, ThirtiethDayMissingInAYearFallsBackToTheTwentyNinth) {
    // Month 2 has 30 days in 2023 and 2024 but 29 in 2025.
    ASSERT_TRUE(ListLunarNewYears(Context(), "79-40-02-30 CHL 12:00 CCT", 3, false, out));
    EXPECT_EQ(out.Lines(), (std::vector<std::string>{
                               "Chinese Lunar Calendar anniversaries",
                               "with corresponding European date and JDN",
                               "(epoch = -2696, method = true sun, longitude 120º East):",
                               "79-40-02-30 CHL = 2023-03-21 CE =  2460025 JDN  0",
                               "79-41-02-30 CHL = 2024-04-08 CE =  2460409 JDN  1",
                               "79-42-02-30 CHL is invalid",
                               "79-42-02-29 CHL = 2025-03-28 CE =  2460763 JDN  2",
                           }));

    RecordingListOutput omitted;
    ASSERT_TRUE(ListLunarNewYears(Context(), "79-40-02-30 CHL", 3, true, omitted));
    const auto lines = omitted.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[5], "79-42-02-29 CHL = 2025-03-28 CE =  2460763 JDN  2");
}

TEST_F(ListingTest, LeapMonthAnniversaryUsesTheOrdinaryMonthInOtherYears) {
    ASSERT_TRUE(ListLunarNewYears(Context(), "79-40-2*-10 CHL", 2, false, out));
    const auto lines = out.Lines();
    ASSERT_EQ(lines.size(), 3u + 3u);
    EXPECT_EQ(lines[3], "79-40-2*-10 CHL = 2023-03-31 CE =  2460035 JDN  0");
    EXPECT_EQ(lines[4], "79-41-2*-10 CHL is invalid");
    EXPECT_EQ(lines[5], "79-41-02-10 CHL = 2024-03-19 CE =  2460389 JDN  1");
}

TEST_F(ListingTest, AnniversariesInTheJulianCalendar) {
    ASSERT_TRUE(ListLunarNewYears(Context(2451545.0, true), "79-41-01-01 CHL", 1, false, out));
    EXPECT_EQ(out.Lines().back(), "79-41-01-01 CHL = 2024-01-28 JC =  2460351 JDN 12m J1:0 Z1:1");
}

TEST_F(ListingTest, UnreadableLunarDateGivesAMessageAndNoList) {
    EXPECT_FALSE(ListLunarNewYears(Context(), "", 3, false, out));
    EXPECT_EQ(out.messages, std::vector<std::string>{"Lunar date is invalid."});
    EXPECT_TRUE(out.Text().empty());
    EXPECT_EQ(out.endings, 0);
}

TEST_F(ListingTest, LunarNewYearsShowCalculatingAboveThirtyYearsAndStopAfterALine) {
    out.stop_at_question = 2;
    ListLunarNewYears(Context(), "79-40-01-01 CHL", 30, false, out);
    EXPECT_EQ(out.long_listings, 0);
    EXPECT_EQ(out.Lines().size(), 3u + 2u);

    RecordingListOutput stopped;
    stopped.stop_at_question = 1;
    ListLunarNewYears(Context(), "79-40-01-01 CHL", 31, false, stopped);
    EXPECT_EQ(stopped.long_listings, 1);
    EXPECT_EQ(stopped.endings, 1);
    EXPECT_EQ(stopped.Lines().size(), 3u + 1u);
}

// --- Julian and CE new years -----------------------------------------------------

TEST_F(ListingTest, NewYearsStartWithTheYearOfTheMomentEvenLateInIt) {
    // 2024-12-30: the first line is still 2024's new year. The December
    // solstices fall on 2023-12-22, 2024-12-21 and 2025-12-21 (CCT).
    ListNewYears(Context(2460675.0), 3, out);
    EXPECT_EQ(out.Text(),
              " 2024-01-01 CE = 79-40-11-20 CHL\r\n79-41-01-11 CHS\r\n"
              " 2025-01-01 CE = 79-41-12-02 CHL\r\n79-42-01-12 CHS\r\n"
              " 2026-01-01 CE = 79-42-11-13 CHL\r\n79-43-01-12 CHS\r\n");
}

TEST_F(ListingTest, JulianNewYearIsItsOwnDay) {
    // 2024-01-01 JC is 2024-01-14 CE: month 12 began 2024-01-11, term 2 (J12)
    // on 2024-01-06.
    ListNewYears(Context(2460351.0, true), 1, out);
    EXPECT_EQ(out.Text(), " 2024-01-01 JC = 79-40-12-04 CHL\r\n79-41-02-09 CHS\r\n");
}

TEST_F(ListingTest, NewYearsAroundYearZero) {
    ListNewYears(Context(1720900.0), 3, out);  // in -0001
    const auto lines = out.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].substr(0, 14), "-1-01-01 CE = ");
    EXPECT_EQ(lines[2].substr(0, 14), " 0-01-01 CE = ");
    EXPECT_EQ(lines[4].substr(0, 14), " 1-01-01 CE = ");
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(R"(\d+-\d\d-\d\d-\d\d CHS)"))) << lines[1];
}

TEST_F(ListingTest, NewYearsStopAfterAYear) {
    out.stop_at_question = 2;
    ListNewYears(Context(2460351.0), 20, out);
    EXPECT_EQ(out.Lines().size(), 4u);
}

}  // namespace
}  // namespace vemla
