#include "app/date_entry.h"

#include <cmath>

#include "app/display.h"
#include "common/digits.h"
#include "common/strproc.h"
#include "engine/european.h"

namespace vemla {
namespace {

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string WithoutCommasAndBlanks(std::string_view text) {
    std::string out(text);
    RemoveChars(out, ", ");
    return out;
}

// The kinds of entry, in the order the date text is tested for them.
struct EntryKind {
    std::string_view code;
    int calendar;
};
constexpr EntryKind kKinds[] = {{"CE", kCalCE},     {"CEX", kCalCEX},   {"JC", kCalJC},
                                {"CHL", kCalCHL},   {"CHS", kCalCHS},   {"CJDC", kCalCJDC},
                                {"CJDL", kCalCJDL}, {"CJDX", kCalCJDX}, {"AJD", kCalAJD}};

const EntryKind* KindOf(std::string_view s) {
    for (const EntryKind& kind : kKinds) {
        if (!Contains(s, kind.code)) continue;
        if (kind.calendar == kCalCE && Contains(s, "CEX")) continue;
        return &kind;
    }
    return nullptr;
}

// The code that names the calendar: the first occurrence of a code that ends
// the text or is followed by "(". False (error 2) for a code followed by
// anything else; `found` stays false when no code occurs.
bool FindCalendarCode(std::string_view s, bool& found) {
    found = false;
    for (std::string_view code : kCalendarCodes) {
        const size_t pos = s.find(code);
        if (pos == std::string_view::npos) continue;
        const size_t end = pos + code.size();
        if (end == s.size()) {
            found = true;
            return true;
        }
        if (code == "CE" && s[end] == 'X') continue;  // the text holds CEX
        if (s[end] == '(') {
            found = true;
            return true;
        }
        return false;
    }
    return true;
}

std::string ElementAnimalPair(const EntryBoxes& boxes) {
    std::string pair = " ";
    if (boxes.element >= 0 && boxes.element < kNoElement) pair += kElementNames[boxes.element];
    pair += "-";
    if (boxes.animal >= 0 && boxes.animal < kNoAnimal) pair += kAnimalNames[boxes.animal];
    return pair;
}

// Day number of a typed calendar date, or an error number.
int CalendarDateDay(const EntryKind& kind, std::string text, const EntryBoxes& boxes,
                    CalendarEngine& engine, int32_t& day) {
    switch (kind.calendar) {
        case kCalCE:
        case kCalCEX:
        case kCalJC: {
            const auto date = ReadEuroDate(text, kind.calendar == kCalJC ? kJulian : kGregorian);
            if (!date)
                return kind.calendar == kCalCE    ? kBadCE
                       : kind.calendar == kCalCEX ? kBadCEX
                                                  : kBadJC;
            day = date->JDN;
            return kParseOk;
        }
        case kCalCHL: {
            if (Contains(text, "-?-")) text += ElementAnimalPair(boxes);
            const auto chl = ReadChLDateText(text);
            if (!chl) return kBadCHL;
            const auto jdn = engine.ChLDateToJDN(*chl);
            if (!jdn) return jdn.error() == ChLDateError::kDayTooLarge ? kCHLDayTooLarge : kBadCHL;
            day = *jdn;
            return kParseOk;
        }
        default: {  // kCalCHS
            if (Contains(text, "-?-")) text += ElementAnimalPair(boxes);
            const auto chs = ReadChSDateText(text);
            if (!chs) return kBadCHS;
            const auto jdn = engine.ChSDateToJDN(*chs);
            if (!jdn) return kBadCHS;
            day = *jdn;
            return kParseOk;
        }
    }
}

}  // namespace

std::string ParseErrorText(int error) {
    switch (error) {
        case kNoDate:
            return "No date specified.";
        case kNoCalendar:
            return "Calendar must be specified (one of CE, CEX, JC, CHL, CHS, CJDL, CJDC, CJDX and "
                   "AJD).";
        case kTimeInDate:
            return "Time specification not permitted in date string.";
        case kBadTime:
            return "Invalid time specification.  Times must be, e.g., 23:50.";
        case kBadSeparator:
            return "Date separator must be a dash, '-'.";
        case kBadCE:
            return "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day";
        case kBadJC:
            return "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day";
        case kBadCHL:
            return "Invalid CHL date.  CHL dates must be in the form: cycle-position-month-day "
                   "element-animal\r\n"
                   "Use '?' for position if only element-animal known, e.g., 70-?-12-30 "
                   "wood-dog.\r\n"
                   "Specify element-animal using the drop-down boxes.";
        case kBadCHS:
            return "Invalid CHS date.  CHS dates must be in the form: "
                   "cycle-position-solarterm-day\r\n";
        case kBadJulianDate:
            return "Invalid CJDL, CJDC, CJDX or AJD date.  These must be, e.g., 999999.99 CJDL or "
                   "2,111,111 AJD.";
        case kBadCEX:
            return "Invalid CEX date.  CEX dates must be in ISO 8601 format: year-month-day";
        case kUnparsable:
            return "Error when parsing date string.";
        case kCHLDayTooLarge:
            return "Invalid CHL date.  Day number exceeds number of days in the month.";
        case kBadPlusMinus:
            return "Invalid plus/minus days.";
        case kTooEarly:
            return "Date too early.";
        default:
            return "";
    }
}

int ParseTime(std::string_view text) {
    const std::string t = RemoveChar(text, ' ');
    const size_t colon = t.find(':');
    if (colon != 1 && colon != 2) return -1;
    const double hours = NumericValue(std::string_view(t).substr(0, colon));
    const double minutes = NumericValue(std::string_view(t).substr(colon + 1));
    if (hours != std::floor(hours) || minutes != std::floor(minutes)) return -1;
    // 24:00 closes the day: a displayed time that rounded up to it converts back.
    if (hours == 24 && minutes == 0) return 1440;
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) return -1;
    return static_cast<int>(hours) * 60 + static_cast<int>(minutes);
}

