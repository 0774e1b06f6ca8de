// Calendar files read back with libical's own parser and held against the
// listing they were made from, the reference months and the reference Moon
// phases; and exports that must fail without leaving a file behind.
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <sys/resource.h>

#include <cmath>
#include <functional>
#include <regex>
#include <set>

#include "app/calendar_export.h"
#include "app/event_search.h"
#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/year_data.h"
#include "common/temp_folder.h"
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

// An event as a calendar program reads it.
struct ReadEvent {
    bool all_day = false;
    int64_t day = 0;     // all-day events
    int64_t minute = 0;  // timed ones, UT minutes from the start of day 0
    std::string uid, summary, description;
};

int32_t DayOf(int year, int month, int day) {
    EuroDate date;
    date.Year = year;
    date.Month = month;
    date.Day = day;
    return DateToJDN(date);
}

std::vector<ReadEvent> Parse(const std::string& text) {
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    EXPECT_NE(calendar, nullptr);
    std::vector<ReadEvent> events;
    if (!calendar) return events;
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(c);
        ReadEvent e;
        e.all_day = start.is_date;
        e.day = DayOf(start.year, start.month, start.day);
        if (!e.all_day) {
            EXPECT_TRUE(icaltime_is_utc(start));
            e.minute = e.day * 1440 + start.hour * 60 + start.minute;
        }
        e.uid = icalcomponent_get_uid(c);
        e.summary = icalcomponent_get_summary(c);
        e.description = icalcomponent_get_description(c);
        events.push_back(e);
    }
    icalcomponent_free(calendar);
    return events;
}

const ExportSettings kSettings{"Test", 120, "CCT", -2696, false, "epoch = -2696, method = true sun"};

CalendarFile Export(const std::vector<ListRow>& rows, double stamp = 2460000.0,
                    const ExportSettings& settings = kSettings) {
    auto made = MakeCalendar(rows, settings, stamp);
    if (auto* message = std::get_if<std::string>(&made)) ADD_FAILURE() << *message;
    return std::get_if<CalendarFile>(&made) ? std::get<CalendarFile>(made) : CalendarFile{};
}

// What the listing's own lines say: the day of each " JDN" line, or the UT
// minute of each line timed at the meridian (120º East, 8 hours ahead).
struct Listed {
    bool timed;
    int64_t value;
};
std::vector<Listed> ListedDates(const std::string& text) {
    static const std::regex day(R"(= +(\d+) JDN)");
    static const std::regex timed(R"(^ *(-?\d+)-(\d\d)-(\d\d) CE (\d\d):(\d\d) CCT)");
    std::vector<Listed> out;
    for (const std::string& line : test::SplitLines(text)) {
        std::smatch m;
        if (std::regex_search(line, m, day)) {
            out.push_back({false, std::stoll(m[1])});
        } else if (std::regex_search(line, m, timed)) {
            const int64_t d = DayOf(std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]));
            out.push_back({true, d * 1440 + std::stoi(m[4]) * 60 + std::stoi(m[5]) - 480});
        }
    }
    return out;
}

class CalendarExportTest : public ::testing::Test {
  protected:
    ListContext Context(double ajd) {
        return {engine, ajd, "CCT", "epoch = -2696, method = true sun", false};
    }
    CalendarEngine engine;
};

TEST_F(CalendarExportTest, EveryKindReadsBackAsItsListing) {
    const double mid_2024 = 2460472.0;
    const std::vector<std::pair<std::string, std::function<void(RowsOutput&)>>> listings = {
        {"new years", [&](auto& out) { ListLunarNewYears(Context(0), "79-41-01-01 CHL", 25, false, out); }},
        // Day 30 of month 1 is missing in some years; the listing's stand-in is exported.
        {"anniversaries", [&](auto& out) { ListLunarNewYears(Context(0), "79-40-01-30 CHL", 12, false, out); }},
        {"leap anniversaries", [&](auto& out) { ListLunarNewYears(Context(0), "79-40-02*-15 CHL", 12, true, out); }},
        {"month starts", [&](auto& out) { ListMonthStarts(Context(0), 2023, 3, false, out); }},
        {"leap months", [&](auto& out) { ListMonthStarts(Context(0), 2023, 30, true, out); }},
        {"year data", [&](auto& out) { WriteYearData(Context(mid_2024), {true, true, true}, out); }},
        {"year data, Z terms", [&](auto& out) { WriteYearData(Context(mid_2024), {true, false, false}, out); }},
    };
    for (const auto& [name, list] : listings) {
        SCOPED_TRACE(name);
        RowsOutput out;
        list(out);
        const std::vector<Listed> listed = ListedDates(out.text);
        const std::vector<ReadEvent> events = Parse(Export(out.rows).text);
        ASSERT_EQ(events.size(), listed.size());
        ASSERT_GE(events.size(), 10u);
        std::set<std::string> uids;
        for (size_t i = 0; i < events.size(); ++i) {
            EXPECT_EQ(events[i].all_day, !listed[i].timed) << i;
            EXPECT_EQ(events[i].all_day ? events[i].day : events[i].minute, listed[i].value) << i;
            EXPECT_NE(events[i].description.find("120º East (CCT), epoch = -2696, method = true sun"),
                      std::string::npos);
            uids.insert(events[i].uid);
        }
        EXPECT_EQ(uids.size(), events.size()) << "UIDs are not unique";
    }
}

