#include "app/manual.h"

#include "app/help_text.h"
#include "common/strproc.h"

namespace vemla {
namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\r':
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> SubcommandsInUsage(std::string_view help) {
    std::vector<std::string> names;
    bool listed = false;
    while (!help.empty()) {
        const std::string_view line = TakeLine(help);
        if (line.empty() || line[0] != ' ') {
            listed = line == "Subcommands:";
            continue;
        }
        // "  convert      Show a typed date ...": the first word is the name.
        const size_t start = line.find_first_not_of(' ');
        if (listed && start == 2) names.emplace_back(line.substr(2, line.find(' ', 2) - 2));
    }
    return names;
}

std::string ManualHtml(const std::vector<CommandUsage>& commands) {
    std::string contents, body;
    int section = 0;
    for (const HelpParagraph& p : HelpParagraphs()) {
        if (p.heading) {
            const std::string id = "section-" + std::to_string(++section);
            contents += "<li><a href=\"#" + id + "\">" + Escaped(p.text) + "</a></li>\n";
            body += "<h2 id=\"" + id + "\">" + Escaped(p.text) + "</h2>\n";
        } else if (section > 0) {  // the help window's opening note points here
            body += "<p>" + Escaped(p.text) + "</p>\n";
        }
    }
    contents += "<li><a href=\"#command-line\">The command line</a></li>\n";
    body += "<h2 id=\"command-line\">The command line</h2>\n";
    for (const CommandUsage& c : commands)
        body += "<h3>" + Escaped(c.command) + "</h3>\n<pre>" + Escaped(c.usage) + "</pre>\n";
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>Vemla user manual</title>\n"
           "<style>body{max-width:50em;margin:auto;padding:1em;font-family:sans-serif;"
           "line-height:1.4}pre{background:#f4f4f4;padding:.5em;overflow-x:auto}</style>\n"
           "</head>\n<body>\n<h1>Vemla user manual</h1>\n<ul>\n" +
           contents + "</ul>\n" + body + "</body>\n</html>\n";
}

}  // namespace vemla
