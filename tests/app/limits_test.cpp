// The edges of what the program computes: moments past the range typing
// accepts survive a save and a restart, the engine's years end where its
// tables stop being consistent, and a listing that reaches that end says so.
#include <gtest/gtest.h>

#include <functional>

#include "app/application.h"
#include "app/event_search.h"
#include "app/lunar_new_years.h"
#include "app/month_starts.h"
#include "app/move_step.h"
#include "app/new_years.h"
#include "common/temp_folder.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "fake_user_interface.h"
#include "recording_list_output.h"

namespace vemla {
namespace {

int32_t DayOf(int32_t year, int month, int day) {
    EuroDate date;
    date.Year = year;
    date.Month = month;
    date.Day = day;
    date.Calendar = kGregorian;
    return DateToJDN(date);
}

class LimitsTest : public ::testing::Test {
  protected:
    std::unique_ptr<Application> Start() {
        auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, folder.path() / "vemla.usr"});
        auto app = std::move(std::get<std::unique_ptr<Application>>(made));
        app->Startup();
        return app;
    }
    // Saves, starts again from the file and expects the same moment and settings.
    void ExpectRestartRestores(Application& app) {
        app.SaveState();
        ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
        const double moment = app.Main().CurrentAJD();
        const Settings settings = app.Main().CurrentSettings();
        ui.now = 2460351.25;  // a first start would show this
        auto again = Start();
        EXPECT_EQ(again->Main().CurrentAJD(), moment);
        EXPECT_EQ(again->Main().CurrentSettings().epoch_index, settings.epoch_index);
        EXPECT_EQ(again->Main().CurrentSettings().longitude_index, settings.longitude_index);
        EXPECT_EQ(again->Main().CurrentSettings().move_step_index, settings.move_step_index);
        EXPECT_EQ(again->Main().CurrentSettings().target_index, settings.target_index);
    }

    test::FakeUserInterface ui;
    TempFolder folder;
};

TEST_F(LimitsTest, AStateSavedPastTheTypedRangeRestores) {
    auto app = Start();
    MainState& m = app->Main();
    m.SetEpochIndex(1);
    m.SetLongitudeIndex(16);
    // A century step is checked before it is taken: from 2950 it shows 3050.
    m.MutableSettings().move_step_index = kStepCECentury;
    m.SetCurrentAJD(DayOf(2950, 6, 1) - 0.5);
    app->Mover().MoveStep();
    ASSERT_GT(m.CurrentAJD(), kMaxAJDate);
    ExpectRestartRestores(*app);

    // A search knows no bound: the next few winter solstices on a dark moon
    // lie centuries apart.
    m.SetTargetIndex(kTargetWinterSolsticeDarkMoon);
    for (int i = 0; i < 20 && m.CurrentAJD() < DayOf(3300, 1, 1); ++i) app->Searcher().Search();
    ASSERT_TRUE(ui.messages.empty());
    ASSERT_GT(m.CurrentAJD(), DayOf(3300, 1, 1));
    ExpectRestartRestores(*app);
}

TEST_F(LimitsTest, SearchesStopAtTheEndOfTheEngineYears) {
    auto app = Start();
    MainState& m = app->Main();
    const double last = DayOf(kMaxChineseYear, 12, 31);
    m.SetCurrentAJD(last);
    m.SetTargetIndex(kTargetFullMoon);
    app->Searcher().Search();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Latest date exceeded.");
    EXPECT_EQ(m.CurrentAJD(), last);
}

// Every month of the first and the last nian converts and converts back;
// the nian beyond them do not exist for the engine.
TEST(EngineYears, FirstAndLastYearsConvertBothWaysAndNoFurther) {
    for (int method : {kTrueSun, kMeanSun}) {
        for (int longitude : {100, 145}) {
            for (int epoch : {kEpochHuangdi, -2636}) {
                CalendarEngine engine({longitude, epoch, method});
                for (int64_t year : {kMinChineseYear, kMaxChineseYear}) {
                    int months = 0;
                    for (int month = 1; month <= 12; ++month) {
                        for (int leap = 0; leap <= 1; ++leap) {
                            ChDate chl;
                            chl.Cycle = static_cast<int32_t>(CycleOf(year, epoch));
                            chl.Position = YearPosition(year);
                            chl.MonthOrTerm = month;
                            chl.Leap = leap;
                            chl.Day = 1;
                            const int code = engine.ChLDateToJDN(chl);
                            if (leap && code == kChLMonthNotInNian) continue;
                            ASSERT_EQ(code, kChLExists) << year << " " << month << " " << leap;
                            ++months;
                            ChDate chs, back;
                            ASSERT_TRUE(engine.CJDateToChDates(chl.JDN, chs, back));
                            EXPECT_EQ(back.MonthOrTerm * 2 + back.Leap, month * 2 + leap);
                            EXPECT_EQ(back.Day, 1);
                        }
                    }
                    EXPECT_TRUE(months == 12 || months == 13) << year;
                    ChDate beyond;
                    const int64_t outside = year == kMaxChineseYear ? year + 1 : year - 1;
                    beyond.Cycle = static_cast<int32_t>(CycleOf(outside, epoch));
                    beyond.Position = YearPosition(outside);
                    beyond.MonthOrTerm = 6;
                    beyond.Day = 1;
                    EXPECT_NE(engine.ChLDateToJDN(beyond), kChLExists);
                }
                ChDate chs, chl;
                EXPECT_FALSE(engine.CJDateToChDates(DayOf(kMaxChineseYear + 1, 6, 1), chs, chl));
                EXPECT_FALSE(engine.CJDateToChDates(DayOf(kMinChineseYear - 1, 6, 1), chs, chl));
            }
        }
    }
}

// Listings that run into the end of the engine's years stop there with the
// line that says so; no line before it is anything but a date.
TEST(EngineYears, ListingsEndWithTheLineThatSaysWhere) {
    CalendarEngine engine;
    ListContext context{engine, DayOf(8870, 3, 1) - 0.5, "CCT", "epoch = -2696, method = true sun"};
    const std::string end = EngineYearsEndLine();
    ASSERT_NE(end.find(" -14756 to 8883 CE;"), std::string::npos) << end;

    struct Case {
        const char* name;
        std::function<void(test::RecordingListOutput&)> list;
        const char* last_listed;  // in the line before the end line
    };
    const Case cases[] = {
        {"new years", [&](auto& out) { ListNewYears(context, 32767, out); }, "CHS"},  // of 8883
        {"lunar new years",
         [&](auto& out) { ListLunarNewYears(context, "193-47-01-01 CHL", 32767, false, out); },
         "= 8883-"},
        {"leap months", [&](auto& out) { ListMonthStarts(context, 8870, 30000, true, out); },
         " JDN"},
    };
    for (const Case& c : cases) {
        test::RecordingListOutput out;
        c.list(out);
        const auto lines = out.Lines();
        ASSERT_GE(lines.size(), 3u) << c.name;
        EXPECT_EQ(lines.back() + "\r\n", end) << c.name;
        EXPECT_NE(lines[lines.size() - 2].find(c.last_listed), std::string::npos) << c.name;
        EXPECT_EQ(out.text.find("0-00-00"), std::string::npos) << c.name;
        EXPECT_EQ(out.text.find("Anomaly"), std::string::npos) << c.name;
        EXPECT_TRUE(out.messages.empty()) << c.name;
    }
}

}  // namespace
}  // namespace vemla
