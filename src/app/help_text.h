// The texts of the help window and the credits window.
//
// The help text is an abbreviated version of the documentation: an opening
// note, then fourteen numbered sections. A heading is the section number, a
// full stop, a no-break space and a blank, then the title ("1.\u00a0 Introduction").
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vemla {

inline constexpr std::string_view kHelpWindowCaption = "Help screen for Vemla";
inline constexpr std::string_view kCreditsWindowCaption = "Credits";

inline constexpr std::array<std::string_view, 14> kHelpSectionTitles = {
    "Introduction",
    "Dark moon, lunation, equinox, solstice",
    "Chinese and Western Years",
    "The Chinese Calendars",
    "Local time, GMT, CCT, etc.",
    "Date conversion",
    "Moving forward and backward",
    "Finding moon phases, solstices, equinoxes, etc.",
    "Astronomical and chronological Julian dates",
    "List lunar new years and Chinese anniversaries",
    "List lunar month starts and leap months",
    "Display dates/times/CJDs of dark moons and solar terms",
    "Entering dates in the log",
    "Delta T",
};

// "3.\u00a0 Chinese and Western Years" for section 3 (1..14).
std::string HelpSectionHeading(int number);

struct HelpParagraph {
    std::string text;
    bool heading = false;  // a section heading rather than running text
};

// The help text paragraph by paragraph: the opening note, then each
// section's heading followed by its paragraphs.
std::vector<HelpParagraph> HelpParagraphs();

// The help text as one plain text: every paragraph followed by an empty
// line ("\r\n\r\n").
std::string HelpText();

// The credits: who wrote the program and whose methods it computes with.
std::string CreditsText();

}  // namespace vemla
