// Chinese date conversion against independently computed calendars, and the
// round trips between day numbers and Chinese dates.
#include "engine/chinese_dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <tuple>

#include "chinese_date_maker.h"
#include "engine/european.h"
#include "tsv.h"

namespace vemla {
namespace {

using test::ReadTsv;

struct Converted {
    ChDate chs, chl;
};

Converted Convert(CalendarEngine& engine, int32_t day) {
    Converted c;
    EXPECT_TRUE(engine.CJDateToChDates(static_cast<double>(day), c.chs, c.chl)) << day;
    return c;
}

// Every month of 1901-2100: first day, nian, number, leap flag and length. A borderline month
// (a dark moon or principal term within minutes of the midnight that decides it) may start a
// day off, and then so may the length of the month before it.
TEST(ChineseMonths, OfficialCalendar1901To2100) {
    auto table = ReadTsv("chinese-months.tsv");
    CalendarEngine engine;  // epoch -2696, true sun, 120 degrees East
    int published[2] = {0, 0}, reproduced[2] = {0, 0};
    for (size_t i = 0; i < table.rows.size(); ++i) {
        const auto& row = table.rows[i];
        auto field = [&](const char* name) { return std::stoi(row[table.column(name)]); };
        const int32_t day = field("day");
        const int length = field("length");
        const bool next_borderline =
            i + 1 < table.rows.size() && table.rows[i + 1][table.column("borderline")] == "1";
        const Converted first = Convert(engine, day), last = Convert(engine, day + length - 1);
        const bool start = first.chl.Day == 1 && first.chl.Cycle == field("cycle") &&
                           first.chl.Position == field("position") &&
                           first.chl.MonthOrTerm == field("month") && first.chl.Leap == field("leap");
        const bool same = start && last.chl.Day == length && last.chl.Leap == first.chl.Leap &&
                          last.chl.MonthOrTerm == first.chl.MonthOrTerm;
        if (!field("borderline")) {
            EXPECT_TRUE(start) << "month starting " << row[0] << ": " << first.chl.Cycle << "-"
                               << first.chl.Position << "-" << first.chl.MonthOrTerm
                               << (first.chl.Leap ? "*" : "") << "-" << first.chl.Day;
            if (!next_borderline) {
                EXPECT_TRUE(same) << "length of the month starting " << row[0];
            }
        }
        for (int p : {0, 1}) {
            const bool in_published = field(p ? "official_sl" : "official_lj");
            published[p] += in_published;
            reproduced[p] += in_published && same;
        }
    }
    std::printf("published months reproduced: %d of %d (computed), %d of %d (observatory)\n",
                reproduced[0], published[0], reproduced[1], published[1]);
}

// Random days under random settings over -3000..3000 and hand-picked edge cases: every row
// that is not borderline gives exactly the reference's lunar and solar dates.
TEST(ChineseMonths, ConversionsOverTheWholeRange) {
    auto table = ReadTsv("conversions.tsv");
    const int c_day = table.column("day"), c_epoch = table.column("epoch"),
              c_method = table.column("method"), c_longitude = table.column("longitude"),
              c_borderline = table.column("borderline"), c_note = table.column("note");
    const int l0 = table.column("chl_cycle"), s0 = table.column("chs_cycle");
    int exact = 0;
    for (const auto& row : table.rows) {
        if (row[c_borderline] != "0") continue;
        const int32_t day = std::stoi(row[c_day]);
        CalendarEngine engine(
            {std::stoi(row[c_longitude]), std::stoi(row[c_epoch]), std::stoi(row[c_method])});
        const Converted c = Convert(engine, day);
        auto field = [&](int column) { return std::stoi(row[column]); };
        const auto got = std::tuple(c.chl.Cycle, c.chl.Position, c.chl.MonthOrTerm, c.chl.Leap,
                                    c.chl.Day, c.chs.Cycle, c.chs.Position, c.chs.MonthOrTerm,
                                    c.chs.Day);
        const auto want = std::tuple(field(l0), field(l0 + 1), field(l0 + 2), field(l0 + 3),
                                     field(l0 + 4), field(s0), field(s0 + 1), field(s0 + 2),
                                     field(s0 + 3));
        EXPECT_TRUE(got == want) << "day " << day << " epoch " << row[c_epoch] << " method "
                                 << row[c_method] << " longitude " << row[c_longitude] << " "
                                 << row[c_note];
        exact += got == want;
    }
    EXPECT_GT(exact, 3000);
}

// Every setting, days drawn from the admissible range and beyond it into the
// years the self-test draws (cycles -10 to 189).
TEST(ChineseDates, RoundTripsUnderEverySetting) {
    std::mt19937 rng(2024);
    EuroDate lo, hi;
    lo.Year = -3300;
    hi.Year = 8600;
    std::uniform_int_distribution<int32_t> day(DateToJDN(lo), DateToJDN(hi));
    std::uniform_int_distribution<int> longitude(kMinLongitude, kMaxLongitude);
    for (int i = 0; i < 3000; ++i) {
        CalendarEngine engine({longitude(rng), i % 2 ? kEpochHuangdi : kEpochAlternative, (i / 2) % 2});
        const int32_t n = day(rng);
        Converted c = Convert(engine, n);
        ChDate chl = c.chl, chs = c.chs;
        ASSERT_EQ(engine.ChLDateToJDN(chl), kChLExists) << n;
        EXPECT_EQ(chl.JDN, n);
        EXPECT_EQ(chl.Valid, 1);
        EXPECT_EQ(chl.EpochYear, engine.Epoch());
        ASSERT_TRUE(engine.ChSDateToJDN(chs)) << n;
        EXPECT_EQ(chs.JDN, n);
    }
}

TEST(ChineseDates, ReasonsADateDoesNotExistAndHostileRecords) {
    CalendarEngine engine;
    // A refused date is marked invalid.
    auto lunar = [&](int position, int month, int leap, int day, int32_t cycle = 79) {
        ChDate d = test::MakeChDate(cycle, position, month, leap, day);
        const int status = engine.ChLDateToJDN(d);
        EXPECT_EQ(d.Valid, status == kChLExists ? 1 : 0);
        return status;
    };
    auto solar = [&](int position, int term, int day, int32_t cycle = 79) {
        ChDate d = test::MakeChDate(cycle, position, term, 0, day);
        const bool exists = engine.ChSDateToJDN(d);
        EXPECT_EQ(d.Valid, exists ? 1 : 0);
        return exists;
    };
    // 2023 (79-40) has a leap second month of 29 days and no leap fourth month.
    EXPECT_EQ(lunar(40, 2, 1, 29), kChLExists);
    EXPECT_EQ(lunar(40, 2, 1, 30), kChLDayTooLarge);
    EXPECT_EQ(lunar(40, 4, 1, 1), kChLMonthNotInNian);
    for (auto [position, month, leap, day] : {std::tuple{0, 1, 0, 1}, {61, 1, 0, 1}, {1, 0, 0, 1},
                                              {1, 13, 0, 1}, {1, 1, 2, 1}, {1, 1, 0, 0}, {1, 1, 0, 32}})
        EXPECT_EQ(lunar(position, month, leap, day), kChLFieldOutOfRange);
    // No term lasts 16 days in early spring (79-41-05).
    for (auto [position, term, day] : {std::tuple{0, 1, 1}, {61, 1, 1}, {1, 0, 1}, {1, 25, 1}, {1, 1, 0},
                                       {1, 1, 17}, {41, 5, 16}})
        EXPECT_FALSE(solar(position, term, day));
    for (int32_t cycle : {INT32_MIN, -1000000, -400, 400, 1000000, INT32_MAX}) {
        EXPECT_EQ(lunar(1, 1, 0, 1, cycle), kChLFieldOutOfRange) << cycle;
        EXPECT_FALSE(solar(1, 1, 1, cycle));
    }
    for (double cjdc : {double(NAN), double(INFINITY), -double(INFINITY), 1e300, -1e300, 2.1e9, -2.1e9}) {
        ChDate chs, chl;
        EXPECT_FALSE(engine.CJDateToChDates(cjdc, chs, chl));
    }
}

TEST(ChineseDates, CacheGivesTheResultsOfBuildingAfresh) {
    std::mt19937 rng(99);
    std::uniform_int_distribution<int32_t> day(2415000, 2488000);
    CalendarEngine cached;
    for (int i = 0; i < 300; ++i) {
        const int32_t n = day(rng);
        for (int method : {kTrueSun, kMeanSun}) {
            cached.SetMethod(method);
            CalendarEngine fresh({kDefaultLongitude, kEpochHuangdi, method});
            Converted a = Convert(cached, n), b = Convert(fresh, n);
            ASSERT_EQ(std::tie(a.chl.Cycle, a.chl.Position, a.chl.MonthOrTerm, a.chl.Leap, a.chl.Day),
                      std::tie(b.chl.Cycle, b.chl.Position, b.chl.MonthOrTerm, b.chl.Leap, b.chl.Day));
            ASSERT_EQ(std::tie(a.chs.Cycle, a.chs.Position, a.chs.MonthOrTerm, a.chs.Day),
                      std::tie(b.chs.Cycle, b.chs.Position, b.chs.MonthOrTerm, b.chs.Day));
        }
    }
    EXPECT_LT(cached.BuildCount(), 2 * 210);  // at most one build per solar year and method
}

}  // namespace
}  // namespace vemla
