// The marks of borderline dates: beside the CHL and CHS rows of the main
// window, with their tooltips, and after the lines of the lists. The dates
// are the published tables' own disagreement (1914-11-18, a dark moon at
// 00:01:43 at 120 degrees East) and the December solstice of 2021 (15:59 GMT,
// 23:59 at 120 degrees East).
#include <gtest/gtest.h>

#include <algorithm>

#include "app/borderline_text.h"
#include "app/month_starts.h"
#include "app/year_data.h"
#include "main_state_fixture.h"
#include "recording_list_output.h"

namespace vemla {
namespace {

bool Has(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

class BorderlineMarkTest : public test::MainStateTest {};

TEST_F(BorderlineMarkTest, MarksBesideTheRowsOfABorderlineDateOnly) {
    struct Case {
        const char* date;
        bool chl, chs;
        std::vector<const char*> tooltip;  // phrases of the visible mark's tooltip
    } cases[] = {
        {"1914-11-18 CE", true, false,
         {"the dark moon that begins the month came at 00:0", "CCT on 1914-11-18", "after midnight",
          "margin of 5.0 minutes", "had it come before midnight, this day would be 77-51-10-02 CHL."}},
        {"2021-12-21 CE", false, true,
         {"principal term Z11 (Dong zhi) came at 23:59", "before midnight",
          "this day would be 79-38-24-15 CHS."}},
        {"2024-02-10 CE", false, false, {}},
    };
    for (const Case& c : cases) {
        Convert(c.date);
        const MainView& v = state.View();
        EXPECT_EQ(v.chl_borderline.visible, c.chl) << c.date;
        EXPECT_EQ(v.chs_borderline.visible, c.chs) << c.date;
        const std::string& tooltip = c.chl ? v.chl_borderline.tooltip : v.chs_borderline.tooltip;
        for (const char* phrase : c.tooltip) EXPECT_TRUE(Has(tooltip, phrase)) << tooltip;
    }
}

// In 1914 the reference flags one month start, 1914-11-18; the year data
// marks the line of its dark moon.
TEST(BorderlineLists, MonthStartsAndYearDataMarkTheBorderlineLines) {
    CalendarEngine engine;
    const ListContext context{engine, 2420455.0, "CCT", "epoch = -2696, method = true sun", false};
    test::RecordingListOutput months;
    ListMonthStarts(context, 1914, 1, false, months);
    std::vector<std::string> marked;
    for (const std::string& line : months.Lines())
        if (Has(line, kBorderlineLineMark)) marked.push_back(line);
    ASSERT_EQ(marked.size(), 1u);
    EXPECT_TRUE(Has(marked[0], "1914-11-18 CE")) << marked[0];

    test::RecordingListOutput year_data;
    WriteYearData(context, {}, year_data);
    const auto lines = year_data.Lines();
    const auto dark_moon = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return Has(line, "1914-11-18 CE 00:0");
    });
    ASSERT_NE(dark_moon, lines.end());
    EXPECT_TRUE(Has(*dark_moon, kBorderlineLineMark)) << *dark_moon;
    EXPECT_FALSE(Has(lines.front(), kBorderlineLineMark));
}

}  // namespace
}  // namespace vemla
