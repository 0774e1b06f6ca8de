// Reading a typed date: the entry grammar (a date with its calendar code, an
// optional time in the time box), the conversion to the displayed moment's
// scale (AJD), the parse errors and their messages, and the range of the
// displayed moment.
//
// The parser works on a copy of the entry boxes and writes back what the
// window would show afterwards (the date box upper-cased and completed with a
// code, the time box, the time-zone box); it shows nothing itself.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "engine/chinese_dates.h"

namespace vemla {

// Error numbers of ParseDate and Convert; each message is ParseErrorText's.
enum ParseError : int {
    kParseOk = 0,
    kNoDate = 1,        // nothing typed, or not starting with a digit or "-"
    kNoCalendar = 2,    // no calendar code where one is needed
    kTimeInDate = 3,    // a ":" in the date box
    kBadTime = 4,       // the time box does not hold hh:mm
    kBadSeparator = 5,  // "/" or "." in a calendar date
    kBadCE = 6,
    kBadJC = 7,
    kBadCHL = 8,
    kBadCHS = 9,
    kBadJulianDate = 10,  // more than one "-" in a Julian-date number
    kBadCEX = 11,
    kUnparsable = 12,
    kCHLDayTooLarge = 13,  // the day exceeds the length of the lunar month
    kBadPlusMinus = 14,
    kTooEarly = 15,  // before -3000-01-01 CE
};

inline constexpr std::string_view kParseErrorTitle = "Invalid date or time entry";
std::string ParseErrorText(int error);

// The earliest day number any entry may name: -3000-01-01 CE.
inline constexpr int32_t kMinJDNVemla = 625333;

// The empty last items of the element and animal boxes.
inline constexpr int kNoElement = static_cast<int>(kElementNames.size());
inline constexpr int kNoAnimal = static_cast<int>(kAnimalNames.size());

// The entry boxes the parser reads and rewrites.
struct EntryBoxes {
    std::string date;          // txbDate
    std::string time;          // txbTime
    int zone = -1;             // cboTimeZone: kZoneGMT, kZoneMeridian, kZoneLocal or -1
    int element = kNoElement;  // cboElement
    int animal = kNoAnimal;    // cboAnimal
};

struct EntryContext {
    std::string_view plus_minus;  // txbPlusMinus, trimmed
    int calendar = kCalCHL;       // the current calendar, for a date typed without a code
    int local_offset = 0;         // minutes east of GMT
};

struct ParsedDate {
    int error = kParseOk;
    double ajd = 0.0;   // the moment, when error is kParseOk
    int calendar = -1;  // index of the calendar code found
};

// Fills the boxes from the displayed date of the current calendar, as a
// click on its value does; used when only a number of days was typed.
using CopyDisplayedDateFn = std::function<void(EntryBoxes&)>;

// Minutes after midnight of "hh:mm" (blanks ignored, reading stops after the
// minutes' digits), or -1. 24:00 is the end of the day, 1440.
int ParseTime(std::string_view text);

// Parses boxes.date with the time and zone boxes into a moment. The engine
// (its meridian in particular) converts the Chinese dates and CJDC numbers.
ParsedDate ParseDate(EntryBoxes& boxes, const EntryContext& context, CalendarEngine& engine,
                     const CopyDisplayedDateFn& copy_displayed_date);

// The days a valid plus/minus text adds: "+" and "," dropped, then its number.
double PlusMinusDays(std::string_view text);

// The admissible range of the displayed moment.
inline constexpr std::string_view kRangeTitle = "Date out of range";
inline constexpr std::string_view kTooEarlyText = "Date is earlier than -3000-01-01 CE.";
inline constexpr std::string_view kTooLateText = "Date is later than 3000-01-01 CE.";
// The message for a moment out of range, or an empty text when it is in range.
std::string_view RangeMessage(double ajd);

inline constexpr std::string_view kConvertTitle = "Convert date";
inline constexpr std::string_view kUnchangedText = "Calendar dates unchanged.";

}  // namespace vemla
