// The self-test's round trips: random runs pass over many seeds, impossible
// dates give "0" and good ones "1". (Its window, Stop and the typed date are
// tested with the list window.)
#include "app/self_test.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "chinese_date_maker.h"
#include "recording_list_output.h"

namespace vemla {
namespace {

using test::MakeChDate;
using test::RecordingListOutput;

constexpr std::string_view kRandomHeader =
    "Doing 1000 random solar,lunar -> JDN -> solar,lunar\r\n";

TEST(SelfTest, RandomRunsShowOnlyGoodRoundTripsAndImpossibleDates) {
    // One whole run, then the first 100 pairs of many more seeds.
    CalendarEngine engine;
    int ones = 0, zeros = 0;
    for (uint64_t seed = 1; seed <= 16; ++seed) {
        const int pairs = seed == 1 ? kRandomPairs : 100;
        RecordingListOutput run;
        if (pairs < kRandomPairs) run.stop_at_question = pairs + 1;
        RunRandomSelfTest(engine, seed, run);
        ASSERT_EQ(run.text.substr(0, kRandomHeader.size()), kRandomHeader);
        const std::string results = run.text.substr(kRandomHeader.size());
        ASSERT_EQ(results.size(), 2u * pairs) << "seed " << seed << ": " << results;
        ASSERT_EQ(results.find_first_not_of("01"), std::string::npos)
            << "seed " << seed << ": " << results;
        ones += static_cast<int>(std::count(results.begin(), results.end(), '1'));
        zeros += static_cast<int>(std::count(results.begin(), results.end(), '0'));
        if (pairs == kRandomPairs) {
            EXPECT_EQ(run.questions, kRandomPairs);
        }
    }
    // The ranges reach past the valid fields, so both results occur.
    EXPECT_GT(ones, 1500);
    EXPECT_GT(zeros, 1500);
}

TEST(SelfTest, ImpossibleDatesGiveZeroAndGoodOnesOne) {
    CalendarEngine engine;
    const ChDate impossible[][2] = {
        {MakeChDate(79, 0, 4, 0, 7), MakeChDate(79, 61, 1, 0, 1)},     // positions 0 and 61
        {MakeChDate(79, 41, 4, 0, 0), MakeChDate(79, 41, 1, 0, -2)},   // days 0 and -2
        {MakeChDate(79, 41, 25, 0, 1), MakeChDate(79, 41, 13, 0, 1)},  // term 25, month 13
        {MakeChDate(79, 41, 4, 0, 16),
         MakeChDate(79, 41, 1, 0, 30)},  // past the term's and month's end
        {MakeChDate(79, 41, 0, 0, 1),
         MakeChDate(79, 41, 4, 1, 1)},  // term 0; no leap month 4 in 2024
    };
    for (const auto& pair : impossible) {
        RecordingListOutput run;
        EXPECT_TRUE(TestDatePair(engine, pair[0], pair[1], run));
        EXPECT_EQ(run.text, "00");
        EXPECT_FALSE(run.stopped);
    }
    // 2024-02-10 is the 7th day of term 4 (J1 began 2024-02-04) and the first
    // of the nian; 2023-03-22 the first day of the leap second month.
    RecordingListOutput good;
    EXPECT_TRUE(
        TestDatePair(engine, MakeChDate(79, 41, 4, 0, 7), MakeChDate(79, 41, 1, 0, 1), good));
    EXPECT_TRUE(
        TestDatePair(engine, MakeChDate(-10, 1, 1, 0, 1), MakeChDate(79, 40, 2, 1, 1), good));
    EXPECT_EQ(good.text, "1111");
}

}  // namespace
}  // namespace vemla
