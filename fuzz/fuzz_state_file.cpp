// The state-file reader, and the restoring of what it accepts.
//
// Input: the content of a state file.
//
// Properties: a text the reader accepts writes back line for line the same
// (CR LF line ends; a number may only change its spelling, not its value);
// what is written reads back to the same text; and applied to the program,
// the state displays without a message and is captured again exactly as
// read. A refusal names a line from 0 to 74.
#include <charconv>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/fake_user_interface.h"
#include "app/state_file.h"
#include "common/strproc.h"
#include "fuzz_check.h"

using namespace vemla;
using vemla::fuzz::Escaped;

namespace {

bool SameNumber(std::string_view a, std::string_view b) {
    double x = 0, y = 0;
    auto [end_a, ec_a] = std::from_chars(a.data(), a.data() + a.size(), x);
    auto [end_b, ec_b] = std::from_chars(b.data(), b.data() + b.size(), y);
    return ec_a == std::errc() && ec_b == std::errc() && end_a == a.data() + a.size() &&
           end_b == b.data() + b.size() && x == y;
}

Application& App(test::FakeUserInterface& ui) {
    static std::unique_ptr<Application> app = [&ui] {
        auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::nullopt});
        if (!std::holds_alternative<std::unique_ptr<Application>>(made)) {
            std::fprintf(stderr, "no program texts in %s\n", VEMLA_SOURCE_DATA_DIR);
            std::abort();
        }
        auto created = std::move(std::get<std::unique_ptr<Application>>(made));
        created->Startup();
        return created;
    }();
    return *app;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static test::FakeUserInterface ui;
    Application& app = App(ui);
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ParsedState parsed = ParseStateFile(text);
    if (!parsed) {
        FUZZ_CHECK(
            parsed.line >= 0 && parsed.line <= kStateFileLineCount + 1 && !parsed.reason.empty(),
            "\"" + Escaped(text) + "\" refused at line " + std::to_string(parsed.line));
        return 0;
    }
    const std::string what = "\"" + Escaped(text) + "\": ";
    const SavedState& state = *parsed.state;
    FUZZ_CHECK(
        std::isfinite(state.moment) && state.moment >= kMinAJDate && state.moment <= kMaxAJDate,
        what);

    const std::string written = FormatStateFile(state);
    // Split as the reader splits them.
    const auto in = SplitLines(text);
    const auto out = SplitLines(written);
    FUZZ_CHECK(
        in.size() == static_cast<std::size_t>(kStateFileLineCount) && out.size() == in.size(),
        what + std::to_string(in.size()) + " lines read, " + std::to_string(out.size()) +
            " written");
    for (std::size_t i = 0; i < in.size(); ++i)
        FUZZ_CHECK(in[i] == out[i] || SameNumber(in[i], out[i]),
                   what + "line " + std::to_string(i + 1) + " \"" + Escaped(in[i]) +
                       "\" written as \"" + Escaped(out[i]) + "\"");
    const ParsedState again = ParseStateFile(written);
    FUZZ_CHECK(again && FormatStateFile(*again.state) == written,
               what + "written as \"" + Escaped(written) + "\"");

    // Restored into the program and saved again.
    ui.messages.clear();
    app.ApplyState(state, true);
    MainState& m = app.Main();
    m.DisplayAll();
    FUZZ_CHECK(ui.messages.empty(),
               what + "shows \"" + (ui.messages.empty() ? "" : ui.messages[0].text) + "\"");
    const std::string captured = FormatStateFile(CaptureState(
        m.CurrentAJD(), m.Calendar(), m.CurrentSettings(), m.LogPrefs(), m.Abbreviations()));
    FUZZ_CHECK(captured == written, what + "restored and saved as \"" + Escaped(captured) + "\"");
    return 0;
}
