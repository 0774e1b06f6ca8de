#include "app/help_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vemla {
namespace {

// The opening note, then the fourteen sections in order, each with its own
// explanation: no heading is followed directly by another.
TEST(HelpText, FourteenSectionsInOrderEachWithText) {
    const auto paragraphs = HelpParagraphs();
    ASSERT_FALSE(paragraphs.empty());
    EXPECT_FALSE(paragraphs.front().heading);
    EXPECT_NE(paragraphs.front().text.find("abbreviated version"), std::string::npos);

    int next = 1;
    size_t words_in_section = 0;
    for (size_t i = 1; i < paragraphs.size(); ++i) {
        const HelpParagraph& p = paragraphs[i];
        if (p.heading) {
            if (next > 1) {
                EXPECT_GE(words_in_section, 60u) << "section " << next - 1 << " is too thin";
            }
            EXPECT_EQ(p.text, HelpSectionHeading(next));
            ++next;
            words_in_section = 0;
        } else {
            ASSERT_GT(next, 1) << "text before the first heading beyond the opening note";
            EXPECT_FALSE(p.text.empty());
            EXPECT_EQ(p.text.find('\n'), std::string::npos);
            for (char c : p.text) words_in_section += c == ' ';
        }
    }
    EXPECT_EQ(next, 15);
    EXPECT_GE(words_in_section, 60u);
}

TEST(HelpText, CreditsNameTheAuthorsAndTheSourcesOfTheMethods) {
    const std::string credits = CreditsText();
    for (const char* expected : {"The Vemla developers", "VSOP87", "Bretagnon", "Francou", "Meeus",
                                 "Astronomical Algorithms", "Espenak", "IAU 1980"})
        EXPECT_NE(credits.find(expected), std::string::npos) << expected;
}

}  // namespace
}  // namespace vemla
