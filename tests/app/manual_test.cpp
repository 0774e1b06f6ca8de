// The user manual made at build time, and how "Online documentation" finds it.
#include "app/manual.h"

#include <gtest/gtest.h>

#include "app/help_text.h"
#include "common/temp_folder.h"
#include "common/web_links.h"

namespace vemla {
namespace {

TEST(Manual, HoldsEveryHelpSectionAndEveryCommandsUsage) {
    const std::string html = ManualHtml({{"vemla-cli", "Usage: vemla-cli [OPTIONS] SUBCOMMAND\n"},
                                         {"vemla-cli list", "kind TEXT:{a,b} <years> & more\n"}});
    for (int i = 1; i <= static_cast<int>(kHelpSectionTitles.size()); ++i) {
        const std::string heading = HelpSectionHeading(i);
        EXPECT_NE(html.find("\">" + heading + "</h2>"), std::string::npos) << heading;
        EXPECT_NE(html.find("\">" + heading + "</a></li>"), std::string::npos) << heading;
    }
    // Every paragraph of running text, in the help window's order.
    size_t at = 0;
    for (const HelpParagraph& p : HelpParagraphs()) {
        if (p.heading || p.text.find_first_of("<>&\"") != std::string::npos) continue;
        if (p.text.rfind("This is an abbreviated version", 0) == 0)
            continue;  // the help's own note
        at = html.find(p.text, at);
        ASSERT_NE(at, std::string::npos) << p.text.substr(0, 60);
    }
    EXPECT_NE(
        html.find("<h3>vemla-cli list</h3>\n<pre>kind TEXT:{a,b} &lt;years&gt; &amp; more\n</pre>"),
        std::string::npos);
}

TEST(Manual, SubcommandsAreReadFromTheUsage) {
    const std::string help =
        "Usage: vemla-cli [OPTIONS] SUBCOMMAND\r\n\r\nOptions:\r\n  -h,--help   Print this help\r\n"
        "\r\nSubcommands:\r\n  convert      Show a typed date: 2024-02-10 CE\r\n"
        "  list                        Print a listing\r\n"
        "                              of the list window\r\n";
    EXPECT_EQ(SubcommandsInUsage(help), (std::vector<std::string>{"convert", "list"}));
    EXPECT_TRUE(SubcommandsInUsage("Usage: x\n").empty());
}

TEST(Manual, FoundBesideTheProgramOrInItsSharedDocumentation) {
    TempFolder folder;
    const auto bin = folder.path() / "bin";
    std::filesystem::create_directories(bin);
    EXPECT_FALSE(FindManual(bin));
    const auto installed = folder.Write("share/doc/vemla/vemla-manual.html", "<html>");
    EXPECT_EQ(FindManual(bin), installed);
    const auto beside = folder.Write("bin/vemla-manual.html", "<html>");
    EXPECT_EQ(FindManual(bin), beside);

    EXPECT_EQ(FileAddress("/home/a b/x#1%.html"), "file:///home/a%20b/x%231%25.html");
    EXPECT_EQ(FileAddress("/\xE6\x9D\xB1"), "file:///%E6%9D%B1");
}

}  // namespace
}  // namespace vemla
