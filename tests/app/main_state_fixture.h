// A started main state in a fixed time zone, with a recording user interface.
#pragma once

#include <gtest/gtest.h>

#include "app/main_state.h"
#include "fake_user_interface.h"

namespace vemla::test {

// 2000-01-01 12:00 GMT.
inline constexpr double kJ2000 = 2451545.0;

class MainStateTest : public ::testing::Test {
protected:
    explicit MainStateTest(const char* zone = "UTC0") : zone_(zone) {}

    void SetUp() override {
        ui.now = kJ2000;
        state.Startup();
        ui.messages.clear();
        ui.clipboard.clear();
    }

    // Displays a moment as a move or a search would.
    void ShowMoment(double ajd) {
        state.SetCurrentAJD(ajd);
        state.DisplayAll();
    }

    const std::string& Value(int calendar) const { return state.View().rows[calendar].value.caption; }
    const ControlView& Ctl(Control c) const { return state.View().control(c); }

    // Types a date (and optionally a time) and presses Convert.
    void Convert(const std::string& date, const std::string& time = "") {
        state.SetDateText(date);
        state.SetTimeText(time);
        state.Convert();
    }

    ScopedTimeZone zone_;
    FakeUserInterface ui;
    MainState state{ui};
};

}  // namespace vemla::test
