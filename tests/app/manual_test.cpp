// The user manual made at build time holds the help window's sections.
#include "app/manual.h"

#include <gtest/gtest.h>

#include "app/help_text.h"

namespace vemla {
namespace {

TEST(Manual, HoldsEveryHelpSectionAndEveryCommandsUsage) {
    const std::string html = ManualHtml({{"vemla-cli list", "kind TEXT:{a,b} <years> & more\n"}});
    for (int i = 1; i <= static_cast<int>(kHelpSectionTitles.size()); ++i)
        EXPECT_NE(html.find("\">" + HelpSectionHeading(i) + "</h2>"), std::string::npos) << i;
    EXPECT_NE(html.find("<h3>vemla-cli list</h3>\n<pre>kind TEXT:{a,b} &lt;years&gt; &amp; more"),
              std::string::npos);
    EXPECT_EQ(SubcommandsInUsage("Subcommands:\r\n  convert    Show\r\n  list   Print\r\n"
                                 "             a listing\r\n"),
              (std::vector<std::string>{"convert", "list"}));
}

}  // namespace
}  // namespace vemla
