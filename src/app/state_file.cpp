#include "app/state_file.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>
#include <vector>

#include "common/strproc.h"

namespace vemla {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendNumber(std::string& out, double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec == std::errc()) out.append(buffer, end);  // 64 bytes hold any double
    out += kLineEnd;
}

void AppendNumber(std::string& out, int value) {
    char buffer[16];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec == std::errc()) out.append(buffer, end);
    out += kLineEnd;
}

void AppendBoolean(std::string& out, bool value) {
    AppendNumber(out, value ? -1 : 0);
}
void AppendCheckValue(std::string& out, bool value) {
    AppendNumber(out, value ? 1 : 0);
}

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    out += text;
    out += '"';
    out += kLineEnd;
}

// Reads the lines in order. After the first fault every read yields a
// neutral value and the fault stays the one reported.
class LineReader {
  public:
    explicit LineReader(const std::vector<std::string_view>& lines) : lines_(lines) {}

    bool Ok() const { return fault_line_ == 0; }
    int FaultLine() const { return fault_line_; }
    const std::string& Reason() const { return reason_; }

    double Moment() {
        std::string_view line = Next();
        double value = 0;
        if (!Ok()) return value;
        auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
        if (ec != std::errc() || end != line.data() + line.size())
            Fail("displayed moment is not a number");
        else if (!InEngineMoments(value))
            Fail("displayed moment is outside the engine's years");
        return value;
    }

    // A list index 0..count-1.
    int Index(std::string_view what, std::size_t count) {
        int value = Integer(what);
        if (Ok() && (value < 0 || static_cast<std::size_t>(value) >= count))
            Fail(std::string(what) + " is outside its list");
        return Ok() ? value : 0;
    }

    int EpochYear() {
        int value = Integer("epoch");
        if (Ok() && value != kEpochHuangdi && value != kEpochAlternative)
            Fail("epoch is neither -2696 nor -2636");
        return Ok() ? value : kEpochHuangdi;
    }

    // -1 true, 0 false.
    bool Boolean(std::string_view what) {
        int value = Integer(what);
        if (Ok() && value != -1 && value != 0) Fail(std::string(what) + " is neither -1 nor 0");
        return Ok() && value == -1;
    }

    // 1 checked, 0 unchecked.
    bool CheckValue(std::string_view what) {
        int value = Integer(what);
        if (Ok() && value != 0 && value != 1) Fail(std::string(what) + " is neither 0 nor 1");
        return Ok() && value == 1;
    }

    std::string Abbreviation() {
        std::string_view line = Next();
        if (!Ok()) return {};
        if (line.size() < 2 || line.front() != '"' || line.back() != '"') {
            Fail("abbreviation is not a quoted text");
            return {};
        }
        std::string_view text = line.substr(1, line.size() - 2);
        if (!IsStorableAbbreviation(text)) {
            Fail("abbreviation is not three printable characters");
            return {};
        }
        return std::string(text);
    }

  private:
    std::string_view Next() {
        if (!Ok()) return {};
        ++current_;
        if (current_ > static_cast<int>(lines_.size())) {
            Fail("the file ends early");
            return {};
        }
        std::string_view line = lines_[current_ - 1];
        if (line.size() > kMaxStateLineLength) Fail("line too long");
        return line;
    }

    int Integer(std::string_view what) {
        std::string_view line = Next();
        int value = 0;
        if (!Ok()) return value;
        auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
        if (ec != std::errc() || end != line.data() + line.size() || line.empty())
            Fail(std::string(what) + " is not a whole number");
        return value;
    }

    void Fail(std::string reason) {
        if (!Ok()) return;
        fault_line_ = current_;
        reason_ = std::move(reason);
    }

    const std::vector<std::string_view>& lines_;
    int current_ = 0;  // 1-based number of the line last read
    int fault_line_ = 0;
    std::string reason_;
};

constexpr std::array<std::string_view, LogPreferences::kCount> kLogBoxNames = {
    "log: verbose entries",
    "log: include Chinese terms",
    "log: view log after adding",
    "log: ChL",
    "log: ChS",
    "log: CJDC",
    "log: epoch, method, longitude",
    "log: CE",
    "log: JC",
    "log: CJDL",
    "log: AJD",
    "log: phase of Moon and illumination",
    "log: lunation and age of Moon"};

}  // namespace

