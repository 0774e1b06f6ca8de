#include "app/log_entries.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "common/strproc.h"
#include "engine/chinese_text.h"
#include "engine/cycles.h"
#include "engine/european.h"
#include "engine/lunar_phases.h"

namespace vemla {
namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr size_t kDashLineLength = 255;
constexpr std::string_view kSeparatorLine = "--------------------";

// Captions may hold any UTF-8 text: lengths and cuts count characters.
size_t CharCount(std::string_view text) {
    size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

// The bytes of the first n characters.
size_t BytesOfChars(std::string_view text, size_t n) {
    size_t pos = 0;
    for (size_t chars = 0; pos < text.size(); ++pos) {
        if ((static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            if (chars == n) break;
            ++chars;
        }
    }
    return pos;
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Text from the second character on: the sentences of the engine begin with
// "The", which the log continues after its own "= t".
std::string WithoutFirstChar(std::string_view text) {
    return std::string(text.substr(BytesOfChars(text, 1)));
}

// A Julian date with four decimals, "," between groups of three digits and
// "." as the decimal point whatever the locale, so that a copied value reads
// back as the same moment.
std::string JulianDateText(double value) {
    if (!std::isfinite(value)) return "0.0000";
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::fixed, 4);
    if (error != std::errc()) return "0.0000";
    std::string_view digits(buffer, static_cast<size_t>(end - buffer));
    size_t point = digits.find('.');
    std::string_view whole = digits.substr(0, point);
    std::string text =
        value < 0 && digits.find_first_not_of("0.") != std::string_view::npos ? "-" : "";
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) text += ',';
        text += whole[i];
    }
    text += digits.substr(point);
    return text;
}

std::string ConvertHeading(const AutoLogInputs& inputs) {
    std::string count = Trim(inputs.plus_minus_text);
    if (count.empty()) return "";
    std::string heading = (inputs.plus ? "Plus " : "Minus ") + count + " day";
    if (std::fabs(NumericValue(RemoveChar(count, ','))) != 1.0) heading += "s";
    return heading;
}

// Which of the three groups of reckonings an entry holds.
struct LogGroups {
    bool chinese = false;
    bool western = false;
    bool astronomical = false;
};

LogGroups GroupsOf(const LogPreferences& p) {
    return {p.include_chl || p.include_chs || p.include_cjdc,
            p.include_ce || p.include_jc || p.include_cjdl,
            p.include_ajd || p.phase_and_illumination || p.lunation_and_age};
}

// "= the 11th day of solar term 1 (Z11, Winter solstice, Dong zhi)" and, on
// the next line, "in the year (sui) ...": the term's names are put into the
// parentheses that follow its number.
std::string ExpandedSolarLines(CalendarEngine& engine, ChDate chs, bool with_chinese_terms) {
    std::string t = WithoutFirstChar(ChSLongText(engine, chs, false, false));
    const int term = chs.MonthOrTerm;
    size_t p = t.find(") in the year");
    if (p != std::string::npos && term >= 1 && term <= 24) {
        std::string names = ", " + std::string(kSolarTermEnglishNames[term - 1]);
        if (with_chinese_terms) names += ", " + std::string(kSolarTermPinyinNames[term - 1]);
        t = t.substr(0, p) + names + ")" + std::string(kNewLine) + t.substr(p + 2);
    }
    return "= t" + t + std::string(kNewLine);
}

std::string ChineseLines(const LogContext& context, CalendarEngine& engine,
                         const LogPreferences& prefs) {
    const int longitude = engine.Settings().Longitude;
    const double cjdc = AJDToCJDC(context.ajd, longitude);
    // Within the admissible range every day converts; should one not, the
    // entry keeps the main window's captions and leaves out the sentences.
    const auto converted = engine.CJDateToChDates(cjdc);
    auto [chs, chl] = converted.value_or(ChDates{});
    const bool sentences = prefs.verbose && converted.ok();

    std::string text;
    if (prefs.include_chs) {
        text += context.chs_caption + std::string(kNewLine);
        if (sentences) text += ExpandedSolarLines(engine, chs, prefs.include_ganzhi);
    }
    if (prefs.include_chl) {
        text += context.chl_caption + std::string(kNewLine);
        if (sentences)
            text += "= t" +
                    WithoutFirstChar(ChLLongText(engine, chl, true, true, prefs.include_ganzhi)) +
                    std::string(kNewLine);
    }
    if (prefs.include_cjdc) {
        text += JulianDateText(cjdc) + " CJDC";
        if (prefs.verbose)
            text += " (chronological Julian date, longitude " + StrNumber(longitude) + "º E)";
        text += kNewLine;
    }
    if (prefs.epoch_etc)
        text += context.epoch_method + ", longitude =" + StrNumber(longitude) + "º E." +
                std::string(kNewLine);
    return text;
}

// The CE or JC line: the caption up to its zone ("... 12:00 GMT") and,
// expanded, the long date followed by the weekday that ends the caption.
std::string EuropeanLines(const std::string& caption, const EuroDate& date, bool expanded) {
    constexpr std::string_view kZone = "GMT";
    size_t p = caption.find(kZone);
    std::string line = p == std::string::npos ? caption : caption.substr(0, p + kZone.size());
    std::string text = line + std::string(kNewLine);
    if (expanded) {
        size_t weekday = p == std::string::npos ? caption.size()
                                                : std::min(p + kZone.size() + 1, caption.size());
        text += "= t" + WithoutFirstChar(LongDateText(date)) + ", a " + caption.substr(weekday) +
                "." + std::string(kNewLine);
    }
    return text;
}

std::string WesternLines(const LogContext& context, const LogPreferences& prefs) {
    const double cjdl = AJDToCJDL(context.ajd);
    EuroDate ce;
    EuroDate jc;
    CEAndJCDates(cjdl, ce, jc);

    std::string text;
    if (prefs.include_ce) text += EuropeanLines(context.ce_caption, ce, prefs.verbose);
    if (prefs.include_jc) text += EuropeanLines(context.jc_caption, jc, prefs.verbose);
    if (prefs.include_cjdl) {
        text += JulianDateText(cjdl) + " CJDL";
        if (prefs.verbose) text += " (chronological Julian date, London)";
        text += kNewLine;
    }
    return text;
}

// "Lunation -1, age of Moon = 25 days, 17 hrs, 46 mins (87.2%)", expanded
// "... (87.2% of lunation)": the age is the caption after its "[k] ".
std::string LunationLine(const LogContext& context, bool expanded) {
    const std::string& g = context.age_caption;
    size_t q = g.find(']');
    std::string r = q == std::string::npos ? g : g.substr(std::min(q + 2, g.size()));
    if (expanded) {
        size_t close = r.find(')');
        if (close != std::string::npos) r = r.substr(0, close) + " of lunation)";
    }
    return "Lunation " + std::to_string(LunationOf(context.ajd)) + ", age of Moon = " + r +
           std::string(kNewLine);
}

std::string AstronomicalLines(const LogContext& context, const LogPreferences& prefs) {
    std::string text;
    if (prefs.include_ajd) {
        text += JulianDateText(context.ajd) + " AJD";
        if (prefs.verbose) text += " (astronomical Julian date)";
        text += kNewLine;
    }
    if (prefs.phase_and_illumination) {
        text += context.phase_caption;
        if (prefs.verbose) text += " illumination";
        text += kNewLine;
    }
    if (prefs.lunation_and_age) text += LunationLine(context, prefs.verbose);
    return text;
}

}  // namespace

