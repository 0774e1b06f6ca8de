// Calendar files read back with libical's own parser and held against the
// listing they were made from, the reference months and Moon phases.
#include "app/calendar_export.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cmath>
#include <functional>
#include <regex>
#include <set>

#include "app/event_search.h"
#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/year_data.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"
#include "recording_list_output.h"
#include "tsv.h"

namespace vemla {
namespace {

struct RowsOutput : test::RecordingListOutput {
    void Add(const ListRow& row) override { rows.push_back(row); }
    std::vector<ListRow> rows;
};

int64_t DayOf(int year, int month, int day) {
    EuroDate date{year, month, day};
    return DateToJDN(date);
}

// Each event's day (all-day) or UT minute from the start of day 0 (timed),
// and its UID and summary, as libical reads them.
struct ReadEvent {
    int64_t when;
    std::string uid, summary;
};
std::vector<ReadEvent> Parse(const CalendarFile& file) {
    std::vector<ReadEvent> events;
    icalcomponent* calendar = icalparser_parse_string(file.text.c_str());
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype t = icalcomponent_get_dtstart(c);
        EXPECT_TRUE(t.is_date || icaltime_is_utc(t));
        const int64_t day = DayOf(t.year, t.month, t.day);
        events.push_back({t.is_date ? day : day * 1440 + t.hour * 60 + t.minute,
                          icalcomponent_get_uid(c), icalcomponent_get_summary(c)});
    }
    icalcomponent_free(calendar);
    return events;
}

const ExportSettings kSettings{"Test", 120,   "CCT",
                               -2696,  false, "epoch = -2696, method = true sun"};

CalendarFile Export(const std::vector<ListRow>& rows, double stamp = 2460000.0,
                    const ExportSettings& settings = kSettings) {
    auto made = MakeCalendar(rows, settings, stamp);
    if (auto* message = std::get_if<std::string>(&made)) ADD_FAILURE() << *message;
    return std::get_if<CalendarFile>(&made) ? std::get<CalendarFile>(made) : CalendarFile{};
}

// The listing's own dates: the day of each " JDN" line, or the UT minute of
// each line timed at 120º East (8 hours ahead).
std::vector<int64_t> ListedDates(const std::string& text) {
    static const std::regex day(R"(= +(\d+) JDN)"),
        timed(R"(^ *(\d+)-(\d\d)-(\d\d) CE (\d\d):(\d\d) CCT)");
    std::vector<int64_t> out;
    std::smatch m;
    for (const std::string& line : test::SplitLines(text))
        if (std::regex_search(line, m, day))
            out.push_back(std::stoll(m[1]));
        else if (std::regex_search(line, m, timed))
            out.push_back(DayOf(std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])) * 1440 +
                          std::stoi(m[4]) * 60 + std::stoi(m[5]) - 480);
    return out;
}

class CalendarExportTest : public ::testing::Test {
  protected:
    ListContext Context(double ajd = 0) {
        return {engine, ajd, "CCT", kSettings.epoch_method, false};
    }
    std::vector<ListRow> NewYears(const char* first, int years) {
        RowsOutput out;
        ListLunarNewYears(Context(), first, years, false, out);
        return out.rows;
    }
    CalendarEngine engine;
};

TEST_F(CalendarExportTest, EveryKindReadsBackAsItsListing) {
    // Day 30 is missing in some years, the leap month in most: the stand-ins go out.
    const std::vector<std::function<void(RowsOutput&)>> listings = {
        [&](auto& out) { ListLunarNewYears(Context(), "79-40-01-30 CHL", 12, false, out); },
        [&](auto& out) { ListLunarNewYears(Context(), "79-40-2*-15 CHL", 12, true, out); },
        [&](auto& out) { ListMonthStarts(Context(), 2023, 30, true, out); },
        [&](auto& out) {
            WriteYearData(Context(2460472.0), {true, true, true}, out);
        },
    };
    for (size_t k = 0; k < listings.size(); ++k) {
        RowsOutput out;
        listings[k](out);
        std::vector<int64_t> exported;
        std::set<std::string> uids;
        for (const ReadEvent& e : Parse(Export(out.rows))) {
            exported.push_back(e.when);
            uids.insert(e.uid);
        }
        EXPECT_GE(exported.size(), 10u) << k;
        EXPECT_EQ(exported, ListedDates(out.text)) << k;
        EXPECT_EQ(uids.size(), exported.size()) << k;
    }
}

TEST_F(CalendarExportTest, LunarNewYears2000To2030AreThoseOfTheReference) {
    std::vector<int64_t> reference, exported;
    for (const auto& r : test::ReadTsv("chinese-months.tsv").rows)
        if (r[4] == "1" && r[5] == "0" && r[0] >= "2000" && r[0] < "2031")
            reference.push_back(std::stoll(r[1]));
    const std::vector<ListRow> rows = NewYears("79-17-01-01 CHL", 31);
    for (const ReadEvent& e : Parse(Export(rows))) exported.push_back(e.when);
    EXPECT_EQ(reference.size(), 31u);
    EXPECT_EQ(exported, reference);
    // A later export is the same but for its stamp, so a calendar program
    // replaces the events rather than adding them again.
    EXPECT_EQ(std::regex_replace(Export(rows, 2460000.0).text, std::regex("20230224T120000Z"),
                                 "20230225T180000Z"),
              Export(rows, 2460001.25).text);
}

TEST_F(CalendarExportTest, FullMoonsOf2024AreThoseOfTheReferenceInUniversalTime) {
    double delta_t = 0;  // the reference's moments are in dynamical time
    for (const auto& r : test::ReadTsv("delta-t.tsv").rows)
        if (r[0] == "2024") delta_t = std::stod(r[1]) / 1440.0;
    std::vector<int64_t> reference;
    for (const auto& r : test::ReadTsv("moon-phases.tsv").rows)
        if (const double tt = std::stod(r[2]);
            r[1] == "2" && tt > DayOf(2024, 1, 1) && tt < DayOf(2025, 1, 1))
            reference.push_back(std::llround((tt - delta_t + 0.5) * 1440.0));
    std::vector<ListRow> rows;
    double ajd = DayOf(2024, 1, 1) - 0.5;
    for (int i = 0; i < 12; ++i)
        rows.push_back(
            SearchResultRow(engine, kTargetFullMoon, ajd = FindPhase(ajd, kFullMoon, true), i));
    const auto events = Parse(Export(rows));
    ASSERT_EQ(reference.size(), 12u);
    ASSERT_EQ(events.size(), 12u);
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_NEAR(events[i].when, reference[i], 1) << i;
        EXPECT_EQ(events[i].summary, "Full moon");
    }
}

TEST_F(CalendarExportTest, OnlyYearsACalendarCanHoldAreWrittenAndAtMostAHundredThousandEvents) {
    const CalendarFile late = Export(NewYears("95-47-01-01 CHL", 20));  // 2990..3009
    EXPECT_EQ(late.events, 10);
    EXPECT_EQ(late.left_out, 10);
    EXPECT_EQ(GregorianYearOf(static_cast<int32_t>(Parse(late).back().when)), 2999);
    EXPECT_EQ(Export(NewYears("45-51-01-01 CHL", 10)).events, 3);  // -6..3
    std::vector<ListRow> rows(kMaxCalendarEvents + 1, DayRow{2451545, "a day"});
    EXPECT_EQ(std::get<std::string>(MakeCalendar(rows, kSettings, 0)),
              "The list holds 100,001 events; a calendar takes at most 100,000. List fewer years.");
}

}  // namespace
}  // namespace vemla
