#include "cli/batch_convert.h"

#include "app/date_entry.h"
#include "cli/commands.h"
#include "cli/hanzi_output.h"
#include "cli/moment_output.h"
#include "engine/european.h"

namespace vemla {
namespace {

constexpr std::string_view kTsvColumns = "line\tCE\tJC\tCHL\tCHS\tAJD\tyear\tmonth\tday\tmoon\t";
// With --hanzi: both Chinese dates in characters, before the error column.
constexpr std::string_view kTsvHanziColumns = "hanzi_chl\thanzi_chs\t";

// The moment of one line, or the message that refuses it.
struct LineResult {
    double ajd = 0.0;
    std::string error;
};

class LineConverter {
  public:
    LineConverter(Session& session, const EntryOptions& defaults)
        : main_(session.Main()), defaults_(defaults), local_offset_(session.Main().LocalOffsetMinutes()) {}

    LineResult Convert(std::string_view line) {
        EntryBoxes boxes;
        const size_t tab = line.find('\t');
        boxes.date = std::string(line.substr(0, tab));
        if (tab != std::string_view::npos)
            boxes.time = std::string(line.substr(tab + 1));
        else if (defaults_.time)
            boxes.time = *defaults_.time;
        if (defaults_.element) boxes.element = ItemIndex(kElementNames, *defaults_.element);
        if (defaults_.animal) boxes.animal = ItemIndex(kAnimalNames, *defaults_.animal);
        const EntryContext context{{}, main_.Calendar(), local_offset_};
        // A number of days alone would take the displayed date: no line has one.
        const ParsedDate parsed =
            ParseDate(boxes, context, main_.Engine(), [](EntryBoxes& b) { b.date.clear(); });
        if (parsed.error != kParseOk) return {0.0, OneLine(ParseErrorText(parsed.error))};
        if (std::string_view range = RangeMessage(parsed.ajd); !range.empty())
            return {0.0, std::string(range)};
        return {parsed.ajd, {}};
    }

    Moment MomentAt(double ajd) {
        return vemla::MomentAt(main_.Engine(), ajd, main_.CCT(), local_offset_);
    }

    // The values of the table's columns alone.
    Moment TableMomentAt(double ajd) {
        return vemla::TableMomentAt(main_.Engine(), lunations_, ajd, main_.CCT());
    }

    HanziDate HanziOf(const Moment& m) const {
        return HanziDateOf(m.chs, m.chl, DayNumberOf(AJDToCJDC(m.ajd, main_.Longitude())));
    }

  private:
    static std::string OneLine(std::string text) {
        text = CommandLineWording(std::move(text));
        for (char& c : text)
            if (c == '\n' || c == '\t') c = ' ';
        return text;
    }

    MainState& main_;
    const EntryOptions& defaults_;
    int local_offset_;
    LunationCache lunations_;
};

void AppendTsv(std::string& out, const Moment& m) {
    for (int calendar : {kCalCE, kCalJC, kCalCHL, kCalCHS, kCalAJD}) {
        out += m.rows[calendar];
        out += '\t';
    }
    for (const std::string* text : {&m.year, &m.month, &m.day, &m.moon_phase}) {
        out += *text;
        out += '\t';
    }
}

}  // namespace

int ConvertBatch(Session& session, std::istream& in, BatchFormat format,
                 const EntryOptions& defaults) {
    LineConverter converter(session, defaults);
    std::ostream& out = session.Out();
    const bool hanzi = session.Options().hanzi;
    if (format == BatchFormat::kTsv)
        out << kTsvColumns << (hanzi ? kTsvHanziColumns : "") << "error\n";
    bool failed = false;
    std::string line, record;
    for (long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const LineResult result = converter.Convert(line);
        failed = failed || !result.error.empty();
        record.clear();
        if (format == BatchFormat::kJson) {
            nlohmann::json object = nlohmann::json{{"error", result.error}};
            if (result.error.empty()) {
                const Moment moment = converter.MomentAt(result.ajd);
                object = MomentJson(moment);
                if (hanzi) object["hanzi"] = HanziJson(converter.HanziOf(moment));
            }
            object["line"] = number;
            record = object.dump();
        } else {
            record = std::to_string(number) + '\t';
            if (result.error.empty()) {
                const Moment moment = converter.TableMomentAt(result.ajd);
                AppendTsv(record, moment);
                if (hanzi) {
                    const HanziDate h = converter.HanziOf(moment);
                    record += h.chl + '\t' + h.chs + '\t';
                }
            } else {
                record.append(hanzi ? 11 : 9, '\t') += result.error;
            }
        }
        record += '\n';
        out << record;
    }
    return failed ? kExitRefused : kExitOk;
}

}  // namespace vemla
