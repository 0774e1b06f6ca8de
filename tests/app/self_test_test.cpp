// The self-test of the conversions: random runs pass over many seeds,
// impossible dates give "0", a stop ends a run after its pair, and the
// single-date run.
#include "app/self_test.h"

#include <gtest/gtest.h>

#include "chinese_date_maker.h"
#include "recording_list_output.h"

namespace vemla {
namespace {

using test::MakeChDate;
using test::RecordingListOutput;

constexpr std::string_view kRandomHeader =
    "Doing 1000 random solar,lunar -> JDN -> solar,lunar\r\n";

class SelfTestTest : public ::testing::Test {
  protected:
    CalendarEngine engine;
    RecordingListOutput out;
};

TEST_F(SelfTestTest, RandomRunsShowOnlyGoodRoundTripsAndImpossibleDates) {
    // One whole run, then the first 100 pairs of many more seeds.
    int ones = 0, zeros = 0;
    for (uint64_t seed = 1; seed <= 16; ++seed) {
        SCOPED_TRACE(seed);
        const int pairs = seed == 1 ? kRandomPairs : 100;
        RecordingListOutput run;
        if (pairs < kRandomPairs) run.stop_at_question = pairs + 1;
        RunRandomSelfTest(engine, seed, run);
        ASSERT_EQ(run.Text().substr(0, kRandomHeader.size()), kRandomHeader);
        const std::string results = run.Text().substr(kRandomHeader.size());
        ASSERT_EQ(results.size(), 2u * pairs) << results;
        for (char c : results) {
            ASSERT_TRUE(c == '0' || c == '1') << results;
            (c == '1' ? ones : zeros)++;
        }
        if (pairs == kRandomPairs) {
            EXPECT_FALSE(run.Stopped());
            EXPECT_EQ(run.questions, kRandomPairs);
        }
    }
    // The ranges reach past the valid fields, so both kinds of result occur.
    EXPECT_GT(ones, 1500);
    EXPECT_GT(zeros, 1500);
}

TEST_F(SelfTestTest, SeedsRepeatTheirRuns) {
    RecordingListOutput again, other;
    out.stop_at_question = again.stop_at_question = other.stop_at_question = 41;
    RunRandomSelfTest(engine, 42, out);
    RunRandomSelfTest(engine, 42, again);
    RunRandomSelfTest(engine, 43, other);
    EXPECT_EQ(out.Text(), again.Text());
    EXPECT_NE(out.Text(), other.Text());
}

TEST_F(SelfTestTest, ImpossibleFieldsGiveZeroNeverAFailure) {
    const ChDate impossible[][2] = {
        {MakeChDate(79, 0, 4, 0, 7), MakeChDate(79, 0, 1, 0, 1)},      // position 0
        {MakeChDate(79, 61, 4, 0, 7), MakeChDate(79, 61, 1, 0, 1)},    // position 61
        {MakeChDate(79, 41, 4, 0, 0), MakeChDate(79, 41, 1, 0, 0)},    // day 0
        {MakeChDate(79, 41, 4, 0, -2), MakeChDate(79, 41, 1, 0, -2)},  // negative day
        {MakeChDate(79, 41, 25, 0, 1), MakeChDate(79, 41, 13, 0, 1)},  // term 25, month 13
        {MakeChDate(79, 41, 4, 0, 16),
         MakeChDate(79, 41, 1, 0, 30)},  // past the term's and month's end
        {MakeChDate(79, 41, 0, 0, 1), MakeChDate(79, 41, 4, 1, 1)},  // term 0, leap month 4 of 2024
    };
    for (const auto& pair : impossible) {
        RecordingListOutput run;
        EXPECT_TRUE(TestDatePair(engine, pair[0], pair[1], run));
        EXPECT_EQ(run.Text(), "00");
        EXPECT_FALSE(run.Stopped());
    }
}

TEST_F(SelfTestTest, GoodPairsComeBack) {
    // 2024-02-10: the 7th day of term 4 (J1 began 2024-02-04) and the first
    // of the nian; 2023-03-22: the first day of the leap second month.
    EXPECT_TRUE(
        TestDatePair(engine, MakeChDate(79, 41, 4, 0, 7), MakeChDate(79, 41, 1, 0, 1), out));
    EXPECT_TRUE(
        TestDatePair(engine, MakeChDate(-10, 1, 1, 0, 1), MakeChDate(79, 40, 2, 1, 1), out));
    EXPECT_EQ(out.Text(), "1111");
}

TEST_F(SelfTestTest, StopEndsARandomRunAfterTheCurrentPair) {
    out.stop_at_question = 5;
    RunRandomSelfTest(engine, 7, out);
    EXPECT_EQ(out.Text().size(), kRandomHeader.size() + 2 * 4);
}

TEST_F(SelfTestTest, SingleDateRun) {
    ParsedDate parsed;
    parsed.ajd = 2460351.0;  // 2024-02-10 12:00 GMT
    RunSingleDateSelfTest(engine, parsed, out);
    EXPECT_EQ(out.Text(), "11");

    RecordingListOutput refused;
    parsed.error = kCHLDayTooLarge;
    RunSingleDateSelfTest(engine, parsed, refused);
    EXPECT_EQ(refused.Text(), "Error code = 13\r\n");
}

}  // namespace
}  // namespace vemla
