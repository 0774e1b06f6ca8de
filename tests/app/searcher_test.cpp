// The Search button through the main state: what it displays, logs and says,
// the typed date it takes over, the blinking label, and the target list.
#include "app/searcher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/event_search.h"
#include "app/log_entries.h"
#include "engine/lunar_phases.h"
#include "main_state_fixture.h"

namespace vemla::test {
namespace {

class SearcherTest : public MainStateTest {
  protected:
    void SetUp() override {
        MainStateTest::SetUp();
        state.auto_log = [this](int kind) { logged.push_back(kind); };
        state.SetAutoLog(true);
        searcher.repaint_searching = [this] { repaints.push_back(state.View().searching.caption); };
    }
    double Search(int target, bool next) {
        state.SelectTarget(target);
        state.SetNext(next);
        searcher.Search();
        return state.CurrentAJD();
    }
    // The only message shown since the last call, as "title: text".
    std::string Message() {
        std::string shown =
            ui.messages.size() == 1 ? ui.messages[0].title + ": " + ui.messages[0].text : "";
        ui.messages.clear();
        return shown;
    }

    EventSearcher searcher{state, ui};
    std::vector<int> logged;
    std::vector<std::string> repaints;
};

TEST_F(SearcherTest, AFoundEventIsDisplayedLoggedAndMadeSaveable) {
    ShowMoment(kJ2000);
    state.CmdSaveStateEnabled(false);
    state.SetClockEnabled(true);
    EXPECT_EQ(Search(kTargetFullMoon, true), SyzygyUT(0, kFullMoon));
    EXPECT_EQ(Value(kCalCE).substr(0, 10), "2000-01-21");
    EXPECT_EQ(state.PhaseCaption().rfind("Full moon", 0), 0u);
    EXPECT_EQ(logged, std::vector<int>{kLogSearch});
    EXPECT_TRUE(Ctl(Control::kSaveState).enabled);
    EXPECT_FALSE(state.View().clock_enabled);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SearcherTest, SearchingAgainMovesOnAndSearchingBackReturns) {
    const struct {
        int target, element, animal;
        double start;
    } cases[] = {
        {kTargetFullMoon, kNoElement, kNoAnimal, kJ2000},
        {kTargetLunarQuarter, kNoElement, kNoAnimal, kJ2000},
        {kTargetLunarNewYear, kNoElement, kNoAnimal, kJ2000},
        {kTargetSolsticeOrEquinox, kNoElement, kNoAnimal, 1000000.0},
        {kTargetTermFullMoon, kNoElement, kNoAnimal, kJ2000},
        {kTargetElementAnimalDay, kNoElement, 3, kJ2000},
        {kTargetElementAnimalYear, 4, 10, kJ2000},
        {kTargetTripleElementAnimal, kNoElement, kNoAnimal, kJ2000},
    };
    for (const auto& c : cases) {
        ShowMoment(c.start);
        state.SelectTarget(c.target);
        state.SelectElement(c.element);
        state.SelectAnimal(c.animal);
        std::vector<double> found;
        for (int i = 0; i < 3; ++i) found.push_back(Search(c.target, true));
        EXPECT_TRUE(c.start < found[0] && found[0] < found[1] && found[1] < found[2]) << c.target;
        EXPECT_EQ(Search(c.target, false), found[1]) << c.target;
        EXPECT_EQ(Search(c.target, false), found[0]) << c.target;
        EXPECT_TRUE(ui.messages.empty()) << c.target;
    }
    EXPECT_EQ(logged.size(), 5 * std::size(cases));
    // The last, the triple, shows one element-animal for day, month and year.
    const std::string& day_name = state.View().day_element_animal.caption;
    const std::string pair = day_name.substr(0, day_name.find(' '));
    EXPECT_EQ(state.View().month_element_animal.caption, pair + " month");
    EXPECT_NE(state.View().year_element_animal.caption.find(pair + " year"), std::string::npos);
}

TEST_F(SearcherTest, ATypedDateIsTakenOverWhenItDiffersByAMinuteOrMore) {
    const double full = SyzygyUT(0, kFullMoon);
    auto typed = [](double ajd) {
        char text[64];
        std::snprintf(text, sizeof text, "%.4f AJD", ajd);
        return std::string(text);
    };
    // Displayed just after the full moon, typed just before it: about 0.0006
    // day apart, the typed date is ignored.
    ShowMoment(full + 0.0003);
    state.SetDateText(typed(full - 0.0003));
    state.SetTimeText("10:00");
    EXPECT_EQ(Search(kTargetFullMoon, true), SyzygyUT(1, kFullMoon));
    EXPECT_EQ(state.View().date_text + state.View().time_text, "");
    EXPECT_EQ(Set().time_zone_index, -1);
    // About 0.0008 day apart, the search starts from the typed date.
    ShowMoment(full + 0.0003);
    state.SetDateText(typed(full - 0.0005));
    EXPECT_EQ(Search(kTargetFullMoon, true), full);
}

TEST_F(SearcherTest, AFailedSearchSaysWhyAndChangesNothing) {
    ShowMoment(kJ2000);
    state.SetDateText("hello");
    EXPECT_EQ(Search(kTargetFullMoon, true), kJ2000);
    EXPECT_EQ(Message().rfind(std::string(kParseErrorTitle) + ": ", 0), 0u);
    state.SetDateText("3001-01-01 CE");
    EXPECT_EQ(Search(kTargetFullMoon, true), kJ2000);
    EXPECT_EQ(Message(), "Date out of range: Date is later than 3000-01-01 CE.");
    EXPECT_EQ(state.View().date_text, "3001-01-01 CE");  // left for correction
    state.SetDateText("");

    for (int target :
         {kTargetElementAnimalDay, kTargetElementAnimalMonth, kTargetElementAnimalYear}) {
        EXPECT_EQ(Search(target, true), kJ2000);
        EXPECT_EQ(ui.messages.at(0).icon, MessageIcon::kExclamation);
        EXPECT_EQ(Message(), "Error: You must specify an element, an animal or both.");
    }
    EXPECT_TRUE(logged.empty());

    // Beyond the calendar's years the moment has no lunar date: the new year
    // search says so, then redisplays and logs the moment unchanged.
    const double far = kJ2000 + 25000 * 365.25;
    ShowMoment(far);
    EXPECT_EQ(Search(kTargetLunarNewYear, true), far);
    EXPECT_EQ(Message(), ": Lunar date is invalid.");
    EXPECT_EQ(logged, std::vector<int>{kLogSearch});
}

TEST_F(SearcherTest, AFruitlessCoincidenceSearchBlinksThenFailsWithoutChange) {
    // No dark moon falls on the day of a December solstice in the 1000
    // lunations after this moment.
    ShowMoment(769400.0);
    EXPECT_EQ(Search(kTargetWinterSolsticeDarkMoon, true), 769400.0);
    EXPECT_EQ(Message(), "Failed: Cannot find required dark moon.");
    EXPECT_TRUE(logged.empty());
    EXPECT_EQ(state.View().searching.caption, "");
    // Every 16 candidates the label is shown, then blanked, and repainted;
    // at the end it is blanked once more.
    ASSERT_EQ(repaints.size(), 1000u / 16 + 1);
    for (size_t i = 0; i + 1 < repaints.size(); ++i)
        EXPECT_EQ(repaints[i], i % 2 == 0 ? "Searching ..." : "") << i;
    EXPECT_EQ(repaints.back(), "");
}

TEST_F(SearcherTest, TheTargetListAndTheDirection) {
    // An element-animal target takes its text from the boxes, either or both;
    // another such target keeps the choice, the one left reads as before.
    state.SelectTarget(kTargetElementAnimalYear);
    state.SelectAnimal(0);
    EXPECT_EQ(state.View().target_items[kTargetElementAnimalYear], "Element-rat (-zi) year");
    state.SelectAnimal(12);
    state.SelectElement(0);
    EXPECT_EQ(state.View().target_items[kTargetElementAnimalYear], "wood-animal (jia-, yi-) year");
    state.SelectAnimal(0);
    state.SelectTarget(kTargetElementAnimalDay);
    EXPECT_EQ(state.View().target_items[kTargetElementAnimalDay], "wood-rat (jia-zi) day");
    EXPECT_EQ(state.View().target_items[kTargetElementAnimalYear], "Element-animal year");
    // Any other target empties the boxes.
    state.SelectTarget(kTargetSolarTerm);
    EXPECT_FALSE(Ctl(Control::kElement).enabled);
    EXPECT_EQ(Set().element_index, kNoElement);

    state.CmdSaveStateEnabled(false);
    state.SetNext(false);
    EXPECT_FALSE(Set().next);
    EXPECT_TRUE(Ctl(Control::kSaveState).enabled);
}

}  // namespace
}  // namespace vemla::test