std::string AutoLogHeading(int op, const AutoLogInputs& inputs) {
    switch (op) {
        case kLogNow:
            return "Now";
        case kLogConvert:
            return ConvertHeading(inputs);
        case kLogMoveStep:
            return std::string("Move ") + (inputs.move_forward ? "forward 1 " : "back 1 ") +
                   inputs.move_step_item;
        case kLogSearch:
            return std::string("Search for ") + (inputs.next ? "next " : "previous ") +
                   AsciiLower(inputs.target_item);
        case kLogOneDayMove:
            return std::string("Move ") +
                   (inputs.move_forward ? "forward one day " : "back one day");
        default:
            return "";
    }
}

std::string AutoLogHeadingLines(std::string_view heading, bool expanded) {
    std::string lines = std::string(heading) + std::string(kNewLine);
    if (expanded)
        lines +=
            std::string(std::min(CharCount(heading), kDashLineLength), '-') + std::string(kNewLine);
    return lines;
}

LogEntryText ComposeLogEntry(const LogContext& context, CalendarEngine& engine,
                             const LogPreferences& prefs, bool log_empty) {
    LogEntryText entry;
    if (log_empty)
        entry.text = context.window_caption + std::string(kNewLine) + std::string(kNewLine);
    const LogGroups groups = GroupsOf(prefs);
    if (!groups.chinese && !groups.western && !groups.astronomical) return entry;

    const std::string separator = std::string(kSeparatorLine) + std::string(kNewLine);
    if (groups.chinese) {
        entry.text += ChineseLines(context, engine, prefs);
        if (prefs.verbose && (groups.western || groups.astronomical)) entry.text += separator;
    }
    if (groups.western) {
        entry.text += WesternLines(context, prefs);
        if (prefs.verbose && groups.astronomical) entry.text += separator;
    }
    if (groups.astronomical) entry.text += AstronomicalLines(context, prefs);
    entry.text += kNewLine;
    entry.has_entry = true;
    return entry;
}

std::string LogWindowCaption(std::string_view main_caption) {
    const size_t blank = main_caption.rfind(' ');
    return "Log for " + std::string(blank == std::string_view::npos
                                        ? main_caption
                                        : main_caption.substr(0, blank));
}

}  // namespace vemla
