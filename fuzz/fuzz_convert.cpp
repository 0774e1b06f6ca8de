// The main window's date entry as the user drives it: settings, typed boxes,
// Convert, then a click on a displayed date and Convert again, then saving
// the state.
//
// Input: DATE \n TIME \n PLUS/MINUS \n ABBREVIATION \n OPTIONS, where the
// option bytes choose the zone, element and animal boxes, the current
// calendar, the time zone of the machine, epoch, method and meridian, plus or
// minus, the row clicked and the moment displayed beforehand.
//
// Properties: whatever is typed, the displayed moment stays finite and inside
// the admissible range; a refused entry changes nothing and says why with one
// of the program's messages; a date shown and clicked converts back to the
// same captions; and the state the window is left in saves to a state file
// that reads back to the same text.
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <set>
#include <string>
#include <vector>

#include "app/date_entry.h"
#include "app/fake_user_interface.h"
#include "app/main_state.h"
#include "app/state_file.h"
#include "fuzz_check.h"

using namespace vemla;
using vemla::fuzz::Escaped;

namespace {

constexpr const char* kTimeZones[] = {"UTC0", "CST-8", "NST+3:30", "CHAST-12:45"};

void UseTimeZone(int index) {
    static int current = -1;
    if (index == current) return;
    setenv("TZ", kTimeZones[index], 1);
    tzset();
    current = index;
}

bool IsCalendarRow(int row) {
    return row == kCalCE || row == kCalJC || row == kCalCHL || row == kCalCHS || row == kCalCEX;
}

// The captions a click on `row` and Convert must leave as they were.
std::vector<std::string> Captions(const MainState& state, int row) {
    std::vector<std::string> captions;
    if (IsCalendarRow(row))
        for (int i : {int{kCalCE}, int{kCalJC}, int{kCalCHL}, int{kCalCHS}, int{kCalCEX}})
            captions.push_back(state.ValueCaption(i));
    else
        captions.push_back(state.ValueCaption(row));
    return captions;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts) out += "\"" + Escaped(t) + "\" ";
    return out;
}

std::string MessagesOf(const test::FakeUserInterface& ui) {
    std::string out;
    for (const auto& m : ui.messages) out += "[" + Escaped(m.title) + ": " + Escaped(m.text) + "] ";
    return out;
}

