#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>

#include "app/application.h"
#include "app/list_window.h"
#include "app/mover.h"
#include "app/searcher.h"
#include "app/state_file_io.h"
#include "cli/calendar_output.h"
#include "cli/moment_output.h"
#include "cli/terminal_ui.h"

namespace vemla {
namespace {

struct GlobalOptions {
    std::optional<int> epoch;
    std::optional<std::string> method;
    std::optional<int> longitude;
    std::optional<std::string> abbreviation;
    std::optional<std::string> state_file;
    bool json = false;
    bool log = false;
    std::optional<std::string> log_items;
    bool expanded = false, compact = false;
    bool chinese_terms = false, no_chinese_terms = false;
};

struct MoveOptions {
    std::string step;
    bool back = false;
    int count = 1;
    bool keep_30th = false, keep_leap = false;
};

// Index of a combo-box item named case-insensitively, or -1.
template <size_t N>
int ItemIndex(const std::array<std::string_view, N>& items, const std::string& name) {
    auto lower = [](std::string_view text) {
        std::string out(text);
        for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    for (size_t i = 0; i < N; ++i)
        if (lower(items[i]) == lower(name)) return static_cast<int>(i);
    return -1;
}

struct SearchOptions {
    std::string target;
    bool previous = false;
    int count = 1;
    CalendarOptions calendar;
    std::optional<std::string> element, animal;
};

struct ListOptions {
    std::string kind;
    std::optional<std::string> years;
    bool leap_only = false, omit_invalid = false, julian = false;
    bool major = false, no_major = false, minor = false, names = false;
    CalendarOptions calendar;
};

struct ConvertOptions {
    std::string entry;
    std::optional<std::string> time;
    std::optional<std::string> zone;
    std::optional<std::string> plus, minus;
    std::optional<std::string> calendar;
    std::optional<std::string> element, animal;
};

// Index of a name in a list of names, for the element and animal boxes.
template <size_t N>
int IndexOf(const std::array<std::string_view, N>& names, const std::string& name) {
    for (size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    return static_cast<int>(N);  // the empty last item
}

template <size_t N>
std::vector<std::string> Names(const std::array<std::string_view, N>& names) {
    return {names.begin(), names.end()};
}

// Log items by their command-line names.
const std::map<std::string, bool LogPreferences::*> kLogItems = {
    {"chl", &LogPreferences::include_chl},   {"chs", &LogPreferences::include_chs},
    {"cjdc", &LogPreferences::include_cjdc}, {"epoch", &LogPreferences::epoch_etc},
    {"ce", &LogPreferences::include_ce},     {"jc", &LogPreferences::include_jc},
    {"cjdl", &LogPreferences::include_cjdl}, {"ajd", &LogPreferences::include_ajd},
    {"phase", &LogPreferences::phase_and_illumination},
    {"lunation", &LogPreferences::lunation_and_age}};

std::string WithUnixLineEnds(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

class Run {
public:
    Run(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // Prints the program's messages; true when one of them refuses the action.
    bool ReportMessages() {
        bool refused = false;
        for (const auto& message : ui_.TakeMessages()) {
            err_ << WithUnixLineEnds(message.text) << "\n";
            if (message.text != "Calendar dates unchanged.") refused = true;
        }
        return refused;
    }

    int Start(const std::filesystem::path& program_folder, const GlobalOptions& options) {
        auto made = Application::Create(ui_, {program_folder, std::nullopt});
        if (auto* message = std::get_if<std::string>(&made)) {
            err_ << WithUnixLineEnds(*message) << "\n";
            return kExitRefused;
        }
        app_ = std::move(std::get<std::unique_ptr<Application>>(made));
        app_->Startup();
        MainState& m = app_->Main();
        if (options.state_file) {
            auto read = ReadStateFile(*options.state_file);
            ParsedState parsed;
            if (auto* text = std::get_if<std::string>(&read)) parsed = ParseStateFile(*text);
            if (!parsed) {
                err_ << "Unable to restore the saved state.\n";
                return kExitRefused;
            }
            app_->ApplyState(*parsed.state, true);
        }
        if (options.epoch) m.SetEpochIndex(*options.epoch == kEpochHuangdi ? 0 : 1);
        if (options.method) m.SetMethodIndex(*options.method == "mean" ? 1 : 0);
        if (options.longitude) m.SetLongitudeIndex(*options.longitude - kMinLongitude);
        if (options.abbreviation) m.CommitAbbreviation(*options.abbreviation);
        ApplyLogOptions(options);
        m.DisplayAll();
        ui_.TakeMessages();
        return kExitOk;
    }

    int Convert(const ConvertOptions& c) {
        MainState& m = app_->Main();
        if (c.calendar) m.SetCalendar(GetCalendar(*c.calendar));
        m.SetDateText(c.entry);
        // The year's element and animal for a lunar date whose position is "?".
        if (c.element) m.SelectElement(IndexOf(kElementNames, *c.element));
        if (c.animal) m.SelectAnimal(IndexOf(kAnimalNames, *c.animal));
        if (c.time) m.SetTimeText(*c.time);
        if (c.zone) {
            static const std::map<std::string, int> kZones = {
                {"gmt", kZoneGMT}, {"meridian", kZoneMeridian}, {"local", kZoneLocal}};
            m.SetTimeZoneIndex(kZones.at(*c.zone));
        }
        if (c.plus || c.minus) {
            m.SetPlus(c.plus.has_value());
            m.SetPlusMinusText(c.plus ? *c.plus : *c.minus);
        }
        m.Convert();
        return ReportMessages() ? kExitRefused : kExitOk;
    }

    // Moves the displayed moment `count` times, printing it after each step.
    int Move(const MoveOptions& move, const GlobalOptions& options) {
        Mover& mover = app_->Mover();
        MainState& m = app_->Main();
        mover.SelectDirection(!move.back);
        mover.SelectStep(ItemIndex(kMoveStepItems, move.step));
        // Several steps are a repeated move: the keep options apply to runs,
        // and are decided once, from the date the run starts on.
        const bool run = move.count > 1;
        mover.SetRepeatedly(run);
        mover.SetKeep30th(move.keep_30th);
        mover.SetKeepLeap(move.keep_leap);
        m.SetRepeat(run);
        int code = kExitOk;
        for (int i = 0; i < move.count && code == kExitOk; ++i) {
            const StepResult result = mover.MoveStep();
            if (ReportMessages() || result != StepResult::kMoved)
                code = kExitRefused;
            else
                Print(options);
        }
        m.SetRepeat(false);
        return code;
    }

    // Searches `count` times for the next or previous event and prints each
    // moment found, or with --ics the calendar of them all.
    int Search(const SearchOptions& search, const GlobalOptions& options) {
        MainState& m = app_->Main();
        const int target = ItemIndex(kTargetItems, search.target);
        m.SelectTarget(target);
        m.SetNext(!search.previous);
        if (search.element) m.SelectElement(IndexOf(kElementNames, *search.element));
        if (search.animal) m.SelectAnimal(IndexOf(kAnimalNames, *search.animal));
        if (search.calendar.ics && search.count > kMaxCalendarEvents) {
            err_ << TooManyEventsMessage(search.count) << "\n";
            return kExitRefused;
        }
        std::vector<ListRow> rows;
        for (int i = 0; i < search.count; ++i) {
            const double before = m.CurrentAJD();
            app_->Searcher().Search();
            if (ReportMessages() || m.CurrentAJD() == before) return kExitRefused;
            if (search.calendar.ics)
                rows.push_back(SearchResultRow(m.Engine(), target, m.CurrentAJD(), i));
            else
                Print(options);
        }
        if (!search.calendar.ics) return kExitOk;
        return PrintCalendar(
            MakeCalendar(rows,
                         ExportSettingsOf(m.Engine(), "Vemla: " + std::string(kTargetItems[target]),
                                          m.CCT()),
                         ui_.CurrentAJD()),
            search.calendar, out_, err_);
    }

    // The anniversaries of the displayed lunar date, as a list or a calendar.
    int Anniversaries(const AnniversaryOptions& a) {
        if (a.years < 1 || a.years > kMaxListYears) {
            err_ << "The number of years must be from 1 to 32,767.\n";
            return kExitRefused;
        }
        ListWindow& lists = app_->Lists();
        lists.SetOmitInvalidDates(a.omit_invalid);
        lists.SetJulianCalendar(a.julian);
        lists.OpenList(ListKind::kLunarNewYears, std::to_string(a.years));
        if (ReportMessages()) return kExitRefused;
        if (a.calendar_file.ics) return PrintCalendar(lists.Calendar(), a.calendar_file, out_, err_);
        out_ << WithUnixLineEnds(lists.View().text);
        return kExitOk;
    }

    // Prints what the list window would show.
    int List(const ListOptions& list) {
        ListWindow& lists = app_->Lists();
        lists.SetLeapMonthsOnly(list.leap_only);
        lists.SetOmitInvalidDates(list.omit_invalid);
        lists.SetJulianCalendar(list.julian);
        if (list.major) lists.SetIncludeMajorTerms(true);
        if (list.no_major) lists.SetIncludeMajorTerms(false);
        if (list.minor) lists.SetIncludeMinorTerms(true);
        if (list.names) lists.SetDisplayTermNames(true);
        const std::string years = list.years.value_or("");
        if (list.kind == "year-data")
            lists.ShowYearData();
        else if (list.kind == "new-years")
            lists.OpenList(ListKind::kLunarNewYears, years);
        else if (list.kind == "leap-months")
            lists.OpenList(ListKind::kMonthStarts, years);
        else
            lists.OpenList(ListKind::kNewYears, years);
        if (ReportMessages()) return kExitRefused;
        if (list.calendar.ics) return PrintCalendar(lists.Calendar(), list.calendar, out_, err_);
        out_ << WithUnixLineEnds(lists.View().text);
        return kExitOk;
    }

    // The round-trip self-test: a random run, or one typed date.
    int SelfTest(std::optional<std::string> date, std::optional<uint64_t> seed) {
        ListWindow& lists = app_->Lists();
        if (date) {
            // One typed date, as Enter in the window's start box tests it.
            lists.SetStartText(*date);
            lists.DoTest();
        } else {
            lists.OpenSelfTest(seed);
        }
        const std::string text = WithUnixLineEnds(lists.View().text);
        out_ << text << (text.empty() || text.back() == '\n' ? "" : "\n");
        // A refused date or a failed round trip is reported in the text itself.
        const bool failed = text.find("Error code =") != std::string::npos || text.find(" but\n") != std::string::npos;
        return ReportMessages() || failed ? kExitRefused : kExitOk;
    }

    void Print(const GlobalOptions& options) {
        MainState& m = app_->Main();
        std::string log;
        if (options.log) {
            // Each displayed moment adds one entry; only the new text is printed.
            const size_t printed = app_->Log().Text().size();
            app_->Log().AddToLog(app_->MakeLogContext(), m.Engine(), m.LogPrefs());
            log = WithUnixLineEnds(app_->Log().Text().substr(printed));
        }
        if (options.json) {
            nlohmann::json object = MomentJson(m);
            if (options.log) object["log"] = log;
            out_ << object.dump() << "\n";
        } else if (options.log) {
            out_ << log;
        } else {
            out_ << MomentText(m);
        }
    }

private:
    void ApplyLogOptions(const GlobalOptions& options) {
        LogPreferences& prefs = app_->Main().LogPrefs();
        if (options.log_items) {
            for (const auto& [name, member] : kLogItems) prefs.*member = false;
            std::string items = *options.log_items;
            size_t start = 0;
            while (start <= items.size()) {
                size_t comma = items.find(',', start);
                std::string item = items.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
                if (auto found = kLogItems.find(item); found != kLogItems.end()) prefs.*(found->second) = true;
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
        }
        if (options.expanded) prefs.verbose = true;
        if (options.compact) prefs.verbose = false;
        if (options.chinese_terms) prefs.include_ganzhi = true;
        if (options.no_chinese_terms) prefs.include_ganzhi = false;
    }

    std::ostream& out_;
    std::ostream& err_;
    TerminalUserInterface ui_;
    std::unique_ptr<Application> app_;
};

// Checks that a comma-separated list names only known log items.
std::string CheckLogItems(const std::string& items) {
    size_t start = 0;
    while (true) {
        size_t comma = items.find(',', start);
        std::string item = items.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!kLogItems.count(item)) return "unknown log item '" + item + "'";
        if (comma == std::string::npos) return "";
        start = comma + 1;
    }
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const std::filesystem::path& program_folder,
                   std::ostream& out, std::ostream& err) {
    CLI::App app{"Vemla: one moment in the Common Era, Julian and Chinese calendars, Julian dates and "
                 "the Moon's phase.",
                 "vemla-cli"};
    app.require_subcommand(1);
    GlobalOptions options;
    app.add_option("--epoch", options.epoch, "Year of position 1 of cycle 1: -2696 or -2636")
        ->check(CLI::IsMember({kEpochHuangdi, kEpochAlternative}));
    app.add_option("--method", options.method, "Solar terms from the true or the mean Sun: true or mean")
        ->check(CLI::IsMember({"true", "mean"}));
    app.add_option("--longitude", options.longitude, "Prime meridian of the Chinese calendar, 100 to 145 degrees East")
        ->check(CLI::Range(kMinLongitude, kMaxLongitude));
    app.add_option("--abbreviation", options.abbreviation,
                   "Name shown for the prime meridian's time (three characters kept)");
    app.add_option("--state", options.state_file, "Take the settings and the moment from this saved state file");
    app.add_flag("--json", options.json, "Print one JSON object instead of text");
    app.add_flag("--log", options.log, "Print the log entry that Add to log would write");
    app.add_option("--log-items", options.log_items,
                   "Comma-separated log lines: chl, chs, cjdc, epoch, ce, jc, cjdl, ajd, phase, lunation")
        ->check([](const std::string& items) { return CheckLogItems(items); });
    auto* expanded = app.add_flag("--expanded", options.expanded, "Expanded log entries");
    app.add_flag("--compact", options.compact, "Compact log entries")->excludes(expanded);
    auto* terms = app.add_flag("--chinese-terms", options.chinese_terms, "Chinese terms in expanded entries");
    app.add_flag("--no-chinese-terms", options.no_chinese_terms, "No Chinese terms in expanded entries")
        ->excludes(terms);

    ConvertOptions convert;
    CLI::App* convert_cmd = app.add_subcommand(
        "convert", "Show a typed date: 2024-02-10 CE, 79-41-01-01 CHL, 79-41-04-07 CHS, 2460351.5 CJDL ...");
    convert_cmd->add_option("entry", convert.entry, "The date as typed in the date box")->required();
    convert_cmd->add_option("--time", convert.time, "Time of day, HH:MM");
    convert_cmd->add_option("--zone", convert.zone, "Zone of the time: gmt, meridian or local")
        ->check(CLI::IsMember({"gmt", "meridian", "local"}));
    auto* plus = convert_cmd->add_option("--plus", convert.plus, "Days to add");
    convert_cmd->add_option("--minus", convert.minus, "Days to subtract")->excludes(plus);
    convert_cmd->add_option("--calendar", convert.calendar, "Calendar of an entry without a code (CE, JC, CHL ...)")
        ->check(CLI::IsMember({"CE", "JC", "CHL", "CHS", "AJD", "CJDC", "CJDL", "CJDX", "CEX"}));
    convert_cmd->add_option("--element", convert.element, "Element of the year of a CHL entry with position ?")
        ->check(CLI::IsMember(Names(kElementNames)));
    convert_cmd->add_option("--animal", convert.animal, "Animal of the year of a CHL entry with position ?")
        ->check(CLI::IsMember(Names(kAnimalNames)));
    app.add_subcommand("now", "Show the present moment");

    MoveOptions move;
    std::optional<std::string> move_from;
    std::vector<std::string> step_names(kMoveStepItems.begin(), kMoveStepItems.end());
    CLI::App* move_cmd = app.add_subcommand("move", "Move the moment by a step and show it after each step");
    move_cmd->add_option("step", move.step, "The step as in the step box: minute, hour, day, CE month, ...")
        ->required()
        ->check(CLI::IsMember(step_names, CLI::ignore_case));
    move_cmd->add_flag("--back", move.back, "Move back instead of forward");
    move_cmd->add_option("--count", move.count, "Number of steps")->check(CLI::Range(1, 100000));
    move_cmd->add_option("--from", move_from, "Start from this entry instead of the present moment");
    move_cmd->add_flag("--keep-30th", move.keep_30th, "Return to day 30 where the month has one");
    move_cmd->add_flag("--keep-leap", move.keep_leap, "Return to the leap month where the year has one");

    SearchOptions search;
    std::optional<std::string> search_from;
    std::vector<std::string> target_names(kTargetItems.begin(), kTargetItems.end());
    CLI::App* search_cmd = app.add_subcommand("search", "Find the next (or previous) event and show it");
    search_cmd->add_option("target", search.target, "The event as in the target box: Full moon, Dark moon, ...")
        ->required()
        ->check(CLI::IsMember(target_names, CLI::ignore_case));
    search_cmd->add_flag("--previous", search.previous, "Search backwards");
    search_cmd->add_option("--element", search.element, "Element of an element-animal target")
        ->check(CLI::IsMember(Names(kElementNames)));
    search_cmd->add_option("--animal", search.animal, "Animal of an element-animal target")
        ->check(CLI::IsMember(Names(kAnimalNames)));
    search_cmd->add_option("--from", search_from, "Start from this entry instead of the present moment");
    search_cmd->add_option("--count", search.count, "Number of events to find, one after the other")
        ->check(CLI::Range(1, 1000000));
    AddCalendarOptions(*search_cmd, search.calendar);

    ListOptions list;
    std::optional<std::string> list_from;
    CLI::App* list_cmd = app.add_subcommand("list", "Print a listing of the list window");
    list_cmd->add_option("kind", list.kind, "new-years, leap-months, year-data or new-years-jc-ce")
        ->required()
        ->check(CLI::IsMember({"new-years", "leap-months", "year-data", "new-years-jc-ce"}));
    list_cmd->add_option("--years", list.years, "Number of years to list");
    list_cmd->add_flag("--leap-only", list.leap_only, "Leap months only");
    list_cmd->add_flag("--omit-invalid", list.omit_invalid, "Omit anniversaries that do not exist");
    list_cmd->add_flag("--julian", list.julian, "Dates in the Julian Calendar instead of CE");
    auto* major = list_cmd->add_flag("--major", list.major, "Include the principal solar terms (year-data)");
    list_cmd->add_flag("--no-major", list.no_major, "Leave out the principal solar terms")->excludes(major);
    list_cmd->add_flag("--minor", list.minor, "Include the minor solar terms (year-data)");
    list_cmd->add_flag("--names", list.names, "Show the solar terms' names (year-data)");
    list_cmd->add_option("--from", list_from, "List around this entry instead of the present moment");
    AddCalendarOptions(*list_cmd, list.calendar);

    AnniversaryOptions anniversaries;
    CLI::App* anniversaries_cmd = AddAnniversariesCommand(app, anniversaries);

    std::optional<std::string> test_date;
    std::optional<uint64_t> test_seed;
    CLI::App* test_cmd = app.add_subcommand("selftest", "Run the round-trip self-test of the conversions");
    test_cmd->add_option("--date", test_date, "Test this one date instead of random ones");
    test_cmd->add_option("--seed", test_seed, "Seed of the random run, for a repeatable test");

    std::vector<std::string> argv_storage{"vemla-cli"};
    argv_storage.insert(argv_storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argv_storage) argv.push_back(a.data());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        err << e.what() << "\nRun with --help for more information.\n";
        return kExitUsage;
    }

    Run run(out, err);
    if (int code = run.Start(program_folder, options); code != kExitOk) return code;
    if (convert_cmd->parsed()) {
        if (int code = run.Convert(convert); code != kExitOk) return code;
    }
    // --from of move, search and list: the entry becomes the displayed moment first.
    for (const auto* from : {&move_from, &search_from, &list_from}) {
        if (!*from) continue;
        ConvertOptions start;
        start.entry = **from;
        if (int code = run.Convert(start); code != kExitOk) return code;
    }
    if (move_cmd->parsed()) return run.Move(move, options);
    if (search_cmd->parsed()) return run.Search(search, options);
    if (list_cmd->parsed()) return run.List(list);
    if (anniversaries_cmd->parsed()) {
        ConvertOptions start;
        start.entry = anniversaries.entry;
        start.calendar = anniversaries.calendar;
        if (int code = run.Convert(start); code != kExitOk) return code;
        return run.Anniversaries(anniversaries);
    }
    if (test_cmd->parsed()) return run.SelfTest(test_date, test_seed);
    run.Print(options);
    return kExitOk;
}

}  // namespace vemla
