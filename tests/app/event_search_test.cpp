// The event searches against facts found another way: the reference tables of
// moon phases, solar terms and lunar months, the engine's term days for the
// coincidences, and the sexagenary positions for the element-animal targets.
#include "app/event_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/date_entry.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"
#include "engine/solar_terms.h"
#include "tsv.h"

namespace vemla {
namespace {

constexpr int kCCT = 120;
constexpr double kMinute = 1.0 / 1440.0;

double TTToUT(double tt) {
    return tt - DeltaTForMoment(tt) / 1440.0;
}

struct PhaseRow {
    int32_t k;
    double ut;
};

std::vector<PhaseRow> ReferencePhases(int phase) {
    const auto table = test::ReadTsv("moon-phases.tsv");
    const int ck = table.column("k"), cp = table.column("phase"), cjd = table.column("tt_jd");
    std::vector<PhaseRow> rows;
    for (const auto& r : table.rows)
        if (std::stoi(r[cp]) == phase)
            rows.push_back({std::stoi(r[ck]), TTToUT(std::stod(r[cjd]))});
    return rows;
}

ChDate LunarDateOf(CalendarEngine& engine, int32_t day) {
    ChDate chs, chl;
    chs.Valid = kNoChSWanted;
    EXPECT_TRUE(engine.CJDateToChDates(day, chs, chl)) << day;
    return chl;
}

TEST(PhaseSearch, FullAndDarkMoonsAreThoseOfTheReferenceLunations) {
    for (int phase : {kFullMoon, kDarkMoon}) {
        const std::vector<PhaseRow> rows = ReferencePhases(phase);
        ASSERT_GT(rows.size(), 2000u);
        int consecutive = 0;
        for (size_t i = 0; i + 1 < rows.size(); ++i) {
            const PhaseRow& a = rows[i];
            const PhaseRow& b = rows[i + 1];
            // Every lunation of the table, across the whole range: half a day
            // before and after it.
            EXPECT_EQ(FindPhase(a.ut - 0.5, phase, true), SyzygyUT(a.k, phase)) << a.k;
            EXPECT_EQ(FindPhase(a.ut + 0.5, phase, false), SyzygyUT(a.k, phase)) << a.k;
            if (b.k != a.k + 1 || i % 5 != 0) continue;
            // Between two consecutive ones (1900 to 2100), at three places.
            ++consecutive;
            for (double f : {0.02, 0.5, 0.98}) {
                const double x = a.ut + f * (b.ut - a.ut);
                const double next = FindPhase(x, phase, true);
                EXPECT_EQ(next, SyzygyUT(b.k, phase)) << b.k;
                EXPECT_NEAR(next, b.ut, kMinute) << b.k;
                EXPECT_EQ(FindPhase(x, phase, false), SyzygyUT(a.k, phase)) << a.k;
            }
        }
        EXPECT_GT(consecutive, 400);
    }
}

TEST(PhaseSearch, AnEventAtTheMomentIsPassedOverInBothDirections) {
    // Besides ordinary ones, events whose Universal and dynamical moments
    // fall in years of different delta T: compared in dynamical time, the
    // first would not be at its own moment and the second not exact.
    const struct {
        int32_t k;
        int phase;
    } events[] = {{0, kDarkMoon},    {0, kFullMoon},      {-30000, kFullMoon}, {9000, kDarkMoon},
                  {6134, kFullMoon}, {-61941, kFullMoon}, {-61755, kDarkMoon}};
    for (const auto& e : events) {
        const double t = SyzygyUT(e.k, e.phase);
        const double before = SyzygyUT(e.k - 1, e.phase), after = SyzygyUT(e.k + 1, e.phase);
        for (double x : {t, t + 0.00004}) {
            EXPECT_EQ(FindPhase(x, e.phase, true), after) << e.k;
            EXPECT_EQ(FindPhase(x, e.phase, false), before) << e.k;
        }
        EXPECT_EQ(FindPhase(t + 0.001, e.phase, false), t) << e.k;
        EXPECT_EQ(FindPhase(t + 0.001, e.phase, true), after) << e.k;
        EXPECT_EQ(FindPhase(t - 0.001, e.phase, true), t) << e.k;
        EXPECT_EQ(FindPhase(t - 0.001, e.phase, false), before) << e.k;
    }
}

TEST(PhaseSearch, QuartersFollowOneAnotherInOrder) {
    // Between first quarter and full moon, the next quarter is the full moon.
    const double between = (SyzygyUT(0, kFirstQuarter) + SyzygyUT(0, kFullMoon)) / 2.0;
    EXPECT_EQ(FindLunarQuarter(between, true), SyzygyUT(0, kFullMoon));
    EXPECT_EQ(FindLunarQuarter(between, false), SyzygyUT(0, kFirstQuarter));

    // From one quarter, 100 searches visit every phase of 25 lunations in
    // turn, and 100 searches back return over the same ones.
    double x = SyzygyUT(6130, kDarkMoon);
    for (int i = 1; i <= 100; ++i) {
        x = FindLunarQuarter(x, true);
        ASSERT_EQ(x, SyzygyUT(6130 + i / 4, i % 4)) << i;
    }
    for (int i = 99; i >= 0; --i) {
        x = FindLunarQuarter(x, false);
        ASSERT_EQ(x, SyzygyUT(6130 + i / 4, i % 4)) << i;
    }
}

// Reference moments (UT) of the Sun's longitudes 0, 15, ... 345 degrees in
// the years of solar-terms.tsv.
struct TermRow {
    int year;
    int longitude;
    double ut;
};

std::vector<TermRow> ReferenceTerms() {
    const auto table = test::ReadTsv("solar-terms.tsv");
    const int cy = table.column("year"), cl = table.column("longitude_deg"),
              cjd = table.column("tt_jd");
    std::vector<TermRow> rows;
    for (const auto& r : table.rows)
        rows.push_back({std::stoi(r[cy]), std::stoi(r[cl]), TTToUT(std::stod(r[cjd]))});
    return rows;
}

TEST(SolarTermSearch, SolsticesAndEquinoxesAreTheReferenceMoments) {
    CalendarEngine engine;
    const struct {
        int target;
        int longitude;
    } quarters[] = {{kTargetWinterSolstice, 270},
                    {kTargetVernalEquinox, 0},
                    {kTargetSummerSolstice, 90},
                    {kTargetAutumnalEquinox, 180}};
    int checked = 0;
    for (const TermRow& row : ReferenceTerms()) {
        for (const auto& q : quarters) {
            if (row.longitude != q.longitude) continue;
            // The true Sun's terms are within a minute or so of the reference
            // over the last centuries, within an hour far from them.
            const double tolerance = std::abs(row.year - 2000) <= 500 ? 2 * kMinute : 60 * kMinute;
            for (bool next : {true, false}) {
                for (int target : {q.target, int{kTargetSolsticeOrEquinox}}) {
                    const auto found =
                        FindSolarTerm(engine, row.ut + (next ? -40.0 : 40.0), target, next);
                    ASSERT_TRUE(found);
                    EXPECT_NEAR(*found, row.ut, tolerance) << row.year << " " << q.longitude;
                }
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 900);

    // The mean Sun's December solstice is the quarter-point formula's.
    engine.SetMethod(kMeanSun);
    for (int year : {-2900, -700, 1, 1582, 2024, 2999}) {
        const double solstice = QuarterPointUT(kDecemberSolstice, year);
        const auto found = FindSolarTerm(engine, solstice - 100.0, kTargetWinterSolstice, true);
        ASSERT_TRUE(found);
        EXPECT_NEAR(*found, solstice, 1e-6) << year;
    }
}

TEST(SolarTermSearch, TermsFollowOneAnotherAndATermAtTheMomentIsPassedOver) {
    CalendarEngine engine;
    std::vector<TermRow> year2000;
    for (const TermRow& row : ReferenceTerms())
        if (row.year == 2000) year2000.push_back(row);
    ASSERT_EQ(year2000.size(), 24u);
    std::sort(year2000.begin(), year2000.end(), [](auto& a, auto& b) { return a.ut < b.ut; });

    // From 2000-01-01 the searches visit the year's 24 terms in turn, then
    // come back over them.
    double x = 2451544.5;
    for (const TermRow& row : year2000) {
        x = *FindSolarTerm(engine, x, kTargetSolarTerm, true);
        EXPECT_NEAR(x, row.ut, kMinute) << row.longitude;
    }
    for (int i = 22; i >= 0; --i) {
        x = *FindSolarTerm(engine, x, kTargetSolarTerm, false);
        EXPECT_NEAR(x, year2000[i].ut, kMinute) << year2000[i].longitude;
    }

    // At a December solstice, and a second after it, the next is a year
    // later and (at it) the previous a year earlier.
    const double solstice = *FindSolarTerm(engine, 2451800.0, kTargetWinterSolstice, true);
    EXPECT_NEAR(solstice, year2000.back().ut, kMinute);
    for (double at : {solstice, solstice + 1.0 / 86400.0}) {
        const double next = *FindSolarTerm(engine, at, kTargetWinterSolstice, true);
        EXPECT_NEAR(next - solstice, 365.24, 0.1);
    }
    const double previous = *FindSolarTerm(engine, solstice, kTargetWinterSolstice, false);
    EXPECT_NEAR(solstice - previous, 365.24, 0.1);
    EXPECT_NEAR(*FindSolarTerm(engine, solstice, kTargetSolsticeOrEquinox, false), year2000[17].ut,
                kMinute);
}

// The first dark or full moon from x (in the search's direction, the
// present one excluded) whose day is the day of a wanted term in the tables
// built around it, scanning at most `limit` lunations.
std::optional<double> ScanForCoincidence(CalendarEngine& engine, double x, int target, bool next,
                                         int limit) {
    const int phase =
        target == kTargetTermFullMoon || target == kTargetQuarterFullMoon ? kFullMoon : kDarkMoon;
    auto wanted = [target](int i) {
        const int r = i % 24;
        if (target == kTargetWinterSolsticeDarkMoon) return r == 0;
        if (target == kTargetQuarterDarkMoon || target == kTargetQuarterFullMoon) return r % 6 == 0;
        return true;
    };
    const int longitude = engine.Settings().Longitude;
    int32_t k = LunationOf(x) + (next ? -1 : 2);
    int seen = 0;
    while (seen < limit) {
        k += next ? 1 : -1;
        const double y = SyzygyUT(k, phase);
        if (next ? y <= x : y >= x - kExactPhaseDays) continue;
        ++seen;
        const double cjdc = AJDToCJDC(y, longitude);
        EXPECT_TRUE(engine.BuildCalendarTables(cjdc));
        const auto& t = engine.Tables();
        for (int i = 0; i < kTermCount; ++i)
            if (wanted(i) && t.TermDays[i] == DayNumberOf(cjdc)) return y;
    }
    return std::nullopt;
}

TEST(CoincidenceSearch, FindsTheFirstPhaseOnTheFirstDayOfAWantedTerm) {
    const struct {
        int method;
        int longitude;
    } settings[] = {{kTrueSun, kCCT}, {kMeanSun, kCCT}, {kTrueSun, 100}, {kMeanSun, 145}};
    int found = 0;
    for (const auto& s : settings) {
        CalendarEngine engine(CalendarSettings{s.longitude, kEpochHuangdi, s.method});
        CalendarEngine scanner(engine.Settings());
        for (double x : {640000.5, 1057400.0, 1721000.25, 2451545.0, 2460000.7, 2800000.0}) {
            for (int target = kTargetTermDarkMoon; target <= kTargetQuarterFullMoon; ++target) {
                for (bool next : {true, false}) {
                    const auto expected =
                        ScanForCoincidence(scanner, x, target, next, kMaxCoincidenceCandidates);
                    const auto got = FindPhaseOnTermStart(engine, x, target, next);
                    ASSERT_EQ(got.has_value(), expected.has_value())
                        << x << " " << target << " " << next;
                    if (got) {
                        EXPECT_EQ(*got, *expected) << x << " " << target << " " << next;
                        ++found;
                    }
                }
            }
        }
    }
    EXPECT_GT(found, 200);
}

TEST(CoincidenceSearch, GivesUpAfterTheCandidateLimit) {
    CalendarEngine engine;
    // No dark moon falls on the day of a December solstice in the 81 years
    // after this moment.
    constexpr double kDrought = 769400.0;
    std::vector<int> candidates;
    const auto none = FindPhaseOnTermStart(engine, kDrought, kTargetWinterSolsticeDarkMoon, true,
                                           [&](int n) { candidates.push_back(n); });
    EXPECT_FALSE(none);
    ASSERT_EQ(candidates.size(), static_cast<size_t>(kMaxCoincidenceCandidates));
    for (size_t i = 0; i < candidates.size(); ++i)
        ASSERT_EQ(candidates[i], static_cast<int>(i) + 1);
    EXPECT_FALSE(ScanForCoincidence(engine, kDrought, kTargetWinterSolsticeDarkMoon, true, 1000));

    // A coincidence beyond the limit is not found.
    const auto far = FindPhaseOnTermStart(engine, 2451545.0, kTargetWinterSolsticeDarkMoon, true);
    ASSERT_TRUE(far);
    const int needed = static_cast<int>(std::lround((*far - 2451545.0) / kSynodicMonth));
    EXPECT_FALSE(FindPhaseOnTermStart(engine, 2451545.0, kTargetWinterSolsticeDarkMoon, true, {},
                                      needed - 2));
}

TEST(LunarNewYearSearch, LandsOnTheFirstDayOfEveryFirstMonth) {
    CalendarEngine engine;
    const auto table = test::ReadTsv("chinese-months.tsv");
    const int cday = table.column("day"), cmonth = table.column("month"),
              cleap = table.column("leap");
    std::vector<int32_t> new_years, leap_month_days;
    for (const auto& r : table.rows) {
        if (std::stoi(r[cmonth]) == 1 && std::stoi(r[cleap]) == 0)
            new_years.push_back(std::stoi(r[cday]));
        if (std::stoi(r[cleap]) == 1) leap_month_days.push_back(std::stoi(r[cday]));
    }
    ASSERT_GT(new_years.size(), 190u);
    for (size_t i = 1; i + 1 < new_years.size(); ++i) {
        const int32_t day = new_years[i];
        // On the day itself both directions pass over it; the next day looks
        // back to it, and the last day of the year forward to the next one.
        EXPECT_EQ(FindLunarNewYear(engine, LunarDateOf(engine, day), true), new_years[i + 1])
            << day;
        EXPECT_EQ(FindLunarNewYear(engine, LunarDateOf(engine, day), false), new_years[i - 1])
            << day;
        EXPECT_EQ(FindLunarNewYear(engine, LunarDateOf(engine, day + 1), false), day) << day;
        EXPECT_EQ(FindLunarNewYear(engine, LunarDateOf(engine, day + 200), false), day) << day;
        EXPECT_EQ(FindLunarNewYear(engine, LunarDateOf(engine, new_years[i + 1] - 1), true),
                  new_years[i + 1])
            << day;
    }
    // From inside a leap month, the next new year is that of the following year.
    for (int32_t day : leap_month_days) {
        const auto after = std::upper_bound(new_years.begin(), new_years.end(), day);
        if (after == new_years.end()) continue;
        EXPECT_EQ(FindLunarNewYear(engine, LunarDateOf(engine, day + 3), true), *after) << day;
    }
}

TEST(ElementAnimalSearch, DaysBearTheChoiceAndNoneBetweenIsPassedOver) {
    const ElementAnimalChoice choices[] = {{0, kNoAnimal}, {kNoElement, 6}, {3, 9}, {4, 0}};
    const int reach[] = {10, 12, 60, 60};
    for (int c = 0; c < 4; ++c) {
        const ElementAnimalChoice& choice = choices[c];
        for (int32_t start = 2451545; start < 2451545 + 60; start += 7) {
            for (bool next : {true, false}) {
                const auto day = FindElementAnimalDay(start, choice, next);
                ASSERT_TRUE(day);
                const int s = next ? 1 : -1;
                EXPECT_GT((*day - start) * s, 0);
                EXPECT_LE((*day - start) * s, reach[c]);
                const int position = DayPosition(*day);
                if (choice.element != kNoElement) {
                    EXPECT_EQ(ElementOf(position), choice.element);
                }
                if (choice.animal != kNoAnimal) {
                    EXPECT_EQ(AnimalOf(position), choice.animal);
                }
                for (int32_t d = start + s; d != *day; d += s)
                    EXPECT_FALSE(choice.Matches(DayPosition(d))) << d;
            }
        }
    }
    // 2000-01-01 is wu-wu, earth-horse (position 55); the next earth-horse
    // day is sixty days later.
    EXPECT_EQ(FindElementAnimalDay(2451545, {2, 6}, true), 2451545 + 60);
    EXPECT_EQ(FindElementAnimalDay(2451545, {2, 6}, false), 2451545 - 60);
}

struct MonthRow {
    int32_t day;
    int position;
    int month;
    int leap;
};

std::vector<MonthRow> ReferenceMonths() {
    const auto table = test::ReadTsv("chinese-months.tsv");
    const int cday = table.column("day"), cpos = table.column("position"),
              cmonth = table.column("month"), cleap = table.column("leap");
    std::vector<MonthRow> rows;
    for (const auto& r : table.rows)
        rows.push_back(
            {std::stoi(r[cday]), std::stoi(r[cpos]), std::stoi(r[cmonth]), std::stoi(r[cleap])});
    return rows;
}

TEST(ElementAnimalSearch, MonthsAreTheNearestOfTheChoiceInTheReferenceMonths) {
    CalendarEngine engine;
    const std::vector<MonthRow> months = ReferenceMonths();
    const ElementAnimalChoice choices[] = {{1, kNoAnimal}, {kNoElement, 2}, {0, 2}, {4, 11}};
    for (size_t i = 100; i + 100 < months.size(); i += 37) {
        for (const ElementAnimalChoice& choice : choices) {
            for (bool next : {true, false}) {
                // The expected month: the nearest other one of the choice.
                const int s = next ? 1 : -1;
                size_t j = i + s;
                while (!choice.Matches(MonthPosition(months[j].position, months[j].month))) j += s;
                const ChDate chl = LunarDateOf(engine, months[i].day + 11);
                EXPECT_EQ(FindElementAnimalMonth(engine, chl, choice, next), months[j].day)
                    << months[i].day << " " << choice.element << "-" << choice.animal;
            }
        }
    }
    // The month right after the displayed one, when it bears the choice.
    const ChDate chl = LunarDateOf(engine, months[500].day);
    const int successor = MonthPosition(months[501].position, months[501].month);
    EXPECT_EQ(
        FindElementAnimalMonth(engine, chl, {ElementOf(successor), AnimalOf(successor)}, true),
        months[501].day);
}

TEST(ElementAnimalSearch, YearsBeginOnTheNewYearOfTheChosenNian) {
    CalendarEngine engine;
    std::vector<MonthRow> new_years;
    for (const MonthRow& row : ReferenceMonths())
        if (row.month == 1 && row.leap == 0) new_years.push_back(row);
    ASSERT_GT(new_years.size(), 190u);
    const ElementAnimalChoice choices[] = {{2, kNoAnimal}, {kNoElement, 4}, {3, 8}};
    for (size_t i = 60; i + 60 < new_years.size(); i += 3) {
        const ChDate chl = LunarDateOf(engine, new_years[i].day + 100);
        for (const ElementAnimalChoice& choice : choices) {
            for (bool next : {true, false}) {
                const int s = next ? 1 : -1;
                size_t j = i + s;
                while (!choice.Matches(new_years[j].position)) j += s;
                EXPECT_EQ(FindElementAnimalYear(engine, chl, choice, next), new_years[j].day)
                    << new_years[i].day;
            }
        }
    }
    // Cycle 7 (epoch -2696): from position 41 the next earth-monkey year is 45.
    ChDate cycle7;
    cycle7.Cycle = 7;
    cycle7.Position = 41;
    cycle7.MonthOrTerm = 5;
    cycle7.Day = 3;
    ASSERT_EQ(engine.ChLDateToJDN(cycle7), kChLExists);
    const auto day = FindElementAnimalYear(engine, cycle7, {2, 8}, true);
    ASSERT_TRUE(day);
    const ChDate found = LunarDateOf(engine, *day);
    EXPECT_EQ(found.Cycle, 7);
    EXPECT_EQ(found.Position, 45);
    EXPECT_EQ(found.MonthOrTerm, 1);
    EXPECT_EQ(found.Day, 1);
}

}  // namespace
}  // namespace vemla
