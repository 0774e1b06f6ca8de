#include "cli/session.h"

#include <algorithm>
#include <map>

#include "app/state_file_io.h"
#include "cli/moment_output.h"
#include "engine/cycles.h"

namespace vemla {
namespace {

// Index of a name in the element or animal box, or the empty last item.
template <size_t N>
int IndexOf(const std::array<std::string_view, N>& names, const std::string& name) {
    for (size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    return static_cast<int>(N);
}

// The window's messages that point at its controls, in the command line's
// terms; every other message reads the same in both.
const std::map<std::string, std::string> kCommandLineWording = {
    {"Specify element-animal using the drop-down boxes.",
     "Specify the year's element and animal with --element and --animal."},
};

}  // namespace

int EntryCalendar(std::string_view entry, std::string_view default_code) {
    const size_t end = entry.find_last_not_of(" \t");
    if (end == std::string_view::npos) return GetCalendar(default_code);
    size_t start = end + 1;
    while (start > 0 && std::isalpha(static_cast<unsigned char>(entry[start - 1]))) --start;
    std::string code(entry.substr(start, end + 1 - start));
    for (char& ch : code) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const int calendar = GetCalendar(code);
    if (calendar >= 0) return calendar;
    std::string fallback(default_code);
    for (char& ch : fallback) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return GetCalendar(fallback);
}

std::string WithUnixLineEnds(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

int Session::Start(const std::filesystem::path& program_folder) {
    auto made = Application::Create(ui_, {program_folder, std::nullopt});
    if (auto* message = std::get_if<std::string>(&made)) {
        err_ << WithUnixLineEnds(*message) << "\n";
        return kExitRefused;
    }
    app_ = std::move(std::get<std::unique_ptr<Application>>(made));
    app_->Startup();
    MainState& m = app_->Main();
    // A fresh start's calendar is the lunar one, the window's choice; on the
    // command line an entry without a code is a CE date unless told otherwise.
    m.SetCalendar(kCalCE);
    if (options_.state_file) {
        auto read = ReadStateFile(*options_.state_file);
        ParsedState parsed;
        if (auto* text = std::get_if<std::string>(&read)) parsed = ParseStateFile(*text);
        if (!parsed) {
            err_ << "Unable to restore the saved state.\n";
            return kExitRefused;
        }
        app_->ApplyState(*parsed.state, true);
    }
    if (options_.calendar) {
        std::string code = *options_.calendar;
        std::transform(code.begin(), code.end(), code.begin(), ::toupper);
        m.SetCalendar(GetCalendar(code));
    }
    if (options_.epoch) m.SetEpochIndex(*options_.epoch == kEpochHuangdi ? 0 : 1);
    if (options_.method) m.SetMethodIndex(*options_.method == "mean" ? 1 : 0);
    if (options_.longitude) m.SetLongitudeIndex(*options_.longitude - kMinLongitude);
    if (options_.abbreviation) m.CommitAbbreviation(*options_.abbreviation);
    ApplyLogOptions(options_, m.LogPrefs());
    m.DisplayAll();
    ui_.TakeMessages();
    return kExitOk;
}

bool Session::ReportMessages() {
    bool any = false;
    for (const auto& message : ui_.TakeMessages()) {
        const auto reworded = kCommandLineWording.find(message.text);
        err_ << WithUnixLineEnds(reworded != kCommandLineWording.end() ? reworded->second
                                                                       : message.text)
             << "\n";
        any = true;
    }
    return any;
}

int Session::Enter(const EntryOptions& e) {
    MainState& m = app_->Main();
    m.SetDateText(e.entry);
    if (e.element) m.SelectElement(IndexOf(kElementNames, *e.element));
    if (e.animal) m.SelectAnimal(IndexOf(kAnimalNames, *e.animal));
    if (e.time) m.SetTimeText(*e.time);
    if (e.plus || e.minus) {
        m.SetPlus(e.plus.has_value());
        m.SetPlusMinusText(e.plus ? *e.plus : *e.minus);
    }
    m.Convert();
    return ReportMessages() ? kExitRefused : kExitOk;
}

void Session::Print() {
    MainState& m = app_->Main();
    std::string log;
    if (options_.log) {
        // Each displayed moment adds one entry; only the new text is printed.
        const size_t printed = app_->Log().Text().size();
        app_->Log().AddToLog(app_->MakeLogContext(), m.Engine(), m.LogPrefs());
        log = WithUnixLineEnds(app_->Log().Text().substr(printed));
    }
    if (options_.json) {
        nlohmann::json object = MomentJson(m);
        if (options_.log) object["log"] = log;
        out_ << object.dump() << "\n";
    } else if (options_.log) {
        out_ << log;
    } else {
        out_ << MomentText(m);
    }
}

}  // namespace vemla
