#include "cli/batch_convert.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <optional>
#include <thread>

#include "app/date_entry.h"
#include "cli/commands.h"
#include "cli/hanzi_output.h"
#include "cli/moment_output.h"
#include "cli/ordered_chunks.h"
#include "common/digits.h"
#include "common/strproc.h"
#include "engine/european.h"

namespace vemla {
namespace {

constexpr std::string_view kTsvColumns = "line\tCE\tJC\tCHL\tCHS\tAJD\tyear\tmonth\tday\tmoon\t";
// With --hanzi: both Chinese dates in characters, before the error column.
constexpr std::string_view kTsvHanziColumns = "hanzi_chl\thanzi_chs\t";

// More threads than this would only add engines warming their own caches.
constexpr unsigned kMaxWorkers = 4;

// What every line of a run shares: the session's settings, copied so that
// each worker reads its own.
struct BatchSettings {
    CalendarSettings calendar;
    std::string abbreviation;
    int entry_calendar = kCalCE;  // of an entry typed without a code
    int local_offset = 0;
    BatchFormat format = BatchFormat::kTsv;
    bool hanzi = false;
    std::optional<std::string> time;  // of lines without one
    int element = kNoElement, animal = kNoAnimal;
};

// The day of a plain "YYYY-MM-DD CE" entry of the years 1000 to 2999, the
// usual line of a column of dates, read by the engine's date reader alone
// (the date box's general parser reads it the same way, after looking for a
// calendar code and a time); nothing for any other line, which that parser
// then reads, and for a date that does not exist, which it then refuses.
std::optional<int32_t> PlainCEDay(std::string_view line) {
    if (line.size() != 13 || line.substr(10) != " CE" || line[0] < '1' || line[0] > '2' ||
        line[4] != '-' || line[7] != '-')
        return std::nullopt;
    for (int at : {1, 2, 3, 5, 6, 8, 9})
        if (!IsDecimalDigit(line[at])) return std::nullopt;
    const auto date = ReadEuroDate(line.substr(0, 10), kGregorian);
    if (!date) return std::nullopt;
    return date->JDN;
}

// The moment of one line, or the message that refuses it.
struct LineResult {
    double ajd = 0.0;
    std::string error;
};

// Converts lines with an engine and caches of its own, so that each worker
// thread has one.
class LineConverter {
  public:
    explicit LineConverter(const BatchSettings& settings)
        : settings_(settings), engine_(settings.calendar) {
        const std::string time = settings.time.value_or("");
        plain_minutes_ = ParseTime(Trim(time).empty() ? "12:00" : time);
    }

    bool ConvertLines(std::string_view lines, long number, std::string& out) {
        bool converted = true;
        for (size_t start = 0; start < lines.size(); ++number) {
            const size_t end = lines.find('\n', start);
            converted = ConvertLine(lines.substr(start, end - start), number, out) && converted;
            start = end + 1;
        }
        return converted;
    }

  private:
    bool ConvertLine(std::string_view line, long number, std::string& out) {
        const LineResult result = Convert(line);
        if (settings_.format == BatchFormat::kJson) {
            nlohmann::json object = nlohmann::json{{"error", result.error}};
            if (result.error.empty()) {
                const Moment moment =
                    MomentAt(engine_, result.ajd, settings_.abbreviation, settings_.local_offset);
                object = MomentJson(moment);
                if (settings_.hanzi) object["hanzi"] = HanziJson(HanziOf(moment));
            }
            object["line"] = number;
            out += object.dump();
        } else {
            char digits[24];
            out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
            out += '\t';
            if (result.error.empty()) {
                AppendTsv(out,
                          TableMomentAt(engine_, lunations_, result.ajd, settings_.abbreviation));
            } else {
                out.append(settings_.hanzi ? 11 : 9, '\t') += result.error;
            }
        }
        out += '\n';
        return result.error.empty();
    }

