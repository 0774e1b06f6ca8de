// Borderline lines of the lists: published tables disagree on 1914-11-18 (a
// dark moon minutes after midnight at 120 degrees East). The marks beside the
// date rows are tested with the window.
#include <gtest/gtest.h>

#include "app/borderline_text.h"
#include "app/month_starts.h"
#include "app/year_data.h"
#include "recording_list_output.h"

namespace vemla {
namespace {

bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// The reference flags one month start of 1914: 1914-11-18.
TEST(BorderlineLists, MonthStartsAndYearDataMarkTheBorderlineLines) {
    CalendarEngine engine;
    const ListContext context{engine, 2420455.0, "CCT", "epoch = -2696, method = true sun", false};
    test::RecordingListOutput months, year_data;
    ListMonthStarts(context, 1914, 1, false, months);
    WriteYearData(context, {}, year_data);
    for (const auto* list : {&months, &year_data})
        for (const std::string& line : list->Lines())
            EXPECT_EQ(Has(line, kBorderlineLineMark), Has(line, "1914-11-18 CE")) << line;
}

}  // namespace
}  // namespace vemla
