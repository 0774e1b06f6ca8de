// A main state started at noon of J2000 in a fixed time zone.
#pragma once

#include <gtest/gtest.h>

#include "app/main_state.h"
#include "fake_user_interface.h"

namespace vemla::test {

inline constexpr double kJ2000 = 2451545.0;  // 2000-01-01 12:00 GMT

class MainStateTest : public ::testing::Test {
  protected:
    explicit MainStateTest(const char* zone = "UTC0") : zone_(zone) {}
    void SetUp() override {
        state.Startup();
        ui.clipboard.clear();
    }
    void ShowMoment(double ajd) {
        state.SetCurrentAJD(ajd);
        state.DisplayAll();
    }
    void Convert(const std::string& date, const std::string& time = "") {
        state.SetDateText(date);
        state.SetTimeText(time);
        state.Convert();
    }
    const std::string& Value(int calendar) const {
        return state.View().rows[calendar].value.caption;
    }
    const ControlView& Ctl(Control c) const { return state.View().control(c); }
    const Settings& Set() const { return state.CurrentSettings(); }

    ScopedTimeZone zone_;
    FakeUserInterface ui;
    MainState state{ui};
};

}  // namespace vemla::test