    LineResult Convert(std::string_view line) {
        double ajd = 0.0;
        // A CE date is a day in London; the time is the one of every line.
        if (const auto day = plain_minutes_ >= 0 ? PlainCEDay(line) : std::nullopt) {
            ajd = CJDLToAJD(*day + plain_minutes_ / 1440.0);
        } else {
            const ParsedDate parsed = ParseEntry(line);
            if (parsed.error != kParseOk) return {0.0, OneLine(ParseErrorText(parsed.error))};
            ajd = parsed.ajd;
        }
        if (std::string_view range = RangeMessage(ajd); !range.empty())
            return {0.0, std::string(range)};
        return {ajd, {}};
    }

    // The line as typed in the date box, ENTRY or ENTRY<TAB>TIME. The boxes
    // keep their buffers from line to line.
    ParsedDate ParseEntry(std::string_view line) {
        const size_t tab = line.find('\t');
        boxes_.date.assign(line.substr(0, tab));
        if (tab != std::string_view::npos)
            boxes_.time.assign(line.substr(tab + 1));
        else
            boxes_.time.assign(settings_.time.value_or(""));
        boxes_.zone = -1;
        boxes_.element = settings_.element;
        boxes_.animal = settings_.animal;
        const EntryContext context{{}, settings_.entry_calendar, settings_.local_offset};
        // A number of days alone would take the displayed date: no line has one.
        return ParseDate(boxes_, context, engine_, clear_date_);
    }

    void AppendTsv(std::string& out, const Moment& m) const {
        for (int calendar : {kCalCE, kCalJC, kCalCHL, kCalCHS, kCalAJD}) {
            out += m.rows[calendar];
            out += '\t';
        }
        for (const std::string* text : {&m.year, &m.month, &m.day, &m.moon_phase}) {
            out += *text;
            out += '\t';
        }
        if (settings_.hanzi) {
            const HanziDate h = HanziOf(m);
            out += h.chl;
            out += '\t';
            out += h.chs;
            out += '\t';
        }
    }

    HanziDate HanziOf(const Moment& m) const {
        return HanziDateOf(m.chs, m.chl,
                           DayNumberOf(AJDToCJDC(m.ajd, settings_.calendar.Longitude)));
    }

    static std::string OneLine(std::string text) {
        text = CommandLineWording(std::move(text));
        for (char& c : text)
            if (c == '\n' || c == '\t') c = ' ';
        return text;
    }

    const BatchSettings& settings_;
    CalendarEngine engine_;
    LunationCache lunations_;
    EntryBoxes boxes_;
    int plain_minutes_ = -1;  // of the time of lines without one, -1 when it is bad
    const CopyDisplayedDateFn clear_date_ = [](EntryBoxes& b) { b.date.clear(); };
};

BatchSettings SettingsOf(Session& session, BatchFormat format, const EntryOptions& defaults) {
    MainState& main = session.Main();
    BatchSettings s;
    s.calendar = main.Engine().Settings();
    s.abbreviation = main.CCT();
    s.entry_calendar = main.Calendar();
    s.local_offset = main.LocalOffsetMinutes();
    s.format = format;
    s.hanzi = session.Options().hanzi;
    s.time = defaults.time;
    if (defaults.element) s.element = ItemIndex(kElementNames, *defaults.element);
    if (defaults.animal) s.animal = ItemIndex(kAnimalNames, *defaults.animal);
    return s;
}

}  // namespace

int ConvertBatch(Session& session, std::istream& in, BatchFormat format,
                 const EntryOptions& defaults) {
    const BatchSettings settings = SettingsOf(session, format, defaults);
    std::ostream& out = session.Out();
    if (format == BatchFormat::kTsv)
        out << kTsvColumns << (settings.hanzi ? kTsvHanziColumns : "") << "error\n";
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxWorkers);
    const bool converted =
        ConvertInOrderedChunks(in, out, static_cast<int>(workers), [&settings]() -> ChunkConverter {
            auto converter = std::make_shared<LineConverter>(settings);
            return [converter](std::string_view lines, long first_number, std::string& text) {
                return converter->ConvertLines(lines, first_number, text);
            };
        });
    return converted ? kExitOk : kExitRefused;
}

}  // namespace vemla
