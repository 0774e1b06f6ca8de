#include "app/help_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vemla {
namespace {

// The opening note, then the fourteen sections in order, each with its own
// explanation: no heading is followed directly by another, nor ends the text.
TEST(HelpText, FourteenSectionsInOrderEachWithText) {
    const auto paragraphs = HelpParagraphs();
    ASSERT_GT(paragraphs.size(), 1u);
    EXPECT_FALSE(paragraphs.front().heading);
    ASSERT_FALSE(paragraphs.back().heading);
    int next = 1;
    for (size_t i = 1; i < paragraphs.size(); ++i) {
        if (!paragraphs[i].heading) continue;
        EXPECT_EQ(paragraphs[i].text, HelpSectionHeading(next++));
        EXPECT_FALSE(paragraphs[i + 1].heading) << paragraphs[i].text;
    }
    EXPECT_EQ(next, 15);
}

TEST(HelpText, CreditsNameTheAuthorsAndTheSourcesOfTheMethods) {
    const std::string credits = CreditsText();
    for (const char* expected : {"The Vemla developers", "VSOP87", "Bretagnon", "Francou", "Meeus",
                                 "Astronomical Algorithms", "Espenak", "IAU 1980"})
        EXPECT_NE(credits.find(expected), std::string::npos) << expected;
}

}  // namespace
}  // namespace vemla