TEST_F(CalendarExportTest, SummariesSayWhatTheEventIs) {
    RowsOutput years, dates, months, terms;
    ListLunarNewYears(Context(0), "79-41-01-01 CHL", 1, false, years);
    ListLunarNewYears(Context(0), "79-40-01-30 CHL", 4, false, dates);
    ListMonthStarts(Context(0), 2023, 1, true, months);
    WriteYearData(Context(2460472.0), {true, true, true}, terms);
    EXPECT_EQ(Parse(Export(years.rows).text)[0].summary, "Lunar new year 4722 jia-chen (wood-dragon)");
    const auto anniversaries = Parse(Export(dates.rows).text);
    EXPECT_EQ(anniversaries[0].summary, "Lunar date 79-40-01-30 CHL");
    EXPECT_EQ(anniversaries[3].summary, "3rd anniversary of 79-40-01-30 CHL");
    // 2024's first month has 29 days: day 29 stands in, and says so.
    EXPECT_NE(anniversaries[1].description.find("79-41-01-29 CHL\n79-41-01-30 CHL is invalid"),
              std::string::npos);
    EXPECT_EQ(Parse(Export(months.rows).text)[0].summary, "Leap month 79-40-2*-01 CHL, 29 days");
    const auto moments = Parse(Export(terms.rows).text);
    EXPECT_TRUE(std::any_of(moments.begin(), moments.end(), [](const ReadEvent& e) {
        return e.summary == "Solar term ST5 Z1 Yu shui (Rain water)";
    }));
    EXPECT_EQ(moments[0].summary.rfind("Dark moon LN", 0), 0u);
}

TEST_F(CalendarExportTest, LunarNewYears2000To2030AreThoseOfTheReference) {
    std::vector<int64_t> reference;
    for (const auto& r : test::ReadTsv("chinese-months.tsv").rows)
        if (r[4] == "1" && r[5] == "0" && r[0] >= "2000" && r[0] < "2031")
            reference.push_back(std::stoll(r[1]));
    ASSERT_EQ(reference.size(), 31u);
    RowsOutput out;
    ListLunarNewYears(Context(0), "79-17-01-01 CHL", 31, false, out);  // 2000
    std::vector<int64_t> exported;
    for (const ReadEvent& e : Parse(Export(out.rows).text)) exported.push_back(e.day);
    EXPECT_EQ(exported, reference);
}

TEST_F(CalendarExportTest, FullMoonsOf2024AreThoseOfTheReferenceInUniversalTime) {
    // Delta T of 2024 in the reference: 1.2361 minutes; the reference's
    // moments are in dynamical time.
    const auto delta_t = test::ReadTsv("delta-t.tsv");
    double delta_t_days = 0;
    for (const auto& r : delta_t.rows)
        if (r[0] == "2024") delta_t_days = std::stod(r[1]) / 1440.0;
    std::vector<int64_t> reference;
    for (const auto& r : test::ReadTsv("moon-phases.tsv").rows) {
        const double tt = std::stod(r[2]);
        if (r[1] == "2" && tt > DayOf(2024, 1, 1) - 0.5 && tt < DayOf(2025, 1, 1) - 0.5)
            reference.push_back(std::llround((tt - delta_t_days + 0.5) * 1440.0));
    }
    ASSERT_EQ(reference.size(), 12u);

    std::vector<ListRow> rows;
    double ajd = DayOf(2024, 1, 1) - 0.5;
    for (int i = 0; i < 12; ++i)
        rows.push_back(SearchResultRow(engine, kTargetFullMoon, ajd = FindPhase(ajd, kFullMoon, true), i));
    const auto events = Parse(Export(rows).text);
    ASSERT_EQ(events.size(), 12u);
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_NEAR(events[i].minute, reference[i], 1) << i;
        EXPECT_EQ(events[i].summary, "Full moon");
    }
}