namespace {

// The typed date in upper case without commas and blanks, with its calendar code (the
// context's calendar when none was typed, which the date box then shows too), checked for the
// separators its kind allows; kParseOk or the error. The time box gets 12:00 when empty.
int NormalisedEntry(EntryBoxes& boxes, const EntryContext& context,
                    const CopyDisplayedDateFn& copy_displayed_date, std::string& s) {
    boxes.date = UpperCase(Trim(boxes.date));
    const bool has_blank = Contains(boxes.date, " ");
    s = WithoutCommasAndBlanks(boxes.date);

    if (s.empty() && Trim(context.plus_minus).empty()) return kNoDate;
    if (s.empty()) {
        // Only a number of days: start from the displayed date.
        if (copy_displayed_date) copy_displayed_date(boxes);
        s = WithoutCommasAndBlanks(boxes.date);
    }
    if (s.empty() || !(IsDecimalDigit(s[0]) || s[0] == '-')) return kNoDate;

    bool code_found = false;
    if (!FindCalendarCode(s, code_found)) return kNoCalendar;
    if (!code_found) {
        if (has_blank || context.calendar < 0 ||
            context.calendar >= static_cast<int>(kCalendarCodes.size()))
            return kNoCalendar;
        const std::string_view code = kCalendarCodes[context.calendar];
        s += code;
        boxes.date += " " + std::string(code);
        // The entry now reads as the date box shows it, so Convert pressed
        // again finds the same. A code formed across the join ("J" typed
        // last and "CHL" appended hold "JC") is as ambiguous as typed.
        if (!FindCalendarCode(s, code_found)) return kNoCalendar;
    }

    const bool julian_date =
        Contains(s, "CJDC") || Contains(s, "CJDL") || Contains(s, "CJDX") || Contains(s, "AJD");
    if (julian_date) {
        if (CountChar(s, '-') > 1) return kBadJulianDate;
    } else if (Contains(s, "/") || Contains(s, ".")) {
        return kBadSeparator;
    }
    if (Contains(s, ":")) return kTimeInDate;
    if (Trim(boxes.time).empty()) boxes.time = "12:00";
    return kParseOk;
}

bool IsDayNumberKind(const EntryKind& kind) {
    return kind.calendar == kCalCJDC || kind.calendar == kCalCJDL || kind.calendar == kCalCJDX ||
           kind.calendar == kCalAJD;
}

// A typed day number (CJDC, CJDL, CJDX or AJD) as the moment it names; the time box shows that
// moment's time in the number's own zone. kParseOk or the error.
int DayNumberMoment(const EntryKind& kind, std::string_view text, const EntryContext& context,
                    int longitude, EntryBoxes& boxes, double& ajd) {
    const double number = NumericValue(text);
    ajd = number;
    if (kind.calendar == kCalCJDC) ajd = CJDCToAJD(number, longitude);
    if (kind.calendar == kCalCJDL) ajd = CJDLToAJD(number);
    if (kind.calendar == kCalCJDX) ajd = CJDLToAJD(CJDXToCJDL(number, context.local_offset));
    // The rows write these numbers with four decimals, so the text of a
    // moment at an end of the range may lie up to half a last decimal
    // beyond it; such a number, clicked, stands for the end itself.
    constexpr double kHalfLastDecimal = 0.00005;
    if (ajd < kMinAJDate && ajd >= kMinAJDate - kHalfLastDecimal) ajd = kMinAJDate;
    if (ajd > kMaxAJDate && ajd <= kMaxAJDate + kHalfLastDecimal) ajd = kMaxAJDate;
    if (ajd < kMinJDNVemla) return kTooEarly;
    const double cjdl = AJDToCJDL(ajd);
    if (kind.calendar == kCalCJDC) {
        boxes.time = BeijingTime(CJDLToCJDC(cjdl, longitude), "").substr(0, 5);
        boxes.zone = kZoneMeridian;
    } else if (kind.calendar == kCalCJDX) {
        boxes.time = LocalTime(CJDLToCJDX(cjdl, context.local_offset)).substr(0, 5);
        boxes.zone = kZoneLocal;
    } else {
        boxes.time = LondonTime(cjdl).substr(0, 5);
        boxes.zone = kZoneGMT;
    }
    return kParseOk;
}

}  // namespace