const std::set<std::string>& RefusalTexts() {
    static const std::set<std::string> texts = [] {
        std::set<std::string> t;
        for (int error = kNoDate; error <= kTooEarly; ++error) t.insert(ParseErrorText(error));
        t.insert(std::string(kTooEarlyText));
        t.insert(std::string(kTooLateText));
        return t;
    }();
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static test::FakeUserInterface ui;
    static MainState* state = [] {
        UseTimeZone(0);
        auto* s = new MainState(ui);
        s->Startup();
        return s;
    }();
    MainState& m = *state;
    const auto fields = fuzz::Fields({reinterpret_cast<const char*>(data), size}, '\n', 5);
    const fuzz::Options options(fields[4]);
    const std::string what = "date \"" + Escaped(fields[0]) + "\" time \"" + Escaped(fields[1]) +
                             "\" plus/minus \"" + Escaped(fields[2]) + "\" abbreviation \"" +
                             Escaped(fields[3]) + "\" options \"" + Escaped(fields[4]) + "\": ";

    // The settings, from the defaults every time.
    UseTimeZone(options.Pick(4, 4, 1));
    m.MutableAbbreviations() = DefaultAbbreviations();
    m.SetEpochIndex(options.Pick(5, 2, 0));
    m.SetMethodIndex(options.Pick(6, 2, 0));
    m.SetLongitudeIndex(options.Pick(7, kLongitudeItemCount, 20));
    if (!fields[3].empty()) m.CommitAbbreviation(fields[3]);
    m.SetPlus(options.Pick(8, 2, 0) == 0);
    m.SetCurrentAJD(kMinAJDate + options.Fraction(10, 0.7) * (kMaxAJDate - kMinAJDate));
    m.DisplayAll();
    m.SetCalendar(options.Pick(3, kCalendarCount, kCalCHL));
    ui.messages.clear();

    // The boxes as typed, then Convert.
    m.SetDateText(std::string(fields[0]));
    m.SetTimeText(std::string(fields[1]));
    m.SetTimeZoneIndex(options.Pick(0, 4, 0) - 1);
    if (m.View().control(Control::kElement).enabled)
        m.SelectElement(options.Pick(1, kNoElement + 1, kNoElement));
    if (m.View().control(Control::kAnimal).enabled)
        m.SelectAnimal(options.Pick(2, kNoAnimal + 1, kNoAnimal));
    m.SetPlusMinusText(std::string(fields[2]));
    const double before = m.CurrentAJD();
    m.Convert();

    const double after = m.CurrentAJD();
    FUZZ_CHECK(std::isfinite(after) && after >= kMinAJDate && after <= kMaxAJDate,
               what + "moment " + std::to_string(after));
    FUZZ_CHECK(ui.messages.size() <= 1, what + MessagesOf(ui));
    if (!ui.messages.empty()) {
        const std::string& text = ui.messages[0].text;
        const bool refused = RefusalTexts().count(text) > 0;
        FUZZ_CHECK(refused || text == kUnchangedText, what + MessagesOf(ui));
        if (refused) FUZZ_CHECK(after == before, what + MessagesOf(ui) + "yet the moment changed");
    } else {
        FUZZ_CHECK(after != before, what + "unchanged without a word");
    }

    // A displayed date clicked and converted again: the moment moves by less
    // than the rounding of what was shown (half a minute, or half the last
    // decimal of a Julian date), and every caption reads as before. A time
    // shown as 24:00 (23:59:31 and later, or a hair before midnight after a
    // conversion through another zone) is the exception: 24:00 of one day
    // and 00:00 of the next are the same minute.
    const int row = options.Pick(9, kCalendarCount, kCalCE);
    const std::vector<std::string> shown = Captions(m, row);
    const double shown_moment = m.CurrentAJD();
    ui.messages.clear();
    m.SetPlusMinusText("");
    m.ClickDateRow(row, 1);
    const std::string clicked = "row " + std::to_string(row) + " showing " + Joined(shown) +
                                "entered as \"" + Escaped(m.View().date_text) + "\" \"" +
                                Escaped(m.View().time_text) + "\": ";
    m.Convert();
    const double moved_seconds = std::fabs(m.CurrentAJD() - shown_moment) * 86400.0;
    FUZZ_CHECK(moved_seconds <= (IsCalendarRow(row) ? 31.0 : 4.33),
               what + clicked + "moved " + std::to_string(moved_seconds) + " s" + MessagesOf(ui));
    const std::vector<std::string> now_shown = Captions(m, row);
    for (std::size_t i = 0; i < shown.size(); ++i)
        FUZZ_CHECK(now_shown[i] == shown[i] || shown[i].find(" 24:00 ") != std::string::npos ||
                       now_shown[i].find(" 24:00 ") != std::string::npos,
                   what + clicked + "now shows " + Joined(now_shown) + MessagesOf(ui));
    bool midnight_shown = false;
    for (const auto* captions : {&shown, &now_shown})
        for (const std::string& caption : *captions)
            midnight_shown = midnight_shown || caption.find(" 24:00 ") != std::string::npos;
    if (IsCalendarRow(row) && !midnight_shown)
        FUZZ_CHECK(ui.messages.size() == 1 && ui.messages[0].text == kUnchangedText,
                   what + clicked + MessagesOf(ui));
    else
        FUZZ_CHECK(ui.messages.empty() ||
                       (ui.messages.size() == 1 && ui.messages[0].text == kUnchangedText),
                   what + clicked + MessagesOf(ui));
    FUZZ_CHECK(m.Calendar() == row, what + clicked);

    // Whatever state the window is in saves to a file that restores.
    const std::string saved = FormatStateFile(CaptureState(
        m.CurrentAJD(), m.Calendar(), m.CurrentSettings(), m.LogPrefs(), m.Abbreviations()));
    const ParsedState restored = ParseStateFile(saved);
    FUZZ_CHECK(restored, what + "the saved state does not restore: line " +
                             std::to_string(restored.line) + ", " + restored.reason + ": \"" +
                             Escaped(saved) + "\"");
    FUZZ_CHECK(FormatStateFile(*restored.state) == saved, what);
    return 0;
}