TEST_F(CalendarExportTest, AnExportAgainIsTheSameButForItsStampAndSettingsChangeTheUids) {
    RowsOutput out;
    WriteYearData(Context(2460472.0), {true, true, true}, out);
    auto without_stamps = [](std::string text) {
        return std::regex_replace(text, std::regex("DTSTAMP:[0-9TZ]+\r\n"), "");
    };
    const std::string first = Export(out.rows, 2460000.0).text;
    const std::string again = Export(out.rows, 2460001.25).text;
    EXPECT_NE(first, again);
    EXPECT_EQ(without_stamps(first), without_stamps(again));
    EXPECT_NE(first.find("DTSTAMP:20230224T120000Z\r\n"), std::string::npos);
    EXPECT_NE(first.find("PRODID:-//Tarvolin Systems//Vemla "), std::string::npos);
    EXPECT_NE(first.find("X-WR-CALNAME:Test\r\n"), std::string::npos);

    ExportSettings other = kSettings;
    other.longitude = 116;
    const auto a = Parse(first), b = Parse(Export(out.rows, 2460000.0, other).text);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) EXPECT_NE(a[i].uid, b[i].uid);
}

TEST_F(CalendarExportTest, OnlyYearsACalendarCanHoldAreWrittenAndAtMostAHundredThousandEvents) {
    // 0001-01-01 CE and 3000-01-01 CE bound what is written.
    const auto kept = [&](const std::string& start, int years) {
        RowsOutput out;
        ListLunarNewYears(Context(0), start, years, false, out);
        auto made = MakeCalendar(out.rows, kSettings, 0);
        return std::get_if<CalendarFile>(&made) ? std::get<CalendarFile>(made) : CalendarFile{"", -1};
    };
    const CalendarFile late = kept("95-47-01-01 CHL", 20);  // 2990..3009
    EXPECT_EQ(late.events, 10);
    EXPECT_EQ(late.left_out, 10);
    EXPECT_EQ(GregorianYearOf(static_cast<int32_t>(Parse(late.text).back().day)), 2999);
    const CalendarFile early = kept("45-51-01-01 CHL", 10);  // -6..3
    EXPECT_EQ(early.events, 3);
    EXPECT_EQ(LeftOutMessage(7).rfind("7 events before 0001-01-01 or after 3000-01-01 CE were left out", 0), 0u);

    std::vector<ListRow> rows(kMaxCalendarEvents + 1, DayRow{DayOf(2024, 1, 1), "a day"});
    auto refused = MakeCalendar(rows, kSettings, 0);
    ASSERT_TRUE(std::holds_alternative<std::string>(refused));
    EXPECT_EQ(std::get<std::string>(refused),
              "The list holds 100,001 events; a calendar takes at most 100,000. List fewer years.");
    EXPECT_TRUE(std::holds_alternative<std::string>(MakeCalendar({}, kSettings, 0)));
}

// Writes that fail leave the old file as it was and nothing else behind.
class FailedWriteTest : public ::testing::Test {
  protected:
    void ExpectOnlyTheOldFile(const std::filesystem::path& folder) {
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            ++files;
            EXPECT_EQ(entry.path().filename(), "old.ics");
        }
        EXPECT_EQ(files, 1);
        std::ifstream in(folder / "old.ics");
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old calendar");
    }
    std::string big_ = std::string(64 * 1024, 'x');
};

TEST_F(FailedWriteTest, AFileSizeLimitKeepsTheOldFile) {
    TempFolder folder;
    const auto old = folder.Write("old.ics", "old calendar");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = WriteCalendarFile(old, big_);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "Unable to write the calendar file " + old.string() + ": File too large.");
    ExpectOnlyTheOldFile(folder.path());
}

TEST_F(FailedWriteTest, AFolderThatCannotBeWrittenKeepsTheOldFile) {
    TempFolder folder;
    const auto old = folder.Write("old.ics", "old calendar");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    // Permissions do not bind root; /proc takes no new files from anyone.
    const bool binding = ::access(folder.path().c_str(), W_OK) != 0;
    const auto error = WriteCalendarFile(binding ? old : "/proc/vemla.ics", big_);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind("Unable to write the calendar file ", 0), 0u);
    ExpectOnlyTheOldFile(folder.path());
    EXPECT_FALSE(std::filesystem::exists("/proc/vemla.ics"));
}

}  // namespace
}  // namespace vemla
