#include "app/help_text.h"

#include "common/strproc.h"

namespace vemla {
namespace {

// Paragraphs of running text are separated by "\n" in these tables.
constexpr std::string_view kOpening =
    "This is an abbreviated version of the documentation of Vemla. The full documentation is "
    "reached through the \"Online documentation\" link of the main window.";

constexpr std::array<std::string_view, kHelpSectionTitles.size()> kSectionBodies = {
    // 1. Introduction
    "Vemla shows one moment, the displayed moment, in nine reckonings at once: the Common Era "
    "calendar in Greenwich time (CE) and in local time (CEX), the Julian Calendar (JC), the "
    "Chinese lunar calendar (CHL), the Chinese solar calendar (CHS), chronological Julian dates "
    "for London, for the Chinese prime meridian and for local time (CJDL, CJDC, CJDX) and the "
    "astronomical Julian date (AJD). Beside them it shows the element-animal names of the day, "
    "the month and the year, the phase, illumination, lunation and age of the Moon with a picture "
    "of it, and delta T.\n"
    "You can type a date in any of the nine reckonings and convert it, move the displayed moment "
    "forward or back by one of fourteen steps, search for the next or previous moon phase, "
    "solstice, solar term, lunar new year or element-animal day, list lunar new years, month "
    "starts, leap months and the dark moons and solar terms of three years, and keep a log of the "
    "moments you looked at. Dates from -3000-01-01 CE to 3000-01-01 CE can be shown.\n"
    "Every date on the main window can be clicked: the click copies it to the clipboard, and a "
    "click on the date itself (not on its caption) also copies it into the entry boxes, ready to "
    "be edited and converted. \"Save state\" keeps the displayed moment and all settings for the "
    "next start; \"Restore state\" brings them back.",

    // 2. Dark moon, lunation, equinox, solstice
    "The dark moon (new moon) is the moment at which the Moon and the Sun have the same "
    "ecliptic longitude, seen from the centre of the Earth; the Moon is then invisible. The full "
    "moon is the moment at which their longitudes differ by 180 degrees, and the first and last "
    "quarters the moments at which they differ by 90 and 270 degrees.\n"
    "A lunation is the time from one dark moon to the next, on average 29.53 days. Vemla numbers "
    "the lunations from the one that began with the dark moon of 2000-01-06 at about 18:13 GMT, "
    "lunation 0; earlier lunations have negative numbers. The main window shows the lunation "
    "number in square brackets, followed by the age of the Moon (the time since the dark moon "
    "that began the lunation) and the share of the lunation that has passed. The illuminated "
    "share given with the phase is measured from 0% at the dark moon through 50% at a quarter "
    "to 100% at the full moon.\n"
    "The equinoxes and solstices are the moments at which the apparent longitude of the Sun is "
    "0, 90, 180 and 270 degrees: the March (vernal) equinox, the June (summer) solstice, the "
    "September (autumnal) equinox and the December (winter) solstice. The 24 solar terms divide "
    "the Sun's path into steps of 15 degrees, starting from the December solstice; the odd-"
    "numbered terms, whose codes begin with Z, are the principal terms (zhongqi), the even-"
    "numbered ones, whose codes begin with J, the sectional terms (jieqi).",

    // 3. Chinese and Western Years
    "Common Era years are numbered astronomically: the year before 1 CE is year 0, and the year "
    "before that is -1. So -2696 is the year 2697 BC. Julian Calendar years are numbered the same "
    "way. Both calendars run their days from midnight.\n"
    "Chinese years are counted in cycles of 60. Each year of a cycle has a position from 1 to 60 "
    "and a name made of one of the five elements (wood, fire, earth, metal, water) and one of the "
    "twelve animals (rat, ox, tiger, rabbit, dragon, snake, horse, sheep, monkey, rooster, dog, "
    "pig); in Chinese the same names are given by a heavenly stem and an earthly branch, such as "
    "jia-zi for wood-rat. The pictures beside the element-animal names show the stem and the "
    "branch in Chinese characters. Days and months are named by the same cycle of 60.\n"
    "Which year is the first year of the first cycle is a matter of convention. Vemla offers two "
    "epochs in the \"Epoch\" box: -2696 (2697 BC, the traditional year of the Yellow Emperor) and "
    "-2636 (2637 BC). The epoch changes the cycle numbers but not the positions. The main window "
    "also shows a running year count, cycle times 60 plus position minus 59; with the epoch "
    "-2696 the lunar year that began in 2024 is Year 4722.\n"
    "There are two kinds of Chinese year. The sui runs from one December solstice to the next; "
    "the nian, the lunar year, runs from one lunar new year (the first day of month 1) to the "
    "next, which falls in January or February.",

    // 4. The Chinese Calendars
    "The Chinese lunar calendar (CHL) has months that begin on the day of a dark moon, reckoned "
    "in the time of the prime meridian, so a month has 29 or 30 days. The month that contains "
    "the December solstice is month 11. A sui has twelve or thirteen months; in a sui of thirteen "
    "months the first month in which no principal solar term falls is a leap month. It takes the "
    "number of the month before it and is marked with an asterisk: 7* is the leap month that "
    "follows month 7. A lunar date is written cycle-position-month-day CHL, for example "
    "79-41-01-01 CHL for the lunar new year of 2024 with the epoch -2696.\n"
    "The Chinese solar calendar (CHS) follows the Sun alone. Its year runs from one December "
    "solstice to the next and has the 24 solar terms as its \"months\", each 14 to 16 days long. "
    "A solar date is written cycle-position-term-day CHS, the terms being numbered 1 (Z11, the "
    "December solstice) to 24. On the first day of a term the code of the term follows the date "
    "in parentheses, as in 79-41-05-01 CHS (Z1).\n"
    "The solar terms are computed by one of two methods, chosen in the \"Method\" box: \"true "
    "sun\" places each term where the apparent longitude of the Sun reaches its multiple of 15 "
    "degrees, as the Chinese calendar has done since 1645; \"mean sun\" divides the year between "
    "two December solstices into 24 equal parts, as older calendars did. The method can move a "
    "leap month and, near the start of a term, the solar date.",

    // 5. Local time, GMT, CCT, etc.
    "Vemla keeps the displayed moment in Universal Time, called GMT on the window. The Chinese "
    "dates are reckoned at the prime meridian chosen in the longitude box, 120 degrees East by "
    "default, whose time is China Coast Time, abbreviated CCT. You can choose any whole longitude "
    "from 100 to 145 degrees East; each has its own abbreviation (Lxy for 1xy degrees, for "
    "example L30 for 130 degrees), and you can rename the one chosen by typing up to three "
    "letters into the box beside it. Your names are kept with the saved state.\n"
    "Local time is the time of this computer's time zone, including daylight-saving time. The "
    "main window shows its offset from GMT. \"Show local dates\" shows or hides the CE date in "
    "local time (CEX).\n"
    "A time typed into the time box is read in the zone chosen in the box beside it. When you "
    "convert a date, the zone follows the calendar: CE and JC times are GMT, CEX times are local, "
    "CHL and CHS times are those of the prime meridian.",

    // 6. Date conversion
    "Type a date into the \"Date\" box with its calendar code and press \"Convert\" or Enter. "
    "CE, CEX and JC dates are written year-month-day, as in 2024-02-10 CE or -776-07-01 JC. "
    "Lunar dates are written cycle-position-month-day CHL; write a leap month with an asterisk, "
    "as in 79-40-2*-15 CHL. When you know only the element-animal of the year, type a question "
    "mark for the position, as in 70-?-12-30 CHL, and choose the element and the animal in the "
    "two boxes that then become available. Solar dates are written cycle-position-term-day CHS. "
    "Julian dates are numbers followed by their code, as in 2,451,545 AJD; commas are allowed.\n"
    "A time goes into the \"Time\" box, as in 23:50; without one, 12:00 is taken. For a Julian "
    "date the time comes from the number itself. When the code is left out and the entry has no "
    "blank, the code of the calendar last used (the highlighted row) is added.\n"
    "To move from a date by a number of days, type the number into the \"days\" box and choose "
    "plus or minus; fractions are allowed. With the date box empty, the days are counted from "
    "the displayed date of the highlighted calendar. \"Clear\" empties the date and time boxes; "
    "\"Reset\" restores the defaults of the display settings, the move and the search panels, "
    "but not the epoch, method, longitude or the displayed moment.\n"
    "Converting the moment already displayed tells you \"Calendar dates unchanged.\"; a date "
    "that does not exist or lies outside -3000-01-01 to 3000-01-01 CE is refused with a message "
    "saying why.",

    // 7. Moving forward and backward
    "The move panel moves the displayed moment forward or back by a minute, an hour, a day, a "
    "CE month, year or century, a CHL month or year, a 60-year cycle of either Chinese calendar, "
    "a CHS solar term or year, a 60-day cycle, or an 80-year cycle of the Julian Calendar. "
    "Calendar steps work on the date shown in that calendar and keep the time of day. A lunar "
    "month step from the 30th day into a month of 29 days ends on the 29th; with \"keep 30th\" "
    "checked, later steps return to the 30th wherever the month has one. In the same way \"keep "
    "leap\" makes lunar year and cycle steps from a leap month return to a leap month of the same "
    "number where the year has one. The \"one day\" button always moves by "
    "exactly one day.\n"
    "With \"repeatedly\" checked, Move makes a step at once and then one step every refresh "
    "period (0.2 to 5 seconds) until you press Stop. Pause holds the run and Resume continues "
    "it; the rest of the window is locked while the run lasts. With auto log on, every step is "
    "entered in the log, so a run records a series of dates.",

    // 8. Finding moon phases, solstices, equinoxes, etc.
    "The search panel finds the next or the previous event of the chosen kind, counted from the "
    "displayed moment, and displays it: a full moon, a dark moon, a lunar quarter, a lunar new "
    "year, a solstice or an equinox, any solar term, a solar term that falls on the day of a "
    "dark or a full moon, a winter solstice on the day of a dark moon, or a solstice or equinox "
    "on the day of a dark or full moon.\n"
    "The element-animal searches find the next day, month or year with the element and the "
    "animal chosen in the two boxes of the entry panel; leave one box empty to accept any element "
    "or any animal. \"Triple element-animal\" finds the next day whose day, month and year all "
    "have the same element-animal name. Long searches show \"Searching ...\" while they run.",

    // 9. Astronomical and chronological Julian dates
    "Astronomers count days continuously. The astronomical Julian date (AJD) is the number of "
    "days since noon Universal Time of 1 January 4713 BC in the Julian Calendar (-4712-01-01 "
    "JC); noon GMT of 2000-01-01 CE is 2,451,545.0 AJD. An astronomical day begins at noon.\n"
    "A chronological Julian date begins its days at midnight and is reckoned in a given time "
    "zone: CJDL for London (GMT) is the AJD plus one half; CJDC adds the longitude of the prime "
    "meridian divided by 360 (one third of a day for 120 degrees East); CJDX adds the local "
    "offset. The whole part of a chronological Julian date is the day number, the same in every "
    "calendar, which is how Vemla converts between them. \"Show chronological JDs\" shows the "
    "three CJD rows in place of the element-animal month and year.",

    // 10. List lunar new years and Chinese anniversaries
    "This list starts from the Chinese lunar date displayed in the main window and gives the same "
    "month and day in the following lunar years, with the Common Era (or Julian) date and the day "
    "number of each. When the displayed date is a lunar new year's day (the first day of month "
    "1), the list is one of lunar new years, and each line also gives the length of the lunar "
    "year and how many times the solar terms J1 and Z1 fall in it. Otherwise it lists the "
    "anniversaries of the displayed date; a year in which that day does not exist, such as a 30th "
    "day in a month of 29 days, is reported and followed by the nearest day that exists (the "
    "29th, or the month that is not leap); \"Omit invalid dates\" leaves out the reports.\n"
    "Type the number of years into the years box of the list window (20 when left empty) and "
    "press List. Stop ends a long list early.",

    // 11. List lunar month starts and leap months
    "This list gives the first day of every lunar month for a run of lunar years around the CE "
    "year of the displayed moment, with its Common Era date, day number and length of 29 or 30 "
    "days. With \"Leap months only\" it lists just the leap months, over a longer run of years "
    "(30 by default), which shows how irregularly they fall. The leap months depend on the prime "
    "meridian and on the solar-term method, so the list is a quick way of seeing what those "
    "settings change.",

    // 12. Display dates/times/CJDs of dark moons and solar terms
    "This list shows the working of the lunar calendar for three sui around the displayed moment: "
    "every dark moon that begins a month, with its date, time and chronological Julian date at "
    "the prime meridian, its lunation number, the label of the month it begins and the number of "
    "principal terms in that month; and the solar terms between them, with the same details. "
    "Each sui and each nian is headed and summed up as short (11 months), normal (12) or long "
    "(13 months, with a leap month).\n"
    "The check boxes of the list window choose the principal (Z) and the sectional (J) terms and "
    "whether the terms' names are shown; CE and JC choose the calendar of the dates.",

    // 13. Entering dates in the log
    "\"Add to log\" adds an entry for the displayed moment to the log; with \"Auto log\" checked, "
    "an entry is added after every Now, conversion, move and search, headed by what was done. "
    "\"View log\" shows the log window, where the log can be read, edited, copied to the "
    "clipboard (the selected text, or all of it) and cleared. Closing the log window keeps the "
    "log; it is lost only when you clear it or end the program.\n"
    "\"Configure log\" chooses what an entry contains: the Chinese lunar and solar dates, the "
    "CJDC, the epoch, method and longitude, the CE and JC dates, the CJDL, the AJD, the phase and "
    "illumination, the lunation and age of the Moon. \"Expanded log entries\" writes the dates as "
    "sentences, and \"Include Chinese terms\" adds the stem-branch names to them. \"View log "
    "after adding an entry\" opens the log window whenever you add an entry. The log settings are "
    "kept with the saved state.",

    // 14. Delta T
    "The Earth's rotation is slightly irregular and slowing down, so clock time based on it, "
    "Universal Time, drifts against the uniform time in which the motions of the Sun and Moon are "
    "calculated (Terrestrial Time). The difference, delta T, is about a minute today, was close "
    "to zero around 1900, and grows to several hours in antiquity because the effect of the "
    "slowing accumulates. Vemla computes the dark moons, full moons and solar terms in "
    "Terrestrial Time and subtracts delta T to obtain the Universal Time it shows.\n"
    "Delta T is known from observations only for the last few centuries; earlier and future "
    "values are estimates, so the times of events far from the present are uncertain by minutes "
    "to hours. A dark moon close to midnight may then fall on either day, which can change the "
    "start of a lunar month. The main window shows the delta T used for the displayed moment; "
    "above a day it reads \"More than 24 hours\".",
};

constexpr std::string_view kCredits =
    "Vemla\r\n"
    "\r\n"
    "Authors: The Vemla developers.\r\n"
    "\r\n"
    "The astronomical methods come from published work:\r\n"
    "\r\n"
    "- The position of the Sun, and with it the solar terms, equinoxes and solstices, from the "
    "planetary theory VSOP87 (version D, the Earth) by P. Bretagnon and G. Francou, Bureau des "
    "Longitudes, Paris (Astronomy and Astrophysics 202, 1988).\r\n"
    "- Nutation in longitude from the IAU 1980 theory of nutation.\r\n"
    "- The moments of the dark moons, quarters and full moons from the series for the phases of "
    "the Moon in Jean Meeus, Astronomical Algorithms (Willmann-Bell, 2nd edition 1998), chapter "
    "49.\r\n"
    "- Delta T from the polynomial expressions of Fred Espenak and Jean Meeus (NASA, Five "
    "Millennium Canon of Solar Eclipses, 2006).\r\n"
    "\r\n"
    "The calendar rules (the months beginning at the dark moon, the leap month of a sui of "
    "thirteen months, the sexagenary cycles) are those of the Chinese calendar as reformed in "
    "1645.\r\n"
    "\r\n"
    "The stem and branch pictures were drawn from the WenQuanYi Micro Hei font.";

}  // namespace

std::string HelpSectionHeading(int number) {
    if (number < 1 || number > static_cast<int>(kHelpSectionTitles.size())) return {};
    return std::to_string(number) + ".\u00a0 " + std::string(kHelpSectionTitles[number - 1]);
}

std::vector<HelpParagraph> HelpParagraphs() {
    std::vector<HelpParagraph> paragraphs;
    paragraphs.push_back({std::string(kOpening), false});
    for (size_t i = 0; i < kHelpSectionTitles.size(); ++i) {
        paragraphs.push_back({HelpSectionHeading(static_cast<int>(i) + 1), true});
        std::string_view body = kSectionBodies[i];
        while (!body.empty()) paragraphs.push_back({std::string(TakeLine(body)), false});
    }
    return paragraphs;
}

std::string HelpText() {
    std::string text;
    for (const HelpParagraph& p : HelpParagraphs()) text += p.text + "\r\n\r\n";
    return text;
}

std::string CreditsText() {
    return std::string(kCredits);
}

}  // namespace vemla
