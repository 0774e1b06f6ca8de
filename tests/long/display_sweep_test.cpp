// Every day of the admissible range, -3000-01-01 to 3000-01-01 CE, under the default settings:
// its lunar and solar dates convert back to the same day, and the Common Era, Julian, lunar and
// solar captions the main window shows, clicked and converted, give back the same captions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/fake_user_interface.h"
#include "app/main_state.h"
#include "engine/chinese_dates.h"

namespace vemla {
namespace {

constexpr int32_t kFirstDay = 625333;  // -3000-01-01 CE
constexpr int32_t kLastDay = 2816788;  // 3000-01-01 CE

// Days apart of the days swept through the window: VEMLA_SWEEP_STEP, 1 (every day) unless set.
int32_t SweepStep() {
    const char* step = std::getenv("VEMLA_SWEEP_STEP");
    const int value = step ? std::atoi(step) : 1;
    return value >= 1 ? value : 1;
}

TEST(FullRange, EveryDayRoundTripsThroughBothChineseCalendars) {
    CalendarEngine engine;
    int failures = 0;
    for (int32_t n = kFirstDay; n <= kLastDay && failures < 20; ++n) {
        ChDate chs, chl;
        const bool ok = engine.CJDateToChDates(n, chs, chl) && engine.ChLDateToJDN(chl) == kChLExists &&
                        chl.JDN == n && engine.ChSDateToJDN(chs) && chs.JDN == n;
        if (!ok) {
            ADD_FAILURE() << "day " << n << " does not convert or round-trip";
            ++failures;
        }
    }
}

TEST(FullRange, EveryDaysCaptionsConvertBackThroughTheDateEntry) {
    test::ScopedTimeZone zone("CST-8");
    test::FakeUserInterface ui;
    MainState state(ui);
    state.Startup();
    int failures = 0;
    for (int32_t day = kFirstDay; day <= kLastDay && failures < 20; day += SweepStep()) {
        // A different minute of each day, so that the lunar and solar dates
        // (at 120 degrees East) fall on either side of the Common Era date's
        // midnight; kept inside the range at both ends.
        const int minute = static_cast<int>((int64_t{day} * 37) % 1440);
        double moment = day - 0.5 + minute / 1440.0;
        if (moment < kMinAJDate) moment = kMinAJDate;
        if (moment > kMaxAJDate) moment = kMaxAJDate;
        state.SetCurrentAJD(moment);
        state.DisplayAll();
        const std::string shown[] = {state.ValueCaption(kCalCE), state.ValueCaption(kCalJC),
                                     state.ValueCaption(kCalCHL), state.ValueCaption(kCalCHS)};
        for (int row : {int{kCalCE}, int{kCalJC}, int{kCalCHL}, int{kCalCHS}}) {
            ui.messages.clear();
            state.ClickDateRow(row, 1);
            state.Convert();
            const bool same = ui.TakeMessage() == kUnchangedText && state.ValueCaption(kCalCE) == shown[0] &&
                              state.ValueCaption(kCalJC) == shown[1] && state.ValueCaption(kCalCHL) == shown[2] &&
                              state.ValueCaption(kCalCHS) == shown[3];
            if (!same) {
                ADD_FAILURE() << "day " << day << ": " << shown[row] << " clicked and converted shows "
                              << state.ValueCaption(row);
                ++failures;
                state.SetCurrentAJD(moment);
                state.DisplayAll();
            }
        }
    }
}

}  // namespace
}  // namespace vemla
