#include "cli/batch_convert.h"

#include "app/date_entry.h"
#include "cli/commands.h"
#include "cli/moment_output.h"
#include "engine/european.h"

namespace vemla {
namespace {

constexpr std::string_view kTsvHeader =
    "line\tCE\tJC\tCHL\tCHS\tAJD\tyear\tmonth\tday\tmoon\terror\n";

// The moment of one line, or the message that refuses it.
struct LineResult {
    double ajd = 0.0;
    std::string error;
};

class LineConverter {
  public:
    LineConverter(Session& session, const EntryOptions& defaults)
        : main_(session.Main()), defaults_(defaults), local_offset_(LocalOffsetMinutes()) {}

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
    if (format == BatchFormat::kTsv) out << kTsvHeader;
    bool failed = false;
    std::string line, record;
    for (long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const LineResult result = converter.Convert(line);
        failed = failed || !result.error.empty();
        record.clear();
        if (format == BatchFormat::kJson) {
            nlohmann::json object = result.error.empty()
                                        ? MomentJson(converter.MomentAt(result.ajd))
                                        : nlohmann::json{{"error", result.error}};
            object["line"] = number;
            record = object.dump();
        } else {
            record = std::to_string(number) + '\t';
            if (result.error.empty())
                AppendTsv(record, converter.MomentAt(result.ajd));
            else
                record.append(9, '\t') += result.error;
        }
        record += '\n';
        out << record;
    }
    return failed ? kExitRefused : kExitOk;
}

}  // namespace vemla