SavedState CaptureState(double moment, int calendar, const Settings& settings,
                        const LogPreferences& log, const AbbreviationTable& abbreviations) {
    SavedState state;
    state.moment = moment;
    state.calendar = calendar;
    state.move_forward = settings.move_forward;
    state.plus = settings.plus;
    state.next = settings.next;
    state.move_step_index = settings.move_step_index;
    state.target_index = settings.target_index;
    state.refresh_period_index = settings.refresh_period_index;
    state.method_index = settings.method_index;
    state.epoch_year = settings.Epoch();
    state.log = log;
    state.show_local = settings.show_local;
    state.show_cjds = settings.show_cjds;
    state.auto_log = settings.auto_log;
    state.abbreviations = abbreviations;
    state.longitude_index = settings.longitude_index;
    return state;
}

std::string FormatStateFile(const SavedState& state) {
    std::string out;
    out.reserve(1024);
    AppendNumber(out, state.moment);
    AppendNumber(out, state.calendar);
    AppendBoolean(out, state.move_forward);
    AppendBoolean(out, state.plus);
    AppendBoolean(out, state.next);
    AppendNumber(out, state.move_step_index);
    AppendNumber(out, state.target_index);
    AppendNumber(out, state.refresh_period_index);
    AppendNumber(out, state.method_index);
    AppendNumber(out, state.epoch_year);
    for (bool value : state.log.Values()) AppendCheckValue(out, value);
    AppendCheckValue(out, state.show_local);
    AppendCheckValue(out, state.show_cjds);
    AppendCheckValue(out, state.auto_log);
    for (const std::string& abbreviation : state.abbreviations) AppendQuoted(out, abbreviation);
    AppendNumber(out, state.longitude_index);
    return out;
}

ParsedState ParseStateFile(std::string_view text) {
    if (text.size() > kMaxStateFileSize) return {std::nullopt, 0, "the text is too large"};
    // One line more than the file may hold is enough to refuse it.
    const std::vector<std::string_view> lines =
        SplitLines(text, static_cast<std::size_t>(kStateFileLineCount) + 1);
    LineReader in(lines);
    SavedState state;
    state.moment = in.Moment();
    state.calendar = in.Index("current calendar", kCalendarCodes.size());
    state.move_forward = in.Boolean("move forward");
    state.plus = in.Boolean("plus");
    state.next = in.Boolean("next");
    state.move_step_index = in.Index("move step", kMoveStepItems.size());
    state.target_index = in.Index("search target", kTargetItems.size());
    state.refresh_period_index = in.Index("refresh period", kRefreshPeriodItems.size());
    state.method_index = in.Index("method", kMethodItems.size());
    state.epoch_year = in.EpochYear();
    std::array<bool*, LogPreferences::kCount> boxes = state.log.Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) *boxes[i] = in.CheckValue(kLogBoxNames[i]);
    state.show_local = in.CheckValue("show local dates");
    state.show_cjds = in.CheckValue("show chronological JDs");
    state.auto_log = in.CheckValue("auto log");
    for (std::string& abbreviation : state.abbreviations) abbreviation = in.Abbreviation();
    state.longitude_index = in.Index("prime meridian", kLongitudeItemCount);
    if (!in.Ok()) return {std::nullopt, in.FaultLine(), in.Reason()};
    if (lines.size() > static_cast<std::size_t>(kStateFileLineCount))
        return {std::nullopt, kStateFileLineCount + 1, "more than 73 lines"};
    return {state, 0, {}};
}

bool IsStorableAbbreviation(std::string_view text) {
    int characters = 0;
    bool all_blanks = true;
    while (!text.empty()) {
        char32_t c;
        std::size_t length = DecodeUtf8(text, c);
        if (length == 0 || IsControlCharacter(c) || ++characters > 3) return false;
        if (c != U' ') all_blanks = false;
        text.remove_prefix(length);
    }
    return characters == 3 && !all_blanks;
}

}  // namespace vemla