ParsedDate ParseDate(EntryBoxes& boxes, const EntryContext& context, CalendarEngine& engine,
                     const CopyDisplayedDateFn& copy_displayed_date) {
    ParsedDate result;
    auto fail = [&result](int error) {
        result.error = error;
        return result;
    };

    std::string s;
    if (const int error = NormalisedEntry(boxes, context, copy_displayed_date, s);
        error != kParseOk)
        return fail(error);
    const EntryKind* kind = KindOf(s);
    if (kind == nullptr) return fail(kUnparsable);
    const std::string text = s.substr(0, s.find(kind->code));
    const int longitude = engine.Settings().Longitude;

    if (IsDayNumberKind(*kind)) {
        double ajd = 0.0;
        if (const int error = DayNumberMoment(*kind, text, context, longitude, boxes, ajd);
            error != kParseOk)
            return fail(error);
        result.ajd = ajd;
        result.calendar = kind->calendar;
        return result;
    }

    int32_t day = 0;
    if (const int error = CalendarDateDay(*kind, text, boxes, engine, day); error != kParseOk)
        return fail(error);
    if (day < kMinJDNVemla) return fail(kTooEarly);
    boxes.zone = kind->calendar == kCalCEX                                ? kZoneLocal
                 : kind->calendar == kCalCHL || kind->calendar == kCalCHS ? kZoneMeridian
                                                                          : kZoneGMT;

    const int minutes = ParseTime(boxes.time);
    if (minutes < 0) return fail(kBadTime);
    const double cjd = day + minutes / 1440.0;
    if (boxes.zone == kZoneGMT)
        result.ajd = CJDLToAJD(cjd);
    else if (boxes.zone == kZoneMeridian)
        result.ajd = CJDCToAJD(cjd, longitude);
    else
        result.ajd = CJDLToAJD(CJDXToCJDL(cjd, context.local_offset));
    result.calendar = kind->calendar;
    return result;
}

double PlusMinusDays(std::string_view text) {
    std::string number(text);
    RemoveChars(number, "+,");
    return NumericValue(number);
}

std::string_view RangeMessage(double ajd) {
    if (!(ajd >= kMinAJDate)) return kTooEarlyText;
    if (ajd > kMaxAJDate) return kTooLateText;
    return {};
}

}  // namespace vemla
