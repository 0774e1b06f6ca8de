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
    const auto chl = engine.CJDateToChLDate(day);
    EXPECT_TRUE(chl) << day;
    return chl.value_or(ChDate{});
}

TEST(PhaseSearch, FullAndDarkMoonsAreThoseOfTheReferenceLunations) {
    for (int phase : {kFullMoon, kDarkMoon}) {
        const std::vector<PhaseRow> rows = ReferencePhases(phase);
        ASSERT_GT(rows.size(), 2000u);
        for (size_t i = 0; i + 1 < rows.size(); ++i) {
            const PhaseRow& a = rows[i];
            const PhaseRow& b = rows[i + 1];
            // Every lunation of the table, across the whole range: half a day
            // before and after it.
            EXPECT_EQ(FindPhase(a.ut - 0.5, phase, true), SyzygyUT(a.k, phase)) << a.k;
            EXPECT_EQ(FindPhase(a.ut + 0.5, phase, false), SyzygyUT(a.k, phase)) << a.k;
            if (b.k != a.k + 1 || i % 5 != 0) continue;
            // Between two consecutive ones (1900 to 2100), at three places.
            for (double f : {0.02, 0.5, 0.98}) {
                const double x = a.ut + f * (b.ut - a.ut);
                const double next = FindPhase(x, phase, true);
                EXPECT_EQ(next, SyzygyUT(b.k, phase)) << b.k;
                EXPECT_NEAR(next, b.ut, kMinute) << b.k;
                EXPECT_EQ(FindPhase(x, phase, false), SyzygyUT(a.k, phase)) << a.k;
            }
        }
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
        // Just after and just before, it is found.
        EXPECT_EQ(FindPhase(t + 0.001, e.phase, false), t) << e.k;
        EXPECT_EQ(FindPhase(t - 0.001, e.phase, true), t) << e.k;
        // Lunar quarters: from one phase to the next and back.
        const int later = (e.phase + 1) % 4;
        EXPECT_EQ(FindLunarQuarter(t, true), SyzygyUT(e.k + (later == 0), later)) << e.k;
        EXPECT_EQ(FindLunarQuarter(SyzygyUT(e.k + (later == 0), later), false), t) << e.k;
    }
    // Between first quarter and full moon, the next quarter is the full moon.
    const double between = (SyzygyUT(0, kFirstQuarter) + SyzygyUT(0, kFullMoon)) / 2.0;
    EXPECT_EQ(FindLunarQuarter(between, true), SyzygyUT(0, kFullMoon));
    EXPECT_EQ(FindLunarQuarter(between, false), SyzygyUT(0, kFirstQuarter));
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

TEST(SolarTermSearch, TermsSolsticesAndEquinoxesAreTheReferenceMoments) {
    CalendarEngine engine;
    const int targets[] = {kTargetVernalEquinox, kTargetSummerSolstice, kTargetAutumnalEquinox,
                           kTargetWinterSolstice};
    const std::vector<TermRow> rows = ReferenceTerms();
    ASSERT_GT(rows.size(), 24u * 400);
    for (const TermRow& row : rows) {
        // Within the four minutes by which the two Suns part at most; the
        // terms lie about 15 days apart.
        for (double away : {-5.0, 5.0}) {
            const bool next = away < 0;
            EXPECT_NEAR(FindSolarTerm(engine, row.ut + away, kTargetSolarTerm, next).value_or(0),
                        row.ut, 5 * kMinute)
                << row.year << " " << row.longitude;
            if (row.longitude % 90 != 0) continue;
            const int target = targets[row.longitude / 90];
            EXPECT_NEAR(FindSolarTerm(engine, row.ut + 8 * away, target, next).value_or(0), row.ut,
                        5 * kMinute)
                << row.year << " " << row.longitude;
        }
    }

    // From a December solstice, or a second after it, the next is a year
    // later; from it, the previous solstice or equinox is September's.
    const double solstice = *FindSolarTerm(engine, 2451800.0, kTargetWinterSolstice, true);
    for (double at : {solstice, solstice + 1.0 / 86400.0})
        EXPECT_NEAR(*FindSolarTerm(engine, at, kTargetWinterSolstice, true) - solstice, 365.24,
                    0.1);
    const auto september = std::find_if(rows.begin(), rows.end(), [](const TermRow& r) {
        return r.year == 2000 && r.longitude == 180;
    });
    EXPECT_NEAR(*FindSolarTerm(engine, solstice, kTargetSolsticeOrEquinox, false), september->ut,
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
        EXPECT_TRUE(engine.BuildCalendarTables(cjdc).ok());
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
    } settings[] = {{kTrueSun, kCCT}, {kMeanSun, 145}};
    int found = 0;
    for (const auto& s : settings) {
        CalendarEngine engine(CalendarSettings{s.longitude, kEpochHuangdi, s.method});
        CalendarEngine scanner(engine.Settings());
        for (double x : {640000.5, 1721000.25, 2460000.7, 2800000.0}) {
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
    EXPECT_GT(found, 60);
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

std::vector<MonthRow> ReferenceNewYears() {
    auto rows = ReferenceMonths();
    std::erase_if(rows, [](const MonthRow& r) { return r.month != 1 || r.leap != 0; });
    return rows;
}

TEST(LunarNewYearSearch, LandsOnTheFirstDayOfEveryFirstMonth) {
    CalendarEngine engine;
    const std::vector<MonthRow> new_years = ReferenceNewYears();
    ASSERT_GT(new_years.size(), 190u);
    auto from = [&](int32_t day, bool next) {
        return FindLunarNewYear(engine, LunarDateOf(engine, day), next);
    };
    for (size_t i = 1; i + 1 < new_years.size(); ++i) {
        const int32_t day = new_years[i].day, before = new_years[i - 1].day,
                      after = new_years[i + 1].day;
        // On the day itself both directions pass over it; later days look
        // back to it, and the last day of the year forward to the next one.
        EXPECT_EQ(from(day, true), after) << day;
        EXPECT_EQ(from(day, false), before) << day;
        EXPECT_EQ(from(day + 1, false), day) << day;
        EXPECT_EQ(from(after - 1, true), after) << day;
    }
    // 2001-06-01 lies in the leap fourth month of 79-18; 79-19 began on 2002-02-12.
    EXPECT_EQ(from(2452062, true), 2452318);
}

// The first day of the nearest row after (or before) row i whose
// element-animal (of the month, or of the nian) is the chosen one.
template <typename PositionOfRow>
int32_t NearestRow(const std::vector<MonthRow>& rows, size_t i, const ElementAnimalChoice& choice,
                   bool next, PositionOfRow position) {
    size_t j = next ? i + 1 : i - 1;
    while (!choice.Matches(position(rows[j]))) j = next ? j + 1 : j - 1;
    return rows[j].day;
}

TEST(ElementAnimalSearch, MonthsAndYearsAreTheNearestOfTheChoiceInTheReferenceMonths) {
    CalendarEngine engine;
    const ElementAnimalChoice choices[] = {{1, kNoAnimal}, {kNoElement, 2}, {0, 2}, {4, 11}};
    const std::vector<MonthRow> months = ReferenceMonths();
    auto month_position = [](const MonthRow& r) { return MonthPosition(r.position, r.month); };
    for (size_t i = 100; i + 100 < months.size(); i += 37) {
        const ChDate chl = LunarDateOf(engine, months[i].day + 11);
        for (const ElementAnimalChoice& choice : choices)
            for (bool next : {true, false})
                EXPECT_EQ(FindElementAnimalMonth(engine, chl, choice, next),
                          NearestRow(months, i, choice, next, month_position))
                    << months[i].day << " " << choice.element << "-" << choice.animal;
    }

    const std::vector<MonthRow> years = ReferenceNewYears();
    auto year_position = [](const MonthRow& r) { return r.position; };
    for (size_t i = 60; i + 60 < years.size(); i += 3) {
        const ChDate chl = LunarDateOf(engine, years[i].day + 100);
        for (const ElementAnimalChoice& choice : choices)
            for (bool next : {true, false})
                EXPECT_EQ(FindElementAnimalYear(engine, chl, choice, next),
                          NearestRow(years, i, choice, next, year_position))
                    << years[i].day;
    }
}

}  // namespace
}  // namespace vemla
